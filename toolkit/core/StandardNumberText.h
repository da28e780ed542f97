#pragma once
// The toolkit's standard number text: a blank for values of zero and above or a
// minus sign, "." as the decimal point, up to 15 significant digits, no trailing
// zeros, and the exponent form (1E-10, 1.5E+20) below 1E-4 and from 1E+15 on in
// magnitude. Whole numbers are written in plain digits without a blank.

#include <string>

std::string StandardNumberText(double value);
std::string WholeNumberText(long value);
