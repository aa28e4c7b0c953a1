// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// A file name held as its folder part (ending in "/", or empty for the current
// directory) and its name part. Only names it; opening is left to others.
class file_id {
public:
    file_id(const std::string &directory, const std::string &name)
        : m_directory(directory), m_name(name) {}

    const std::string &directory() const { return m_directory; }
    const std::string &name() const { return m_name; }
    std::string fullName() const { return m_directory + m_name; }

private:
    std::string m_directory;
    std::string m_name;
};

// A file name that can tell whether something exists under it.
class file_info : public file_id {
public:
    using file_id::file_id;

    // False for an empty name part; otherwise true when anything, a folder
    // included, exists under the full name.
    bool exists() const;
};
