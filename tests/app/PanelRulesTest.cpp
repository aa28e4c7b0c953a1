// SPDX-License-Identifier: MIT
#include "app/PanelRules.h"

#include <gtest/gtest.h>

namespace {
using C = Countdown::State;
using A = AlarmClock::State;

RunningNow countdown(C state, int32_t left, int64_t length = 60) {
    return {.countdown = state, .secondsLeft = left, .countdownSeconds = length};
}
RunningNow alarm(A state, const char *time) {
    return {.alarm = state, .alarmTime = time};
}

QStringList menuTexts(const RunningNow &now) {
    QStringList texts;
    for (PanelCommand command : panelMenu(now))
        texts << panelCommandText(command);
    return texts;
}
} // namespace

// The icon shows while something runs, with one line for each and the menu
// commands that apply to it.
TEST(PanelRules, WhatRunsShowsAsLinesAndCommands) {
    const QStringList bare{"Show Window", "Quit"};
    const struct {
        const char *what;
        RunningNow now;
        QStringList lines, menu;
    } cases[] = {
        {"nothing", {}, {}, bare},
        {"counting",
         countdown(C::Counting, 42),
         {"Countdown: 0:42 left"},
         {"Show Window", "Pause", "Cancel", "Quit"}},
        {"paused",
         countdown(C::Paused, 42),
         {"Countdown: paused at 0:42"},
         {"Show Window", "Resume", "Cancel", "Quit"}},
        {"hours",
         countdown(C::Counting, 3725, 4000),
         {"Countdown: 1:02:05 left"},
         {"Show Window", "Pause", "Cancel", "Quit"}},
        {"armed", alarm(A::Armed, "7:00 AM"), {"Alarm at 7:00 AM"}, bare},
        {"ringing",
         alarm(A::Ringing, "19:30"),
         {"Alarm at 19:30"},
         {"Show Window", "Snooze", "Stop", "Quit"}},
        {"stopwatch",
         {.stopwatchRunning = true, .stopwatchTenths = 653},
         {"Stopwatch: 01:05.3"},
         bare},
        {"stopwatch stopped", {.stopwatchTenths = 653}, {}, bare},
        {"recording",
         {.recording = true, .project = "Thesis", .recordedSeconds = 65},
         {"Recording Thesis: 1:05"},
         {"Show Window", "Stop Recording", "Quit"}},
        {"all at once",
         {C::Paused, 42, 60, A::Ringing, "19:30", true, 653, true, "Thesis", 65},
         {"Countdown: paused at 0:42", "Alarm at 19:30", "Stopwatch: 01:05.3",
          "Recording Thesis: 1:05"},
         {"Show Window", "Resume", "Cancel", "Snooze", "Stop", "Stop Recording", "Quit"}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(panelShown(c.now), !c.lines.isEmpty()) << c.what;
        EXPECT_EQ(panelToolTipLines(c.now), c.lines) << c.what;
        EXPECT_EQ(menuTexts(c.now), c.menu) << c.what;
    }
}

// The bar shows the share of a running or paused countdown that has passed;
// only a ringing alarm asks for attention.
TEST(PanelRules, ProgressAndAttention) {
    const struct {
        const char *what;
        RunningNow now;
        std::optional<double> progress;
        bool urgent;
    } cases[] = {
        {"nothing", {}, std::nullopt, false},
        {"started", countdown(C::Counting, 60), 0.0, false},
        {"a quarter", countdown(C::Counting, 45), 0.25, false},
        {"paused half way", countdown(C::Paused, 30), 0.5, false},
        {"no length", countdown(C::Counting, 0, 0), 1.0, false},
        {"snoozed", alarm(A::Snoozed, "7:10 AM"), std::nullopt, false},
        {"ringing", alarm(A::Ringing, "7:00 AM"), std::nullopt, true},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(countdownProgress(c.now), c.progress) << c.what;
        EXPECT_EQ(alarmWantsAttention(c.now), c.urgent) << c.what;
    }
}
