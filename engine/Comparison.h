#pragma once
// Which dependence describes the points best: every formula the points allow (the
// polynomials at every degree) fitted by the engine sequence, exactly as choosing it
// fits it, and ranked by the corrected Akaike criterion on Y, which does not reward
// extra coefficients.

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
    bool exact = false;          // residuals zero to working precision: ranked first
    std::optional<double> aicc;  // none where n - k - 1 <= 0, or for an exact fit
    std::optional<double> delta, weight;
};

// The fits of the current points, best first: exact fits (zero residuals to working
// precision, fewer coefficients first), then by AICc (ties by fewer coefficients,
// then the formula list's order), then the fits whose criterion is not defined, then
// the refused ones. The shared state is as it was before.
std::vector<ComparedFit> CompareFormulas();

// AICc = n ln(RSS / n) + 2k + 2k(k + 1) / (n - k - 1); none where n - k - 1 <= 0.
std::optional<double> CorrectedAkaike(int n, int k, double residualSum);
