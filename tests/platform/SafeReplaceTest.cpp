// SPDX-License-Identifier: MIT
#include "platform/SafeReplace.h"

#include "options/FileBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::set<std::string> namesIn(const std::string &folder) {
    std::set<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

unsigned modeOf(const std::string &path) {
    return static_cast<unsigned>(fs::status(path).permissions() & fs::perms::mask);
}

TEST(SafeReplace, APlantedLinkUnderTheFreshNameIsPassedBy) {
    TempCurrentDir dir;
    writeBytes(dir.file("victim"), "mine");
    fs::create_symlink(dir.file("victim"), dir.file("out.a.new"));
    setTemporaryPartSource([next = 0]() mutable { return std::string(next++ % 2 ? "b" : "a"); });
    EXPECT_TRUE(replaceFileContents(dir.file("out"), "new"));
    setTemporaryPartSource({});
    EXPECT_EQ(readBytes(dir.file("out")), "new");
    EXPECT_EQ(readBytes(dir.file("victim")), "mine");
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"out", "out.a.new", "victim"}));
}

// The umask takes no bits from a kept mode; the link test below keeps 0600.
TEST(SafeReplace, AReplacedFileKeepsItsModeAndANewOneFollowsTheUmask) {
    TempCurrentDir dir;
    writeBytes(dir.file("shared"), "old");
    ::chmod(dir.file("shared").c_str(), 0664);
    const mode_t mask = ::umask(027);
    for (const char *name : {"shared", "fresh"})
        EXPECT_TRUE(replaceFileContents(dir.file(name), "new")) << name;
    ::umask(mask);
    EXPECT_EQ(modeOf(dir.file("shared")), 0664u);
    EXPECT_EQ(modeOf(dir.file("fresh")), 0640u);
}

TEST(SafeReplace, LinksAreWrittenThrough) {
    TempCurrentDir dir;
    fs::create_directory(dir.file("real"));
    writeBytes(dir.file("real/file"), "old");
    ::chmod(dir.file("real/file").c_str(), 0600);
    // A relative link to a relative link: each is read from its own folder.
    fs::create_symlink("file", dir.file("real/inner"));
    fs::create_symlink("real/inner", dir.file("outer"));
    ASSERT_TRUE(replaceFileContents(dir.file("outer"), "through"));
    EXPECT_TRUE(fs::is_symlink(dir.file("outer")));
    EXPECT_EQ(readBytes(dir.file("real/file")), "through");
    EXPECT_EQ(modeOf(dir.file("real/file")), 0600u);

    fs::create_symlink("loop", dir.file("loop"));
    EXPECT_FALSE(replaceFileContents(dir.file("loop"), "x"));
    EXPECT_TRUE(fs::is_symlink(dir.file("loop")));
}

// A link planted by someone else, first in the chain or further on, is not
// followed: the file it leads to stays as it was.
TEST(SafeReplace, ALinkOfAnotherUserIsRefused) {
    TempCurrentDir dir;
    writeBytes(dir.file("victim"), "mine");
    fs::create_symlink("victim", dir.file("planted"));
    fs::create_symlink("planted", dir.file("own"));
    constexpr uid_t Nobody = 65534;
    if (::lchown(dir.file("planted").c_str(), Nobody, Nobody) != 0)
        GTEST_SKIP() << "only root can give a link to another user";
    for (const char *name : {"planted", "own"}) {
        std::string error;
        EXPECT_FALSE(replaceFileContents(dir.file(name), "x", &error)) << name;
        EXPECT_EQ(error, "a link that belongs to another user") << name;
    }
    EXPECT_EQ(readBytes(dir.file("victim")), "mine");
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"own", "planted", "victim"}));
}

TEST(SafeReplace, WhatIsNoRegularFileIsRefusedAndLeftAsItIs) {
    TempCurrentDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    fs::create_directory(dir.file("folder"));
    fs::create_symlink("/dev/null", dir.file("device"));
    fs::create_symlink("fifo", dir.file("to-fifo"));
    const std::set<std::string> before = namesIn(dir.path());
    for (const char *name : {"fifo", "folder", "device", "to-fifo"}) {
        std::string error;
        EXPECT_FALSE(replaceFileContents(dir.file(name), "x", &error)) << name;
        EXPECT_EQ(error, "not a regular file") << name;
    }
    EXPECT_EQ(namesIn(dir.path()), before);
    EXPECT_EQ(fs::status(dir.file("fifo")).type(), fs::file_type::fifo);
}

} // namespace
