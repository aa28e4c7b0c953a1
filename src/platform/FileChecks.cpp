// SPDX-License-Identifier: MIT
#include "platform/FileChecks.h"

#include <sys/stat.h>

FileKind fileKind(const std::string &path) {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0)
        return FileKind::Missing;
    return S_ISREG(info.st_mode) ? FileKind::Regular : FileKind::Other;
}

std::string notRegularFileReason(const std::string &path) {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0 || S_ISREG(info.st_mode))
        return {};
    const char *what = S_ISDIR(info.st_mode)                            ? "a folder"
                       : S_ISFIFO(info.st_mode)                         ? "a named pipe"
                       : S_ISSOCK(info.st_mode)                         ? "a socket"
                       : S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode) ? "a device"
                                                                        : "a special file";
    return std::string("is ") + what + ", not a regular file";
}

bool sameFile(const std::string &first, const std::string &second) {
    struct stat one;
    struct stat two;
    return ::stat(first.c_str(), &one) == 0 && ::stat(second.c_str(), &two) == 0 &&
           one.st_dev == two.st_dev && one.st_ino == two.st_ino;
}
