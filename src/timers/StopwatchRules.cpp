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
