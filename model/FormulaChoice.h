#pragma once
// The rules of choosing a formula that the formula window and the results window
// share: which formulas the point count allows, and the judgement of a typed
// polynomial degree.

#include <cstdint>
#include <string>
#include <string_view>

#include "FormulaKinds.h"

// How many formulas the list offers: the three with three coefficients need at
// least four points.
int OfferedFormulaCount(int pointCount);

// Whether the formula of the fit on display may be fitted to the point set as it is
// now: offered for that many points, and with fewer unknowns than points.
bool ChosenFormulaFits();

// The outcome of a degree typed for a polynomial kind.
enum class DegreeVerdict {
    NotPositive,      // 0, negative, not a number or Cancel: the choice starts afresh
    TooManyUnknowns,  // not fewer unknowns than points, or more than the solver holds
    Accepted,
};

// Judges the typed degree for kind 1 or 2 (read as typed numbers are read: the first
// comma a point, rounded half-to-even). Accepted: FormulaKind, TypedDegree,
// UnknownCount and FitUnknownCount describe the new choice. Otherwise nothing in the
// shared state changes, so that they keep describing the fit on display.
DegreeVerdict TakeTypedDegree(std::uint8_t kind, std::string_view typed);

// The warning shown when the degree asks for too many unknowns.
extern const char* const TooManyUnknownsMessage;
extern const char* const TooManyUnknownsTitle;

// Takes a formula as the list and the degree box would (the degree for kinds 1 and
// 2 only), without asking; false, with nothing changed, when the points do not
// allow it.
bool TakeFormula(std::uint8_t kind, std::int16_t degree);

// The formula's text as the lists show it, with ", N = degree" for kinds 1 and 2.
std::string FormulaName(std::uint8_t kind, std::int16_t degree);
