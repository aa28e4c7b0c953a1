#include "projects/TimeRecordRules.h"

#include "common/Text.h"

int64_t minutesWorked(uint32_t hours, uint32_t minutes, uint32_t seconds) {
    return int64_t{hours} * 60 + minutes + (seconds > 30 ? 1 : 0);
}

std::string elapsedText(uint32_t hours, uint32_t minutes, uint32_t seconds) {
    const std::string hoursPart = hours > 0 ? std::to_string(hours) + ":" : "";
    return hoursPart + twoDigits(minutes) + ":" + twoDigits(seconds);
}
