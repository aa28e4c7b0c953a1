// SPDX-License-Identifier: MIT
#include "platform/AwayWatch.h"
#include "platform/AwaySources.h"
#include "platform/IntervalTimer.h"

#include "common/TimeDate.h"
#include "support/PrivateBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {
const QDateTime T0(QDate(2026, 3, 9), QTime(10, 12, 0));

QDateTime at(int minutes, int seconds = 0) {
    return T0.addSecs(minutes * 60 + seconds);
}

// The wall clock the watch reads, moved by the test.
class SetClock {
public:
    SetClock() {
        TimeDate::setClockSource([this] {
            const QDate d = now.date();
            const QTime t = now.time();
            return TimeDate(int16_t(d.year()), int16_t(d.month()), int16_t(d.day()),
                            int16_t(t.hour()), int16_t(t.minute()), int16_t(t.second()),
                            int16_t(t.msec()));
        });
    }
    ~SetClock() { TimeDate::setClockSource({}); }
    QDateTime now = T0;
};

// A source the test speaks for.
class FakeSource : public AwaySource {
public:
    void start() override { listening = true; }
    void stop() override { listening = false; }
    void askIdle() override {
        ++asked;
        if (idleMs)
            emit idleFor(*idleMs);
    }
    bool listening = false;
    int asked = 0;
    std::optional<qint64> idleMs;
};

IntervalTimer &pollOf(AwayWatch &watch) {
    return *watch.findChild<IntervalTimer *>("AwayPoll");
}

using Spans = std::vector<std::pair<QDateTime, QDateTime>>;

class Watched {
public:
    Watched()
        : watch(
              [this] {
                  AwayWatch::Sources sources;
                  sources.push_back(std::make_unique<FakeSource>());
                  source = static_cast<FakeSource *>(sources.back().get());
                  ++made;
                  return sources;
              },
              nullptr) {
        QObject::connect(&watch, &AwayWatch::back, [this](const QDateTime &a, const QDateTime &b) {
            spans.emplace_back(a, b);
        });
    }
    void idleAt(QDateTime now, qint64 idleMs) {
        clock.now = now;
        source->idleMs = idleMs;
        pollOf(watch).fire();
    }
    void lockAt(QDateTime now, bool locked) {
        clock.now = now;
        emit source->lockChanged(locked);
    }

    SetClock clock;
    FakeSource *source = nullptr;
    int made = 0;
    AwayWatch watch;
    Spans spans;
};
} // namespace

TEST(AwayQuestion, NamesTheSpanItsMinutesAndTheProject) {
    const struct {
        QDateTime from, to;
        const char *text;
    } cases[] = {
        {at(0), at(28), "You were away from 10:12 to 10:40 (28 minutes) while recording Thesis."},
        {at(-10 * 60 - 12), at(-10 * 60 - 11),
         "You were away from 0:00 to 0:01 (1 minute) while recording Thesis."},
        {at(0, 50), at(28, 10),
         "You were away from 10:12 to 10:40 (27 minutes) while recording "
         "Thesis."},
        {at(0), at(1, 31), "You were away from 10:12 to 10:13 (2 minutes) while recording Thesis."},
    };
    for (const auto &c : cases)
        EXPECT_EQ(awayQuestionText(c.from, c.to, "Thesis"), c.text) << c.text;
}

TEST(AwayWatch, LockOfAMinuteOrMoreIsAnAbsence) {
    Watched w;
    w.watch.start();
    w.lockAt(at(0), true);
    w.lockAt(at(0, 59), false);
    EXPECT_TRUE(w.spans.empty());
    w.lockAt(at(1), true);
    w.lockAt(at(1), true); // a second source's word on the same lock
    EXPECT_FALSE(w.watch.openSpan());
    w.clock.now = at(2);
    ASSERT_TRUE(w.watch.openSpan());
    EXPECT_EQ(w.watch.openSpan()->from, at(1));
    w.lockAt(at(3), false);
    EXPECT_EQ(w.spans, (Spans{{at(1), at(3)}}));
}

TEST(AwayWatch, IdleSpanRunsFromTheLastInputToTheReturn) {
    Watched w;
    w.watch.setIdleMinutes(15);
    w.watch.start();
    w.idleAt(at(16), 14 * 60 * 1000);
    EXPECT_FALSE(w.watch.awaySince());
    w.idleAt(at(18), 16 * 60 * 1000); // no input since 10:14
    EXPECT_EQ(w.watch.awaySince(), at(2));
    w.idleAt(at(30), 28 * 60 * 1000);
    EXPECT_TRUE(w.spans.empty());
    w.idleAt(at(41), 30 * 1000); // a key at 10:52:30
    EXPECT_EQ(w.spans, (Spans{{at(2), at(40, 30)}}));
    // The next absence starts no earlier than this return.
    w.idleAt(at(60), 40 * 60 * 1000);
    EXPECT_EQ(w.watch.awaySince(), at(40, 30));
}

TEST(AwayWatch, LockAndIdleMakeOneSpanAndInputEndsALock) {
    Watched w;
    w.watch.start();
    w.idleAt(at(20), 20 * 60 * 1000);
    w.lockAt(at(25), true);
    w.lockAt(at(40), false);
    EXPECT_EQ(w.spans, (Spans{{at(0), at(40)}}));

    // A lock whose Unlock never comes ends at the first key after it, not
    // at one before it.
    w.lockAt(at(50), true);
    w.idleAt(at(51), 2 * 60 * 1000);
    EXPECT_EQ(w.watch.awaySince(), at(50));
    w.idleAt(at(70), 30 * 1000);
    EXPECT_EQ(w.spans.back(), std::make_pair(at(50), at(69, 30)));
}

TEST(AwayWatch, NothingListensOrAsksWhileNotWatching) {
    Watched w;
    EXPECT_EQ(w.made, 0);
    w.watch.setIdleMinutes(0);
    w.watch.start();
    EXPECT_EQ(w.made, 0);
    EXPECT_FALSE(pollOf(w.watch).isArmed());

    w.watch.setIdleMinutes(15);
    w.watch.start();
    EXPECT_TRUE(w.source->listening);
    EXPECT_TRUE(pollOf(w.watch).isArmed());
    w.idleAt(at(20), 20 * 60 * 1000);
    w.watch.stop();
    EXPECT_FALSE(w.source->listening);
    EXPECT_FALSE(pollOf(w.watch).isArmed());
    EXPECT_FALSE(w.watch.awaySince()); // an open absence is forgotten
    const int asked = w.source->asked;
    w.idleAt(at(40), 20 * 1000);
    w.lockAt(at(41), true);
    w.lockAt(at(45), false);
    EXPECT_EQ(w.source->asked, asked);
    EXPECT_TRUE(w.spans.empty());

    w.watch.start();
    EXPECT_EQ(w.made, 1);
    w.watch.setIdleMinutes(0);
    EXPECT_FALSE(w.source->listening);
}

namespace {
// The session's screen saver as the program sees it: it answers the idle
// time it is given.
class FakeScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    uint idleMs = 0;
    int asked = 0;

public slots:
    uint GetSessionIdleTime() {
        ++asked;
        return idleMs;
    }
};

// logind's manager: this process's session has its own path.
class FakeLogin : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    std::vector<uint> pids;

public slots:
    QDBusObjectPath GetSessionByPID(uint pid) {
        pids.push_back(pid);
        return QDBusObjectPath(QStringLiteral("/org/freedesktop/login1/session/_3"));
    }
};

struct BusWatch {
    BusWatch() {
        QObject::connect(&watch, &AwayWatch::back, [this](const QDateTime &a, const QDateTime &b) {
            spans.emplace_back(a, b);
        });
    }
    // Says the signal until the watch has heard it: its match is added once
    // its own connection is up.
    bool heardLock(const std::function<void()> &say) {
        return QTest::qWaitFor(
            [&] {
                say();
                return watch.awaySince().has_value();
            },
            10000);
    }
    SetClock clock;
    AwayWatch watch;
    Spans spans;
};
} // namespace

TEST(AwayWatchOnTheBus, ScreenSaverLocksAndIdleTimesMakeSpans) {
    PrivateBus bus;
    ASSERT_TRUE(bus.service.isConnected()) << bus.address.toStdString();
    FakeScreenSaver saver;
    bus.offer("org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", &saver);
    BusWatch w;
    w.watch.start();

    ASSERT_TRUE(w.heardLock([&] {
        bus.signal("/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver", "ActiveChanged",
                   {true});
    }));
    w.clock.now = at(5);
    bus.signal("/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver", "ActiveChanged",
               {false});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.spans.empty(); }, 10000));
    EXPECT_EQ(w.spans, (Spans{{at(0), at(5)}}));

    // The lock's signals came, so the connection is up: each tick asks once,
    // and each answer is read before the clock moves on.
    IntervalTimer &poll = pollOf(w.watch);
    w.clock.now = at(30);
    saver.idleMs = 20 * 60 * 1000;
    poll.fire();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.watch.awaySince().has_value(); }, 10000));
    EXPECT_EQ(w.watch.awaySince(), at(10));
    w.clock.now = at(45);
    saver.idleMs = 1000;
    poll.fire();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.spans.size() == 2; }, 10000));
    EXPECT_EQ(w.spans.back(), std::make_pair(at(10), at(44, 59)));

    w.watch.stop();
    const int asked = saver.asked;
    poll.fire();
    QCoreApplication::processEvents();
    EXPECT_EQ(saver.asked, asked);
}

TEST(AwayWatchOnTheBus, LogindLocksTheSessionOfThisProcess) {
    PrivateBus bus;
    ASSERT_TRUE(bus.service.isConnected()) << bus.address.toStdString();
    FakeLogin login;
    bus.offer("org.freedesktop.login1", "/org/freedesktop/login1", &login);
    BusWatch w;
    w.watch.start();
    const QString session = "/org/freedesktop/login1/session/_3";
    const QString interface = "org.freedesktop.login1.Session";

    ASSERT_TRUE(w.heardLock([&] { bus.signal(session, interface, "Lock"); }));
    EXPECT_EQ(login.pids, std::vector<uint>{uint(getpid())});
    w.clock.now = at(12);
    bus.signal(session, interface, "Unlock");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.spans.empty(); }, 10000));
    EXPECT_EQ(w.spans, (Spans{{at(0), at(12)}}));
}

TEST(AwayWatchOnTheBus, WithoutBusOrServiceNothingIsSaid) {
    for (const bool withBus : {false, true}) {
        std::optional<PrivateBus> bus;
        if (withBus)
            bus.emplace();
        BusWatch w;
        w.watch.start();
        IntervalTimer &poll = pollOf(w.watch);
        for (int minute = 20; minute <= 40; minute += 20) {
            w.clock.now = at(minute);
            poll.fire();
            QTest::qWait(200);
        }
        w.watch.stop();
        EXPECT_TRUE(w.spans.empty()) << withBus;
    }
}

#include "AwayWatchTest.moc"
