// SPDX-License-Identifier: MIT
#pragma once

#include "common/TimeDate.h"
#include "platform/IntervalTimer.h"
#include "projects/RecordingJournal.h"
#include "projects/TimesRowStore.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QWidget;
class SQLite;

namespace Ui {
class TimeRecordPage;
}

// The Time Record tab: recordings of work time against named projects,
// stored as minutes in the project database, paused and resumed, summed since
// a date, and opened in an SQL client. It owns the database and keeps a
// running recording safe: a journal beside the database while it counts, a
// store that moves past a start second another recording took, and the
// recovery at start-up of what a previous run left unstored. It counts
// whether or not its page has been built: the project list, the entries and
// the labels are kept here until it is.
class TimeRecorder : public QObject {
    Q_OBJECT
public:
    explicit TimeRecorder(QWidget *page);
    ~TimeRecorder() override;

    // Makes the page's widgets; the window calls it when the tab is first shown.
    void buildPage();

    // Start-up's database step: creates, opens and lists the database, sets
    // the date to today and recovers left-over recordings.
    void openProjectDatabase();
    // Start-up ended before the database step because no alarm sound was set:
    // the user is told how to get the database.
    void skipDatabaseForWantOfAlarmSound() { NoAlarmSoundAtStart = true; }

    // Counted time not stored yet, a paused recording's included.
    bool hasCountedTime() const { return TRHours || TRMinutes || TRSeconds; }
    // Set by a store that failed: the journal keeps that recording.
    bool storeKept() const { return StoreKept; }
    void RecordTime();

    // The end of the process: stores, or journals, without any message box.
    void beQuiet() { QuietStore = true; }
    // The window closes: a store that fails now waits for the next start.
    void windowClosing() { m_closing = true; }
    // The desktop session is saved: a running recording goes to its journal.
    void saveSession();

    // For the records' windows: the database file once it is open (empty
    // before), the known project names, the project box's text, and time
    // added by hand, stored as Stop stores a recording (false, after a
    // message, when it is not stored).
    const std::string &databaseFile() const { return databasePath; }
    QStringList projectNames() const;
    QString currentProject() const { return projectText(); }
    bool storeAddedTime(const std::string &typedName, const TimeDate &start, int64_t minutes);

    // A recording that runs (paused or not), its project and what it has
    // counted; "Stop" for it, as the button does.
    bool recording() const { return Recording; }
    QString recordingProject() const { return QString::fromStdString(RecordingName); }
    uint32_t recordedSeconds() const { return (TRHours * 60 + TRMinutes) * 60 + TRSeconds; }
    void stopRecording();

signals:
    // A recording or an added time has been stored.
    void timeStored();
    // A recording started, stopped or counted a second.
    void recordingChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setDateFieldsToToday();
    void journalRecording();
    bool journalRow(const TimesRow &row);
    void ProjectClick();
    void RecordSecond();
    void Pauser();
    void GetMinutes();
    void refreshShownMinutes(const std::string &project);
    void ShowSchema();
    void StartClient();

    void LookupProject();
    int32_t projectIdFor(const std::string &name);
    int32_t NewProject(const std::string &name);
    bool ExecuteCommand(const std::string &sql);
    int QueryNumber(const std::string &sql);
    enum class ProjectListing { Complete, QueryFailed, NameNotText };
    ProjectListing fillProjectList();
    bool listsProject(const std::string &name) const;
    void appendProjectName(const std::string &name);
    void appendProjectNames(const QStringList &names);
    bool projectDatabaseOpen() const;
    void reportNoDatabase();
    bool databaseWritable() const;
    std::optional<int32_t> findProject(const std::string &name);
    // The store of one row and, when the row is a journal's, the journal's
    // part in it: `rowChosen` notes the exact row in the journal `journalFd`.
    std::optional<TimesRow>
    storeTimesRow(const TimesRow &row, const std::string &note,
                  const std::function<bool(const TimesRow &)> &rowChosen = {}, int journalFd = -1);
    void dropRecordingJournal();
    void recoverRecordings();

    void makeAccessible();
    // What the page shows, read from its widgets once it is built.
    QString projectText() const;
    int dateField(int index) const;
    void showElapsed(const QString &text);
    void showButtons();

    QWidget *m_page;
    std::unique_ptr<Ui::TimeRecordPage> ui;

    struct CloseDatabase {
        void operator()(SQLite *database) const;
    };
    std::unique_ptr<SQLite, CloseDatabase> Database;
    // The absolute path of the database file once it is open, for the SQL client.
    std::string databasePath;
    bool NoAlarmSoundAtStart = false;

    IntervalTimer TRTimer;
    uint32_t TRSeconds = 0;
    uint32_t TRMinutes = 0;
    uint32_t TRHours = 0;
    TimeDate TRStart;
    bool Recording = false;
    bool Paused = false;
    int32_t ProjectId = 0;

    std::optional<RecordingJournalFile> Journal;
    std::string RecordingName;
    uint32_t JournalTicks = 0;
    // Counted seconds between two journal writes.
    uint32_t JournalInterval = 60;
    // Set by a store that failed: the counters, TRStart, ProjectId and the
    // journal still hold that recording.
    bool StoreKept = false;
    // No message box may hold up the end of the process.
    bool QuietStore = false;
    bool m_closing = false;

    // The page's contents while it is not built.
    QStringList m_projectNames;
    QString m_elapsed;
    QString m_dateFields[3];
    QString m_minutes;
    // The project whose minutes the label shows.
    std::string m_minutesProject;
};
