#include "Solver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "EngineCodes.h"
#include "HighPrecisionSolution.h"
#include "ReferenceSolution.h"
#include "SharedState.h"

namespace {
using Square = std::array<std::array<double, MaxUnknowns + 1>, MaxUnknowns + 1>;

// The radius of a rotation: sqrt(g^2 + h^2) as the method forms it, and only where
// the squares leave the range of normal doubles (above or below) the same radius
// formed without them, so that ordinary sets keep every bit.
double RotationRadius(double g, double h) {
    const double squares = g * g + h * h;
    if (squares >= std::numeric_limits<double>::min() && std::isfinite(squares))
        return std::sqrt(squares);
    return std::hypot(g, h);
}

// One plane rotation of rows j and c that zeroes (c, j), over columns 0..m; rows
// whose entries are both at most TinyMagnitude stay as they are. False when its
// radius leaves the range of a double.
bool Rotate(Square& a, int j, int c, int m) {
    const double g = a[j][j];
    const double h = a[c][j];
    double cs = 1, sn = 0;
    if (std::fabs(g) > TinyMagnitude || std::fabs(h) > TinyMagnitude) {
        const double r = RotationRadius(g, h);
        if (!std::isfinite(r)) return false;
        cs = g / r;
        sn = -h / r;
    }
    for (int l = 0; l <= m; ++l) {
        const double x = a[j][l];
        const double y = a[c][l];
        a[j][l] = x * cs - sn * y;
        a[c][l] = x * sn + cs * y;
    }
    return true;
}

// The method's own solution: the normal equations of the columns, triangularised by
// plane rotations and solved by back-substitution, left in rows 0..m of a. FailNone,
// or FailOverflow or FailDivision when it breaks down.
std::uint8_t SolveByRotations(const ProblemColumns& copy, Square& a, int n, int m) {
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
                    std::log(p) + std::log(q) > ExpUpperLimit)
                    return FailOverflow;
                sum = sum + p * q;
            }
            // Products with a negative factor are not tested above.
            if (solutionPart && !std::isfinite(sum)) return FailOverflow;
            a[c1][c2] = sum;
            if (c1 != c2) a[c2][c1] = sum;
        }
    }

    // Plane rotations zero the subdiagonal of rows 1..m; row 0 is never rotated. The
    // right-hand side (column 0) turns with its row.
    for (int j = 1; j <= m - 1; ++j)
        for (int c = j + 1; c <= m; ++c)
            if (!Rotate(a, j, c, m)) return FailOverflow;

    for (int b = m; b >= 1; --b) {
        double t = 0;
        for (int q = m; q >= b + 1; --q) t = t + a[b][q] * a[0][q];
        if (a[b][b] == 0) return FailDivision;
        a[0][b] = (a[b][0] - t) / a[b][b];
        if (!std::isfinite(a[0][b])) return FailOverflow;
    }
    return FailNone;
}
}  // namespace

void SolveNormalEquations(std::int16_t n, std::int16_t m) {
    auto& s = Shared;
    s.ComputationFailed = FailNone;
    // The callers keep 1 <= m < n <= 40 and m <= 20; anything else has no solution
    // here and must not touch memory beyond the matrices.
    if (m < 1 || m > MaxUnknowns || n < 1 || n > MaxEnteredPoints) {
        s.ComputationFailed = FailDivision;
        return;
    }

    ProblemColumns copy{};
    for (int i = 1; i <= n; ++i) {
        for (int k = 1; k <= m; ++k) copy[i][k] = s.FitMatrix[i][k];
        copy[i][0] = s.FitMatrix[i][0];
    }

    // Only columns dependent at working precision (all X equal, fewer distinct X than
    // unknowns, a transformed column that is constant or a multiple of another) leave
    // no single solution. Where the stable solution in doubles cannot vouch for six
    // digits, the one in quadruple precision stands in; it costs nothing elsewhere.
    ReferenceSolution reference = SolveByPivotedQr(copy, n, m);
    if (reference.outcome == ReferenceSolution::Outcome::Unvouched)
        reference = SolveInQuadPrecision(copy, n, m);
    if (reference.outcome == ReferenceSolution::Outcome::Dependent) {
        s.ComputationFailed = FailDivision;
        return;
    }
    if (reference.outcome == ReferenceSolution::Outcome::Overflow) {
        s.ComputationFailed = FailOverflow;
        return;
    }

    // The method's own solution is shown wherever it holds the digits the reference
    // vouches for; elsewhere (or where it breaks down) the reference is.
    Square normal{};
    const bool accurate =
        SolveByRotations(copy, normal, n, m) == FailNone &&
        WeightedRelativeDifference(normal[0], reference, m) + reference.errorBound <= ShownAccuracy;
    const auto& solution = accurate ? normal[0] : reference.s;
    for (int r = 0; r <= m; ++r)
        for (int c = 0; c <= m; ++c) s.FitMatrix[r][c] = normal[r][c];
    for (int k = 1; k <= m; ++k) s.FitMatrix[0][k] = solution[k];
}
