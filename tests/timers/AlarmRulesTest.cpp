// SPDX-License-Identifier: MIT
#include "timers/AlarmRules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

void PrintTo(const AlarmEntry &entry, std::ostream *out) {
    *out << entry.hours << " h " << entry.minutes << " min";
}

TEST(AlarmRules, ReadsTypedTimes) {
    struct Case {
        std::string text;
        std::optional<AlarmEntry> entry;
    };
    const auto no = std::nullopt;
    using E = AlarmEntry;
    // clang-format off
    const Case cases[] = {
        {"7:00 AM", E{7, 0}}, {"7:00 am", E{7, 0}}, {"7 PM", E{19, 0}}, {"7", E{7, 0}},
        {"19", E{19, 0}}, {"7.30", E{7, 30}}, {"7 30", E{7, 30}}, {"7:30", E{7, 30}},
        {"7:5", E{7, 5}}, {"7: 30", E{7, 30}}, {"12:15 AM", E{12, 15}}, {"12:15 PM", E{12, 15}},
        {"0:15 PM", E{12, 15}}, {"11:59 pm", E{23, 59}}, {"19:00 PM", E{19, 0}},
        {"-1 PM", E{-1, 0}}, {"9:45 PM", E{21, 45}}, {"7:00 a.m.", E{7, 0}}, {"7:00pm", E{19, 0}},
        {"7 30 PM", E{19, 30}}, {"7.30p", E{19, 30}}, {" \t7:00 AM\r\n", E{7, 0}},
        {"0:90", E{0, 90}}, {"25:00", E{25, 0}}, {"$10:$1E", E{16, 30}}, {"7 :30", no},
        {"7:30:15", no}, {"", no}, {"   ", no}, {"noon", no}, {"PM", no}, {"7:", no}, {":30", no},
        {"7:00 AM PM", no}, {"seven", no},
    };
    // clang-format on
    for (const auto &c : cases)
        EXPECT_EQ(parseAlarmEntry(c.text), c.entry) << "text: '" << c.text << "'";
}

TEST(AlarmRules, MinutesTextStopsAtAThousandCharacters) {
    const std::string blanks(999, ' ');
    EXPECT_EQ(parseAlarmEntry("7:" + blanks + "5"), (AlarmEntry{7, 5}));
    EXPECT_EQ(parseAlarmEntry("7:" + blanks + "5x"), (AlarmEntry{7, 5}));
    EXPECT_EQ(parseAlarmEntry("7:" + blanks + "x5"), std::nullopt);
}

TEST(AlarmRules, ArmsForTheNextOccurrence) {
    struct Case {
        const char *what;
        TimeDate now;
        int hours, minutes;
        TimeDate alarmTime;
        int32_t delaySeconds;
        uint32_t intervalMs;
    };
    // clang-format off
    const Case cases[] = {
        {"later today",        {2026, 3, 10, 6, 0, 0, 0},    7, 0,  {2026, 3, 10, 7, 0, 0, 0},  3600,  3600000},
        {"passed today",       {2026, 3, 10, 7, 0, 30, 0},   7, 0,  {2026, 3, 11, 7, 0, 0, 0},  86370, 86370000},
        {"milliseconds ignored", {2026, 3, 10, 6, 59, 30, 250}, 7, 0, {2026, 3, 10, 7, 0, 0, 0}, 30,    30000},
        {"same minute, later", {2026, 3, 10, 7, 0, 0, 1},    7, 0,  {2026, 3, 11, 7, 0, 0, 0},  86400, 86400000},
        {"exactly now",        {2026, 3, 10, 7, 0, 0, 0},    7, 0,  {2026, 3, 10, 7, 0, 0, 0},  0,     1},
        {"0:90 at 00:30",      {2026, 3, 10, 0, 30, 0, 0},   0, 90, {2026, 3, 10, 0, 90, 0, 0}, 3600,  3600000},
        {"0:90 at 01:00",      {2026, 3, 10, 1, 0, 0, 0},    0, 90, {2026, 3, 11, 0, 90, 0, 0}, 88200, 88200000},
        {"past month's end",   {2026, 1, 31, 23, 0, 0, 0},   7, 0,  {2026, 1, 32, 7, 0, 0, 0},  28800, 28800000},
        {"25:00 at 23:30",     {2026, 3, 10, 23, 30, 0, 0}, 25, 0,  {2026, 3, 10, 25, 0, 0, 0}, 5400,  5400000},
        {"25:00 at 06:00",     {2026, 3, 10, 6, 0, 0, 0},   25, 0,  {2026, 3, 10, 25, 0, 0, 0}, 68400, 68400000},
        {"negative hours",     {2026, 3, 10, 6, 0, 0, 0},   -5, 0,  {2026, 3, 11, -5, 0, 0, 0}, 46800, 46800000},
        {"moment already past", {2026, 3, 10, 6, 0, 0, 0},   7, -300, {2026, 3, 10, 7, -300, 0, 0}, -14400, 1},
        {"longest interval",   {2026, 3, 10, 0, 0, 13, 0}, 1193, 3, {2026, 3, 10, 1193, 3, 0, 0}, 4294967, 4294967000u},
        {"beyond the timer",   {2026, 3, 10, 0, 0, 12, 0}, 1193, 3, {2026, 3, 10, 1193, 3, 0, 0}, 4294968, UINT32_MAX},
        {"30000 hours",        {2026, 3, 10, 6, 0, 0, 0}, 30000, 0, {2026, 3, 10, 30000, 0, 0, 0}, 107978400, UINT32_MAX},
        {"16-bit hours",       {2026, 3, 10, 6, 0, 0, 0}, 70000, 0, {2026, 3, 10, 4464, 0, 0, 0}, 16048800, UINT32_MAX},
        // SecondCount reaches 2^31 at year 69, month 0, day 15, 3:14:08.
        {"counts wrap 2^31",   {69, 0, 15, 2, 0, 0, 0},      4, 0,  {69, 0, 15, 4, 0, 0, 0},    7200,  7200000},
    };
    // clang-format on
    for (const auto &c : cases) {
        const AlarmArming arming = alarmArming(c.now, c.hours, c.minutes);
        EXPECT_EQ(arming.alarmTime, c.alarmTime) << c.what;
        EXPECT_EQ(arming.delaySeconds, c.delaySeconds) << c.what;
        EXPECT_EQ(arming.intervalMs, c.intervalMs) << c.what;
    }
}

// The wall clock's fields against the alarm's, on the real calendar: the
// alarm's day may run past the month's end while the clock has moved on.
TEST(AlarmRules, TimeLeftUntilTheWallClockReachesTheAlarm) {
    struct Case {
        const char *what;
        TimeDate now;
        TimeDate alarmTime;
        int64_t ms;
    };
    // clang-format off
    const Case cases[] = {
        {"milliseconds count", {2026, 3, 10, 6, 59, 58, 750}, {2026, 3, 10, 7, 0, 0, 0},   1250},
        {"day 29 of February", {2026, 3, 1, 6, 0, 0, 0},      {2026, 2, 29, 7, 0, 0, 0},   3600000},
        {"leap day 30",        {2028, 3, 1, 6, 0, 0, 0},      {2028, 2, 30, 7, 0, 0, 0},   3600000},
        {"day 32 of December", {2027, 1, 1, 6, 0, 0, 0},      {2026, 12, 32, 7, 0, 0, 0},  3600000},
        {"hour 25",            {2026, 3, 11, 0, 30, 0, 0},    {2026, 3, 10, 25, 0, 0, 0},  1800000},
    };
    // clang-format on
    for (const auto &c : cases)
        EXPECT_EQ(alarmMsLeft(c.now, c.alarmTime), c.ms) << c.what;
}

// The entry as typed decides the form; the armed moment, read on the real
// calendar, decides the day and the time.
TEST(AlarmRules, RingLineSaysWhenTheEntryRingsInItsOwnForm) {
    struct Case {
        TimeDate now;
        std::string entry, line;
    };
    const TimeDate six{2026, 3, 10, 6, 0, 0, 0};
    const Case cases[] = {
        {six, "7:00 AM", "Rings today at 7:00 AM"},
        {{2026, 3, 10, 20, 0, 0, 0}, "19:30", "Rings tomorrow at 19:30"},
        {six, "7", "Rings today at 7:00"},
        {six, "7 pm", "Rings today at 7:00 PM"},
        {six, "12:15 AM", "Rings today at 12:15 PM"},
        {six, "0:05 am", "Rings tomorrow at 12:05 AM"},
        {six, "25:00", "Rings tomorrow at 1:00"},
        {six, "-5:00", "Rings today at 19:00"},
        {six, "100", "Rings in 4 days at 4:00"},
        {{2026, 12, 31, 23, 0, 0, 0}, "7:00 AM", "Rings tomorrow at 7:00 AM"},
    };
    for (const auto &c : cases) {
        const auto entry = parseAlarmEntry(c.entry);
        ASSERT_TRUE(entry) << c.entry;
        const TimeDate alarm = alarmArming(c.now, entry->hours, entry->minutes).alarmTime;
        EXPECT_EQ(ringsLine(ringMoment(c.now, alarm), entryNamesDayHalf(c.entry)), c.line)
            << c.entry;
    }
    EXPECT_EQ(rangLine(ringMoment(six, {2026, 3, 10, 19, 5, 0, 0}), true), "Rang at 7:05 PM");
}

TEST(AlarmRules, SnoozeEndsTenMinutesOnAndSaysWhen) {
    struct Case {
        TimeDate now;
        bool twelveHour;
        std::string status, line;
    };
    const Case cases[] = {
        {{2026, 3, 10, 7, 0, 0, 0}, true, "Snoozed until 7:10 AM", "Rings today at 7:10 AM"},
        {{2026, 3, 10, 11, 55, 30, 0}, true, "Snoozed until 12:05 PM", "Rings today at 12:05 PM"},
        {{2026, 3, 10, 23, 55, 0, 0}, false, "Snoozed until 0:05", "Rings tomorrow at 0:05"},
        {{2026, 12, 31, 23, 59, 59, 500}, false, "Snoozed until 0:09", "Rings tomorrow at 0:09"},
    };
    for (const auto &c : cases) {
        const TimeDate end = snoozeEnd(c.now);
        EXPECT_EQ(alarmMsLeft(c.now, end), SnoozeMs) << c.status;
        const RingMoment at = ringMoment(c.now, end);
        EXPECT_EQ(snoozedText(at, c.twelveHour), c.status);
        EXPECT_EQ(ringsLine(at, c.twelveHour), c.line);
    }
}
