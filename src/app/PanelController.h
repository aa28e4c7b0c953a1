// SPDX-License-Identifier: MIT
#pragma once

#include "app/PanelRules.h"

#include <QObject>

#include <cstdint>

class AlarmClock;
class Countdown;
class LauncherEntry;
class PanelIcon;
class QMainWindow;
class Stopwatch;
class TimeRecorder;

// Keeps the panel icon and the task manager's entry in step with the tabs:
// it follows their signals, reads what runs and hands the rules' answers to
// the two desktop services, and carries out the icon's menu on the tabs and
// the window. Neither service is made before something first runs. It must
// go before the tabs it reads: the window holds it, not as a child.
class PanelController : public QObject {
    Q_OBJECT
public:
    PanelController(QMainWindow *window, Countdown *countdown, AlarmClock *alarm,
                    Stopwatch *stopwatch, TimeRecorder *recorder);
    ~PanelController() override;

private:
    void refresh();
    void stopwatchChanged();
    RunningNow runningNow() const;
    void run(PanelCommand command);

    QMainWindow *m_window;
    Countdown *m_countdown;
    AlarmClock *m_alarm;
    Stopwatch *m_stopwatch;
    TimeRecorder *m_recorder;
    PanelIcon *m_icon = nullptr;
    LauncherEntry *m_launcher = nullptr;
    // The stopwatch's count as the tooltip last showed it: it moves on at
    // most once a second, not at every tenth.
    bool m_stopwatchShownRunning = false;
    uint64_t m_stopwatchShownTenths = 0;
};
