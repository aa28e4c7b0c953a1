// SPDX-License-Identifier: MIT
#include "platform/file_info.h"

#include <sys/stat.h>

bool file_info::exists() const {
    if (name().empty())
        return false;
    struct stat info;
    return ::stat(fullName().c_str(), &info) == 0;
}
