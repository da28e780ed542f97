#pragma once
// The derivatives of a fitted dependence in the coefficients its panel shows: the
// Jacobian of least squares on Y, for the refinement and for the standard errors.

#include <array>
#include <cstdint>

#include "Evaluate.h"

// dY/dA, dY/dB (and dY/dC) of kind 3..13 at x with these coefficients; false where one
// cannot be computed as a finite number. Reads nothing of the shared state.
bool KindGradient(std::uint8_t kind, const FormulaCoefficients& k, double x,
                  std::array<double, 3>& gradient);

// The same at the shared state's kind and coefficients.
bool FormulaGradient(double x, std::array<double, 3>& gradient);
