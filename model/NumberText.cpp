#include "NumberText.h"

#include <algorithm>
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

// Exponents are summed up to this bound, far beyond any double and far from overflow.
constexpr long long ExponentCeiling = 1'000'000'000'000LL;

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
    // The decimal order of the mantissa's first significant digit (0 for units, -1 for
    // tenths), which tells an overflow from an underflow whatever the exponent's sign.
    bool mantissaDigits = false;
    bool significant = false;
    long long order = 0;
    while (IsDigit(c)) {
        number += c;
        mantissaDigits = true;
        if (significant) ++order;
        significant = significant || c != '0';
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
            if (!significant) --order;
            significant = significant || c != '0';
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
        long long power = 0;
        while (IsDigit(c)) {
            exponent += c;
            exponentDigits = true;
            power = std::min(power * 10 + (c - '0'), ExponentCeiling);
            ++i;
            c = next();
        }
        if (exponentDigits) {
            number += exponent;
            order += exponent[1] == '-' ? -power : power;
        }
    }
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone here: a number of at least one unit has
        // overflowed, a smaller one has underflowed.
        value = order < 0 ? 0.0 : (number[0] == '-' ? -HUGE_VAL : HUGE_VAL);
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

std::string RoundTripText(double value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, error == std::errc() ? end : buffer);
}
