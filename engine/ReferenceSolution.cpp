#include "ReferenceSolution.h"

#include <gsl/gsl_errno.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "PivotedQr.h"
#include "PowerOfTwoScale.h"

void KeepGslFromAborting() {
    static const bool once = (gsl_set_error_handler_off(), true);
    (void)once;
}

namespace {
// The powers of two that bring columns 0..last of rows 1..n to norms in [0.5, 1), and
// those norms; exponent and fraction 0 for a column of zeros. Each column's sums run
// over the rows in order, as for the column alone; the columns go side by side.
void UnitNormExponents(const ProblemColumns& a, int last, int n,
                       std::array<int, MaxUnknowns + 1>& exponent,
                       std::array<double, MaxUnknowns + 1>& fraction) {
    std::array<double, MaxUnknowns + 1> largest{}, sum{};
    for (int i = 1; i <= n; ++i)
        for (int k = 0; k <= last; ++k) largest[k] = std::max(largest[k], std::fabs(a[i][k]));
    std::array<int, MaxUnknowns + 1> outer{};
    std::array<PowerOfTwoScale, MaxUnknowns + 1> scale;
    for (int k = 0; k <= last; ++k) {
        std::frexp(largest[k], &outer[k]);
        scale[k] = PowerOfTwoScale(outer[k]);
    }
    for (int i = 1; i <= n; ++i)
        for (int k = 0; k <= last; ++k) {
            const double v = scale[k](a[i][k]);
            sum[k] = sum[k] + v * v;
        }
    for (int k = 0; k <= last; ++k) {
        int inner = 0;
        fraction[k] = largest[k] > 0 ? std::frexp(std::sqrt(sum[k]), &inner) : 0;
        exponent[k] = largest[k] > 0 ? outer[k] + inner : 0;
    }
}

double TwoNorm(const double* values, int count) {
    double sum = 0;
    for (int i = 0; i < count; ++i) sum = sum + values[i] * values[i];
    return std::sqrt(sum);
}

// The basis columns 1..m of rows 1..n scaled to a norm in [0.5, 1) by powers of two
// and factored A P = Q R. Multiplying by a power of two is exact, so the same data in
// any binary unit give the same factors, and so the same decisions.
struct ScaledQr {
    std::array<int, MaxUnknowns + 1> exponent{};  // column k's power of two, at k
    std::array<double, MaxUnknowns + 1> normFraction{};
    PivotedQr<double> qr;
};

// False where a column is all zeros (nothing determines its unknown), a remaining
// column vanishes, or the rank is below m at working precision: the last pivot
// vanishes beside the first.
// The columns' exponents are those of known where it is given (its outcome Solved).
// With withResponse, the scaled response is carried through the reflections in
// column m of the factor, which then holds Q^T b.
bool FactorScaled(const ProblemColumns& a, int n, int m, ScaledQr& f,
                  const ReferenceSolution* known = nullptr, bool withResponse = false) {
    f.qr.n = n;
    f.qr.m = m;
    if (known) {
        f.exponent = known->exponent;
        f.normFraction = known->normFraction;
    } else {
        const ReferenceSolution exponents = ScaledProblemExponents(a, n, m);
        if (exponents.outcome != ReferenceSolution::Outcome::Solved) return false;
        f.exponent = exponents.exponent;
        f.normFraction = exponents.normFraction;
    }
    for (int k = 0; k < m; ++k) {
        const PowerOfTwoScale scale(f.exponent[k + 1]);
        for (int i = 0; i < n; ++i) f.qr.design[i][k] = scale(a[i + 1][k + 1]);
    }
    if (withResponse) {
        const PowerOfTwoScale scale(f.exponent[0]);
        for (int i = 0; i < n; ++i) f.qr.design[i][m] = scale(a[i + 1][0]);
    }
    if (!f.qr.Factor(withResponse)) return false;
    const double epsilon = std::numeric_limits<double>::epsilon();
    return std::fabs(f.qr.R(m - 1, m - 1)) > n * m * epsilon * std::fabs(f.qr.R(0, 0));
}

// The largest column sum of magnitudes of an upper triangle of m columns.
template <typename Element>
double UpperOneNorm(int m, Element element) {
    double largest = 0;
    for (int j = 0; j < m; ++j) {
        double sum = 0;
        for (int i = 0; i <= j; ++i) sum = sum + std::fabs(element(i, j));
        largest = std::max(largest, sum);
    }
    return largest;
}
}  // namespace

ReferenceSolution ScaledProblemExponents(const ProblemColumns& a, int n, int m) {
    ReferenceSolution r;
    // A zero response has the solution zero; a zero basis column leaves its unknown open.
    UnitNormExponents(a, m, n, r.exponent, r.normFraction);
    for (int k = 1; k <= m; ++k)
        if (r.normFraction[k] == 0) return r;
    r.outcome = ReferenceSolution::Outcome::Solved;
    return r;
}

namespace {
// Below this a subnormal double no longer holds ShownAccuracy of a value.
const double SmallestHeldWhole = std::numeric_limits<double>::denorm_min() / ShownAccuracy;
}  // namespace

void ScaleBackSolution(const std::array<double, MaxUnknowns>& y, ReferenceSolution& r, int m) {
    double largestWeighted = 0;
    for (int k = 1; k <= m; ++k)
        largestWeighted = std::max(largestWeighted, std::fabs(y[k - 1]) * r.normFraction[k]);
    r.outcome = ReferenceSolution::Outcome::Solved;
    for (int k = 1; k <= m; ++k) {
        r.s[k] = std::ldexp(y[k - 1], r.exponent[0] - r.exponent[k]);
        const bool weighsIn =
            std::fabs(y[k - 1]) * r.normFraction[k] > ShownAccuracy * largestWeighted;
        if (!std::isfinite(r.s[k]) || (weighsIn && std::fabs(r.s[k]) < SmallestHeldWhole))
            r.outcome = ReferenceSolution::Outcome::Overflow;
    }
}

ReferenceSolution SolveByPivotedQr(const ProblemColumns& a, int n, int m,
                                   const ReferenceSolution* exponents) {
    using Outcome = ReferenceSolution::Outcome;
    ReferenceSolution r = exponents ? *exponents : ScaledProblemExponents(a, n, m);
    if (r.outcome == Outcome::Dependent) return r;
    const ReferenceSolution known = r;
    r.outcome = Outcome::Dependent;
    ScaledQr f;
    if (!FactorScaled(a, n, m, f, &known, true)) return r;
    r.outcome = Outcome::Unvouched;

    // Q^T b gives the solution of R z = (Q^T b)_1..m, unknown order[j] at z_j, and
    // the residual's norm, that of (Q^T b)_m+1..n.
    double response[MaxEnteredPoints];
    for (int i = 0; i < n; ++i) response[i] = f.qr.design[i][m];
    std::array<double, MaxUnknowns> z{}, y{};
    std::copy(response, response + m, z.begin());
    f.qr.SolveUpper(z.data());
    for (int j = 0; j < m; ++j) y[f.qr.order[j]] = z[j];
    const double residualNorm = TwoNorm(response + m, n - m);
    const double epsilon = std::numeric_limits<double>::epsilon();

    // The condition of R in the 1-norm, exactly: |R|_1 |R^-1|_1.
    double inverse[MaxUnknowns][MaxUnknowns];
    f.qr.InverseOfR(inverse);
    const double condition = UpperOneNorm(m, [&](int i, int j) { return f.qr.R(i, j); }) *
                             UpperOneNorm(m, [&](int i, int j) { return inverse[i][j]; });
    if (!std::isfinite(condition)) return r;

    // The forward error of a least-squares solution: the condition number times the
    // rounding, plus its square times the residual relative to |A| |y| (Wedin's bound).
    // |A| is at least its Frobenius norm over sqrt(m). The bound is worst-case: where
    // it cannot vouch for six digits, the solution in higher precision judges them.
    double frobeniusSquared = 0;
    for (int k = 1; k <= m; ++k) frobeniusSquared += r.normFraction[k] * r.normFraction[k];
    const double solutionNorm = TwoNorm(y.data(), m);
    const double relativeResidual =
        solutionNorm > 0 ? residualNorm / (std::sqrt(frobeniusSquared / m) * solutionNorm) : 0;
    r.errorBound = 4 * epsilon * condition * (1 + condition * relativeResidual);
    if (!std::all_of(y.begin(), y.begin() + m, [](double v) { return std::isfinite(v); }) ||
        !(r.errorBound <= ShownAccuracy))
        return r;
    ScaleBackSolution(y, r, m);
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

bool InverseGram(const ProblemColumns& a, int n, int m, GramInverse& result) {
    ScaledQr f;
    if (!FactorScaled(a, n, m, f)) return false;
    // A P = Q R gives (A^T A)^-1 = P R^-1 R^-T P^T: the element of the columns at places
    // q1 and q2 is the product of rows q1 and q2 of R^-1.
    double inverse[MaxUnknowns][MaxUnknowns];
    f.qr.InverseOfR(inverse);
    for (int q1 = 0; q1 < m; ++q1)
        for (int q2 = 0; q2 < m; ++q2) {
            double sum = 0;
            for (int l = std::max(q1, q2); l < m; ++l) sum = sum + inverse[q1][l] * inverse[q2][l];
            const int k1 = f.qr.order[q1] + 1, k2 = f.qr.order[q2] + 1;
            result[k1][k2] = std::ldexp(sum, -f.exponent[k1] - f.exponent[k2]);
            if (!std::isfinite(result[k1][k2])) return false;
        }
    return true;
}
