#pragma once
// The derivatives of a fitted dependence in the coefficients its panel shows: the
// Jacobian of least squares on Y, for the refinement and for the standard errors.

#include <array>
#include <cstdint>

// dY/dA, dY/dB (and dY/dC) of kinds 3..13 at x, at CoefA, CoefB, CoefC; false where
// one cannot be computed as a finite number.
bool FormulaGradient(double x, std::array<double, 3>& gradient);
