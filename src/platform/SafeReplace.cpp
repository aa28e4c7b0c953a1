// SPDX-License-Identifier: MIT
#include "platform/SafeReplace.h"

#include "platform/Translators.h"

#include "platform/WriteAll.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <utility>

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <atomic>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Enough tries that only a folder we cannot create in ends them, or one that
// someone fills faster than we can guess.
constexpr int NameTries = 100;
// As the kernel follows links before it gives up with ELOOP.
constexpr int MaxLinks = 40;

TemporaryPartSource &partSource() {
    static TemporaryPartSource source;
    return source;
}

std::string randomPart() {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char bytes[12];
    size_t got = 0;
    while (got < sizeof bytes) {
        const ssize_t n = ::getrandom(bytes + got, sizeof bytes - got, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<size_t>(n);
    }
    // Without the kernel's randomness the clock and the process still make
    // names that differ between tries; O_EXCL keeps them safe either way.
    if (got < sizeof bytes) {
        static unsigned long counter = 0;
        const unsigned long mix = static_cast<unsigned long>(::getpid()) * 2654435761UL ^
                                  static_cast<unsigned long>(::time(nullptr)) ^ ++counter * 40503UL;
        for (size_t i = 0; i < sizeof bytes; ++i)
            bytes[i] = static_cast<unsigned char>(mix >> ((i % 8) * 8));
    }
    std::string part;
    for (const unsigned char byte : bytes)
        part += letters[byte % (sizeof letters - 1)];
    return part;
}

// The fresh files under way, for a signal handler to remove: a slot's name is
// complete before the slot is marked used.
constexpr int PendingSlots = 8;
struct PendingFile {
    std::atomic<bool> used{false};
    char path[PATH_MAX];
};
PendingFile pendingFiles[PendingSlots];

int notePending(const std::string &path) {
    if (path.size() >= PATH_MAX)
        return -1;
    for (int slot = 0; slot < PendingSlots; ++slot) {
        PendingFile &file = pendingFiles[slot];
        bool expected = false;
        // Claimed with the name still empty, so a handler skips it.
        if (file.path[0] == '\0' && !file.used.load()) {
            std::memcpy(file.path, path.c_str(), path.size() + 1);
            if (file.used.compare_exchange_strong(expected, true))
                return slot;
            file.path[0] = '\0';
        }
    }
    return -1;
}

void forgetPending(int slot) {
    if (slot < 0)
        return;
    pendingFiles[slot].used.store(false);
    pendingFiles[slot].path[0] = '\0';
}

void syncFolder(const std::string &folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

void discardPendingReplacements() {
    for (PendingFile &file : pendingFiles)
        if (file.used.load())
            ::unlink(file.path);
}

bool isFreshFileOf(std::string_view name, std::string_view target) {
    if (!name.starts_with(target) || !name.ends_with(".new") || name.size() <= target.size() + 5 ||
        name[target.size()] != '.')
        return false;
    const std::string_view part = name.substr(target.size() + 1, name.size() - target.size() - 5);
    return part.find('.') == std::string_view::npos;
}

void removeDeadReplacements(const std::string &folder,
                            const std::function<bool(std::string_view name)> &isFresh) {
    QDirIterator entries(QString::fromStdString(folder),
                         QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        const std::string name = QFile::encodeName(entries.nextFileInfo().fileName()).toStdString();
        if (!isFresh(name))
            continue;
        const std::string path = folder + "/" + name;
        int fd;
        do
            fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        while (fd < 0 && errno == EINTR);
        if (fd < 0)
            continue;
        struct stat open, named;
        if (::fstat(fd, &open) == 0 && S_ISREG(open.st_mode) && open.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lstat(path.c_str(), &named) == 0 &&
            named.st_dev == open.st_dev && named.st_ino == open.st_ino)
            ::unlink(path.c_str());
        ::close(fd);
    }
}

std::string folderOf(const std::string &path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

namespace {

// The end of the chain of links at `path`, as linkTarget gives it; `foreign`
// (when given) tells whether a link of the chain belongs to another user.
std::string followLinks(const std::string &path, bool *foreign) {
    std::string current = path;
    for (int hop = 0; hop < MaxLinks; ++hop) {
        struct stat info;
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        if (foreign && info.st_uid != ::geteuid())
            *foreign = true;
        char buffer[PATH_MAX];
        const ssize_t length = ::readlink(current.c_str(), buffer, sizeof buffer);
        if (length < 0 || static_cast<size_t>(length) >= sizeof buffer)
            return {};
        const std::string next(buffer, static_cast<size_t>(length));
        current = next.starts_with('/') ? next : folderOf(current) + "/" + next;
    }
    return {};
}

} // namespace

std::string linkTarget(const std::string &path) {
    return followLinks(path, nullptr);
}

void setTemporaryPartSource(TemporaryPartSource source) {
    partSource() = std::move(source);
}

FileReplacement::FileReplacement(const std::string &path, LinkRule links) {
    bool foreign = false;
    m_target = links == LinkRule::WriteThrough ? followLinks(path, &foreign) : path;
    if (m_target.empty()) {
        errno = ELOOP;
        failWithErrno();
        return;
    }
    // Anybody may plant a link in a folder others can write to, such as the
    // system's temporary folder: following theirs would let them choose
    // which of our files is replaced. Ours we follow, wherever they lie.
    if (foreign) {
        fail(Translations::translate("SafeReplace", "a link that belongs to another user")
                 .toStdString());
        return;
    }
    struct stat old;
    const bool exists = ::lstat(m_target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode) &&
        !(links == LinkRule::ReplaceName && S_ISLNK(old.st_mode))) {
        fail(Translations::translate("SafeReplace", "not a regular file").toStdString());
        return;
    }
    for (int attempt = 0; attempt < NameTries; ++attempt) {
        const std::string part = partSource() ? partSource()() : randomPart();
        m_temporary = m_target + "." + part + ".new";
        do
            m_fd = ::open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          0666);
        while (m_fd < 0 && errno == EINTR);
        if (m_fd >= 0 || errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        m_temporary.clear();
        failWithErrno();
        return;
    }
    // Held while this object lives: a fresh file nobody locks is a dead one.
    ::flock(m_fd, LOCK_EX | LOCK_NB);
    m_pendingSlot = notePending(m_temporary);
    // Permission bits only: set-ID bits on a rewritten file would be a gift.
    if (exists && S_ISREG(old.st_mode) && ::fchmod(m_fd, old.st_mode & 0777) != 0) {
        failWithErrno();
        discard();
    }
}

FileReplacement::~FileReplacement() {
    if (!m_committed)
        discard();
    if (m_fd >= 0)
        ::close(m_fd);
}

void FileReplacement::fail(const std::string &why) {
    m_error = why;
}

void FileReplacement::failWithErrno() {
    m_error = std::strerror(errno);
}

void FileReplacement::discard() {
    forgetPending(std::exchange(m_pendingSlot, -1));
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
    m_temporary.clear();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool FileReplacement::commit() {
    if (m_fd < 0 || m_committed)
        return m_committed;
    if (::fsync(m_fd) != 0 || ::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        failWithErrno();
        discard();
        return false;
    }
    m_committed = true;
    forgetPending(std::exchange(m_pendingSlot, -1));
    syncFolder(folderOf(m_target));
    return true;
}

int FileReplacement::takeDescriptor() {
    return std::exchange(m_fd, -1);
}

bool replaceFileContents(const std::string &path, std::string_view bytes, std::string *error,
                         LinkRule links) {
    FileReplacement replacement(path, links);
    bool done = !replacement.failed();
    if (done && !writeAll(replacement.descriptor(), bytes)) {
        if (error)
            *error = std::strerror(errno);
        return false;
    }
    done = done && replacement.commit();
    if (!done && error)
        *error = replacement.error();
    return done;
}
