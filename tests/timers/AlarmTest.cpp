// SPDX-License-Identifier: MIT
#include "platform/ClockWatch.h"
#include "support/MainFormFixture.h"
#include "support/SoundFiles.h"
#include "ui_TMainForm.h"

#include <QTest>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace {
// The main window with a clock the test sets; cleared of the start-up warning.
class Alarm : public SetClockMainFormTest {
protected:
    Alarm() { now = {2026, 3, 10, 6, 0, 0, 0}; }

    TMainForm &start() {
        auto &w = startForm();
        messages.messages.clear();
        return w;
    }
    void arm(TMainForm &w, const TimeDate &at, const char *entry) {
        now = at;
        w.ui->Edit1->setText(entry);
        w.ui->Button5->click();
    }
    QString label() const { return form->ui->AlarmLabel->text(); }
};
} // namespace

TEST_F(Alarm, ArmsForTheNextOccurrenceOfTheTypedTime) {
    struct Case {
        TimeDate now;
        const char *entry;
        uint32_t intervalMs;
        TimeDate alarmTime;
    };
    const TimeDate six{2026, 3, 10, 6, 0, 0, 0};
    // clang-format off
    const Case cases[] = {
        {six, "7:00 AM", 3600000, {2026, 3, 10, 7, 0, 0, 0}},
        {{2026, 3, 10, 7, 0, 30, 0}, "7:00 AM", 86370000, {2026, 3, 11, 7, 0, 0, 0}},
        {six, "7 PM", 46800000, {2026, 3, 10, 19, 0, 0, 0}},
        {six, "7", 3600000, {2026, 3, 10, 7, 0, 0, 0}},
        {six, "7.30", 5400000, {2026, 3, 10, 7, 30, 0, 0}},
        {six, "7:5", 3900000, {2026, 3, 10, 7, 5, 0, 0}},
        {six, "12:15 AM", 22500000, {2026, 3, 10, 12, 15, 0, 0}},
        {{2026, 3, 10, 6, 59, 59, 999}, "7:00", 1000, {2026, 3, 10, 7, 0, 0, 0}},
        {{2026, 3, 10, 0, 30, 0, 0}, "0:90", 3600000, {2026, 3, 10, 0, 90, 0, 0}},
        {{2026, 3, 10, 1, 0, 0, 0}, "0:90", 88200000, {2026, 3, 11, 0, 90, 0, 0}},
        {{2026, 1, 31, 23, 0, 0, 0}, "7:00", 28800000, {2026, 1, 32, 7, 0, 0, 0}},
    };
    // clang-format on
    auto &w = start();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.entry);
        w.ui->AlarmLabel->setText("  ");
        arm(w, c.now, c.entry);
        EXPECT_EQ(w.AlarmTimer.interval(), c.intervalMs);
        EXPECT_TRUE(w.AlarmTimer.isArmed());
        EXPECT_EQ(w.AlarmTime, c.alarmTime);
        EXPECT_EQ(label(), "Activated...");
        EXPECT_EQ(w.ui->Edit1->text(), c.entry);
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(Alarm, InvalidEntriesLeaveThePendingAlarmAlone) {
    auto &w = start();
    for (const char *entry : {"7 :30", "7:30:15", "", "noon"}) {
        arm(w, now, entry);
        EXPECT_EQ(label(), "  ") << entry;
        EXPECT_FALSE(w.AlarmTimer.enabled()) << entry;
    }
    arm(w, {2026, 3, 10, 6, 0, 0, 0}, "7:00 AM");
    const TimeDate armed = w.AlarmTime;
    now = {2026, 3, 10, 6, 0, 0, 60};
    const int64_t remaining = w.AlarmTimer.remaining();
    ASSERT_EQ(remaining, 3600000 - 60);
    messages.messages.clear();

    for (const char *entry : {"7 :30", "7:30:15", "", "noon"}) {
        arm(w, {2026, 3, 10, 6, 30, 0, 0}, entry);
        EXPECT_EQ(label(), "Activated...") << entry;
        EXPECT_EQ(w.AlarmTime, armed) << entry;
        EXPECT_EQ(w.AlarmTimer.interval(), 3600000u) << entry;
        EXPECT_TRUE(w.AlarmTimer.isArmed()) << entry;
        EXPECT_LE(w.AlarmTimer.remaining(), remaining) << entry << ": the timer was restarted";
    }
    ASSERT_EQ(messages.messages.size(), 4u);
    for (const auto &message : messages.messages) {
        EXPECT_EQ(message.text, "Invalid time entered");
        EXPECT_EQ(message.caption, "Invalid entry.");
        EXPECT_EQ(message.kind, MessageKind::Plain);
    }
}

// Arming 7:00 at 06:00 and then 7:01 at 06:01 gives the same delay twice; the
// second must still count from its own moment.
TEST_F(Alarm, ArmingAgainReplacesThePendingAlarm) {
    auto &w = start();
    arm(w, {2026, 3, 10, 6, 0, 0, 0}, "7:00");
    arm(w, {2026, 3, 10, 6, 1, 0, 0}, "7:01");
    EXPECT_EQ(w.AlarmTimer.interval(), 3600000u);
    EXPECT_EQ(w.AlarmTimer.remaining(), 3600000);
    EXPECT_EQ(w.AlarmTime, TimeDate(2026, 3, 10, 7, 1, 0, 0));
    now = {2026, 3, 10, 7, 0, 30, 0};
    w.AlarmTimer.check();
    EXPECT_EQ(label(), "Activated...") << "the first alarm rang";
}

TEST_F(Alarm, SpeakersAreUnmutedOnEveryPressEvenWithoutASoundCard) {
    auto &w = start();
    mixer.devices[0].lines[0].muted = true;
    arm(w, now, "7:00");
    EXPECT_FALSE(mixer.devices[0].lines[0].muted);
    EXPECT_EQ(mixer.devices[0].opened, 1);
    arm(w, now, "noon");
    EXPECT_EQ(mixer.devices[0].opened, 2);

    FakeMixerSystem none;
    setSystemMixer(&none);
    w.AlarmTimer.setEnabled(false);
    w.ui->AlarmLabel->setText("  ");
    messages.messages.clear();
    arm(w, {2026, 3, 10, 6, 0, 0, 0}, "7:00 AM");
    ASSERT_EQ(messages.texts(), std::vector<std::string>{"Could not unmute speakers"});
    EXPECT_EQ(messages.messages[0].caption, "Oops");
    EXPECT_TRUE(w.AlarmTimer.isArmed());
    EXPECT_EQ(w.AlarmTimer.interval(), 3600000u);
    EXPECT_EQ(label(), "Activated...");

    arm(w, now, "noon");
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{"Could not unmute speakers", "Could not unmute speakers",
                                        "Invalid time entered"}));
    setSystemMixer(&mixer);
}

TEST_F(Alarm, FiringPlaysTheAlarmSoundAndDisarms) {
    auto &w = start();
    w.AlarmSoundFile = cwd.file("alarm.wav");
    writeFile(w.AlarmSoundFile, sineWave(0.5));
    arm(w, now, "7:00");
    const int unmutes = mixer.devices[0].opened;

    w.AlarmTimer.fire();
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(w.MediaPlayer1.Error(), 0);
    EXPECT_EQ(mixer.devices[0].opened, unmutes + 1);
    EXPECT_EQ(label(), " ");
    EXPECT_FALSE(w.AlarmTimer.enabled());
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return audible(diskAudioSamples(cwd.file("audio.raw"))); }, 4000));
}

// The alarm is not lost when its sound cannot be opened: the error is shown
// and the next period tries again.
TEST_F(Alarm, FiringWithAMissingSoundShowsTheErrorAndStaysArmed) {
    auto &w = start();
    w.AlarmSoundFile = cwd.file("missing.wav");
    arm(w, now, "7:00");
    const int unmutes = mixer.devices[0].opened;

    w.AlarmTimer.fire();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].kind, MessageKind::Exception);
    EXPECT_EQ(messages.messages[0].caption, "Timer and Alarm Clock");
    // The player's texts end with a period of their own.
    EXPECT_EQ(messages.messages[0].text, w.MediaPlayer1.ErrorMessage());
    EXPECT_EQ(w.MediaPlayer1.Error(), MediaPlayer::FileNotFound);
    EXPECT_EQ(mixer.devices[0].opened, unmutes); // nothing after the open ran
    EXPECT_EQ(label(), "Activated...");
    EXPECT_TRUE(w.AlarmTimer.enabled());
    EXPECT_TRUE(w.AlarmTimer.isArmed());
    EXPECT_EQ(w.AlarmTimer.interval(), 3600000u);
}

namespace {
// The alarm against a wall clock in Berlin that the test moves: it runs, it is
// set, it crosses a change of daylight saving time, or the machine sleeps. The
// sound is missing, so every ring leaves an error message and the alarm armed.
class AlarmWallClock : public Alarm {
protected:
    void SetUp() override {
        Alarm::SetUp();
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
        Alarm::TearDown();
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
    size_t rings() const { return messages.messages.size(); }

    std::optional<std::string> savedZone;
};

int64_t utcMs(int year, int month, int day, int hour, int minute, int second, int ms = 0) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return int64_t{timegm(&t)} * 1000 + ms;
}
} // namespace

TEST_F(AlarmWallClock, RingsWhenTheWallClockReachesTheMinute) {
    constexpr int64_t hour = 3600000;
    struct Step {
        int64_t wall; // after the arming, in milliseconds
        size_t rings; // rung so far
    };
    struct Case {
        const char *what;
        int64_t armedAt; // UTC
        std::vector<Step> steps;
    };
    // Berlin is UTC+1 in winter, UTC+2 in summer; every case arms "7:00".
    const int64_t six = utcMs(2026, 3, 10, 5, 0, 0);
    const Case cases[] = {
        {"awake", six, {{hour - 1, 0}, {hour, 1}, {hour + 1, 1}}},
        {"armed 1.25 s before", utcMs(2026, 3, 10, 5, 59, 58, 750), {{1249, 0}, {1250, 1}}},
        {"clock set back an hour", six, {{-hour, 0}, {hour - 1, 0}, {hour, 1}}},
        {"slept through it", six, {{3 * hour, 1}, {3 * hour, 1}}},
        {"daylight saving starts",
         utcMs(2026, 3, 28, 23, 30, 0),
         {{5 * hour + hour / 2 - 1, 0}, {5 * hour + hour / 2, 1}}},
        {"daylight saving ends",
         utcMs(2026, 10, 24, 22, 30, 0),
         {{7 * hour + hour / 2 - 1, 0}, {7 * hour + hour / 2, 1}}},
        {"last day of the month", utcMs(2026, 1, 31, 22, 0, 0), {{8 * hour - 1, 0}, {8 * hour, 1}}},
    };
    auto &w = start();
    w.AlarmSoundFile = cwd.file("missing.wav");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        messages.messages.clear();
        setWall(c.armedAt);
        arm(w, now, "7:00");
        // The monotonic wait does not see a sleep or a set clock: should
        // the clock watch miss one, the timer looks again within a second.
        EXPECT_LE(w.AlarmTimer.nextLook(), 1000);
        for (const auto &step : c.steps) {
            setWall(c.armedAt + step.wall);
            emit ClockWatch::instance().clockChanged();
            EXPECT_EQ(rings(), step.rings) << "at " << now.TimeText();
        }
    }
}

// A box opened by a ring holds the alarm's later ticks back, however short
// the interval, while other timers go on ticking.
TEST_F(Alarm, ABoxOpenedByTheAlarmIsNotStacked) {
    auto &w = start();
    w.AlarmSoundFile = cwd.file("missing.wav");
    w.TRTimer.setInterval(20);
    w.TRTimer.setEnabled(true);
    size_t boxesMeanwhile = 0;
    uint32_t recordTicks = 0;
    messages.whileOpen = [&](const RecordedMessage &) {
        if (messages.messages.size() > 1) {
            w.AlarmTimer.setEnabled(false);
            return;
        }
        const uint32_t before = w.TRSeconds;
        QTest::qWait(300);
        boxesMeanwhile = messages.messages.size();
        recordTicks = w.TRSeconds - before;
    };
    arm(w, {2026, 3, 10, 7, 0, 0, 0}, "7:00"); // a delay of 0: at once
    ASSERT_EQ(w.AlarmTimer.interval(), 1u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxesMeanwhile != 0; }, 2000));
    QCoreApplication::processEvents();
    EXPECT_EQ(boxesMeanwhile, 1u);
    EXPECT_GE(recordTicks, 5u);
    // The failed ring is tried again a minute later, not as soon as the box
    // is gone, so the user can arm another alarm meanwhile.
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(w.AlarmTimer.enabled());
    EXPECT_GT(w.AlarmTimer.remaining(), 50000);
    w.AlarmTimer.fire();
    EXPECT_EQ(messages.messages.size(), 2u) << "the alarm keeps trying";
}
