#pragma once
// The engine sequence every computation runs on the shared state.

#include <cstdint>

// FitCoefficients (build and solve), RecoverCoefficients, the trial evaluation at
// EvalArg (the last X), in the mode on Y the refinement (whose failure keeps the
// linearised fit and is told by RefinementOutcome, not by the code), and SampleCurve.
// Stops at the first of the three tested steps that fails and returns its failure
// code, which is also left in ComputationFailed; FailNone when the fit, its
// coefficients and its curve are all in place.
std::uint8_t RunEngineSequence();

// The same sequence up to the curve, which decides nothing: the fit, its coefficients,
// the trial evaluation and the refinement (for the comparison, which draws no curve).
std::uint8_t RunFitSequence();
