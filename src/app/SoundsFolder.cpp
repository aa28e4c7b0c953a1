// SPDX-License-Identifier: MIT
#include "app/SoundsFolder.h"

#include <filesystem>
#include <system_error>

std::string installedSoundsFolder(const std::string &programFolder) {
    const std::filesystem::path program(programFolder);
    for (const std::filesystem::path &candidate :
         {program / ".." / "share" / "chimeral" / "sounds", program / "sounds"}) {
        std::error_code error;
        if (std::filesystem::is_directory(candidate, error))
            return candidate.lexically_normal().string();
    }
    return std::string();
}
