// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Replacing a file's whole content in one step: the new content goes to a
// fresh file beside the target, reaches the disk, and is renamed over the
// target, so a reader finds the old file or the new one, whole. The fresh file
// is created under a random name that must not exist yet and is never opened
// through a link, so a link or file planted under a name we might pick is left
// as it is. The new file keeps the mode of the file it replaces; a new name
// gets 0666 less the umask. A target that exists and is not a regular file (a
// FIFO, a device, a folder) is refused and nothing is replaced. What the
// content is and when to write it is the caller's business.

// What a symbolic link under the target's name means.
enum class LinkRule {
    WriteThrough, // the file the link leads to is replaced and the link stays a link;
                  // refused when a link of the chain belongs to another user
    ReplaceName   // the name itself gets the new file; the link and what it leads to stay
};

class FileReplacement {
public:
    // Prepares the fresh file for `path`; failed() tells whether it could be.
    explicit FileReplacement(const std::string &path, LinkRule links = LinkRule::WriteThrough);
    // A replacement not committed is discarded: the fresh file goes, the
    // target stays as it was.
    ~FileReplacement();
    FileReplacement(const FileReplacement &) = delete;
    FileReplacement &operator=(const FileReplacement &) = delete;

    bool failed() const { return m_fd < 0; }
    // Why the last step failed, for a message: "not a regular file", "a link
    // that belongs to another user", or the system's text for the error.
    const std::string &error() const { return m_error; }
    // The fresh file, open for writing, while this object owns it.
    int descriptor() const { return m_fd; }
    // The name that is replaced: the path, or where its links lead.
    const std::string &target() const { return m_target; }

    // Flushes the fresh file to the disk and renames it over the target, then
    // flushes the folder so the rename lasts. The descriptor stays open. False
    // (with error()) when any step failed; the fresh file is then removed.
    bool commit();
    // Hands the open descriptor to the caller, who closes it.
    int takeDescriptor();

private:
    void fail(const std::string &why);
    void failWithErrno();
    void discard();

    std::string m_target;
    std::string m_temporary;
    int m_pendingSlot = -1;
    std::string m_error;
    int m_fd = -1;
    bool m_committed = false;
};

// The whole replacement for content held in memory. False when the file was
// not replaced; `error` (when given) then says why.
bool replaceFileContents(const std::string &path, std::string_view bytes,
                         std::string *error = nullptr, LinkRule links = LinkRule::WriteThrough);

// Removes the fresh files of replacements this process has under way, as it
// is ended by a signal: only calls a signal handler may make.
void discardPendingReplacements();

// Removes the fresh files of replacements in `folder` that never completed:
// the names `isFresh` picks that hold regular files of this user whose
// writer, which locks a fresh file while it lives, has gone.
void removeDeadReplacements(const std::string &folder,
                            const std::function<bool(std::string_view name)> &isFresh);
// Whether `name` is that of a fresh file for `target` ("<target>.<part>.new").
bool isFreshFileOf(std::string_view name, std::string_view target);

// The random middle part of the fresh file's name ("<target>.<part>.new").
// Tests replace it to plant something under the next name; an empty function
// restores the random one.
using TemporaryPartSource = std::function<std::string()>;
void setTemporaryPartSource(TemporaryPartSource source);

// The folder part of a path: "." for a bare name, "/" for a name at the root.
std::string folderOf(const std::string &path);

// The file a chain of symbolic links at `path` ends at (relative links read
// from the folder of the link), or `path` itself when it is no link. The end
// need not exist. Empty for a loop or a chain too long to follow.
std::string linkTarget(const std::string &path);
