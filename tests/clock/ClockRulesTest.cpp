// SPDX-License-Identifier: MIT
#include "clock/ClockRules.h"

#include <gtest/gtest.h>

#include <string>

TEST(ClockRules, NumberWords) {
    struct Case {
        int n;
        const char *words;
    };
    const Case cases[] = {
        {0, "Zero "},         {1, "One "},         {4, "Four "},        {9, "Nine "},
        {10, "Ten "},         {11, "Eleven "},     {13, "Thirteen "},   {14, "Fourteen "},
        {19, "Nineteen "},    {20, "Twenty "},     {21, "Twenty One "}, {30, "Thirty "},
        {35, "Thirty Five "}, {40, "Forty "},      {49, "Forty Nine "}, {50, "Fifty "},
        {52, "Fifty Two "},   {59, "Fifty Nine "},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NumberWords(c.n), c.words) << c.n;
}

TEST(ClockRules, NumberWordsAreSingleBlankSeparated) {
    for (int n = 0; n <= 59; ++n) {
        const std::string words = NumberWords(n);
        ASSERT_FALSE(words.empty()) << n;
        EXPECT_EQ(words.back(), ' ') << n;
        EXPECT_EQ(words.find("  "), std::string::npos) << n;
        EXPECT_EQ(words.find('-'), std::string::npos) << n;
        EXPECT_EQ(words.find("Zero") != std::string::npos, n == 0) << n;
    }
}

TEST(ClockRules, RomanNumerals) {
    struct Case {
        int n;
        const char *numeral;
    };
    const Case cases[] = {
        {0, ""},      {1, "I"},     {3, "III"},    {4, "IV"},     {5, "V"},
        {8, "VIII"},  {9, "IX"},    {13, "XIII"},  {14, "XIV"},   {19, "XIX"},
        {20, "XX"},   {35, "XXXV"}, {39, "XXXIX"}, {40, "XL"},    {44, "XLIV"},
        {49, "XLIX"}, {50, "L"},    {54, "LIV"},   {58, "LVIII"}, {59, "LIX"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RomanNumeral(c.n), c.numeral) << c.n;
}

// Reads a numeral back by the subtractive rule, so every value 1-59 can be
// checked without listing it.
static int romanValue(const std::string &numeral) {
    auto digit = [](char c) {
        switch (c) {
        case 'I':
            return 1;
        case 'V':
            return 5;
        case 'X':
            return 10;
        case 'L':
            return 50;
        default:
            return 1000;
        }
    };
    int value = 0;
    for (size_t i = 0; i < numeral.size(); ++i) {
        const int here = digit(numeral[i]);
        const bool subtract = i + 1 < numeral.size() && here < digit(numeral[i + 1]);
        value += subtract ? -here : here;
    }
    return value;
}

TEST(ClockRules, RomanNumeralsReadBackToTheirValue) {
    for (int n = 0; n <= 59; ++n) {
        const std::string numeral = RomanNumeral(n);
        EXPECT_EQ(romanValue(numeral), n) << numeral;
        EXPECT_EQ(numeral.find("IIII"), std::string::npos) << n;
        EXPECT_EQ(numeral.find("XXXX"), std::string::npos) << n;
        EXPECT_EQ(numeral.find("VV"), std::string::npos) << n;
    }
}

TEST(ClockRules, Binary) {
    EXPECT_EQ(binaryText(0), "0");
    EXPECT_EQ(binaryText(1), "1");
    EXPECT_EQ(binaryText(2), "10");
    EXPECT_EQ(binaryText(5), "101");
    EXPECT_EQ(binaryText(35), "100011");
    EXPECT_EQ(binaryText(59), "111011");
    EXPECT_EQ(binaryText(-1), std::string(32, '1'));
}

TEST(ClockRules, StyleCodes) {
    const int used[][2] = {{0, 0}, {3, 3}, {6, 6}, {7, 0}, {-1, 0}, {100, 0}};
    for (const auto &u : used)
        EXPECT_EQ(checkedClockStyle(u[0]), u[1]) << u[0];
    // A click steps through every style and wraps after the last.
    const int clicked[][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 0}};
    for (const auto &c : clicked)
        EXPECT_EQ(nextClockStyle(c[0]), c[1]) << c[0];
}

TEST(ClockRules, ClockLines) {
    struct Case {
        int h, m, s;
        const char *lines[7];
    };
    const Case cases[] = {
        {0,
         0,
         0,
         {"Zero Zero and Zero seconds.", "Zero Zero and Zero seconds in the morning.", " :     ",
          " :       AM", "0 : 0    0", "The time is: 0:00  00", "The time is: 0:00  00   AM"}},
        {9,
         5,
         0,
         {"Nine Five and Zero seconds.", "Nine Five and Zero seconds in the morning.", "IX : v    ",
          "IX : v      AM", "1001 : 101    0", "The time is: 9:05  00",
          "The time is: 9:05  00   AM"}},
        {12,
         0,
         5,
         {"Twelve Zero and Five seconds.", "Zero Zero and Five seconds in the evening.",
          "XII :     v", " :     v  PM", "1100 : 0    101", "The time is: 12:00  05",
          "The time is: 0:00  05   PM"}},
        {14,
         35,
         7,
         {"Fourteen Thirty Five and Seven seconds.",
          "Two Thirty Five and Seven seconds in the evening.", "XIV : xxxv    vii",
          "II : xxxv    vii  PM", "1110 : 100011    111", "The time is: 14:35  07",
          "The time is: 2:35  07   PM"}},
        {23,
         59,
         59,
         {"Twenty Three Fifty Nine and Fifty Nine seconds.",
          "Eleven Fifty Nine and Fifty Nine seconds in the evening.", "XXIII : lix    lix",
          "XI : lix    lix  PM", "10111 : 111011    111011", "The time is: 23:59  59",
          "The time is: 11:59  59   PM"}},
        {10,
         50,
         40,
         {"Ten Fifty and Forty seconds.", "Ten Fifty and Forty seconds in the morning.",
          "X : l    xl", "X : l    xl  AM", "1010 : 110010    101000", "The time is: 10:50  40",
          "The time is: 10:50  40   AM"}},
        {11,
         59,
         59,
         {"Eleven Fifty Nine and Fifty Nine seconds.",
          "Eleven Fifty Nine and Fifty Nine seconds in the morning.", "XI : lix    lix",
          "XI : lix    lix  AM", "1011 : 111011    111011", "The time is: 11:59  59",
          "The time is: 11:59  59   AM"}},
    };
    for (const auto &c : cases) {
        for (int style = 0; style < 7; ++style) {
            EXPECT_EQ(clockLine(style, c.h, c.m, c.s), c.lines[style])
                << "style " << style << " at " << c.h << ":" << c.m << ":" << c.s;
        }
        EXPECT_EQ(clockLine(7, c.h, c.m, c.s), c.lines[0]);
        EXPECT_EQ(clockLine(-3, c.h, c.m, c.s), c.lines[0]);
    }
}
