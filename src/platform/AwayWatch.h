// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class IntervalTimer;

// One way of learning that the user is away: a screen locker that says when
// the screen is locked and unlocked, or a service that says how long no
// input came. A source that cannot reach its service stays silent.
class AwaySource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts or stops listening for locks; a stopped source holds no match
    // on any bus.
    virtual void start() = 0;
    virtual void stop() = 0;
    // Asks how long no input came; the answer, if any, comes as idleFor(),
    // now or later. A source that cannot tell does nothing.
    virtual void askIdle() {}

signals:
    void lockChanged(bool locked);
    void idleFor(qint64 milliseconds);
};

// Notices, while told to watch (a recording runs), that the user is away: the
// screen is locked for a minute or more, or no input came for the idle limit.
// When the user is back it says from when to when, in wall-clock time; the
// idle span starts at the last input, not when the idleness was noticed.
// Locks come from the sources as they happen; the idle time is asked once a
// minute while watching, and every few seconds while the user is away, so
// the return is noticed soon. Nothing is asked and no source listens while
// not watching. The sources are made at the first start; where none
// answers, nothing is ever said. What to do about the span (ask the user,
// take the time out) is the owner's.
class AwayWatch : public QObject {
    Q_OBJECT
public:
    using Sources = std::vector<std::unique_ptr<AwaySource>>;
    using SourceMaker = std::function<Sources()>;

    // The desktop's sources: the X screen saver extension (on X11 only), the
    // session bus's screen saver, logind's session.
    explicit AwayWatch(QObject *parent = nullptr);
    // Sources of the caller's making, made at the first start.
    AwayWatch(SourceMaker makeSources, QObject *parent);
    ~AwayWatch() override;

    static constexpr int DefaultIdleMinutes = 15;
    // A lock shorter than this is no absence.
    static constexpr qint64 LockMinimumMs = 60 * 1000;

    // Minutes without input that make an absence; 0 turns watching off (a
    // watch running stops, and start() does nothing).
    void setIdleMinutes(int minutes);
    int idleMinutes() const { return m_idleMinutes; }

    void start();
    // Forgets an absence still open without a word; see openSpan().
    void stop();
    bool watching() const { return m_watching; }

    struct Span {
        QDateTime from;
        QDateTime to;
    };
    // The absence under way, up to now, when it already counts (idle for the
    // limit, or locked for a minute): a recording stopped before the return
    // was noticed can still be asked about.
    std::optional<Span> openSpan() const;
    // Since when the user is away (locked or idle), counted or not yet.
    std::optional<QDateTime> awaySince() const;

signals:
    void back(const QDateTime &from, const QDateTime &to);

private:
    void makeSources();
    void poll();
    void lockChanged(bool locked);
    void idleFor(AwaySource *source, qint64 milliseconds);
    void cameBack(const QDateTime &at);
    bool counts(const QDateTime &from, const QDateTime &to) const;
    void reset();
    void pollSoon(bool soon);

    SourceMaker m_makeSources;
    Sources m_sources;
    bool m_made = false;
    IntervalTimer *m_poll;
    int m_idleMinutes = DefaultIdleMinutes;
    bool m_watching = false;
    // The source whose idle times are used: the first that answered.
    AwaySource *m_idleSource = nullptr;
    std::optional<QDateTime> m_lockedAt;
    std::optional<QDateTime> m_idleFrom;
    // No absence starts before the last return.
    QDateTime m_lastBack;
};

// The local wall clock as the program reads it (TimeDate's clock, which the
// tests set).
QDateTime awayClockNow();

// The span's minutes as the question says them, a part minute counting from
// 31 seconds on, as recorded time counts.
int64_t awaySpanMinutes(const QDateTime &from, const QDateTime &to);

// The question asked on return: "You were away from 10:12 to 10:40 (28
// minutes) while recording Thesis." The minutes are the span's, a part
// minute counting from 31 seconds on, as recorded time counts.
std::string awayQuestionText(const QDateTime &from, const QDateTime &to,
                             const std::string &project);
