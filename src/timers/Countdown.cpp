// SPDX-License-Identifier: MIT
// The Timer tab: five preset countdowns and a typed one, the time left shown
// every second, the timer sound at the end and the labels blanked after it.
#include "app/TMainForm.h"

#include "platform/Dialogs.h"
#include "platform/Notifier.h"
#include "timers/CountdownRules.h"
#include "ui_TMainForm.h"

#include <limits>

void TMainForm::Sec20() {
    UnmuteSpeakers();
    StartCountdown(20);
}

void TMainForm::Sec90() {
    UnmuteSpeakers();
    StartCountdown(90);
}

void TMainForm::Min3() {
    UnmuteSpeakers();
    StartCountdown(180);
}

void TMainForm::Min4() {
    UnmuteSpeakers();
    StartCountdown(240);
}

void TMainForm::tenMinutes() {
    UnmuteSpeakers();
    StartCountdown(600);
}

void TMainForm::Specified() {
    UnmuteSpeakers();
    const auto seconds = parseCountdownEntry(ui->Edit2->text().toStdString());
    if (!seconds) {
        showMessage("Invalid time entered", "Invalid entry.");
        return;
    }
    StartCountdown(*seconds);
}

void TMainForm::StartCountdown(int64_t seconds) {
    // Typed totals can exceed the 32-bit count; the display then starts from
    // the nearest count it can hold.
    SecondsLeft = static_cast<int32_t>(std::clamp<int64_t>(
        seconds, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
    ui->SecondLabel->setText(QString::number(seconds));
    ShortTimer.setEnabled(false);
    ShortTimer.setInterval(countdownInterval(seconds));
    ShortTimer.setEnabled(true);
    ui->ShortLabel->setText("Counting...");
    ClearTimer.setEnabled(false);
    SecondsTimer.setEnabled(false);
    SecondsTimer.setEnabled(true);
}

void TMainForm::SecondsDisplay() {
    // The end timer runs on the boot clock, so what it has left is the time
    // really left, a sleep included.
    std::optional<int64_t> msToEnd;
    if (ShortTimer.isArmed())
        msToEnd = ShortTimer.remaining();
    SecondsLeft = countdownNextCount(SecondsLeft, msToEnd);
    ui->SecondLabel->setText(QString::fromStdString(countdownText(SecondsLeft)));
}

void TMainForm::BuzzEm() {
    ShortTimer.setEnabled(false);
    PlaySoundFile(TimerSoundFile);
    announceCountdownEnd(this, ShortTimer.interval());
    ui->ShortLabel->setText("Done");
    ui->SecondLabel->setText("0");
    SecondsTimer.setEnabled(false);
    ClearTimer.setEnabled(true);
}

void TMainForm::Clearing() {
    ui->ShortLabel->setText(" ");
    ui->SecondLabel->setText(" ");
    ClearTimer.setEnabled(false);
}
