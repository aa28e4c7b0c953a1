// SPDX-License-Identifier: MIT
#pragma once

#include "platform/IntervalTimer.h"
#include "timers/StopwatchRules.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class QWidget;

namespace Ui {
class StopwatchPage;
}

// The StopWatch tab: start, stop and clear, counting tenths of a second, and
// laps taken on the same count, listed newest first and copied as text. It
// counts whether or not its page has been built.
class Stopwatch : public QObject {
    Q_OBJECT
public:
    explicit Stopwatch(QWidget *page);
    ~Stopwatch() override;

    // Makes the page's widgets; the window calls it when the tab is first shown.
    void buildPage();

    bool running() const { return SWRunning; }
    // The count the display shows, in tenths of a second.
    uint64_t tenths() const { return stopwatchTenths({SWHours, SWMinutes, SWSeconds, SWTenths}); }

signals:
    // Started, stopped, cleared or counted a tenth.
    void changed();

private:
    void Start_Or_Stop();
    void SWSecond();
    void StopTheWatch();
    void TakeLap();
    void CopyLaps();

    void showState();

    QWidget *m_page;
    std::unique_ptr<Ui::StopwatchPage> ui;

    IntervalTimer SWTimer;
    uint32_t SWHours = 0;
    uint32_t SWMinutes = 0;
    uint32_t SWSeconds = 0;
    uint32_t SWTenths = 0;
    bool SWRunning = false;
    // The display's text once the watch has counted; until then the page's own.
    QString m_shown;
    // The laps, oldest first, and the count each was taken at.
    std::vector<StopwatchLap> m_laps;
    std::vector<uint64_t> m_lapTotals;
};
