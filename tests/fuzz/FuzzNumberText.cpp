// Typed number texts of any bytes and any length: no crash, a finite value, the
// second normalisation only turns the next comma into a point, counts in 16 bits.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "NumberText.h"
#include "Utf8Text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t width = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::string once = NormalizeNumberText(text);
    const std::string twice = NormalizeNumberText(once);
    std::string expected = once;
    if (const auto comma = expected.find(','); comma != std::string::npos) expected[comma] = '.';
    if (twice != expected) std::abort();
    if (text.empty() != (once == "0" && text.empty())) std::abort();

    if (!std::isfinite(NumberValue(text)) || !std::isfinite(NumberValue(once))) std::abort();
    const int whole = WholeNumberValue(once);
    if (whole < -32768 || whole > 32767) std::abort();

    const std::string blanks = BlankFill(text, width);
    const std::size_t length = CharCount(text);
    if (blanks.find_first_not_of(' ') != std::string::npos) std::abort();
    if (blanks.size() != (length >= width ? 0 : width - length)) std::abort();
    return 0;
}
