// SPDX-License-Identifier: MIT
#include "clock/ClockFace.h"

#include "platform/WidgetWatch.h"
#include "ui_ClockPage.h"

#include <algorithm>

ClockFace::ClockFace(QWidget *page) : QObject(page), m_page(page), ClockTimer(this, 1000) {
    ClockTimer.setObjectName("ClockTimer");
    ClockTimer.setHandler([this] { ClockSecond(); });
}

ClockFace::~ClockFace() = default;

void ClockFace::buildPage() {
    if (ui)
        return;
    ui = std::make_unique<Ui::ClockPage>();
    ui->setupUi(m_page);
    ui->ClockEdit->setAccessibleName(tr("Clock"));
    // Tab moves on to the next control rather than into the clock's text.
    ui->ClockEdit->setTabChangesFocus(true);
    if (!m_line.isNull())
        ui->ClockEdit->setPlainText(m_line);
    onMousePress(ui->ClockEdit->viewport(), [this] { ClockMouse(); });
    fitBox();
}

void ClockFace::setStyle(ClockStyleCode style) {
    ClockStyle = static_cast<int8_t>(style);
}

void ClockFace::fitTo(int width, int height) {
    m_width = width;
    m_height = height;
    fitBox();
}

void ClockFace::fitBox() {
    if (!ui || m_width < 0)
        return;
    ui->ClockEdit->resize(m_width - 5, m_height - 5);
    QFont font = ui->ClockEdit->font();
    font.setPointSize(std::max(1, ui->ClockEdit->width() / 30));
    ui->ClockEdit->setFont(font);
}

// Enabling an enabled timer changes nothing, so a later entry only redraws
// and the ticks keep their phase.
void ClockFace::ClockEnter() {
    ClockSecond();
    ClockTimer.setEnabled(true);
}

void ClockFace::ClockSecond() {
    ClockNow.SetNow();
    ClockStyle = static_cast<int8_t>(checkedClockStyle(ClockStyle));
    m_line = QString::fromStdString(
        clockLine(ClockStyle, ClockNow.Hour(), ClockNow.Minute(), ClockNow.Second()));
    // Replacing the whole text leaves the line as the box's only one, whatever
    // was typed into it since the last tick.
    if (ui)
        ui->ClockEdit->setPlainText(m_line);
}

void ClockFace::ClockMouse() {
    ClockStyle = static_cast<int8_t>(nextClockStyle(ClockStyle));
    ClockSecond();
}
