// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// A calendar date and time of day with milliseconds, read from the local wall
// clock. A plain value: fields are stored as given and never normalised, so a
// hand-built value may hold day 32; differences of SecondCount stay exact.
class TimeDate {
public:
    TimeDate() = default;
    TimeDate(int16_t year, int16_t month, int16_t day, int16_t hour, int16_t minute, int16_t second,
             int16_t millisecond);

    void SetNow();

    int Year() const { return year; }
    int Month() const { return month; }
    int Day() const { return day; }
    int Hour() const { return hour; }
    int Minute() const { return minute; }
    int Second() const { return second; }

    int32_t SecondCount() const;
    bool IsBefore(const TimeDate &other) const;
    std::string TimeText() const;
    std::string DateText() const;

    bool operator==(const TimeDate &) const = default;

    // Where SetNow reads the time; tests replace it with a set clock. An
    // empty function restores the local wall clock.
    using ClockSource = std::function<TimeDate()>;
    static void setClockSource(ClockSource source);
    static TimeDate localNow();

    int16_t year = 0;
    int16_t month = 0;
    int16_t day = 0;
    int16_t hour = 0;
    int16_t minute = 0;
    int16_t second = 0;
    int16_t millisecond = 0;
};
