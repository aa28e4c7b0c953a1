// SPDX-License-Identifier: MIT
// The StopWatch tab: start, stop and clear, and the tenths counted by the
// stopwatch timer's ticks.
#include "app/TMainForm.h"

#include "timers/StopwatchRules.h"
#include "ui_TMainForm.h"

void TMainForm::Start_Or_Stop() {
    SWRunning = !SWRunning;
    SWTimer.setEnabled(SWRunning);
    ui->Button8->setText(SWRunning ? "Stop" : "Start");
}

void TMainForm::SWSecond() {
    StopwatchCount count{SWHours, SWMinutes, SWSeconds, SWTenths};
    stopwatchTick(count);
    SWHours = count.hours;
    SWMinutes = count.minutes;
    SWSeconds = count.seconds;
    SWTenths = count.tenths;
    ui->StopLabel->setText(QString::fromStdString(stopwatchText(count)));
}

void TMainForm::StopTheWatch() {
    SWTimer.setEnabled(false);
    SWRunning = false;
    StopwatchCount count;
    stopwatchClear(count);
    SWHours = count.hours;
    SWMinutes = count.minutes;
    SWSeconds = count.seconds;
    SWTenths = count.tenths;
    SWSecond();
    ui->Button8->setText("Start");
}
