// SPDX-License-Identifier: MIT
#pragma once

#include "common/TimeDate.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

// The journal of a running recording: a small file beside the project
// database holding what Stop would store (project, start, counted time), so a
// recording outlives a crash, a kill or a lost display. Each recording keeps
// its own journal and holds a lock on it for as long as it runs, so a journal
// whose lock can be had belongs to nobody any more, whatever its name says.
// Only files here; when to write and remove a journal is the Time Record
// tab's business, and recovery's (RecordingRecovery) at start-up.
//
// A store writes into the journal the exact row it is about to insert (start
// second and minutes) inside its write transaction, so the next start knows
// for certain whether the row was stored: it was exactly when that row is in
// the database, since no other store takes a second a journal chose.
struct RecordingJournalRow {
    TimeDate start;
    int64_t minutes = 0;

    bool operator==(const RecordingJournalRow &) const = default;
};

struct RecordingJournalEntry {
    RecordingJournalEntry() = default;
    // A running recording's journal: no row chosen yet.
    RecordingJournalEntry(int32_t id, std::string name, const TimeDate &started, uint32_t h,
                          uint32_t m, uint32_t s)
        : projectId(id), project(std::move(name)), start(started), hours(h), minutes(m),
          seconds(s) {}

    // Written for the reader's sake only: the name decides the project, as the
    // database may have been replaced since the recording started.
    int32_t projectId = 0;
    std::string project;
    TimeDate start;
    uint32_t hours = 0;
    uint32_t minutes = 0;
    uint32_t seconds = 0;
    // The row a store chose; none while no store has begun.
    std::optional<RecordingJournalRow> row;
    // Written by an earlier version, which noted no row: whether its row is
    // stored can only be told from the rows of its project at its start.
    bool earlierForm = false;

    bool operator==(const RecordingJournalEntry &) const = default;
};

// Larger journals are not read: a journal is a few short lines.
constexpr size_t RecordingJournalReadLimit = 4096;
// No recording counts longer than a year.
constexpr uint32_t RecordingJournalMaxHours = 366 * 24;

// The first name a journal of process `pid` for the database file `database`
// tries.
std::string recordingJournalPath(const std::string &database, long pid);

// The journal's text as written. None when it is not a journal or a number is
// out of its range: a negative count, more hours than a year has, minutes or
// seconds past 59, a day the calendar does not have, a time of day past
// 23:59:59, a name the project box could not give (isProjectBoxName), a
// chosen row before the start or with other minutes than those counted.
std::optional<RecordingJournalEntry> parseRecordingJournal(std::string_view text);

// Whether the counted time fits into the time passed from the start to `now`
// on the local clock. An hour and some minutes of slack allow for the clock
// turned back at the end of summer time and small corrections.
bool journalFitsItsTime(const RecordingJournalEntry &entry, const TimeDate &now);

// The journal of the running recording. Each write replaces the file in one
// step: a fresh file, locked before it takes the journal's name, so the name
// always leads to a locked file while the recording runs. Dropping this object
// unlocks the journal and leaves it for the next start to store; remove() is
// for a recording whose time is stored.
class RecordingJournalFile {
public:
    explicit RecordingJournalFile(std::string database);
    ~RecordingJournalFile();
    RecordingJournalFile(const RecordingJournalFile &) = delete;
    RecordingJournalFile &operator=(const RecordingJournalFile &) = delete;

    // False when the journal could not be written; the previous one then
    // stays, locked.
    bool write(const RecordingJournalEntry &entry);
    // Removes the journal and unlocks it; the next write starts a new one.
    void remove();
    // Empty until the first write picks a free name: the process ID's, or
    // that with "-2", "-3", ... when a journal nobody stored holds it.
    const std::string &path() const { return m_path; }
    // The open journal, -1 before the first write.
    int descriptor() const { return m_fd; }

private:
    std::string m_database;
    std::string m_path;
    int m_fd = -1;
};

// A journal this process took over from a recording that no longer runs. It
// stays locked while this object lives, so no other window takes it too.
class HeldRecordingJournal {
public:
    HeldRecordingJournal(std::string path, int fd);
    ~HeldRecordingJournal();
    HeldRecordingJournal(HeldRecordingJournal &&other) noexcept;
    HeldRecordingJournal &operator=(HeldRecordingJournal &&other) noexcept;

    const std::string &path() const { return m_path; }
    int descriptor() const { return m_fd; }
    // What the journal holds, checked against the clock at `now`; none when
    // it is unreadable: no regular file (a link, a FIFO), larger than the
    // limit, or not a journal within its ranges (parseRecordingJournal,
    // journalFitsItsTime).
    std::optional<RecordingJournalEntry> read(const TimeDate &now) const;
    // Replaces the journal's content, still locked: for noting the row its
    // store chose. False when it could not be replaced; the old one stays.
    bool rewrite(const RecordingJournalEntry &entry);
    // Removes the journal once its time is stored.
    bool remove();
    // Keeps an unreadable journal under "<path>.bad" (or "<path>.<n>.bad"
    // when that is taken), out of the way of later starts, and gives that
    // name. Empty when it was gone already (another window did it).
    std::string setAside();

private:
    std::string m_path;
    int m_fd = -1;
};

// The journals of `database` whose recordings no longer run, each locked by
// this process: those whose lock could be had, whose name still leads to the
// file locked, and the names that hold no regular file (left to be set aside
// as unreadable). A journal another process holds is not among them, nor one
// this process cannot open, nor one (or a link) another user owns: in a shared
// folder that is someone else's, and is left as it is, unsaid.
std::vector<HeldRecordingJournal> takeRecordingJournals(const std::string &database);

// Removes the fresh files ("<journal>.<random>.new") of journal writes that
// never completed, whose writer no longer holds them.
void removeDeadJournalTemporaries(const std::string &database);

// The seconds of the rows that journals of `database` other than the open
// file `own` chose for a store, whoever's they are: another store must not
// take them, or the row one of them finds later would not be its own.
std::vector<TimeDate> rowSecondsChosenByJournals(const std::string &database, int own);

// Telling, in one recovery pass, whether a journal's row is stored already.
// The database holds rows by project and start second; a journal whose row is
// there was stored by a run that ended before it removed the journal. A row
// this pass stored for another journal of the same project and second is not
// this journal's, though it sits at the same second: the journals of two
// recordings that started together are both stored, the second one the next
// free second on.
class RecoveredRows {
public:
    // `rowsAtStart` is how many rows of `project` start at `start` now.
    bool alreadyStored(int32_t project, const TimeDate &start, int rowsAtStart) const;
    // This pass stored the journal of `project` started at `start`.
    void noteStored(int32_t project, const TimeDate &start);

private:
    using Key = std::tuple<int32_t, int, int, int, int, int, int>;
    static Key keyOf(int32_t project, const TimeDate &start);
    std::map<Key, int> m_stored;
};

// The journal as one replacement, without a lock: for a journal written once.
// False when the file could not be written; the old one then stays.
bool writeRecordingJournal(const std::string &path, const RecordingJournalEntry &entry);

// The journal at `path` within its ranges (not checked against the clock);
// none when it is unreadable.
std::optional<RecordingJournalEntry> readRecordingJournal(const std::string &path);

// The one second after `time`, carried into the minute, hour, day, month and
// year as the calendar needs.
TimeDate secondAfter(const TimeDate &time);
