// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The countdown's rules that need no window.

// Reads a typed duration: minutes and seconds split at the first ":", else the
// first blank, else the first "."; without a separator the whole text is
// minutes. Both parts go through the strict integer conversion and have no
// range limits ("1:75" is 135 s, "2:-30" is 90 s). Empty when either part is
// not a number.
std::optional<int64_t> parseCountdownEntry(const std::string &text);

// The time-left label: " <m> min <s> sec " when more than a minute is left,
// else " <s> sec "; negative counts show their negative remainder.
std::string countdownText(int32_t secondsLeft);

// The end timer's interval for a countdown of that many seconds. A duration
// that is not positive, or whose milliseconds do not fit the timer's unsigned
// 32-bit range (about 49.7 days), gets 0: such a countdown never ends by
// itself, it counts on until another one is started.
uint32_t countdownInterval(int64_t seconds);

// The count shown at a display tick: one less than before, or the seconds
// really left until the end timer ticks (rounded to the nearest) when those
// are fewer, as after a sleep or ticks held up by a busy window. msToEnd is
// empty when no end is pending: the count then just goes on down.
int32_t countdownNextCount(int32_t secondsLeft, std::optional<int64_t> msToEnd);

// The seconds a paused countdown keeps: the seconds left until the end timer
// ticks, rounded up, but never more than the label showed (a display tick
// may come a little early) and at least one, so that a resumed countdown
// still ends. msToEnd is empty when no end is pending: the label's count is
// kept as it is. Resuming arms the end for that many seconds.
int32_t countdownPausedCount(int32_t secondsLeft, std::optional<int64_t> msToEnd);
