// SPDX-License-Identifier: MIT
#include "timers/Countdown.h"

#include "platform/Accessibility.h"
#include "platform/Dialogs.h"
#include "platform/Notifier.h"
#include "platform/SoundPlayer.h"
#include "platform/Widgets.h"
#include "timers/CountdownRules.h"
#include "ui_CountdownPage.h"

#include <limits>

// The layout file cannot hold a text made of blanks only: the labels start
// with blanks so that they keep their height before anything is shown.
Countdown::Countdown(QWidget *page, SoundPlayer &sound, const std::string &soundFile)
    : QObject(page), m_page(page), m_sound(sound), TimerSoundFile(soundFile), ShortTimer(this),
      SecondsTimer(this, 1000), ClearTimer(this, 5000), m_shortText("      "), m_secondText(" ") {
    ShortTimer.setObjectName("ShortTimer");
    SecondsTimer.setObjectName("SecondsTimer");
    ClearTimer.setObjectName("ClearTimer");
    ShortTimer.setHandler([this] { BuzzEm(); });
    ShortTimer.setClock(TimerClock::Boot); // a countdown's time asleep counts
    SecondsTimer.setHandler([this] { SecondsDisplay(); });
    ClearTimer.setHandler([this] { Clearing(); });
}

Countdown::~Countdown() = default;

void Countdown::buildPage() {
    if (ui)
        return;
    ui = std::make_unique<Ui::CountdownPage>();
    ui->setupUi(m_page);
    if (!m_entry.isNull())
        ui->Edit2->setText(m_entry);
    ui->ShortLabel->setText(m_shortText);
    ui->SecondLabel->setText(m_secondText);

    const auto bind = [this](QPushButton *button, void (Countdown::*handler)()) {
        bindHandler(this, button, handler);
    };
    bind(ui->Button1, &Countdown::Sec20);
    bind(ui->Button2, &Countdown::Sec90);
    bind(ui->Button3, &Countdown::Min3);
    bind(ui->Button4, &Countdown::Min4);
    bind(ui->Button10, &Countdown::tenMinutes);
    bind(ui->Button7, &Countdown::Specified);
    bind(ui->PauseButton, &Countdown::PauseOrResume);
    bind(ui->CancelButton, &Countdown::CancelCountdown);
    // Enter presses the button that has the focus, as Space does.
    for (QPushButton *button : m_page->findChildren<QPushButton *>())
        button->setAutoDefault(true);
    showControls();

    describeInput(ui->Edit2, tr("Countdown duration"),
                  tr("Minutes and seconds, such as 0:30; Enter starts the countdown"));
    describeStatus(ui->ShortLabel, tr("Countdown status"),
                   tr("Whether a countdown runs or is done"));
    describeStatus(ui->SecondLabel, tr("Countdown time left"), tr("Time left on the countdown"));
    pressOnEnter(ui->Edit2, ui->Button7);
}

void Countdown::startTyped(const QString &entry) {
    if (ui)
        ui->Edit2->setText(entry);
    else
        m_entry = entry;
    runGuarded([this] { Specified(); });
}

Countdown::State Countdown::state() const {
    if (m_paused)
        return State::Paused;
    return ShortTimer.enabled() ? State::Counting : State::Idle;
}

void Countdown::pause() {
    if (state() == State::Counting)
        runGuarded([this] { PauseOrResume(); });
}

void Countdown::resume() {
    if (state() == State::Paused)
        runGuarded([this] { PauseOrResume(); });
}

void Countdown::cancel() {
    if (state() != State::Idle)
        runGuarded([this] { CancelCountdown(); });
}

void Countdown::showLabels(const QString &shortText, const QString &secondText) {
    m_shortText = shortText;
    m_secondText = secondText;
    if (ui) {
        ui->ShortLabel->setText(shortText);
        ui->SecondLabel->setText(secondText);
    }
}

// Pause and Cancel work on a countdown that runs or is paused.
void Countdown::showControls() {
    if (!ui)
        return;
    const bool running = state() != State::Idle;
    ui->PauseButton->setEnabled(running);
    ui->PauseButton->setText(m_paused ? tr("Resume") : tr("Pause"));
    ui->CancelButton->setEnabled(running);
}

void Countdown::Sec20() {
    m_sound.UnmuteSpeakers();
    StartCountdown(20);
}

void Countdown::Sec90() {
    m_sound.UnmuteSpeakers();
    StartCountdown(90);
}

void Countdown::Min3() {
    m_sound.UnmuteSpeakers();
    StartCountdown(180);
}

void Countdown::Min4() {
    m_sound.UnmuteSpeakers();
    StartCountdown(240);
}

void Countdown::tenMinutes() {
    m_sound.UnmuteSpeakers();
    StartCountdown(600);
}

void Countdown::Specified() {
    m_sound.UnmuteSpeakers();
    const QString typed = ui ? ui->Edit2->text() : m_entry;
    const auto seconds = parseCountdownEntry(typed.toStdString());
    if (!seconds) {
        showMessage(tr("Invalid time entered").toStdString(), tr("Invalid entry.").toStdString());
        return;
    }
    StartCountdown(*seconds);
}

void Countdown::StartCountdown(int64_t seconds) {
    m_duration = seconds;
    // Typed totals can exceed the 32-bit count; the display then starts from
    // the nearest count it can hold.
    SecondsLeft = static_cast<int32_t>(std::clamp<int64_t>(
        seconds, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
    showLabels(m_shortText, QString::number(seconds));
    ShortTimer.setEnabled(false);
    ShortTimer.setInterval(countdownInterval(seconds));
    ShortTimer.setEnabled(true);
    showLabels(tr("Counting..."), m_secondText);
    ClearTimer.setEnabled(false);
    SecondsTimer.setEnabled(false);
    SecondsTimer.setEnabled(true);
    m_paused = false;
    showControls();
    emit statusChanged();
}

void Countdown::SecondsDisplay() {
    // The end timer runs on the boot clock, so what it has left is the time
    // really left, a sleep included.
    std::optional<int64_t> msToEnd;
    if (ShortTimer.isArmed())
        msToEnd = ShortTimer.remaining();
    SecondsLeft = countdownNextCount(SecondsLeft, msToEnd);
    showLabels(m_shortText, QString::fromStdString(countdownText(SecondsLeft)));
    emit statusChanged();
}

// The notice goes out first: a box the sound may open (no unmute, no file)
// must not keep it from a user who is not looking.
void Countdown::BuzzEm() {
    ShortTimer.setEnabled(false);
    showControls();
    emit statusChanged();
    announceCountdownEnd(m_page->window(), ShortTimer.interval());
    m_sound.PlaySoundFile(TimerSoundFile);
    showLabels(tr("Done"), "0");
    SecondsTimer.setEnabled(false);
    ClearTimer.setEnabled(true);
}

void Countdown::Clearing() {
    showLabels(" ", " ");
    ClearTimer.setEnabled(false);
}

// Paused, no timer runs at all: the end is re-armed at Resume for the seconds
// kept, on the same boot clock, and the display ticks count from there.
void Countdown::PauseOrResume() {
    if (!m_paused) {
        std::optional<int64_t> msToEnd;
        if (ShortTimer.isArmed())
            msToEnd = ShortTimer.remaining();
        SecondsLeft = countdownPausedCount(SecondsLeft, msToEnd);
        ShortTimer.setEnabled(false);
        SecondsTimer.setEnabled(false);
        m_paused = true;
        showLabels(tr("Paused"), QString::fromStdString(countdownText(SecondsLeft)));
    } else {
        m_paused = false;
        ShortTimer.setInterval(countdownInterval(SecondsLeft));
        ShortTimer.setEnabled(true);
        SecondsTimer.setEnabled(true);
        showLabels(tr("Counting..."), m_secondText);
    }
    showControls();
    emit statusChanged();
}

// Ends the countdown without its sound and notice.
void Countdown::CancelCountdown() {
    ShortTimer.setEnabled(false);
    SecondsTimer.setEnabled(false);
    ClearTimer.setEnabled(false);
    m_paused = false;
    showLabels(" ", " ");
    showControls();
    emit statusChanged();
}
