// SPDX-License-Identifier: MIT
#pragma once

#include "common/TimeDate.h"
#include "platform/IntervalTimer.h"
#include "projects/RecordingJournal.h"
#include "projects/TimesRow.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <QDateTime>

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>

class AwayWatch;
class ProjectStore;
class QWidget;

namespace Ui {
class TimeRecordPage;
}

// The Time Record tab: recordings of work time against named projects,
// stored as minutes through the project store it is lent, paused and resumed,
// summed since a date, and opened in an SQL client. It opens the store at
// start-up, keeps a running recording safe in a journal beside the database
// while it counts (the store notes in it the row it chose), and has what a
// previous run left unstored recovered. Its project list and shown minutes
// follow the store's changes, whichever window made them. While a recording
// counts it watches for the user away from the desk, and on the return asks
// whether to keep that time. It counts whether or not its page has been
// built: the project list, the entries and the labels are kept here until it
// is.
class TimeRecorder : public QObject {
    Q_OBJECT
public:
    // The store must outlive the tab.
    TimeRecorder(QWidget *page, ProjectStore &store);
    ~TimeRecorder() override;

    // Makes the page's widgets; the window calls it when the tab is first shown.
    void buildPage();

    // Start-up's database step: creates and opens the database, lists the
    // projects, sets the date to today and recovers left-over recordings.
    void openProjectDatabase();
    // Start-up ended before the database step because no alarm sound was set:
    // the user is told how to get the database.
    void skipDatabaseForWantOfAlarmSound() { NoAlarmSoundAtStart = true; }
    // The alarm sound is set now: the database step start-up skipped runs,
    // once.
    void alarmSoundSet();

    // Minutes without input after which the time away is asked about (a
    // lock counts from a minute on); 0 never asks.
    void setAwayMinutes(int minutes);

    // How the program closes: its window closes, or the process ends without
    // any box (a signal, or the event loop ending without a close).
    enum class Closing { Window, Quietly };
    // The program is closing: a recording still counted, or paused, is
    // stored; one whose store fails is kept in its journal for the next start.
    // Quietly, the journal is brought up to date first and no box is shown.
    void programClosing(Closing how);
    // The desktop session is saved: a running recording goes to its journal.
    void saveSession();

    // The project box's text, for the records' windows.
    QString currentProject() const { return projectText(); }

    // A project was renamed, or merged into `newName`, elsewhere: the box
    // and the minutes shown for the old name go over to the new one.
    void followRename(const QString &name, const QString &newName);

    // A recording that runs (paused or not), its project and what it has
    // counted; "Stop" for it, as the button does.
    bool recording() const { return Recording; }
    QString recordingProject() const { return QString::fromStdString(RecordingName); }
    uint32_t recordedSeconds() const { return (TRHours * 60 + TRMinutes) * 60 + TRSeconds; }
    void stopRecording();

signals:
    // A recording started, stopped or counted a second.
    void recordingChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setDateFieldsToToday();
    void journalRecording();
    bool journalRow(const TimesRow &row);
    void ProjectClick();
    void finishStop();
    void RecordSecond();
    void Pauser();
    void GetMinutes();
    void refreshShownMinutes();
    void ShowSchema();
    void StartClient();

    void LookupProject();
    void RecordTime();
    // Counted time not stored yet, a paused recording's included.
    bool hasCountedTime() const { return TRHours || TRMinutes || TRSeconds; }
    enum class ProjectListing { Complete, QueryFailed, NameNotText };
    ProjectListing fillProjectList();
    void followProjectNames();
    void showProjectNames(const QStringList &names);
    QStringList projectNames() const;
    void reportNoDatabase();
    void dropRecordingJournal();

    void userBack(const QDateTime &from, const QDateTime &to);
    void endAwayWatch();
    void askAboutAwayTime();
    void discardAwayMinutes(int64_t minutes);

    void makeAccessible();
    // What the page shows, read from its widgets once it is built.
    QString projectText() const;
    int dateField(int index) const;
    void showElapsed(const QString &text);
    void showButtons();
    void showRecordingProject();

    QWidget *m_page;
    std::unique_ptr<Ui::TimeRecordPage> ui;

    ProjectStore &m_store;
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
    // The program is closing: a store that fails now waits for the next start.
    bool m_closing = false;

    // Watches while a recording counts; the spans it told wait here for
    // their question, one box at a time, each with the count it belongs to.
    AwayWatch *m_away;
    struct AwaySpan {
        QDateTime from;
        QDateTime to;
        uint64_t count;
    };
    std::deque<AwaySpan> m_awaySpans;
    bool m_askingAway = false;
    // Stop came while the question was open: the answer decides what it stores.
    bool m_stopAfterQuestion = false;
    // Which stored count the counters hold: an answer that comes after its
    // time was stored must not take minutes from the next recording.
    uint64_t m_countNumber = 0;

    // The page's contents while it is not built.
    QStringList m_projectNames;
    QString m_elapsed;
    QString m_dateFields[3];
    QString m_minutes;
    QString m_recordingText;
    // The project whose minutes the label shows, and the day it counts from.
    std::string m_minutesProject;
    int m_minutesSince[3] = {};
};
