// SPDX-License-Identifier: MIT
#pragma once

#include "common/TimeDate.h"

#include <cstdint>

// One `times` row as the program stores it: the project's ID, the start of
// the recording (the row's key) and its whole minutes.
struct TimesRow {
    int32_t project = 0;
    TimeDate start;
    int64_t minutes = 0;

    bool operator==(const TimesRow &) const = default;
};
