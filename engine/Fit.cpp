#include "Fit.h"

#include <array>
#include <cmath>
#include <numbers>

#include "EngineCodes.h"
#include "FormulaKinds.h"
#include "SharedState.h"
#include "Solver.h"
#include "Weights.h"

namespace {
// e^t guarded: FailOverflow above ExpUpperLimit, 0 below ExpLowerLimit.
double GuardedExp(double t, std::uint8_t& failure) {
    if (t > ExpUpperLimit) {
        failure = FailOverflow;
        return 0;
    }
    if (t < ExpLowerLimit) return 0;
    return std::exp(t);
}

// Rows of the polynomial kinds: powers of X from PolyFirstColumn-1 upwards, each
// next power tested through its logarithm before it is formed.
bool BuildPolynomialRows() {
    auto& s = Shared;
    const int m = s.UnknownCount;
    s.PolyFirstColumn = s.FormulaKind == KindPolynomial ? 2 : 1;
    for (int i = 1; i <= s.PointCount; ++i) {
        const double x = s.PointX[i];
        if (s.FormulaKind == KindPolynomial) s.FitMatrix[i][1] = 1;
        double p = x;
        for (int k = s.PolyFirstColumn; k <= m; ++k) {
            if (x > 0 && p > 0 && !ProductSafelyInRange(x, p)) {
                double t = std::log(x) + std::log(p);
                if (t > ExpUpperLimit) {
                    s.ComputationFailed = FailOverflow;
                    return false;
                }
                if (t < ExpLowerLimit) p = 0;
            }
            // Powers of a negative X escape the logarithm test; never store an infinity.
            if (!std::isfinite(p)) {
                s.ComputationFailed = FailOverflow;
                return false;
            }
            s.FitMatrix[i][k] = p;
            p = p * x;
        }
        s.FitMatrix[i][0] = s.PointY[i];
    }
    return true;
}

// The relative change of A^X at the farthest point beyond which the shown A stands for
// another dependence than the fitted one.
constexpr double PowerDriftLimit = 1e-12;

bool Fail(std::uint8_t code) {
    Shared.ComputationFailed = code;
    return false;
}

// One row of kinds 3..13 in FitMatrix.
bool BuildTransformedRow(int i) {
    auto& s = Shared;
    std::array<double, 4> row{};
    if (const std::uint8_t failure = TransformedRow(s.FormulaKind, s.PointX[i], s.PointY[i], row))
        return Fail(failure);
    s.FitMatrix[i][0] = row[0];
    s.FitMatrix[i][1] = row[1];
    s.FitMatrix[i][2] = row[2];
    if (NamedCoefficientCount(s.FormulaKind) == 3) s.FitMatrix[i][3] = row[3];
    return true;
}

}  // namespace

std::uint8_t TransformedRow(std::uint8_t kind, double x, double y, std::array<double, 4>& row) {
    row = {0, 1, 0, 0};

    double u = x;
    if (kind == KindPowerX || kind == KindLogarithmic || kind == KindLogQuadratic) {
        if (x <= 0) return FailLogArgument;
        u = std::log(x);
    } else if (kind == KindHyperbolic) {
        if (std::fabs(x) < TinyMagnitude) return FailDivision;
        u = 1 / x;
    } else if (kind == KindExpShifted) {
        if (x > ExpUpperLimit) return FailOverflow;
        u = x < ExpLowerLimit ? 0 : std::exp(x);
    } else if (kind == KindSine) {
        u = std::sin(x);
    }

    double v = 0;
    if (kind == KindLogQuadratic) v = u * u;
    if (kind == KindExpQuadratic) v = x * x;
    if (kind == KindSine) v = std::cos(x);

    double w = y;
    if (kind == KindPowerX || kind == KindPowerA || kind == KindExponential ||
        kind == KindExpQuadratic) {
        if (y <= 0) return FailLogArgument;
        w = std::log(y);
    } else if (kind == KindReciprocalLinear) {
        if (std::fabs(y) < TinyMagnitude) return FailDivision;
        w = 1 / y;
    } else if (kind == KindRational) {
        if (std::fabs(y) < TinyMagnitude) return FailDivision;
        w = x / y;
    }
    // 1/X, X/Y and X^2 can still leave the range of a double.
    if (!std::isfinite(u) || !std::isfinite(v) || !std::isfinite(w)) return FailOverflow;
    row[0] = w;
    row[2] = u;
    row[3] = v;
    return FailNone;
}

bool BuildFitRows() {
    auto& s = Shared;
    s.ComputationFailed = FailNone;
    if (IsPolynomialKind(s.FormulaKind)) {
        if (!BuildPolynomialRows()) return false;
    } else {
        const auto m = static_cast<std::int16_t>(NamedCoefficientCount(s.FormulaKind));
        s.UnknownCount = m;
        s.FitUnknownCount = static_cast<std::uint8_t>(m);
        for (int i = 1; i <= s.PointCount; ++i)
            if (!BuildTransformedRow(i)) return false;
    }
    // Points with uncertainties: each row weighed by its sigma (carried to W where the
    // formula transforms Y).
    if (s.SigmaPresent) {
        RowWeights weights;
        if (!WeightsOfRows(IsRefinableKind(s.FormulaKind), weights)) return Fail(FailOverflow);
        for (int i = 1; i <= s.PointCount; ++i)
            for (int c = 0; c <= s.UnknownCount; ++c)
                s.FitMatrix[i][c] = s.FitMatrix[i][c] * weights.factor[i];
    }
    s.EvalArg = s.PointX[s.PointCount];
    return true;
}

void FitCoefficients() {
    if (BuildFitRows()) SolveNormalEquations(Shared.PointCount, Shared.UnknownCount);
}

void TakePowerBase(double logA, std::uint8_t& failure) {
    auto& s = Shared;
    s.CoefA = GuardedExp(logA, failure);
    s.CoefLogA = std::log(s.CoefA);
    double farthest = 0;
    for (int i = 1; i <= s.PointCount; ++i) farthest = std::fmax(farthest, std::fabs(s.PointX[i]));
    if (s.CoefA > 0 && farthest * std::fabs(s.CoefLogA - logA) > PowerDriftLimit) s.CoefLogA = logA;
}

void RecoverCoefficients() {
    auto& s = Shared;
    s.ComputationFailed = FailNone;
    const std::uint8_t kind = s.FormulaKind;
    if (IsPolynomialKind(kind)) return;
    const double s1 = s.FitMatrix[0][1];
    const double s2 = s.FitMatrix[0][2];
    const double s3 = s.FitMatrix[0][3];
    std::uint8_t& failed = s.ComputationFailed;

    s.CoefA = s2;
    if (kind == KindPowerA) TakePowerBase(s2, failed);
    if (kind == KindExponential || kind == KindExpQuadratic) s.CoefA = GuardedExp(s1, failed);
    if (kind == KindLogQuadratic) s.CoefA = s3;
    if (failed) return;

    s.CoefB = s1;
    if (kind == KindPowerX || kind == KindPowerA) s.CoefB = GuardedExp(s1, failed);
    if (kind == KindExponential || kind == KindLogQuadratic || kind == KindExpQuadratic)
        s.CoefB = s2;
    if (kind == KindSine) s.CoefB = s2 == 0 ? std::numbers::pi / 2 : std::atan(s3 / s2);
    if (failed) return;

    s.CoefC = s1;
    if (kind == KindExpQuadratic) s.CoefC = s3;
    if (kind == KindSine) {
        // A = s2 / cos B loses its digits where B nears a right angle (cos B then
        // holds little more than rounding); there the sine of B carries them:
        // A sin B = s3. With s2 = 0 the dependence is s3 cos X, that is B = pi/2.
        if (std::fabs(s2) >= std::fabs(s3))
            s.CoefA = s2 / std::cos(s.CoefB);
        else
            s.CoefA = s2 == 0 ? s3 : s3 / std::sin(s.CoefB);
    }
    if (!std::isfinite(s.CoefA) || !std::isfinite(s.CoefB) || !std::isfinite(s.CoefC))
        failed = FailOverflow;
}
