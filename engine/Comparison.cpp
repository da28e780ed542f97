#include "Comparison.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "EngineCodes.h"
#include "EngineSequence.h"
#include "Evaluate.h"
#include "FormulaChoice.h"
#include "SharedState.h"
#include "Uncertainty.h"
#include "Weights.h"

namespace {
// One fit of the current formula, as the results window would show it.
ComparedFit FitOne(std::uint8_t kind, std::int16_t degree) {
    auto& s = Shared;
    ComparedFit fit;
    fit.kind = kind;
    fit.degree = degree;
    fit.failure = RunFitSequence();
    fit.coefficients = s.UnknownCount;
    if (fit.failure) return fit;
    fit.refinement = s.RefinementOutcome;
    fit.onY = FitIsOnY();
    fit.correlation = CorrelationCoefficient();
    ComputeDeviations();
    if (s.ComputationFailed) {
        fit.failure = s.ComputationFailed;
        return fit;
    }
    fit.meanDeviation = s.MeanDeviation;
    fit.determination = DeterminationCoefficient();
    fit.residualDeviation = ResidualStandardDeviation();
    const int n = s.PointCount;
    const double sumOfSquares = ResidualSumOfSquares();
    double sumOfY = 0;
    for (int i = 1; i <= n; ++i) {
        const double y = s.PointY[i] / SigmaOfPoint(i);
        sumOfY = sumOfY + y * y;
    }
    fit.residualSum = sumOfSquares;
    // Zero to working precision: each computed value off by the rounding of its k
    // terms at most (n eps^2 sum Y^2 alone misses a cubic through a line by 5 times).
    const double rounding = fit.coefficients * std::numeric_limits<double>::epsilon();
    fit.exact = sumOfSquares <= n * rounding * rounding * sumOfY;
    fit.poleInside = PoleBetweenThePoints();
    if (!fit.exact) {
        // With uncertainties the sum is chi^2 and the likelihood gains the sigmas' term
        // (as R's logLik of a weighted lm), the same for every formula.
        const double sigmaTerm = SigmaLikelihoodTerm();
        fit.aicc = CorrectedAkaike(n, fit.coefficients, sumOfSquares);
        fit.bic = BayesianCriterion(n, fit.coefficients, sumOfSquares);
        if (fit.aicc) *fit.aicc = *fit.aicc + sigmaTerm;
        if (fit.bic) *fit.bic = *fit.bic + sigmaTerm;
    }
    return fit;
}

// The order of the list: kind, then degree.
bool ListOrder(const ComparedFit& a, const ComparedFit& b) {
    return a.kind != b.kind ? a.kind < b.kind : a.degree < b.degree;
}

// The groups of the ranking, in their order.
enum class Rank { Exact, ByCriterion, Undefined, PoleInside, Refused };

Rank Group(const ComparedFit& f) {
    if (f.failure) return Rank::Refused;
    if (f.poleInside) return Rank::PoleInside;
    if (f.exact) return Rank::Exact;
    return f.aicc ? Rank::ByCriterion : Rank::Undefined;
}

// -2 ln L of the normal likelihood at its maximum, whose variance is RSS / n.
double DevianceOf(int n, double residualSum) {
    return n * (std::log(2 * std::numbers::pi * residualSum / n) + 1);
}

// Criteria this close count as a tie (the same fit written two ways, as
// Y=A*Exp(B*X) and Y=B*(A^X), differ only by rounding).
bool Tied(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(a)); }
}  // namespace

std::optional<double> CorrectedAkaike(int n, int k, double residualSum) {
    const int parameters = k + 1;
    if (n - parameters - 1 <= 0 || !(residualSum > 0)) return std::nullopt;
    const double aicc = DevianceOf(n, residualSum) + 2.0 * parameters +
                        2.0 * parameters * (parameters + 1) / (n - parameters - 1);
    if (!std::isfinite(aicc)) return std::nullopt;
    return aicc;
}

std::optional<double> BayesianCriterion(int n, int k, double residualSum) {
    if (!(residualSum > 0)) return std::nullopt;
    const double bic = DevianceOf(n, residualSum) + (k + 1) * std::log(double(n));
    if (!std::isfinite(bic)) return std::nullopt;
    return bic;
}

std::vector<ComparedFit> CompareFormulas() {
    const SharedState before = Shared;
    std::vector<ComparedFit> fits;
    const int n = before.PointCount;
    for (int kind = 1; kind <= OfferedFormulaCount(n); ++kind) {
        const auto k = static_cast<std::uint8_t>(kind);
        // The fixed kinds once; the polynomials at every degree the points admit.
        for (std::int16_t degree = IsPolynomialKind(k) ? 1 : 0; degree <= MaxUnknowns; ++degree) {
            Shared = before;
            if (!TakeFormula(k, degree)) break;
            fits.push_back(FitOne(k, degree));
            if (!IsPolynomialKind(k)) break;
        }
    }
    Shared = before;

    std::stable_sort(fits.begin(), fits.end(), [](const ComparedFit& a, const ComparedFit& b) {
        if (Group(a) != Group(b)) return Group(a) < Group(b);
        if (Group(a) == Rank::ByCriterion && !Tied(*a.aicc, *b.aicc)) return *a.aicc < *b.aicc;
        if ((Group(a) == Rank::Exact || Group(a) == Rank::ByCriterion) &&
            a.coefficients != b.coefficients)
            return a.coefficients < b.coefficients;
        return ListOrder(a, b);
    });
    // Akaike weights among the ranked fits, against the best of them.
    double best = std::numeric_limits<double>::infinity(), total = 0;
    for (const ComparedFit& f : fits)
        if (Group(f) == Rank::ByCriterion) best = std::min(best, *f.aicc);
    for (ComparedFit& f : fits)
        if (Group(f) == Rank::ByCriterion) {
            f.delta = *f.aicc - best;
            total += std::exp(-*f.delta / 2);
        }
    for (ComparedFit& f : fits)
        if (f.delta) f.weight = std::exp(-*f.delta / 2) / total;
    return fits;
}
