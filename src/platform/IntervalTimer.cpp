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
    return std::max<int64_t>(0, static_cast<int64_t>(m_interval) - m_periodStart.elapsed());
}

void IntervalTimer::fire() {
    if (m_handler)
        runGuarded(m_handler);
}

void IntervalTimer::rearm() {
    m_timer.stop();
    if (!m_enabled || m_interval == 0 || !m_handler)
        return;
    m_periodStart.start();
    startChunk();
}

void IntervalTimer::startChunk() {
    const int64_t left = static_cast<int64_t>(m_interval) - m_periodStart.elapsed();
    m_timer.start(static_cast<int>(std::clamp<int64_t>(left, 0, maxChunk)));
}

void IntervalTimer::onTimeout() {
    if (m_periodStart.elapsed() < static_cast<int64_t>(m_interval)) {
        // A long interval is waited for in pieces QTimer can hold.
        startChunk();
        return;
    }
    // The next period counts from this tick, before the handler runs, so a
    // handler that changes the timer gets its own fresh period.
    m_periodStart.start();
    startChunk();
    fire();
}
