#pragma once
// The rules of choosing a formula that the formula window and the results window
// share: which formulas the point count allows and how many unknowns a polynomial
// degree needs.

#include <cstdint>
#include <string>

// How many formulas the list offers: the three with three coefficients need at
// least four points.
int OfferedFormulaCount(int pointCount);

// Unknowns of a polynomial of this degree: degree + 1 with free term, degree
// without. Computed wide, so that no typed degree wraps.
int PolynomialUnknowns(std::uint8_t kind, std::int16_t degree);

// A fit can be computed with this many unknowns: fewer than the points, and no more
// than the solver holds.
bool UnknownsAccepted(int unknowns, int pointCount);

// The warning shown when the degree asks for too many unknowns.
extern const char* const TooManyUnknownsMessage;
extern const char* const TooManyUnknownsTitle;
