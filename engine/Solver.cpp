#include "Solver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "EngineCodes.h"
#include "SharedState.h"

namespace {
using Square = std::array<std::array<double, MaxUnknowns + 1>, MaxUnknowns + 1>;
// Columns 0..MaxUnknowns of the rows 1..n of points, as FitMatrix holds them.
using Columns = std::array<std::array<double, MaxUnknowns + 1>, MaxEnteredPoints + 1>;

// One plane rotation of rows j and c that zeroes (c, j), over columns first..m; rows
// whose entries are both at most TinyMagnitude stay as they are. False when its
// radius leaves the range of a double.
template <class Matrix>
bool Rotate(Matrix& a, int j, int c, int first, int m) {
    const double g = a[j][j];
    const double h = a[c][j];
    double cs = 1, sn = 0;
    if (std::fabs(g) > TinyMagnitude || std::fabs(h) > TinyMagnitude) {
        const double r = std::sqrt(g * g + h * h);
        if (!std::isfinite(r)) return false;
        cs = g / r;
        sn = -h / r;
    }
    for (int l = first; l <= m; ++l) {
        const double x = a[j][l];
        const double y = a[c][l];
        a[j][l] = x * cs - sn * y;
        a[c][l] = x * sn + cs * y;
    }
    return true;
}

// The rounding level of the ratio below for sums over n points and m unknowns: at
// or below it the columns count as dependent.
double DependenceLevel(std::int16_t n, std::int16_t m) {
    return static_cast<double>(n) * m * std::numeric_limits<double>::epsilon();
}

// How far the basis columns 1..m of rows 1..n of FitMatrix are from dependent, judged
// without regard to their units: the smallest pivot of the triangularised Gram matrix
// of the columns each divided by its norm, relative to the largest. 0 when a column
// is all zeros. Multiplying a column by any factor leaves it unchanged up to rounding.
double RelativeSmallestPivot(std::int16_t n, std::int16_t m) {
    const auto& a = Shared.FitMatrix;
    // Each column first brought to entries of at most 1, so that neither its sum of
    // squares nor the products below leave the range of a double, whatever its unit.
    Columns scaled{};
    std::array<double, MaxUnknowns + 1> norm{};
    for (int k = 1; k <= m; ++k) {
        double largest = 0;
        for (int i = 1; i <= n; ++i) largest = std::max(largest, std::fabs(a[i][k]));
        if (!(largest > 0) || !std::isfinite(largest)) return 0;
        const double scale = 1 / largest;
        double sum = 0;
        for (int i = 1; i <= n; ++i) {
            scaled[i][k] = a[i][k] * scale;
            sum = sum + scaled[i][k] * scaled[i][k];
        }
        norm[k] = std::sqrt(sum);
    }
    Square g{};
    for (int j = 1; j <= m; ++j)
        for (int k = j; k <= m; ++k) {
            double sum = 0;
            for (int i = 1; i <= n; ++i) sum = sum + scaled[i][j] * scaled[i][k];
            g[j][k] = g[k][j] = sum / (norm[j] * norm[k]);
        }
    for (int j = 1; j <= m - 1; ++j)
        for (int c = j + 1; c <= m; ++c) Rotate(g, j, c, 1, m);
    double smallest = std::numeric_limits<double>::max(), largest = 0;
    for (int j = 1; j <= m; ++j) {
        smallest = std::min(smallest, std::fabs(g[j][j]));
        largest = std::max(largest, std::fabs(g[j][j]));
    }
    return largest > 0 ? smallest / largest : 0;
}
}  // namespace

void SolveNormalEquations(std::int16_t n, std::int16_t m) {
    auto& s = Shared;
    auto& a = s.FitMatrix;
    s.ComputationFailed = FailNone;
    // The callers keep 1 <= m < n <= 40 and m <= 20; anything else has no solution
    // here and must not touch memory beyond the matrices.
    if (m < 1 || m > MaxUnknowns || n < 1 || n > MaxEnteredPoints) {
        s.ComputationFailed = FailDivision;
        return;
    }
    // Dependent columns (all X equal, fewer distinct X than unknowns, a transformed
    // column that is constant or a multiple of another) leave no single solution.
    // The judgement looks at the columns with their units divided out, so that the
    // same data are fitted or refused alike in metres and in kilometres; it works on
    // a copy, and the solution below keeps the method's own arithmetic.
    if (!(RelativeSmallestPivot(n, m) > DependenceLevel(n, m))) {
        s.ComputationFailed = FailDivision;
        return;
    }

    Columns copy{};
    for (int i = 1; i <= n; ++i) {
        for (int k = 1; k <= m; ++k) copy[i][k] = a[i][k];
        copy[i][0] = a[i][0];
    }

    // Normal equations: Gram matrix of columns 0..m, sums accumulated in point order.
    for (int c1 = 0; c1 <= m; ++c1) {
        for (int c2 = c1; c2 <= m; ++c2) {
            // The sum of W squared takes no part in the solution: whatever its size,
            // it refuses nothing.
            const bool solutionPart = c2 > 0;
            double sum = 0;
            for (int i = 1; i <= n; ++i) {
                double p = copy[i][c2];
                double q = copy[i][c1];
                if (solutionPart && p > 0 && q > 0 && !ProductSafelyInRange(p, q) &&
                    std::log(p) + std::log(q) > ExpUpperLimit) {
                    s.ComputationFailed = FailOverflow;
                    return;
                }
                sum = sum + p * q;
            }
            // Products with a negative factor are not tested above.
            if (solutionPart && !std::isfinite(sum)) {
                s.ComputationFailed = FailOverflow;
                return;
            }
            a[c1][c2] = sum;
            if (c1 != c2) a[c2][c1] = sum;
        }
    }

    // Plane rotations zero the subdiagonal of rows 1..m; row 0 is never rotated. The
    // right-hand side (column 0) turns with its row.
    for (int j = 1; j <= m - 1; ++j) {
        for (int c = j + 1; c <= m; ++c) {
            if (!Rotate(a, j, c, 0, m)) {
                s.ComputationFailed = FailOverflow;
                return;
            }
        }
    }

    for (int b = m; b >= 1; --b) {
        double t = 0;
        for (int q = m; q >= b + 1; --q) t = t + a[b][q] * a[0][q];
        // Only an exact zero is left to meet here: dependence was judged above.
        if (a[b][b] == 0) {
            s.ComputationFailed = FailDivision;
            return;
        }
        a[0][b] = (a[b][0] - t) / a[b][b];
        if (!std::isfinite(a[0][b])) {
            s.ComputationFailed = FailOverflow;
            return;
        }
    }
}
