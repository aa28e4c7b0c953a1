// SPDX-License-Identifier: MIT
#pragma once

#include "projects/RecordExport.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// The minutes of every project over the periods the Totals window shows, read
// out of a project database. The periods are calendar periods around one day,
// "today": the day itself, the week that holds it (starting on the locale's
// first day of the week) and its month, and all time. A recording counts in a
// period by the day it started, as the `times` rows store it. Reading only:
// showing the figures is the window's business.

enum Period { Today, ThisWeek, ThisMonth, AllTime, PeriodCount };

// Which periods around `today` a recording that started on a day falls in.
class PeriodCalendar {
public:
    // `firstDayOfWeek` counts as Qt::DayOfWeek does: 1 Monday to 7 Sunday.
    PeriodCalendar(RecordDay today, int firstDayOfWeek);

    // Bit (1 << period) for each of Today, ThisWeek and ThisMonth the day is
    // in, and AllTime always. A day that is no calendar day (as a row edited
    // by hand may hold) counts in all time only, so its minutes stay in the
    // sums.
    unsigned periodsOf(int64_t year, int64_t month, int64_t day) const;

    const RecordDay &today() const { return m_today; }

private:
    RecordDay m_today;
    std::chrono::sys_days m_day;
    std::chrono::sys_days m_weekStart;
};

struct ProjectTotal {
    std::string name;
    std::array<int64_t, PeriodCount> minutes{};
};

// The name shown for the rows of a project ID that has no `projects` row.
std::string unknownProjectName(int64_t id);
// ... and for rows without a project ID.
inline constexpr char NoProjectName[] = "(no project)";

struct RecordTotals {
    enum Status { Read, NotOpen, Failed };
    Status status = NotOpen;
    // Why reading failed, SQLite's words.
    std::string error;
    // One entry per project name with any `times` row, the largest all-time
    // sum first, equal sums by name.
    std::vector<ProjectTotal> projects;
    // The sums over all projects.
    ProjectTotal all;
};

// Reads the sums from the database file at `path`, opened for reading only and
// never created: NotOpen when the file (or the SQLite library) cannot be
// opened. The `times` rows are streamed in one query, so memory grows with the
// projects, not the rows. Projects are told apart by name, as the report does.
RecordTotals readRecordTotals(const std::string &path, const PeriodCalendar &calendar);

// Where the save dialog of Export CSV starts: the folder of the database at
// `databasePath` (the current directory for a bare or empty name), file name
// "chimeral-records.csv".
std::string exportCsvStartPath(const std::string &databasePath);
