// SPDX-License-Identifier: MIT
#include "options/initfile.h"
#include "options/LineData.h"

#include "options/FileBytes.h"
#include "platform/SafeReplace.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sys/stat.h>
#include <sys/types.h>

namespace fs = std::filesystem;
using Entries = std::map<std::string, std::string>;

namespace {
Entries readEntries(const std::string &path) {
    initfile store(path);
    EXPECT_TRUE(store.read());
    return store.entries();
}
} // namespace

TEST(InitFile, PathGetsIniExtensionUnlessItHasOne) {
    const std::pair<std::string, std::string> cases[] = {
        {"/x/chimeral.ini", "/x/chimeral.ini"},
        {"a.Ini", "a.Ini"},
        {"a.INI", "a.INI"},
        {"a.txt", "a.txt.INI"},
        {"aXini", "aXini.INI"},
        {"a.in", "a.in.INI"},
        {"ini", "ini.INI"},
        {"", ".INI"},
    };
    for (const auto &[path, expected] : cases)
        EXPECT_EQ(initfile(path).fileName(), expected) << path;
}

TEST(InitFile, ParsesLinesIntoEntries) {
    const std::string long1000(1000, 'x');
    const std::pair<std::string, Entries> cases[] = {
        {" alarmsound = /s/a.wav \r\n", {{"ALARMSOUND", "/s/a.wav"}}},
        {"A=b=c", {{"A", "b=c"}}},
        {"=x", {{"", "x"}}},
        {"n=1\r\nN =2\r\n", {{"N", "2"}}},
        {"[Sounds]\r\nremark\r\nK=v", {{"K", "v"}}},
        {"A=1\r\n\r\nB=2\r\n", {{"A", "1"}, {"B", "2"}}},
        {"my name=v", {{"MY NAME", "v"}}},
        {"A=1\nB=2\n", {{"A", "1"}, {"B", "2"}}},
        {"A=1\rB=2\r\nC=3\n\rD=4\r", {{"A", "1"}, {"B", "2"}, {"C", "3"}, {"D", "4"}}},
        {"\xEF\xBB\xBFName=v", {{"\xEF\xBB\xBFNAME", "v"}}},
        {"K=" + long1000 + "yz", {{"K", long1000}}},
        {"K=   " + long1000, {{"K", long1000.substr(3)}}},
        {"", {}},
    };
    TempCurrentDir dir;
    for (const auto &[content, expected] : cases) {
        writeBytes(dir.file("t.ini"), content);
        EXPECT_EQ(readEntries(dir.file("t.ini")), expected) << content;
    }
}

TEST(InitFile, GetFindsNormalizedNamesAndLeavesValueWhenAbsent) {
    TempCurrentDir dir;
    writeBytes(dir.file("t.ini"), "alarmsound = /s/a.wav \r\n");
    initfile store(dir.file("t.ini"));
    ASSERT_TRUE(store.read());
    std::string value = "unchanged";
    EXPECT_FALSE(store.get("TimerSound", value));
    EXPECT_EQ(value, "unchanged");
    EXPECT_TRUE(store.get("  AlarmSound", value));
    EXPECT_EQ(value, "/s/a.wav");
}

TEST(InitFile, MissingFileReadsFalseOversizeFileReadsNothing) {
    TempCurrentDir dir;
    initfile missing(dir.file("none.ini"));
    EXPECT_FALSE(missing.read());
    EXPECT_TRUE(missing.entries().empty());

    for (size_t size : {LineData::ReadLimit, LineData::ReadLimit + 1}) {
        const std::string entry = "K=v\r\n";
        writeBytes(dir.file("big.ini"), entry + std::string(size - entry.size(), '#'));
        initfile store(dir.file("big.ini"));
        EXPECT_TRUE(store.read());
        EXPECT_EQ(store.entries().size(), size <= LineData::ReadLimit ? 1u : 0u) << size;
    }
}

TEST(InitFile, FifoIsNotReadAndDoesNotHang) {
    TempCurrentDir dir;
    ASSERT_EQ(mkfifo(dir.file("p.ini").c_str(), 0600), 0);
    initfile store(dir.file("p.ini"));
    EXPECT_TRUE(store.read());
    EXPECT_TRUE(store.entries().empty());
}

TEST(InitFile, RewriteKeepsUnknownNamesInByteOrderWithoutEmptyValues) {
    TempCurrentDir dir;
    const std::string path = dir.file("chimeral.ini");
    writeBytes(path, "[Sounds]\r\nzeta=1\r\n\xC3\x84=h\r\nab=p\r\n_u=x\r\nalpha = 2\r\n=e\r\n"
                     "TimerSound=/t.wav\r\nabc=q");
    {
        initfile store(path);
        ASSERT_TRUE(store.read());
        store.set("AlarmSound", "/a.wav");
        store.set("alpha", "");
        store.set("value", "  kept as given ");
    }
    EXPECT_EQ(readBytes(path), "=e\r\nAB=p\r\nABC=q\r\nALARMSOUND=/a.wav\r\nTIMERSOUND=/t.wav\r\n"
                               "VALUE=  kept as given \r\nZETA=1\r\n_U=x\r\n\xC3\x84=h\r\n");
}

TEST(InitFile, NothingIsWrittenWhenEveryValueIsEmpty) {
    TempCurrentDir dir;
    const std::string old = "AlarmSound=/a.wav\r\n";
    writeBytes(dir.file("old.ini"), old);
    {
        initfile store(dir.file("old.ini"));
        store.read();
        store.set("AlarmSound", "");
        store.set("TimerSound", "");
    }
    EXPECT_EQ(readBytes(dir.file("old.ini")), old);
    {
        initfile store(dir.file("sub/new.ini"));
        store.set("AlarmSound", "");
    }
    EXPECT_FALSE(fs::exists(dir.file("sub")));
}

TEST(InitFile, ReadingAloneNeverRewrites) {
    TempCurrentDir dir;
    const std::string old = "remark\r\nk = v\n";
    writeBytes(dir.file("t.ini"), old);
    {
        initfile store(dir.file("t.ini"));
        store.read();
    }
    EXPECT_EQ(readBytes(dir.file("t.ini")), old);
}

TEST(InitFile, WriteCreatesMissingFolders) {
    TempCurrentDir dir;
    const std::string path = dir.file("config/chimeral/chimeral.ini");
    {
        initfile store(path);
        store.set("TimerSound", "/t.wav");
    }
    EXPECT_EQ(readBytes(path), "TIMERSOUND=/t.wav\r\n");
}

// Writing only the lines that fit would lose the others without a word. A
// full write, enciphered or not, must still be a file reading accepts.
TEST(InitFile, EntriesThatDoNotFitLeaveTheFileWhole) {
    TempCurrentDir dir;
    const std::string path = dir.file("t.ini");
    const std::string old = "OLD=1\r\n";
    const std::pair<std::string, size_t> forms[] = {
        {"", LineData::WriteCapacity}, {"01234567", LineData::EncipheredWriteCapacity}};
    for (const auto &[key, capacity] : forms) {
        for (const size_t size : {capacity, capacity + 1}) {
            SCOPED_TRACE(key + " " + std::to_string(size));
            writeBytes(path, old);
            bool written;
            {
                initfile store(path);
                if (!key.empty())
                    store.setKey(key);
                store.set("A", std::string(3000, 'a'));
                store.set("B", std::string(size - 3004 - 4, 'b'));
                written = store.write();
            }
            EXPECT_EQ(written, size <= capacity);
            if (!written) {
                EXPECT_EQ(readBytes(path), old);
                continue;
            }
            EXPECT_LE(readBytes(path).size(), LineData::ReadLimit);
            initfile reader(path);
            reader.read(key);
            EXPECT_EQ(reader.entries().size(), 2u);
        }
    }
}

TEST(InitFile, RewriteReplacesTheOldFileInOneStep) {
    TempCurrentDir dir;
    const std::string path = dir.file("chimeral.ini");
    const std::string old = "ALARMSOUND=/old.wav\r\n";
    writeBytes(path, old);
    // Every name the new file could take is in use.
    setTemporaryPartSource([] { return std::string("x"); });
    ASSERT_TRUE(fs::create_directory(path + ".x.new"));
    {
        initfile store(path);
        store.set("AlarmSound", "/new.wav");
        EXPECT_FALSE(store.write());
    }
    setTemporaryPartSource({});
    EXPECT_EQ(readBytes(path), old);

    fs::remove(path + ".x.new");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    {
        initfile store(path);
        store.set("AlarmSound", "/new.wav");
        EXPECT_TRUE(store.write());
    }
    EXPECT_EQ(readBytes(path), "ALARMSOUND=/new.wav\r\n");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(InitFile, RewriteThroughSymbolicLinkKeepsTheLink) {
    TempCurrentDir dir;
    fs::create_directory(dir.file("real"));
    writeBytes(dir.file("real/chimeral.ini"), "A=1\r\n");
    fs::create_symlink(dir.file("real/chimeral.ini"), dir.file("link.ini"));
    {
        initfile store(dir.file("link.ini"));
        store.read();
        store.set("B", "2");
    }
    EXPECT_TRUE(fs::is_symlink(dir.file("link.ini")));
    EXPECT_EQ(readBytes(dir.file("real/chimeral.ini")), "A=1\r\nB=2\r\n");
}

TEST(LineData, ReopeningWritesOutThePendingBuffer) {
    TempCurrentDir dir;
    LineData file(dir.file("t.ini"));
    EXPECT_FALSE(file.putLine("closed"));
    file.open(false);
    EXPECT_TRUE(file.putLine("one"));
    file.open(true);
    std::string line;
    EXPECT_FALSE(file.putLine("reading"));
    ASSERT_TRUE(file.getLine(line));
    EXPECT_EQ(line, "one");
    EXPECT_FALSE(file.getLine(line));
}
