// SPDX-License-Identifier: MIT
#pragma once

#include "projects/RecordExport.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// The minutes of every project over the periods the Totals window shows, summed
// from the rows the project store reads out. The periods are calendar periods around one day,
// "today": the day itself, the week that holds it (starting on the locale's
// first day of the week) and its month, and all time. A recording counts in a
// period by the day it started, as the `times` rows store it. Showing the
// figures is the window's business.

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
    // The first and the last day of Today, ThisWeek or ThisMonth; none for
    // AllTime, which has no bounds.
    std::optional<std::pair<RecordDay, RecordDay>> daysOf(Period period) const;

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

// Sums rows into the totals: per project ID as the rows come, then per name,
// as the report tells projects apart. Sums that leave the 64-bit range (hand
// edits) stop at its ends.
class TotalsCollector {
public:
    explicit TotalsCollector(const PeriodCalendar &calendar) : m_calendar(calendar) {}

    // One `times` row; `project` is none for a row without a project ID.
    void addRow(std::optional<int64_t> project, int64_t year, int64_t month, int64_t day,
                int64_t minutes);
    // The name of a project ID; IDs without one are shown as "#<ID>".
    void nameProject(int64_t id, std::string name);
    RecordTotals totals() const;

private:
    const PeriodCalendar &m_calendar;
    std::unordered_map<int64_t, ProjectTotal> m_byId;
    std::optional<ProjectTotal> m_withoutId;
    std::unordered_map<int64_t, std::string> m_names;
    ProjectTotal *m_current = nullptr;
    int64_t m_currentId = 0;
};

// Where the save dialog of Export CSV starts: the folder of the database at
// `databasePath` (the current directory for a bare or empty name), file name
// "chimeral-records.csv".
std::string exportCsvStartPath(const std::string &databasePath);
