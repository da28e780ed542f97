#pragma once
// How sure each coefficient of the fit on display is: its standard error and 95 %
// confidence interval (Student's t with N - m degrees of freedom), from s^2 (J^T J)^-1.
// A fit on Y takes J in the panel's coefficients and the residuals on Y; a linearised
// fit of a kind that transforms Y takes the linearised regression's and carries them
// to the panel's coefficients by the back-transform: the standard error to first order,
// and the interval of a coefficient that is the exponential of a linearised unknown u
// exactly, as e^(u -+ t se(u)) (asymmetric, never crossing zero).
//
// Points with uncertainties sigma weigh by 1/sigma^2 (carried to W for a linearised
// fit), J and the residuals divided by sigma. Under SigmaRelative the covariance is
// (chi^2 / (N - m)) (J^T W J)^-1 and the intervals take Student's t; under SigmaAbsolute
// it is (J^T W J)^-1 as it is, the variance being known, and they take the normal
// quantile.

#include <cstdint>
#include <string>
#include <vector>

#include "EngineCodes.h"
#include "ReferenceSolution.h"
#include "SharedState.h"

struct CoefficientSpread {
    std::string name;  // as the panel names it: A, B, C or A[j]
    double value = 0;
    // NotComputed where J^T J is singular or a figure leaves the range of a double.
    double standardError = 0, low = 0, high = 0;
};

struct FitSpread {
    bool onY = true;           // from the residuals on Y; false: from the linearised regression
    int degreesOfFreedom = 0;  // N - m, at least 1 for every fit the program makes
    // Of the residuals the errors come from (on Y, or of the linearised response); each
    // in units of its sigma where the points have uncertainties (the sum is then chi^2
    // of that fit, the deviation that of unit weight).
    double residualSum = 0, residualDeviation = 0;
    // Student's t at 97.5 % with degreesOfFreedom; the normal quantile under SigmaAbsolute.
    double tQuantile = 0;
    // With uncertainties: the convention the errors follow, chi^2 = sum ((Y - f(X)) /
    // sigma)^2 on Y whatever the fit minimised, and the probability of a chi^2 at least
    // as large with degreesOfFreedom (NotComputed where it cannot be computed).
    bool weighted = false;
    std::uint8_t convention = SigmaRelative;
    double chiSquare = NotComputed, chiSquareProbability = NotComputed;
    std::vector<CoefficientSpread> coefficients;  // in the panel's order
    bool computed = false;                        // every standard error computed
    // s^2 (J^T J)^-1 of the unknowns the errors rest on, at [1..m][1..m]: the panel's
    // coefficients for a fit on Y, the linearised unknowns (FitMatrix's columns)
    // otherwise; valid where covarianceComputed.
    GramInverse covariance{};
    bool covarianceComputed = false;
    // The panel's coefficients' correlations, [i][j] in the panel's order (NotComputed
    // where the errors are not); for a linearised fit those of the unknowns behind them.
    std::vector<std::vector<double>> correlation;
};

// True when the fit on display minimises the sum of squares on Y itself: the kinds
// whose linearised fit already does, and a refinement that succeeded.
bool FitIsOnY();

// The spread of the fit now in the shared state (after a successful engine sequence).
// Runs ComputeDeviations.
FitSpread SpreadOfFit();
