// SPDX-License-Identifier: MIT
#pragma once

#include "common/TimeDate.h"
#include "platform/IntervalTimer.h"

#include <QObject>
#include <QString>

#include <memory>
#include <string>

class SoundPlayer;
class QWidget;

namespace Ui {
class AlarmPage;
}

// The Alarm tab: one alarm armed for the next occurrence of a typed time of
// day, ringing with the alarm sound and a notice, once or until stopped. A
// ringing alarm can be snoozed for ten minutes or stopped, from the page or
// from its notice; an armed one can be stopped. It rings whether or not its
// page has been built. The sound and its file name are the window's, lent
// for the object's lifetime; whether the sound repeats is the window's
// option, handed in.
class AlarmClock : public QObject {
    Q_OBJECT
public:
    AlarmClock(QWidget *page, SoundPlayer &sound, const std::string &soundFile);
    ~AlarmClock() override;

    // Makes the page's widgets; the window calls it when the tab is first shown.
    void buildPage();

    // Puts the text into the entry and presses "Set Alarm", with its messages.
    void setTyped(const QString &entry);

    // Whether the next ring repeats its sound until stopped, snoozed or
    // replaced, for at most ten minutes.
    void setRingUntilStopped(bool repeat);

    // Idle: nothing set, or the last alarm rang over ten minutes ago.
    // Ringing: it rang within the last ten minutes and was neither stopped,
    // snoozed nor replaced; Snooze and Stop act on it.
    enum class State { Idle, Armed, Snoozed, Ringing };
    State state() const { return m_state; }
    // The time it will ring at (armed, snoozed) or rang at (ringing), in the
    // entry's form ("7:00 AM", "19:30"); empty when idle.
    QString timeText() const;

    // What "Snooze" and "Stop" do; nothing when the button is disabled.
    void snooze();
    void stop();

signals:
    // The state or its time has changed.
    void stateChanged();

private:
    void SetAlarm();
    void AlarmFires();
    void Snooze();
    void StopAlarm();
    void RingEnds();

    void armFor(const TimeDate &moment, uint32_t intervalMs);
    void setState(State state);
    void endRing();
    void showLabel(const QString &text);
    void showLine(const QString &text);
    void enableButtons();

    QWidget *m_page;
    SoundPlayer &m_sound;
    const std::string &AlarmSoundFile;
    std::unique_ptr<Ui::AlarmPage> ui;

    IntervalTimer AlarmTimer;
    // Ten minutes from the ring: how long it may repeat and be snoozed.
    IntervalTimer RingTimer;
    TimeDate AlarmTime;
    // The entry as typed when the alarm was set, for the notice.
    QString m_armedEntry;
    // Whether that entry named the half of the day.
    bool m_twelveHour = false;
    bool m_announced = false;
    bool m_repeat = false;
    State m_state = State::Idle;
    // Counts the alarms set, so that a notice of an earlier one acts on
    // nothing set since.
    unsigned m_alarmNumber = 0;
    // The sound the ring started, for stopping only that one.
    unsigned m_ringSound = 0;
    bool m_ringRepeats = false;
    // The page's texts while it is not built.
    QString m_entry;
    QString m_label;
    QString m_line;
};
