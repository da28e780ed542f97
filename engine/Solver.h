#pragma once
// Linear least squares through the normal equations, triangularised by plane
// rotations and solved by back-substitution.

#include <cstdint>

// On entry rows 1..n of FitMatrix hold W in column 0 and the basis in columns 1..m
// (1 <= n <= 40, 1 <= m <= 20). On return row 0, columns 1..m, holds the solution and
// ComputationFailed is FailNone; or it is FailOverflow (a product of the normal
// equations overflows, or the solution is not finite) or FailDivision (the system is
// singular to working precision), and the solution must not be used.
void SolveNormalEquations(std::int16_t n, std::int16_t m);
