// SPDX-License-Identifier: MIT
#pragma once

#include "platform/IntervalTimer.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <string>

class SoundPlayer;
class QWidget;

namespace Ui {
class CountdownPage;
}

// The Timer tab: five preset countdowns and a typed one, the time left shown
// every second, the timer sound and a notice at the end, and the labels
// blanked five seconds after it; a running countdown can be paused, resumed
// and cancelled. It counts whether or not its page has been built: the
// labels' texts are kept here and shown once it is. The sound and its file
// name are the window's, lent for the object's lifetime.
class Countdown : public QObject {
    Q_OBJECT
public:
    Countdown(QWidget *page, SoundPlayer &sound, const std::string &soundFile);
    ~Countdown() override;

    // Makes the page's widgets; the window calls it when the tab is first shown.
    void buildPage();

    // Puts the text into the entry and presses "Specify", with its messages.
    void startTyped(const QString &entry);

    // What the countdown is doing. Idle also after its end, while "Done"
    // is still shown.
    enum class State { Idle, Counting, Paused };
    State state() const;
    // The seconds on the time-left label while counting or paused.
    int32_t secondsLeft() const { return SecondsLeft; }
    // The whole length of the last countdown started.
    int64_t durationSeconds() const { return m_duration; }

    // As "Pause", "Resume" and "Cancel": each does nothing when the countdown
    // is not in a state its button is enabled in.
    void pause();
    void resume();
    void cancel();

signals:
    // The state or the seconds left changed.
    void statusChanged();

private:
    void Sec20();
    void Sec90();
    void Min3();
    void Min4();
    void tenMinutes();
    void Specified();
    void StartCountdown(int64_t seconds);
    void SecondsDisplay();
    void BuzzEm();
    void Clearing();
    void PauseOrResume();
    void CancelCountdown();

    void showLabels(const QString &shortText, const QString &secondText);
    void showControls();

    QWidget *m_page;
    SoundPlayer &m_sound;
    const std::string &TimerSoundFile;
    std::unique_ptr<Ui::CountdownPage> ui;

    IntervalTimer ShortTimer;
    IntervalTimer SecondsTimer;
    IntervalTimer ClearTimer;
    int32_t SecondsLeft = 0;
    int64_t m_duration = 0;
    // Paused: no timer runs, SecondsLeft is what is left.
    bool m_paused = false;
    // The page's texts while it is not built.
    QString m_entry;
    QString m_shortText;
    QString m_secondText;
};
