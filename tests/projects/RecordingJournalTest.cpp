// SPDX-License-Identifier: MIT
#include "projects/RecordingJournal.h"

#include "support/ChildProcess.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const RecordingJournalEntry Writing{1, "Writing", {2024, 3, 14, 17, 5, 9, 0}, 1, 2, 40};
const TimeDate Later{2024, 3, 14, 20, 0, 0, 0};

std::set<std::string> namesHere() {
    std::set<std::string> names;
    for (const auto &entry : fs::directory_iterator("."))
        names.insert(entry.path().filename().string());
    return names;
}

TEST(RecordingJournalText, NumbersOutOfTheirRangesMakeItUnreadable) {
    struct Case {
        const char *start;
        const char *counted;
        const char *name;
        bool readable;
        // The row its store chose; none in the earlier form, which had no line.
        const char *row = nullptr;
    };
    const Case cases[] = {
        {"2024 3 14 17 5 9", "1 2 40", "Writing", true},
        {"2024 2 29 0 0 0", "0 59 59", "x", true},
        {"2024 3 14 17 5 9", "8784 0 0", "Writing", true},
        {"2024 3 14 17 5 9", "8785 0 0", "Writing", false},
        // Names the project box could not give.
        {"2024 3 14 17 5 9", "1 2 40", " Writing", false},
        {"2024 3 14 17 5 9", "1 2 40", "Writ\ning", false},
        {"2024 3 14 17 5 9", "1 2 40", "Writ\x7fing", false},
        {"2024 3 14 17 5 9", "1 2 40", "Writ\xffing", false},
        {"2024 3 14 17 5 9", "1 2 40", "Sch\xc3\xa4rfe", true},
        {"2024 3 14 17 5 9", "1 2 40", "Writing", true, "-"},
        {"2024 3 14 17 5 9", "1 2 40", "Writing", true, "2024 3 14 17 5 10 63"},
        {"2024 3 14 17 5 9", "1 2 40", "Writing", false, "2024 3 14 17 5 8 63"},
        {"2024 3 14 17 5 9", "1 2 40", "Writing", false, "2024 3 14 17 5 9 62"},
        {"2024 3 14 17 5 9", "1 2 40", "Writing", false, "2024 3 14 17 5 9"},
        {"2024 3 14 17 5 9", "-1 0 0", "Writing", false},
        {"2024 3 14 17 5 9", "0 60 0", "Writing", false},
        {"2024 3 14 17 5 9", "0 0 60", "Writing", false},
        {"2024 13 40 17 5 9", "0 1 0", "Writing", false},
        {"2023 2 29 17 5 9", "0 1 0", "Writing", false},
        {"2024 3 14 24 0 0", "0 1 0", "Writing", false},
        {"2024 3 14 17 60 0", "0 1 0", "Writing", false},
        {"0 3 14 17 5 9", "0 1 0", "Writing", false},
        {"2024 3 14 17 5 9", "99999999999 0 0", "Writing", false},
        {"2024 3 14 17 5 9", "1 2 40 7", "Writing", false},
        {"2024 3 14 17 5", "1 2 40", "Writing", false},
        {"2024 3 14 17 5 9", "1 2 x", "Writing", false},
        {"2024 3 14 17 5 9", "1 2 40", "", false},
    };
    for (const Case &c : cases) {
        const std::string text = std::string("project=1\nstart=") + c.start +
                                 "\ncounted=" + c.counted +
                                 (c.row ? std::string("\nrow=") + c.row : "") + "\nname=" + c.name;
        EXPECT_EQ(parseRecordingJournal(text).has_value(), c.readable) << text;
    }
}

TEST(RecordingJournalText, CountedTimeMustFitSinceTheStart) {
    struct Case {
        TimeDate now;
        uint32_t hours, minutes;
        bool fits;
    };
    const TimeDate start{2024, 3, 14, 17, 0, 0, 0};
    const Case cases[] = {
        {{2024, 3, 14, 18, 0, 0, 0}, 1, 0, true},
        {{2024, 3, 15, 17, 0, 0, 0}, 24, 0, true},
        // The clock turned back an hour at the end of summer time.
        {{2024, 3, 14, 17, 0, 0, 0}, 1, 0, true},
        {{2024, 3, 14, 18, 0, 0, 0}, 3, 0, false},
        {{2024, 3, 13, 17, 0, 0, 0}, 0, 1, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(journalFitsItsTime({1, "x", start, c.hours, c.minutes, 0}, c.now), c.fits)
            << c.now.DateText() << " " << c.now.TimeText() << " " << c.hours << ":" << c.minutes;
}

// A running recording holds its journal; once it no longer runs, the first
// window to look takes it and no other can.
TEST(RecordingJournalFiles, OnlyAJournalNobodyHoldsIsTaken) {
    TempCurrentDir dir;
    std::optional<RecordingJournalFile> running(std::in_place, "chimeral.db");
    ASSERT_TRUE(running->write(Writing));
    ASSERT_TRUE(running->write(Writing));
    const std::string path = running->path();
    EXPECT_TRUE(takeRecordingJournals("chimeral.db").empty());

    running.reset();
    std::vector<HeldRecordingJournal> first = takeRecordingJournals("chimeral.db");
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].path(), "./" + path);
    EXPECT_TRUE(takeRecordingJournals("chimeral.db").empty()) << "held by the first";
    EXPECT_EQ(first[0].read(Later), Writing);

    // A new recording of this process does not overwrite the journal left.
    RecordingJournalFile next("chimeral.db");
    ASSERT_TRUE(next.write(Writing));
    EXPECT_EQ(next.path(), path + "-2");
    EXPECT_TRUE(first[0].remove());
    next.remove();
    EXPECT_EQ(namesHere(), std::set<std::string>{});
}

// A planted link under a fresh file's name is the safe replacement's rule; a
// link in the journal's own place is replaced, not written through.
TEST(RecordingJournalFiles, ALinkInTheJournalsPlaceIsReplaced) {
    TempCurrentDir dir;
    std::ofstream("victim") << "mine";
    fs::create_symlink("victim", "chimeral.db-recording-7");
    EXPECT_TRUE(writeRecordingJournal("chimeral.db-recording-7", Writing));
    EXPECT_EQ(readFile("victim"), "mine");
    EXPECT_EQ(readRecordingJournal("chimeral.db-recording-7"), Writing);
}

// What no recording wrote is kept aside, not read: a link (to /dev/zero, which
// never ends), a file past the size limit, a FIFO, numbers out of range.
TEST(RecordingJournalFiles, UnreadableJournalsAreSetAside) {
    TempCurrentDir dir;
    fs::create_symlink("/dev/zero", "chimeral.db-recording-1");
    std::ofstream("chimeral.db-recording-2") << std::string(RecordingJournalReadLimit + 1, '\n');
    ASSERT_EQ(::mkfifo("chimeral.db-recording-3", 0600), 0);
    std::ofstream("chimeral.db-recording-4") << "project=1\nstart=2024 3 14 17 5 9\n"
                                                "counted=9 0 0\nname=Writing";
    std::ofstream("chimeral.db-recording-4.bad") << "an earlier one";
    std::vector<HeldRecordingJournal> held = takeRecordingJournals("chimeral.db");
    ASSERT_EQ(held.size(), 4u);
    for (HeldRecordingJournal &journal : held) {
        EXPECT_EQ(journal.read(Later), std::nullopt) << journal.path();
        EXPECT_EQ(journal.setAside(),
                  journal.path() + (journal.path().ends_with("4") ? ".2" : "") + ".bad");
    }
    EXPECT_EQ(namesHere(),
              (std::set<std::string>{"chimeral.db-recording-1.bad", "chimeral.db-recording-2.bad",
                                     "chimeral.db-recording-3.bad", "chimeral.db-recording-4.bad",
                                     "chimeral.db-recording-4.2.bad"}));
    EXPECT_TRUE(fs::is_symlink("chimeral.db-recording-1.bad"));
    EXPECT_TRUE(takeRecordingJournals("chimeral.db").empty());
}

// In a shared folder another user's journals, links and fresh files are none
// of this program's business: not taken, not removed, not read as a row.
TEST(RecordingJournalFiles, AnotherUsersFilesAreLeftAlone) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "making another user's files needs root";
    TempCurrentDir dir;
    const uid_t other = 65534;
    RecordingJournalEntry chosen = Writing;
    chosen.row = RecordingJournalRow{Writing.start, 63};
    ASSERT_TRUE(writeRecordingJournal("chimeral.db-recording-1", chosen));
    std::ofstream("chimeral.db-recording-2.x1.new") << "dead";
    fs::create_symlink("/dev/zero", "chimeral.db-recording-3");
    for (const char *name :
         {"chimeral.db-recording-1", "chimeral.db-recording-2.x1.new", "chimeral.db-recording-3"})
        ASSERT_EQ(::lchown(name, other, other), 0) << name;
    EXPECT_TRUE(takeRecordingJournals("chimeral.db").empty());
    removeDeadJournalTemporaries("chimeral.db");
    EXPECT_EQ(namesHere(),
              (std::set<std::string>{"chimeral.db-recording-1", "chimeral.db-recording-2.x1.new",
                                     "chimeral.db-recording-3"}));
    // Its row is still passed over: a store there is harmless, a clash is not.
    EXPECT_EQ(rowSecondsChosenByJournals("chimeral.db", -1), std::vector<TimeDate>{Writing.start});
}

TEST(RecordingJournalFiles, OnlyDeadTemporariesAreRemoved) {
    TempCurrentDir dir;
    std::ofstream("chimeral.db-recording-5.x1.new") << "dead";
    std::ofstream("chimeral.db-recording-5.new") << "dead, older form";
    std::ofstream("chimeral.db-recording-6.x2.new") << "being written";
    std::ofstream("other.db-recording-5.x3.new") << "another database";
    fs::create_symlink("chimeral.db-recording-6.x2.new", "chimeral.db-recording-7.x4.new");
    const int writing = ::open("chimeral.db-recording-6.x2.new", O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(writing, LOCK_EX), 0);
    removeDeadJournalTemporaries("chimeral.db");
    ::close(writing);
    EXPECT_EQ(namesHere(), (std::set<std::string>{"chimeral.db-recording-6.x2.new",
                                                  "chimeral.db-recording-7.x4.new",
                                                  "other.db-recording-5.x3.new"}));
}

// Two recordings of one project that started in the same second: the second
// journal finds the first one's row, stored in this pass, and is stored too.
TEST(RecordingJournalRules, ARowStoredInThisPassIsNoOtherJournalsOwn) {
    const TimeDate second{2024, 3, 14, 17, 5, 9, 0};
    RecoveredRows pass;
    EXPECT_FALSE(pass.alreadyStored(1, second, 0));
    EXPECT_TRUE(pass.alreadyStored(1, second, 1)) << "stored by the run that wrote it";
    pass.noteStored(1, second);
    EXPECT_FALSE(pass.alreadyStored(1, second, 1));
    EXPECT_TRUE(pass.alreadyStored(1, second, 2));
    EXPECT_TRUE(pass.alreadyStored(2, second, 1)) << "another project";
    EXPECT_TRUE(pass.alreadyStored(1, secondAfter(second), 1)) << "another second";
    pass.noteStored(1, second);
    EXPECT_FALSE(pass.alreadyStored(1, second, 1));
}

} // namespace
