// SPDX-License-Identifier: MIT
#include "platform/ClockWatch.h"
#include "platform/MediaPlayer.h"
#include "support/MainFormFixture.h"
#include "support/SoundFiles.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace {
// The Alarm tab of a main window with a clock the test sets.
class AlarmTab : public SetClockMainFormTest {
protected:
    AlarmTab() { now = {2026, 3, 10, 6, 0, 0, 0}; }

    // Opens a tab, the Alarm tab unless told, in the active window, cleared
    // of the start-up warnings.
    void showActive(const char *tab = "TabSheet2") {
        if (!form)
            startForm();
        openTab(tab);
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        messages.messages.clear();
    }
    // At the given moment, clicks the entry, types over its text and presses
    // "Set Alarm".
    void arm(const TimeDate &at, const QString &entry) {
        now = at;
        QTest::mouseClick(widget<QLineEdit>("Edit1"), Qt::LeftButton);
        ASSERT_EQ(QApplication::focusWidget(), widget<QLineEdit>("Edit1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), entry);
        QTest::mouseClick(widget<QPushButton>("Button5"), Qt::LeftButton);
    }
    QString label() { return widget<QLabel>("AlarmLabel")->text(); }
    IntervalTimer &alarm() { return timer("AlarmTimer"); }
};
} // namespace

// Arming 7:00 at 06:00 and then 7:01 at 06:01 gives the same delay twice; the
// second must still count from its own moment. The time left is read from the
// wall clock and the alarm's own time, so it shows which day it was set for.
TEST_F(AlarmTab, ArmingReplacesThePendingAlarmWithTheNextOccurrence) {
    showActive();
    arm({2026, 3, 10, 6, 0, 0, 0}, "7:00");
    arm({2026, 3, 10, 6, 1, 0, 0}, "7:01");
    EXPECT_EQ(alarm().remaining(), 3600000);
    now = {2026, 3, 10, 7, 0, 30, 0};
    alarm().check();
    EXPECT_EQ(label(), "Activated...") << "the first alarm rang";
    EXPECT_EQ(alarm().remaining(), 30000);

    arm(now, "7:00"); // passed today: tomorrow
    EXPECT_EQ(alarm().interval(), 86370000u);
    EXPECT_EQ(alarm().remaining(), 86370000);
    EXPECT_EQ(label(), "Activated...");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(AlarmTab, AnInvalidEntryLeavesThePendingAlarmAlone) {
    showActive();
    arm({2026, 3, 10, 6, 0, 0, 0}, "7:00 AM");
    arm({2026, 3, 10, 6, 30, 0, 0}, "7:30:15");
    EXPECT_EQ(label(), "Activated...");
    EXPECT_EQ(alarm().remaining(), 1800000) << "still for 7:00";
    ASSERT_EQ(messages.texts(), std::vector<std::string>{"Invalid time entered"});
    EXPECT_EQ(messages.messages[0].caption, "Invalid entry.");
    EXPECT_EQ(messages.messages[0].kind, MessageKind::Plain);
}

TEST_F(AlarmTab, SpeakersAreUnmutedOnEveryPressEvenWithoutASoundCard) {
    showActive();
    mixer.devices[0].lines[0].muted = true;
    arm(now, "7:00");
    EXPECT_FALSE(mixer.devices[0].lines[0].muted);
    EXPECT_EQ(mixer.devices[0].opened, 1);
    arm(now, "noon");
    EXPECT_EQ(mixer.devices[0].opened, 2);

    FakeMixerSystem none;
    setSystemMixer(&none);
    messages.messages.clear();
    arm(now, "8:00 AM");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Could not unmute speakers"});
    EXPECT_TRUE(alarm().isArmed());
    EXPECT_EQ(label(), "Activated...");
    setSystemMixer(&mixer);
}

TEST_F(AlarmTab, FiringPlaysTheAlarmSoundAndDisarms) {
    writeOptions(cwd.file("alarm.wav"), "");
    writeFile(cwd.file("alarm.wav"), sineWave(0.5));
    showActive();
    arm(now, "7:00");
    const int unmutes = mixer.devices[0].opened;

    expectHeard([&] { alarm().fire(); });
    EXPECT_EQ(mixer.devices[0].opened, unmutes + 1);
    EXPECT_EQ(label(), " ");
    EXPECT_FALSE(alarm().enabled());
}

// The alarm is not lost when its sound cannot be opened: the error is shown
// and the next period tries again.
TEST_F(AlarmTab, FiringWithAMissingSoundShowsTheErrorAndStaysArmed) {
    writeOptions(cwd.file("missing.wav"), "");
    showActive();
    arm(now, "7:00");
    const int unmutes = mixer.devices[0].opened;

    alarm().fire();
    ASSERT_EQ(messages.texts(),
              std::vector<std::string>{MediaPlayer::errorText(MediaPlayer::FileNotFound)});
    EXPECT_EQ(messages.messages[0].kind, MessageKind::Exception);
    EXPECT_EQ(messages.messages[0].caption, "Timer and Alarm Clock");
    EXPECT_EQ(mixer.devices[0].opened, unmutes); // nothing after the open ran
    EXPECT_EQ(label(), "Activated...");
    EXPECT_TRUE(alarm().isArmed());
}

// An alarm from the command line rings while the clock tab is shown; the
// Alarm tab opened afterwards shows it done.
TEST_F(AlarmTab, RingsWithItsPageNeverShown) {
    writeOptions(cwd.file("alarm.wav"), "");
    writeFile(cwd.file("alarm.wav"), sineWave(0.5));
    auto &w = startForm();
    w.setAlarm("7:00");
    EXPECT_EQ(widget<QLabel>("AlarmLabel"), nullptr) << "the page was built";
    now = {2026, 3, 10, 7, 0, 0, 0};
    expectHeard([&] { emit ClockWatch::instance().clockChanged(); });
    EXPECT_FALSE(alarm().enabled());

    openTab("TabSheet2");
    EXPECT_EQ(widget<QLineEdit>("Edit1")->text(), "7:00");
    EXPECT_EQ(label(), " ");
}

namespace {
// The alarm against a wall clock in Berlin that the test moves: it runs, it is
// set, it crosses a change of daylight saving time, or the machine sleeps. The
// sound is missing, so every ring leaves an error message and the alarm armed.
class AlarmWallClock : public AlarmTab {
protected:
    void SetUp() override {
        AlarmTab::SetUp();
        writeOptions(cwd.file("missing.wav"), "");
        const char *zone = std::getenv("TZ");
        savedZone = zone ? std::optional<std::string>(zone) : std::nullopt;
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
    }
    void TearDown() override {
        if (savedZone)
            setenv("TZ", savedZone->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
        AlarmTab::TearDown();
    }
    // The local fields of a moment given in UTC, in milliseconds.
    void setWall(int64_t utcMs) {
        const std::time_t seconds = utcMs / 1000;
        std::tm local{};
        localtime_r(&seconds, &local);
        now = TimeDate(static_cast<int16_t>(local.tm_year + 1900),
                       static_cast<int16_t>(local.tm_mon + 1), static_cast<int16_t>(local.tm_mday),
                       static_cast<int16_t>(local.tm_hour), static_cast<int16_t>(local.tm_min),
                       static_cast<int16_t>(local.tm_sec), static_cast<int16_t>(utcMs % 1000));
    }

    std::optional<std::string> savedZone;
};

int64_t utcMs(int y, unsigned m, unsigned d, int hour, int minute) {
    using namespace std::chrono;
    const sys_days date{year{y} / month{m} / day{d}};
    return duration_cast<milliseconds>(date.time_since_epoch() + hours{hour} + minutes{minute})
        .count();
}
} // namespace

TEST_F(AlarmWallClock, RingsWhenTheWallClockReachesTheMinute) {
    constexpr int64_t hour = 3600000;
    struct Case {
        const char *what;
        int64_t armedAt;                               // UTC
        std::vector<std::pair<int64_t, size_t>> steps; // ms after the arming, rung so far
    };
    // Berlin is UTC+1 in winter, UTC+2 in summer; every case arms "7:00".
    const int64_t six = utcMs(2026, 3, 10, 5, 0);
    const Case cases[] = {
        {"awake", six, {{hour - 1, 0}, {hour, 1}, {hour + 1, 1}}},
        {"clock set back an hour", six, {{-hour, 0}, {hour - 1, 0}, {hour, 1}}},
        {"slept through it", six, {{3 * hour, 1}, {3 * hour, 1}}},
        {"daylight saving starts",
         utcMs(2026, 3, 28, 23, 30),
         {{5 * hour + hour / 2 - 1, 0}, {5 * hour + hour / 2, 1}}},
        {"daylight saving ends",
         utcMs(2026, 10, 24, 22, 30),
         {{7 * hour + hour / 2 - 1, 0}, {7 * hour + hour / 2, 1}}},
    };
    showActive();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        messages.messages.clear();
        setWall(c.armedAt);
        arm(now, "7:00");
        // The monotonic wait does not see a sleep or a set clock: should
        // the clock watch miss one, the timer looks again within a second.
        EXPECT_LE(alarm().nextLook(), 1000);
        for (const auto &[wall, rung] : c.steps) {
            setWall(c.armedAt + wall);
            emit ClockWatch::instance().clockChanged();
            EXPECT_EQ(messages.messages.size(), rung) << "at " << now.TimeText();
        }
    }
}

// A box opened by a ring holds the alarm's later ticks back, however short
// the interval, while other timers go on ticking: here the stopwatch's.
TEST_F(AlarmTab, ABoxOpenedByTheAlarmIsNotStacked) {
    writeOptions(cwd.file("missing.wav"), "");
    showActive("TabSheet3");
    QTest::mouseClick(widget<QPushButton>("Button8"), Qt::LeftButton);
    showActive();
    size_t boxesMeanwhile = 0;
    messages.whileOpen = [&](const RecordedMessage &) {
        if (messages.messages.size() > 1)
            return;
        // Three tenths on the stopwatch: its timer ticked while the box was open.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return widget<QLabel>("StopLabel")->text() >= "00:00.3"; }, 3000));
        boxesMeanwhile = messages.messages.size();
    };
    arm({2026, 3, 10, 7, 0, 0, 0}, "7:00"); // a delay of 0: at once
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxesMeanwhile != 0; }, 2000));
    QCoreApplication::processEvents();
    EXPECT_EQ(boxesMeanwhile, 1u);
    // The failed ring is tried again a minute later, not as soon as the box
    // is gone, so the user can arm another alarm meanwhile.
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(alarm().enabled());
    EXPECT_GT(alarm().remaining(), 50000);
    alarm().fire();
    EXPECT_EQ(messages.messages.size(), 2u) << "the alarm keeps trying";
}

namespace {
// The Alarm tab with an alarm sound, ringing or about to.
class AlarmRing : public AlarmTab {
protected:
    void SetUp() override {
        AlarmTab::SetUp();
        writeOptions(cwd.file("alarm.wav"), "");
        writeFile(cwd.file("alarm.wav"), sineWave(0.3));
    }
    QString line() { return widget<QLabel>("RingLabel")->text(); }
    QPushButton *snoozeButton() { return widget<QPushButton>("SnoozeButton"); }
    QPushButton *stopButton() { return widget<QPushButton>("StopButton"); }
    // Arms "7:00 AM" at six and rings it at seven.
    void ring() {
        arm({2026, 3, 10, 6, 0, 0, 0}, "7:00 AM");
        now = {2026, 3, 10, 7, 0, 0, 0};
        expectHeard([&] { alarm().fire(); });
    }
};
} // namespace

TEST_F(AlarmRing, StopDisarmsAnArmedAlarm) {
    showActive();
    arm(now, "7:00 AM");
    EXPECT_EQ(line(), "Rings today at 7:00 AM");
    EXPECT_FALSE(snoozeButton()->isEnabled());
    QTest::mouseClick(stopButton(), Qt::LeftButton);
    EXPECT_FALSE(alarm().enabled());
    EXPECT_EQ(label().trimmed(), "");
    EXPECT_EQ(line().trimmed(), "");
    EXPECT_FALSE(stopButton()->isEnabled());
}

TEST_F(AlarmRing, SnoozeRingsAgainTenMinutesFromThePress) {
    showActive();
    ring();
    EXPECT_EQ(line(), "Rang at 7:00 AM");
    EXPECT_TRUE(stopButton()->isEnabled());
    now = {2026, 3, 10, 7, 0, 20, 0};
    QTest::mouseClick(snoozeButton(), Qt::LeftButton);
    EXPECT_EQ(label(), "Snoozed until 7:10 AM");
    EXPECT_EQ(line(), "Rings today at 7:10 AM");
    EXPECT_FALSE(snoozeButton()->isEnabled());
    EXPECT_TRUE(stopButton()->isEnabled());
    EXPECT_EQ(alarm().remaining(), 600000);

    now = {2026, 3, 10, 7, 10, 20, 0};
    expectHeard([&] { alarm().check(); });
    EXPECT_EQ(line(), "Rang at 7:10 AM");
    EXPECT_TRUE(snoozeButton()->isEnabled());
}

TEST_F(AlarmRing, SnoozeLapsesTenMinutesAfterTheRingAndTheLineStays) {
    showActive();
    ring();
    timer("RingTimer").fire();
    EXPECT_FALSE(snoozeButton()->isEnabled());
    EXPECT_FALSE(stopButton()->isEnabled());
    EXPECT_EQ(line(), "Rang at 7:00 AM");
}

TEST_F(AlarmRing, ANewAlarmDropsTheSnooze) {
    showActive();
    ring();
    QTest::mouseClick(snoozeButton(), Qt::LeftButton);
    arm(now, "19:30");
    EXPECT_EQ(label(), "Activated...");
    EXPECT_EQ(line(), "Rings today at 19:30");
    EXPECT_EQ(alarm().remaining(), 12 * 3600000 + 30 * 60000);
}

// From the entry, Shift+Tab walks back through Stop and Snooze to "Set
// Alarm"; Enter presses the button that has the focus.
TEST_F(AlarmRing, TabReachesTheButtonsInTheirOrderAndEnterPressesThem) {
    showActive();
    ring();
    QTest::mouseClick(widget<QLineEdit>("Edit1"), Qt::LeftButton);
    std::vector<QString> backwards;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backwards.push_back(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(backwards, (std::vector<QString>{"StopButton", "SnoozeButton", "Button5"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), snoozeButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(label(), "Snoozed until 7:10 AM");
}

// Off, the sound plays once and the device is let go after it; on, it starts
// again each time it ends until Stop, and the device is let go after that.
TEST_F(AlarmRing, RingUntilStoppedRepeatsTheSoundUntilStop) {
    writeFile(cwd.file("alarm.wav"), toneThenSilence(0.15, 0.3));
    showActive();
    const std::string output = cwd.file("audio.raw");
    for (const bool repeat : {false, true}) {
        SCOPED_TRACE(repeat ? "on" : "off");
        if (repeat)
            form->findChild<QAction *>("RingUntilStopped1")->trigger();
        // The device is closed: the next opening writes a new file.
        std::filesystem::remove(output);
        const auto bursts = [&] { return audibleBursts(diskAudioSamples(output)); };
        ring();
        if (repeat) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return bursts() >= 3; }, 5000)) << bursts();
            QTest::mouseClick(stopButton(), Qt::LeftButton);
        }
        // A sound that repeats would hold the device for ever.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !diskDeviceHeld(output); }, 4000));
        if (!repeat) {
            EXPECT_EQ(bursts(), 1u);
        }
    }
}
