// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>

// The clock that keeps counting while the machine sleeps (CLOCK_BOOTTIME), in
// milliseconds from an arbitrary start. A countdown measures its length on it,
// so that time spent asleep counts. Tests replace it with a clock they set;
// an empty function restores the real one.
int64_t bootClockMs();

using BootClockSource = std::function<int64_t()>;
void setBootClockSource(BootClockSource source);
