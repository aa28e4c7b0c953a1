#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>

// A repeating interval timer with the rules the program's handlers rely on:
// setting the enabled flag or the interval to the value it already has does
// nothing; any real change stops the timer and, if it is then enabled with a
// non-zero interval and a handler, starts a fresh period from that moment. An
// interval of 0 never ticks. The whole unsigned 32-bit millisecond range works,
// although QTimer alone stops at 2^31-1. Periods follow one another on a fixed
// schedule, so a tick delivered late does not delay the ones after it. The
// handler runs through the handler guard, so an error it raises is shown and
// the timer keeps ticking.
class IntervalTimer : public QObject {
    Q_OBJECT
public:
    explicit IntervalTimer(QObject *parent = nullptr, uint32_t interval = 1000);

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    uint32_t interval() const { return m_interval; }
    void setInterval(uint32_t interval);
    void setHandler(std::function<void()> handler);

    // Whether a period is running now (enabled, non-zero interval, a handler).
    bool isArmed() const { return m_timer.isActive(); }
    // Milliseconds left in the current period, -1 when not armed.
    int64_t remaining() const;

    // Runs the handler as a tick would, without waiting for it.
    void fire();

private:
    void rearm();
    void startChunk();
    void onTimeout();

    QTimer m_timer;
    // Milliseconds on m_clock when the current period ends.
    QElapsedTimer m_clock;
    int64_t m_due = 0;
    std::function<void()> m_handler;
    uint32_t m_interval;
    bool m_enabled = false;
};
