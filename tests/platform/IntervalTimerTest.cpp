// SPDX-License-Identifier: MIT
#include "platform/IntervalTimer.h"
#include "platform/BootClock.h"
#include "support/MessageRecorder.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

TEST(IntervalTimer, TicksEveryIntervalUntilDisabled) {
    IntervalTimer timer(nullptr, 20);
    int ticks = 0;
    timer.setHandler([&] { ++ticks; });
    timer.setEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 2000));
    timer.setEnabled(false);
    const int stopped = ticks;
    QTest::qWait(80);
    EXPECT_EQ(ticks, stopped);
}

// Ticks counted as fixed steps (the stopwatch) must not fall behind the clock
// when one is delivered late; a tick more than a period late is still one tick.
TEST(IntervalTimer, LateTickKeepsTheScheduleOfTheNextOnes) {
    // Driven on a clock the test sets, so the machine's load plays no part.
    int64_t now = 0;
    setBootClockSource([&] { return now; });
    IntervalTimer timer(nullptr, 200);
    timer.setClock(TimerClock::Boot);
    std::vector<int64_t> ticks;
    timer.setHandler([&] { ticks.push_back(now); });
    timer.setEnabled(true);
    for (const int64_t at : {290, 399, 400, 850, 1049, 1050}) {
        now = at;
        timer.check();
    }
    // The first tick came 90 ms late and the second was still due at 400; of
    // two periods missed, one tick, and the next period counts from it.
    EXPECT_EQ(ticks, (std::vector<int64_t>{290, 400, 850, 1050}));
    setBootClockSource({});
}

TEST(IntervalTimer, ZeroIntervalNeverTicks) {
    IntervalTimer timer(nullptr, 0);
    int ticks = 0;
    timer.setHandler([&] { ++ticks; });
    timer.setEnabled(true);
    EXPECT_FALSE(timer.isArmed());
    QTest::qWait(50);
    EXPECT_EQ(ticks, 0);
}

TEST(IntervalTimer, SameValueKeepsThePeriodNewValueRestartsIt) {
    IntervalTimer timer(nullptr, 300);
    int ticks = 0;
    timer.setHandler([&] { ++ticks; });
    timer.setEnabled(true);
    QTest::qWait(150);
    timer.setInterval(300); // same value: the running period goes on
    timer.setEnabled(true);
    EXPECT_LE(timer.remaining(), 160);
    timer.setInterval(400); // a new value counts from now
    EXPECT_GT(timer.remaining(), 350);
    timer.setEnabled(false);
    timer.setEnabled(true); // off and on again also counts from now
    EXPECT_GT(timer.remaining(), 350);
    EXPECT_EQ(ticks, 0);
}

TEST(IntervalTimer, LongIntervalsBeyondQTimersRange) {
    IntervalTimer timer(nullptr, 1000);
    timer.setHandler([] {});
    timer.setInterval(4294967295u);
    timer.setEnabled(true);
    EXPECT_TRUE(timer.isArmed());
    EXPECT_EQ(timer.interval(), 4294967295u);
    EXPECT_GT(timer.remaining(), 4294960000LL);
}

TEST(IntervalTimer, HandlerErrorIsShownAndTheTimerGoesOn) {
    MessageRecorder recorder;
    IntervalTimer timer(nullptr, 10);
    int ticks = 0;
    timer.setHandler([&] {
        ++ticks;
        throw std::runtime_error("boom");
    });
    timer.setEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 2000));
    ASSERT_GE(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.messages[0].text, "boom.");
    EXPECT_EQ(recorder.messages[0].caption, "Timer and Alarm Clock");
    EXPECT_EQ(recorder.messages[0].kind, MessageKind::Exception);
    EXPECT_TRUE(timer.isArmed());
}

// The player's texts already end with a period; they must not get a second.
TEST(ExceptionDisplay, AddsAPeriodOnlyWhenTheMessageLacksOne) {
    MessageRecorder recorder;
    const std::pair<std::string, std::string> cases[] = {
        {"boom", "boom."}, {"The file was not found.", "The file was not found."}, {"", "."}};
    for (const auto &[message, shown] : cases) {
        showException(message);
        EXPECT_EQ(recorder.messages.back().text, shown);
    }
}
