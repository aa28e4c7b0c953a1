// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// The clock tab's texts without the window: number words, Roman numerals,
// binary, and the one line each of the seven styles shows. The window reads
// the clock, keeps the style and rewrites its box.

// The style codes, in the order of the Options > Clock menu.
enum ClockStyleCode : int {
    ClockText24Hour = 0,
    ClockText12Hour = 1,
    ClockRoman24Hour = 2,
    ClockRoman12Hour = 3,
    ClockBinary = 4,
    ClockDigits24Hour = 5,
    ClockDigits12Hour = 6,
};

// English words for 0-59, each word followed by one blank: 35 gives
// "Thirty Five ", 0 gives "Zero ".
std::string NumberWords(int n);

// Upper-case Roman numeral for 0-59; 0 gives the empty text.
std::string RomanNumeral(int n);

// Base 2 without leading zeros, "0" for zero; a negative number shows its
// 32-bit pattern.
std::string binaryText(int n);

// A style code as the clock uses it: codes outside 0-6 fall back to 0.
int checkedClockStyle(int style);

// The style a click on the clock moves to: the next one, after 6 back to 0.
int nextClockStyle(int style);

// The clock line for hour h (0-23), minute m and second s. The 12-hour
// styles show noon and midnight as hour zero. A style outside 0-6 is read as
// style 0, as checkedClockStyle gives it.
std::string clockLine(int style, int h, int m, int s);
