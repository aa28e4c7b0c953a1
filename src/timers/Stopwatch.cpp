// SPDX-License-Identifier: MIT
#include "timers/Stopwatch.h"

#include "platform/Accessibility.h"
#include "platform/Widgets.h"
#include "ui_StopwatchPage.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QTreeWidget>

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
    bindHandler(this, ui->LapButton, &Stopwatch::TakeLap);
    // Ctrl+C in the list, and the same command in its context menu.
    auto *copy = new QAction(tr("Copy"), ui->LapList);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    ui->LapList->addAction(copy);
    bindHandler(this, copy, &Stopwatch::CopyLaps);
    ui->LapList->header()->setStretchLastSection(true);
    ui->LapList->setColumnWidth(0, 32);
    ui->LapList->setColumnWidth(1, 76);
    // Enter presses the button that has the focus, as Space does.
    for (QPushButton *button : m_page->findChildren<QPushButton *>())
        button->setAutoDefault(true);
    describeStatus(ui->StopLabel, tr("Stopwatch time"), tr("Time on the stopwatch"));
    showState();
}

void Stopwatch::showState() {
    if (!ui)
        return;
    if (!m_shown.isNull())
        ui->StopLabel->setText(m_shown);
    ui->Button8->setText(SWRunning ? tr("Stop") : tr("Start"));
    ui->LapButton->setEnabled(SWRunning);
}

void Stopwatch::Start_Or_Stop() {
    SWRunning = !SWRunning;
    SWTimer.setEnabled(SWRunning);
    showState();
    emit changed();
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
    emit changed();
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
    m_laps.clear();
    m_lapTotals.clear();
    if (ui)
        ui->LapList->clear();
    SWSecond();
}

// The lap is read off the count the display shows, so its total is the
// display's text at that moment.
void Stopwatch::TakeLap() {
    if (!SWRunning || !ui)
        return;
    const uint64_t total = stopwatchTenths({SWHours, SWMinutes, SWSeconds, SWTenths});
    const StopwatchLap lap = stopwatchLap(m_lapTotals, total);
    m_laps.push_back(lap);
    m_lapTotals.push_back(total);
    auto *row = new QTreeWidgetItem(QStringList{QString::number(lap.number),
                                                QString::fromStdString(lap.lap),
                                                QString::fromStdString(lap.total)});
    ui->LapList->insertTopLevelItem(0, row);
}

// All laps, as the list shows them: newest first.
void Stopwatch::CopyLaps() {
    const std::vector<StopwatchLap> shown(m_laps.rbegin(), m_laps.rend());
    QGuiApplication::clipboard()->setText(QString::fromStdString(stopwatchLapLines(shown)));
}
