// SPDX-License-Identifier: MIT
#include "windows/LogRecord.h"

#include <cstdio>

namespace {
const char *const LineEnd = "\r\n";
}

std::string logRecordText(const TimeDate &stamp, const std::string &header,
                          const std::vector<std::string> &lines) {
    std::string record = stamp.DateText() + " " + stamp.TimeText() + LineEnd;
    if (!header.empty())
        record += header + LineEnd;
    record += std::string("User comments:") + LineEnd;
    for (const std::string &line : lines)
        record += line + LineEnd;
    record += std::string(LineEnd) + LineEnd;
    return record;
}

bool appendToFile(const std::string &fileName, const std::string &bytes) {
    if (fileName.empty())
        return false;
    std::FILE *file = std::fopen(fileName.c_str(), "ab");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    // The bytes are buffered: a full disk shows only when they are flushed.
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}
