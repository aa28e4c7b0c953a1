// SPDX-License-Identifier: MIT
#pragma once

#include "common/TimeDate.h"
#include "options/GeneralOption.h"
#include "platform/IntervalTimer.h"
#include "platform/MediaPlayer.h"

#include <QMainWindow>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class SQLite;

namespace Ui {
class TMainForm;
}

// The main window: five tabs (timer, alarm, stopwatch, time record, clock),
// the menu bar, the seven interval timers and the media player, with the
// window's data fields. Start-up, shut-down, resizing, the menu commands and
// sound playback are defined in src/app; each tab's handlers live in the
// folder of their feature. Fields and handlers are public, as the tabs'
// handlers and the tests work on them directly.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    // Start-up, shut-down, layout and menu commands.
    void Creator();
    void SaveIni();
    void CloseQ();
    void Closer();
    void Sizing();
    void AllDone();
    void ShowOptions();
    void AboutMe();
    void Warrant();
    void UserLogger();

    // Sound playback and speaker unmute.
    void UnmuteSpeakers();
    void PlaySoundFile(const std::string &file);
    void PlaySoundFileUnguarded(const std::string &file);
    void TestTimerSound();
    void TestAlarmSound();

    // Countdown (Timer tab).
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

    // Alarm, stopwatch and clock tabs.
    void SetAlarm();
    void AlarmFires();
    void Start_Or_Stop();
    void SWSecond();
    void StopTheWatch();
    void ClockEnter();
    void ClockSecond();
    void ClockMouse();
    static std::string NumberWords(int n);
    static std::string RomanNumeral(int n);

    // Clock style menu commands: each only sets ClockStyle.
    void text24();
    void Text12hour1Click();
    void Roman24();
    void Roman12();
    void Binary1Click();
    void Digits24hour1Click();
    void Digits12hour1Click();

    // Project database and Time Record tab.
    void openProjectDatabase();
    bool fillProjectList();
    void appendProjectName(const std::string &name);
    void appendProjectNames(const QStringList &names);
    bool projectDatabaseOpen() const;
    void reportNoDatabase();
    bool ExecuteCommand(const std::string &sql);
    int QueryNumber(const std::string &sql);
    int32_t NewProject();
    void LookupProject();
    void RecordTime();
    void ProjectClick();
    void RecordSecond();
    void Pauser();
    void GetMinutes();
    void ShowSchema();
    void StartClient();
    // The connection is closed by the project handlers, so that this header
    // needs only the name of the database class.
    struct CloseDatabase {
        void operator()(SQLite *database) const;
    };
    std::unique_ptr<SQLite, CloseDatabase> Database;
    // The absolute path of the database file once it is open, for the SQL client.
    std::string databasePath;
    // Start-up ended before the database step because no alarm sound was set.
    bool NoAlarmSoundAtStart = false;

    // Keeping a recording safe: its journal, the store that moves past a
    // taken start second, the recovery at start-up and the quiet end of the
    // process. Defined in src/projects/RecordingSafety.cpp.
    bool databaseWritable() const;
    std::optional<int32_t> findProject(const std::string &name);
    bool storeTimesRow(int32_t project, int64_t minutes, const TimeDate &start,
                       const std::string &note);
    void journalRecording();
    void dropRecordingJournal();
    void recoverRecordings();
    // Stores a recording as closing does, with no message box, and closes
    // the window: the process is asked to end.
    void endQuietly();
    std::string RecordingJournal;
    std::string RecordingName;
    uint32_t JournalTicks = 0;
    // Counted seconds between two journal writes.
    uint32_t JournalInterval = 60;
    // Set by a store that failed: the counters, TRStart, ProjectId and the
    // journal still hold that recording.
    bool StoreKept = false;
    // No message box may hold up the end of the process.
    bool QuietStore = false;

    // The folder of the options file: $XDG_CONFIG_HOME when it is an absolute
    // path, else $HOME/.config.
    static std::string configFolder();

    std::unique_ptr<Ui::TMainForm> ui;

    IntervalTimer ShortTimer;
    IntervalTimer SecondsTimer;
    IntervalTimer ClearTimer;
    IntervalTimer AlarmTimer;
    IntervalTimer ClockTimer;
    IntervalTimer SWTimer;
    IntervalTimer TRTimer;

    MediaPlayer MediaPlayer1;

    std::string WindowsDir;
    int32_t SecondsLeft = 0;
    uint32_t SWHours = 0;
    uint32_t SWMinutes = 0;
    uint32_t SWSeconds = 0;
    uint32_t SWTenths = 0;
    uint32_t TRSeconds = 0;
    uint32_t TRMinutes = 0;
    uint32_t TRHours = 0;
    TimeDate AlarmTime;
    TimeDate TRStart;
    TimeDate ClockNow;
    bool SWRunning = false;
    bool Recording = false;
    bool Paused = false;
    std::string AlarmSoundFile;
    std::string TimerSoundFile;
    int32_t ProjectId = 0;
    int8_t ClockStyle = 0;

    // Options: the records the options editor edits, bound to the two
    // sound-file names above.
    std::vector<GeneralOption> OptionList;
    // Their values as start-up read them: exit warns about a failed save only
    // when this run changed one of them.
    std::vector<std::string> OptionsAsRead;

signals:
    // The main window has closed: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void setBlankCaptions();
    void applyFonts();
    void bindHandlers();
    void bindMenus();
    void bindTimers();
};
