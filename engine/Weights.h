#pragma once
// The weights of a fit to points that came with uncertainties sigma of Y: each point's
// row of the least squares divided by its sigma (carried to the linearised response
// where the formula transforms Y), taken relative to the most precise point, so that
// equal sigmas leave every row, and so the whole fit, exactly as without them.

#include <array>
#include <cstdint>

#include "SharedState.h"

// The uncertainty of the linearised response W of kinds 3..13 carried from the sigma
// of Y to first order: sigma where W = Y, sigma/|Y| for ln Y, sigma/Y^2 for 1/Y and
// |X| sigma/Y^2 for X/Y.
double CarriedSigma(std::uint8_t kind, double x, double y, double sigma);

struct RowWeights {
    // 1..PointCount: the smallest sigma over the point's own; 1 everywhere without sigma.
    std::array<double, MaxPoints + 1> factor{};
    double smallest = 1;  // the smallest sigma (of Y, or carried to W); 1 without sigma
};

// The weights of the rows of the points in the shared state: by the sigma of Y for a fit
// on Y, by the sigma carried to W for the linearised fit of the kinds that transform Y.
// False where a carried sigma leaves the range of a double (or vanishes in it).
bool WeightsOfRows(bool linearised, RowWeights& weights);

// The sigma point i's difference is measured in: its own, or 1 without uncertainties.
double SigmaOfPoint(int i);

// The sum of ln sigma^2 over the points: what the weights add to -2 ln L of the normal
// likelihood; 0 without sigma.
double SigmaLikelihoodTerm();
