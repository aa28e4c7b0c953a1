// SPDX-License-Identifier: MIT
#include "app/SingleInstance.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

std::string local(const QString &path) {
    return QFile::encodeName(path).toStdString();
}

// A socket connected to `path`, or -1.
int dial(const QString &path, int flags = 0) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | flags, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, local(path).c_str(), sizeof address.sun_path - 1);
    if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0)
        return fd;
    ::close(fd);
    return -1;
}

TEST(SingleInstance, OnlyAPrivateFolderOfTheUserHoldsTheSocket) {
    QTemporaryDir dir;
    const uid_t me = ::getuid();
    const QString own = dir.filePath("own"), open = dir.filePath("open"),
                  link = dir.filePath("link"), fifo = dir.filePath("fifo");
    for (const QString &folder : {own, open})
        ::mkdir(local(folder).c_str(), 0700);
    ::chmod(local(open).c_str(), 0755);
    ASSERT_EQ(::symlink(local(own).c_str(), local(link).c_str()), 0);
    ::mkfifo(local(fifo).c_str(), 0700); // the mode of a private folder, but no folder
    const std::tuple<QString, uid_t, bool> cases[] = {
        {own, me, true},   {own, me + 1, false}, {open, me, false},
        {link, me, false}, {fifo, me, false},    {dir.filePath("none"), me, false},
    };
    for (const auto &[folder, uid, usable] : cases)
        EXPECT_EQ(SingleInstance::privateFolder(folder, uid), usable)
            << folder.toStdString() << " " << uid;
}

TEST(SingleInstance, PeersAreCheckedByTheirUser) {
    int pair[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    EXPECT_TRUE(SingleInstance::peerIsUser(pair[0], ::getuid()));
    EXPECT_FALSE(SingleInstance::peerIsUser(pair[0], ::getuid() + 1));
    ::close(pair[0]);
    ::close(pair[1]);
}

// A window that is stopped accepts nobody: once its queue is full, a later
// start gives up after its time-out instead of waiting for ever.
TEST(SingleInstance, AWindowThatNeverAcceptsGivesNoAnswer) {
    QTemporaryDir dir;
    const QString name = dir.filePath("socket");
    SingleInstance stopped(name);
    ASSERT_TRUE(stopped.listen()); // no events run here to accept
    std::vector<int> queued;
    for (int fd; queued.size() < 64 && (fd = dial(name, SOCK_NONBLOCK)) >= 0;)
        queued.push_back(fd);
    ASSERT_LT(queued.size(), 64u) << "the queue never filled";
    EXPECT_EQ(SingleInstance(name).handOver({"--tab", "timer"}, 100),
              SingleInstance::HandOver::NoAnswer);
    for (const int fd : queued)
        ::close(fd);
}

TEST(SingleInstance, ACallerThatSendsNothingIsDropped) {
    QTemporaryDir dir;
    SingleInstance window(dir.filePath("socket"));
    window.setCallerLimit(50);
    ASSERT_TRUE(window.listen());
    const int caller = dial(dir.filePath("socket"));
    ASSERT_GE(caller, 0);
    char byte;
    EXPECT_TRUE(QTest::qWaitFor([&] { return ::recv(caller, &byte, 1, MSG_DONTWAIT) == 0; }, 5000))
        << "the window hung up";
    ::close(caller);
}

} // namespace
