// SPDX-License-Identifier: MIT
#pragma once

#include "common/TimeDate.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The journal of a running recording: a small file beside the project
// database holding what Stop would store (project, start, counted time), so a
// recording outlives a crash, a kill or a lost display. Each process keeps its
// own journal, named after its process ID, so two windows on one database
// never overwrite each other's. Only files here; when to write, store and
// remove a journal is the main window's business.
struct RecordingJournalEntry {
    int32_t projectId = 0;
    std::string project;
    TimeDate start;
    uint32_t hours = 0;
    uint32_t minutes = 0;
    uint32_t seconds = 0;

    bool operator==(const RecordingJournalEntry &) const = default;
};

// The journal of process `pid` for the database file `database`.
std::string recordingJournalPath(const std::string &database, long pid);

// Replaces the journal in one step (temporary file, flushed to the disk, then
// renamed over it), so a reader finds either the old or the new journal
// whole. False when the file could not be written; the old one then stays.
bool writeRecordingJournal(const std::string &path, const RecordingJournalEntry &entry);

// Nothing when the file is missing or not a journal.
std::optional<RecordingJournalEntry> readRecordingJournal(const std::string &path);

// The journals of `database` left by processes that are no longer running.
std::vector<std::string> orphanedRecordingJournals(const std::string &database);

// The one second after `time`, carried into the minute, hour, day, month and
// year as the calendar needs.
TimeDate secondAfter(const TimeDate &time);
