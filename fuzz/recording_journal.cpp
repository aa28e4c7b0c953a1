// SPDX-License-Identifier: MIT
// A recording journal left beside the database, whatever its bytes: reading
// it gives nothing or an entry whose numbers are all within their ranges, and
// such an entry written out reads back as the same entry.

#include "FuzzSupport.h"

#include "projects/RecordingJournal.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const std::optional<RecordingJournalEntry> entry = parseRecordingJournal(bytes);
    if (!entry)
        return 0;
    const TimeDate &s = entry->start;
    const std::chrono::year_month_day day{std::chrono::year(s.Year()),
                                          std::chrono::month(static_cast<unsigned>(s.Month())),
                                          std::chrono::day(static_cast<unsigned>(s.Day()))};
    fuzz::check(day.ok() && s.Hour() >= 0 && s.Hour() < 24 && s.Minute() >= 0 &&
                    s.Minute() < 60 && s.Second() >= 0 && s.Second() < 60,
                "the start is a real calendar time");
    fuzz::check(entry->minutes < 60 && entry->seconds < 60, "the counts are carried");
    fuzz::check(!entry->project.empty(), "the journal names its project");

    const std::string path = fuzz::scratchFolder() + "/chimeral.db-recording-1";
    fuzz::check(writeRecordingJournal(path, *entry), "the journal is written");
    fuzz::check(readRecordingJournal(path) == entry || bytes.size() > RecordingJournalReadLimit ||
                    entry->project.size() + 100 > RecordingJournalReadLimit,
                "what is written reads back");
    return 0;
}
