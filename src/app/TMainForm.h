// SPDX-License-Identifier: MIT
#pragma once

#include "options/AwayMinutes.h"
#include "options/GeneralOption.h"
#include "platform/SoundPlayer.h"

#include <QMainWindow>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class AlarmClock;
class ProjectStore;
class ClockFace;
class Countdown;
class HistoryWindow;
class PanelController;
class Stopwatch;
class TimeRecorder;
class TotalsWindow;

namespace Ui {
class TMainForm;
}

// The main window: the menu bar and its commands, the tabs, start-up,
// shut-down and sizing. Each tab is a feature object of its own (countdown,
// alarm, stopwatch, time record, clock) that owns its page, its timers and
// its handlers; the window makes them, lends them the sound player and the
// sound file names, builds each page when its tab is first shown, and tells
// them what the menu and the command line ask.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    // The folder of the options file: $XDG_CONFIG_HOME when it is an absolute
    // path, else $HOME/.config.
    static std::string configFolder();

    // What the command line asks: the tab to show ("timer", "alarm",
    // "stopwatch", "record", "clock"), a countdown typed as in its entry and
    // an alarm typed as in its entry, with the buttons' messages.
    void showTab(const QString &name);
    void startCountdown(const QString &entry);
    void setAlarm(const QString &entry);
    // The countdown's "Pause", "Resume" and "Cancel", as the buttons do;
    // nothing when its button would be disabled.
    void pauseCountdown();
    void resumeCountdown();
    void cancelCountdown();

    // The project database of this run, which the Time Record tab opens at
    // start-up and the Records menu's windows read and change. It lives as
    // long as the window, and is gone before the window's children: a window
    // that is lent it must not use it while it is destroyed.
    ProjectStore &projectStore() { return *m_projects; }

    // The end of the process without any message box: a recording is stored
    // as closing stores it, any open box is closed, and the window closes.
    void endQuietly();
    // The event loop ends without a close: counted time is stored quietly.
    void storeQuietly();
    // The desktop session is saved: a running recording goes to its journal.
    void saveSession();

    // Minutes without input after which a recording asks about the time away
    // (the options file's AwayMinutes; 0: never).
    int32_t awayMinutes() const { return AwayMinutes; }

signals:
    // The main window has closed: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyFonts();
    void createFeatures();
    void bindMenus();
    void bindTabKeys();
    void buildShownPage();

    // Start-up, shut-down and layout.
    void Creator();
    void SaveIni();
    void CloseQ();
    void Sizing();

    // Menu commands.
    void TestTimerSound();
    void TestAlarmSound();
    void AllDone();
    void ShowOptions();
    void OptionsAccepted();
    void RingUntilStopped();
    void AboutMe();
    void Warrant();
    void UserLogger();
    void text24();
    void Text12hour1Click();
    void Roman24();
    void Roman12();
    void Binary1Click();
    void Digits24hour1Click();
    void Digits12hour1Click();
    void ShowTotals();
    void ShowHistory();
    void AddTime();
    void ExportCsv();

    std::unique_ptr<Ui::TMainForm> ui;
    std::unique_ptr<ProjectStore> m_projects;

    SoundPlayer m_sound;
    std::string m_configFolder;
    std::string AlarmSoundFile;
    std::string TimerSoundFile;
    int32_t AwayMinutes = DefaultAwayMinutes;
    // The records the options editor edits, bound to the two sound-file names.
    std::vector<GeneralOption> OptionList;
    // Their values as start-up read them: exit warns about a failed save only
    // when this run changed one of them.
    std::vector<std::string> OptionsAsRead;
    // Options > Ring Until Stopped, kept as AlarmRepeat=1 while it is on.
    bool AlarmRepeat = false;
    bool AlarmRepeatAsRead = false;
    bool m_followingOptions = false;

    // The tabs, each owned by its page.
    Countdown *m_countdown = nullptr;
    AlarmClock *m_alarm = nullptr;
    Stopwatch *m_stopwatch = nullptr;
    TimeRecorder *m_recorder = nullptr;
    ClockFace *m_clock = nullptr;
    // The records' totals and history, each made when first asked for.
    TotalsWindow *m_totals = nullptr;
    HistoryWindow *m_history = nullptr;
    // The panel icon and the task manager's entry; it reads the tabs, so it
    // goes before them.
    std::unique_ptr<PanelController> m_panel;
};
