#include "EngineSequence.h"

#include "EngineCodes.h"
#include "Evaluate.h"
#include "Fit.h"
#include "FormulaKinds.h"
#include "Refinement.h"
#include "SharedState.h"

namespace {
// In the mode on Y, the linearised fit of a refinable kind is refined on a copy of the
// problem, and the refined coefficients are taken only where they evaluate at EvalArg:
// whatever fails, the linearised fit stays whole on display.
void RefineWhereAsked() {
    auto& s = Shared;
    if (s.FitMode != FitOnY || !IsRefinableKind(s.FormulaKind)) return;
    const Refined refined = RefineOnY(ProblemOfTheFit());
    s.RefinementIterations = static_cast<std::int16_t>(refined.iterations);
    s.RefinementOutcome = refined.outcome;
    if (refined.outcome != RefinementDone) return;
    std::uint8_t failure = FailNone;
    const FormulaCoefficients& k = refined.coefficients;
    const double result = EvaluateKind(s.FormulaKind, k, s.EvalArg, failure);
    if (failure) {
        s.RefinementOutcome = RefinementOutOfRange;
        return;
    }
    s.CoefA = k.a;
    s.CoefB = k.b;
    if (NamedCoefficientCount(s.FormulaKind) == 3) s.CoefC = k.c;
    if (s.FormulaKind == KindPowerA) TakePowerBase(k.logA, failure);
    s.EvalResult = result;
}
}  // namespace

std::uint8_t RunFitSequence() {
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
    return FailNone;
}

std::uint8_t RunEngineSequence() {
    if (const std::uint8_t failed = RunFitSequence()) return failed;
    // The curve is not tested: a sample whose evaluation fails is placed at the value
    // the evaluation left, and its code is not the sequence's.
    SampleCurve();
    Shared.ComputationFailed = FailNone;
    return FailNone;
}
