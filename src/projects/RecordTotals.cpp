// SPDX-License-Identifier: MIT
#include "projects/RecordTotals.h"

#include "platform/FileChecks.h"
#include "projects/SQLite.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>

namespace {

using namespace std::chrono;

// A sum of hand-edited values may leave the 64-bit range; it stops at its
// ends, which are kept symmetric so that every sum can be negated.
constexpr int64_t LargestSum = std::numeric_limits<int64_t>::max();

int64_t addMinutes(int64_t sum, int64_t minutes) {
    int64_t result = 0;
    if (__builtin_add_overflow(sum, minutes, &result))
        return minutes > 0 ? LargestSum : -LargestSum;
    return std::max(result, -LargestSum);
}

void addRow(ProjectTotal &total, unsigned periods, int64_t minutes) {
    for (int period = 0; period < PeriodCount; ++period)
        if (periods & (1u << period))
            total.minutes[period] = addMinutes(total.minutes[period], minutes);
}

std::optional<sys_days> calendarDay(int64_t year, int64_t month, int64_t day) {
    // Beyond what std::chrono::year holds no calendar day is stored anyway.
    if (year < -32767 || year > 32767 || month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    const year_month_day date{std::chrono::year(static_cast<int>(year)),
                              std::chrono::month(static_cast<unsigned>(month)),
                              std::chrono::day(static_cast<unsigned>(day))};
    if (!date.ok())
        return std::nullopt;
    return sys_days(date);
}

// Values other than the whole numbers the program stores (edited in an SQL
// client) become numbers as the report makes them; a missing project stays
// NULL and a missing minute count counts nothing.
constexpr char TotalsRowsSql[] = "select cast(project as integer), year, month, day, "
                                 "cast(minutes_worked as integer) from times";
constexpr char ProjectNamesSql[] = "select ID, cast(name as text) from projects";

} // namespace

PeriodCalendar::PeriodCalendar(RecordDay today, int firstDayOfWeek) : m_today(today) {
    m_day = calendarDay(today.year, today.month, today.day).value_or(sys_days{});
    // Qt counts Sunday as 7, std::chrono as 0; a day out of range is Monday.
    const bool known = firstDayOfWeek >= 1 && firstDayOfWeek <= 7;
    const weekday first{known ? static_cast<unsigned>(firstDayOfWeek % 7) : 1u};
    m_weekStart = m_day - (weekday(m_day) - first);
}

unsigned PeriodCalendar::periodsOf(int64_t year, int64_t month, int64_t day) const {
    unsigned periods = 1u << AllTime;
    const std::optional<sys_days> start = calendarDay(year, month, day);
    if (!start)
        return periods;
    if (*start == m_day)
        periods |= 1u << Today;
    if (*start >= m_weekStart && *start < m_weekStart + days(7))
        periods |= 1u << ThisWeek;
    if (year == m_today.year && month == m_today.month)
        periods |= 1u << ThisMonth;
    return periods;
}

std::string unknownProjectName(int64_t id) {
    return "#" + std::to_string(id);
}

RecordTotals readRecordTotals(const std::string &path, const PeriodCalendar &calendar) {
    RecordTotals result;
    if (path.empty())
        return result;
    // Opening a named pipe for reading would wait for a writer.
    if (const std::string notRegular = notRegularFileReason(path); !notRegular.empty()) {
        result.status = RecordTotals::Failed;
        result.error = path + " " + notRegular;
        return result;
    }
    SQLite database;
    if (database.Status() != 0 || !database.OpenForReading(path))
        return result;
    auto failed = [&]() {
        result.status = RecordTotals::Failed;
        result.error = database.ErrorText();
        return result;
    };

    // The sums per project ID first: the rows come in the order of the
    // table, and most lookups find an ID met before.
    std::unordered_map<int64_t, ProjectTotal> byId;
    std::optional<ProjectTotal> withoutId;
    {
        std::unique_ptr<SQLite_Cursor> rows(database.Query(TotalsRowsSql));
        if (!rows)
            return failed();
        ProjectTotal *current = nullptr;
        int64_t currentId = 0;
        while (rows->MoreRows() && rows->Next()) {
            const unsigned periods = calendar.periodsOf(
                rows->ColumnInt64(1, 0), rows->ColumnInt64(2, 0), rows->ColumnInt64(3, 0));
            const int64_t minutes = rows->ColumnInt64(4, 0);
            if (rows->ColumnType(0) != SQLite_Cursor::Integer) {
                if (!withoutId)
                    withoutId.emplace();
                addRow(*withoutId, periods, minutes);
                continue;
            }
            const int64_t id = rows->ColumnInt64(0, 0);
            if (!current || id != currentId) {
                current = &byId[id];
                currentId = id;
            }
            addRow(*current, periods, minutes);
        }
        if (database.Status() != 0)
            return failed();
    }

    std::unordered_map<int64_t, std::string> names;
    {
        std::unique_ptr<SQLite_Cursor> rows(database.Query(ProjectNamesSql));
        if (!rows)
            return failed();
        while (rows->MoreRows() && rows->Next())
            if (rows->ColumnType(0) == SQLite_Cursor::Integer)
                names.emplace(rows->ColumnInt64(0, 0), rows->ColumnText(1));
        if (database.Status() != 0)
            return failed();
    }

    std::map<std::string, ProjectTotal> byName;
    auto merge = [&byName](const std::string &name, const ProjectTotal &sums) {
        ProjectTotal &total = byName[name];
        total.name = name;
        for (int period = 0; period < PeriodCount; ++period)
            total.minutes[period] = addMinutes(total.minutes[period], sums.minutes[period]);
    };
    for (const auto &[id, sums] : byId) {
        const auto name = names.find(id);
        merge(name != names.end() ? name->second : unknownProjectName(id), sums);
    }
    if (withoutId)
        merge(NoProjectName, *withoutId);

    result.status = RecordTotals::Read;
    result.projects.reserve(byName.size());
    for (auto &[name, total] : byName) {
        for (int period = 0; period < PeriodCount; ++period)
            result.all.minutes[period] =
                addMinutes(result.all.minutes[period], total.minutes[period]);
        result.projects.push_back(std::move(total));
    }
    // byName gave them in name order; equal sums keep it.
    std::stable_sort(result.projects.begin(), result.projects.end(),
                     [](const ProjectTotal &a, const ProjectTotal &b) {
                         return a.minutes[AllTime] > b.minutes[AllTime];
                     });
    return result;
}

std::string exportCsvStartPath(const std::string &databasePath) {
    std::error_code error;
    std::filesystem::path folder =
        std::filesystem::absolute(databasePath.empty() ? "." : databasePath, error).parent_path();
    if (error)
        folder = ".";
    return (folder.lexically_normal() / "chimeral-records.csv").string();
}
