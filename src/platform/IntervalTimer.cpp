#include "platform/IntervalTimer.h"

#include "platform/Dialogs.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {
constexpr int64_t maxChunk = std::numeric_limits<int>::max();
}

IntervalTimer::IntervalTimer(QObject *parent, uint32_t interval)
    : QObject(parent), m_interval(interval) {
    m_clock.start();
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &IntervalTimer::onTimeout);
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

int64_t IntervalTimer::remaining() const {
    if (!m_timer.isActive())
        return -1;
    return std::max<int64_t>(0, m_due - m_clock.elapsed());
}

void IntervalTimer::fire() {
    if (m_handler)
        runGuarded(m_handler);
}

void IntervalTimer::rearm() {
    m_timer.stop();
    if (!m_enabled || m_interval == 0 || !m_handler)
        return;
    m_due = m_clock.elapsed() + m_interval;
    startChunk();
}

void IntervalTimer::startChunk() {
    const int64_t left = m_due - m_clock.elapsed();
    m_timer.start(static_cast<int>(std::clamp<int64_t>(left, 0, maxChunk)));
}

void IntervalTimer::onTimeout() {
    const int64_t now = m_clock.elapsed();
    if (now < m_due) {
        // A long interval is waited for in pieces QTimer can hold.
        startChunk();
        return;
    }
    // The next period ends one interval after this one was due, not after the
    // tick arrived, so a stopwatch counting ticks keeps pace with the clock. A
    // tick more than a whole period late (the thread was blocked) is one tick:
    // the missed ones are not made up in a burst. The next period is set
    // before the handler runs, so a handler that changes the timer replaces it.
    m_due += m_interval;
    if (m_due <= now)
        m_due = now + m_interval;
    startChunk();
    fire();
}
