#include "Uncertainty.h"

#include <gsl/gsl_cdf.h>

#include <array>
#include <cmath>

#include "EngineCodes.h"
#include "Evaluate.h"
#include "Fit.h"
#include "FormulaGradient.h"
#include "FormulaKinds.h"
#include "ReferenceSolution.h"
#include "Refinement.h"
#include "SharedState.h"
#include "Weights.h"

namespace {
// Confidence of the intervals.
constexpr double IntervalProbability = 0.95;

std::vector<CoefficientSpread> ShownCoefficients() {
    const auto& s = Shared;
    std::vector<CoefficientSpread> shown;
    if (IsPolynomialKind(s.FormulaKind)) {
        for (int i = 1; i <= s.UnknownCount; ++i)
            shown.push_back({"A[" + std::to_string(PolynomialPower(s.FormulaKind, i)) + "]",
                             s.FitMatrix[0][i]});
    } else {
        shown.push_back({"A", s.CoefA});
        shown.push_back({"B", s.CoefB});
        if (NamedCoefficientCount(s.FormulaKind) == 3) shown.push_back({"C", s.CoefC});
    }
    return shown;
}

// J in the panel's coefficients (columns 1..m) and the residuals on Y, each row weighed;
// false where a derivative cannot be computed.
bool ProblemOnY(const RowWeights& weights, ProblemColumns& j, double& residualSum) {
    const auto& s = Shared;
    residualSum = 0;
    const bool polynomial = IsPolynomialKind(s.FormulaKind);
    for (int i = 1; i <= s.PointCount; ++i) {
        const double r = (s.PointY[i] - s.FitMatrix[i][0]) * weights.factor[i];
        residualSum = residualSum + r * r;
        const double x = s.PointX[i];
        if (polynomial) {
            double power = s.FormulaKind == KindPolynomial ? 1 : x;
            for (int k = 1; k <= s.UnknownCount; ++k, power = power * x) {
                if (!std::isfinite(power)) return false;
                j[i][k] = power;
            }
        } else {
            std::array<double, 3> g{};
            if (!FormulaGradient(x, g)) return false;
            for (int k = 1; k <= 3; ++k) j[i][k] = g[k - 1];
        }
        for (int k = 1; k <= s.UnknownCount; ++k) j[i][k] = j[i][k] * weights.factor[i];
    }
    return std::isfinite(residualSum);
}

// The linearised regression of kinds 3, 4, 6, 7, 10 and 12: basis and residuals of
// the transformed response at the linearised solution (row 0 of FitMatrix).
bool LinearisedProblem(const RowWeights& weights, ProblemColumns& j, double& residualSum) {
    const auto& s = Shared;
    residualSum = 0;
    std::array<double, 4> row{};
    for (int i = 1; i <= s.PointCount; ++i) {
        if (TransformedRow(s.FormulaKind, s.PointX[i], s.PointY[i], row)) return false;
        double fitted = 0;
        for (int k = 1; k <= s.UnknownCount; ++k) {
            j[i][k] = row[k] * weights.factor[i];
            fitted = fitted + s.FitMatrix[0][k] * row[k];
        }
        const double r = (row[0] - fitted) * weights.factor[i];
        residualSum = residualSum + r * r;
    }
    return std::isfinite(residualSum);
}

// Which unknown of the linearised solution stands behind A, B and C, and whether the
// coefficient is its exponential (so that its error is the coefficient times the
// unknown's, to first order).
struct BackTransform {
    std::array<int, 3> unknown;
    std::array<bool, 3> exponential;
};
BackTransform BackTransformOf(std::uint8_t kind) {
    switch (kind) {
        case KindPowerX:  // ln Y = ln B + A ln X
            return {{2, 1, 3}, {false, true, false}};
        case KindPowerA:  // ln Y = ln B + X ln A
            return {{2, 1, 3}, {true, true, false}};
        case KindExponential:  // ln Y = ln A + B X (+ C X^2)
        case KindExpQuadratic:
            return {{1, 2, 3}, {true, false, false}};
        default:  // 1/Y or X/Y = A X + B
            return {{2, 1, 3}, {false, false, false}};
    }
}
}  // namespace

bool FitIsOnY() {
    return !IsRefinableKind(Shared.FormulaKind) || Shared.RefinementOutcome == RefinementDone;
}

FitSpread SpreadOfFit() {
    const auto& s = Shared;
    FitSpread spread;
    spread.onY = FitIsOnY();
    spread.weighted = s.SigmaPresent;
    spread.convention = s.SigmaConvention;
    const bool absolute = spread.weighted && spread.convention == SigmaAbsolute;
    spread.coefficients = ShownCoefficients();
    const int n = s.PointCount, m = static_cast<int>(spread.coefficients.size());
    spread.degreesOfFreedom = n - m;
    for (auto& c : spread.coefficients) c.standardError = c.low = c.high = NotComputed;
    ComputeDeviations();
    if (spread.weighted) spread.chiSquare = ResidualSumOfSquares();
    // The rows weighed relative to the most precise point: the sum of their squares is
    // chi^2 times the square of its sigma, and (J^T J)^-1 that of J^T W J over it.
    RowWeights weights;
    ProblemColumns j{};
    double weighedSum = 0;
    const bool built = WeightsOfRows(!spread.onY, weights) &&
                       (spread.onY ? ProblemOnY(weights, j, weighedSum)
                                   : LinearisedProblem(weights, j, weighedSum));
    if (spread.degreesOfFreedom < 1) return spread;
    spread.residualSum = weighedSum / weights.smallest / weights.smallest;
    spread.residualDeviation = std::sqrt(spread.residualSum / spread.degreesOfFreedom);
    if (spread.weighted && std::isfinite(spread.chiSquare))
        spread.chiSquareProbability = gsl_cdf_chisq_Q(spread.chiSquare, spread.degreesOfFreedom);
    spread.tQuantile =
        absolute ? gsl_cdf_ugaussian_Pinv(1 - (1 - IntervalProbability) / 2)
                 : gsl_cdf_tdist_Pinv(1 - (1 - IntervalProbability) / 2, spread.degreesOfFreedom);
    GramInverse inverse{};
    spread.correlation.assign(m, std::vector<double>(m, NotComputed));
    if (!built || !InverseGram(j, n, m, inverse)) return spread;
    // The scale of the covariance in the weighed rows' units: s of the residuals, or the
    // smallest sigma itself where the sigmas are taken as they are.
    const double scale =
        absolute ? weights.smallest : std::sqrt(weighedSum / spread.degreesOfFreedom);
    const double variance = scale * scale;
    for (int k1 = 1; k1 <= m; ++k1)
        for (int k2 = 1; k2 <= m; ++k2) spread.covariance[k1][k2] = variance * inverse[k1][k2];
    spread.covarianceComputed = std::isfinite(variance);

    const BackTransform back = BackTransformOf(s.FormulaKind);
    const auto unknownOf = [&](int k) { return spread.onY ? k + 1 : back.unknown[k]; };
    spread.computed = true;
    for (int k = 0; k < m; ++k) {
        auto& c = spread.coefficients[k];
        const int unknown = unknownOf(k);
        double error = scale * std::sqrt(inverse[unknown][unknown]);
        double low = c.value - spread.tQuantile * error, high = c.value + spread.tQuantile * error;
        // A coefficient that is the exponential of a linearised unknown u: its interval is
        // e^(u -+ t se(u)), never crossing zero; its error the first-order |c| se(u).
        if (!spread.onY && back.exponential[k]) {
            const double u = s.FitMatrix[0][unknown], reach = spread.tQuantile * error;
            low = std::exp(u - reach);
            high = std::exp(u + reach);
            error = std::fabs(c.value) * error;
        }
        if (!std::isfinite(error) || !std::isfinite(low) || !std::isfinite(high)) {
            spread.computed = false;
            continue;
        }
        c.standardError = error;
        c.low = low;
        c.high = high;
    }
    // Correlations do not change when a coefficient is carried back through the
    // exponential (an increasing function): those of the unknowns behind them.
    for (int k1 = 0; k1 < m; ++k1)
        for (int k2 = 0; k2 < m; ++k2) {
            const int u1 = unknownOf(k1), u2 = unknownOf(k2);
            const double r = inverse[u1][u2] / std::sqrt(inverse[u1][u1] * inverse[u2][u2]);
            if (std::isfinite(r)) spread.correlation[k1][k2] = std::fmax(-1.0, std::fmin(1.0, r));
        }
    return spread;
}
