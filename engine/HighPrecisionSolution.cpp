#include "HighPrecisionSolution.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "PivotedQr.h"

namespace {
// A refinement step smaller than this (relative) leaves nothing a double can hold.
constexpr double SettledCorrection = 1e-24;
// Each step gains about as many digits as quadruple precision holds beyond the
// condition; a handful of steps settles any set that passed the rank test.
constexpr int RefinementSteps = 6;

Quad Magnitude(Quad v) { return v < 0 ? -v : v; }
}  // namespace

ReferenceSolution SolveInQuadPrecision(const ProblemColumns& a, int n, int m) {
    ReferenceSolution r = ScaledProblemExponents(a, n, m);
    if (r.outcome == ReferenceSolution::Outcome::Dependent) return r;
    r.outcome = ReferenceSolution::Outcome::Dependent;

    // The scaled columns in the pivoted order (A P), exactly as doubles give them.
    Quad columns[MaxEnteredPoints][MaxUnknowns]{};
    Quad b[MaxEnteredPoints]{};
    for (int i = 0; i < n; ++i) {
        b[i] = std::ldexp(a[i + 1][0], -r.exponent[0]);
        for (int k = 0; k < m; ++k) columns[i][k] = std::ldexp(a[i + 1][k + 1], -r.exponent[k + 1]);
    }
    PivotedQr<Quad> f;
    f.n = n;
    f.m = m;
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < m; ++k) f.design[i][k] = columns[i][k];
    if (!f.Factor()) return r;
    const auto column = [&](int i, int j) { return columns[i][f.order[j]]; };

    // First solution z (in the pivoted order) and its residual.
    Quad z[MaxUnknowns]{}, residual[MaxEnteredPoints]{}, work[MaxEnteredPoints]{};
    std::copy(b, b + n, work);
    f.ApplyQTransposed(work);
    std::copy(work, work + m, z);
    f.SolveUpper(z);
    for (int i = 0; i < n; ++i) {
        Quad t = b[i];
        for (int j = 0; j < m; ++j) t -= column(i, j) * z[j];
        residual[i] = t;
    }

    // Refinement on the augmented system [I A; A^T 0] [r; z] = [b; 0] (Bjorck), which
    // corrects the residual with the solution, so that a large residual costs no digits:
    // f = b - r - A z, g = -A^T r; h = R^-T g, d = Q^T f, dz = R^-1 (d1 - h),
    // dr = Q [h; d2].
    double correction = std::numeric_limits<double>::infinity();
    for (int step = 0; step < RefinementSteps; ++step) {
        Quad g[MaxUnknowns]{};
        for (int j = 0; j < m; ++j) {
            Quad t = 0;
            for (int i = 0; i < n; ++i) t -= column(i, j) * residual[i];
            g[j] = t;
        }
        for (int i = 0; i < n; ++i) {
            Quad t = b[i] - residual[i];
            for (int j = 0; j < m; ++j) t -= column(i, j) * z[j];
            work[i] = t;
        }
        f.SolveLowerTransposed(g);
        f.ApplyQTransposed(work);
        Quad dz[MaxUnknowns]{};
        for (int j = 0; j < m; ++j) dz[j] = work[j] - g[j];
        f.SolveUpper(dz);
        for (int j = 0; j < m; ++j) work[j] = g[j];
        f.ApplyQ(work);
        Quad largestStep = 0, largestValue = 0;
        for (int j = 0; j < m; ++j) {
            const Quad weight = r.normFraction[f.order[j] + 1];
            z[j] += dz[j];
            largestStep = std::max(largestStep, Magnitude(dz[j]) * weight);
            largestValue = std::max(largestValue, Magnitude(z[j]) * weight);
        }
        for (int i = 0; i < n; ++i) residual[i] += work[i];
        const double previous = correction;
        correction = largestValue > 0 ? static_cast<double>(largestStep / largestValue) : 0;
        if (correction <= SettledCorrection || !(correction < previous)) break;
    }

    r.errorBound = correction + std::numeric_limits<double>::epsilon();
    if (!(r.errorBound <= ShownAccuracy)) return r;
    std::array<double, MaxUnknowns> y{};
    for (int j = 0; j < m; ++j) y[f.order[j]] = static_cast<double>(z[j]);
    ScaleBackSolution(y, r, m);
    return r;
}
