#include "Solver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "EngineCodes.h"
#include "HighPrecisionSolution.h"
#include "PivotedQr.h"
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

// One plane rotation of rows j and c that zeroes (c, j), over column 0 and columns
// j..m (those before j hold what earlier rotations zeroed, which nothing reads); rows
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
    const auto turn = [&](int l) {
        const double x = a[j][l];
        const double y = a[c][l];
        a[j][l] = x * cs - sn * y;
        a[c][l] = x * sn + cs * y;
    };
    turn(0);
    for (int l = j; l <= m; ++l) turn(l);
    return true;
}

// The sums of the products of column c1 with columns c2 .. c2 + K - 1 over rows 1..n,
// each in point order, into a (both triangles): K sums that do not wait on each other.
template <int K>
void ColumnProducts(const ProblemColumns& copy, int n, int c1, int c2, Square& a) {
    double sums[K] = {};
    for (int i = 1; i <= n; ++i) {
        const auto& row = copy[i];
        const double q = row[c1];
#pragma GCC unroll 8
        for (int k = 0; k < K; ++k) sums[k] = sums[k] + row[c2 + k] * q;
    }
    for (int k = 0; k < K; ++k) a[c1][c2 + k] = a[c2 + k][c1] = sums[k];
}

// The method's own solution: the normal equations of the columns, triangularised by
// plane rotations and solved by back-substitution, left in rows 0..m of a; the normal
// equations as formed (the Gram matrix of columns 0..m) left in gram. FailNone, or
// FailOverflow or FailDivision when it breaks down.
std::uint8_t SolveByRotations(const ProblemColumns& copy, Square& a, Square& gram, int n, int m) {
    // A column none of whose positive entries can make the test below look closer:
    // the products of two such columns are summed without it (the same sums).
    std::array<bool, MaxUnknowns + 1> safe;
    safe.fill(true);
    for (int i = 1; i <= n; ++i)
        for (int c = 0; c <= m; ++c) {
            const double v = copy[i][c];
            safe[c] = safe[c] & !(v > 0 && !ProductSafelyInRange(v, v));
        }
    // Normal equations: Gram matrix of columns 0..m, sums accumulated in point order.
    // Where every column is safe, eight sums at a time (then four, two, one), each in
    // the same order as alone.
    const bool allSafe = std::all_of(safe.begin(), safe.begin() + m + 1, [](bool b) { return b; });
    if (allSafe) {
        for (int c1 = 0; c1 <= m; ++c1) {
            int c2 = c1;
            for (; c2 + 7 <= m; c2 += 8) ColumnProducts<8>(copy, n, c1, c2, a);
            for (; c2 + 3 <= m; c2 += 4) ColumnProducts<4>(copy, n, c1, c2, a);
            for (; c2 + 1 <= m; c2 += 2) ColumnProducts<2>(copy, n, c1, c2, a);
            for (; c2 <= m; ++c2) ColumnProducts<1>(copy, n, c1, c2, a);
        }
        for (int c1 = 0; c1 <= m; ++c1)
            for (int c2 = std::max(c1, 1); c2 <= m; ++c2)
                if (!std::isfinite(a[c1][c2])) return FailOverflow;
    }
    for (int c1 = 0; c1 <= m && !allSafe; ++c1) {
        for (int c2 = c1; c2 <= m; ++c2) {
            if (safe[c1] && safe[c2]) {
                ColumnProducts<1>(copy, n, c1, c2, a);
                if (c2 > 0 && !std::isfinite(a[c1][c2])) return FailOverflow;
                continue;
            }
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

    gram = a;
    // Plane rotations zero the subdiagonal of rows 1..m; row 0 is never rotated. The
    // right-hand side (column 0) turns with its row. Rotation (j, c) follows (j, c - 1)
    // on row j and (j - 1, c) on row c, and nothing else: taken in waves of equal
    // j + c, each row sees its rotations in the same order as column by column (the
    // same numbers), and those of a wave, on rows of their own, overlap.
    for (int wave = 3; wave <= 2 * m - 1; ++wave)
        for (int j = std::max(1, wave - m); 2 * j < wave; ++j)
            if (!Rotate(a, j, wave - j, m)) return FailOverflow;

    for (int b = m; b >= 1; --b) {
        double t = 0;
        for (int q = m; q >= b + 1; --q) t = t + a[b][q] * a[0][q];
        if (a[b][b] == 0) return FailDivision;
        a[0][b] = (a[b][0] - t) / a[b][b];
        if (!std::isfinite(a[0][b])) return FailOverflow;
    }
    return FailNone;
}

// Below this relative error (in the measure ShownAccuracy is held to) the normal
// equations' solution is taken without the reference: so far below ShownAccuracy that
// the reference would have taken the same solution.
constexpr double VouchedAccuracy = 1e-9;

// Whether the normal equations' solution (row 0 of solved) is vouched for without the
// reference, a posteriori: in the columns scaled to unit norm by powers of two (as the
// reference scales them), y differs from the least-squares solution by
// G^-1 A^T (b - A y), G = A^T A, and |G^-1| <= |R^-1|^2 in Frobenius norm for the
// Cholesky factor R of G; the rounding of A^T (b - A y) itself is added. Where the bound
// does not vouch, or anything leaves the range, the reference decides as before. On
// success r holds the solution scaled back as the reference's would be (r.outcome
// Solved, or Overflow where a coefficient cannot be held).
bool VouchedWithoutReference(const ProblemColumns& a, const Square& gram, const Square& solved,
                             int n, int m, ReferenceSolution& r) {
    r = ScaledProblemExponents(a, n, m);
    if (r.outcome != ReferenceSolution::Outcome::Solved || r.normFraction[0] == 0) return false;
    const double epsilon = std::numeric_limits<double>::epsilon();
    std::array<double, MaxUnknowns + 1> scale{};  // 2^-exponent, exact
    for (int k = 0; k <= m; ++k) {
        scale[k] = std::ldexp(1.0, -r.exponent[k]);
        if (!(scale[k] > 0) || !std::isfinite(scale[k])) return false;
    }
    // The Cholesky factor of the scaled Gram matrix, and its inverse (both upper). The
    // ratio of its diagonal elements is a lower bound of the columns' condition: where
    // that alone rules the bound out (a polynomial of high degree), it is given up at once.
    const double conditionLimit = std::sqrt(1e-3 / ((n + m) * m * epsilon));
    std::array<std::array<double, MaxUnknowns>, MaxUnknowns> c{}, inverse{};
    double largestDiagonal = 0, smallestDiagonal = std::numeric_limits<double>::infinity();
    for (int j = 0; j < m; ++j) {
        for (int k = j; k < m; ++k) {
            double v = gram[j + 1][k + 1] * scale[j + 1] * scale[k + 1];
            for (int l = 0; l < j; ++l) v = v - c[l][j] * c[l][k];
            if (k == j) {
                if (!(v > 0) || !std::isfinite(v)) return false;
                c[j][j] = std::sqrt(v);
                largestDiagonal = std::max(largestDiagonal, c[j][j]);
                smallestDiagonal = std::min(smallestDiagonal, c[j][j]);
                if (!(largestDiagonal < conditionLimit * smallestDiagonal)) return false;
            } else {
                c[j][k] = v / c[j][j];
            }
        }
    }
    InvertUpperTriangle(
        m, [&c](int i, int l) { return c[i][l]; }, inverse);
    double inverseSquared = 0;
    for (int j = 0; j < m; ++j)
        for (int i = j; i >= 0; --i)
            inverseSquared = inverseSquared + inverse[i][j] * inverse[i][j];
    // The factor itself is only as good as the Gram matrix's rounding allows: where
    // that is not far below 1, the bound is not to be trusted.
    if (!(inverseSquared * (n + m) * m * epsilon < 1e-3)) return false;
    std::array<double, MaxUnknowns> y{};
    double ySquared = 0;
    for (int k = 1; k <= m; ++k) {
        y[k - 1] = std::ldexp(solved[0][k], r.exponent[k] - r.exponent[0]);
        ySquared = ySquared + y[k - 1] * y[k - 1];
    }
    if (!(ySquared > 0) || !std::isfinite(ySquared)) return false;
    // A^T (b - A y) in the scaled columns, and the rounding it carries: at most n + m
    // units of the last place of |A|^T (|b| + |A| |y|) in each element.
    std::array<double, MaxUnknowns> gradient{}, rounding{};
    for (int i = 1; i <= n; ++i) {
        double fitted = 0, size = std::fabs(a[i][0] * scale[0]);
        for (int k = 1; k <= m; ++k) {
            fitted = fitted + a[i][k] * scale[k] * y[k - 1];
            size = size + std::fabs(a[i][k] * scale[k] * y[k - 1]);
        }
        const double residual = a[i][0] * scale[0] - fitted;
        for (int k = 1; k <= m; ++k) {
            gradient[k - 1] = gradient[k - 1] + a[i][k] * scale[k] * residual;
            rounding[k - 1] = rounding[k - 1] + std::fabs(a[i][k] * scale[k]) * size;
        }
    }
    double gradientSquared = 0;
    for (int k = 0; k < m; ++k) {
        const double g = std::fabs(gradient[k]) + 2 * (n + m) * epsilon * rounding[k];
        gradientSquared = gradientSquared + g * g;
    }
    // |y - y*| <= |G^-1| |A^T (b - A y)|, with a factor 2 for the factor's own rounding;
    // the weighted measure (weights of 0.5 to 1, largest element) is within 2 sqrt(m)
    // of the 2-norm's.
    const double error = 2 * inverseSquared * std::sqrt(gradientSquared);
    const double relative = 2 * std::sqrt(double(m)) * error / std::sqrt(ySquared);
    if (!(relative <= VouchedAccuracy)) return false;
    ScaleBackSolution(y, r, m);
    return true;
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
    for (int i = 1; i <= n; ++i) std::copy_n(s.FitMatrix[i].begin(), m + 1, copy[i].begin());

    // The method's own solution first; where a bound vouches for it without a second
    // solution (ordinary, well-conditioned sets), it is shown at once.
    Square normal{}, gram{};
    const bool solved = SolveByRotations(copy, normal, gram, n, m) == FailNone;
    // Rows 0..m of the matrix as the method leaves them, its solution in row 0.
    const auto KeepNormalEquations = [&] {
        for (int r = 0; r <= m; ++r)
            for (int c = 0; c <= m; ++c) s.FitMatrix[r][c] = normal[r][c];
    };
    ReferenceSolution vouched;
    if (solved && VouchedWithoutReference(copy, gram, normal, n, m, vouched)) {
        if (vouched.outcome == ReferenceSolution::Outcome::Overflow) {
            s.ComputationFailed = FailOverflow;
            return;
        }
        KeepNormalEquations();
        return;
    }

    // Only columns dependent at working precision (all X equal, fewer distinct X than
    // unknowns, a transformed column that is constant or a multiple of another) leave
    // no single solution. Where the stable solution in doubles cannot vouch for six
    // digits, the one in quadruple precision stands in; it costs nothing elsewhere.
    // The vouching worked the columns' exponents out already, where it got that far.
    const bool exponentsKnown = solved && vouched.outcome == ReferenceSolution::Outcome::Solved;
    ReferenceSolution reference = SolveByPivotedQr(copy, n, m, exponentsKnown ? &vouched : nullptr);
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
    const bool accurate =
        solved &&
        WeightedRelativeDifference(normal[0], reference, m) + reference.errorBound <= ShownAccuracy;
    const auto& solution = accurate ? normal[0] : reference.s;
    KeepNormalEquations();
    for (int k = 1; k <= m; ++k) s.FitMatrix[0][k] = solution[k];
}
