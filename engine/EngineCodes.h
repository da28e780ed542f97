#pragma once
// Names the engine shares with its callers: failure codes, formula kinds and the
// numeric limits of the guarded operations.

#include <cstdint>

enum FailureCode : std::uint8_t {
    FailNone = 0,
    FailLogArgument = 1,  // logarithm of zero or a negative number
    FailOverflow = 2,
    FailDivision = 3,     // divisor of magnitude below TinyMagnitude, or a singular system
};

enum FormulaKindCode : std::uint8_t {
    KindPolynomial = 1,        // Y=A[0]+A[1]*X+...+A[N]*(X^N)
    KindPolynomialNoFree = 2,  // Y=A[1]*X+...+A[N]*(X^N)
    KindPowerX = 3,            // Y=B*(X^A)
    KindPowerA = 4,            // Y=B*(A^X)
    KindHyperbolic = 5,        // Y=A/X+B
    KindReciprocalLinear = 6,  // Y=1/(A*X+B)
    KindRational = 7,          // Y=X/(A*X+B)
    KindLogarithmic = 8,       // Y=A*Ln(X)+B
    KindExpShifted = 9,        // Y=A*Exp(X)+B
    KindExponential = 10,      // Y=A*Exp(B*X)
    KindLogQuadratic = 11,     // Y=A*((Ln(X))^2)+B*Ln(X)+C
    KindExpQuadratic = 12,     // Y=A*Exp(B*X+C*(X^2))
    KindSine = 13,             // Y=A*Sin(X+B)+C
};

// An exponent (or a sum of logarithms standing for one) above this overflows.
inline constexpr double ExpUpperLimit = 709;
// An exponent below this gives 0 without a failure.
inline constexpr double ExpLowerLimit = -1419;
// A divisor of smaller magnitude counts as zero; exactly this magnitude passes.
inline constexpr double TinyMagnitude = 1e-308;

inline bool IsPolynomialKind(std::uint8_t kind) {
    return kind == KindPolynomial || kind == KindPolynomialNoFree;
}

// True when a and b (both positive) lie where ln a + ln b cannot leave
// [ExpLowerLimit, ExpUpperLimit]: the logarithm tests of a product can then be
// skipped with the same outcome (ln 1e-300 = -690.8, ln 1e150 = 345.4).
inline bool ProductSafelyInRange(double a, double b) {
    return a > 1e-300 && a < 1e150 && b > 1e-300 && b < 1e150;
}
