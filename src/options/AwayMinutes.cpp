// SPDX-License-Identifier: MIT
#include "options/AwayMinutes.h"

#include "options/initfile.h"

#include "common/Text.h"

#include <optional>
#include <string>

namespace {
const std::string Name = "AwayMinutes";

std::optional<int32_t> stored(const initfile &store) {
    std::string text;
    if (!store.get(Name, text))
        return std::nullopt;
    const std::optional<int> value = tryStrToInt(text);
    if (!value || *value < 0 || *value > MaxAwayMinutes)
        return std::nullopt;
    return *value;
}
} // namespace

int32_t readAwayMinutes(const initfile &store) {
    return stored(store).value_or(DefaultAwayMinutes);
}

void writeAwayMinutes(initfile &store, int32_t minutes) {
    if (minutes != DefaultAwayMinutes) {
        store.set(Name, std::to_string(minutes));
        return;
    }
    // An empty value is not written: the line goes.
    if (const std::optional<int32_t> old = stored(store); old && *old != DefaultAwayMinutes)
        store.set(Name, std::string());
}
