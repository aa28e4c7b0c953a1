// SPDX-License-Identifier: MIT
// The Clock tab: the time of day rewritten every second in the chosen style,
// started by the first focus inside the window and stepped by a click.
#include "app/TMainForm.h"

#include "clock/ClockRules.h"
#include "ui_TMainForm.h"

// Enabling an enabled timer changes nothing, so a later entry only redraws
// and the ticks keep their phase.
void TMainForm::ClockEnter() {
    ClockSecond();
    ClockTimer.setEnabled(true);
}

void TMainForm::ClockSecond() {
    ClockNow.SetNow();
    ClockStyle = static_cast<int8_t>(checkedClockStyle(ClockStyle));
    const std::string line =
        clockLine(ClockStyle, ClockNow.Hour(), ClockNow.Minute(), ClockNow.Second());
    // Replacing the whole text leaves the line as the box's only one, whatever
    // was typed into it since the last tick.
    ui->ClockEdit->setPlainText(QString::fromStdString(line));
}

void TMainForm::ClockMouse() {
    ClockStyle = static_cast<int8_t>(nextClockStyle(ClockStyle));
    ClockSecond();
}

std::string TMainForm::NumberWords(int n) {
    return ::NumberWords(n);
}

std::string TMainForm::RomanNumeral(int n) {
    return ::RomanNumeral(n);
}
