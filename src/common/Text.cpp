// SPDX-License-Identifier: MIT
#include "common/Text.h"

#include <cstdint>

std::string trimText(const std::string &text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ')
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ')
        --last;
    return text.substr(first, last - first);
}

std::string upperAscii(std::string text) {
    for (char &c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

ConvertError::ConvertError(const std::string &text)
    : std::runtime_error("'" + text + "' is not a valid integer value") {}

namespace {
int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
} // namespace

std::optional<int> tryStrToInt(const std::string &text) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= n)
        return std::nullopt;
    uint64_t value = 0;
    const uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    for (; i < n; ++i) {
        const int digit =
            hex ? hexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (digit < 0)
            return std::nullopt;
        value = value * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
        if (value > limit)
            return std::nullopt;
    }
    uint32_t bits = static_cast<uint32_t>(value);
    if (negative)
        bits = 0u - bits;
    return static_cast<int32_t>(bits);
}

int StrToInt(const std::string &text) {
    if (const auto value = tryStrToInt(text))
        return *value;
    // Thrown on purpose: the handler guard shows the message on the exception display.
    throw ConvertError(text);
}

std::string twoDigits(int64_t value) {
    std::string text = std::to_string(value);
    return text.size() == 1 ? "0" + text : text;
}

size_t timeSeparator(const std::string &text) {
    size_t separator = text.find(':');
    if (separator == std::string::npos)
        separator = text.find(' ');
    if (separator == std::string::npos)
        separator = text.find('.');
    return separator;
}

std::string oneLine(std::string text) {
    std::string line;
    line.reserve(text.size());
    for (size_t at = 0; at < text.size(); ++at) {
        const auto byte = [&text](size_t i) {
            return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u;
        };
        const unsigned c = byte(at);
        if (c < 0x20 || c == 0x7f) {
            line += ' ';
        } else if (c == 0xc2 && byte(at + 1) >= 0x80 && byte(at + 1) <= 0x9f) {
            line += ' '; // U+0080 to U+009F
            at += 1;
        } else if (c == 0xe2 && byte(at + 1) == 0x80 &&
                   (byte(at + 2) == 0xa8 || byte(at + 2) == 0xa9)) {
            line += ' '; // U+2028, U+2029
            at += 2;
        } else {
            line += static_cast<char>(c);
        }
    }
    return line;
}

std::string sentence(std::string text) {
    if (!text.empty() && text.back() != '.' && text.back() != '!' && text.back() != '?')
        text += '.';
    return text;
}
