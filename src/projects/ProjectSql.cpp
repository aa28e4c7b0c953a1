// SPDX-License-Identifier: MIT
#include "projects/ProjectSql.h"

#include "common/TimeDate.h"

#include "common/Text.h"

#include <QString>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool createDatabaseFileIfMissing(const std::string &name) {
    // O_PATH asks for no access at all, so a file the user may not read still
    // counts as existing.
    const int existing = open(name.c_str(), O_PATH | O_CLOEXEC);
    if (existing >= 0) {
        struct stat info {};
        const bool empty =
            fstat(existing, &info) == 0 && S_ISREG(info.st_mode) && info.st_size == 0;
        close(existing);
        return empty;
    }
    const int created = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (created >= 0)
        close(created);
    return true;
}

std::string projectNameOf(const std::string &typed) {
    std::string name = typed;
    name.erase(std::remove(name.begin(), name.end(), '\0'), name.end());
    return trimText(name);
}

// The box's edit field takes 32767 characters, its default, and typing or
// pasting never puts a control character into its one line.
bool isProjectBoxName(const std::string &name) {
    constexpr qsizetype BoxLength = 32767;
    const QString text = QString::fromUtf8(name);
    if (name.empty() || text.toUtf8().toStdString() != name || text.size() > BoxLength ||
        projectNameOf(name) != name)
        return false;
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
               c == QChar::ParagraphSeparator;
    });
}

std::string sqlQuoteText(const std::string &text) {
    std::string quoted;
    quoted.reserve(text.size());
    for (const char c : text) {
        quoted += c;
        if (c == '\'')
            quoted += '\'';
    }
    return quoted;
}

std::string newProjectSql(int32_t id, const std::string &name) {
    return "insert into projects values (" + std::to_string(id) + ", '" + sqlQuoteText(name) + "')";
}

std::string projectIdSql(const std::string &name) {
    return "Select id from projects where name = '" + sqlQuoteText(name) + "'";
}

std::string recordTimeSql(int32_t project, int64_t minutesWorked, const TimeDate &start) {
    std::string sql = "insert into times values (" + std::to_string(project) + ", " +
                      std::to_string(minutesWorked);
    for (const int field :
         {start.Year(), start.Month(), start.Day(), start.Hour(), start.Minute(), start.Second()})
        sql += ", " + std::to_string(field);
    return sql + ")";
}

std::string storedRowCountSql(int32_t project, const TimeDate &start) {
    return "select count(*) from times where project = " + std::to_string(project) +
           " and year = " + std::to_string(start.Year()) +
           " and month = " + std::to_string(start.Month()) +
           " and day = " + std::to_string(start.Day()) +
           " and hours = " + std::to_string(start.Hour()) +
           " and minutes = " + std::to_string(start.Minute()) +
           " and seconds = " + std::to_string(start.Second());
}

namespace {
std::string atSecond(const TimeDate &start) {
    return " year = " + std::to_string(start.Year()) +
           " and month = " + std::to_string(start.Month()) +
           " and day = " + std::to_string(start.Day()) +
           " and hours = " + std::to_string(start.Hour()) +
           " and minutes = " + std::to_string(start.Minute()) +
           " and seconds = " + std::to_string(start.Second());
}
} // namespace

std::string rowsAtSecondSql(const TimeDate &start) {
    return "select count(*) from times where" + atSecond(start);
}

std::string exactRowCountSql(int32_t project, int64_t minutesWorked, const TimeDate &start) {
    return "select count(*) from times where project = " + std::to_string(project) +
           " and minutes_worked = " + std::to_string(minutesWorked) + " and" + atSecond(start);
}

std::string minutesSinceSql(int32_t project, int year, int month, int day) {
    const std::string y = std::to_string(year);
    const std::string m = std::to_string(month);
    return "select sum(minutes_worked) from times where project = " + std::to_string(project) +
           " and ((year > " + y + ") or  (year = " + y + " and month > " + m + ") or (year = " + y +
           " and month = " + m + " and day >= " + std::to_string(day) + "))";
}
