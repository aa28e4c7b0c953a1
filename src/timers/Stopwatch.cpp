// SPDX-License-Identifier: MIT
#include "timers/Stopwatch.h"

#include "platform/Accessibility.h"
#include "platform/Widgets.h"
#include "timers/StopwatchRules.h"
#include "ui_StopwatchPage.h"

Stopwatch::Stopwatch(QWidget *page) : QObject(page), m_page(page), SWTimer(this, 100) {
    SWTimer.setObjectName("SWTimer");
    SWTimer.setHandler([this] { SWSecond(); });
}

Stopwatch::~Stopwatch() = default;

void Stopwatch::buildPage() {
    if (ui)
        return;
    ui = std::make_unique<Ui::StopwatchPage>();
    ui->setupUi(m_page);
    // Larger than the window's font.
    for (QWidget *widget :
         {static_cast<QWidget *>(ui->StopLabel), static_cast<QWidget *>(ui->Button8),
          static_cast<QWidget *>(ui->Button9)})
        setPixelSize(widget, 19);
    bindHandler(this, ui->Button8, &Stopwatch::Start_Or_Stop);
    bindHandler(this, ui->Button9, &Stopwatch::StopTheWatch);
    describeStatus(ui->StopLabel, "Stopwatch time", "Time on the stopwatch");
    showState();
}

void Stopwatch::showState() {
    if (!ui)
        return;
    if (!m_shown.isNull())
        ui->StopLabel->setText(m_shown);
    ui->Button8->setText(SWRunning ? "Stop" : "Start");
}

void Stopwatch::Start_Or_Stop() {
    SWRunning = !SWRunning;
    SWTimer.setEnabled(SWRunning);
    showState();
}

void Stopwatch::SWSecond() {
    StopwatchCount count{SWHours, SWMinutes, SWSeconds, SWTenths};
    stopwatchTick(count);
    SWHours = count.hours;
    SWMinutes = count.minutes;
    SWSeconds = count.seconds;
    SWTenths = count.tenths;
    m_shown = QString::fromStdString(stopwatchText(count));
    showState();
}

void Stopwatch::StopTheWatch() {
    SWTimer.setEnabled(false);
    SWRunning = false;
    StopwatchCount count;
    stopwatchClear(count);
    SWHours = count.hours;
    SWMinutes = count.minutes;
    SWSeconds = count.seconds;
    SWTenths = count.tenths;
    SWSecond();
}
