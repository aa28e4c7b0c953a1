// SPDX-License-Identifier: MIT
#include "app/PanelRules.h"

#include "timers/StopwatchRules.h"

#include <QCoreApplication>

#include <algorithm>

// The indicator's own words, together so that they can be translated in one
// place.
namespace {
QString countdownLeftLine(const QString &time) {
    return QCoreApplication::translate("PanelRules", "Countdown: %1 left").arg(time);
}
QString countdownPausedLine(const QString &time) {
    return QCoreApplication::translate("PanelRules", "Countdown: paused at %1").arg(time);
}
QString alarmLine(const QString &time) {
    return QCoreApplication::translate("PanelRules", "Alarm at %1").arg(time);
}
QString stopwatchLine(const QString &time) {
    return QCoreApplication::translate("PanelRules", "Stopwatch: %1").arg(time);
}
QString recordingLine(const QString &project, const QString &time) {
    return QCoreApplication::translate("PanelRules", "Recording %1: %2").arg(project, time);
}
} // namespace

QString panelCommandText(PanelCommand command) {
    switch (command) {
    case PanelCommand::ShowWindow:
        return QCoreApplication::translate("PanelRules", "Show Window");
    case PanelCommand::PauseCountdown:
        return QCoreApplication::translate("PanelRules", "Pause");
    case PanelCommand::ResumeCountdown:
        return QCoreApplication::translate("PanelRules", "Resume");
    case PanelCommand::CancelCountdown:
        return QCoreApplication::translate("PanelRules", "Cancel");
    case PanelCommand::SnoozeAlarm:
        return QCoreApplication::translate("PanelRules", "Snooze");
    case PanelCommand::StopAlarm:
        return QCoreApplication::translate("PanelRules", "Stop");
    case PanelCommand::StopRecording:
        return QCoreApplication::translate("PanelRules", "Stop Recording");
    case PanelCommand::Quit:
        return QCoreApplication::translate("PanelRules", "Quit");
    }
    return {};
}

QString panelDurationText(int64_t seconds) {
    seconds = std::max<int64_t>(seconds, 0);
    const int64_t hours = seconds / 3600;
    const int64_t minutes = seconds / 60 % 60;
    const QString secondsText = QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (hours == 0)
        return QStringLiteral("%1:%2").arg(minutes).arg(secondsText);
    return QStringLiteral("%1:%2:%3")
        .arg(hours)
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(secondsText);
}

bool panelShown(const RunningNow &now) {
    return now.countdown != Countdown::State::Idle || now.alarm != AlarmClock::State::Idle ||
           now.stopwatchRunning || now.recording;
}

QStringList panelToolTipLines(const RunningNow &now) {
    QStringList lines;
    if (now.countdown == Countdown::State::Counting)
        lines << countdownLeftLine(panelDurationText(now.secondsLeft));
    else if (now.countdown == Countdown::State::Paused)
        lines << countdownPausedLine(panelDurationText(now.secondsLeft));
    if (now.alarm != AlarmClock::State::Idle)
        lines << alarmLine(now.alarmTime);
    if (now.stopwatchRunning)
        lines << stopwatchLine(
            QString::fromStdString(stopwatchText(stopwatchCountOf(now.stopwatchTenths))));
    if (now.recording)
        lines << recordingLine(now.project, panelDurationText(now.recordedSeconds));
    return lines;
}

std::vector<PanelCommand> panelMenu(const RunningNow &now) {
    std::vector<PanelCommand> menu{PanelCommand::ShowWindow};
    if (now.countdown == Countdown::State::Counting)
        menu.push_back(PanelCommand::PauseCountdown);
    else if (now.countdown == Countdown::State::Paused)
        menu.push_back(PanelCommand::ResumeCountdown);
    if (now.countdown != Countdown::State::Idle)
        menu.push_back(PanelCommand::CancelCountdown);
    if (now.alarm == AlarmClock::State::Ringing) {
        menu.push_back(PanelCommand::SnoozeAlarm);
        menu.push_back(PanelCommand::StopAlarm);
    }
    if (now.recording)
        menu.push_back(PanelCommand::StopRecording);
    menu.push_back(PanelCommand::Quit);
    return menu;
}

// A countdown of no length has nothing left to pass.
std::optional<double> countdownProgress(const RunningNow &now) {
    if (now.countdown == Countdown::State::Idle)
        return std::nullopt;
    if (now.countdownSeconds <= 0)
        return 1.0;
    const double passed =
        double(now.countdownSeconds - now.secondsLeft) / double(now.countdownSeconds);
    return std::clamp(passed, 0.0, 1.0);
}

bool alarmWantsAttention(const RunningNow &now) {
    return now.alarm == AlarmClock::State::Ringing;
}
