// SPDX-License-Identifier: MIT
#include "timers/StopwatchRules.h"

#include "common/ElapsedTime.h"
#include "common/Text.h"

void stopwatchTick(StopwatchCount &count) {
    ++count.tenths;
    if (count.tenths > 9) {
        ++count.seconds;
        count.tenths = 0;
    }
    carrySeconds(count.hours, count.minutes, count.seconds);
}

std::string stopwatchText(const StopwatchCount &count) {
    std::string text;
    if (count.hours != 0)
        text = std::to_string(count.hours) + ":";
    return text + twoDigits(count.minutes) + ":" + twoDigits(count.seconds) + "." +
           std::to_string(count.tenths);
}

void stopwatchClear(StopwatchCount &count) {
    count.hours = 0;
    count.minutes = 0;
    count.seconds = 0;
    count.tenths = UINT32_MAX;
}

uint64_t stopwatchTenths(const StopwatchCount &count) {
    return ((uint64_t{count.hours} * 60 + count.minutes) * 60 + count.seconds) * 10 + count.tenths;
}

StopwatchCount stopwatchCountOf(uint64_t tenths) {
    StopwatchCount count;
    count.tenths = static_cast<uint32_t>(tenths % 10);
    const uint64_t seconds = tenths / 10;
    count.seconds = static_cast<uint32_t>(seconds % 60);
    count.minutes = static_cast<uint32_t>(seconds / 60 % 60);
    count.hours = static_cast<uint32_t>(seconds / 3600);
    return count;
}

StopwatchLap stopwatchLap(const std::vector<uint64_t> &earlierTotals, uint64_t total) {
    const uint64_t last = earlierTotals.empty() ? 0 : earlierTotals.back();
    // A lap is taken only while the watch runs, and Clear drops the laps with
    // the count, so the total never falls behind the last lap's.
    const uint64_t lap = total >= last ? total - last : 0;
    return {static_cast<int>(earlierTotals.size()) + 1, stopwatchText(stopwatchCountOf(lap)),
            stopwatchText(stopwatchCountOf(total))};
}

std::string stopwatchLapLines(const std::vector<StopwatchLap> &laps) {
    std::string text;
    for (const StopwatchLap &lap : laps)
        text += std::to_string(lap.number) + "\t" + lap.lap + "\t" + lap.total + "\n";
    return text;
}
