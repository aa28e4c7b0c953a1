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
// blanked five seconds after it. It counts whether or not its page has been
// built: the labels' texts are kept here and shown once it is. The sound and
// its file name are the window's, lent for the object's lifetime.
class Countdown : public QObject {
    Q_OBJECT
public:
    Countdown(QWidget *page, SoundPlayer &sound, const std::string &soundFile);
    ~Countdown() override;

    // Makes the page's widgets; the window calls it when the tab is first shown.
    void buildPage();

    // Puts the text into the entry and presses "Specify", with its messages.
    void startTyped(const QString &entry);

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

    void showLabels(const QString &shortText, const QString &secondText);

    QWidget *m_page;
    SoundPlayer &m_sound;
    const std::string &TimerSoundFile;
    std::unique_ptr<Ui::CountdownPage> ui;

    IntervalTimer ShortTimer;
    IntervalTimer SecondsTimer;
    IntervalTimer ClearTimer;
    int32_t SecondsLeft = 0;
    // The page's texts while it is not built.
    QString m_entry;
    QString m_shortText;
    QString m_secondText;
};
