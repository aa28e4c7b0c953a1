#include "support/MainFormFixture.h"
#include "support/SoundFiles.h"
#include "ui_TMainForm.h"

#include <QTest>

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
    QTest::qWait(60);
    const int64_t remaining = w.AlarmTimer.remaining();
    ASSERT_LT(remaining, 3600000 - 40);
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
    QTest::qWait(120);
    ASSERT_LT(w.AlarmTimer.remaining(), 3600000 - 100);
    arm(w, {2026, 3, 10, 6, 1, 0, 0}, "7:01");
    EXPECT_EQ(w.AlarmTimer.interval(), 3600000u);
    EXPECT_GT(w.AlarmTimer.remaining(), 3600000 - 100);
    EXPECT_EQ(w.AlarmTime, TimeDate(2026, 3, 10, 7, 1, 0, 0));
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
    EXPECT_EQ(messages.messages[0].text, w.MediaPlayer1.ErrorMessage() + ".");
    EXPECT_EQ(w.MediaPlayer1.Error(), MediaPlayer::FileNotFound);
    EXPECT_EQ(mixer.devices[0].opened, unmutes); // nothing after the open ran
    EXPECT_EQ(label(), "Activated...");
    EXPECT_TRUE(w.AlarmTimer.enabled());
    EXPECT_TRUE(w.AlarmTimer.isArmed());
    EXPECT_EQ(w.AlarmTimer.interval(), 3600000u);
}
