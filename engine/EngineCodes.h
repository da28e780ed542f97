#pragma once
// Names the engine shares with its callers: failure codes and the numeric limits of
// the guarded operations.

#include <cstdint>
#include <limits>

enum FailureCode : std::uint8_t {
    FailNone = 0,
    FailLogArgument = 1,  // logarithm of zero or a negative number
    FailOverflow = 2,
    FailDivision = 3,  // divisor of magnitude below TinyMagnitude, or dependent columns
};

// An exponent (or a sum of logarithms standing for one) above this overflows.
inline constexpr double ExpUpperLimit = 709;
// An exponent below this gives 0 without a failure: -1419, not -709 or -745, so that
// a result between is the exponential itself (a subnormal, or 0 by underflow).
inline constexpr double ExpLowerLimit = -1419;
// A divisor of smaller magnitude counts as zero; exactly this magnitude passes.
inline constexpr double TinyMagnitude = 1e-308;

// True when a and b (both positive) lie where ln a + ln b cannot leave
// [ExpLowerLimit, ExpUpperLimit]: the logarithm tests of a product can then be
// skipped with the same outcome (ln 1e-300 = -690.8, ln 1e150 = 345.4).
inline bool ProductSafelyInRange(double a, double b) {
    return a > 1e-300 && a < 1e150 && b > 1e-300 && b < 1e150;
}

// A figure that could not be computed as a finite number (a relative deviation
// against a value near the ends of the range of a double): shown as a failure,
// never as a number.
inline constexpr double NotComputed = std::numeric_limits<double>::quiet_NaN();

// How the refinement on Y of the last engine sequence ended (Shared.RefinementOutcome).
enum RefinementCode : std::uint8_t {
    RefinementNone = 0,       // not tried: the linearised mode, or a kind already on Y
    RefinementDone = 1,       // the coefficients on display minimise the sum on Y
    RefinementNoConvergence,  // no minimum within RefinementIterationLimit steps
    RefinementOutOfRange,     // a step or its curve left the range of a double
    RefinementSingular,       // J^T J singular at the start or the solution
    RefinementPoleInside,     // the pole -B/A of the start or the minimum lies between the points
};
