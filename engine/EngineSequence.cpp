#include "EngineSequence.h"

#include "EngineCodes.h"
#include "Evaluate.h"
#include "Fit.h"
#include "SharedState.h"

std::uint8_t RunEngineSequence() {
    auto& s = Shared;
    FitCoefficients();
    if (s.ComputationFailed) return s.ComputationFailed;
    RecoverCoefficients();
    if (s.ComputationFailed) return s.ComputationFailed;
    EvaluateAtArg();
    if (s.ComputationFailed) return s.ComputationFailed;
    // The curve is not tested: a sample whose evaluation fails is placed at the value
    // the evaluation left, and its code is not the sequence's.
    SampleCurve();
    s.ComputationFailed = FailNone;
    return FailNone;
}
