#pragma once
// Reading typed numbers: every number the user types passes through
// NormalizeNumberText (the first comma becomes a point) and then NumberValue or
// WholeNumberValue, which know only the point as decimal separator.

#include <cstdint>
#include <string>
#include <string_view>

// "" -> "0"; otherwise the first comma is replaced by "."; nothing else changes.
std::string NormalizeNumberText(std::string_view text);

// Value of the longest leading decimal number after every blank, tab and line feed
// is removed: sign, digits, one ".", exponent E or D. No leading number gives 0, and
// so does a number beyond the range of a double: the result is always finite.
double NumberValue(std::string_view text);

// True when the text's leading number lies beyond the range of a double (1e309): the
// number boxes refuse such a text and ask again.
bool NumberBeyondRange(std::string_view text);

// The leading number rounded half-to-even, saturated to the 16-bit range (also when
// it lies beyond the range of a double) so that an oversized value stays outside
// every range a caller accepts.
std::int16_t WholeNumberValue(std::string_view text);

// The shortest text that reads back as the same double ("1e-05", "0.1"), with a
// point; the number texts of the results and the files start from it.
std::string RoundTripText(double value);

// (width - characters of text) blanks; empty when the text is as long as the width
// or longer.
std::string BlankFill(std::string_view text, std::uint8_t width);
