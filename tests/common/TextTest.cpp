// SPDX-License-Identifier: MIT
#include "common/Text.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

TEST(Text, Trim) {
    EXPECT_EQ(trimText("  a b \t\r\n"), "a b");
    EXPECT_EQ(trimText(std::string("\0x\x1f", 3)), "x");
    EXPECT_EQ(trimText("   "), "");
    EXPECT_EQ(trimText(""), "");
}

TEST(Text, StrictIntegerConversion) {
    struct Case {
        const char *text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"42", 42},
        {"   42", 42},
        {"+7", 7},
        {"-30", -30},
        {" -30", -30},
        {"$1F", 31},
        {"x10", 16},
        {"X10", 16},
        {"0x10", 16},
        {"0XfF", 255},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"$100000000", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"1 ", std::nullopt},
        {"1a", std::nullopt},
        {"\t1", std::nullopt},
        {"1.5", std::nullopt},
        {"abc", std::nullopt},
        {"+-1", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(tryStrToInt(c.text), c.value) << "text: '" << c.text << "'";
}

TEST(Text, StrToIntRaisesTheConversionError) {
    EXPECT_EQ(StrToInt("12"), 12);
    try {
        StrToInt("abc");
        FAIL() << "no error raised";
    } catch (const ConvertError &error) {
        EXPECT_STREQ(error.what(), "'abc' is not a valid integer value");
    }
}

TEST(Text, TwoDigitFields) {
    const std::pair<int64_t, const char *> cases[] = {
        {0, "00"}, {7, "07"}, {10, "10"}, {123, "123"}};
    for (const auto &[value, text] : cases)
        EXPECT_EQ(twoDigits(value), text) << value;
}

// Control characters and line breaks of any kind become blanks; other bytes,
// valid UTF-8 or not, stay.
TEST(Text, NamesAreShownOnOneLine) {
    const std::pair<std::string, std::string> cases[] = {
        {"Tab\there\r\n", "Tab here  "},
        {"del\x7f", "del "},
        {"c1\xc2\x85|\xc2\xa0", "c1 |\xc2\xa0"},
        {"line\xe2\x80\xa8para\xe2\x80\xa9"
         "dash\xe2\x80\x94",
         "line para dash\xe2\x80\x94"},
        {"bad\xc2", "bad\xc2"},
    };
    for (const auto &[name, shown] : cases)
        EXPECT_EQ(oneLine(name), shown) << name;
}

TEST(Text, TypedTimeSplitsAtColonElseBlankElsePeriod) {
    const std::pair<const char *, size_t> cases[] = {{"1.2 3:4", 5},
                                                     {"1.2 3", 3},
                                                     {"1.2", 1},
                                                     {"12", std::string::npos},
                                                     {"", std::string::npos}};
    for (const auto &[text, at] : cases)
        EXPECT_EQ(timeSeparator(text), at) << text;
}
