#include "Evaluate.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "EngineCodes.h"
#include "FormulaKinds.h"
#include "PlotGeometry.h"
#include "PowerOfTwoScale.h"
#include "SharedState.h"
#include "Weights.h"

namespace {

// B*e^t with the guards shared by the exponential kinds.
double ScaledExp(double scale, double t, std::uint8_t& failure) {
    if (t > ExpUpperLimit) {
        failure = FailOverflow;
        return 0;
    }
    if (t < ExpLowerLimit) return 0;
    return scale * std::exp(t);
}

// The polynomial at x, accumulated into result (which keeps the partial sum when
// the loop stops): each term and each next power is tested through its logarithm.
// Returns FailOverflow or FailNone.
// Where every positive coefficient is inside ProductSafelyInRange's range and |x|^k
// stays well inside it for every power (10^-14 < |x| < 10^7 and k <= 21), no test below
// can fire and no sum can leave the range of a double (20 terms below 10^290): the same
// sums are formed without them. The coefficients' part is judged once per batch of X.
bool CoefficientsSafelyInRange() {
    const auto& s = Shared;
    if (s.UnknownCount > MaxUnknowns) return false;
    for (int k = 1; k <= s.UnknownCount; ++k) {
        const double c = s.FitMatrix[0][k];
        if (!(std::fabs(c) < 1e150) || (c > 0 && !(c > 1e-300))) return false;
    }
    return true;
}

// The arguments whose powers stay well inside the range, as above.
bool PowersSafelyInRange(double x) {
    const double magnitude = std::fabs(x);
    return magnitude > 1e-14 && magnitude < 1e7;
}

// The sum the polynomial kinds start from: A[0] for the full polynomial.
double PolynomialStart() {
    const auto& s = Shared;
    return s.FormulaKind == KindPolynomial ? s.FitMatrix[0][1] : 0;
}

std::uint8_t AccumulatePolynomial(double x, double& result, bool coefficientsSafe) {
    const auto& s = Shared;
    const auto& c = s.FitMatrix[0];
    result = PolynomialStart();
    double p = x;
    if (coefficientsSafe && PowersSafelyInRange(x)) {
        for (int k = s.PolyFirstColumn; k <= s.UnknownCount; ++k) {
            result = result + p * c[k];
            p = p * x;
        }
        return FailNone;
    }
    for (int k = s.PolyFirstColumn; k <= s.UnknownCount; ++k) {
        if (p > 0 && c[k] > 0 && !ProductSafelyInRange(c[k], p)) {
            double t = std::log(c[k]) + std::log(p);
            if (t > ExpUpperLimit) return FailOverflow;
            if (t < ExpLowerLimit) p = 0;
        }
        double next = result + p * c[k];
        // Terms with a negative factor escape the logarithm test.
        if (!std::isfinite(next)) return FailOverflow;
        result = next;
        if (p > 0 && x > 0 && !ProductSafelyInRange(x, p)) {
            double t = std::log(x) + std::log(p);
            if (t > ExpUpperLimit) return FailOverflow;
            if (t < ExpLowerLimit) p = 0;
        }
        p = p * x;
    }
    return FailNone;
}

// The polynomial at every argument as AccumulatePolynomial forms it without tests (the
// same sums; meaningful where the coefficients and the argument are safely in range),
// for a block of arguments at a time, one power after the other: the sums of the block
// do not wait on each other.
std::vector<double> SafePolynomialValues(const std::vector<double>& arguments) {
    const auto& s = Shared;
    const auto& c = s.FitMatrix[0];
    constexpr std::size_t Block = 8;
    const std::size_t count = arguments.size();
    std::vector<double> values(count);
    for (std::size_t first = 0; first < count; first += Block) {
        const std::size_t size = std::min(Block, count - first);
        double x[Block], sum[Block], power[Block];
        for (std::size_t j = 0; j < Block; ++j) {
            x[j] = j < size ? arguments[first + j] : 0;
            sum[j] = PolynomialStart();
            power[j] = x[j];
        }
        for (int k = s.PolyFirstColumn; k <= s.UnknownCount; ++k) {
            const double coefficient = c[k];
#pragma GCC unroll 8
            for (std::size_t j = 0; j < Block; ++j) {
                sum[j] = sum[j] + power[j] * coefficient;
                power[j] = power[j] * x[j];
            }
        }
        std::copy(sum, sum + size, values.begin() + static_cast<std::ptrdiff_t>(first));
    }
    return values;
}

}  // namespace

FormulaCoefficients CurrentCoefficients() {
    const auto& s = Shared;
    return {s.CoefA, s.CoefB, s.CoefC, s.CoefLogA};
}

double EvaluateKind(std::uint8_t kind, const FormulaCoefficients& k, double x,
                    std::uint8_t& failure) {
    const auto failed = [&failure](std::uint8_t code) {
        failure = code;
        return 0.0;
    };
    const double a = k.a, b = k.b, c = k.c;
    std::uint8_t guard = FailNone;
    double value = 0;
    switch (kind) {
        case KindPowerX:
            if (x <= 0) return failed(FailLogArgument);
            value = ScaledExp(b, a * std::log(x), guard);
            break;
        case KindPowerA:
            if (a <= 0) return failed(FailLogArgument);
            value = ScaledExp(b, x * k.logA, guard);
            break;
        case KindHyperbolic:
            if (std::fabs(x) < TinyMagnitude) return failed(FailDivision);
            value = a / x + b;
            break;
        case KindReciprocalLinear: {
            double d = a * x + b;
            if (std::fabs(d) < TinyMagnitude) return failed(FailDivision);
            value = 1 / d;
            break;
        }
        case KindRational: {
            double d = a * x + b;
            if (std::fabs(d) < TinyMagnitude) return failed(FailDivision);
            value = x / d;
            break;
        }
        case KindLogarithmic:
            if (x <= 0) return failed(FailLogArgument);
            value = a * std::log(x) + b;
            break;
        case KindExpShifted:
            if (x > ExpUpperLimit) return failed(FailOverflow);
            if (x < ExpLowerLimit) return b;
            value = a * std::exp(x) + b;
            break;
        case KindExponential:
            value = ScaledExp(a, b * x, guard);
            break;
        case KindLogQuadratic: {
            if (x <= 0) return failed(FailLogArgument);
            double l = std::log(x);
            value = a * l * l + b * l + c;
            break;
        }
        case KindExpQuadratic:
            value = ScaledExp(a, c * x * x + b * x, guard);
            break;
        case KindSine:
            value = a * std::sin(x + b) + c;
            break;
        default:
            return 0;
    }
    if (guard) return failed(guard);
    // Beyond the explicit guards a value can still leave the range of a double.
    if (!std::isfinite(value)) return failed(FailOverflow);
    return value;
}

bool PoleBetween(std::uint8_t kind, const FormulaCoefficients& k, double low, double high) {
    if (!HasPole(kind) || k.a == 0) return false;
    const double pole = -k.b / k.a;
    return low < pole && pole < high;
}

bool PoleBetweenThePoints() {
    const auto& s = Shared;
    return s.PointCount > 0 &&
           PoleBetween(s.FormulaKind, CurrentCoefficients(), s.PointX[1], s.PointX[s.PointCount]);
}

double EvaluateFormula(double x) {
    return EvaluateKind(Shared.FormulaKind, CurrentCoefficients(), x, Shared.ComputationFailed);
}

namespace {
void EvaluateAtArgKnowing(bool coefficientsSafe) {
    auto& s = Shared;
    s.ComputationFailed = FailNone;
    if (!IsPolynomialKind(s.FormulaKind)) {
        s.EvalResult = EvaluateFormula(s.EvalArg);
        return;
    }
    s.ComputationFailed = AccumulatePolynomial(s.EvalArg, s.EvalResult, coefficientsSafe);
}

// For the polynomial kinds: whether the coefficients allow the sums without tests.
bool PolynomialCoefficientsSafe() {
    return IsPolynomialKind(Shared.FormulaKind) && CoefficientsSafelyInRange();
}
}  // namespace

void EvaluateAtArg() { EvaluateAtArgKnowing(PolynomialCoefficientsSafe()); }

std::optional<double> FittedValueAt(double x) {
    const auto& s = Shared;
    double value = 0;
    std::uint8_t failure = FailNone;
    if (IsPolynomialKind(s.FormulaKind))
        failure = AccumulatePolynomial(x, value, CoefficientsSafelyInRange());
    else
        value = EvaluateKind(s.FormulaKind, CurrentCoefficients(), x, failure);
    if (failure || !std::isfinite(value)) return std::nullopt;
    return value;
}

namespace {
// A 300th of the range of X; by parts where the difference of the ends leaves the range
// of a double.
double CurveStep() {
    const auto& s = Shared;
    const double range = s.DataXMax - s.DataXMin;
    return std::isfinite(range) ? range / 300 : s.DataXMax / 300 - s.DataXMin / 300;
}
}  // namespace

std::vector<double> CurveArguments() {
    const auto& s = Shared;
    const double step = CurveStep(), last = s.DataXMax;
    std::vector<double> arguments(MaxCurvePoints);
    // At most 301 samples: a step below the resolution of X would otherwise never
    // reach DataXMax.
    std::size_t count = 0;
    for (double x = s.DataXMin;; x = x + step) {
        arguments[count++] = x;
        if (count == MaxCurvePoints || !(x + step <= last)) break;
    }
    arguments.resize(count);
    return arguments;
}

void SampleCurve() {
    auto& s = Shared;
    ComputePlotFrame();
    std::int16_t k = 0;
    const std::vector<double> arguments = CurveArguments();
    const bool coefficientsSafe = PolynomialCoefficientsSafe();
    // A polynomial with safe coefficients is summed for all arguments at once; the sums
    // of arguments whose powers may leave the range are taken one by one, with the tests.
    const std::vector<double> values =
        coefficientsSafe ? SafePolynomialValues(arguments) : std::vector<double>{};
    for (std::size_t j = 0; j < arguments.size(); ++j) {
        const double x = arguments[j];
        s.EvalArg = x;
        if (values.empty() || !PowersSafelyInRange(x)) {
            EvaluateAtArgKnowing(coefficientsSafe);
        } else {
            s.ComputationFailed = FailNone;
            s.EvalResult = values[j];
        }
        std::int16_t v = static_cast<std::int16_t>(GraphBandHeight - ToPixelY(s.EvalResult));
        if (v > 10 && v < GraphBandHeight) {
            s.CurvePixelX[k] = ToPixelX(s.EvalArg);
            s.CurvePixelY[k] = v;
            ++k;
        }
    }
    // As the sampling leaves it: one step past the last sample.
    s.EvalArg = arguments.back() + CurveStep();
    s.CurvePointCount = k;
}

void ComputeDeviations() {
    auto& s = Shared;
    s.ComputationFailed = FailNone;
    s.MeanDeviation = 0;
    const bool polynomial = IsPolynomialKind(s.FormulaKind);
    const bool safe = polynomial && CoefficientsSafelyInRange();
    for (int i = 1; i <= s.PointCount; ++i) {
        s.EvalArg = s.PointX[i];
        if (polynomial) {
            std::uint8_t failed = AccumulatePolynomial(s.PointX[i], s.FitMatrix[i][0], safe);
            if (failed) {
                s.ComputationFailed = failed;
                return;
            }
        } else {
            s.FitMatrix[i][0] = EvaluateFormula(s.PointX[i]);
        }
        const double yc = s.FitMatrix[i][0];
        const double ys = s.PointY[i];
        const bool ofComputed = std::fabs(yc) > TinyMagnitude;
        const double reference = ofComputed ? yc : ys;
        const double difference = ofComputed ? yc - ys : ys - yc;
        double deviation = 0;  // both (almost) zero: no relative deviation to speak of
        if (ofComputed || ys != 0) {
            deviation = 100 * difference / reference;
            // Near the ends of the range of a double the product may overflow where the
            // quotient does not; a quotient beyond it was not computed.
            if (!std::isfinite(deviation)) deviation = 100 * (difference / reference);
            if (!std::isfinite(deviation)) deviation = NotComputed;
        }
        s.Deviation[i] = deviation;
        s.MeanDeviation = s.MeanDeviation + std::fabs(deviation) / s.PointCount;
        if (!std::isfinite(s.MeanDeviation)) s.MeanDeviation = NotComputed;
    }
}

namespace {
// The power of two that brings the largest magnitude of values 1..n below 1, so that
// no sum of their squares leaves the range of a double (nor vanishes in it).
int RangeExponent(const std::array<double, MaxPoints + 1>& values, int n) {
    double largest = 0;
    for (int i = 1; i <= n; ++i) largest = std::fmax(largest, std::fabs(values[i]));
    int exponent = 0;
    std::frexp(largest, &exponent);
    return exponent;
}
}  // namespace

double CorrelationCoefficient() {
    const auto& s = Shared;
    const int n = s.PointCount;
    bool allXEqual = true, allYEqual = true;
    for (int i = 1; i <= n; ++i) {
        allXEqual = allXEqual && s.PointX[i] == s.PointX[1];
        allYEqual = allYEqual && s.PointY[i] == s.PointY[1];
    }
    // Equal X or equal Y leave no linear trend to measure: the coefficient is 0.
    if (n < 2 || allXEqual || allYEqual) return 0;
    // The coefficient does not change when X or Y is scaled; scaled by powers of two
    // (exact) the sums stay in range from the smallest subnormal to the largest double.
    // Sums about the means, in a second pass, so that an offset costs no digits. A mean
    // rounded at a large offset (1e15 + 0.1 i) is itself off by a good part of the
    // spread: the mean of the differences from it (exact there, by Sterbenz's lemma)
    // corrects it.
    const PowerOfTwoScale ex(RangeExponent(s.PointX, n)), ey(RangeExponent(s.PointY, n));
    double mx = 0, my = 0;
    for (int i = 1; i <= n; ++i) {
        mx = mx + ex(s.PointX[i]);
        my = my + ey(s.PointY[i]);
    }
    mx = mx / n;
    my = my / n;
    double cx = 0, cy = 0;
    for (int i = 1; i <= n; ++i) {
        cx = cx + (ex(s.PointX[i]) - mx);
        cy = cy + (ey(s.PointY[i]) - my);
    }
    cx = cx / n;
    cy = cy / n;
    double sxx = 0, syy = 0, sxy = 0;
    for (int i = 1; i <= n; ++i) {
        const double dx = (ex(s.PointX[i]) - mx) - cx;
        const double dy = (ey(s.PointY[i]) - my) - cy;
        sxx = sxx + dx * dx;
        syy = syy + dy * dy;
        sxy = sxy + dx * dy;
    }
    // Unequal values, brought to at most 1, differ by far more than the square root of
    // the smallest double, so neither sum of squares can vanish here.
    const double r = sxy / (std::sqrt(sxx) * std::sqrt(syy));
    return std::fmax(-1.0, std::fmin(1.0, r));
}

double ResidualSumOfSquares() {
    const auto& s = Shared;
    double sum = 0;
    for (int i = 1; i <= s.PointCount; ++i) {
        const double r = (s.PointY[i] - s.FitMatrix[i][0]) / SigmaOfPoint(i);
        sum = sum + r * r;
    }
    return sum;
}

std::optional<double> DeterminationCoefficient() {
    const auto& s = Shared;
    // The mean of Y, weighted by 1/sigma^2 where the points have uncertainties.
    double mean = 0;
    if (s.SigmaPresent) {
        double weightSum = 0;
        for (int i = 1; i <= s.PointCount; ++i) {
            const double w = 1 / SigmaOfPoint(i) / SigmaOfPoint(i);
            mean = mean + w * s.PointY[i];
            weightSum = weightSum + w;
        }
        mean = mean / weightSum;
    } else {
        for (int i = 1; i <= s.PointCount; ++i) mean = mean + s.PointY[i] / s.PointCount;
    }
    double total = 0;
    for (int i = 1; i <= s.PointCount; ++i) {
        const double d = (s.PointY[i] - mean) / SigmaOfPoint(i);
        total = total + d * d;
    }
    const double r2 = 1 - ResidualSumOfSquares() / total;
    if (!(total > 0) || !std::isfinite(r2)) return std::nullopt;
    return r2;
}

std::optional<double> ResidualStandardDeviation() {
    const auto& s = Shared;
    const int freedom = s.PointCount - s.UnknownCount;
    const double deviation = std::sqrt(ResidualSumOfSquares() / freedom);
    if (freedom < 1 || !std::isfinite(deviation)) return std::nullopt;
    return deviation;
}
