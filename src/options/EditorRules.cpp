// SPDX-License-Identifier: MIT
#include "options/EditorRules.h"

#include "common/Text.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {
bool isFolder(const std::string &path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(path, error);
}

std::string currentFolder() {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::string(".") : current.string();
}

std::string dialogPattern(const std::string &pattern) {
    std::string result;
    size_t start = 0;
    while (start <= pattern.size()) {
        const size_t end = std::min(pattern.find(';', start), pattern.size());
        std::string part = trimText(pattern.substr(start, end - start));
        // Unlike the system this notation comes from, "*.*" would miss names
        // without a dot here.
        if (part == "*.*")
            part = "*";
        if (!part.empty())
            result += (result.empty() ? "" : " ") + part;
        start = end + 1;
    }
    return result.empty() ? "*" : result;
}
} // namespace

std::vector<std::string> fileDialogFilters(std::span<const std::string> names,
                                           std::span<const std::string> patterns, size_t count) {
    count = std::min({count, names.size(), patterns.size()});
    std::vector<std::string> filters;
    for (size_t i = 0; i < count; ++i)
        filters.push_back(names[i] + " (" + dialogPattern(patterns[i]) + ")");
    return filters;
}

std::string folderOfChosenFile(const std::string &path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(0, slash + 1);
}

DialogStart dialogStart(const std::string &value, const std::string &fallback) {
    if (!value.empty()) {
        const size_t slash = value.rfind('/');
        if (slash == std::string::npos)
            return {currentFolder(), value};
        const std::string folder = slash == 0 ? "/" : value.substr(0, slash);
        if (isFolder(folder))
            return {folder, value.substr(slash + 1)};
    }
    if (isFolder(fallback))
        return {fallback, ""};
    return {currentFolder(), ""};
}
