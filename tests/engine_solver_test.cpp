// The two factorisations under the fit, by the properties that make them right: the
// pivoted QR reproduces its columns with pivots of decreasing size, and the rotations
// turn the normal equations orthogonally into a triangle (U^T U = G G), over random
// sets of every size, some of them nearly dependent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "PivotedQr.h"
#include "SharedState.h"
#include "Solver.h"

namespace {

// Columns of powers of X on a range that may be narrow (then nearly dependent), each
// scaled to about unit norm, as the reference scales them.
void FillPowers(std::mt19937& random, int n, int m,
                double (&columns)[MaxEnteredPoints][MaxUnknowns]) {
    std::uniform_real_distribution<double> unit(0, 1);
    const double low = unit(random) * 2 - 1, width = unit(random) < 0.3 ? 0.05 : 2;
    for (int i = 0; i < n; ++i) {
        const double x = low + width * unit(random);
        double power = 1;
        for (int k = 0; k < m; ++k, power *= x) columns[i][k] = power;
    }
    for (int k = 0; k < m; ++k) {
        double sum = 0;
        for (int i = 0; i < n; ++i) sum += columns[i][k] * columns[i][k];
        for (int i = 0; i < n; ++i) columns[i][k] /= std::sqrt(sum);
    }
}

TEST(PivotedQr, ReproducesItsColumnsWithPivotsOfDecreasingSize) {
    std::mt19937 random(3);
    for (int trial = 0; trial < 400; ++trial) {
        const int n = 3 + static_cast<int>(random() % 38);
        const int m = 1 + static_cast<int>(random() % std::min(MaxUnknowns, n - 1));
        double columns[MaxEnteredPoints][MaxUnknowns];
        FillPowers(random, n, m, columns);
        PivotedQr<double> qr;
        qr.n = n;
        qr.m = m;
        for (int i = 0; i < n; ++i)
            for (int k = 0; k < m; ++k) qr.design[i][k] = columns[i][k];
        if (!qr.Factor()) continue;  // a column that vanished: nothing to reproduce
        std::vector<bool> used(m);
        for (int j = 0; j < m; ++j) {
            ASSERT_FALSE(used[qr.order[j]]) << "trial " << trial << ": column taken twice";
            used[qr.order[j]] = true;
            // Q times column j of R is column order[j] of A.
            double x[MaxEnteredPoints] = {};
            for (int i = 0; i <= j; ++i) x[i] = qr.R(i, j);
            qr.ApplyQ(x);
            for (int i = 0; i < n; ++i)
                ASSERT_NEAR(x[i], columns[i][qr.order[j]], 1e-13)
                    << "trial " << trial << " (" << n << " x " << m << "), row " << i
                    << " of place " << j;
            // Far above the rounding, where the pivots' norms are told apart.
            if (j > 0 && std::fabs(qr.R(j - 1, j - 1)) > 1e-6) {
                EXPECT_LE(std::fabs(qr.R(j, j)), std::fabs(qr.R(j - 1, j - 1)) * (1 + 1e-6))
                    << "trial " << trial << ": pivot " << j << " larger than the one before";
            }
        }
    }
}

TEST(Rotations, TurnTheNormalEquationsIntoATriangle) {
    std::mt19937 random(5);
    std::uniform_real_distribution<double> unit(-1, 1);
    for (int trial = 0; trial < 300; ++trial) {
        const int n = 4 + static_cast<int>(random() % 37);
        const int m = 2 + static_cast<int>(random() % std::min(7, n - 2));
        Shared = SharedState{};
        long double gram[MaxUnknowns + 1][MaxUnknowns + 1] = {};
        for (int i = 1; i <= n; ++i) {
            const double x = unit(random);
            Shared.FitMatrix[i][0] = std::exp(x) + 0.1 * unit(random);
            double power = 1;
            for (int k = 1; k <= m; ++k, power *= x) Shared.FitMatrix[i][k] = power;
            for (int a = 0; a <= m; ++a)
                for (int b = 0; b <= m; ++b)
                    gram[a][b] +=
                        static_cast<long double>(Shared.FitMatrix[i][a]) * Shared.FitMatrix[i][b];
        }
        SolveNormalEquations(static_cast<std::int16_t>(n), static_cast<std::int16_t>(m));
        ASSERT_EQ(Shared.ComputationFailed, 0) << "trial " << trial;
        // U: rows 1..m on and above the diagonal; c: their column 0. U = Q G and c = Q g
        // for an orthogonal Q, so U^T U = G G and U^T c = G g.
        const auto U = [](int r, int k) { return r <= k ? Shared.FitMatrix[r][k] : 0.0; };
        for (int a = 1; a <= m; ++a) {
            for (int b = 0; b <= m; ++b) {
                long double turned = 0, square = 0, size = 0;
                for (int r = 1; r <= m; ++r) {
                    turned += static_cast<long double>(U(r, a)) *
                              (b == 0 ? Shared.FitMatrix[r][0] : U(r, b));
                    square += gram[a][r] * gram[r][b];
                    size += std::fabs(gram[a][r] * gram[r][b]);
                }
                EXPECT_NEAR(static_cast<double>(turned), static_cast<double>(square),
                            1e-12 * static_cast<double>(size))
                    << "trial " << trial << " (" << n << " points, " << m << " unknowns), element "
                    << a << ", " << b;
            }
        }
    }
}

}  // namespace
