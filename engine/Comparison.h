#pragma once
// Which dependence describes the points best: every formula the points allow (the
// polynomials at every degree) fitted by the engine sequence, exactly as choosing it
// fits it, and ranked by the corrected Akaike criterion on Y, which does not reward
// extra coefficients. The criteria are those of the normal likelihood, as R's logLik
// of lm and nls gives them: a fit with k coefficients estimates K = k + 1 parameters,
// the error variance with them. Where the points have uncertainties, chi^2 stands
// for the sum of squares, and -2 ln L gains sum ln sigma^2.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ComparedFit {
    std::uint8_t kind = 0;
    std::int16_t degree = 0;   // 0 for the fixed kinds
    int coefficients = 0;      // k
    std::uint8_t failure = 0;  // FailNone, or why the fit was refused
    // Whether the fit made minimises the sum on Y (the mode on Y, or a kind fitted
    // on Y already), and how its refinement ended (RefinementNone where not tried).
    bool onY = false;
    std::uint8_t refinement = 0;
    // The figures of a fit made; none for a refused one.
    double meanDeviation = 0, correlation = 0, residualSum = 0;
    std::optional<double> determination, residualDeviation;
    bool exact = false;  // residuals zero to working precision: ranked first
    // Y=1/(A*X+B) or Y=X/(A*X+B) with its pole between the points: no fit of them,
    // ranked after the fits.
    bool poleInside = false;
    std::optional<double> aicc;           // none where n - K - 1 <= 0, or for an exact fit
    std::optional<double> bic;            // none for an exact fit
    std::optional<double> delta, weight;  // among the ranked fits only
};

// The fits of the current points, best first: exact fits (zero residuals to working
// precision, fewer coefficients first), then by AICc (ties by fewer coefficients,
// then the formula list's order), then the fits whose criterion is not defined, then
// those with a pole between the points, then the refused ones. The shared state is as
// it was before.
std::vector<ComparedFit> CompareFormulas();

// With K = k + 1: AICc = n (ln(2 pi RSS / n) + 1) + 2K + 2K(K + 1) / (n - K - 1); none
// where n - K - 1 <= 0 or RSS is 0.
std::optional<double> CorrectedAkaike(int n, int k, double residualSum);

// BIC = n (ln(2 pi RSS / n) + 1) + K ln n, K = k + 1; none where RSS is 0.
std::optional<double> BayesianCriterion(int n, int k, double residualSum);
