#pragma once
// Values of the fitted dependence: at one X, along the curve, at every point with
// the relative deviations, and the correlation coefficient of the source points.

#include <cstdint>
#include <optional>
#include <vector>

// The coefficients of kinds 3..13 as the evaluation takes them; logA is the rate X is
// multiplied by in A^X (CoefLogA).
struct FormulaCoefficients {
    double a = 0, b = 0, c = 0, logA = 0;
};

// The shared state's CoefA, CoefB, CoefC and CoefLogA.
FormulaCoefficients CurrentCoefficients();

// Value of kind 3..13 with these coefficients at x; a failure (FailLogArgument,
// FailOverflow or FailDivision) is set in failure, which is never cleared, and 0
// returned. Reads nothing of the shared state.
double EvaluateKind(std::uint8_t kind, const FormulaCoefficients& k, double x,
                    std::uint8_t& failure);

// True for Y=1/(A*X+B) and Y=X/(A*X+B) whose pole -B/A lies strictly between low and
// high: such a curve is no fit of points from low to high.
bool PoleBetween(std::uint8_t kind, const FormulaCoefficients& k, double low, double high);

// The same for the fit in the shared state and its smallest and largest X.
bool PoleBetweenThePoints();

// Value of kinds 3..13 at x (0 for the polynomials). A failure sets ComputationFailed
// (FailLogArgument, FailOverflow or FailDivision) and returns 0; it never clears it.
double EvaluateFormula(double x);

// EvalResult = fitted value at EvalArg, any kind; ComputationFailed cleared first.
void EvaluateAtArg();

// The fitted value of any kind at x; none where it cannot be computed. Leaves EvalArg,
// EvalResult and ComputationFailed as they are.
std::optional<double> FittedValueAt(double x);

// The arguments the curve is sampled at: from DataXMin by repeated addition of a 300th
// of the range, at most 301 of them, none beyond DataXMax (set by ComputePlotFrame).
std::vector<double> CurveArguments();

// CurvePixelX/Y and CurvePointCount: at most 301 samples from DataXMin to DataXMax by
// repeated addition of the step, kept where they lie strictly inside the plot band.
// Runs ComputePlotFrame first, so the mapping is the one the graph uses.
void SampleCurve();

// FitMatrix(i, 0) = computed Y, Deviation(i) in percent relative to the computed
// value (to the source value where the computed one is almost 0), MeanDeviation;
// NotComputed where a deviation (and so the mean) is beyond the range of a double.
void ComputeDeviations();

// Linear correlation coefficient of the source points, from sums about the means of
// values scaled by powers of two, so that neither an offset nor the ends of the range
// of a double cost digits; 0 where all X or all Y are equal, since there is then no
// linear trend to measure.
double CorrelationCoefficient();

// How well the fitted dependence follows the source Y themselves (not the
// linearised response the fit minimised), from the computed values ComputeDeviations
// left in FitMatrix(i, 0): the coefficient of determination 1 - S / sum (Y - mean Y)^2,
// and the residual standard deviation sqrt(S / (N - m)), with S = sum (Y - Yc)^2 and m
// the fit's unknowns. Empty where undefined (all Y equal; no point to spare). Where the
// points have uncertainties every difference is in units of its sigma: S is chi^2,
// the mean of Y weighted by 1/sigma^2, the deviation that of unit weight.
std::optional<double> DeterminationCoefficient();
// S = sum (Y - Yc)^2 over the points, from the computed values in FitMatrix(i, 0);
// chi^2 = sum ((Y - Yc) / sigma)^2 where the points have uncertainties.
double ResidualSumOfSquares();
std::optional<double> ResidualStandardDeviation();
