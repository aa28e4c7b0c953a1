// SPDX-License-Identifier: MIT
#include "timers/AlarmClock.h"

#include "platform/Accessibility.h"
#include "platform/Dialogs.h"
#include "platform/Notifier.h"
#include "platform/SoundPlayer.h"
#include "platform/Widgets.h"
#include "timers/AlarmRules.h"
#include "ui_AlarmPage.h"

// The label starts with blanks so that it keeps its height before anything
// is shown.
AlarmClock::AlarmClock(QWidget *page, SoundPlayer &sound, const std::string &soundFile)
    : QObject(page), m_page(page), m_sound(sound), AlarmSoundFile(soundFile), AlarmTimer(this),
      m_label("  ") {
    AlarmTimer.setObjectName("AlarmTimer");
    AlarmTimer.setHandler([this] { AlarmFires(); });
}

AlarmClock::~AlarmClock() = default;

void AlarmClock::buildPage() {
    if (ui)
        return;
    ui = std::make_unique<Ui::AlarmPage>();
    ui->setupUi(m_page);
    // The page's own entry stays until one is typed through setTyped.
    if (!m_entry.isNull())
        ui->Edit1->setText(m_entry);
    ui->AlarmLabel->setText(m_label);
    bindHandler(this, ui->Button5, &AlarmClock::SetAlarm);
    describeInput(ui->Edit1, "Alarm time",
                  "Time of day, such as 7:00 AM or 19:30; Enter sets the alarm");
    describeStatus(ui->AlarmLabel, "Alarm status", "Whether an alarm is set");
    pressOnEnter(ui->Edit1, ui->Button5);
}

void AlarmClock::setTyped(const QString &entry) {
    if (ui)
        ui->Edit1->setText(entry);
    else
        m_entry = entry;
    runGuarded([this] { SetAlarm(); });
}

void AlarmClock::showLabel(const QString &text) {
    m_label = text;
    if (ui)
        ui->AlarmLabel->setText(text);
}

void AlarmClock::SetAlarm() {
    m_sound.UnmuteSpeakers();
    const QString typed = ui ? ui->Edit1->text() : m_entry;
    const auto entry = parseAlarmEntry(typed.toStdString());
    if (!entry) {
        showMessage("Invalid time entered", "Invalid entry.");
        return;
    }
    TimeDate now;
    now.SetNow();
    const AlarmArming arming = alarmArming(now, entry->hours, entry->minutes);
    AlarmTime = arming.alarmTime;
    // Disabling first makes the period count from now even when the new delay
    // equals the pending one. The interval is the delay; the alarm itself
    // rings when the wall clock reaches AlarmTime, which a sleep or a clock
    // set between now and then does not move. Should the sound fail, the
    // next try comes after the interval.
    AlarmTimer.setEnabled(false);
    AlarmTimer.setInterval(arming.intervalMs);
    AlarmTimer.setFirstPeriodEnd([alarmTime = AlarmTime] {
        TimeDate clock;
        clock.SetNow();
        return alarmMsLeft(clock, alarmTime);
    });
    AlarmTimer.setEnabled(true);
    showLabel("Activated...");
}

// A sound that cannot be opened leaves this handler before the alarm is
// disarmed, so the timer's guard reports it and the alarm tries again after
// the same interval.
void AlarmClock::AlarmFires() {
    // An alarm armed for the minute it was set in has no delay to repeat a
    // failed ring after: it repeats after a minute, so that the message of the
    // failure leaves the user time to arm another alarm.
    constexpr uint32_t retryWithoutDelayMs = 60000;
    if (AlarmTimer.interval() < 1000)
        AlarmTimer.setInterval(retryWithoutDelayMs);
    m_sound.PlaySoundFileUnguarded(AlarmSoundFile);
    announceAlarm(m_page->window(), AlarmTime);
    showLabel(" ");
    AlarmTimer.setEnabled(false);
}
