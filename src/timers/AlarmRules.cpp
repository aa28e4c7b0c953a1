// SPDX-License-Identifier: MIT
#include "timers/AlarmRules.h"

#include "common/Text.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace {
// The minutes text is cut to this many characters before conversion.
constexpr size_t MaxMinutesText = 1000;

// Days from 1970-01-01 to the first of the given month on the Gregorian
// calendar, for any month number (13 is January of the year after).
int64_t daysToMonth(int64_t year, int64_t month) {
    year += (month >= 1 ? month - 1 : month - 12) / 12;
    month = ((month - 1) % 12 + 12) % 12 + 1;
    // Counted from March, so that the leap day ends the year.
    const int64_t y = month <= 2 ? year - 1 : year;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yearOfEra = y - era * 400;
    const int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// The local fields as milliseconds on a calendar without time zones.
int64_t localMs(const TimeDate &t) {
    const int64_t days = daysToMonth(t.year, t.month) + t.day - 1;
    const int64_t seconds = ((days * 24 + t.hour) * 60 + t.minute) * 60 + t.second;
    return seconds * 1000 + t.millisecond;
}
} // namespace

std::optional<AlarmEntry> parseAlarmEntry(const std::string &typed) {
    std::string text = trimText(typed);

    // Whatever follows the last morning/afternoon letter is ignored, so that
    // "am", "a.m." and "PM" all read alike.
    bool afternoon = false;
    const size_t letter = text.find_last_of("AaPp");
    if (letter != std::string::npos) {
        afternoon = text[letter] == 'P' || text[letter] == 'p';
        text = trimText(text.substr(0, letter));
    }

    const size_t separator = timeSeparator(text);

    std::optional<int> hours;
    std::optional<int> minutes;
    if (separator == std::string::npos) {
        hours = tryStrToInt(text);
        minutes = 0;
    } else {
        hours = tryStrToInt(text.substr(0, separator));
        minutes = tryStrToInt(text.substr(separator + 1, MaxMinutesText));
    }
    if (!hours || !minutes)
        return std::nullopt;

    // Only hours 0-11 move to the afternoon; the morning letter changes
    // nothing, so "12:15 AM" is a quarter past noon.
    if (afternoon && static_cast<unsigned>(*hours) < 12u)
        *hours += 12;
    return AlarmEntry{*hours, *minutes};
}

bool entryNamesDayHalf(const std::string &text) {
    return text.find_first_of("AaPp") != std::string::npos;
}

AlarmArming alarmArming(const TimeDate &now, int hours, int minutes) {
    const auto hour = static_cast<int16_t>(hours);
    const auto minute = static_cast<int16_t>(minutes);

    AlarmArming arming;
    arming.alarmTime = TimeDate(now.year, now.month, now.day, hour, minute, 0, 0);
    if (arming.alarmTime.IsBefore(now)) {
        arming.alarmTime =
            TimeDate(now.year, now.month, static_cast<int16_t>(now.day + 1), hour, minute, 0, 0);
    }

    // Both counts may have wrapped past 2^31; their difference is exact when
    // taken modulo 2^32.
    const uint32_t difference = static_cast<uint32_t>(arming.alarmTime.SecondCount()) -
                                static_cast<uint32_t>(now.SecondCount());
    arming.delaySeconds = static_cast<int32_t>(difference);

    // An interval of 0 never ticks, and a wrapped product would ring at an
    // arbitrary time, so the milliseconds are clamped to what the timer can do.
    const int64_t milliseconds = int64_t{arming.delaySeconds} * 1000;
    constexpr int64_t longest = std::numeric_limits<uint32_t>::max();
    if (milliseconds < 1)
        arming.intervalMs = 1;
    else if (milliseconds > longest)
        arming.intervalMs = std::numeric_limits<uint32_t>::max();
    else
        arming.intervalMs = static_cast<uint32_t>(milliseconds);
    return arming;
}

int64_t alarmMsLeft(const TimeDate &now, const TimeDate &alarmTime) {
    return localMs(alarmTime) - localMs(now);
}

RingMoment ringMoment(const TimeDate &now, const TimeDate &moment) {
    constexpr int64_t dayMs = 24 * 3600 * 1000;
    const auto floorDiv = [](int64_t a, int64_t b) { return a / b - (a % b != 0 && a < 0); };
    const int64_t at = localMs(moment);
    const int64_t day = floorDiv(at, dayMs);
    const int64_t minuteOfDay = (at - day * dayMs) / 60000;
    RingMoment ring;
    ring.dayOffset = std::max<int64_t>(0, day - floorDiv(localMs(now), dayMs));
    ring.hour = static_cast<int>(minuteOfDay / 60);
    ring.minute = static_cast<int>(minuteOfDay % 60);
    return ring;
}

std::string alarmTimeText(int hour, int minute, bool twelveHour) {
    const std::string minutes = (minute < 10 ? ":0" : ":") + std::to_string(minute);
    if (!twelveHour)
        return std::to_string(hour) + minutes;
    const int shown = hour % 12 == 0 ? 12 : hour % 12;
    return std::to_string(shown) + minutes + (hour < 12 ? " AM" : " PM");
}

// Whole sentences, so that a translation can order the day and the time its
// own way.
std::string ringsLine(const RingMoment &moment, bool twelveHour) {
    const QString time =
        QString::fromStdString(alarmTimeText(moment.hour, moment.minute, twelveHour));
    QString line = QCoreApplication::translate("AlarmRules", "Rings today at %1").arg(time);
    if (moment.dayOffset == 1)
        line = QCoreApplication::translate("AlarmRules", "Rings tomorrow at %1").arg(time);
    else if (moment.dayOffset > 1)
        line = QCoreApplication::translate("AlarmRules", "Rings in %n days at %1", nullptr,
                                           moment.dayOffset)
                   .arg(time);
    return line.toStdString();
}

std::string rangLine(const RingMoment &moment, bool twelveHour) {
    return QCoreApplication::translate("AlarmRules", "Rang at %1")
        .arg(QString::fromStdString(alarmTimeText(moment.hour, moment.minute, twelveHour)))
        .toStdString();
}

TimeDate snoozeEnd(const TimeDate &now) {
    return TimeDate(now.year, now.month, now.day, now.hour,
                    static_cast<int16_t>(now.minute + SnoozeMs / 60000), now.second,
                    now.millisecond);
}

std::string snoozedText(const RingMoment &end, bool twelveHour) {
    return QCoreApplication::translate("AlarmRules", "Snoozed until %1")
        .arg(QString::fromStdString(alarmTimeText(end.hour, end.minute, twelveHour)))
        .toStdString();
}
