// SPDX-License-Identifier: MIT
#pragma once

#include "timers/AlarmClock.h"
#include "timers/Countdown.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// What runs at one moment, read off the tabs, and what the panel indicator
// and the task manager's entry make of it: whether the icon shows, its
// tooltip's lines, its menu's commands, the countdown's progress and whether
// the entry asks for attention. No widgets here: the window reads the tabs
// and hands the results to the desktop services.
struct RunningNow {
    Countdown::State countdown = Countdown::State::Idle;
    int32_t secondsLeft = 0;
    // The whole length of the countdown that runs.
    int64_t countdownSeconds = 0;
    AlarmClock::State alarm = AlarmClock::State::Idle;
    // In the alarm entry's own form ("7:00 AM", "19:30").
    QString alarmTime{};
    bool stopwatchRunning = false;
    uint64_t stopwatchTenths = 0;
    bool recording = false;
    QString project{};
    uint32_t recordedSeconds = 0;
};

enum class PanelCommand {
    ShowWindow,
    PauseCountdown,
    ResumeCountdown,
    CancelCountdown,
    SnoozeAlarm,
    StopAlarm,
    StopRecording,
    Quit,
};

// The icon shows while anything runs: a countdown counting or paused, an
// alarm set, snoozed or ringing, the stopwatch running, a recording.
bool panelShown(const RunningNow &now);
// One line for each thing that runs, in the tabs' order.
QStringList panelToolTipLines(const RunningNow &now);
// "Show Window" first and "Quit" last, the commands that apply between.
std::vector<PanelCommand> panelMenu(const RunningNow &now);
QString panelCommandText(PanelCommand command);

// The share of a counting or paused countdown that has passed, from 0 to 1;
// none when no countdown runs.
std::optional<double> countdownProgress(const RunningNow &now);
// A ringing alarm wants the user's attention until stopped or snoozed.
bool alarmWantsAttention(const RunningNow &now);

// "0:42", "1:05", "1:00:00": minutes and seconds, hours in front once there
// are hours.
QString panelDurationText(int64_t seconds);
