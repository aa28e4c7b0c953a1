// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

// The count as tenths of a second, and back.
uint64_t stopwatchTenths(const StopwatchCount &count);
StopwatchCount stopwatchCountOf(uint64_t tenths);

// One lap: its number from 1, its own time and the total when it was taken,
// both in the display's form.
struct StopwatchLap {
    int number = 0;
    std::string lap;
    std::string total;

    bool operator==(const StopwatchLap &) const = default;
};

// The lap taken at `total`, after the laps before it (oldest first): its time
// is what the watch counted since the last lap, or since zero for the first.
StopwatchLap stopwatchLap(const std::vector<uint64_t> &earlierTotals, uint64_t total);

// The laps as copied: one line per lap, number, lap and total separated by
// tabs, in the order given, each line ending in a newline.
std::string stopwatchLapLines(const std::vector<StopwatchLap> &laps);
