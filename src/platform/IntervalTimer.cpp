// SPDX-License-Identifier: MIT
#include "platform/IntervalTimer.h"

#include "platform/BootClock.h"
#include "platform/ClockWatch.h"
#include "platform/Dialogs.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {
constexpr int64_t maxChunk = std::numeric_limits<int>::max();
// How long a timer that must notice a sleep or a clock set waits at most
// before it looks at its clock again, should the clock watch not tell it.
constexpr int64_t lookAtLeastEvery = 1000;
} // namespace

IntervalTimer::IntervalTimer(QObject *parent, uint32_t interval)
    : QObject(parent), m_interval(interval) {
    m_monotonic.start();
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &IntervalTimer::onTimeout);
    connect(&ClockWatch::instance(), &ClockWatch::clockChanged, this, [this] {
        if (m_inFirstPeriod || m_clock != TimerClock::Monotonic)
            check();
    });
}

void IntervalTimer::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    rearm();
}

void IntervalTimer::setInterval(uint32_t interval) {
    if (interval == m_interval)
        return;
    m_interval = interval;
    rearm();
}

void IntervalTimer::setHandler(std::function<void()> handler) {
    m_handler = std::move(handler);
    rearm();
}

void IntervalTimer::setClock(TimerClock clock) {
    if (clock == m_clock)
        return;
    m_clock = clock;
    rearm();
}

void IntervalTimer::setFirstPeriodEnd(std::function<int64_t()> msLeft) {
    m_firstPeriodEnd = std::move(msLeft);
}

int64_t IntervalTimer::remaining() const {
    if (!m_timer.isActive())
        return -1;
    return std::max<int64_t>(0, left());
}

void IntervalTimer::fire() {
    if (!m_handler || m_inHandler)
        return;
    // A copy, so that a handler which replaces the handler runs to its end.
    const std::function<void()> handler = m_handler;
    m_inHandler = true;
    runGuarded(handler);
    m_inHandler = false;
}

void IntervalTimer::check() {
    if (m_timer.isActive())
        onTimeout();
}

int64_t IntervalTimer::now() const {
    return m_clock == TimerClock::Boot ? bootClockMs() : m_monotonic.elapsed();
}

int64_t IntervalTimer::left() const {
    return m_inFirstPeriod ? m_firstPeriodEnd() : m_due - now();
}

void IntervalTimer::rearm() {
    m_timer.stop();
    if (!m_enabled || m_interval == 0 || !m_handler)
        return;
    m_inFirstPeriod = static_cast<bool>(m_firstPeriodEnd);
    m_due = now() + m_interval;
    startChunk();
}

void IntervalTimer::startChunk() {
    // A long interval is waited for in pieces QTimer can hold.
    int64_t wait = std::clamp<int64_t>(left(), 0, maxChunk);
    if (m_inFirstPeriod || m_clock != TimerClock::Monotonic)
        wait = std::min(wait, lookAtLeastEvery);
    m_timer.start(static_cast<int>(wait));
}

void IntervalTimer::onTimeout() {
    if (left() > 0) {
        startChunk();
        return;
    }
    // The next period ends one interval after this one was due, not after the
    // tick arrived, so a stopwatch counting ticks keeps pace with the clock. A
    // tick more than a whole period late (the thread was blocked, the machine
    // slept) is one tick: the missed ones are not made up in a burst. The next
    // period is set before the handler runs, so a handler that changes the
    // timer replaces it.
    const int64_t now = this->now();
    if (m_inFirstPeriod) {
        m_inFirstPeriod = false;
        m_due = now + m_interval;
    } else {
        m_due += m_interval;
        if (m_due <= now)
            m_due = now + m_interval;
    }
    startChunk();
    fire();
}
