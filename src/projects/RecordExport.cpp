// SPDX-License-Identifier: MIT
#include "projects/RecordExport.h"

#include "common/Text.h"
#include "platform/FileChecks.h"
#include "platform/SafeReplace.h"
#include "platform/Translators.h"
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

// A text of the record commands in the loaded language with its %1 and %2
// filled in one pass, so that a path holding "%2" stays as it is. The paths
// go in as their bytes: a name that is not UTF-8 is still printed as the
// system spells it.
std::string text(const char *source, const std::string &first = {},
                 const std::string &second = {}) {
    const std::string translated = Translations::translate("RecordExport", source).toStdString();
    std::string filled;
    for (size_t i = 0; i < translated.size(); ++i) {
        if (translated[i] == '%' && i + 1 < translated.size() &&
            (translated[i + 1] == '1' || translated[i + 1] == '2')) {
            filled += translated[i + 1] == '1' ? first : second;
            ++i;
        } else {
            filled += translated[i];
        }
    }
    return filled;
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
    fail(errors,
         text(QT_TRANSLATE_NOOP("RecordExport", "Could not read the time records in %1: it %2"),
              path, notRegular));
    return false;
}

// The store on the database, opened for reading only, or a message on `errors`
// and none.
std::unique_ptr<ProjectStore> openRecords(const std::string &path, std::FILE *errors) {
    auto store = std::make_unique<ProjectStore>();
    if (const StoreStatus opened = store->open(path, ProjectStore::OpenMode::ReadOnly); !opened) {
        fail(errors,
             text(QT_TRANSLATE_NOOP("RecordExport", "Could not read the time records in %1: %2"),
                  path, opened.error().reason));
        return nullptr;
    }
    return store;
}

// Why reading the records failed, said as it was before or after the first row.
void readFailed(const StoreError &error, const std::string &path, std::FILE *errors) {
    if (error.kind == StoreError::ReadFailed)
        fail(errors,
             text(QT_TRANSLATE_NOOP("RecordExport", "Reading the time records in %1 failed: %2"),
                  path, error.reason));
    else
        fail(errors,
             text(QT_TRANSLATE_NOOP("RecordExport", "Could not read the time records in %1: %2"),
                  path, error.reason));
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
        fail(errors, text(QT_TRANSLATE_NOOP(
                         "RecordExport",
                         "The option '--export-csv' needs a file name, or - for standard output")));
        return 1;
    }
    if (!readableDatabase(databasePath, errors))
        return 1;
    // Through any name or link, the database itself would be replaced by its
    // own export, and the recordings that run on it lost.
    if (target != "-" && sameFile(target, databasePath)) {
        fail(errors, text(QT_TRANSLATE_NOOP(
                              "RecordExport",
                              "Will not write %1: it is the database the records are read from"),
                          target));
        return 1;
    }
    const std::unique_ptr<ProjectStore> store = openRecords(databasePath, errors);
    if (!store)
        return 1;
    if (target == "-") {
        const bool read = writeCsv(*store, filter, databasePath, out, errors);
        if (std::fflush(out) != 0 || std::ferror(out)) {
            fail(errors, text(QT_TRANSLATE_NOOP("RecordExport", "Could not write the records: %1"),
                              std::strerror(errno)));
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
        fail(errors,
             text(QT_TRANSLATE_NOOP("RecordExport", "Could not write %1: %2"), target, why));
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
            fail(errors,
                 text(QT_TRANSLATE_NOOP("RecordExport", "Could not write %1: %2"), target, why));
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
    std::vector<Line> lines{{text(QT_TRANSLATE_NOOP("RecordExport", "minutes")), "h:mm",
                             text(QT_TRANSLATE_NOOP("RecordExport", "project"))}};
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
    lines.push_back({std::to_string(total), hoursMinutesText(total),
                     text(QT_TRANSLATE_NOOP("RecordExport", "Total"))});
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
        fail(errors, text(QT_TRANSLATE_NOOP("RecordExport", "Could not write the report: %1"),
                          std::strerror(errno)));
        return 1;
    }
    return 0;
}
