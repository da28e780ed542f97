#pragma once
// A second, stable solution of the linear least-squares problem the fit builds:
// Householder QR with column pivoting on the columns scaled to unit norm by powers of
// two, with an estimate of how many digits it holds. Its rank test decides which fits
// can be shown at all; its solution replaces the normal equations' where that one is
// not accurate, and where it cannot vouch for its own digits the solver asks a
// solution in higher precision (HighPrecisionSolution.h).

#include <array>
#include <cstdint>

#include "SharedState.h"

// GSL's default answer to a numerical error is to abort; the engine tests every
// outcome by its status instead. Called before any GSL routine (once is enough).
void KeepGslFromAborting();

// Rows 1..n of the linear problem: column 0 the response W, columns 1..m the basis.
using ProblemColumns = std::array<std::array<double, MaxUnknowns + 1>, MaxEnteredPoints + 1>;

// The digits a shown fit keeps at least: its coefficients, each weighted by the norm
// of its column, agree with the exact least-squares solution to this relative level.
inline constexpr double ShownAccuracy = 1e-6;

struct ReferenceSolution {
    enum class Outcome : std::uint8_t {
        Solved,     // s holds the solution, accurate to ShownAccuracy
        Dependent,  // rank below m at working precision
        Overflow,   // a coefficient leaves the range of a double
        Unvouched,  // independent columns, but double precision cannot vouch for s
    };
    Outcome outcome = Outcome::Dependent;
    std::array<double, MaxUnknowns + 1> s{};  // 1..m
    // Estimated relative error of s in the column-norm-weighted measure below.
    double errorBound = 0;
    // Power-of-two exponents that bring column k (and the response, at 0) to unit norm.
    std::array<int, MaxUnknowns + 1> exponent{};
    std::array<double, MaxUnknowns + 1> normFraction{};  // norm of column k / 2^exponent
};

// exponents: ScaledProblemExponents(a, n, m) where the caller has it already.
ReferenceSolution SolveByPivotedQr(const ProblemColumns& a, int n, int m,
                                   const ReferenceSolution* exponents = nullptr);

// The exponents and norm fractions of the response and of the basis columns 1..m of
// rows 1..n, outcome Solved; Dependent where a basis column is all zeros.
ReferenceSolution ScaledProblemExponents(const ProblemColumns& a, int n, int m);

// Turns y, the solution of the scaled problem (unknown k at k - 1), into r.s by the
// exponents of r: outcome Solved, or Overflow where a coefficient is infinite, or is
// too small for a double to hold its six digits although it weighs in the solution (at
// least ShownAccuracy of the largest weighted coefficient): it is never shown as 0.
void ScaleBackSolution(const std::array<double, MaxUnknowns>& y, ReferenceSolution& r, int m);

// max_k |c_k - r_k| |a_k| / max_k |r_k| |a_k| for a solution c against the reference
// r, |a_k| the norm of column k; 0 where both are the same vector.
double WeightedRelativeDifference(const std::array<double, MaxUnknowns + 1>& c,
                                  const ReferenceSolution& r, int m);

// (A^T A)^-1 for the basis columns 1..m of rows 1..n, at [1..m][1..m], from the same
// scaled pivoted QR; false where the columns are dependent at working precision or an
// element leaves the range of a double.
using GramInverse = std::array<std::array<double, MaxUnknowns + 1>, MaxUnknowns + 1>;
bool InverseGram(const ProblemColumns& a, int n, int m, GramInverse& inverse);
