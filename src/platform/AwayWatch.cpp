// SPDX-License-Identifier: MIT
#include "platform/AwayWatch.h"

#include "platform/AwaySources.h"
#include "platform/IntervalTimer.h"

#include "common/Text.h"
#include "common/TimeDate.h"

#include <algorithm>
#include <climits>

namespace {
// Once a minute is enough to notice the start of an absence whose start is
// read back from the idle time; a quicker look while away notices the return
// soon after the first key.
constexpr uint32_t PollMs = 60 * 1000;
constexpr uint32_t AwayPollMs = 5 * 1000;
// The idle time and the wall clock are read apart, so the same instant may
// come out a little different from two readings.
constexpr qint64 ReadingSlackMs = 2000;

std::string hoursAndMinutes(const QDateTime &at) {
    const QTime time = at.time();
    return std::to_string(time.hour()) + ":" + twoDigits(time.minute());
}
} // namespace

QDateTime awayClockNow() {
    TimeDate now;
    now.SetNow();
    return QDateTime(QDate(now.year, now.month, now.day),
                     QTime(now.hour, now.minute, now.second, now.millisecond));
}

int64_t awaySpanMinutes(const QDateTime &from, const QDateTime &to) {
    return (std::max<qint64>(0, from.secsTo(to)) + 29) / 60;
}

std::string awayQuestionText(const QDateTime &from, const QDateTime &to,
                             const std::string &project) {
    // English says "1 minute" where the plural form would read "1 minutes".
    const int minutes = static_cast<int>(std::min<int64_t>(awaySpanMinutes(from, to), INT_MAX));
    const QString question =
        minutes == 1 ? AwayWatch::tr("You were away from %1 to %2 (1 minute) while recording %3.")
                     : AwayWatch::tr("You were away from %1 to %2 (%n minutes) while recording %3.",
                                     nullptr, minutes);
    return question
        .arg(QString::fromStdString(hoursAndMinutes(from)),
             QString::fromStdString(hoursAndMinutes(to)), QString::fromStdString(project))
        .toStdString();
}

AwayWatch::AwayWatch(QObject *parent) : AwayWatch(desktopAwaySources, parent) {}

AwayWatch::AwayWatch(SourceMaker makeSources, QObject *parent)
    : QObject(parent), m_makeSources(std::move(makeSources)),
      m_poll(new IntervalTimer(this, PollMs)) {
    m_poll->setObjectName("AwayPoll");
    m_poll->setHandler([this] { poll(); });
}

AwayWatch::~AwayWatch() {
    stop();
}

void AwayWatch::setIdleMinutes(int minutes) {
    m_idleMinutes = std::max(0, minutes);
    if (m_idleMinutes == 0)
        stop();
}

void AwayWatch::start() {
    if (m_watching || m_idleMinutes == 0)
        return;
    makeSources();
    m_watching = true;
    reset();
    m_lastBack = awayClockNow();
    for (auto &source : m_sources)
        source->start();
    pollSoon(false);
    m_poll->setEnabled(true);
}

void AwayWatch::stop() {
    if (!m_watching)
        return;
    m_watching = false;
    m_poll->setEnabled(false);
    for (auto &source : m_sources)
        source->stop();
    reset();
}

std::optional<AwayWatch::Span> AwayWatch::openSpan() const {
    const std::optional<QDateTime> since = awaySince();
    if (!since)
        return std::nullopt;
    const QDateTime now = awayClockNow();
    if (!counts(*since, now))
        return std::nullopt;
    return Span{*since, now};
}

void AwayWatch::makeSources() {
    if (m_made)
        return;
    m_made = true;
    m_sources = m_makeSources();
    for (auto &source : m_sources) {
        AwaySource *raw = source.get();
        connect(raw, &AwaySource::lockChanged, this, &AwayWatch::lockChanged);
        connect(raw, &AwaySource::idleFor, this,
                [this, raw](qint64 milliseconds) { idleFor(raw, milliseconds); });
    }
}

void AwayWatch::poll() {
    if (!m_watching)
        return;
    for (auto &source : m_sources) {
        if (!m_idleSource || m_idleSource == source.get())
            source->askIdle();
    }
}

void AwayWatch::lockChanged(bool locked) {
    if (!m_watching)
        return;
    const QDateTime now = awayClockNow();
    if (locked) {
        if (!m_lockedAt)
            m_lockedAt = now;
        pollSoon(true);
        return;
    }
    // Any source's word that the screen is open again ends the lock: logind
    // says Unlock only when asked to, and a locker opened by its password
    // tells logind nothing of the sort.
    if (awaySince())
        cameBack(now);
}

void AwayWatch::idleFor(AwaySource *source, qint64 milliseconds) {
    if (!m_watching || milliseconds < 0)
        return;
    if (!m_idleSource)
        m_idleSource = source;
    if (source != m_idleSource)
        return;
    const QDateTime now = awayClockNow();
    const QDateTime lastInput = now.addMSecs(-milliseconds);
    // A key pressed since the absence began (the locker's password too) is
    // the user back at the keyboard.
    if (const std::optional<QDateTime> since = awaySince();
        since && since->msecsTo(lastInput) > ReadingSlackMs) {
        cameBack(lastInput);
        return;
    }
    if (m_idleFrom)
        return;
    const QDateTime from = std::max(lastInput, m_lastBack);
    if (from.msecsTo(now) >= qint64(m_idleMinutes) * 60 * 1000) {
        m_idleFrom = from;
        pollSoon(true);
    }
}

void AwayWatch::cameBack(const QDateTime &at) {
    const std::optional<QDateTime> since = awaySince();
    const bool tell = since && counts(*since, at);
    reset();
    m_lastBack = at;
    pollSoon(false);
    if (tell)
        emit back(*since, at);
}

std::optional<QDateTime> AwayWatch::awaySince() const {
    if (m_lockedAt && m_idleFrom)
        return std::min(*m_lockedAt, *m_idleFrom);
    return m_lockedAt ? m_lockedAt : m_idleFrom;
}

// An idle span counts from the start: it opened only once it had lasted the
// limit. A lock counts from a minute on.
bool AwayWatch::counts(const QDateTime &from, const QDateTime &to) const {
    return m_idleFrom || from.msecsTo(to) >= LockMinimumMs;
}

void AwayWatch::reset() {
    m_lockedAt.reset();
    m_idleFrom.reset();
}

void AwayWatch::pollSoon(bool soon) {
    m_poll->setInterval(soon ? AwayPollMs : PollMs);
}
