// SPDX-License-Identifier: MIT
#include "platform/ClockWatch.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {
// How far ahead the watching timer is set: it is never meant to expire.
constexpr time_t farAhead = 10LL * 365 * 24 * 3600;
} // namespace

ClockWatch &ClockWatch::instance() {
    // Never destroyed: its notifier must not outlive the event dispatcher,
    // which goes before static objects do.
    static ClockWatch *watch = new ClockWatch;
    return *watch;
}

ClockWatch::ClockWatch() {
    m_fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd < 0)
        return; // timers then notice a change at their next look
    arm();
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ClockWatch::onReadable);
}

void ClockWatch::arm() {
    itimerspec setting{};
    clock_gettime(CLOCK_REALTIME, &setting.it_value);
    setting.it_value.tv_sec += farAhead;
    timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &setting, nullptr);
}

void ClockWatch::onReadable() {
    uint64_t expirations = 0;
    const bool changed = read(m_fd, &expirations, sizeof expirations) < 0 && errno == ECANCELED;
    // Set again in every case: after a change the timer stays cancelled.
    arm();
    if (changed)
        emit clockChanged();
}
