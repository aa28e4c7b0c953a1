// SPDX-License-Identifier: MIT
#include "support/MainFormFixture.h"
#include "ui_TMainForm.h"

#include <QTest>

using Stopwatch = MainFormTest;

namespace {
QString shown(TMainForm &w) {
    return w.ui->StopLabel->text();
}
void tick(TMainForm &w, int times) {
    for (int i = 0; i < times; ++i)
        w.SWTimer.fire();
}
} // namespace

TEST_F(Stopwatch, TicksCountTenths) {
    struct Case {
        int ticks;
        const char *text;
        uint32_t hours, minutes, seconds, tenths;
    };
    const Case cases[] = {{1, "00:00.1", 0, 0, 0, 1},       {10, "00:01.0", 0, 0, 1, 0},
                          {99, "00:09.9", 0, 0, 9, 9},      {600, "01:00.0", 0, 1, 0, 0},
                          {36000, "1:00:00.0", 1, 0, 0, 0}, {36001, "1:00:00.1", 1, 0, 0, 1}};
    auto &w = startForm();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        w.ui->Button9->click();
        w.ui->Button8->click();
        tick(w, c.ticks);
        EXPECT_EQ(shown(w), c.text);
        EXPECT_EQ(w.SWHours, c.hours);
        EXPECT_EQ(w.SWMinutes, c.minutes);
        EXPECT_EQ(w.SWSeconds, c.seconds);
        EXPECT_EQ(w.SWTenths, c.tenths);
    }
}

TEST_F(Stopwatch, HoursAppearAfterFiftyNineMinutes) {
    auto &w = startForm();
    w.SWMinutes = 59;
    w.SWSeconds = 59;
    w.SWTenths = 9;
    w.SWTimer.fire();
    EXPECT_EQ(shown(w), "1:00:00.0");
    EXPECT_EQ(w.SWMinutes, 0u);

    w.SWHours = 12;
    w.SWMinutes = 3;
    w.SWSeconds = 7;
    w.SWTenths = 3;
    w.SWTimer.fire();
    EXPECT_EQ(shown(w), "12:03:07.4");
}

TEST_F(Stopwatch, StopKeepsTheTimeAndStartResumes) {
    auto &w = startForm();
    w.ui->Button8->click();
    EXPECT_EQ(w.ui->Button8->text(), "Stop");
    EXPECT_TRUE(w.SWRunning);
    EXPECT_TRUE(w.SWTimer.isArmed());
    EXPECT_EQ(w.SWTimer.interval(), 100u);
    tick(w, 25);

    w.ui->Button8->click();
    EXPECT_EQ(w.ui->Button8->text(), "Start");
    EXPECT_FALSE(w.SWRunning);
    EXPECT_FALSE(w.SWTimer.enabled());
    EXPECT_EQ(shown(w), "00:02.5");

    w.ui->Button8->click();
    EXPECT_TRUE(w.SWTimer.isArmed());
    EXPECT_EQ(shown(w), "00:02.5");
    tick(w, 1);
    EXPECT_EQ(shown(w), "00:02.6");
}

TEST_F(Stopwatch, ClearWhileRunningStopsAtZero) {
    auto &w = startForm();
    w.ui->Button8->click();
    tick(w, 6037);
    ASSERT_EQ(shown(w), "10:03.7");

    w.ui->Button9->click();
    EXPECT_EQ(shown(w), "00:00.0");
    EXPECT_EQ(w.ui->Button8->text(), "Start");
    EXPECT_FALSE(w.SWRunning);
    EXPECT_FALSE(w.SWTimer.enabled());
    EXPECT_EQ(w.SWTenths, 0u);

    w.ui->Button8->click();
    EXPECT_EQ(w.ui->Button8->text(), "Stop");
    tick(w, 1);
    EXPECT_EQ(shown(w), "00:00.1");
}

TEST_F(Stopwatch, RunsOnItsOwnTimer) {
    auto &w = startForm();
    w.ui->Button8->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown(w) != "00:00.0"; }, 2000));
    w.ui->Button8->click();
    EXPECT_FALSE(w.SWTimer.isArmed());
}
