#pragma once
// The least-squares solution of the fit's linear problem where double precision
// cannot vouch for six digits: pivoted Householder QR in IEEE quadruple precision
// (GCC's __float128, correctly rounded in software, so the same on every machine),
// refined on the augmented system with residuals in the same precision. Its digits are
// judged after the fact, by the size of the last correction, not by a worst-case bound.

#include "ReferenceSolution.h"

// Rows 1..n of a (response at 0, basis at 1..m) whose columns passed the rank test of
// SolveByPivotedQr. Solved with s and errorBound (the last correction, relative, in the
// column-norm-weighted measure, plus the rounding to double); Overflow where a
// coefficient that weighs in leaves the range of a double; Dependent where the
// refinement does not settle (columns too near dependence for any precision here).
ReferenceSolution SolveInQuadPrecision(const ProblemColumns& a, int n, int m);
