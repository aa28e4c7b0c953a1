// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

// Small text rules shared by every feature: trimming, ASCII upper-casing and
// the strict integer conversion used for everything the user types as a number.

// Removes characters with codes 0-32 from both ends.
std::string trimText(const std::string &text);

std::string upperAscii(std::string text);

// The conversion error: its message is "'<text>' is not a valid integer value".
class ConvertError : public std::runtime_error {
public:
    explicit ConvertError(const std::string &text);
};

// Strict conversion to a 32-bit integer: leading blanks, an optional sign, then
// decimal digits or hexadecimal digits after "$", "x", "X", "0x" or "0X", and
// nothing after the digits. Decimal values must fit 32 bits signed; hexadecimal
// ones 32 bits unsigned (taken as the same bits signed). Empty text fails.
std::optional<int> tryStrToInt(const std::string &text);

// The same, throwing ConvertError on failure.
int StrToInt(const std::string &text);

// A count shown with at least two digits: "07", "59", "123".
std::string twoDigits(int64_t value);

// Where a typed time splits into its two numbers: the first ':', else the
// first blank, else the first '.'; std::string::npos when there is none.
size_t timeSeparator(const std::string &text);

// A name on one line of a table or a report: every control character (C0, DEL
// and C1) and the Unicode line and paragraph separators become a blank, byte
// by byte, so a text that is not UTF-8 keeps its other bytes.
std::string oneLine(std::string text);

// The text ending as a sentence does: with a full stop added unless it ends in
// one already (or in "!" or "?"). Empty text stays empty.
std::string sentence(std::string text);
