// SPDX-License-Identifier: MIT
#pragma once

#include "clock/ClockRules.h"
#include "common/TimeDate.h"
#include "platform/IntervalTimer.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>

class QWidget;

namespace Ui {
class ClockPage;
}

// The Clock tab: the time of day rewritten every second in one of seven
// styles, started by the first focus inside the tabs and stepped to the next
// style by a click. It ticks whether or not its page has been built; the
// window chooses the style from its menu and hands the page its size.
class ClockFace : public QObject {
    Q_OBJECT
public:
    explicit ClockFace(QWidget *page);
    ~ClockFace() override;

    // Makes the page's widgets; the window calls it when the tab is first shown.
    void buildPage();

    void setStyle(ClockStyleCode style);

    // The box fills the tabs' area, its text growing with it.
    void fitTo(int width, int height);

    // Focus entered the tabs: the clock starts, or redraws.
    void ClockEnter();

private:
    void ClockSecond();
    void ClockMouse();

    void fitBox();

    QWidget *m_page;
    std::unique_ptr<Ui::ClockPage> ui;

    IntervalTimer ClockTimer;
    TimeDate ClockNow;
    int8_t ClockStyle = ClockText24Hour;
    QString m_line;
    int m_width = -1;
    int m_height = -1;
};
