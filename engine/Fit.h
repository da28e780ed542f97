#pragma once
// The formula catalogue turned into a linear least-squares problem and back.

#include <array>
#include <cstdint>

// Builds rows 1..PointCount of FitMatrix for FormulaKind (column 0 the transformed
// response, columns 1..m the basis values), sets UnknownCount and FitUnknownCount for
// kinds 3..13, PolyFirstColumn for kinds 1 and 2, EvalArg = X(N), then solves. For
// the polynomial kinds UnknownCount must already hold 1..20 unknowns, fewer than
// points. On return ComputationFailed is nonzero or row 0 of FitMatrix holds the
// solution s1..sm.
void FitCoefficients();

// The build half of FitCoefficients alone: rows 1..PointCount, the counts and EvalArg;
// false (with ComputationFailed set) when a transform fails.
bool BuildFitRows();

// The linearised row of one point of kinds 3..13: the response W at 0, the basis 1,
// U (and V) at 1..3; FailNone, or the failure of a transform.
std::uint8_t TransformedRow(std::uint8_t kind, double x, double y, std::array<double, 4>& row);

// Turns the solution row into CoefA, CoefB, CoefC for kinds 3..13 (nothing for the
// polynomials). Fails with FailOverflow when an exponent exceeds ExpUpperLimit or a
// coefficient leaves the range of a double.
void RecoverCoefficients();

// Y=B*(A^X) from the fitted ln A: CoefA = e^logA, guarded as the back-transform guards
// it, and CoefLogA the rate the evaluation takes: ln of that A, or logA itself where A
// rounded to a double no longer has the fit's powers at the points' X (ln A = 1e-16
// makes A = 1 exactly, flat where the fit rises).
void TakePowerBase(double logA, std::uint8_t& failure);
