#include "StandardNumberText.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cmath>

std::string StandardNumberText(double value) {
    assert(std::isfinite(value) && "the engine reports non-finite results as failures");
    if (!std::isfinite(value)) return " 0";
    std::array<char, 64> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      std::fabs(value), std::chars_format::general, 15);
    (void)error;
    std::string digits(buffer.data(), end);
    // Written as E-10 and E+20, as the rest of the program's number texts are.
    std::size_t e = digits.find('e');
    if (e != std::string::npos) digits[e] = 'E';
    return (value < 0 ? "-" : " ") + digits;
}

std::string WholeNumberText(long value) { return std::to_string(value); }
