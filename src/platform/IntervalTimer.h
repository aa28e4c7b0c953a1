// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>

// The clock on which an interval timer measures its periods: the monotonic
// clock stops while the machine sleeps, the boot clock counts that time too.
enum class TimerClock { Monotonic, Boot };

// A repeating interval timer with the rules the program's handlers rely on:
// setting the enabled flag or the interval to the value it already has does
// nothing; any real change stops the timer and, if it is then enabled with a
// non-zero interval and a handler, starts a fresh period from that moment. An
// interval of 0 never ticks. The whole unsigned 32-bit millisecond range works,
// although QTimer alone stops at 2^31-1. Periods follow one another on a fixed
// schedule, so a tick delivered late does not delay the ones after it. The
// handler runs through the handler guard, so an error it raises is shown and
// the timer keeps ticking; while it runs (a message box it opened waits for
// the user), further ticks of this timer are dropped, never nested.
class IntervalTimer : public QObject {
    Q_OBJECT
public:
    explicit IntervalTimer(QObject *parent = nullptr, uint32_t interval = 1000);

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    uint32_t interval() const { return m_interval; }
    void setInterval(uint32_t interval);
    void setHandler(std::function<void()> handler);

    // A timer on the boot clock, or with a first period of its own, looks at
    // its clock when the clock watch reports a set clock or a wake-up, and at
    // least every second in any case: the wait itself runs on the monotonic
    // clock, which stands still while the machine sleeps and does not follow
    // a clock that is set.
    void setClock(TimerClock clock);
    // From the next start on, the first period ends when msLeft returns 0 or
    // less rather than after the interval; the periods after it follow the
    // interval. msLeft may read any clock (the alarm reads the local wall
    // clock). An empty function gives back plain periods.
    void setFirstPeriodEnd(std::function<int64_t()> msLeft);

    // Whether a period is running now (enabled, non-zero interval, a handler).
    bool isArmed() const { return m_timer.isActive(); }
    // Milliseconds left in the current period, -1 when not armed.
    int64_t remaining() const;
    // Milliseconds until the timer next looks at its clock, -1 when not armed.
    int64_t nextLook() const { return m_timer.isActive() ? m_timer.remainingTime() : -1; }

    // Runs the handler as a tick would, without waiting for it.
    void fire();
    // Looks at the clock now, as the next wake-up would: ticks when the
    // period has ended. Tests call it after moving a clock.
    void check();

private:
    int64_t now() const;
    int64_t left() const;
    void rearm();
    void startChunk();
    void onTimeout();

    QTimer m_timer;
    QElapsedTimer m_monotonic;
    // Milliseconds on the timer's clock when the current period ends.
    int64_t m_due = 0;
    std::function<void()> m_handler;
    std::function<int64_t()> m_firstPeriodEnd;
    uint32_t m_interval;
    TimerClock m_clock = TimerClock::Monotonic;
    bool m_enabled = false;
    bool m_inFirstPeriod = false;
    bool m_inHandler = false;
};
