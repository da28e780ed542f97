#include "Solver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "EngineCodes.h"
#include "SharedState.h"

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

    std::array<std::array<double, MaxUnknowns + 1>, MaxEnteredPoints + 1> copy{};
    for (int i = 1; i <= n; ++i) {
        for (int k = 1; k <= m; ++k) copy[i][k] = a[i][k];
        copy[i][0] = a[i][0];
    }

    // Normal equations: Gram matrix of columns 0..m, sums accumulated in point order.
    for (int c1 = 0; c1 <= m; ++c1) {
        for (int c2 = c1; c2 <= m; ++c2) {
            double sum = 0;
            for (int i = 1; i <= n; ++i) {
                double p = copy[i][c2];
                double q = copy[i][c1];
                if (p > 0 && q > 0 && !ProductSafelyInRange(p, q) && std::log(p) + std::log(q) > ExpUpperLimit) {
                    s.ComputationFailed = FailOverflow;
                    return;
                }
                sum = sum + p * q;
            }
            // Products with a negative factor are not tested above.
            if (!std::isfinite(sum)) {
                s.ComputationFailed = FailOverflow;
                return;
            }
            a[c1][c2] = sum;
            if (c1 != c2) a[c2][c1] = sum;
        }
    }

    // Plane rotations zero the subdiagonal of rows 1..m; row 0 is never rotated.
    for (int j = 1; j <= m - 1; ++j) {
        for (int c = j + 1; c <= m; ++c) {
            double g = a[j][j];
            double h = a[c][j];
            double cs = 1, sn = 0;
            if (std::fabs(g) > TinyMagnitude || std::fabs(h) > TinyMagnitude) {
                double r = std::sqrt(g * g + h * h);
                cs = g / r;
                sn = -h / r;
            }
            for (int l = 1; l <= m; ++l) {
                double x = a[j][l];
                double y = a[c][l];
                a[j][l] = x * cs - sn * y;
                a[c][l] = x * sn + cs * y;
            }
            double x = a[j][0];
            double y = a[c][0];
            a[j][0] = cs * x - y * sn;
            a[c][0] = y * cs + sn * x;
        }
    }

    // A pivot at rounding level against the largest one means the columns are
    // dependent (all X equal, fewer distinct X than unknowns): the quotient would be
    // noise, so the system is reported as having no solution.
    double largestPivot = 0;
    for (int j = 1; j <= m; ++j) largestPivot = std::max(largestPivot, std::fabs(a[j][j]));
    const double pivotFloor = m * std::numeric_limits<double>::epsilon() * largestPivot;

    for (int b = m; b >= 1; --b) {
        double t = 0;
        for (int q = m; q >= b + 1; --q) t = t + a[b][q] * a[0][q];
        if (!(std::fabs(a[b][b]) > pivotFloor)) {
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
