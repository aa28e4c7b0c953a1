// SPDX-License-Identifier: MIT
#include "projects/RecordExport.h"

#include "common/Text.h"
#include "platform/FileChecks.h"
#include "platform/SafeReplace.h"
#include "projects/ProjectStore.h"

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

// The store on the database, opened for reading only, or a message on `errors`
// and none.
std::unique_ptr<ProjectStore> openRecords(const std::string &path, std::FILE *errors) {
    auto store = std::make_unique<ProjectStore>();
    if (const StoreStatus opened = store->open(path, ProjectStore::OpenMode::ReadOnly); !opened) {
        fail(errors, "Could not read the time records in " + path + ": " + opened.error().reason);
        return nullptr;
    }
    return store;
}

// Why reading the records failed, said as it was before or after the first row.
void readFailed(const StoreError &error, const std::string &path, std::FILE *errors) {
    if (error.kind == StoreError::ReadFailed)
        fail(errors, "Reading the time records in " + path + " failed: " + error.reason);
    else
        fail(errors, "Could not read the time records in " + path + ": " + error.reason);
}

// Writes the header and the rows to `out`; false when reading failed (and
// said so). The header waits for the query, so a query that cannot start
// writes nothing.
bool writeCsv(const ProjectStore &store, const RecordFilter &filter,
              const std::string &databasePath, std::FILE *out, std::FILE *errors) {
    bool started = false;
    const auto start = [&started, out] {
        if (!started)
            std::fputs("project,date,start,minutes\r\n", out);
        started = true;
    };
    const StoreStatus read = store.eachRecord(filter, [&](const ProjectStore::RecordLine &row) {
        start();
        std::string line = csvField(row[0]);
        for (int column = 1; column < 4; ++column)
            line += "," + row[column];
        line += "\r\n";
        std::fwrite(line.data(), 1, line.size(), out);
    });
    if (read || read.error().kind == StoreError::ReadFailed)
        start();
    if (!read) {
        readFailed(read.error(), databasePath, errors);
        return false;
    }
    return true;
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
    const std::unique_ptr<ProjectStore> store = openRecords(databasePath, errors);
    if (!store)
        return 1;
    if (target == "-") {
        const bool read = writeCsv(*store, filter, databasePath, out, errors);
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
    bool ok = writeCsv(*store, filter, databasePath, file, errors);
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
    const std::unique_ptr<ProjectStore> store = openRecords(databasePath, errors);
    if (!store)
        return 1;
    // One line per project: memory grows with the projects, not the rows.
    struct Line {
        std::string minutes;
        std::string hours;
        std::string name;
    };
    std::vector<Line> lines{{"minutes", "h:mm", "project"}};
    int64_t total = 0;
    const StoreStatus read =
        store->eachProjectSum(filter, [&](const ProjectStore::NamedMinutes &sum) {
            total += sum.minutes;
            lines.push_back(
                {std::to_string(sum.minutes), hoursMinutesText(sum.minutes), oneLine(sum.name)});
        });
    if (!read) {
        readFailed(read.error(), databasePath, errors);
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
