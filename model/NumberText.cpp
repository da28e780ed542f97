#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "Utf8Text.h"

std::string NormalizeNumberText(std::string_view text) {
    if (text.empty()) return "0";
    std::string result(text);
    std::size_t comma = result.find(',');
    if (comma != std::string::npos) result[comma] = '.';
    return result;
}

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIgnoredBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
}  // namespace

double NumberValue(std::string_view text) {
    // Gather the leading number into a clean text that from_chars reads without
    // regard to the locale: blanks skipped, D written as E, a leading "+" dropped.
    std::string number;
    std::size_t i = 0;
    auto next = [&]() -> char {
        while (i < text.size() && IsIgnoredBlank(text[i])) ++i;
        return i < text.size() ? text[i] : '\0';
    };
    char c = next();
    if (c == '+' || c == '-') {
        if (c == '-') number += '-';
        ++i;
        c = next();
    }
    bool mantissaDigits = false;
    while (IsDigit(c)) {
        number += c;
        mantissaDigits = true;
        ++i;
        c = next();
    }
    if (c == '.') {
        number += '.';
        ++i;
        c = next();
        while (IsDigit(c)) {
            number += c;
            mantissaDigits = true;
            ++i;
            c = next();
        }
    }
    if (!mantissaDigits) return 0.0;
    if (c == 'e' || c == 'E' || c == 'd' || c == 'D') {
        std::string exponent = "e";
        ++i;
        c = next();
        if (c == '+' || c == '-') {
            exponent += c;
            ++i;
            c = next();
        }
        bool exponentDigits = false;
        while (IsDigit(c)) {
            exponent += c;
            exponentDigits = true;
            ++i;
            c = next();
        }
        if (exponentDigits) number += exponent;
    }
    double value = 0.0;
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    // Beyond the range of a double (or below the smallest denormal) the value is 0.
    if (error != std::errc() || !std::isfinite(value)) return 0.0;
    return value;
}

std::int16_t WholeNumberValue(std::string_view text) {
    double rounded = std::nearbyint(NumberValue(text));  // default mode: ties to even
    if (rounded > std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    if (rounded < std::numeric_limits<std::int16_t>::min())
        return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(rounded);
}

std::string BlankFill(std::string_view text, std::uint8_t width) {
    std::size_t length = CharCount(text);
    if (length >= width) return {};
    return std::string(width - length, ' ');
}
