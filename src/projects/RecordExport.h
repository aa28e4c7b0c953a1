// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

// The time records read out of a project database for the command line: every
// `times` row with its project name as CSV, or the minutes per project as a
// report. The database is opened for reading only, so it is never created or
// changed and another run may have it open meanwhile; rows are streamed, so
// memory does not grow with them. Each entry point returns the process's exit
// code (0 done, 1 failed) and says why it failed in one line on `errors`, a
// sentence after "chimeral: ". A database that is not a regular file (a named
// pipe, a device, a folder) is refused without being opened.

// A calendar day, as the `times` rows store the start of a recording.
struct RecordDay {
    int year;
    int month;
    int day;
};

// "YYYY-MM-DD" of a real calendar day; none for anything else.
std::optional<RecordDay> parseRecordDay(const std::string &text);

// Which rows to read: those that started on or after `since` (any time of that
// day), of the projects named exactly `project`. Unset means no limit.
struct RecordFilter {
    std::optional<RecordDay> since;
    std::optional<std::string> project;
};

// One CSV field: as it is, or between double quotes with each quote doubled
// when it holds a comma, a quote, a carriage return or a line feed. A text
// beginning with =, +, -, @, a tab or a carriage return gets an apostrophe in
// front first, so that a spreadsheet shows it rather than runs it as a formula.
std::string csvField(const std::string &text);

// Whole minutes as "h:mm": "0:05", "2:45", "100:00".
std::string hoursMinutesText(int64_t minutes);

// Writes the header "project,date,start,minutes" and one line per matching row
// ("2026-12-07", "09:05:03"), oldest first, lines ending in CR LF. The file
// `target` is written under a fresh name beside it and renamed into place only
// when complete, so a failure leaves no partial file; an existing file keeps
// its mode, a link of the user's own is written through, and a target that is
// not a regular file, a link of another user or the database itself (by any
// name) is refused. "-" writes to `out`.
int exportRecordsCsv(const std::string &databasePath, const RecordFilter &filter,
                     const std::string &target, std::FILE *out, std::FILE *errors);

// Prints the minutes and hours:minutes of each project with matching rows,
// sorted by name, and a total line to `out`.
int reportRecords(const std::string &databasePath, const RecordFilter &filter, std::FILE *out,
                  std::FILE *errors);
