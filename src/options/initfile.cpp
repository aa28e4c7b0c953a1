// SPDX-License-Identifier: MIT
#include "options/initfile.h"

#include "common/Text.h"
#include "options/LineData.h"
#include "platform/file_info.h"

initfile::initfile(const std::string &fileName) : m_fileName(normalizedPath(fileName)) {}

initfile::~initfile() {
    if (m_modified)
        write();
}

std::string initfile::normalizedPath(const std::string &path) {
    if (path.size() >= 4 && upperAscii(path.substr(path.size() - 4)) == ".INI")
        return path;
    return path + ".INI";
}

std::string initfile::normalizedName(const std::string &name) {
    return upperAscii(trimText(name));
}

bool initfile::setKey(const std::string &text) {
    std::optional<std::string> key = LineData::keyOf(text);
    if (key)
        m_key = std::move(*key);
    return key.has_value();
}

bool initfile::read(const std::string &key) {
    m_key.clear();
    if (!key.empty())
        setKey(key);
    const size_t slash = m_fileName.rfind('/');
    const std::string directory =
        slash == std::string::npos ? std::string() : m_fileName.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? m_fileName : m_fileName.substr(slash + 1);
    if (!file_info(directory, name).exists())
        return false;

    LineData file(m_fileName);
    if (!m_key.empty())
        file.setKey(m_key);
    file.open(true);
    m_keepFile = !file.loaded();
    std::string line;
    while (file.getLine(line)) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        m_table[normalizedName(line.substr(0, equals))] =
            trimText(line.substr(equals + 1, ValueLimit));
    }
    return true;
}

bool initfile::get(const std::string &name, std::string &value) const {
    const auto found = m_table.find(normalizedName(name));
    if (found == m_table.end())
        return false;
    value = found->second;
    return true;
}

bool initfile::set(const std::string &name, const std::string &value) {
    m_modified = true;
    m_table[normalizedName(name)] = value;
    return true;
}

bool initfile::write() {
    m_modified = false;
    if (m_keepFile)
        return false;
    LineData file(m_fileName);
    if (!m_key.empty())
        file.setKey(m_key);
    file.open(false);
    for (const auto &[name, value] : m_table) {
        if (!value.empty())
            file.putLine(name + "=" + value);
    }
    return file.close();
}
