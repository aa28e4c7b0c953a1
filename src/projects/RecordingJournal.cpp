// SPDX-License-Identifier: MIT
#include "projects/RecordingJournal.h"

#include "platform/SafeReplace.h"
#include "platform/WriteAll.h"
#include "projects/ProjectSql.h"
#include "projects/TimeRecordRules.h"

#include <QDir>
#include <QDirIterator>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <sstream>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char JournalInfix[] = "-recording-";
const char NameKey[] = "name=";
// The end of summer time turns the local clock back an hour.
constexpr int64_t ClockSlackSeconds = 65 * 60;
const char NoRow[] = "-";

void writeSecond(std::ostream &text, const TimeDate &s) {
    text << s.Year() << ' ' << s.Month() << ' ' << s.Day() << ' ' << s.Hour() << ' ' << s.Minute()
         << ' ' << s.Second();
}

// The row line is what tells this form from the earlier one, which had none.
std::string journalText(const RecordingJournalEntry &entry) {
    std::ostringstream text;
    text << "project=" << entry.projectId << "\nstart=";
    writeSecond(text, entry.start);
    text << "\ncounted=" << entry.hours << ' ' << entry.minutes << ' ' << entry.seconds << "\nrow=";
    if (entry.row) {
        writeSecond(text, entry.row->start);
        text << ' ' << entry.row->minutes;
    } else {
        text << NoRow;
    }
    text << '\n' << NameKey << entry.project;
    return text.str();
}

// "key=" and `count` decimal numbers, one blank between them, nothing else.
bool readNumbers(std::string_view line, std::string_view key, int64_t *values, int count) {
    if (!line.starts_with(key))
        return false;
    const char *at = line.data() + key.size();
    const char *end = line.data() + line.size();
    for (int i = 0; i < count; ++i) {
        if (i > 0 && (at == end || *at++ != ' '))
            return false;
        const auto [next, error] = std::from_chars(at, end, values[i]);
        if (error != std::errc() || next == at)
            return false;
        at = next;
    }
    return at == end;
}

bool inRange(int64_t value, int64_t low, int64_t high) {
    return value >= low && value <= high;
}

// The time's fields for calendar arithmetic, in UTC: no time zone or
// daylight saving may shift it.
std::tm calendarFields(const TimeDate &time) {
    std::tm fields{};
    fields.tm_year = time.Year() - 1900;
    fields.tm_mon = time.Month() - 1;
    fields.tm_mday = time.Day();
    fields.tm_hour = time.Hour();
    fields.tm_min = time.Minute();
    fields.tm_sec = time.Second();
    return fields;
}

int64_t calendarSeconds(const TimeDate &time) {
    std::tm fields = calendarFields(time);
    return static_cast<int64_t>(timegm(&fields));
}

std::optional<RecordingJournalEntry> readJournalFrom(int fd) {
    struct stat info;
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    std::string bytes(RecordingJournalReadLimit + 1, '\0');
    size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n =
            ::pread(fd, bytes.data() + got, bytes.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
    }
    if (got > RecordingJournalReadLimit)
        return std::nullopt;
    bytes.resize(got);
    return parseRecordingJournal(bytes);
}

// Opens a file that must not be a link; a FIFO does not block the opening.
int openNoFollow(const std::string &path) {
    int fd;
    do
        fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Whether `path` still names the file open as `fd`.
bool namesFile(const std::string &path, int fd) {
    struct stat named, open;
    return ::lstat(path.c_str(), &named) == 0 && ::fstat(fd, &open) == 0 &&
           named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

bool ownedByMe(int fd) {
    struct stat info;
    return ::fstat(fd, &info) == 0 && info.st_uid == ::geteuid();
}

bool lockedNow(int fd) {
    int result;
    do
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

// The folder of `database` and the start of its journals' names.
std::pair<std::string, std::string> journalPlace(const std::string &database) {
    const size_t slash = database.rfind('/');
    if (slash == std::string::npos)
        return {".", database + JournalInfix};
    return {slash == 0 ? "/" : database.substr(0, slash),
            database.substr(slash + 1) + JournalInfix};
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A journal's own name after the prefix: a process ID, maybe "-" and a count.
bool isJournalSuffix(std::string_view suffix) {
    const size_t dash = suffix.find('-');
    return dash == std::string_view::npos
               ? allDigits(suffix)
               : allDigits(suffix.substr(0, dash)) && allDigits(suffix.substr(dash + 1));
}

// The names in `folder` beginning with `prefix`, sorted. Names are compared
// as they stand: a pattern would read brackets or stars in the database's name
// and miss its journals.
std::vector<std::string> namesStartingWith(const std::string &folder, const std::string &prefix) {
    std::vector<std::string> names;
    QDirIterator entries(QString::fromStdString(folder),
                         QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        const std::string name = QFile::encodeName(entries.nextFileInfo().fileName()).toStdString();
        if (name.starts_with(prefix))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

std::string recordingJournalPath(const std::string &database, long pid) {
    return database + JournalInfix + std::to_string(pid);
}

// Six numbers of a second that the calendar and the clock have.
static std::optional<TimeDate> secondOf(const int64_t *f) {
    const std::chrono::year_month_day day{
        std::chrono::year(static_cast<int>(inRange(f[0], 1, 9999) ? f[0] : 0)),
        std::chrono::month(static_cast<unsigned>(inRange(f[1], 1, 12) ? f[1] : 0)),
        std::chrono::day(static_cast<unsigned>(inRange(f[2], 1, 31) ? f[2] : 0))};
    if (!inRange(f[0], 1, 9999) || !day.ok() || !inRange(f[3], 0, 23) || !inRange(f[4], 0, 59) ||
        !inRange(f[5], 0, 59))
        return std::nullopt;
    return TimeDate(static_cast<int16_t>(f[0]), static_cast<int16_t>(f[1]),
                    static_cast<int16_t>(f[2]), static_cast<int16_t>(f[3]),
                    static_cast<int16_t>(f[4]), static_cast<int16_t>(f[5]), 0);
}

static std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    for (size_t at = 0;;) {
        const size_t end = text.find('\n', at);
        lines.push_back(text.substr(at, end == std::string_view::npos ? end : end - at));
        if (end == std::string_view::npos)
            return lines;
        at = end + 1;
    }
}

std::optional<RecordingJournalEntry> parseRecordingJournal(std::string_view text) {
    // The name comes last and runs to the end of the file.
    const size_t nameAt = text.find(std::string("\n") + NameKey);
    if (nameAt == std::string::npos)
        return std::nullopt;
    RecordingJournalEntry entry;
    entry.project = std::string(text.substr(nameAt + 1 + sizeof NameKey - 1));
    const std::vector<std::string_view> head = linesOf(text.substr(0, nameAt));
    if (head.size() != 3 && head.size() != 4)
        return std::nullopt;
    entry.earlierForm = head.size() == 3;
    int64_t id, start[6], counted[3], row[7];
    if (!readNumbers(head[0], "project=", &id, 1) || !readNumbers(head[1], "start=", start, 6) ||
        !readNumbers(head[2], "counted=", counted, 3))
        return std::nullopt;
    const std::optional<TimeDate> started = secondOf(start);
    if (!inRange(id, INT32_MIN, INT32_MAX) || !started ||
        !inRange(counted[0], 0, RecordingJournalMaxHours) || !inRange(counted[1], 0, 59) ||
        !inRange(counted[2], 0, 59) || !isProjectBoxName(entry.project))
        return std::nullopt;
    entry.projectId = static_cast<int32_t>(id);
    entry.start = *started;
    entry.hours = static_cast<uint32_t>(counted[0]);
    entry.minutes = static_cast<uint32_t>(counted[1]);
    entry.seconds = static_cast<uint32_t>(counted[2]);
    if (entry.earlierForm || head[3] == std::string("row=") + NoRow)
        return entry;
    if (!readNumbers(head[3], "row=", row, 7))
        return std::nullopt;
    const std::optional<TimeDate> rowStart = secondOf(row);
    if (!rowStart || calendarSeconds(*rowStart) < calendarSeconds(entry.start) ||
        row[6] != minutesWorked(entry.hours, entry.minutes, entry.seconds))
        return std::nullopt;
    entry.row = RecordingJournalRow{*rowStart, row[6]};
    return entry;
}

bool journalFitsItsTime(const RecordingJournalEntry &entry, const TimeDate &now) {
    const int64_t counted = int64_t(entry.hours) * 3600 + entry.minutes * 60 + entry.seconds;
    return counted <= calendarSeconds(now) - calendarSeconds(entry.start) + ClockSlackSeconds;
}

RecordingJournalFile::RecordingJournalFile(std::string database)
    : m_database(std::move(database)) {}

RecordingJournalFile::~RecordingJournalFile() {
    if (m_fd >= 0)
        ::close(m_fd);
}

bool RecordingJournalFile::write(const RecordingJournalEntry &entry) {
    if (m_path.empty()) {
        const std::string first = recordingJournalPath(m_database, ::getpid());
        struct stat taken;
        for (int count = 1; count < 1000; ++count) {
            const std::string name = count == 1 ? first : first + "-" + std::to_string(count);
            if (::lstat(name.c_str(), &taken) != 0 && errno == ENOENT) {
                m_path = name;
                break;
            }
        }
        if (m_path.empty())
            return false;
    }
    FileReplacement replacement(m_path, LinkRule::ReplaceName);
    if (replacement.failed() || !lockedNow(replacement.descriptor()) ||
        !writeAll(replacement.descriptor(), journalText(entry)) || !replacement.commit())
        return false;
    // The previous file is no longer under the name: its lock can go.
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = replacement.takeDescriptor();
    return true;
}

void RecordingJournalFile::remove() {
    if (m_fd >= 0) {
        if (namesFile(m_path, m_fd))
            ::unlink(m_path.c_str());
        ::close(m_fd);
    }
    m_fd = -1;
    m_path.clear();
}

HeldRecordingJournal::HeldRecordingJournal(std::string path, int fd)
    : m_path(std::move(path)), m_fd(fd) {}

HeldRecordingJournal::~HeldRecordingJournal() {
    if (m_fd >= 0)
        ::close(m_fd);
}

HeldRecordingJournal::HeldRecordingJournal(HeldRecordingJournal &&other) noexcept
    : m_path(std::move(other.m_path)), m_fd(std::exchange(other.m_fd, -1)) {}

HeldRecordingJournal &HeldRecordingJournal::operator=(HeldRecordingJournal &&other) noexcept {
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_path = std::move(other.m_path);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

std::optional<RecordingJournalEntry> HeldRecordingJournal::read(const TimeDate &now) const {
    std::optional<RecordingJournalEntry> entry = readJournalFrom(m_fd);
    if (entry && !journalFitsItsTime(*entry, now))
        entry.reset();
    return entry;
}

bool HeldRecordingJournal::rewrite(const RecordingJournalEntry &entry) {
    if (m_fd < 0 || !namesFile(m_path, m_fd))
        return false;
    FileReplacement replacement(m_path, LinkRule::ReplaceName);
    if (replacement.failed() || !lockedNow(replacement.descriptor()) ||
        !writeAll(replacement.descriptor(), journalText(entry)) || !replacement.commit())
        return false;
    ::close(m_fd);
    m_fd = replacement.takeDescriptor();
    return true;
}

bool HeldRecordingJournal::remove() {
    if (m_fd >= 0 && !namesFile(m_path, m_fd))
        return false;
    return ::unlink(m_path.c_str()) == 0;
}

std::string HeldRecordingJournal::setAside() {
    if (m_fd >= 0 && !namesFile(m_path, m_fd))
        return {};
    for (int count = 1; count < 100; ++count) {
        const std::string aside = m_path + (count == 1 ? "" : "." + std::to_string(count)) + ".bad";
        if (::renameat2(AT_FDCWD, m_path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0)
            return aside;
        if (errno != EEXIST)
            return {};
    }
    return {};
}

std::vector<HeldRecordingJournal> takeRecordingJournals(const std::string &database) {
    const auto [folder, prefix] = journalPlace(database);
    std::vector<HeldRecordingJournal> taken;
    for (const std::string &name : namesStartingWith(folder, prefix)) {
        if (!isJournalSuffix(std::string_view(name).substr(prefix.size())))
            continue;
        const std::string path = folder + "/" + name;
        struct stat info;
        if (::lstat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode) ||
            info.st_uid != ::geteuid())
            continue;
        const int fd = openNoFollow(path);
        if (fd < 0) {
            // A link is never a journal a recording wrote: unreadable.
            if (errno == ELOOP)
                taken.emplace_back(path, -1);
            continue;
        }
        // The file opened decides, not the name looked at before.
        if (!ownedByMe(fd) || !lockedNow(fd) || !namesFile(path, fd)) {
            ::close(fd);
            continue;
        }
        taken.emplace_back(path, fd);
    }
    return taken;
}

void removeDeadJournalTemporaries(const std::string &database) {
    const auto [folder, prefix] = journalPlace(database);
    removeDeadReplacements(folder, [&prefix = prefix](std::string_view name) {
        if (!name.starts_with(prefix))
            return false;
        const std::string_view suffix = name.substr(prefix.size());
        const size_t dot = suffix.find('.');
        return dot != std::string_view::npos && isJournalSuffix(suffix.substr(0, dot)) &&
               suffix.ends_with(".new");
    });
}

std::vector<TimeDate> rowSecondsChosenByJournals(const std::string &database, int own) {
    const auto [folder, prefix] = journalPlace(database);
    struct stat mine {};
    const bool haveOwn = own >= 0 && ::fstat(own, &mine) == 0;
    std::vector<TimeDate> seconds;
    for (const std::string &name : namesStartingWith(folder, prefix)) {
        const std::string path = folder + "/" + name;
        struct stat info;
        if (!isJournalSuffix(std::string_view(name).substr(prefix.size())) ||
            ::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        const int fd = openNoFollow(path);
        if (fd < 0)
            continue;
        const bool isOwn = haveOwn && ::fstat(fd, &info) == 0 && info.st_dev == mine.st_dev &&
                           info.st_ino == mine.st_ino;
        const std::optional<RecordingJournalEntry> entry =
            isOwn ? std::nullopt : readJournalFrom(fd);
        ::close(fd);
        if (entry && entry->row)
            seconds.push_back(entry->row->start);
    }
    return seconds;
}

RecoveredRows::Key RecoveredRows::keyOf(int32_t project, const TimeDate &start) {
    return {project,      start.Year(),   start.Month(), start.Day(),
            start.Hour(), start.Minute(), start.Second()};
}

bool RecoveredRows::alreadyStored(int32_t project, const TimeDate &start, int rowsAtStart) const {
    const auto stored = m_stored.find(keyOf(project, start));
    return rowsAtStart - (stored == m_stored.end() ? 0 : stored->second) > 0;
}

void RecoveredRows::noteStored(int32_t project, const TimeDate &start) {
    ++m_stored[keyOf(project, start)];
}

bool writeRecordingJournal(const std::string &path, const RecordingJournalEntry &entry) {
    return replaceFileContents(path, journalText(entry), nullptr, LinkRule::ReplaceName);
}

std::optional<RecordingJournalEntry> readRecordingJournal(const std::string &path) {
    const int fd = openNoFollow(path);
    std::optional<RecordingJournalEntry> entry = readJournalFrom(fd);
    if (fd >= 0)
        ::close(fd);
    return entry;
}

TimeDate secondAfter(const TimeDate &time) {
    std::tm fields = calendarFields(time);
    ++fields.tm_sec;
    const time_t when = timegm(&fields);
    gmtime_r(&when, &fields);
    return TimeDate(static_cast<int16_t>(fields.tm_year + 1900),
                    static_cast<int16_t>(fields.tm_mon + 1), static_cast<int16_t>(fields.tm_mday),
                    static_cast<int16_t>(fields.tm_hour), static_cast<int16_t>(fields.tm_min),
                    static_cast<int16_t>(fields.tm_sec), time.millisecond);
}
