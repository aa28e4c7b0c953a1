// SPDX-License-Identifier: MIT
#include "projects/RecordTotals.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <map>
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

void addToTotal(ProjectTotal &total, unsigned periods, int64_t minutes) {
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

std::optional<std::pair<RecordDay, RecordDay>> PeriodCalendar::daysOf(Period period) const {
    const auto dayOf = [](sys_days at) {
        const year_month_day d{at};
        return RecordDay{static_cast<int>(d.year()), static_cast<int>(unsigned(d.month())),
                         static_cast<int>(unsigned(d.day()))};
    };
    switch (period) {
    case Today:
        return std::pair(m_today, m_today);
    case ThisWeek:
        return std::pair(dayOf(m_weekStart), dayOf(m_weekStart + days(6)));
    case ThisMonth: {
        const year_month_day_last last{year_month_day(m_day).year() /
                                       year_month_day(m_day).month() / std::chrono::last};
        return std::pair(
            RecordDay{m_today.year, m_today.month, 1},
            RecordDay{m_today.year, m_today.month, static_cast<int>(unsigned(last.day()))});
    }
    default:
        return std::nullopt;
    }
}

std::string unknownProjectName(int64_t id) {
    return "#" + std::to_string(id);
}

void TotalsCollector::addRow(std::optional<int64_t> project, int64_t year, int64_t month,
                             int64_t day, int64_t minutes) {
    const unsigned periods = m_calendar.periodsOf(year, month, day);
    if (!project) {
        if (!m_withoutId)
            m_withoutId.emplace();
        addToTotal(*m_withoutId, periods, minutes);
        return;
    }
    if (!m_current || *project != m_currentId) {
        m_current = &m_byId[*project];
        m_currentId = *project;
    }
    addToTotal(*m_current, periods, minutes);
}

void TotalsCollector::nameProject(int64_t id, std::string name) {
    m_names.emplace(id, std::move(name));
}

RecordTotals TotalsCollector::totals() const {
    std::map<std::string, ProjectTotal> byName;
    auto merge = [&byName](const std::string &name, const ProjectTotal &sums) {
        ProjectTotal &total = byName[name];
        total.name = name;
        for (int period = 0; period < PeriodCount; ++period)
            total.minutes[period] = addMinutes(total.minutes[period], sums.minutes[period]);
    };
    for (const auto &[id, sums] : m_byId) {
        const auto name = m_names.find(id);
        merge(name != m_names.end() ? name->second : unknownProjectName(id), sums);
    }
    if (m_withoutId)
        merge(NoProjectName, *m_withoutId);

    RecordTotals result;
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
