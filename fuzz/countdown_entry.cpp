// SPDX-License-Identifier: MIT
// The countdown's typed duration. Any text either fails or gives a duration
// that the label and the timer interval accept; and a text assembled from
// two numbers and a separator must read as minutes * 60 + seconds.

#include "FuzzSupport.h"

#include "common/Text.h"
#include "timers/CountdownRules.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

namespace {

void checkDuration(int64_t seconds) {
    // Both parts are 32-bit, so the total stays far inside 64 bits.
    constexpr int64_t most = int64_t{std::numeric_limits<int32_t>::max()} * 61;
    fuzz::check(seconds <= most && seconds >= -most - 61, "durations stay in range");
    const uint32_t interval = countdownInterval(seconds);
    if (seconds <= 0 || seconds > 4294967)
        fuzz::check(interval == 0, "durations the timer cannot hold get 0");
    else
        fuzz::check(interval == static_cast<uint64_t>(seconds) * 1000, "interval in ms");
    if (seconds >= std::numeric_limits<int32_t>::min() &&
        seconds <= std::numeric_limits<int32_t>::max()) {
        const std::string label = countdownText(static_cast<int32_t>(seconds));
        fuzz::check(label.front() == ' ' && label.back() == ' ' && label.ends_with(" sec "),
                    "labels are framed by blanks");
        fuzz::check((label.find(" min ") != std::string::npos) == (seconds >= 60),
                    "minutes only from one minute on");
    }
}

// Texts the number parser reads: decimal or hexadecimal, after blanks.
std::string numberText(FuzzedDataProvider &input, int value) {
    switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0:
        return std::to_string(value);
    case 1:
        return (value < 0 ? "-$" : "$") + [](uint32_t bits) {
            char text[16];
            std::snprintf(text, sizeof text, "%X", bits);
            return std::string(text);
        }(value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value));
    default:
        return std::string(input.ConsumeIntegralInRange(0, 3), ' ') + std::to_string(value);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool()) {
        const std::string text = input.ConsumeRemainingBytesAsString();
        if (const auto seconds = parseCountdownEntry(text))
            checkDuration(*seconds);
        return 0;
    }

    const int minutes = input.ConsumeIntegral<int>();
    const int seconds = input.ConsumeIntegral<int>();
    const char separators[] = {':', ' ', '.'};
    const char separator = input.PickValueInArray(separators);
    std::string minutesText = numberText(input, minutes);
    const std::string secondsText = numberText(input, seconds);
    // Blanks in the minutes would be taken for the separator; the first ":"
    // wins over any blank, but a "." separator must come before any blank.
    if (separator != ':' && minutesText.find(' ') != std::string::npos)
        minutesText = std::to_string(minutes);
    if (separator == '.' && secondsText.find(' ') != std::string::npos)
        return 0;
    const std::string text = std::string(input.ConsumeIntegralInRange(0, 2), '\t') + minutesText +
                             separator + secondsText + std::string(input.ConsumeBool(), '\n');
    const auto got = parseCountdownEntry(text);
    fuzz::check(got.has_value(), "assembled durations read");
    fuzz::check(*got == int64_t{minutes} * 60 + seconds, "minutes * 60 + seconds");
    checkDuration(*got);

    // Without a separator the whole text is minutes.
    fuzz::check(parseCountdownEntry(std::to_string(minutes)) == int64_t{minutes} * 60,
                "a lone number is minutes");
    return 0;
}
