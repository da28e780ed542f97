#include "EngineSequence.h"

#include "EngineCodes.h"
#include "Evaluate.h"
#include "Fit.h"
#include "Refinement.h"
#include "SharedState.h"

namespace {
// In the mode on Y, the linearised fit of a refinable kind is refined and evaluated
// again; where either fails, the linearised fit stays whole on display.
void RefineWhereAsked() {
    auto& s = Shared;
    if (s.FitMode != FitOnY || !IsRefinableKind(s.FormulaKind)) return;
    const double linearA = s.CoefA, linearB = s.CoefB, linearC = s.CoefC, linearLogA = s.CoefLogA;
    const double linearResult = s.EvalResult;
    s.RefinementOutcome = RefineOnY();
    if (s.RefinementOutcome != RefinementDone) return;
    EvaluateAtArg();
    if (!s.ComputationFailed) return;
    s.CoefA = linearA;
    s.CoefLogA = linearLogA;
    s.CoefB = linearB;
    s.CoefC = linearC;
    s.EvalResult = linearResult;
    s.ComputationFailed = FailNone;
    s.RefinementOutcome = RefinementOutOfRange;
}
}  // namespace

std::uint8_t RunEngineSequence() {
    auto& s = Shared;
    // No refinement until one is tried, whichever step stops the sequence.
    s.RefinementOutcome = RefinementNone;
    s.RefinementIterations = 0;
    FitCoefficients();
    if (s.ComputationFailed) return s.ComputationFailed;
    RecoverCoefficients();
    if (s.ComputationFailed) return s.ComputationFailed;
    EvaluateAtArg();
    if (s.ComputationFailed) return s.ComputationFailed;
    RefineWhereAsked();
    // The curve is not tested: a sample whose evaluation fails is placed at the value
    // the evaluation left, and its code is not the sequence's.
    SampleCurve();
    s.ComputationFailed = FailNone;
    return FailNone;
}
