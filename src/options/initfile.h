// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <string>

// The options store: a name/value table filled from the options file, queried
// and changed by name, and written back to the file when it is destroyed after
// a change. It holds text only; what a value means is its owner's business.
// Names are compared trimmed and ASCII upper-cased; entries are kept and
// written in byte order of those names.
class initfile {
public:
    // Values longer than this are cut when read.
    static constexpr size_t ValueLimit = 1000;

    // A path not ending in ".ini" (any letter case) gets ".INI" appended.
    explicit initfile(const std::string &fileName);
    // Writes the file when anything was set.
    ~initfile();
    initfile(const initfile &) = delete;
    initfile &operator=(const initfile &) = delete;

    // Installs key (an empty or refused key means plain text) and merges the
    // file into the table. False when nothing exists under the path; true
    // otherwise, even when nothing could be read.
    bool read(const std::string &key = std::string());
    // Copies the value when the name is known; otherwise leaves value untouched.
    bool get(const std::string &name, std::string &value) const;
    // Stores the value as given and marks the store modified. Always true.
    bool set(const std::string &name, const std::string &value);
    // Replaces the file with every entry of a non-empty value, in key order.
    // Leaves the file alone when no value is non-empty, and when read found a
    // file there that it could not load (unreadable, too large, not a regular
    // file): its content is unknown, so replacing it could destroy entries
    // nobody asked to remove. False when the file was left for that reason,
    // when the entries do not fit one write (as much as reading accepts) or
    // the new file could not be written; the old one then
    // stays as it was. Clears modified, so a store written by its owner is
    // not written again when it is destroyed.
    bool write();

    // Keys for the enciphered form: 8 characters or more, of which the first 8
    // count; a shorter text is refused (false) and leaves the key as it was.
    bool setKey(const std::string &text);

    const std::string &fileName() const { return m_fileName; }
    bool modified() const { return m_modified; }
    const std::map<std::string, std::string> &entries() const { return m_table; }

    static std::string normalizedPath(const std::string &path);
    static std::string normalizedName(const std::string &name);

private:
    std::string m_fileName;
    std::string m_key;
    bool m_modified = false;
    bool m_keepFile = false;
    // std::string compares its characters as unsigned bytes, which is the
    // order the file is written in.
    std::map<std::string, std::string> m_table;
};
