// SPDX-License-Identifier: MIT
// The log window's record writer with any comment text: every record is
// appended whole after what the file held, carries the stamp, and holds each
// comment line byte for byte followed by CR LF.

#include "FuzzSupport.h"

#include "windows/LogRecord.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string readAll(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzedDataProvider input(data, size);
    const TimeDate stamp(input.ConsumeIntegral<int16_t>(), input.ConsumeIntegral<int16_t>(),
                         input.ConsumeIntegral<int16_t>(), input.ConsumeIntegral<int16_t>(),
                         input.ConsumeIntegral<int16_t>(), input.ConsumeIntegral<int16_t>(),
                         input.ConsumeIntegral<int16_t>());
    const std::string header = input.ConsumeRandomLengthString(64);
    const std::string before = input.ConsumeRandomLengthString(256);
    const std::string memo = input.ConsumeRemainingBytesAsString();

    // The memo's lines as the window hands them over: split at line breaks.
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = memo.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(memo.substr(start, end - start));
    if (start < memo.size())
        lines.push_back(memo.substr(start));

    const std::string path = fuzz::scratchFolder() + "/Chimeral.log";
    fuzz::writeFile(path, before);
    const std::string record = logRecordText(stamp, header, lines);
    fuzz::check(appendToFile(path, record), "the append succeeds");
    fuzz::check(readAll(path) == before + record, "the record is appended whole");

    std::string expected = stamp.DateText() + " " + stamp.TimeText() + "\r\n";
    if (!header.empty())
        expected += header + "\r\n";
    expected += "User comments:\r\n";
    for (const std::string &line : lines)
        expected += line + "\r\n";
    expected += "\r\n\r\n";
    fuzz::check(record == expected, "stamp, header, lines and the closing blank lines");
    return 0;
}
