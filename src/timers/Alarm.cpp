// SPDX-License-Identifier: MIT
// The Alarm tab: arming one alarm for the next occurrence of a typed time of
// day, and playing the alarm sound once when it comes.
#include "app/TMainForm.h"

#include "platform/Dialogs.h"
#include "platform/Notifier.h"
#include "timers/AlarmRules.h"
#include "ui_TMainForm.h"

void TMainForm::SetAlarm() {
    UnmuteSpeakers();
    const auto entry = parseAlarmEntry(ui->Edit1->text().toStdString());
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
    ui->AlarmLabel->setText("Activated...");
}

// A sound that cannot be opened leaves this handler before the alarm is
// disarmed, so the timer's guard reports it and the alarm tries again after
// the same interval.
void TMainForm::AlarmFires() {
    // An alarm armed for the minute it was set in has no delay to repeat a
    // failed ring after: it repeats after a minute, so that the message of the
    // failure leaves the user time to arm another alarm.
    constexpr uint32_t retryWithoutDelayMs = 60000;
    if (AlarmTimer.interval() < 1000)
        AlarmTimer.setInterval(retryWithoutDelayMs);
    PlaySoundFileUnguarded(AlarmSoundFile);
    announceAlarm(this, ui->Edit1->text());
    ui->AlarmLabel->setText(" ");
    AlarmTimer.setEnabled(false);
}
