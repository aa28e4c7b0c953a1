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
// what matters. Seconds the journals of unfinished stores chose are passed
// over too. Shows the failure, with `note` after it, unless quiet.
std::optional<TimesRow>
TimeRecorder::storeTimesRow(const TimesRow &row, const std::string &note,
                            const std::function<bool(const TimesRow &)> &rowChosen, int journalFd) {
    const TimesRowSeams seams{
        [journalFd] { return rowSecondsChosenByJournals(ProjectDatabaseName, journalFd); },
        rowChosen};
    const TimesRowStored result = storeTimesRowAtFreeSecond(*Database, row, seams);
    if (result.stored)
        return result.row;
    if (!QuietStore) {
        // A note after the error reads as a sentence of its own.
        const std::string &error = result.error;
        showMessage("Error in SQL command: " + result.sql + " " +
                        (note.empty() ? error : sentence(error)) + note,
                    "SQL error");
    }
    return std::nullopt;
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

// The row Stop is about to insert, noted in the journal inside the store's
// transaction: a run ended after the insert leaves a journal whose row the
// next start finds. Without a journal to note it in, the row is not stored.
bool TimeRecorder::journalRow(const TimesRow &row) {
    if (!Journal)
        return false;
    RecordingJournalEntry entry{ProjectId, RecordingName, TRStart, TRHours, TRMinutes, TRSeconds};
    entry.row = RecordingJournalRow{row.start, row.minutes};
    return Journal->write(entry);
}

void TimeRecorder::dropRecordingJournal() {
    if (Journal)
        Journal->remove();
}

namespace {
std::string recoveredText(int64_t minutes, const std::string &project, const TimeDate &start) {
    return "Recovered " + std::to_string(minutes) + (minutes == 1 ? " minute" : " minutes") +
           " recorded for " + project + ", started " + start.DateText() + " " +
           std::to_string(start.Hour()) + ":" + twoDigits(start.Minute()) + ":" +
           twoDigits(start.Second()) + ", and stored it.";
}

std::string withoutDotSlash(const std::string &path) {
    return path.starts_with("./") ? path.substr(2) : path;
}
} // namespace

// Every journal of this user that no running recording holds is taken,
// whatever process its name says: its time is stored once, under the project
// its name gives (made as Start makes one when the database no longer has it).
// A journal whose row is already stored (the run ended between the insert and
// the removal) is only removed: the row it chose is there. An earlier form of
// journal, which chose no row, is told by the rows of its project at its
// start. One that cannot be read is kept aside and said once; one that cannot
// be checked or stored now stays for the next start.
void TimeRecorder::recoverRecordings() {
    removeDeadJournalTemporaries(ProjectDatabaseName);
    std::vector<HeldRecordingJournal> journals = takeRecordingJournals(ProjectDatabaseName);
    TimeDate now;
    now.SetNow();
    RecoveredRows pass;
    // Each unreadable journal's name and the name it is kept under.
    std::vector<std::pair<std::string, std::string>> unreadable;
    for (HeldRecordingJournal &journal : journals) {
        const std::optional<RecordingJournalEntry> entry = journal.read(now);
        if (!entry) {
            if (const std::string kept = journal.setAside(); !kept.empty())
                unreadable.emplace_back(withoutDotSlash(journal.path()), withoutDotSlash(kept));
            continue;
        }
        const int64_t minutes = minutesWorked(entry->hours, entry->minutes, entry->seconds);
        if (minutes <= 0) {
            journal.remove();
            continue;
        }
        const int32_t project = projectIdFor(entry->project);
        if (project < 1)
            continue;
        int stored = 0;
        if (entry->earlierForm) {
            const int rows = QueryNumber(storedRowCountSql(project, entry->start));
            if (rows < 0)
                continue;
            stored = pass.alreadyStored(project, entry->start, rows);
        } else if (entry->row) {
            stored = QueryNumber(exactRowCountSql(project, entry->row->minutes, entry->row->start));
            if (stored < 0)
                continue;
        }
        if (!stored) {
            RecordingJournalEntry noted = *entry;
            noted.earlierForm = false;
            const auto rowChosen = [&](const TimesRow &row) {
                noted.row = RecordingJournalRow{row.start, row.minutes};
                return journal.rewrite(noted);
            };
            const std::optional<TimesRow> row = storeTimesRow({project, entry->start, minutes}, "",
                                                              rowChosen, journal.descriptor());
            if (!row)
                continue;
            pass.noteStored(project, row->start);
            emit timeStored();
            showMessage(recoveredText(minutes, entry->project, entry->start), "Time Record");
        }
        journal.remove();
    }
    if (unreadable.size() == 1)
        showMessage("The recording journal " + unreadable[0].first +
                        " cannot be read, so nothing was stored from it. It is kept as " +
                        unreadable[0].second + ".",
                    "Warning");
    else if (unreadable.size() > 1)
        showMessage(std::to_string(unreadable.size()) + " recording journals beside " +
                        ProjectDatabaseName +
                        " cannot be read, so nothing was stored from them. They are kept as "
                        ".bad files beside it.",
                    "Warning");
}
