// SPDX-License-Identifier: MIT
#include "platform/BootClock.h"
#include "platform/ClockWatch.h"
#include "support/MainFormFixture.h"
#include "ui_TMainForm.h"

#include <QTest>

namespace {
// The main window with a boot clock that the test moves: time that passes
// while the machine sleeps shows on it and not on the monotonic clock.
class Countdown : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        setBootClockSource([this] { return boot; });
    }
    void TearDown() override {
        MainFormTest::TearDown();
        setBootClockSource({});
    }
    int64_t boot = 1000000;
};
} // namespace

namespace {
QString secondLabel(TMainForm &w) {
    return w.ui->SecondLabel->text();
}
QString shortLabel(TMainForm &w) {
    return w.ui->ShortLabel->text();
}
} // namespace

TEST_F(Countdown, SpecifyStartsTheTypedDuration) {
    auto &w = startForm();
    struct Case {
        const char *entry;
        int seconds;
    };
    const Case cases[] = {{"0:30", 30},  {"  2:05 ", 125}, {"1 30", 90}, {"1.5", 65},
                          {"1: 30", 90}, {"7", 420},       {"1:75", 135}};
    for (const auto &c : cases) {
        w.ui->Edit2->setText(c.entry);
        w.ui->Button7->click();
        EXPECT_EQ(secondLabel(w), QString::number(c.seconds)) << c.entry;
        EXPECT_EQ(w.SecondsLeft, c.seconds) << c.entry;
        EXPECT_EQ(w.ShortTimer.interval(), static_cast<uint32_t>(c.seconds) * 1000) << c.entry;
        EXPECT_TRUE(w.ShortTimer.isArmed());
        EXPECT_TRUE(w.SecondsTimer.isArmed());
        EXPECT_EQ(shortLabel(w), "Counting...");
        EXPECT_EQ(w.ui->Edit2->text(), c.entry); // the entry is never rewritten
    }
}

TEST_F(Countdown, InvalidEntryLeavesARunningCountdownAlone) {
    auto &w = startForm();
    w.ui->Button3->click();
    w.SecondsDisplay();
    messages.messages.clear();
    for (const char *entry : {":30", "5:", "a:10", "1 :30", "1:2:3", "abc", ""}) {
        w.ui->Edit2->setText(entry);
        w.ui->Button7->click();
    }
    ASSERT_EQ(messages.messages.size(), 7u);
    for (const auto &message : messages.messages) {
        EXPECT_EQ(message.text, "Invalid time entered");
        EXPECT_EQ(message.caption, "Invalid entry.");
    }
    EXPECT_EQ(w.SecondsLeft, 179);
    EXPECT_EQ(secondLabel(w), " 2 min 59 sec ");
    EXPECT_EQ(w.ShortTimer.interval(), 180000u);
    EXPECT_TRUE(w.ShortTimer.isArmed());
    EXPECT_EQ(shortLabel(w), "Counting...");
}

TEST_F(Countdown, PresetsAndTheTimeLeft) {
    auto &w = startForm();
    const std::pair<QPushButton *, int> presets[] = {{w.ui->Button1, 20},
                                                     {w.ui->Button2, 90},
                                                     {w.ui->Button3, 180},
                                                     {w.ui->Button4, 240},
                                                     {w.ui->Button10, 600}};
    for (const auto &[button, seconds] : presets) {
        button->click();
        EXPECT_EQ(secondLabel(w), QString::number(seconds));
        EXPECT_EQ(w.ShortTimer.interval(), static_cast<uint32_t>(seconds) * 1000);
    }
    w.ui->Button2->click();
    w.SecondsTimer.fire();
    EXPECT_EQ(secondLabel(w), " 1 min 29 sec ");
    for (int i = 0; i < 29; ++i)
        w.SecondsTimer.fire();
    EXPECT_EQ(secondLabel(w), " 1 min 0 sec ");
    w.SecondsTimer.fire();
    EXPECT_EQ(secondLabel(w), " 59 sec ");
}

TEST_F(Countdown, PresetPressedAgainRestartsTheEnd) {
    auto &w = startForm();
    w.ui->Button10->click();
    boot += 150;
    EXPECT_EQ(w.ShortTimer.remaining(), 599850);
    w.ui->Button1->click(); // replaces the ten minutes
    EXPECT_EQ(w.ShortTimer.remaining(), 20000);
    EXPECT_EQ(w.ShortTimer.interval(), 20000u);
    boot += 150;
    w.ui->Button1->click(); // the same interval still counts from the new press
    EXPECT_EQ(w.ShortTimer.remaining(), 20000);
}

// Ten minutes with a sleep of five in the middle and one of twenty at the end.
TEST_F(Countdown, TimeAsleepCounts) {
    auto &w = startForm();
    w.ui->Button10->click();
    EXPECT_LE(w.ShortTimer.nextLook(), 1000) << "a sleep would go unnoticed";
    w.SecondsTimer.fire();
    EXPECT_EQ(secondLabel(w), " 9 min 59 sec ");
    boot += 5 * 60 * 1000 + 3; // the next tick comes a little late
    w.SecondsTimer.fire();
    EXPECT_EQ(secondLabel(w), " 5 min 0 sec ");
    w.ShortTimer.check();
    EXPECT_EQ(shortLabel(w), "Counting...");

    boot += 20 * 60 * 1000;
    messages.messages.clear();
    emit ClockWatch::instance().clockChanged(); // woken up: it is over
    EXPECT_EQ(messages.messages.size(), 1u);    // no timer sound set
    EXPECT_EQ(shortLabel(w), "Done");
    EXPECT_EQ(secondLabel(w), "0");
    EXPECT_FALSE(w.SecondsTimer.enabled());
}

TEST_F(Countdown, EndShowsDoneThenBlanks) {
    auto &w = startForm();
    w.ui->Button1->click();
    messages.messages.clear();
    w.ShortTimer.fire(); // no timer sound set: the open fails
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Error");
    EXPECT_EQ(messages.messages[0].text, w.MediaPlayer1.ErrorMessage());
    EXPECT_EQ(shortLabel(w), "Done");
    EXPECT_EQ(secondLabel(w), "0");
    EXPECT_FALSE(w.ShortTimer.enabled());
    EXPECT_FALSE(w.SecondsTimer.enabled());
    EXPECT_TRUE(w.ClearTimer.isArmed());

    // A preset within the five seconds cancels the blanking.
    w.ui->Button1->click();
    EXPECT_FALSE(w.ClearTimer.enabled());
    w.ShortTimer.fire();
    w.ClearTimer.fire();
    EXPECT_EQ(shortLabel(w), " ");
    EXPECT_EQ(secondLabel(w), " ");
    EXPECT_FALSE(w.ClearTimer.enabled());
}

TEST_F(Countdown, DisplayCountsBelowZeroWhileTheEndMessageWaits) {
    auto &w = startForm();
    w.ui->Edit2->setText("0:01");
    w.ui->Button7->click();
    QString duringBox;
    messages.whileOpen = [&](const RecordedMessage &) {
        EXPECT_TRUE(w.SecondsTimer.isArmed());
        for (int i = 0; i < 3; ++i)
            w.SecondsTimer.fire();
        duringBox = secondLabel(w);
    };
    w.ShortTimer.fire();
    EXPECT_EQ(duringBox, " -2 sec ");
    EXPECT_EQ(secondLabel(w), "0");
    EXPECT_EQ(shortLabel(w), "Done");
    EXPECT_FALSE(w.SecondsTimer.isArmed());
}

TEST_F(Countdown, ZeroAndNegativeDurationsNeverEnd) {
    auto &w = startForm();
    for (const char *entry : {"0:00", "-2", "99999999:0"}) {
        w.ui->Edit2->setText(entry);
        w.ui->Button7->click();
        EXPECT_TRUE(w.ShortTimer.enabled()) << entry;
        EXPECT_FALSE(w.ShortTimer.isArmed()) << entry;
        EXPECT_TRUE(w.SecondsTimer.isArmed()) << entry;
        EXPECT_EQ(shortLabel(w), "Counting...");
    }
    w.ui->Edit2->setText("0:00");
    w.ui->Button7->click();
    for (int i = 0; i < 59; ++i)
        w.SecondsTimer.fire();
    EXPECT_EQ(secondLabel(w), " -59 sec ");
    w.SecondsTimer.fire();
    EXPECT_EQ(secondLabel(w), " 0 sec ");
    w.SecondsTimer.fire();
    EXPECT_EQ(secondLabel(w), " -1 sec ");
}
