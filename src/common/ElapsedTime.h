// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// Counted time kept as hours, minutes and seconds, as the stopwatch and the
// Time Record tab count it: seconds past 59 carry into the minutes and minutes
// past 59 into the hours, which have no upper limit.
inline void carrySeconds(uint32_t &hours, uint32_t &minutes, uint32_t &seconds) {
    if (seconds > 59) {
        ++minutes;
        seconds = 0;
    }
    if (minutes > 59) {
        ++hours;
        minutes = 0;
    }
}
