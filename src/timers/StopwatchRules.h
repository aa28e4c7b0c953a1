// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

// The stopwatch's counters and the rules that move and show them. Time is a
// count of ticks of a tenth of a second each; the window owns the timer that
// delivers them, the buttons and the label.
struct StopwatchCount {
    uint32_t hours = 0; // no upper limit
    uint32_t minutes = 0;
    uint32_t seconds = 0;
    uint32_t tenths = 0;

    bool operator==(const StopwatchCount &) const = default;
};

// One tenth more, carried into seconds, minutes and hours.
void stopwatchTick(StopwatchCount &count);

// "mm:ss.t", with "h:" in front once there are hours: "00:09.9", "12:03:07.4".
std::string stopwatchText(const StopwatchCount &count);

// Zeroes the counters with the tenths one below zero, so that the one tick
// the window then runs lands on zero and redraws "00:00.0".
void stopwatchClear(StopwatchCount &count);
