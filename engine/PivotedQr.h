#pragma once
// Householder QR with column pivoting of the fit's small problems (at most
// MaxEnteredPoints rows and MaxUnknowns columns), on the stack and without a call per
// element: in doubles for the reference solution, in quadruple precision for the
// solution in higher precision. Every sum runs over the rows in order, so a column's
// result is the same whichever loop holds it; the sums of several columns run side by
// side, where they do not wait on each other.

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>
#include <utility>

#include "SharedState.h"

__extension__ typedef __float128 Quad;

inline double SquareRootOf(double v) { return std::sqrt(v); }

// The square root of a positive quad: the double root refined by two Newton steps,
// each of which doubles its correct bits (53, 106, past the 113 of the format).
// Arguments here are sums of squares of values scaled near 1, well inside a double.
inline Quad SquareRootOf(Quad v) {
    if (!(v > 0)) return 0;
    Quad root = std::sqrt(static_cast<double>(v));
    if (!(root > 0)) return 0;
    root = (root + v / root) / 2;
    root = (root + v / root) / 2;
    return root;
}

// The inverse of an upper triangle of m columns (element (i, l), l >= i, given by
// upper(i, l)) into inverse[0..m-1][0..m-1], zeros below the diagonal, row by row from
// the last: element (i, j) is (delta_ij - sum over l = i+1..j of upper(i, l)
// inverse(l, j)) / upper(i, i), the sum in the order of l.
template <typename Upper, typename Inverse>
void InvertUpperTriangle(int m, const Upper& upper, Inverse& inverse) {
    using Scalar = std::remove_cvref_t<decltype(upper(0, 0))>;
    for (int i = m - 1; i >= 0; --i) {
        Scalar row[MaxUnknowns];  // row i, apart from the rows below it
        for (int j = i; j < m; ++j) row[j] = i == j ? 1 : 0;
        for (int l = i + 1; l < m; ++l) {
            const Scalar r = upper(i, l);
            for (int j = l; j < m; ++j) row[j] -= r * inverse[l][j];
        }
        for (int j = 0; j < i; ++j) inverse[i][j] = 0;
        for (int j = i; j < m; ++j) inverse[i][j] = row[j] / upper(i, i);
    }
}

// A P = Q R of the n x m matrix filled into design, the Householder vectors kept
// below the diagonal (their first elements apart) so that Q and Q^T can be applied.
template <typename Scalar>
struct PivotedQr {
    int n = 0, m = 0;
    // A, then R on and above the diagonal and v below; column m may carry a vector that
    // the reflections turn with the columns (Factor(true)): it ends as Q^T times it.
    Scalar design[MaxEnteredPoints][MaxUnknowns + 1];
    Scalar head[MaxUnknowns];         // first element of each v
    Scalar squaredNorm[MaxUnknowns];  // v^T v of each v
    Scalar diagonal[MaxUnknowns];     // R's diagonal
    int order[MaxUnknowns];           // column of A at place j

    Scalar R(int i, int j) const { return i == j ? diagonal[i] : design[i][j]; }

    // The factorisation, the column of the largest remaining norm first; false where
    // a remaining column vanishes. With carried, column m is turned by each reflection
    // in the same products as Reflect forms (but with the columns, not after them) and
    // never chosen as a pivot. The remaining norms are updated from each new row of
    // R (sqrt(norm^2 - r^2)), and summed anew where that cancels more than half the
    // digits of a double, as LINPACK and GSL keep them.
    bool Factor(bool carried = false) {
        const int turned = m + (carried ? 1 : 0);
        const Scalar cancellation =
            std::sqrt(20.0) * std::sqrt(std::numeric_limits<double>::epsilon());
        Scalar norms[MaxUnknowns];
        {
            Scalar sums[MaxUnknowns];
            for (int k = 0; k < m; ++k) sums[k] = 0;
            for (int i = 0; i < n; ++i)
                for (int k = 0; k < m; ++k) sums[k] += design[i][k] * design[i][k];
            for (int k = 0; k < m; ++k) norms[k] = SquareRootOf(sums[k]);
        }
        for (int j = 0; j < m; ++j) order[j] = j;
        for (int j = 0; j < m; ++j) {
            int pivot = j;
            for (int k = j + 1; k < m; ++k)
                if (norms[k] > norms[pivot]) pivot = k;
            if (pivot != j) {
                for (int i = 0; i < n; ++i) std::swap(design[i][j], design[i][pivot]);
                std::swap(order[j], order[pivot]);
                std::swap(norms[j], norms[pivot]);
            }
            Scalar largest = 0;
            for (int i = j; i < n; ++i) largest += design[i][j] * design[i][j];
            Scalar alpha = SquareRootOf(largest);
            if (!(alpha > 0)) return false;
            if (design[j][j] > 0) alpha = -alpha;
            // v = x - alpha e1, H = I - 2 v v^T / (v^T v), and v^T v = 2 alpha (alpha - x1).
            const Scalar v1 = design[j][j] - alpha;
            const Scalar vv = 2 * alpha * (alpha - design[j][j]);
            head[j] = v1;
            squaredNorm[j] = vv;
            // v^T (column k), four columns at a time: four sums that do not wait on
            // each other, each over the rows in order.
            Scalar factor[MaxUnknowns + 1];
            int k = j + 1;
            for (; k + 3 < turned; k += 4) {
                Scalar s0 = v1 * design[j][k], s1 = v1 * design[j][k + 1],
                       s2 = v1 * design[j][k + 2], s3 = v1 * design[j][k + 3];
                for (int i = j + 1; i < n; ++i) {
                    const Scalar* row = design[i];
                    const Scalar v = row[j];
                    s0 += v * row[k];
                    s1 += v * row[k + 1];
                    s2 += v * row[k + 2];
                    s3 += v * row[k + 3];
                }
                factor[k] = s0;
                factor[k + 1] = s1;
                factor[k + 2] = s2;
                factor[k + 3] = s3;
            }
            for (; k < turned; ++k) {
                Scalar sum = v1 * design[j][k];
                for (int i = j + 1; i < n; ++i) sum += design[i][j] * design[i][k];
                factor[k] = sum;
            }
            for (int k = j + 1; k < turned; ++k) {
                factor[k] = 2 * factor[k] / vv;
                design[j][k] -= factor[k] * v1;
            }
            for (int i = j + 1; i < n; ++i)
                for (int k = j + 1; k < turned; ++k) design[i][k] -= factor[k] * design[i][j];
            diagonal[j] = alpha;
            for (int k = j + 1; k < m; ++k) {
                const Scalar previous = norms[k];
                if (!(previous > 0)) continue;
                const Scalar ratio = design[j][k] / previous;
                Scalar norm = ratio * ratio >= 1 ? 0 : previous * SquareRootOf(1 - ratio * ratio);
                if (norm / previous < cancellation) {
                    Scalar sum = 0;
                    for (int i = j + 1; i < n; ++i) sum += design[i][k] * design[i][k];
                    norm = SquareRootOf(sum);
                }
                norms[k] = norm;
            }
        }
        return true;
    }

    // One reflection of the factor applied to a vector of n entries.
    void Reflect(int j, Scalar* x) const {
        const Scalar v1 = head[j];
        Scalar dot = v1 * x[j];
        for (int i = j + 1; i < n; ++i) dot += design[i][j] * x[i];
        const Scalar factor = 2 * dot / squaredNorm[j];
        x[j] -= factor * v1;
        for (int i = j + 1; i < n; ++i) x[i] -= factor * design[i][j];
    }

    void ApplyQTransposed(Scalar* x) const {
        for (int j = 0; j < m; ++j) Reflect(j, x);
    }

    void ApplyQ(Scalar* x) const {
        for (int j = m - 1; j >= 0; --j) Reflect(j, x);
    }

    // z = R^-1 z, in place.
    void SolveUpper(Scalar* z) const {
        for (int i = m - 1; i >= 0; --i) {
            Scalar t = z[i];
            for (int l = i + 1; l < m; ++l) t -= R(i, l) * z[l];
            z[i] = t / diagonal[i];
        }
    }

    // z = R^-T z, in place.
    void SolveLowerTransposed(Scalar* z) const {
        for (int i = 0; i < m; ++i) {
            Scalar t = z[i];
            for (int l = 0; l < i; ++l) t -= R(l, i) * z[l];
            z[i] = t / diagonal[i];
        }
    }

    // R^-1 (upper) into inverse[0..m-1][0..m-1] (InvertUpperTriangle).
    void InverseOfR(Scalar (&inverse)[MaxUnknowns][MaxUnknowns]) const {
        InvertUpperTriangle(
            m, [this](int i, int l) { return R(i, l); }, inverse);
    }
};
