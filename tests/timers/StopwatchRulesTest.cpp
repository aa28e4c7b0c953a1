// SPDX-License-Identifier: MIT
#include "timers/StopwatchRules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

void PrintTo(const StopwatchCount &count, std::ostream *out) {
    *out << count.hours << " h " << count.minutes << " min " << count.seconds << " s "
         << count.tenths << " tenths";
}

TEST(StopwatchRules, TicksCarryIntoSecondsMinutesAndHours) {
    struct Case {
        uint32_t ticks;
        StopwatchCount count;
        const char *text;
    };
    const Case cases[] = {
        {0, {0, 0, 0, 0}, "00:00.0"},
        {1, {0, 0, 0, 1}, "00:00.1"},
        {10, {0, 0, 1, 0}, "00:01.0"},
        {99, {0, 0, 9, 9}, "00:09.9"},
        {600, {0, 1, 0, 0}, "01:00.0"},
        {35999, {0, 59, 59, 9}, "59:59.9"},
        {36000, {1, 0, 0, 0}, "1:00:00.0"},
        {433874, {12, 3, 7, 4}, "12:03:07.4"},
        {3600000, {100, 0, 0, 0}, "100:00:00.0"},
    };
    for (const auto &c : cases) {
        StopwatchCount count;
        for (uint32_t i = 0; i < c.ticks; ++i)
            stopwatchTick(count);
        EXPECT_EQ(count, c.count) << c.ticks << " ticks";
        EXPECT_EQ(stopwatchText(count), c.text) << c.ticks << " ticks";
    }
}

TEST(StopwatchRules, TickAfterFiftyNineMinutesShowsTheHours) {
    StopwatchCount count{0, 59, 59, 9};
    stopwatchTick(count);
    EXPECT_EQ(stopwatchText(count), "1:00:00.0");
    count = {7, 59, 59, 9};
    stopwatchTick(count);
    EXPECT_EQ(stopwatchText(count), "8:00:00.0");
}

TEST(StopwatchRules, TextPadsMinutesAndSecondsOnly) {
    struct Case {
        StopwatchCount count;
        const char *text;
    };
    const Case cases[] = {
        {{0, 10, 5, 3}, "10:05.3"},
        {{0, 5, 10, 0}, "05:10.0"},
        {{3, 0, 0, 9}, "3:00:00.9"},
        {{UINT32_MAX, 59, 59, 9}, "4294967295:59:59.9"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(stopwatchText(c.count), c.text);
}

TEST(StopwatchRules, ClearLandsOnZeroAfterOneTick) {
    StopwatchCount count{3, 25, 41, 7};
    stopwatchClear(count);
    EXPECT_EQ(count, (StopwatchCount{0, 0, 0, UINT32_MAX}));
    stopwatchTick(count);
    EXPECT_EQ(count, (StopwatchCount{}));
    EXPECT_EQ(stopwatchText(count), "00:00.0");
}

TEST(StopwatchRules, LapsCountFromTheLastLap) {
    struct Case {
        std::vector<uint64_t> earlier;
        uint64_t total;
        StopwatchLap lap;
    };
    const Case cases[] = {
        {{}, 53, {1, "00:05.3", "00:05.3"}},       {{53}, 73, {2, "00:02.0", "00:07.3"}},
        {{53, 73}, 73, {3, "00:00.0", "00:07.3"}}, {{10, 600}, 36005, {3, "59:00.5", "1:00:00.5"}},
        {{}, 0, {1, "00:00.0", "00:00.0"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(stopwatchLap(c.earlier, c.total), c.lap) << c.total;
}

TEST(StopwatchRules, LapLinesAreTabSeparated) {
    EXPECT_EQ(stopwatchLapLines({{2, "00:02.0", "00:07.3"}, {1, "00:05.3", "00:05.3"}}),
              "2\t00:02.0\t00:07.3\n1\t00:05.3\t00:05.3\n");
    EXPECT_EQ(stopwatchLapLines({}), "");
}
