#include "common/Text.h"

#include <gtest/gtest.h>

#include <optional>

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
