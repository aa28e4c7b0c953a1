// SPDX-License-Identifier: MIT
// Keeping recorded time safe: the journal of a running recording, the store
// that moves past a start second another recording took, and the recovery of a
// recording a previous run left unstored.
#include "projects/TimeRecorder.h"

#include "common/Text.h"
#include "platform/Dialogs.h"
#include "projects/ProjectSql.h"
#include "projects/RecordingJournal.h"
#include "projects/SQLite.h"
#include "projects/TimeRecordRules.h"

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace {
std::string twoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}
} // namespace

// Both the file and its folder: SQLite writes its rollback journal beside the
// file, and the recording's journal lives there too. Checked with the
// effective rights, as the writes themselves will be.
bool TimeRecorder::databaseWritable() const {
    return faccessat(AT_FDCWD, ProjectDatabaseName, W_OK, AT_EACCESS) == 0 &&
           faccessat(AT_FDCWD, ".", W_OK | X_OK, AT_EACCESS) == 0;
}

// The ID stored for a name, without creating it: 0 when the name is not
// there, nothing when the query fails.
std::optional<int32_t> TimeRecorder::findProject(const std::string &name) {
    if (!projectDatabaseOpen())
        return std::nullopt;
    std::unique_ptr<SQLite_Cursor> cursor(Database->Query(projectIdSql(name)));
    if (!cursor)
        return std::nullopt;
    if (!cursor->Next())
        return cursor->MoreRows() ? std::nullopt : std::optional<int32_t>(0);
    return cursor->ColumnInt(0, 0);
}

// The start second is the row's key. A second recording that started in the
// same second (another window) takes the next free second: the minutes are
// what matters. Shows the failure, with `note` after it, unless quiet.
bool TimeRecorder::storeTimesRow(int32_t project, int64_t minutes, const TimeDate &start,
                                 const std::string &note) {
    constexpr int Constraint = 19;
    TimeDate at = start;
    std::string sql = recordTimeSql(project, minutes, at);
    for (int tries = 0; tries < 60; ++tries) {
        if (Database->Execute(sql))
            return true;
        if (Database->Status() != Constraint)
            break;
        at = secondAfter(at);
        sql = recordTimeSql(project, minutes, at);
    }
    if (!QuietStore) {
        // A note after the error reads as a sentence of its own.
        const std::string error = Database->ErrorText();
        showMessage("Error in SQL command: " + sql + " " +
                        (note.empty() ? error : sentence(error)) + note,
                    "SQL error");
    }
    return false;
}

void TimeRecorder::saveSession() {
    if (Recording)
        journalRecording();
}

void TimeRecorder::journalRecording() {
    if (!Journal || ProjectId < 1)
        return;
    JournalTicks = 0;
    Journal->write({ProjectId, RecordingName, TRStart, TRHours, TRMinutes, TRSeconds});
}

void TimeRecorder::dropRecordingJournal() {
    if (Journal)
        Journal->remove();
}

namespace {
std::string recoveredText(int64_t minutes, const std::string &project, const TimeDate &start) {
    return "Recovered " + std::to_string(minutes) + (minutes == 1 ? " minute" : " minutes") +
           " recorded for " + project + " since " + start.DateText() + " " +
           std::to_string(start.Hour()) + ":" + twoDigits(start.Minute()) + ":" +
           twoDigits(start.Second()) + ".";
}
} // namespace

// Every journal no running recording holds is taken, whatever process its
// name says: its time is stored once, under the project its name gives (made
// as Start makes one when the database no longer has it). A journal whose row
// is already stored (the run ended between the insert and the removal) is
// only removed. One that cannot be read is kept aside and said once; one that
// cannot be checked or stored now stays for the next start.
void TimeRecorder::recoverRecordings() {
    removeDeadJournalTemporaries(ProjectDatabaseName);
    std::vector<HeldRecordingJournal> journals = takeRecordingJournals(ProjectDatabaseName);
    TimeDate now;
    now.SetNow();
    RecoveredRows pass;
    std::vector<std::string> unreadable;
    for (HeldRecordingJournal &journal : journals) {
        const std::optional<RecordingJournalEntry> entry = journal.read(now);
        if (!entry) {
            if (journal.setAside()) {
                const std::string &path = journal.path();
                unreadable.push_back(path.starts_with("./") ? path.substr(2) : path);
            }
            continue;
        }
        const int64_t minutes = minutesWorked(entry->hours, entry->minutes, entry->seconds);
        if (minutes <= 0) {
            journal.remove();
            continue;
        }
        const int32_t project = projectIdFor(projectNameOf(entry->project));
        if (project < 1)
            continue;
        const int rows = QueryNumber(storedRowCountSql(project, entry->start));
        if (rows < 0)
            continue;
        if (!pass.alreadyStored(project, entry->start, rows)) {
            if (!storeTimesRow(project, minutes, entry->start, ""))
                continue;
            pass.noteStored(project, entry->start);
            emit timeStored();
            showMessage(recoveredText(minutes, entry->project, entry->start), "Time Record");
        }
        journal.remove();
    }
    if (unreadable.size() == 1)
        showMessage("The recording journal " + unreadable[0] +
                        " cannot be read. It is kept as a .bad file beside it, and nothing was "
                        "stored from it.",
                    "Time Record");
    else if (unreadable.size() > 1)
        showMessage(std::to_string(unreadable.size()) + " recording journals beside " +
                        ProjectDatabaseName +
                        " cannot be read. They are kept as .bad files, and nothing was stored "
                        "from them.",
                    "Time Record");
}
