// SPDX-License-Identifier: MIT
#include "clock/ClockRules.h"

#include "common/Text.h"

#include <cstdint>

namespace {
const char *const SmallWords[] = {
    "",          "One ",     "Two ",     "Three ",     "Four ",     "Five ",     "Six ",
    "Seven ",    "Eight ",   "Nine ",    "Ten ",       "Eleven ",   "Twelve ",   "Thirteen ",
    "Fourteen ", "Fifteen ", "Sixteen ", "Seventeen ", "Eighteen ", "Nineteen ",
};

std::string lowerAscii(std::string text) {
    for (char &c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}
} // namespace

std::string NumberWords(int n) {
    std::string text;
    const struct {
        int value;
        const char *word;
    } tens[] = {{50, "Fifty "}, {40, "Forty "}, {30, "Thirty "}, {20, "Twenty "}};
    for (const auto &ten : tens) {
        if (n >= ten.value) {
            text += ten.word;
            n -= ten.value;
        }
    }
    if (n >= 1 && n <= 19)
        text += SmallWords[n];
    else if (n == 0 && text.empty())
        text = "Zero ";
    return text;
}

std::string RomanNumeral(int n) {
    std::string text;
    if (n >= 50) {
        text += "L";
        n -= 50;
    }
    if (n >= 40) {
        text += "XL";
        n -= 40;
    }
    while (n >= 10) {
        text += "X";
        n -= 10;
    }
    if (n == 9) {
        text += "IX";
        n = 0;
    }
    if (n >= 5) {
        text += "V";
        n -= 5;
    }
    if (n == 4) {
        text += "IV";
        n = 0;
    }
    while (n > 0) {
        text += "I";
        --n;
    }
    return text;
}

std::string binaryText(int n) {
    auto bits = static_cast<uint32_t>(n);
    if (bits == 0)
        return "0";
    std::string text;
    for (; bits != 0; bits >>= 1)
        text.insert(text.begin(), (bits & 1u) ? '1' : '0');
    return text;
}

int checkedClockStyle(int style) {
    return style >= ClockText24Hour && style <= ClockDigits12Hour ? style : ClockText24Hour;
}

int nextClockStyle(int style) {
    const int next = style + 1;
    return next > ClockDigits12Hour ? ClockText24Hour : next;
}

std::string clockLine(int style, int h, int m, int s) {
    const bool morning = h < 12;
    const int h12 = morning ? h : h - 12;
    switch (checkedClockStyle(style)) {
    case ClockText12Hour:
        return NumberWords(h12) + NumberWords(m) + "and " + NumberWords(s) +
               (morning ? "seconds in the morning." : "seconds in the evening.");
    case ClockRoman24Hour:
        return RomanNumeral(h) + " : " + lowerAscii(RomanNumeral(m)) + "    " +
               lowerAscii(RomanNumeral(s));
    case ClockRoman12Hour:
        return RomanNumeral(h12) + " : " + lowerAscii(RomanNumeral(m)) + "    " +
               lowerAscii(RomanNumeral(s)) + (morning ? "  AM" : "  PM");
    case ClockBinary:
        return binaryText(h) + " : " + binaryText(m) + "    " + binaryText(s);
    case ClockDigits24Hour:
        return "The time is: " + std::to_string(h) + ":" + twoDigits(m) + "  " + twoDigits(s);
    case ClockDigits12Hour:
        return "The time is: " + std::to_string(h12) + ":" + twoDigits(m) + "  " + twoDigits(s) +
               (morning ? "   AM" : "   PM");
    default:
        return NumberWords(h) + NumberWords(m) + "and " + NumberWords(s) + "seconds.";
    }
}
