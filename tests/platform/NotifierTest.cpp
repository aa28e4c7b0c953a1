// SPDX-License-Identifier: MIT
#include "platform/Notifier.h"

#include <gtest/gtest.h>

TEST(AlarmNoticeBody, NamesTheTimeAsTheEntryHadIt) {
    const struct {
        const char *entry, *body;
    } cases[] = {
        {"7:00 AM", "Alarm: 7:00 AM"},
        {"19:30", "Alarm: 19:30"},
        {"  7:5 pm\t", "Alarm: 7:5 pm"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(alarmNoticeBody(c.entry), c.body) << c.entry;
}
