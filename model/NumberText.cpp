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

// The leading number of a text as NumberValue reads it; errc::result_out_of_range
// where it lies beyond the range of a double (or below the smallest denormal).
std::errc ReadLeadingNumber(std::string_view text, double& value) {
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
    value = 0.0;
    if (!mantissaDigits) return std::errc();
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
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone here: tell overflow from underflow by the
        // exponent's sign.
        const std::size_t e = number.find('e');
        const bool tiny = e != std::string::npos && number[e + 1] == '-';
        value = tiny ? 0.0 : (number[0] == '-' ? -HUGE_VAL : HUGE_VAL);
    }
    return error;
}
}  // namespace

double NumberValue(std::string_view text) {
    double value = 0;
    ReadLeadingNumber(text, value);
    // Beyond the range of a double the value is 0; below its smallest denormal, 0 too.
    return std::isfinite(value) ? value : 0.0;
}

bool NumberBeyondRange(std::string_view text) {
    double value = 0;
    ReadLeadingNumber(text, value);
    return !std::isfinite(value);
}

std::int16_t WholeNumberValue(std::string_view text) {
    double value = 0;
    ReadLeadingNumber(text, value);
    // An infinite value saturates like any other too large for 16 bits.
    const double rounded = std::nearbyint(value);  // default mode: ties to even
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
