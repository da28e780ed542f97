#include "Bands.h"

#include <array>
#include <cmath>
#include <utility>

#include "Evaluate.h"
#include "Fit.h"
#include "FormulaGradient.h"
#include "FormulaKinds.h"
#include "SharedState.h"

namespace {
// The derivatives of the fitted value (on Y) or of W (linearised) in the unknowns the
// covariance is of, at 1..m; false where one cannot be computed.
bool UnknownGradient(const FitSpread& spread, double x, std::array<double, MaxUnknowns + 1>& g) {
    const auto& s = Shared;
    const int m = static_cast<int>(spread.coefficients.size());
    if (IsPolynomialKind(s.FormulaKind)) {
        double power = s.FormulaKind == KindPolynomial ? 1 : x;
        for (int k = 1; k <= m; ++k, power = power * x) g[k] = power;
    } else if (spread.onY) {
        std::array<double, 3> d{};
        if (!FormulaGradient(x, d)) return false;
        for (int k = 1; k <= m; ++k) g[k] = d[k - 1];
    } else {
        // The basis does not depend on Y: any Y the transform takes will do.
        std::array<double, 4> row{};
        if (TransformedRow(s.FormulaKind, x, 1, row)) return false;
        for (int k = 1; k <= m; ++k) g[k] = row[k];
    }
    for (int k = 1; k <= m; ++k)
        if (!std::isfinite(g[k])) return false;
    return true;
}

// Y of a value of the linearised variable W at x.
double FromLinearised(std::uint8_t kind, double x, double w) {
    if (kind == KindReciprocalLinear) return 1 / w;
    if (kind == KindRational) return x / w;
    return std::exp(w);
}

// An interval of W carried to Y; none where it holds the pole of 1/W or X/W.
Interval CarriedBack(std::uint8_t kind, double x, double low, double high) {
    if ((kind == KindReciprocalLinear || kind == KindRational) && low <= 0 && high >= 0) return {};
    double a = FromLinearised(kind, x, low), b = FromLinearised(kind, x, high);
    if (a > b) std::swap(a, b);
    if (!std::isfinite(a) || !std::isfinite(b)) return {};
    return {a, b};
}
}  // namespace

BandsAtX BandsAt(const FitSpread& spread, double x) {
    const auto& s = Shared;
    BandsAtX bands;
    const std::optional<double> y = FittedValueAt(x);
    if (!y) return bands;
    bands.y = *y;
    const int m = static_cast<int>(spread.coefficients.size());
    std::array<double, MaxUnknowns + 1> g{};
    if (!spread.covarianceComputed || !UnknownGradient(spread, x, g)) return bands;
    double variance = 0;
    for (int k1 = 1; k1 <= m; ++k1)
        for (int k2 = 1; k2 <= m; ++k2)
            variance = variance + g[k1] * spread.covariance[k1][k2] * g[k2];
    const double se = std::sqrt(std::fmax(variance, 0.0));
    const double s2 = spread.residualDeviation * spread.residualDeviation;
    // A new measurement's own sigma is not known where the points have uncertainties:
    // no prediction band then.
    const double reach = spread.tQuantile * se,
                 predictionReach =
                     spread.weighted ? NotComputed : spread.tQuantile * std::sqrt(se * se + s2);
    if (!std::isfinite(reach) || (!spread.weighted && !std::isfinite(predictionReach)))
        return bands;
    if (spread.onY) {
        bands.seMean = se;
        bands.confidence = {*y - reach, *y + reach};
        if (!spread.weighted) bands.prediction = {*y - predictionReach, *y + predictionReach};
        return bands;
    }
    double w = 0;
    for (int k = 1; k <= m; ++k) w = w + s.FitMatrix[0][k] * g[k];
    // dY/dW: Y for e^W, -Y^2 for 1/W, -Y^2/X for X/W.
    const std::uint8_t kind = s.FormulaKind;
    const double slope = kind == KindReciprocalLinear ? *y * *y
                         : kind == KindRational       ? *y * *y / std::fabs(x)
                                                      : std::fabs(*y);
    if (std::isfinite(slope * se)) bands.seMean = slope * se;
    bands.confidence = CarriedBack(kind, x, w - reach, w + reach);
    if (!spread.weighted)
        bands.prediction = CarriedBack(kind, x, w - predictionReach, w + predictionReach);
    return bands;
}
