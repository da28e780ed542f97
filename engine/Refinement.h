#pragma once
// Least squares on Y itself for the six kinds whose linearised fit transforms Y
// (IsRefinableKind): GSL's trust-region Levenberg-Marquardt, started from the
// linearised coefficients, so no start values are asked for. It works on its own
// copy of the problem, scaled so that every decision is the same in any units.

#include <array>
#include <cstdint>

#include "Evaluate.h"
#include "SharedState.h"

// Most steps a refinement may take before it is reported as not converging.
inline constexpr int RefinementIterationLimit = 200;

// What the refinement starts from: the kind, the points and the linearised fit.
struct RefinementProblem {
    std::uint8_t kind = 0;
    int n = 0;
    std::array<double, MaxEnteredPoints> x{}, y{};  // 0..n-1
    // Where the points have uncertainties: each residual's weight, the smallest sigma
    // over the point's own (see WeightsOfRows); the sum minimised is then chi^2.
    bool weighted = false;
    std::array<double, MaxEnteredPoints> weight{};
    FormulaCoefficients start;
};

struct Refined {
    std::uint8_t outcome = 0;  // a RefinementCode
    int iterations = 0;
    // The minimum of sum (Y - f(X))^2 (weighed) on RefinementDone.
    FormulaCoefficients coefficients;
};

// The problem of the fit now in the shared state.
RefinementProblem ProblemOfTheFit();

// Refines the start; reads and writes nothing of the shared state. For Y=1/(A*X+B) and
// Y=X/(A*X+B) a start or a minimum whose pole -B/A lies between the smallest and the
// largest X ends with RefinementPoleInside; steps that would carry the pole in are
// refused on the way.
Refined RefineOnY(const RefinementProblem& problem);
