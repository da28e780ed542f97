#include "ReferenceSolution.h"

#include <gsl/gsl_errno.h>
#include <gsl/gsl_linalg.h>
#include <gsl/gsl_permutation.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {
// GSL's default answer to a numerical error is to abort; here every outcome is
// tested by its status instead.
void KeepGslFromAborting() {
    static const bool once = (gsl_set_error_handler_off(), true);
    (void)once;
}

// The power of two that brings column k of rows 1..n to a norm in [0.5, 1), and
// that norm; false when the column is all zeros.
bool UnitNormExponent(const ProblemColumns& a, int k, int n, int& exponent, double& fraction) {
    double largest = 0;
    for (int i = 1; i <= n; ++i) largest = std::max(largest, std::fabs(a[i][k]));
    if (!(largest > 0)) return false;
    int outer = 0;
    std::frexp(largest, &outer);
    double sum = 0;
    for (int i = 1; i <= n; ++i) {
        const double v = std::ldexp(a[i][k], -outer);
        sum = sum + v * v;
    }
    int inner = 0;
    fraction = std::frexp(std::sqrt(sum), &inner);
    exponent = outer + inner;
    return true;
}

double TwoNorm(const double* values, int count) {
    double sum = 0;
    for (int i = 0; i < count; ++i) sum = sum + values[i] * values[i];
    return std::sqrt(sum);
}
}  // namespace

ReferenceSolution SolveByPivotedQr(const ProblemColumns& a, int n, int m) {
    KeepGslFromAborting();
    ReferenceSolution r;
    using Outcome = ReferenceSolution::Outcome;

    for (int k = 0; k <= m; ++k) {
        if (!UnitNormExponent(a, k, n, r.exponent[k], r.normFraction[k])) {
            if (k > 0) return r;  // a basis column of zeros: nothing determines its unknown
            r.exponent[0] = 0;    // a zero response: the solution is zero
            r.normFraction[0] = 0;
        }
    }

    // Multiplying by a power of two is exact, so the same data in any binary unit
    // give the same matrix, and so the same decision.
    std::array<double, MaxEnteredPoints * MaxUnknowns> design{};
    std::array<double, MaxEnteredPoints> response{}, residual{};
    for (int i = 0; i < n; ++i) {
        for (int k = 0; k < m; ++k)
            design[i * m + k] = std::ldexp(a[i + 1][k + 1], -r.exponent[k + 1]);
        response[i] = std::ldexp(a[i + 1][0], -r.exponent[0]);
    }
    std::array<double, MaxUnknowns> tau{}, columnNorms{}, y{};
    std::array<double, 3 * MaxUnknowns> work{};
    std::array<std::size_t, MaxUnknowns> order{};
    gsl_matrix_view qr = gsl_matrix_view_array(design.data(), n, m);
    gsl_vector_view tauView = gsl_vector_view_array(tau.data(), m);
    gsl_vector_view normView = gsl_vector_view_array(columnNorms.data(), m);
    gsl_vector_view responseView = gsl_vector_view_array(response.data(), n);
    gsl_vector_view residualView = gsl_vector_view_array(residual.data(), n);
    gsl_vector_view yView = gsl_vector_view_array(y.data(), m);
    gsl_vector_view workView = gsl_vector_view_array(work.data(), 3 * m);
    gsl_permutation permutation{static_cast<std::size_t>(m), order.data()};
    int sign = 0;
    if (gsl_linalg_QRPT_decomp(&qr.matrix, &tauView.vector, &permutation, &sign, &normView.vector))
        return r;

    // Rank below m at working precision: the last pivot vanishes beside the first.
    const double first = std::fabs(gsl_matrix_get(&qr.matrix, 0, 0));
    const double last = std::fabs(gsl_matrix_get(&qr.matrix, m - 1, m - 1));
    const double epsilon = std::numeric_limits<double>::epsilon();
    if (!(last > n * m * epsilon * first)) return r;
    double reciprocalCondition = 0;
    if (gsl_linalg_QRPT_rcond(&qr.matrix, &reciprocalCondition, &workView.vector) ||
        !(reciprocalCondition > 0))
        return r;
    if (gsl_linalg_QRPT_lssolve(&qr.matrix, &tauView.vector, &permutation, &responseView.vector,
                                &yView.vector, &residualView.vector))
        return r;

    // The forward error of a least-squares solution: the condition number times the
    // rounding, plus its square times the residual relative to |A| |y| (Wedin's bound).
    // |A| is at least its Frobenius norm over sqrt(m). The factor 4 keeps the estimate
    // at ten times the error met on the test's thousands of sets near the threshold.
    const double condition = 1 / reciprocalCondition;
    double frobeniusSquared = 0;
    for (int k = 1; k <= m; ++k) frobeniusSquared += r.normFraction[k] * r.normFraction[k];
    const double solutionNorm = TwoNorm(y.data(), m);
    const double relativeResidual =
        solutionNorm > 0
            ? TwoNorm(residual.data(), n) / (std::sqrt(frobeniusSquared / m) * solutionNorm)
            : 0;
    r.errorBound = 4 * epsilon * condition * (1 + condition * relativeResidual);
    if (!std::all_of(y.begin(), y.begin() + m, [](double v) { return std::isfinite(v); }) ||
        !(r.errorBound <= ShownAccuracy))
        return r;

    for (int k = 1; k <= m; ++k) {
        r.s[k] = std::ldexp(y[k - 1], r.exponent[0] - r.exponent[k]);
        if (!std::isfinite(r.s[k])) {
            r.outcome = Outcome::Overflow;
            return r;
        }
    }
    r.outcome = Outcome::Solved;
    return r;
}

double WeightedRelativeDifference(const std::array<double, MaxUnknowns + 1>& c,
                                  const ReferenceSolution& r, int m) {
    double difference = 0, size = 0;
    for (int k = 1; k <= m; ++k) {
        const int shift = r.exponent[k] - r.exponent[0];
        const double weightedC = std::ldexp(c[k], shift) * r.normFraction[k];
        const double weightedR = std::ldexp(r.s[k], shift) * r.normFraction[k];
        difference = std::max(difference, std::fabs(weightedC - weightedR));
        size = std::max(size, std::fabs(weightedR));
        if (!std::isfinite(weightedC)) return std::numeric_limits<double>::infinity();
    }
    if (difference == 0) return 0;
    return size > 0 ? difference / size : std::numeric_limits<double>::infinity();
}

bool InverseGramDiagonal(const ProblemColumns& a, int n, int m,
                         std::array<double, MaxUnknowns + 1>& diagonal) {
    KeepGslFromAborting();
    std::array<int, MaxUnknowns + 1> exponent{};
    std::array<double, MaxUnknowns + 1> fraction{};
    for (int k = 1; k <= m; ++k)
        if (!UnitNormExponent(a, k, n, exponent[k], fraction[k])) return false;
    std::array<double, MaxEnteredPoints * MaxUnknowns> design{};
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < m; ++k)
            design[i * m + k] = std::ldexp(a[i + 1][k + 1], -exponent[k + 1]);
    std::array<double, MaxUnknowns> tau{}, columnNorms{};
    std::array<std::size_t, MaxUnknowns> order{};
    gsl_matrix_view qr = gsl_matrix_view_array(design.data(), n, m);
    gsl_vector_view tauView = gsl_vector_view_array(tau.data(), m);
    gsl_vector_view normView = gsl_vector_view_array(columnNorms.data(), m);
    gsl_permutation permutation{static_cast<std::size_t>(m), order.data()};
    int sign = 0;
    if (gsl_linalg_QRPT_decomp(&qr.matrix, &tauView.vector, &permutation, &sign, &normView.vector))
        return false;
    auto R = [&](int i, int j) { return gsl_matrix_get(&qr.matrix, i, j); };
    const double epsilon = std::numeric_limits<double>::epsilon();
    if (!(std::fabs(R(m - 1, m - 1)) > n * m * epsilon * std::fabs(R(0, 0)))) return false;

    // A P = Q R gives (A^T A)^-1 = P R^-1 R^-T P^T: the diagonal element of the column
    // at place q is the squared norm of row q of R^-1.
    std::array<std::array<double, MaxUnknowns>, MaxUnknowns> inverse{};
    for (int j = 0; j < m; ++j)
        for (int i = j; i >= 0; --i) {
            double x = i == j ? 1 : 0;
            for (int l = i + 1; l <= j; ++l) x = x - R(i, l) * inverse[l][j];
            inverse[i][j] = x / R(i, i);
        }
    for (int q = 0; q < m; ++q) {
        double sum = 0;
        for (int l = q; l < m; ++l) sum = sum + inverse[q][l] * inverse[q][l];
        const int k = static_cast<int>(order[q]) + 1;
        diagonal[k] = std::ldexp(sum, -2 * exponent[k]);
        if (!std::isfinite(diagonal[k])) return false;
    }
    return true;
}
