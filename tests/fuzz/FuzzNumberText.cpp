// Typed number texts of any bytes and any length: no crash, the value the C library's
// own reader (strtod, on the text without its blanks and with D written as E) finds,
// a number beyond a double refused rather than read, the second normalisation only
// turning the next comma into a point, counts in 16 bits.
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzInput.h"
#include "NumberText.h"
#include "Utf8Text.h"

namespace {
// The strtod reading of the same text, where strtod reads by the same rule: not for
// a text whose number strtod alone would read (inf, nan, 0x..., other blanks first).
bool ComparableReading(const std::string& text, double& value, bool& outOfRange) {
    std::string clean;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n') continue;
        clean += (c == 'd' || c == 'D') ? 'e' : c;
    }
    if (clean.empty() || std::isspace(static_cast<unsigned char>(clean[0]))) return false;
    const std::size_t start = (clean[0] == '+' || clean[0] == '-') ? 1 : 0;
    const char first = start < clean.size() ? clean[start] : '\0';
    const char second = start + 1 < clean.size() ? clean[start + 1] : '\0';
    if (first == 'i' || first == 'I' || first == 'n' || first == 'N') return false;
    if (first == '0' && (second == 'x' || second == 'X')) return false;
    errno = 0;
    value = std::strtod(clean.c_str(), nullptr);
    outOfRange = errno == ERANGE;
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t width = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::string once = NormalizeNumberText(text);
    const std::string twice = NormalizeNumberText(once);
    std::string expected = once;
    if (const auto comma = expected.find(','); comma != std::string::npos) expected[comma] = '.';
    Check(twice == expected);
    Check(!text.empty() || once == "0");

    const double value = NumberValue(text);
    Check(std::isfinite(value));
    double reading = 0;
    bool outOfRange = false;
    if (ComparableReading(text, reading, outOfRange)) {
        if (!outOfRange) {
            Check(value == reading);
            Check(!NumberBeyondRange(text));
        } else if (std::isinf(reading)) {
            Check(value == 0 && NumberBeyondRange(text));
        } else {  // below the smallest normal: 0 or the subnormal itself
            Check((value == 0 || value == reading) && !NumberBeyondRange(text));
        }
    }
    const int whole = WholeNumberValue(once);
    Check(whole >= -32768 && whole <= 32767);

    const std::string blanks = BlankFill(text, width);
    const std::size_t length = CharCount(text);
    Check(blanks.find_first_not_of(' ') == std::string::npos);
    Check(blanks.size() == (length >= width ? 0 : width - length));
    return 0;
}
