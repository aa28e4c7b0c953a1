// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

class initfile;

// The idle limit of the question on return (minutes without input that make
// an absence; 0 turns the question off), kept in the options file as
// AwayMinutes. The line is there only while the value differs from the
// default, so an options file that never had it is written back as it was.

constexpr int32_t DefaultAwayMinutes = 15;
// A day: a longer limit would never be reached in a recording.
constexpr int32_t MaxAwayMinutes = 24 * 60;

// The stored value; the default when there is none or it is not a whole
// number from 0 to MaxAwayMinutes.
int32_t readAwayMinutes(const initfile &store);
// Sets the line for a value other than the default; for the default, takes
// out a line that says otherwise and leaves any other alone.
void writeAwayMinutes(initfile &store, int32_t minutes);
