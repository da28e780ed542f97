#include "Weights.h"

#include <cmath>

#include "FormulaKinds.h"

double CarriedSigma(std::uint8_t kind, double x, double y, double sigma) {
    switch (kind) {
        case KindPowerX:
        case KindPowerA:
        case KindExponential:
        case KindExpQuadratic:  // ln Y
            return sigma / std::fabs(y);
        case KindReciprocalLinear:  // 1/Y
            return sigma / y / y;
        case KindRational:  // X/Y
            return std::fabs(x) * sigma / y / y;
        default:
            return sigma;
    }
}

bool WeightsOfRows(bool linearised, RowWeights& weights) {
    const auto& s = Shared;
    weights = RowWeights{};
    std::array<double, MaxPoints + 1> sigma{};
    for (int i = 1; i <= s.PointCount; ++i) {
        weights.factor[i] = 1;
        if (!s.SigmaPresent) continue;
        sigma[i] = linearised
                       ? CarriedSigma(s.FormulaKind, s.PointX[i], s.PointY[i], s.PointSigma[i])
                       : s.PointSigma[i];
        if (!(sigma[i] > 0) || !std::isfinite(sigma[i])) return false;
        if (i == 1 || sigma[i] < weights.smallest) weights.smallest = sigma[i];
    }
    if (!s.SigmaPresent) return true;
    for (int i = 1; i <= s.PointCount; ++i) weights.factor[i] = weights.smallest / sigma[i];
    return true;
}

double SigmaOfPoint(int i) { return Shared.SigmaPresent ? Shared.PointSigma[i] : 1; }

double SigmaLikelihoodTerm() {
    const auto& s = Shared;
    double sum = 0;
    if (s.SigmaPresent)
        for (int i = 1; i <= s.PointCount; ++i) sum = sum + 2 * std::log(s.PointSigma[i]);
    return sum;
}
