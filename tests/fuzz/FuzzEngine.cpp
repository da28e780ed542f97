// Arbitrary point sets (3 to 40 finite doubles of any magnitude, duplicates, all
// equal), any kind and any degree the program accepts, in either mode of the fit:
// the whole engine sequence runs; a failure is a code 1..3, and a success leaves
// only finite numbers and curve pixels inside the plot band, a refinement on Y that
// either succeeded or left the linearised fit, and standard errors that are finite
// or not computed. Half the sets come with uncertainties sigma of any positive size,
// under either convention; chi^2 is then never negative, its probability in [0, 1].
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "EngineCodes.h"
#include "EngineSequence.h"
#include "Evaluate.h"
#include "FormulaChoice.h"
#include "FormulaKinds.h"
#include "FuzzInput.h"
#include "PointSet.h"
#include "Refinement.h"
#include "SharedState.h"
#include "Uncertainty.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    auto& s = Shared;
    s = SharedState{};
    const int n = 3 + data[0] % 38;
    s.SigmaPresent = data[0] >= 128;
    s.SigmaConvention = data[1] >= 128 ? SigmaAbsolute : SigmaRelative;
    const std::uint8_t kind = static_cast<std::uint8_t>(1 + data[1] % 13);
    const int degree = 1 + data[2] % 20;
    s.FitMode = data[2] >= 128 ? FitOnY : FitLinearised;
    data += 3;
    size -= 3;
    if (kind > OfferedFormulaCount(n)) return 0;
    s.PointCount = static_cast<std::int16_t>(n);
    for (int i = 1; i <= n; ++i) {
        s.PointX[i] = TakeDouble(data, size);
        s.PointY[i] = TakeDouble(data, size);
        if (!s.SigmaPresent) continue;
        s.PointSigma[i] = std::fabs(TakeDouble(data, size));
        if (!(s.PointSigma[i] > 0)) return 0;  // refused by every way in
    }
    if (IsPolynomialKind(kind)) {
        if (TakeTypedDegree(kind, std::to_string(degree)) != DegreeVerdict::Accepted) return 0;
    } else {
        s.FormulaKind = kind;
    }
    SortPointsByX();
    const std::uint8_t failed = RunEngineSequence();
    Check(failed == s.ComputationFailed && failed <= FailDivision);
    if (failed) return 0;
    const double r = CorrelationCoefficient();
    Check(std::isfinite(r));
    ComputeDeviations();
    for (int k = 1; k <= s.UnknownCount; ++k) Check(std::isfinite(s.FitMatrix[0][k]));
    Check(std::isfinite(s.CoefA) && std::isfinite(s.CoefB) && std::isfinite(s.CoefC));
    // A deviation beyond the range of a double is NotComputed, never an infinity.
    Check(std::isfinite(s.EvalResult) && !std::isinf(s.MeanDeviation) && r >= -1 && r <= 1);
    // A polynomial overflow stops the deviations early (a code 2); the points
    // reached so far are still finite.
    for (int i = 1; i <= n; ++i) {
        if (s.ComputationFailed) break;
        Check(std::isfinite(s.FitMatrix[i][0]) && !std::isinf(s.Deviation[i]));
        Check(!std::isnan(s.Deviation[i]) || std::isnan(s.MeanDeviation));
    }
    Check(s.RefinementOutcome <= RefinementPoleInside &&
          (s.RefinementOutcome == RefinementNone) ==
              (s.FitMode == FitLinearised || !IsRefinableKind(kind)));
    // A fit refined on Y never has its pole between the points.
    Check(s.RefinementOutcome != RefinementDone || !PoleBetweenThePoints());
    const FitSpread spread = SpreadOfFit();
    Check(spread.degreesOfFreedom >= 1 && std::isfinite(spread.tQuantile));
    Check(!spread.weighted || std::isnan(spread.chiSquare) || spread.chiSquare >= 0);
    Check(!(spread.chiSquareProbability < 0) && !(spread.chiSquareProbability > 1));
    for (const CoefficientSpread& c : spread.coefficients)
        Check((std::isfinite(c.standardError) && c.standardError >= 0 && c.low <= c.high) ||
              (std::isnan(c.standardError) && !spread.computed));
    Check(s.CurvePointCount >= 0 && s.CurvePointCount <= MaxCurvePoints);
    for (int k = 0; k < s.CurvePointCount; ++k) {
        Check(s.CurvePixelX[k] >= -1000 && s.CurvePixelX[k] <= 1000);
        Check(s.CurvePixelY[k] > 10 && s.CurvePixelY[k] < 350);
    }
    return 0;
}
