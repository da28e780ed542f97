#pragma once
// The thirteen formula kinds: the position of each formula in the list and in
// FormulaTexts.

#include <cstdint>

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

// The kinds whose degree the user types.
inline bool IsPolynomialKind(std::uint8_t kind) {
    return kind == KindPolynomial || kind == KindPolynomialNoFree;
}

// The power of X that unknown i (1..m) of a polynomial multiplies, which the panel
// names A[power]: from 0 with the free term, from 1 without.
inline int PolynomialPower(std::uint8_t kind, int unknown) {
    return kind == KindPolynomial ? unknown - 1 : unknown;
}

// The first kind with three coefficients: kinds from it on need four points.
inline constexpr std::uint8_t FirstThreeCoefficientKind = KindLogQuadratic;

// How many of A, B, C a kind 3..13 has.
inline int NamedCoefficientCount(std::uint8_t kind) {
    return kind >= FirstThreeCoefficientKind ? 3 : 2;
}

// The six kinds whose linearised fit transforms Y (and so weights the points
// unevenly), which the fit on Y refines: Y=B*(X^A), Y=B*(A^X), Y=1/(A*X+B),
// Y=X/(A*X+B), Y=A*Exp(B*X), Y=A*Exp(B*X+C*(X^2)).
inline bool IsRefinableKind(std::uint8_t kind) {
    return kind == KindPowerX || kind == KindPowerA || kind == KindReciprocalLinear ||
           kind == KindRational || kind == KindExponential || kind == KindExpQuadratic;
}

// The kinds with a pole, at X = -B/A: Y=1/(A*X+B) and Y=X/(A*X+B).
inline bool HasPole(std::uint8_t kind) {
    return kind == KindReciprocalLinear || kind == KindRational;
}
