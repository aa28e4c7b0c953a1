// SPDX-License-Identifier: MIT
#include "app/SingleInstance.h"

#include <QDir>
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

TEST(SingleInstance, OnlyAPrivateFolderOfTheUserHoldsTheSocket) {
    QTemporaryDir dir;
    const uid_t me = ::getuid();
    const QString own = dir.filePath("own"), open = dir.filePath("open"),
                  link = dir.filePath("link"), file = dir.filePath("file");
    ::mkdir(local(own).c_str(), 0700);
    ::mkdir(local(open).c_str(), 0700);
    ::chmod(local(open).c_str(), 0755);
    ASSERT_EQ(::symlink(local(own).c_str(), local(link).c_str()), 0);
    QFile(file).open(QIODevice::WriteOnly);
    struct Case {
        QString folder;
        uid_t uid;
        bool usable;
    };
    const Case cases[] = {
        {own, me, true},   {own, me + 1, false}, {open, me, false},
        {link, me, false}, {file, me, false},    {dir.filePath("none"), me, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SingleInstance::privateFolder(c.folder, c.uid), c.usable)
            << c.folder.toStdString() << " " << c.uid;
}

TEST(SingleInstance, PeersAreCheckedByTheirUser) {
    int pair[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    EXPECT_TRUE(SingleInstance::peerIsUser(pair[0], ::getuid()));
    EXPECT_FALSE(SingleInstance::peerIsUser(pair[0], ::getuid() + 1));
    ::close(pair[0]);
    ::close(pair[1]);
    EXPECT_FALSE(SingleInstance::peerIsUser(-1, ::getuid()));
}

// A window that is stopped accepts nobody: once its queue is full, a later
// start gives up after its time-out instead of waiting for ever.
TEST(SingleInstance, AListenerThatNeverAcceptsGetsNoAnswer) {
    QTemporaryDir dir;
    const QString name = dir.filePath("socket");
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, local(name).c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener, 0), 0);
    std::vector<int> queued;
    for (int i = 0; i < 64; ++i) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        queued.push_back(fd);
        if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0)
            break;
    }
    ASSERT_EQ(errno, EAGAIN) << "the queue is full";
    SingleInstance later(name);
    EXPECT_EQ(later.handOver({"--tab", "timer"}, 100), SingleInstance::HandOver::NoAnswer);
    for (const int fd : queued)
        ::close(fd);
    ::close(listener);
}

TEST(SingleInstance, ACallerThatSendsNothingIsDropped) {
    QTemporaryDir dir;
    SingleInstance window(dir.filePath("socket"));
    window.setCallerLimit(50);
    ASSERT_TRUE(window.listen());
    const int caller = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, local(dir.filePath("socket")).c_str(),
                 sizeof address.sun_path - 1);
    ASSERT_EQ(::connect(caller, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    char byte;
    EXPECT_TRUE(QTest::qWaitFor([&] { return ::recv(caller, &byte, 1, MSG_DONTWAIT) == 0; }, 5000))
        << "the window hung up";
    ::close(caller);
}

} // namespace
