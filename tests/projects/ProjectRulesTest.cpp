// SPDX-License-Identifier: MIT
#include "common/TimeDate.h"
#include "projects/ProjectSql.h"
#include "projects/RecordingJournal.h"
#include "projects/TimeRecordRules.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>

#include <unistd.h>

// The statements built from values. The fixed ones are checked where they act:
// the tables of a new database file, the names and IDs read back in the window.
TEST(ProjectSql, TextsByteForByte) {
    struct Case {
        std::string built;
        const char *expected;
    };
    const Case cases[] = {
        {newProjectSql(3, "Alpha"), "insert into projects values (3, 'Alpha')"},
        {newProjectSql(12, ""), "insert into projects values (12, '')"},
        {newProjectSql(1, "O'Brien's"), "insert into projects values (1, 'O''Brien''s')"},
        {projectIdSql("Alpha"), "Select id from projects where name = 'Alpha'"},
        {projectIdSql("' or '1'='1"), "Select id from projects where name = ''' or ''1''=''1'"},
        {projectIdSql("''"), "Select id from projects where name = ''''''"},
        {recordTimeSql(2, 63, TimeDate(2017, 1, 9, 8, 5, 0, 0)),
         "insert into times values (2, 63, 2017, 1, 9, 8, 5, 0)"},
        {recordTimeSql(-4, 6000000, TimeDate(2024, 12, 31, 23, 59, 59, 999)),
         "insert into times values (-4, 6000000, 2024, 12, 31, 23, 59, 59)"},
        {minutesSinceSql(1, 2017, 1, 1),
         "select sum(minutes_worked) from times where project = 1 and ((year > 2017) or  (year "
         "= 2017 and month > 1) or (year = 2017 and month = 1 and day >= 1))"},
        {minutesSinceSql(-1, 2024, 13, -5),
         "select sum(minutes_worked) from times where project = -1 and ((year > 2024) or  (year "
         "= 2024 and month > 13) or (year = 2024 and month = 13 and day >= -5))"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.built, c.expected);
}

TEST(TimeRecordRules, ElapsedTextPadsMinutesAndSecondsOnly) {
    struct Case {
        uint32_t hours, minutes, seconds;
        const char *expected;
    };
    const Case cases[] = {
        {0, 0, 0, "00:00"},       {0, 0, 7, "00:07"},
        {0, 12, 34, "12:34"},     {0, 59, 59, "59:59"},
        {1, 0, 0, "1:00:00"},     {10, 5, 9, "10:05:09"},
        {123, 4, 0, "123:04:00"}, {UINT32_MAX, 0, 1, "4294967295:00:01"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(elapsedText(c.hours, c.minutes, c.seconds), c.expected);
}

// A start second moved past a taken one must stay a real calendar time.
TEST(RecordingJournalRules, SecondAfterCarriesThroughTheCalendar) {
    struct Case {
        TimeDate from, expected;
    };
    const Case cases[] = {
        {{2024, 3, 15, 9, 30, 5, 0}, {2024, 3, 15, 9, 30, 6, 0}},
        {{2024, 3, 15, 9, 59, 59, 0}, {2024, 3, 15, 10, 0, 0, 0}},
        {{2024, 2, 28, 23, 59, 59, 0}, {2024, 2, 29, 0, 0, 0, 0}},
        {{2023, 2, 28, 23, 59, 59, 0}, {2023, 3, 1, 0, 0, 0, 0}},
        {{2024, 12, 31, 23, 59, 59, 0}, {2025, 1, 1, 0, 0, 0, 0}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(secondAfter(c.from), c.expected) << c.from.DateText() << " " << c.from.TimeText();
}

TEST(RecordingJournalRules, WhatIsWrittenIsReadBackWhole) {
    TempCurrentDir dir;
    const std::string path = recordingJournalPath("chimeral.db", 42);
    RecordingJournalEntry chosen{3, "O'Brien name=x \xc3\xa4", {2023, 12, 31, 23, 59, 59, 0}, 0, 59,
                                 0};
    chosen.row = RecordingJournalRow{{2024, 1, 1, 0, 0, 0, 0}, 59};
    const RecordingJournalEntry entries[] = {{7, "Writing", {2024, 3, 15, 9, 30, 5, 0}, 1, 2, 40},
                                             chosen};
    for (const auto &entry : entries) {
        ASSERT_TRUE(writeRecordingJournal(path, entry));
        EXPECT_EQ(readRecordingJournal(path), entry);
    }
    std::ofstream(path, std::ios::binary) << "project=7\nstart=2024 3";
    EXPECT_EQ(readRecordingJournal(path), std::nullopt);
    EXPECT_EQ(QDir(".").entryList(QDir::Files), QStringList({"chimeral.db-recording-42"}))
        << "no temporary file is left";
}

TEST(RecordingJournalRules, JournalsAreFoundByTheDatabaseNameAsItStands) {
    TempCurrentDir dir;
    // A name with brackets is no pattern; a process ID in the name is no test
    // of liveness: nobody holds these.
    const std::string dead = recordingJournalPath("[a]*.db", 0x7ffffff0);
    const std::string parent = recordingJournalPath("[a]*.db", ::getppid());
    for (const std::string &path : {dead, parent, recordingJournalPath("a.db", 0x7ffffff0),
                                    std::string("[a]*.db-recording-x")})
        std::ofstream(path) << "project=1\n";
    std::vector<std::string> taken;
    for (const HeldRecordingJournal &journal : takeRecordingJournals("[a]*.db"))
        taken.push_back(journal.path());
    std::vector<std::string> expected{"./" + dead, "./" + parent};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(taken, expected);
}
