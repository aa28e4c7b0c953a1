// SPDX-License-Identifier: MIT
#include "common/TimeDate.h"

#include <gtest/gtest.h>

TEST(TimeDate, TextForms) {
    EXPECT_EQ(TimeDate().TimeText(), "0:0:0.000");
    EXPECT_EQ(TimeDate().DateText(), "0/0/0");
    EXPECT_EQ(TimeDate(2026, 12, 7, 9, 5, 3, 42).TimeText(), "9:5:3.042");
    EXPECT_EQ(TimeDate(2026, 12, 7, 23, 59, 59, 999).TimeText(), "23:59:59.999");
    EXPECT_EQ(TimeDate(2026, 12, 7, 14, 30, 0, 7).TimeText(), "14:30:0.007");
    EXPECT_EQ(TimeDate(2026, 12, 7, -1, 0, 0, 0).TimeText(), "-1:0:0.000");
    EXPECT_EQ(TimeDate(2026, 12, 7, 0, 0, 0, 0).DateText(), "12/7/2026");
    EXPECT_EQ(TimeDate(2026, 3, 4, 0, 0, 0, 0).DateText(), "3/4/2026");
}

TEST(TimeDate, SecondCountDifferences) {
    EXPECT_EQ(TimeDate().SecondCount(), 0);
    const TimeDate seven(2026, 12, 7, 7, 0, 0, 0);
    const TimeDate before(2026, 12, 7, 6, 59, 30, 0);
    EXPECT_EQ(seven.SecondCount() - before.SecondCount(), 30);
    EXPECT_EQ(TimeDate(2026, 12, 32, 7, 0, 0, 0).SecondCount() -
                  TimeDate(2026, 12, 31, 7, 0, 0, 0).SecondCount(),
              86400);
    // Milliseconds take no part.
    EXPECT_EQ(TimeDate(2026, 1, 1, 0, 0, 0, 1).SecondCount(),
              TimeDate(2026, 1, 1, 0, 0, 0, 999).SecondCount());
    // 2026 wraps past 2^31: the count alone is meaningless, but it is defined.
    const int64_t unwrapped = ((((2026LL * 12 + 12) * 30 + 7) * 24 + 7) * 60) * 60;
    EXPECT_EQ(seven.SecondCount(), static_cast<int32_t>(static_cast<uint32_t>(unwrapped)));
}

TEST(TimeDate, IsBefore) {
    const TimeDate a(2026, 5, 5, 10, 0, 0, 0);
    EXPECT_FALSE(a.IsBefore(a));
    const TimeDate aLater(2026, 5, 5, 10, 0, 0, 1);
    EXPECT_TRUE(a.IsBefore(aLater));
    EXPECT_FALSE(aLater.IsBefore(a));
    const TimeDate newYear(2026, 1, 1, 0, 0, 0, 0);
    const TimeDate oldYearsEve(2025, 12, 31, 23, 59, 0, 0);
    EXPECT_FALSE(newYear.IsBefore(oldYearsEve));
    EXPECT_TRUE(oldYearsEve.IsBefore(newYear));
    // Fields compare signed.
    EXPECT_TRUE(TimeDate(2026, 1, 1, -1, 0, 0, 0).IsBefore(TimeDate(2026, 1, 1, 0, 0, 0, 0)));
}

TEST(TimeDate, SetNowReadsTheClockSource) {
    TimeDate::setClockSource([] { return TimeDate(2030, 2, 3, 4, 5, 6, 7); });
    TimeDate now;
    now.SetNow();
    EXPECT_EQ(now, TimeDate(2030, 2, 3, 4, 5, 6, 7));
    TimeDate::setClockSource({});
    now.SetNow();
    EXPECT_GE(now.Year(), 2024);
    EXPECT_GE(now.Month(), 1);
    EXPECT_LE(now.Month(), 12);
}
