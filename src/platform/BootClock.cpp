// SPDX-License-Identifier: MIT
#include "platform/BootClock.h"

#include <time.h>

#include <utility>

namespace {
BootClockSource &bootSource() {
    static BootClockSource source;
    return source;
}
} // namespace

int64_t bootClockMs() {
    if (bootSource())
        return bootSource()();
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return int64_t{now.tv_sec} * 1000 + now.tv_nsec / 1000000;
}

void setBootClockSource(BootClockSource source) {
    bootSource() = std::move(source);
}
