// SPDX-License-Identifier: MIT
// Keeping recorded time safe: the journal of a running recording, the store
// that moves past a start second another recording took, and the recovery of a
// recording a previous run left unstored.
#include "projects/TimeRecorder.h"

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
    if (!QuietStore)
        showMessage("Error in SQL command: " + sql + " " + Database->ErrorText() + note,
                    "SQL error");
    return false;
}

void TimeRecorder::saveSession() {
    if (Recording)
        journalRecording();
}

void TimeRecorder::journalRecording() {
    if (RecordingJournal.empty() || ProjectId < 1)
        return;
    JournalTicks = 0;
    writeRecordingJournal(RecordingJournal,
                          {ProjectId, RecordingName, TRStart, TRHours, TRMinutes, TRSeconds});
}

void TimeRecorder::dropRecordingJournal() {
    if (!RecordingJournal.empty())
        std::remove(RecordingJournal.c_str());
}

// A journal whose row is already stored (the run ended between the insert
// and the removal) is only removed. One that cannot be checked or stored now
// stays for the next start.
void TimeRecorder::recoverRecordings() {
    for (const std::string &path : orphanedRecordingJournals(ProjectDatabaseName)) {
        const std::optional<RecordingJournalEntry> entry = readRecordingJournal(path);
        const int64_t minutes =
            entry ? minutesWorked(entry->hours, entry->minutes, entry->seconds) : 0;
        if (entry && entry->projectId > 0 && minutes > 0) {
            const int stored = QueryNumber(storedRowCountSql(entry->projectId, entry->start));
            if (stored < 0 ||
                (stored == 0 && !storeTimesRow(entry->projectId, minutes, entry->start, "")))
                continue;
            if (stored == 0) {
                const TimeDate &s = entry->start;
                showMessage("Recovered " + std::to_string(minutes) + " minutes recorded for " +
                                entry->project + " since " + s.DateText() + " " +
                                std::to_string(s.Hour()) + ":" + twoDigits(s.Minute()) + ":" +
                                twoDigits(s.Second()) + ".",
                            "Time Record");
            }
        }
        std::remove(path.c_str());
    }
}
