// SPDX-License-Identifier: MIT
// The alarm's typed time of day and its arming. Any text either fails or
// gives hours and minutes that arm at any moment of "now" (fields arbitrary,
// as a hand-built value may hold them) with a consistent delay and interval.

#include "FuzzSupport.h"

#include "timers/AlarmRules.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzedDataProvider input(data, size);
    TimeDate now;
    for (int16_t *field :
         {&now.year, &now.month, &now.day, &now.hour, &now.minute, &now.second, &now.millisecond})
        *field = input.ConsumeIntegral<int16_t>();
    const std::string text = input.ConsumeRemainingBytesAsString();

    const auto entry = parseAlarmEntry(text);
    if (!entry)
        return 0;
    if (text.find_first_of("AaPp") == std::string::npos) {
        // The morning letter changes nothing; the afternoon one moves 0-11 on.
        fuzz::check(parseAlarmEntry(text + " AM") == entry, "AM changes nothing");
        AlarmEntry afternoon = *entry;
        if (afternoon.hours >= 0 && afternoon.hours < 12)
            afternoon.hours += 12;
        fuzz::check(parseAlarmEntry(text + "pm") == afternoon, "PM moves the morning on");
    }

    const AlarmArming arming = alarmArming(now, entry->hours, entry->minutes);
    const TimeDate &at = arming.alarmTime;
    fuzz::check(at.year == now.year && at.month == now.month, "the alarm keeps year and month");
    fuzz::check(at.hour == static_cast<int16_t>(entry->hours) &&
                    at.minute == static_cast<int16_t>(entry->minutes) && at.second == 0 &&
                    at.millisecond == 0,
                "the alarm rings at the typed time");
    const TimeDate today(now.year, now.month, now.day, at.hour, at.minute, 0, 0);
    fuzz::check(at.day == (today.IsBefore(now) ? static_cast<int16_t>(now.day + 1) : now.day),
                "today unless passed, else the day after");
    fuzz::check(arming.delaySeconds ==
                    static_cast<int32_t>(static_cast<uint32_t>(at.SecondCount()) -
                                         static_cast<uint32_t>(now.SecondCount())),
                "the delay is the difference of the counts");
    const int64_t milliseconds = int64_t{arming.delaySeconds} * 1000;
    if (milliseconds < 1)
        fuzz::check(arming.intervalMs == 1, "a moment reached rings at once");
    else if (milliseconds > std::numeric_limits<uint32_t>::max())
        fuzz::check(arming.intervalMs == std::numeric_limits<uint32_t>::max(), "clamped");
    else
        fuzz::check(arming.intervalMs == milliseconds, "the interval is the delay");
    return 0;
}
