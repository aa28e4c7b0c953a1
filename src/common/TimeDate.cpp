// SPDX-License-Identifier: MIT
#include "common/TimeDate.h"

#include <chrono>
#include <ctime>
#include <utility>

namespace {
TimeDate::ClockSource &clockSource() {
    static TimeDate::ClockSource source;
    return source;
}
} // namespace

TimeDate::TimeDate(int16_t y, int16_t mo, int16_t d, int16_t h, int16_t mi, int16_t s, int16_t ms)
    : year(y), month(mo), day(d), hour(h), minute(mi), second(s), millisecond(ms) {}

void TimeDate::setClockSource(ClockSource source) {
    clockSource() = std::move(source);
}

TimeDate TimeDate::localNow() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    return TimeDate(static_cast<int16_t>(local.tm_year + 1900),
                    static_cast<int16_t>(local.tm_mon + 1), static_cast<int16_t>(local.tm_mday),
                    static_cast<int16_t>(local.tm_hour), static_cast<int16_t>(local.tm_min),
                    static_cast<int16_t>(local.tm_sec), static_cast<int16_t>(millis));
}

void TimeDate::SetNow() {
    *this = clockSource() ? clockSource()() : localNow();
}

int32_t TimeDate::SecondCount() const {
    // 30-day months and 360-day years; the arithmetic wraps modulo 2^32 on
    // purpose, only differences of two counts carry meaning.
    uint32_t count = static_cast<uint32_t>(static_cast<int32_t>(year));
    count = count * 12u + static_cast<uint32_t>(static_cast<int32_t>(month));
    count = count * 30u + static_cast<uint32_t>(static_cast<int32_t>(day));
    count = count * 24u + static_cast<uint32_t>(static_cast<int32_t>(hour));
    count = count * 60u + static_cast<uint32_t>(static_cast<int32_t>(minute));
    count = count * 60u + static_cast<uint32_t>(static_cast<int32_t>(second));
    return static_cast<int32_t>(count);
}

bool TimeDate::IsBefore(const TimeDate &other) const {
    const int16_t mine[] = {year, month, day, hour, minute, second, millisecond};
    const int16_t theirs[] = {other.year,   other.month,  other.day,        other.hour,
                              other.minute, other.second, other.millisecond};
    for (int i = 0; i < 7; ++i) {
        if (mine[i] != theirs[i])
            return mine[i] < theirs[i];
    }
    return false;
}

std::string TimeDate::TimeText() const {
    std::string millis = std::to_string(millisecond);
    if (millis.size() < 3)
        millis.insert(0, 3 - millis.size(), '0');
    return std::to_string(hour) + ":" + std::to_string(minute) + ":" + std::to_string(second) +
           "." + millis;
}

std::string TimeDate::DateText() const {
    return std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year);
}
