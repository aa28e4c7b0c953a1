// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

// The Time Record tab's rules that need no window: how counted time becomes
// whole minutes and how it is shown. The tab (TimeRecorder) owns the
// counters, the timer that advances them and the label.

// Whole minutes of counted time: a part minute counts from 31 seconds on.
int64_t minutesWorked(uint32_t hours, uint32_t minutes, uint32_t seconds);

// "mm:ss", with "h:" in front once there are hours: "00:07", "12:34",
// "1:00:00", "10:05:09".
std::string elapsedText(uint32_t hours, uint32_t minutes, uint32_t seconds);

// The command line of the SQL client that the SQL Client button starts on the
// database file at `databasePath` (absolute); empty when no client is
// installed, and then nothing is started.
std::string sqlClientCommand(const std::string &databasePath);

// The SQL Client button's tooltip: what sqlClientCommand() would start now, or
// what to install when nothing would. Looks at PATH on every call, so a client
// installed while the program runs is named the next time the tip shows.
std::string sqlClientToolTip();
