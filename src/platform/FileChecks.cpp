// SPDX-License-Identifier: MIT
#include "platform/FileChecks.h"

#include "platform/Translators.h"

#include <QtGlobal>

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
    // Each clause whole, so that a language can say it its own way.
    const char *reason =
        S_ISDIR(info.st_mode) ? QT_TRANSLATE_NOOP("FileChecks", "is a folder, not a regular file")
        : S_ISFIFO(info.st_mode)
            ? QT_TRANSLATE_NOOP("FileChecks", "is a named pipe, not a regular file")
        : S_ISSOCK(info.st_mode)
            ? QT_TRANSLATE_NOOP("FileChecks", "is a socket, not a regular file")
        : S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)
            ? QT_TRANSLATE_NOOP("FileChecks", "is a device, not a regular file")
            : QT_TRANSLATE_NOOP("FileChecks", "is a special file, not a regular file");
    return Translations::translate("FileChecks", reason).toStdString();
}

bool sameFile(const std::string &first, const std::string &second) {
    struct stat one;
    struct stat two;
    return ::stat(first.c_str(), &one) == 0 && ::stat(second.c_str(), &two) == 0 &&
           one.st_dev == two.st_dev && one.st_ino == two.st_ino;
}
