// SPDX-License-Identifier: MIT
#pragma once

#include "common/TimeDate.h"
#include "platform/IntervalTimer.h"

#include <QObject>
#include <QString>

#include <memory>
#include <string>

class SoundPlayer;
class QWidget;

namespace Ui {
class AlarmPage;
}

// The Alarm tab: one alarm armed for the next occurrence of a typed time of
// day, ringing once with the alarm sound and a notice. It rings whether or
// not its page has been built. The sound and its file name are the window's,
// lent for the object's lifetime.
class AlarmClock : public QObject {
    Q_OBJECT
public:
    AlarmClock(QWidget *page, SoundPlayer &sound, const std::string &soundFile);
    ~AlarmClock() override;

    // Makes the page's widgets; the window calls it when the tab is first shown.
    void buildPage();

    // Puts the text into the entry and presses "Set Alarm", with its messages.
    void setTyped(const QString &entry);

private:
    void SetAlarm();
    void AlarmFires();

    void showLabel(const QString &text);

    QWidget *m_page;
    SoundPlayer &m_sound;
    const std::string &AlarmSoundFile;
    std::unique_ptr<Ui::AlarmPage> ui;

    IntervalTimer AlarmTimer;
    TimeDate AlarmTime;
    // The entry as typed when the alarm was set, for the notice.
    QString m_armedEntry;
    bool m_announced = false;
    // The page's texts while it is not built.
    QString m_entry;
    QString m_label;
};
