#pragma once
// Linear least squares through the normal equations, triangularised by plane
// rotations and solved by back-substitution, checked against a stable reference
// solution (in quadruple precision where doubles cannot vouch for it) that stands in
// wherever the normal equations lose the shown digits.

#include <cstdint>

// On entry rows 1..n of FitMatrix hold W in column 0 and the basis in columns 1..m
// (1 <= n <= 40, 1 <= m <= 20). On return row 0, columns 1..m, holds the solution,
// correct to ShownAccuracy, and ComputationFailed is FailNone; or it is FailOverflow
// (a coefficient that weighs in the solution leaves the range of a double) or
// FailDivision (the basis columns are dependent at working precision), and the
// solution must not be used. FitMatrix(0, 0), the sum of W squared, is not
// part of the solution: it may hold an infinity.
void SolveNormalEquations(std::int16_t n, std::int16_t m);
