// SPDX-License-Identifier: MIT
#include "timers/CountdownRules.h"

#include "common/Text.h"

#include <QCoreApplication>

#include <algorithm>

std::optional<int64_t> parseCountdownEntry(const std::string &entry) {
    const std::string text = trimText(entry);
    const size_t separator = timeSeparator(text);

    std::optional<int> seconds = 0;
    std::string minutesText = text;
    if (separator != std::string::npos) {
        seconds = tryStrToInt(text.substr(separator + 1, 1000));
        minutesText = text.substr(0, separator);
    }
    if (!seconds)
        return std::nullopt;
    const std::optional<int> minutes = tryStrToInt(minutesText);
    if (!minutes)
        return std::nullopt;
    return static_cast<int64_t>(*minutes) * 60 + *seconds;
}

std::string countdownText(int32_t secondsLeft) {
    const int32_t minutes = secondsLeft / 60;
    const int32_t seconds = secondsLeft % 60;
    if (minutes > 0)
        return QCoreApplication::translate("CountdownRules", " %1 min %2 sec ")
            .arg(minutes)
            .arg(seconds)
            .toStdString();
    return QCoreApplication::translate("CountdownRules", " %1 sec ").arg(seconds).toStdString();
}

uint32_t countdownInterval(int64_t seconds) {
    if (seconds <= 0 || seconds > int64_t{0xFFFFFFFF} / 1000)
        return 0;
    return static_cast<uint32_t>(seconds * 1000);
}

int32_t countdownNextCount(int32_t secondsLeft, std::optional<int64_t> msToEnd) {
    // Wraps rather than overflowing when a countdown has run below the
    // smallest count.
    const auto next = static_cast<int32_t>(static_cast<uint32_t>(secondsLeft) - 1u);
    if (!msToEnd)
        return next;
    return static_cast<int32_t>(
        std::min<int64_t>(next, (std::max<int64_t>(*msToEnd, 0) + 500) / 1000));
}

int32_t countdownPausedCount(int32_t secondsLeft, std::optional<int64_t> msToEnd) {
    if (!msToEnd)
        return secondsLeft;
    const int64_t toEnd = (std::max<int64_t>(*msToEnd, 0) + 999) / 1000;
    return static_cast<int32_t>(std::max<int64_t>(1, std::min<int64_t>(secondsLeft, toEnd)));
}
