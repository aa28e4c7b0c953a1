// SPDX-License-Identifier: MIT
#include "timers/AlarmClock.h"

#include "platform/Accessibility.h"
#include "platform/Dialogs.h"
#include "platform/Notifier.h"
#include "platform/SoundPlayer.h"
#include "platform/Widgets.h"
#include "timers/AlarmRules.h"
#include "ui_AlarmPage.h"

#include <QPushButton>

// The labels start with blanks so that they keep their height before
// anything is shown.
AlarmClock::AlarmClock(QWidget *page, SoundPlayer &sound, const std::string &soundFile)
    : QObject(page), m_page(page), m_sound(sound), AlarmSoundFile(soundFile), AlarmTimer(this),
      RingTimer(this, SnoozeMs), m_label("  "), m_line(" ") {
    AlarmTimer.setObjectName("AlarmTimer");
    AlarmTimer.setHandler([this] { AlarmFires(); });
    RingTimer.setObjectName("RingTimer");
    RingTimer.setHandler([this] { RingEnds(); });
}

AlarmClock::~AlarmClock() = default;

void AlarmClock::buildPage() {
    if (ui)
        return;
    ui = std::make_unique<Ui::AlarmPage>();
    ui->setupUi(m_page);
    if (!m_entry.isNull())
        ui->Edit1->setText(m_entry);
    ui->AlarmLabel->setText(m_label);
    ui->RingLabel->setText(m_line);
    enableButtons();
    bindHandler(this, ui->Button5, &AlarmClock::SetAlarm);
    bindHandler(this, ui->SnoozeButton, &AlarmClock::Snooze);
    bindHandler(this, ui->StopButton, &AlarmClock::StopAlarm);
    describeInput(ui->Edit1, tr("Alarm time"),
                  tr("Time of day, such as 7:00 AM or 19:30; Enter sets the alarm"));
    describeStatus(ui->AlarmLabel, tr("Alarm status"), tr("Whether an alarm is set"));
    describeStatus(ui->RingLabel, tr("Alarm ring time"),
                   tr("When the alarm rings, or when it rang"));
    pressOnEnter(ui->Edit1, ui->Button5);
    // The page is no dialog, so its buttons would take only the space bar.
    for (QPushButton *button : {ui->Button5, ui->SnoozeButton, ui->StopButton})
        pressOnEnter(button, button);
}

void AlarmClock::setTyped(const QString &entry) {
    if (ui)
        ui->Edit1->setText(entry);
    else
        m_entry = entry;
    runGuarded([this] { SetAlarm(); });
}

void AlarmClock::setRingUntilStopped(bool repeat) {
    m_repeat = repeat;
}

QString AlarmClock::timeText() const {
    if (m_state == State::Idle)
        return {};
    const RingMoment at = ringMoment(AlarmTime, AlarmTime);
    return QString::fromStdString(alarmTimeText(at.hour, at.minute, m_twelveHour));
}

void AlarmClock::snooze() {
    runGuarded([this] { Snooze(); });
}

void AlarmClock::stop() {
    runGuarded([this] { StopAlarm(); });
}

void AlarmClock::showLabel(const QString &text) {
    m_label = text;
    if (ui)
        ui->AlarmLabel->setText(text);
}

void AlarmClock::showLine(const QString &text) {
    m_line = text;
    if (ui)
        ui->RingLabel->setText(text);
}

void AlarmClock::enableButtons() {
    if (!ui)
        return;
    ui->SnoozeButton->setEnabled(m_state == State::Ringing);
    ui->StopButton->setEnabled(m_state != State::Idle);
}

void AlarmClock::setState(State state) {
    m_state = state;
    enableButtons();
    emit stateChanged();
}

// A sound that repeats is the ring's and ends with it; a single play is left
// to end by itself.
void AlarmClock::endRing() {
    if (m_state == State::Ringing && m_ringRepeats)
        m_sound.stopSound(m_ringSound);
    RingTimer.setEnabled(false);
}

// Disabling first makes the period count from now even when the new delay
// equals the pending one. The interval is the delay; the alarm itself rings
// when the wall clock reaches the moment, which a sleep or a clock set
// between now and then does not move. Should the sound fail, the next try
// comes after the interval.
void AlarmClock::armFor(const TimeDate &moment, uint32_t intervalMs) {
    AlarmTime = moment;
    AlarmTimer.setEnabled(false);
    AlarmTimer.setInterval(intervalMs);
    AlarmTimer.setFirstPeriodEnd([alarmTime = AlarmTime] {
        TimeDate clock;
        clock.SetNow();
        return alarmMsLeft(clock, alarmTime);
    });
    AlarmTimer.setEnabled(true);
    m_announced = false;
}

void AlarmClock::SetAlarm() {
    m_sound.UnmuteSpeakers();
    const QString typed = ui ? ui->Edit1->text() : m_entry;
    const auto entry = parseAlarmEntry(typed.toStdString());
    if (!entry) {
        showMessage(tr("Invalid time entered").toStdString(), tr("Invalid entry.").toStdString());
        return;
    }
    TimeDate now;
    now.SetNow();
    const AlarmArming arming = alarmArming(now, entry->hours, entry->minutes);
    endRing();
    ++m_alarmNumber;
    m_armedEntry = typed.trimmed();
    m_twelveHour = entryNamesDayHalf(typed.toStdString());
    armFor(arming.alarmTime, arming.intervalMs);
    showLabel(tr("Activated..."));
    showLine(QString::fromStdString(ringsLine(ringMoment(now, AlarmTime), m_twelveHour)));
    setState(State::Armed);
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
    // The notice goes out first, once: a box the sound may open must not keep
    // it from a user who is not looking, and a retry is the same alarm.
    if (!m_announced) {
        m_announced = true;
        // A notice still on screen from an earlier alarm acts on nothing set
        // since.
        const auto forThisAlarm = [this, alarm = m_alarmNumber](void (AlarmClock::*handler)()) {
            return [this, alarm, handler] {
                if (alarm == m_alarmNumber)
                    (this->*handler)();
            };
        };
        announceAlarm(m_page->window(), m_armedEntry,
                      {{tr("Snooze"), this, forThisAlarm(&AlarmClock::Snooze)},
                       {tr("Stop"), this, forThisAlarm(&AlarmClock::StopAlarm)}});
    }
    m_sound.PlaySoundFileUnguarded(AlarmSoundFile, m_repeat);
    m_ringSound = m_sound.soundNumber();
    m_ringRepeats = m_repeat;
    showLabel(" ");
    AlarmTimer.setEnabled(false);
    TimeDate now;
    now.SetNow();
    showLine(QString::fromStdString(rangLine(ringMoment(now, AlarmTime), m_twelveHour)));
    RingTimer.setEnabled(false);
    RingTimer.setEnabled(true);
    setState(State::Ringing);
}

// Ten minutes from the moment it is pressed, to the second.
void AlarmClock::Snooze() {
    if (m_state != State::Ringing)
        return;
    m_sound.stopSound(m_ringSound);
    RingTimer.setEnabled(false);
    TimeDate now;
    now.SetNow();
    armFor(snoozeEnd(now), SnoozeMs);
    const RingMoment end = ringMoment(now, AlarmTime);
    showLabel(QString::fromStdString(snoozedText(end, m_twelveHour)));
    showLine(QString::fromStdString(ringsLine(end, m_twelveHour)));
    setState(State::Snoozed);
}

void AlarmClock::StopAlarm() {
    if (m_state == State::Idle)
        return;
    if (m_state == State::Ringing)
        m_sound.stopSound(m_ringSound);
    RingTimer.setEnabled(false);
    AlarmTimer.setEnabled(false);
    showLabel(" ");
    showLine(" ");
    setState(State::Idle);
}

// The line keeps saying when it rang.
void AlarmClock::RingEnds() {
    endRing();
    setState(State::Idle);
}
