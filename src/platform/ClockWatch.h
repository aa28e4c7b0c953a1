// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QSocketNotifier;

// Tells when the wall clock has been set, by the user or by time
// synchronisation, or the machine has woken from a sleep: the kernel reports
// both alike to a timerfd on the real-time clock that is armed far ahead with
// cancel-on-set. Timers waiting for a wall-clock moment or on the boot clock
// then look at their clock at once instead of at their next look. One per
// program, made by the first timer, on the GUI thread.
class ClockWatch : public QObject {
    Q_OBJECT
public:
    static ClockWatch &instance();

signals:
    // The wall clock jumped or the machine woke up; tests emit it to stand
    // for either.
    void clockChanged();

private:
    ClockWatch();
    void arm();
    void onReadable();

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
};
