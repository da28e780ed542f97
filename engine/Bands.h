#pragma once
// How sure the fitted curve is at any X: the 95 % confidence band (where the true
// curve lies) and the 95 % prediction band (where a new measurement lies).
//
// For a fit on Y (the polynomials and the kinds linear in Y included): var f(x) =
// g(x)^T C g(x), C the coefficients' covariance s^2 (J^T J)^-1 and g the gradient of the
// formula in them (the delta method); f +- t sqrt(var), and +- t sqrt(var + s^2) for a
// new measurement. For a linearised fit of the six kinds that transform Y: the same in
// the linearised variable W, carried back by the inverse transform (e^W, 1/W, X/W), so
// that the band never crosses where Y cannot go; none where W's band holds the pole.
// Where the points have uncertainties there is no prediction band: a new measurement's
// sigma is not known.

#include "EngineCodes.h"
#include "Uncertainty.h"

struct Interval {
    double low = NotComputed, high = NotComputed;
};

struct BandsAtX {
    double y = NotComputed;
    // The standard error of the fitted value in Y's units (for a linearised fit carried
    // back to first order); NotComputed where it is not.
    double seMean = NotComputed;
    Interval confidence, prediction;
};

// At x, for the fit in the shared state, whose spread is given (SpreadOfFit).
BandsAtX BandsAt(const FitSpread& spread, double x);
