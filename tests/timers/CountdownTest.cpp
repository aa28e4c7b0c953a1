// SPDX-License-Identifier: MIT
#include "platform/BootClock.h"
#include "platform/ClockWatch.h"
#include "platform/MediaPlayer.h"
#include "support/MainFormFixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <fstream>

namespace {
// The Timer tab of a main window with a boot clock that the test moves: time
// that passes while the machine sleeps shows on it and not on the monotonic
// clock. No timer sound is set unless a test sets one.
class CountdownTab : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        setBootClockSource([this] { return boot; });
    }
    void TearDown() override {
        MainFormTest::TearDown();
        setBootClockSource({});
    }

    void openTimerTab() {
        startForm();
        openTab("TabSheet1");
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        messages.messages.clear();
    }
    void click(const char *button) {
        QTest::mouseClick(widget<QPushButton>(button), Qt::LeftButton);
    }
    // Clicks the entry and types over its text; Enter presses "Specify".
    void type(const QString &text, bool enter = false) {
        QTest::mouseClick(widget<QLineEdit>("Edit2"), Qt::LeftButton);
        QWidget *focused = QApplication::focusWidget();
        ASSERT_EQ(focused, widget<QLineEdit>("Edit2"));
        QTest::keyClick(focused, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(focused, Qt::Key_Backspace);
        QTest::keyClicks(focused, text);
        if (enter)
            QTest::keyClick(focused, Qt::Key_Return);
        else
            click("Button7");
    }
    QString text(const char *name) { return widget<QLabel>(name)->text(); }
    QString timeLeft() { return text("SecondLabel"); }
    QString state() { return text("ShortLabel"); }

    int64_t boot = 1000000;
};
} // namespace

TEST_F(CountdownTab, TypedEntryStartsAndABadOneLeavesItRunning) {
    openTimerTab();
    EXPECT_EQ(widget<QLineEdit>("Edit2")->text(), "0:30");
    click("Button7");
    EXPECT_EQ(timeLeft(), "30");

    type("  2:05 ", true);
    EXPECT_EQ(timeLeft(), "125");
    EXPECT_EQ(state(), "Counting...");
    EXPECT_EQ(timer("ShortTimer").interval(), 125000u);
    EXPECT_TRUE(timer("ShortTimer").isArmed());
    EXPECT_TRUE(timer("SecondsTimer").isArmed());
    EXPECT_EQ(widget<QLineEdit>("Edit2")->text(), "  2:05 "); // never rewritten
    timer("SecondsTimer").fire();
    EXPECT_EQ(timeLeft(), " 2 min 4 sec ");

    for (const char *entry : {":30", "1:2:3", ""})
        type(entry);
    ASSERT_EQ(messages.messages.size(), 3u);
    for (const auto &message : messages.messages) {
        EXPECT_EQ(message.text, "Invalid time entered");
        EXPECT_EQ(message.caption, "Invalid entry.");
    }
    EXPECT_EQ(state(), "Counting...");
    EXPECT_EQ(timer("ShortTimer").interval(), 125000u);
    EXPECT_TRUE(timer("ShortTimer").isArmed());
    timer("SecondsTimer").fire(); // the count went on from where it was
    EXPECT_EQ(timeLeft(), " 2 min 3 sec ");
}

TEST_F(CountdownTab, PresetsStartAndRestartTheEnd) {
    openTimerTab();
    const std::pair<const char *, int> presets[] = {
        {"Button1", 20}, {"Button2", 90}, {"Button3", 180}, {"Button4", 240}, {"Button10", 600}};
    for (const auto &[button, seconds] : presets) {
        click(button);
        EXPECT_EQ(timeLeft(), QString::number(seconds)) << button;
        EXPECT_EQ(timer("ShortTimer").interval(), static_cast<uint32_t>(seconds) * 1000) << button;
    }
    boot += 150;
    EXPECT_EQ(timer("ShortTimer").remaining(), 599850);
    click("Button1"); // replaces the ten minutes
    EXPECT_EQ(timer("ShortTimer").remaining(), 20000);
    boot += 150;
    click("Button1"); // the same interval still counts from the new press
    EXPECT_EQ(timer("ShortTimer").remaining(), 20000);
}

// Ten minutes with a sleep of five in the middle and one of twenty at the end.
TEST_F(CountdownTab, TimeAsleepCounts) {
    openTimerTab();
    click("Button10");
    EXPECT_LE(timer("ShortTimer").nextLook(), 1000) << "a sleep would go unnoticed";
    timer("SecondsTimer").fire();
    EXPECT_EQ(timeLeft(), " 9 min 59 sec ");
    boot += 5 * 60 * 1000 + 3; // the next tick comes a little late
    timer("SecondsTimer").fire();
    EXPECT_EQ(timeLeft(), " 5 min 0 sec ");
    timer("ShortTimer").check();
    EXPECT_EQ(state(), "Counting...");

    boot += 20 * 60 * 1000;
    emit ClockWatch::instance().clockChanged(); // woken up: it is over
    EXPECT_EQ(messages.messages.size(), 1u);    // no timer sound set
    EXPECT_EQ(state(), "Done");
    EXPECT_EQ(timeLeft(), "0");
    EXPECT_FALSE(timer("SecondsTimer").enabled());
}

TEST_F(CountdownTab, EndShowsDoneThenBlanks) {
    openTimerTab();
    click("Button1");
    timer("ShortTimer").fire(); // no timer sound set: the open fails
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Error");
    EXPECT_EQ(messages.messages[0].text, MediaPlayer::errorText(MediaPlayer::NoFileName));
    EXPECT_EQ(state(), "Done");
    EXPECT_EQ(timeLeft(), "0");
    EXPECT_FALSE(timer("ShortTimer").enabled());
    EXPECT_FALSE(timer("SecondsTimer").enabled());
    EXPECT_TRUE(timer("ClearTimer").isArmed());

    // A preset within the five seconds cancels the blanking.
    click("Button1");
    EXPECT_FALSE(timer("ClearTimer").enabled());
    timer("ShortTimer").fire();
    timer("ClearTimer").fire();
    EXPECT_EQ(state(), " ");
    EXPECT_EQ(timeLeft(), " ");
    EXPECT_FALSE(timer("ClearTimer").enabled());
}

TEST_F(CountdownTab, DisplayCountsBelowZeroWhileTheEndMessageWaits) {
    openTimerTab();
    type("0:01");
    QString duringBox;
    messages.whileOpen = [&](const RecordedMessage &) {
        EXPECT_TRUE(timer("SecondsTimer").isArmed());
        for (int i = 0; i < 3; ++i)
            timer("SecondsTimer").fire();
        duringBox = timeLeft();
    };
    timer("ShortTimer").fire();
    EXPECT_EQ(duringBox, " -2 sec ");
    EXPECT_EQ(timeLeft(), "0");
    EXPECT_EQ(state(), "Done");
    EXPECT_FALSE(timer("SecondsTimer").isArmed());
}

TEST_F(CountdownTab, ZeroAndNegativeDurationsNeverEnd) {
    openTimerTab();
    for (const char *entry : {"-2", "99999999:0", "0:00"}) {
        type(entry);
        EXPECT_TRUE(timer("ShortTimer").enabled()) << entry;
        EXPECT_FALSE(timer("ShortTimer").isArmed()) << entry;
        EXPECT_TRUE(timer("SecondsTimer").isArmed()) << entry;
        EXPECT_EQ(state(), "Counting...") << entry;
    }
    for (int i = 0; i < 59; ++i)
        timer("SecondsTimer").fire();
    EXPECT_EQ(timeLeft(), " -59 sec ");
    timer("SecondsTimer").fire();
    EXPECT_EQ(timeLeft(), " 0 sec ");
    timer("SecondsTimer").fire();
    EXPECT_EQ(timeLeft(), " -1 sec ");
}

// A countdown from the command line runs, ends and plays with the clock tab
// shown; the Timer tab opened afterwards shows where it is.
TEST_F(CountdownTab, RunsAndEndsWithItsPageNeverShown) {
    std::ofstream(config.filePath("chimeral.ini").toStdString(), std::ios::binary)
        << "TIMERSOUND=" << cwd.file("timer.wav") << "\r\n";
    writeFile(cwd.file("timer.wav"), sineWave(0.5));
    auto &w = startForm();
    w.startCountdown("1:30");
    timer("SecondsTimer").fire();
    EXPECT_EQ(widget<QLabel>("SecondLabel"), nullptr) << "the page was built";
    EXPECT_EQ(timer("ShortTimer").interval(), 90000u);
    expectHeard([&] { timer("ShortTimer").fire(); });

    openTab("TabSheet1");
    EXPECT_EQ(widget<QLineEdit>("Edit2")->text(), "1:30");
    EXPECT_EQ(state(), "Done");
    EXPECT_EQ(timeLeft(), "0");
    timer("ClearTimer").fire();
    EXPECT_EQ(state(), " ");
}
