// SPDX-License-Identifier: MIT
#include "timers/Countdown.h"
#include "platform/BootClock.h"
#include "platform/ClockWatch.h"
#include "platform/MediaPlayer.h"
#include "support/MainFormFixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

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
    // Clicks the entry, types over its text and presses "Specify".
    void type(const QString &text) {
        QTest::mouseClick(widget<QLineEdit>("Edit2"), Qt::LeftButton);
        ASSERT_EQ(QApplication::focusWidget(), widget<QLineEdit>("Edit2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), text);
        click("Button7");
    }
    QString timeLeft() { return widget<QLabel>("SecondLabel")->text(); }
    QString state() { return widget<QLabel>("ShortLabel")->text(); }
    QPushButton *pauseButton() { return widget<QPushButton>("PauseButton"); }
    QPushButton *cancelButton() { return widget<QPushButton>("CancelButton"); }
    // Whether any of the tab's three timers would wake the program.
    bool anyTimerArmed() {
        return timer("ShortTimer").isArmed() || timer("SecondsTimer").isArmed() ||
               timer("ClearTimer").isArmed();
    }

    int64_t boot = 1000000;
};
} // namespace

TEST_F(CountdownTab, TypedEntryStartsAndABadOneLeavesItRunning) {
    openTimerTab();
    type("  2:05 ");
    EXPECT_EQ(timeLeft(), "125");
    EXPECT_EQ(state(), "Counting...");
    EXPECT_TRUE(timer("ShortTimer").isArmed());
    EXPECT_EQ(widget<QLineEdit>("Edit2")->text(), "  2:05 "); // never rewritten
    timer("SecondsTimer").fire();
    EXPECT_EQ(timeLeft(), " 2 min 4 sec ");

    type("1:2:3");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Invalid time entered"});
    EXPECT_EQ(messages.messages[0].caption, "Invalid entry.");
    EXPECT_EQ(state(), "Counting...");
    timer("SecondsTimer").fire(); // the count went on from where it was
    EXPECT_EQ(timeLeft(), " 2 min 3 sec ");
}

// Each preset starts its count; pressed again, the same interval counts from
// the new press.
TEST_F(CountdownTab, PresetsStartAndRestartTheEnd) {
    openTimerTab();
    const std::pair<const char *, int> presets[] = {
        {"Button10", 600}, {"Button2", 90}, {"Button3", 180}, {"Button4", 240}, {"Button1", 20}};
    for (const auto &[button, seconds] : presets) {
        click(button);
        EXPECT_EQ(timeLeft(), QString::number(seconds)) << button;
    }
    boot += 150;
    click("Button1");
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
}

// The end with no timer sound set: the open fails, and the display counts on
// below zero while that message waits. "Done" blanks five seconds later,
// unless a preset starts a count meanwhile.
TEST_F(CountdownTab, EndShowsDoneThenBlanks) {
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
    messages.whileOpen = {};
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{MediaPlayer::errorText(MediaPlayer::NoFileName)});
    EXPECT_EQ(duringBox, " -2 sec ");
    EXPECT_EQ(state(), "Done");
    EXPECT_EQ(timeLeft(), "0");
    EXPECT_FALSE(timer("SecondsTimer").isArmed());
    EXPECT_TRUE(timer("ClearTimer").isArmed());

    click("Button1");
    EXPECT_FALSE(timer("ClearTimer").enabled());
    timer("ShortTimer").fire();
    timer("ClearTimer").fire();
    EXPECT_EQ(state(), " ");
    EXPECT_EQ(timeLeft(), " ");
}

TEST_F(CountdownTab, ZeroAndNegativeDurationsNeverEnd) {
    openTimerTab();
    for (const char *entry : {"-2", "99999999:0", "0:00"}) {
        type(entry);
        EXPECT_FALSE(timer("ShortTimer").isArmed()) << entry;
        EXPECT_TRUE(timer("SecondsTimer").isArmed()) << entry;
    }
    timer("SecondsTimer").fire();
    EXPECT_EQ(timeLeft(), " -1 sec ");
}

// A countdown from the command line runs, ends and plays with the clock tab
// shown; the Timer tab opened afterwards shows where it is.
TEST_F(CountdownTab, RunsAndEndsWithItsPageNeverShown) {
    writeOptions("", cwd.file("timer.wav"));
    writeFile(cwd.file("timer.wav"), sineWave(0.5));
    auto &w = startForm();
    w.startCountdown("1:30");
    timer("SecondsTimer").fire();
    EXPECT_EQ(widget<QLabel>("SecondLabel"), nullptr) << "the page was built";
    expectHeard([&] { timer("ShortTimer").fire(); });

    openTab("TabSheet1");
    EXPECT_EQ(widget<QLineEdit>("Edit2")->text(), "1:30");
    EXPECT_EQ(state(), "Done");
    EXPECT_EQ(timeLeft(), "0");
}

// Paused, the seconds left stay on the label and nothing ticks, however long
// the pause; resumed, the end comes that many seconds later on the boot clock.
TEST_F(CountdownTab, PauseKeepsTheSecondsLeftAndResumeEndsThatMuchLater) {
    openTimerTab();
    click("Button1");
    auto *countdown = form->findChild<Countdown *>();
    QSignalSpy changes(countdown, &Countdown::statusChanged);
    for (int i = 0; i < 7; ++i) {
        boot += 1000;
        timer("SecondsTimer").fire();
    }
    boot += 400;
    click("PauseButton");
    EXPECT_EQ(state(), "Paused");
    EXPECT_EQ(timeLeft(), " 13 sec ");
    EXPECT_EQ(pauseButton()->text(), "Resume");
    EXPECT_FALSE(anyTimerArmed());
    EXPECT_EQ(countdown->state(), Countdown::State::Paused);
    EXPECT_EQ(countdown->secondsLeft(), 13);
    EXPECT_EQ(changes.size(), 8);

    boot += 3600 * 1000;
    click("PauseButton");
    EXPECT_EQ(state(), "Counting...");
    EXPECT_EQ(pauseButton()->text(), "Pause");
    EXPECT_EQ(countdown->state(), Countdown::State::Counting);
    boot += 12999;
    timer("ShortTimer").check();
    EXPECT_EQ(state(), "Counting...");
    boot += 1;
    timer("ShortTimer").check();
    EXPECT_EQ(state(), "Done");
    EXPECT_FALSE(pauseButton()->isEnabled());
    EXPECT_FALSE(cancelButton()->isEnabled());
}

// Cancel ends at once: no sound and no notice, both labels blank, nothing
// left to tick, Pause and Cancel disabled as before the start.
TEST_F(CountdownTab, CancelEndsWithoutASound) {
    writeOptions("", cwd.file("timer.wav"));
    writeFile(cwd.file("timer.wav"), sineWave(0.5));
    openTimerTab();
    EXPECT_FALSE(pauseButton()->isEnabled());
    EXPECT_FALSE(cancelButton()->isEnabled());
    click("Button3");
    EXPECT_TRUE(cancelButton()->isEnabled());
    click("PauseButton");
    click("CancelButton");
    EXPECT_EQ(state(), " ");
    EXPECT_EQ(timeLeft(), " ");
    EXPECT_FALSE(anyTimerArmed());
    EXPECT_FALSE(pauseButton()->isEnabled());
    EXPECT_EQ(pauseButton()->text(), "Pause");
    EXPECT_FALSE(cancelButton()->isEnabled());
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(diskAudioSamples(cwd.file("audio.raw")).empty());
}

// A preset while paused drops the pause and starts its own count.
TEST_F(CountdownTab, PresetWhilePausedStartsAfresh) {
    openTimerTab();
    click("Button10");
    click("PauseButton");
    boot += 5000;
    click("Button1");
    EXPECT_EQ(state(), "Counting...");
    EXPECT_EQ(timeLeft(), "20");
    EXPECT_EQ(timer("ShortTimer").remaining(), 20000);
    EXPECT_TRUE(timer("SecondsTimer").isArmed());
    EXPECT_EQ(pauseButton()->text(), "Pause");
}

// Tab goes through the page as it is laid out, left to right and top to
// bottom, on to Pause and Cancel; Enter presses the button that has the focus.
TEST_F(CountdownTab, KeyboardReachesAndPressesPauseAndCancel) {
    openTimerTab();
    click("Button1");
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order, (QStringList{"Button1", "Button3", "Button10", "Button2", "Button4", "Button7",
                                  "Edit2", "PauseButton", "CancelButton"}));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), pauseButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(state(), "Paused");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), cancelButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(state(), " ");
}
