#pragma once
// The number texts of the results: fixed-point text in a field, with the regional
// decimal separator, and centring of a text in a field of blanks.

#include <cstdint>
#include <string>

// The decimal separator FormatFixed writes (the user's regional one; "." until set).
void SetDecimalSeparator(const std::string& separator);
const std::string& DecimalSeparator();
// text with its first "." (as typed numbers and the C library write it) in that
// regional separator.
std::string WithSeparator(std::string text);

// value with exactly `decimals` digits after the separator (0 decimals still ends in
// the separator), right-aligned in `width` characters. A longer text is cut to its
// first `width` characters while its integer part fits; when even the integer part
// is wider than the field, the value is written in the exponent form that fits
// (1,2346E+08), so no integer digit is ever dropped.
std::string FormatFixed(double value, std::int16_t width, std::int16_t decimals);

// The shortest text that reads back as the same double, with the regional separator
// and the exponent written E (1,5E-12).
std::string ShortestText(double value);

// ShortestText, or "не вычислено" for a figure that could not be computed.
std::string ExactFigure(double value);

// Six significant digits with the regional separator, as a person reads a table;
// "—" for a figure that was not computed.
std::string ReadableFigure(double value);

// Trims text in place and returns it centred in `width` characters, any odd blank
// on the right. A field narrower than the trimmed text returns the text unchanged.
std::string CenterText(std::string& text, std::uint8_t width);
