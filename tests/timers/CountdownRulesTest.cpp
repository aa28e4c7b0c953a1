// SPDX-License-Identifier: MIT
#include "timers/CountdownRules.h"

#include <gtest/gtest.h>

#include <optional>

TEST(CountdownRules, TypedDurations) {
    struct Case {
        const char *text;
        std::optional<int64_t> seconds;
    };
    const Case cases[] = {
        {"0:30", 30},
        {"  2:05  ", 125},
        {"1 30", 90},
        {"1.5", 65},
        {"1: 30", 90},
        {"1:75", 135},
        {"2:-30", 90},
        {"5", 300},
        {"7", 420},
        {"0:00", 0},
        {"-2", -120},
        {"1:$10", 76},
        {"1 2.5", std::nullopt},
        {"1:2 3", std::nullopt}, // a ":" wins over blanks and points
        {":30", std::nullopt},
        {"5:", std::nullopt},
        {"a:10", std::nullopt},
        {"1 :30", std::nullopt},
        {"1:2:3", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"1.5.", std::nullopt},
        {"35791394:0", int64_t{35791394} * 60}, // beyond a 32-bit count of seconds
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseCountdownEntry(c.text), c.seconds) << "entry: '" << c.text << "'";
}

TEST(CountdownRules, TimeLeftText) {
    EXPECT_EQ(countdownText(89), " 1 min 29 sec ");
    EXPECT_EQ(countdownText(60), " 1 min 0 sec ");
    EXPECT_EQ(countdownText(59), " 59 sec ");
    EXPECT_EQ(countdownText(0), " 0 sec ");
    EXPECT_EQ(countdownText(-1), " -1 sec ");
    EXPECT_EQ(countdownText(-59), " -59 sec ");
    EXPECT_EQ(countdownText(-60), " 0 sec ");
    EXPECT_EQ(countdownText(-61), " -1 sec ");
    EXPECT_EQ(countdownText(600), " 10 min 0 sec ");
}

TEST(CountdownRules, EndTimerInterval) {
    EXPECT_EQ(countdownInterval(20), 20000u);
    EXPECT_EQ(countdownInterval(0), 0u);
    EXPECT_EQ(countdownInterval(-120), 0u);
    EXPECT_EQ(countdownInterval(4294967), 4294967000u);
    EXPECT_EQ(countdownInterval(4294968), 0u);
    EXPECT_EQ(countdownInterval(int64_t{1} << 40), 0u);
}

TEST(CountdownRules, SecondsKeptByAPause) {
    struct Case {
        int32_t shown;
        std::optional<int64_t> msToEnd;
        int32_t kept;
    };
    const Case cases[] = {
        {13, 12600, 13},        // between two display ticks: what the label shows
        {13, 13000, 13},        // right at a tick
        {12, 12003, 12},        // the tick came a little early: not one more
        {20, 19999, 20},        // paused within the first second
        {300, 60400, 61},       // after a sleep the end decides
        {1, 300, 1},            // less than a second left: still one
        {1, 0, 1},              // the end is due but not yet handled
        {-7, std::nullopt, -7}, // a countdown without an end keeps its count
        {0, std::nullopt, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(countdownPausedCount(c.shown, c.msToEnd), c.kept)
            << c.shown << " shown, " << c.msToEnd.value_or(-1) << " ms to the end";
}
