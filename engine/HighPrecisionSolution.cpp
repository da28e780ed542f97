#include "HighPrecisionSolution.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {
__extension__ typedef __float128 Quad;

// A refinement step smaller than this (relative) leaves nothing a double can hold.
constexpr double SettledCorrection = 1e-24;
// Each step gains about as many digits as quadruple precision holds beyond the
// condition; a handful of steps settles any set that passed the rank test.
constexpr int RefinementSteps = 6;

Quad Magnitude(Quad v) { return v < 0 ? -v : v; }

// The square root of a positive quad: the double root refined by two Newton steps,
// each of which doubles its correct bits (53, 106, past the 113 of the format).
// Arguments here are sums of squares of values scaled near 1, well inside a double.
Quad SquareRoot(Quad v) {
    if (!(v > 0)) return 0;
    Quad root = std::sqrt(static_cast<double>(v));
    if (!(root > 0)) return 0;
    root = (root + v / root) / 2;
    root = (root + v / root) / 2;
    return root;
}

// A P = Q R of the scaled columns, with the Householder vectors kept below the
// diagonal (their first elements apart) so that Q and Q^T can be applied to vectors.
struct QuadQr {
    int n = 0, m = 0;
    Quad design[MaxEnteredPoints][MaxUnknowns]{};  // R on and above, v below
    Quad head[MaxUnknowns]{};                      // first element of each v
    Quad squaredNorm[MaxUnknowns]{};               // v^T v of each v
    Quad diagonal[MaxUnknowns]{};                  // R's diagonal
    int order[MaxUnknowns]{};                      // column of A at place j
};

// Householder QR with column pivoting (the largest remaining column first); false
// where a remaining column vanishes.
bool Factor(QuadQr& f) {
    for (int j = 0; j < f.m; ++j) f.order[j] = j;
    for (int j = 0; j < f.m; ++j) {
        int pivot = j;
        Quad largest = -1;
        for (int k = j; k < f.m; ++k) {
            Quad sum = 0;
            for (int i = j; i < f.n; ++i) sum += f.design[i][k] * f.design[i][k];
            if (sum > largest) {
                largest = sum;
                pivot = k;
            }
        }
        if (pivot != j) {
            for (int i = 0; i < f.n; ++i) std::swap(f.design[i][j], f.design[i][pivot]);
            std::swap(f.order[j], f.order[pivot]);
        }
        Quad alpha = SquareRoot(largest);
        if (!(alpha > 0)) return false;
        if (f.design[j][j] > 0) alpha = -alpha;
        // v = x - alpha e1, H = I - 2 v v^T / (v^T v), and v^T v = 2 alpha (alpha - x1).
        const Quad v1 = f.design[j][j] - alpha;
        const Quad vv = 2 * alpha * (alpha - f.design[j][j]);
        f.head[j] = v1;
        f.squaredNorm[j] = vv;
        for (int k = j + 1; k < f.m; ++k) {
            Quad dot = v1 * f.design[j][k];
            for (int i = j + 1; i < f.n; ++i) dot += f.design[i][j] * f.design[i][k];
            const Quad factor = 2 * dot / vv;
            f.design[j][k] -= factor * v1;
            for (int i = j + 1; i < f.n; ++i) f.design[i][k] -= factor * f.design[i][j];
        }
        f.diagonal[j] = alpha;
    }
    return true;
}

// One reflection of the factor applied to a vector of n entries.
void Reflect(const QuadQr& f, int j, Quad* x) {
    const Quad v1 = f.head[j];
    Quad dot = v1 * x[j];
    for (int i = j + 1; i < f.n; ++i) dot += f.design[i][j] * x[i];
    const Quad factor = 2 * dot / f.squaredNorm[j];
    x[j] -= factor * v1;
    for (int i = j + 1; i < f.n; ++i) x[i] -= factor * f.design[i][j];
}

void ApplyQTransposed(const QuadQr& f, Quad* x) {
    for (int j = 0; j < f.m; ++j) Reflect(f, j, x);
}

void ApplyQ(const QuadQr& f, Quad* x) {
    for (int j = f.m - 1; j >= 0; --j) Reflect(f, j, x);
}

Quad R(const QuadQr& f, int i, int j) { return i == j ? f.diagonal[i] : f.design[i][j]; }

// z = R^-1 z, in place.
void SolveUpper(const QuadQr& f, Quad* z) {
    for (int i = f.m - 1; i >= 0; --i) {
        Quad t = z[i];
        for (int l = i + 1; l < f.m; ++l) t -= R(f, i, l) * z[l];
        z[i] = t / f.diagonal[i];
    }
}

// z = R^-T z, in place.
void SolveLowerTransposed(const QuadQr& f, Quad* z) {
    for (int i = 0; i < f.m; ++i) {
        Quad t = z[i];
        for (int l = 0; l < i; ++l) t -= R(f, l, i) * z[l];
        z[i] = t / f.diagonal[i];
    }
}
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
    QuadQr f;
    f.n = n;
    f.m = m;
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < m; ++k) f.design[i][k] = columns[i][k];
    if (!Factor(f)) return r;
    const auto column = [&](int i, int j) { return columns[i][f.order[j]]; };

    // First solution z (in the pivoted order) and its residual.
    Quad z[MaxUnknowns]{}, residual[MaxEnteredPoints]{}, work[MaxEnteredPoints]{};
    std::copy(b, b + n, work);
    ApplyQTransposed(f, work);
    std::copy(work, work + m, z);
    SolveUpper(f, z);
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
        SolveLowerTransposed(f, g);
        ApplyQTransposed(f, work);
        Quad dz[MaxUnknowns]{};
        for (int j = 0; j < m; ++j) dz[j] = work[j] - g[j];
        SolveUpper(f, dz);
        for (int j = 0; j < m; ++j) work[j] = g[j];
        ApplyQ(f, work);
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
