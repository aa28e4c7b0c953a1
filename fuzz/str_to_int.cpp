// SPDX-License-Identifier: MIT
// The strict integer conversion against a model built another way: the text
// is taken apart by hand and the digits converted by std::from_chars into 64
// bits, then range-checked. Both must agree on every input, and StrToInt must
// throw exactly when tryStrToInt has no value.

#include "FuzzSupport.h"

#include "common/Text.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

std::optional<int32_t> model(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty())
        return std::nullopt;
    // from_chars alone would take a sign or stop early; every character must
    // be a digit of the base.
    for (const char c : text) {
        const bool decimal = c >= '0' && c <= '9';
        const bool hex = (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!decimal && !(base == 16 && hex))
            return std::nullopt;
    }
    uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    const uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    if (value > limit)
        return std::nullopt;
    const int64_t wide = negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
    // Hexadecimal values are bit patterns: the low 32 bits, read as signed.
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(wide)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::optional<int> got = tryStrToInt(text);
    fuzz::check(got == model(text), "tryStrToInt agrees with the model");

    bool thrown = false;
    try {
        fuzz::check(StrToInt(text) == got, "StrToInt gives the same value");
    } catch (const ConvertError &error) {
        thrown = true;
        // The message is a C string: a zero byte in the text ends it.
        const std::string message = "'" + text + "' is not a valid integer value";
        fuzz::check(error.what() == message.substr(0, message.find('\0')),
                    "the error names the text");
    }
    fuzz::check(thrown == !got.has_value(), "StrToInt throws exactly on failure");

    // Every value prints back to itself.
    if (got)
        fuzz::check(tryStrToInt(std::to_string(*got)) == got, "printed values read back");
    return 0;
}
