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

// Whether the entry names the half of the day ("7:00 AM", "7 pm"): the times
// the tab shows for it are then given with AM or PM, else on 24 hours.
bool entryNamesDayHalf(const std::string &text);

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

// Where a moment falls from the user's point of view: the day counted from
// today (0 today, 1 tomorrow) and the time of day on the real calendar, so
// that "25:00" reads as 1:00 tomorrow.
struct RingMoment {
    int64_t dayOffset = 0;
    int hour = 0;
    int minute = 0;

    bool operator==(const RingMoment &) const = default;
};
RingMoment ringMoment(const TimeDate &now, const TimeDate &moment);

// A time of day in the entry's form: "7:05 AM", "12:30 PM" (noon), "12:30 AM"
// (after midnight) on twelve hours, "19:30" or "0:05" on 24.
std::string alarmTimeText(int hour, int minute, bool twelveHour);

// The line under the alarm's status: "Rings today at 7:00 AM", "Rings
// tomorrow at 19:30", "Rings in 3 days at 1:00" for an entry that rolls over
// further; a moment already reached counts as today, since it rings at once.
std::string ringsLine(const RingMoment &moment, bool twelveHour);
// The same line once it has rung: "Rang at 7:00 AM".
std::string rangLine(const RingMoment &moment, bool twelveHour);

// How long a snooze lasts.
constexpr int32_t SnoozeMs = 10 * 60 * 1000;
// The moment a snooze pressed at `now` ends: ten minutes later to the
// millisecond, its fields left unnormalised (minute 65 is five past the next
// hour), as alarmMsLeft and ringMoment read them.
TimeDate snoozeEnd(const TimeDate &now);
// The status while snoozed: "Snoozed until 7:10 AM".
std::string snoozedText(const RingMoment &end, bool twelveHour);
