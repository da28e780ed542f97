#include "NumberFormat.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "NumberText.h"
#include "Utf8Text.h"

namespace {
std::string separator = ".";

std::string PadLeft(std::string text, std::size_t width) {
    std::size_t length = CharCount(text);
    if (length < width) text.insert(0, width - length, ' ');
    return text;
}

// The shortest-to-longest exponent forms: the most mantissa digits that fit.
std::string ExponentForm(double value, std::size_t width) {
    std::string best;
    for (int precision = static_cast<int>(width); precision >= 0; --precision) {
        std::array<char, 64> buffer{};
        auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::scientific, precision);
        if (error != std::errc()) continue;
        std::string text(buffer.data(), end);
        text[text.find('e')] = 'E';
        best = WithSeparator(text);
        if (CharCount(best) <= width) break;
    }
    return best;
}
}  // namespace

void SetDecimalSeparator(const std::string& s) { separator = s.empty() ? "." : s; }

const std::string& DecimalSeparator() { return separator; }

std::string WithSeparator(std::string text) {
    std::size_t point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, separator);
    return text;
}

std::string FormatFixed(double value, std::int16_t width, std::int16_t decimals) {
    assert(std::isfinite(value) && "the engine reports non-finite results as failures");
    const std::size_t field = width > 0 ? static_cast<std::size_t>(width) : 0;
    if (!std::isfinite(value)) return std::string(field, '*');
    if (value == 0) value = 0;  // no "-0"
    if (decimals < 0) decimals = 0;
    // Fixed notation of a double needs at most 309 integer digits plus the decimals.
    std::vector<char> buffer(static_cast<std::size_t>(decimals) + 320);
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    assert(error == std::errc());
    std::string text(buffer.data(), end);
    if (decimals == 0) text += '.';
    const std::size_t integerPart = text.find('.');
    text = WithSeparator(text);
    if (CharCount(text) <= field) return PadLeft(text, field);
    if (integerPart <= field) return FirstChars(text, field);
    return PadLeft(ExponentForm(value, field), field);
}

std::string ShortestText(double value) {
    std::string text = RoundTripText(value);
    for (char& c : text)
        if (c == 'e') c = 'E';
    return WithSeparator(text);
}

std::string ExactFigure(double value) {
    return std::isfinite(value) ? ShortestText(value) : "не вычислено";
}

std::string ReadableFigure(double value) {
    if (!std::isfinite(value)) return "—";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6G", value);
    return WithSeparator(buffer);
}

std::string CenterText(std::string& text, std::uint8_t width) {
    text = TrimBlanks(text);
    const std::size_t length = CharCount(text);
    if (width < length) return text;
    std::string centred((width - length) / 2, ' ');
    centred += text;
    centred.append(width - CharCount(centred), ' ');
    return centred;
}
