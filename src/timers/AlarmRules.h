// SPDX-License-Identifier: MIT
#pragma once

#include "common/TimeDate.h"

#include <cstdint>
#include <optional>
#include <string>

// The alarm tab's rules without the window: reading the typed time of day and
// working out when the alarm rings. The window reads the edit box, shows the
// invalid-entry message, and restarts its timer with the interval given here.

// A typed time of day. Neither part has a range limit: "0:90" and "25:00" are
// valid entries and roll over through the arithmetic of the arming.
struct AlarmEntry {
    int hours = 0;
    int minutes = 0;

    bool operator==(const AlarmEntry &) const = default;
};

// Reads texts such as "7:00 AM", "7 PM", "7.30" or "19"; nothing when the
// hours or the minutes are not whole numbers.
std::optional<AlarmEntry> parseAlarmEntry(const std::string &text);

// The alarm's moment and how long the timer waits for it.
struct AlarmArming {
    // Today's date, or the day after when the time has passed; the day is
    // left as day + 1 even past the month's end, since only differences of
    // SecondCount are used.
    TimeDate alarmTime;
    // alarmTime.SecondCount() - now.SecondCount(); the seconds of now count,
    // its milliseconds do not.
    int32_t delaySeconds = 0;
    // The timer's interval: the delay in milliseconds, at least 1 (a moment
    // already reached rings at once rather than never) and at most the
    // largest unsigned 32-bit count (a moment the timer cannot reach rings
    // as late as it can).
    uint32_t intervalMs = 0;
};

// Hours and minutes are stored in the 16-bit fields of the alarm time, so
// values beyond that range keep only their low 16 bits.
AlarmArming alarmArming(const TimeDate &now, int hours, int minutes);

// Milliseconds until the local wall clock, now reading `now`, reaches
// `alarmTime`, counted on the real calendar of both values' local fields (day
// 32 is the first of the next month, hour 25 one in the morning after); 0 or
// less once it has. The alarm rings when this runs out, whenever the clock
// gets there: by running, by being set, or by a change of daylight saving
// time, which moves the local fields and not the moment they name.
int64_t alarmMsLeft(const TimeDate &now, const TimeDate &alarmTime);
