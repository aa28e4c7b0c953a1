// SPDX-License-Identifier: MIT
#include "app/PanelController.h"

#include "platform/LauncherEntry.h"
#include "platform/PanelIcon.h"
#include "projects/TimeRecorder.h"
#include "timers/AlarmClock.h"
#include "timers/Countdown.h"
#include "timers/Stopwatch.h"

#include <QMainWindow>

PanelController::PanelController(QMainWindow *window, Countdown *countdown, AlarmClock *alarm,
                                 Stopwatch *stopwatch, TimeRecorder *recorder)
    : m_window(window), m_countdown(countdown), m_alarm(alarm), m_stopwatch(stopwatch),
      m_recorder(recorder) {
    connect(countdown, &Countdown::statusChanged, this, &PanelController::refresh);
    connect(alarm, &AlarmClock::stateChanged, this, &PanelController::refresh);
    connect(stopwatch, &Stopwatch::changed, this, &PanelController::stopwatchChanged);
    connect(recorder, &TimeRecorder::recordingChanged, this, &PanelController::refresh);
}

PanelController::~PanelController() = default;

void PanelController::stopwatchChanged() {
    const bool running = m_stopwatch->running();
    const uint64_t tenths = m_stopwatch->tenths();
    constexpr uint64_t tenthsPerSecond = 10;
    if (running == m_stopwatchShownRunning && tenths >= m_stopwatchShownTenths &&
        tenths < m_stopwatchShownTenths + tenthsPerSecond)
        return;
    m_stopwatchShownRunning = running;
    m_stopwatchShownTenths = tenths;
    refresh();
}

RunningNow PanelController::runningNow() const {
    RunningNow now;
    now.countdown = m_countdown->state();
    now.secondsLeft = m_countdown->secondsLeft();
    now.countdownSeconds = m_countdown->durationSeconds();
    now.alarm = m_alarm->state();
    now.alarmTime = m_alarm->timeText();
    now.stopwatchRunning = m_stopwatchShownRunning;
    now.stopwatchTenths = m_stopwatchShownTenths;
    now.recording = m_recorder->recording();
    now.project = m_recorder->recordingProject();
    now.recordedSeconds = m_recorder->recordedSeconds();
    return now;
}

void PanelController::refresh() {
    const RunningNow now = runningNow();
    const bool shown = panelShown(now);
    if (shown && !m_icon)
        m_icon = new PanelIcon(m_window, this);
    if (m_icon) {
        if (shown) {
            std::vector<PanelMenuEntry> menu;
            for (PanelCommand command : panelMenu(now))
                menu.push_back({panelCommandText(command), [this, command] { run(command); }});
            m_icon->show(panelToolTipLines(now), std::move(menu));
        } else {
            m_icon->hide();
        }
    }
    const std::optional<double> progress = countdownProgress(now);
    const bool urgent = alarmWantsAttention(now);
    if ((progress || urgent) && !m_launcher)
        m_launcher = new LauncherEntry(this);
    if (m_launcher) {
        m_launcher->setProgress(progress);
        m_launcher->setUrgent(urgent);
    }
}

// The window's close is File's exit: a recording is stored, and the
// program ends.
void PanelController::run(PanelCommand command) {
    switch (command) {
    case PanelCommand::ShowWindow:
        m_icon->raiseWindow();
        break;
    case PanelCommand::PauseCountdown:
        m_countdown->pause();
        break;
    case PanelCommand::ResumeCountdown:
        m_countdown->resume();
        break;
    case PanelCommand::CancelCountdown:
        m_countdown->cancel();
        break;
    case PanelCommand::SnoozeAlarm:
        m_alarm->snooze();
        break;
    case PanelCommand::StopAlarm:
        m_alarm->stop();
        break;
    case PanelCommand::StopRecording:
        m_recorder->stopRecording();
        break;
    case PanelCommand::Quit:
        m_window->close();
        break;
    }
}
