// SPDX-License-Identifier: MIT
#include "projects/RecordingJournal.h"

#include "platform/WriteAll.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <sstream>

#include <fcntl.h>
#include <unistd.h>

namespace {

const char JournalInfix[] = "-recording-";
const char NameKey[] = "name=";

// The rename itself reaches the disk only with its folder.
void syncFolderOf(const std::string &path) {
    const std::string folder = QFileInfo(QString::fromStdString(path)).absolutePath().toStdString();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool processRunning(long pid) {
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

} // namespace

std::string recordingJournalPath(const std::string &database, long pid) {
    return database + JournalInfix + std::to_string(pid);
}

bool writeRecordingJournal(const std::string &path, const RecordingJournalEntry &entry) {
    std::ostringstream text;
    const TimeDate &s = entry.start;
    text << "project=" << entry.projectId << "\nstart=" << s.Year() << ' ' << s.Month() << ' '
         << s.Day() << ' ' << s.Hour() << ' ' << s.Minute() << ' ' << s.Second()
         << "\ncounted=" << entry.hours << ' ' << entry.minutes << ' ' << entry.seconds << '\n'
         << NameKey << entry.project;
    const std::string temporary = path + ".new";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, text.str()) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    syncFolderOf(path);
    return true;
}

std::optional<RecordingJournalEntry> readRecordingJournal(const std::string &path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::string bytes = file.readAll().toStdString();
    // The name comes last and runs to the end, whatever bytes it holds.
    const size_t nameAt = bytes.find(std::string("\n") + NameKey);
    if (nameAt == std::string::npos)
        return std::nullopt;
    RecordingJournalEntry entry;
    entry.project = bytes.substr(nameAt + 1 + sizeof NameKey - 1);
    std::istringstream head(bytes.substr(0, nameAt));
    int year, month, day, hour, minute, second;
    head.ignore(64, '=');
    head >> entry.projectId;
    head.ignore(64, '=');
    head >> year >> month >> day >> hour >> minute >> second;
    head.ignore(64, '=');
    head >> entry.hours >> entry.minutes >> entry.seconds;
    if (head.fail() || !bytes.starts_with("project="))
        return std::nullopt;
    entry.start = TimeDate(static_cast<int16_t>(year), static_cast<int16_t>(month),
                           static_cast<int16_t>(day), static_cast<int16_t>(hour),
                           static_cast<int16_t>(minute), static_cast<int16_t>(second), 0);
    return entry;
}

std::vector<std::string> orphanedRecordingJournals(const std::string &database) {
    const QFileInfo info(QString::fromStdString(database));
    const QString prefix = info.fileName() + JournalInfix;
    // Names are compared as they stand: a name filter would read brackets or
    // stars in the database's name as a pattern, and miss its journals.
    QStringList names;
    QDirIterator entries(info.dir().path(), QDir::Files);
    while (entries.hasNext()) {
        const QString name = entries.nextFileInfo().fileName();
        if (name.startsWith(prefix))
            names << name;
    }
    names.sort();
    std::vector<std::string> orphans;
    for (const QString &name : names) {
        bool isNumber = false;
        const long pid = name.mid(prefix.size()).toLong(&isNumber);
        // A journal of this very process can only be one left by an earlier
        // process that had the same ID.
        if (isNumber && (pid == ::getpid() || !processRunning(pid)))
            orphans.push_back(info.dir().filePath(name).toStdString());
    }
    return orphans;
}

TimeDate secondAfter(const TimeDate &time) {
    std::tm fields{};
    fields.tm_year = time.Year() - 1900;
    fields.tm_mon = time.Month() - 1;
    fields.tm_mday = time.Day();
    fields.tm_hour = time.Hour();
    fields.tm_min = time.Minute();
    fields.tm_sec = time.Second() + 1;
    // Calendar arithmetic only: no time zone or daylight saving may shift it.
    const time_t when = timegm(&fields);
    gmtime_r(&when, &fields);
    return TimeDate(static_cast<int16_t>(fields.tm_year + 1900),
                    static_cast<int16_t>(fields.tm_mon + 1), static_cast<int16_t>(fields.tm_mday),
                    static_cast<int16_t>(fields.tm_hour), static_cast<int16_t>(fields.tm_min),
                    static_cast<int16_t>(fields.tm_sec), time.millisecond);
}
