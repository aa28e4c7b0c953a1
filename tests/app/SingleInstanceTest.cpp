// SPDX-License-Identifier: MIT
#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <future>
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
        EXPECT_EQ(SingleInstance::privateFolder(QFile::encodeName(folder), uid), usable)
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
    SingleInstance stopped(QFile::encodeName(name));
    ASSERT_TRUE(stopped.listen()); // no events run here to accept
    std::vector<int> queued;
    for (int fd; queued.size() < 64 && (fd = dial(name, SOCK_NONBLOCK)) >= 0;)
        queued.push_back(fd);
    ASSERT_LT(queued.size(), 64u) << "the queue never filled";
    EXPECT_EQ(SingleInstance(QFile::encodeName(name)).handOver({"--tab", "timer"}, 100),
              SingleInstance::HandOver::NoAnswer);
    for (const int fd : queued)
        ::close(fd);
}

TEST(SingleInstance, ACallerThatSendsNothingIsDropped) {
    QTemporaryDir dir;
    SingleInstance window(QFile::encodeName(dir.filePath("socket")));
    window.setCallerLimit(50);
    ASSERT_TRUE(window.listen());
    const int caller = dial(dir.filePath("socket"));
    ASSERT_GE(caller, 0);
    char byte;
    EXPECT_TRUE(QTest::qWaitFor([&] { return ::recv(caller, &byte, 1, MSG_DONTWAIT) == 0; }, 5000))
        << "the window hung up";
    ::close(caller);
}

// Folders are told apart by their bytes, not by what a conversion to text
// makes of them; one folder reached through a link is still one.
TEST(SingleInstance, TheSocketNameFollowsTheFolderItself) {
    QTemporaryDir dir;
    const QByteArray base = QFile::encodeName(dir.path()), config = base;
    const QByteArray fe = base + "/a\xfe", ff = base + "/a\xff", link = base + "/link";
    ASSERT_EQ(::mkdir(fe.constData(), 0700), 0);
    ASSERT_EQ(::mkdir(ff.constData(), 0700), 0);
    ASSERT_EQ(::symlink(fe.constData(), link.constData()), 0);
    EXPECT_NE(SingleInstance::serverName(fe, config), SingleInstance::serverName(ff, config));
    EXPECT_EQ(SingleInstance::serverName(fe, config), SingleInstance::serverName(link, config));
    // Qt cannot name these folders to remove them.
    for (const QByteArray &made : {link, fe, ff})
        ::remove(made.constData());
}

// A runtime folder too long for a socket's path: the private folder in the
// temporary folder takes the socket instead.
TEST(SingleInstance, ALongRuntimeFolderFallsBackToTheTemporaryFolder) {
    QTemporaryDir dir;
    QByteArray runtime = QFile::encodeName(dir.path());
    while (runtime.size() < 120)
        runtime += "/" + QByteArray(40, 'r');
    ASSERT_TRUE(QDir().mkpath(QFile::decodeName(runtime)));
    ::chmod(runtime.constData(), 0700);
    const QByteArray before = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime);
    const QByteArray name = SingleInstance::serverName(runtime, runtime);
    qputenv("XDG_RUNTIME_DIR", before);
    SingleInstance window(name);
    EXPECT_TRUE(window.listen()) << name.toStdString();
    EXPECT_TRUE(name.startsWith(QFile::encodeName(QDir::tempPath()))) << name.toStdString();
}

// Two starts that both found no window: the one that came second waits for
// the first one's socket and hands its request over, rather than listen too.
TEST(SingleInstance, OfTwoStartsAtOnceOnlyOneListens) {
    QTemporaryDir dir;
    const QByteArray name = QFile::encodeName(dir.filePath("socket"));
    SingleInstance first(name);
    ASSERT_EQ(first.handOver({}), SingleInstance::HandOver::NoneRunning);
    auto second = std::async(std::launch::async, [&] {
        SingleInstance later(name);
        return later.handOver({"--tab", "clock"});
    });
    QTest::qWait(100); // the second start is refused meanwhile
    ASSERT_TRUE(first.listen());
    QStringList received;
    first.setReceiver([&](const QStringList &arguments) { received = arguments; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !received.isEmpty(); }, 10000));
    EXPECT_EQ(received, QStringList({"--tab", "clock"}));
    EXPECT_EQ(second.get(), SingleInstance::HandOver::Taken);
}

// A message is read no further than its bytes go: a count of arguments it
// cannot hold is refused, not believed.
TEST(SingleInstance, AMessageClaimingMoreArgumentsThanItHoldsIsRefused) {
    QByteArray forged = handOverMessage({});
    forged.chop(4);
    forged += QByteArray::fromHex("7fffffff");
    bool bad = false;
    EXPECT_FALSE(readHandOverMessage(forged, bad));
    EXPECT_TRUE(bad);
    EXPECT_EQ(readHandOverMessage(handOverMessage({"--alarm", "7:00"}), bad),
              QStringList({"--alarm", "7:00"}));
}

} // namespace
