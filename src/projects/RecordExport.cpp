// SPDX-License-Identifier: MIT
#include "projects/RecordExport.h"

#include "common/Text.h"
#include "platform/FileChecks.h"
#include "platform/SafeReplace.h"
#include "projects/ProjectSql.h"
#include "projects/SQLite.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// The rows a filter lets through. The filter values are numbers checked by
// parseRecordDay and a name whose quotes are doubled, so no text of the user
// can end the literal it stands in. The project is matched through a list of
// IDs, which keeps `times` the outer loop: rows then come in the order of its
// key with nothing to sort.
std::string whereClause(const RecordFilter &filter) {
    std::string where;
    auto add = [&where](const std::string &condition) {
        where += (where.empty() ? " where " : " and ") + condition;
    };
    if (filter.since)
        add("(t.year, t.month, t.day) >= (" + std::to_string(filter.since->year) + ", " +
            std::to_string(filter.since->month) + ", " + std::to_string(filter.since->day) + ")");
    if (filter.project)
        add("t.project in (select ID from projects where name = '" + sqlQuoteText(*filter.project) +
            "')");
    return where;
}

// Rows whose values are not what the program stores (edited by hand in an SQL
// client) still give a line: SQLite's own conversions make them numbers.
std::string exportSql(const RecordFilter &filter) {
    return "select cast(coalesce(p.name, '') as text), "
           "printf('%04d-%02d-%02d', t.year, t.month, t.day), "
           "printf('%02d:%02d:%02d', t.hours, t.minutes, t.seconds), "
           "printf('%d', t.minutes_worked) "
           "from times t left join projects p on p.ID = t.project" +
           whereClause(filter) + " order by t.year, t.month, t.day, t.hours, t.minutes, t.seconds";
}

std::string reportSql(const RecordFilter &filter) {
    return "select cast(coalesce(p.name, '') as text) as name, "
           "printf('%d', sum(cast(t.minutes_worked as integer))) "
           "from times t left join projects p on p.ID = t.project" +
           whereClause(filter) + " group by name order by name";
}

void fail(std::FILE *errors, const std::string &what) {
    std::fprintf(errors, "chimeral: %s\n", sentence(what).c_str());
}

// A database that is no regular file is not opened at all: opening a named
// pipe for reading waits for a writer that may never come.
bool readableDatabase(const std::string &path, std::FILE *errors) {
    const std::string notRegular = notRegularFileReason(path);
    if (notRegular.empty())
        return true;
    fail(errors, "Could not read the time records in " + path + ": it " + notRegular);
    return false;
}

// An open read-only connection and its running query, or a message on
// `errors` and none.
struct Records {
    std::unique_ptr<SQLite> database;
    std::unique_ptr<SQLite_Cursor> rows;

    bool open(const std::string &path, const std::string &sql, std::FILE *errors) {
        database = std::make_unique<SQLite>();
        if (database->Status() == 0 && database->OpenForReading(path))
            rows.reset(database->Query(sql));
        if (!rows) {
            fail(errors,
                 "Could not read the time records in " + path + ": " + database->ErrorText());
            return false;
        }
        return true;
    }

    // The next row; false at the end or on an error, which `failed` tells.
    bool next() { return rows->MoreRows() && rows->Next(); }
    bool failed() const { return database->Status() != 0; }
    void reportFailure(const std::string &path, std::FILE *errors) {
        fail(errors, "Reading the time records in " + path + " failed: " + database->ErrorText());
    }
};

// Writes the rows to `out`; false when reading failed (and said so).
bool writeCsv(Records &records, const std::string &databasePath, std::FILE *out,
              std::FILE *errors) {
    std::string line = "project,date,start,minutes\r\n";
    std::fputs(line.c_str(), out);
    while (records.next()) {
        line = csvField(records.rows->ColumnText(0));
        for (int column = 1; column < 4; ++column)
            line += "," + records.rows->ColumnText(column);
        line += "\r\n";
        std::fwrite(line.data(), 1, line.size(), out);
    }
    if (records.failed()) {
        records.reportFailure(databasePath, errors);
        return false;
    }
    return true;
}

// A name shown on one line of the report.
std::string oneLine(std::string name) {
    for (char &c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = ' ';
    return name;
}

} // namespace

std::optional<RecordDay> parseRecordDay(const std::string &text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    int parts[3] = {0, 0, 0};
    const size_t starts[3] = {0, 5, 8};
    const size_t lengths[3] = {4, 2, 2};
    for (int i = 0; i < 3; ++i) {
        for (size_t at = starts[i]; at < starts[i] + lengths[i]; ++at) {
            if (text[at] < '0' || text[at] > '9')
                return std::nullopt;
            parts[i] = parts[i] * 10 + (text[at] - '0');
        }
    }
    const std::chrono::year_month_day day{std::chrono::year(parts[0]),
                                          std::chrono::month(static_cast<unsigned>(parts[1])),
                                          std::chrono::day(static_cast<unsigned>(parts[2]))};
    if (!day.ok())
        return std::nullopt;
    return RecordDay{parts[0], parts[1], parts[2]};
}

std::string csvField(const std::string &text) {
    // A spreadsheet takes a field beginning with one of these for a formula.
    const bool formula =
        !text.empty() && std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos;
    const std::string guarded = formula ? "'" + text : text;
    if (guarded.find_first_of(",\"\r\n") == std::string::npos)
        return guarded;
    std::string quoted = "\"";
    for (const char c : guarded) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

std::string hoursMinutesText(int64_t minutes) {
    const std::string sign = minutes < 0 ? "-" : "";
    const int64_t magnitude = minutes < 0 ? -minutes : minutes;
    return sign + std::to_string(magnitude / 60) + ":" + twoDigits(magnitude % 60);
}

int exportRecordsCsv(const std::string &databasePath, const RecordFilter &filter,
                     const std::string &target, std::FILE *out, std::FILE *errors) {
    if (target.empty()) {
        fail(errors, "The option '--export-csv' needs a file name, or - for standard output");
        return 1;
    }
    if (!readableDatabase(databasePath, errors))
        return 1;
    // Through any name or link, the database itself would be replaced by its
    // own export, and the recordings that run on it lost.
    if (target != "-" && sameFile(target, databasePath)) {
        fail(errors, "Will not write " + target + ": it is the database the records are read from");
        return 1;
    }
    Records records;
    if (!records.open(databasePath, exportSql(filter), errors))
        return 1;
    if (target == "-") {
        const bool read = writeCsv(records, databasePath, out, errors);
        if (std::fflush(out) != 0 || std::ferror(out)) {
            fail(errors, std::string("Could not write the records: ") + std::strerror(errno));
            return 1;
        }
        return read ? 0 : 1;
    }

    FileReplacement replacement(target);
    const int fd = replacement.failed() ? -1 : ::dup(replacement.descriptor());
    std::FILE *file = fd >= 0 ? fdopen(fd, "w") : nullptr;
    if (!file) {
        std::string why = replacement.error();
        if (why.empty())
            why = std::strerror(errno);
        if (fd >= 0)
            close(fd);
        fail(errors, "Could not write " + target + ": " + why);
        return 1;
    }
    bool ok = writeCsv(records, databasePath, file, errors);
    std::string why;
    if (ok && (std::fflush(file) != 0 || std::ferror(file))) {
        ok = false;
        why = std::strerror(errno);
    }
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        why = std::strerror(errno);
    }
    // Complete on disk before it takes the target's name.
    if (ok && !replacement.commit()) {
        ok = false;
        why = replacement.error();
    }
    if (!ok) {
        if (!why.empty())
            fail(errors, "Could not write " + target + ": " + why);
        return 1;
    }
    return 0;
}

int reportRecords(const std::string &databasePath, const RecordFilter &filter, std::FILE *out,
                  std::FILE *errors) {
    if (!readableDatabase(databasePath, errors))
        return 1;
    Records records;
    if (!records.open(databasePath, reportSql(filter), errors))
        return 1;
    // One line per project: memory grows with the projects, not the rows.
    struct Line {
        std::string minutes;
        std::string hours;
        std::string name;
    };
    std::vector<Line> lines{{"minutes", "h:mm", "project"}};
    int64_t total = 0;
    while (records.next()) {
        const int64_t minutes = std::strtoll(records.rows->ColumnText(1).c_str(), nullptr, 10);
        total += minutes;
        lines.push_back({std::to_string(minutes), hoursMinutesText(minutes),
                         oneLine(records.rows->ColumnText(0))});
    }
    if (records.failed()) {
        records.reportFailure(databasePath, errors);
        return 1;
    }
    lines.push_back({std::to_string(total), hoursMinutesText(total), "Total"});
    size_t minutesWidth = 0;
    size_t hoursWidth = 0;
    for (const Line &line : lines) {
        minutesWidth = std::max(minutesWidth, line.minutes.size());
        hoursWidth = std::max(hoursWidth, line.hours.size());
    }
    for (const Line &line : lines)
        std::fprintf(out, "%*s  %*s  %s\n", static_cast<int>(minutesWidth), line.minutes.c_str(),
                     static_cast<int>(hoursWidth), line.hours.c_str(), line.name.c_str());
    if (std::fflush(out) != 0 || std::ferror(out)) {
        fail(errors, std::string("Could not write the report: ") + std::strerror(errno));
        return 1;
    }
    return 0;
}
