#pragma once
// Least squares on Y itself for the six kinds whose linearised fit transforms Y
// (and so weights the points unevenly): GSL's trust-region Levenberg-Marquardt,
// started from the linearised coefficients, so no start values are asked for.

#include <cstdint>

// Most steps a refinement may take before it is reported as not converging.
inline constexpr int RefinementIterationLimit = 200;

// Y=B*(X^A), Y=B*(A^X), Y=1/(A*X+B), Y=X/(A*X+B), Y=A*Exp(B*X), Y=A*Exp(B*X+C*(X^2)).
bool IsRefinableKind(std::uint8_t kind);

// From CoefA, CoefB, CoefC of a linearised fit of a refinable kind: on RefinementDone
// they hold the coefficients that minimise sum (Y - f(X))^2; on any other outcome
// they are as before. RefinementIterations holds the steps taken either way.
std::uint8_t RefineOnY();
