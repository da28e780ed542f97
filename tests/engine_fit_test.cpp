// The engine on data that lie exactly on each dependence, on data it must refuse,
// and on the statistics it reports.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "Comparison.h"
#include "EngineCodes.h"
#include "Evaluate.h"
#include "Fit.h"
#include "FormulaKinds.h"
#include "PlotGeometry.h"
#include "PointSetup.h"
#include "Refinement.h"
#include "SharedState.h"
#include "Uncertainty.h"

namespace {

std::vector<std::pair<double, double>> Sample(const std::vector<double>& xs,
                                              const std::function<double(double)>& f) {
    std::vector<std::pair<double, double>> points;
    for (double x : xs) points.emplace_back(x, f(x));
    return points;
}

const std::vector<double> PositiveX = {0.5, 1, 1.5, 2, 3, 4.5};

struct ExactCase {
    const char* name;
    std::uint8_t kind;
    std::function<double(double)> f;
    double a, b, c;
    std::vector<double> xs = PositiveX;
};

class ExactData : public testing::TestWithParam<ExactCase> {};

TEST_P(ExactData, GivesTheCoefficientsBack) {
    const auto& c = GetParam();
    UsePoints(Sample(c.xs, c.f));
    ChooseKind(c.kind);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    EXPECT_NEAR(Shared.CoefA, c.a, 1e-9 * std::max(1.0, std::fabs(c.a)));
    EXPECT_NEAR(Shared.CoefB, c.b, 1e-9 * std::max(1.0, std::fabs(c.b)));
    if (c.kind >= KindLogQuadratic) {
        EXPECT_NEAR(Shared.CoefC, c.c, 1e-9 * std::max(1.0, std::fabs(c.c)));
    }
    ComputeDeviations();
    EXPECT_LT(Shared.MeanDeviation, 1e-8);

    // On Y: an exact fit stays exact, refined or not.
    const double linearA = Shared.CoefA;
    Shared.FitMode = FitOnY;
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    EXPECT_EQ(Shared.RefinementOutcome, IsRefinableKind(c.kind) ? RefinementDone : RefinementNone);
    if (!IsRefinableKind(c.kind)) {
        EXPECT_EQ(Shared.CoefA, linearA);
    }
    EXPECT_NEAR(Shared.CoefA, c.a, 1e-9 * std::max(1.0, std::fabs(c.a)));
    EXPECT_NEAR(Shared.CoefB, c.b, 1e-9 * std::max(1.0, std::fabs(c.b)));
    if (c.kind >= KindLogQuadratic) {
        EXPECT_NEAR(Shared.CoefC, c.c, 1e-9 * std::max(1.0, std::fabs(c.c)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, ExactData,
    testing::Values(
        ExactCase{"PowerX", KindPowerX, [](double x) { return 2 * std::pow(x, 1.5); }, 1.5, 2, 0},
        ExactCase{"PowerA", KindPowerA, [](double x) { return 2 * std::pow(3, x); }, 3, 2, 0},
        ExactCase{"Hyperbolic", KindHyperbolic, [](double x) { return 3 / x + 1; }, 3, 1, 0},
        ExactCase{"ReciprocalLinear", KindReciprocalLinear,
                  [](double x) { return 1 / (2 * x + 1); }, 2, 1, 0},
        ExactCase{"Rational", KindRational, [](double x) { return x / (2 * x + 3); }, 2, 3, 0},
        ExactCase{"Logarithmic", KindLogarithmic, [](double x) { return 2 * std::log(x) + 1; }, 2,
                  1, 0},
        ExactCase{"ExpShifted", KindExpShifted, [](double x) { return 0.5 * std::exp(x) + 2; }, 0.5,
                  2, 0},
        ExactCase{"Exponential", KindExponential, [](double x) { return 2 * std::exp(0.5 * x); }, 2,
                  0.5, 0},
        ExactCase{"LogQuadratic", KindLogQuadratic,
                  [](double x) {
                      double l = std::log(x);
                      return 1.5 * l * l - 2 * l + 3;
                  },
                  1.5, -2, 3},
        ExactCase{"ExpQuadratic", KindExpQuadratic,
                  [](double x) { return 2 * std::exp(0.3 * x - 0.1 * x * x); }, 2, 0.3, -0.1},
        ExactCase{"Sine", KindSine, [](double x) { return 2 * std::sin(x + 0.5) + 1; }, 2, 0.5, 1},
        ExactCase{"SineSignGoesToA",
                  KindSine,
                  [](double x) { return -2 * std::sin(x); },
                  -2,
                  0,
                  0,
                  {0.3, 1, 1.7, 2.2, 4, 5.5}},
        ExactCase{"ExpShiftedFarLeftPointContributesZero",
                  KindExpShifted,
                  [](double x) { return x < -1419 ? 1.0 : 2 * std::exp(x) + 1; },
                  2,
                  1,
                  0,
                  {-1500, 0, 1, 2}}),
    [](const auto& info) { return info.param.name; });

TEST(Polynomials, CoefficientsSitInRowZeroInColumnOrder) {
    UsePoints(Sample({-2, -1, 0, 1, 2, 3}, [](double x) { return 1 + 2 * x + 3 * x * x; }));
    ChooseKind(KindPolynomial, 2);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    EXPECT_NEAR(Shared.FitMatrix[0][1], 1, 1e-10);
    EXPECT_NEAR(Shared.FitMatrix[0][2], 2, 1e-10);
    EXPECT_NEAR(Shared.FitMatrix[0][3], 3, 1e-10);

    UsePoints(Sample({-2, -1, 1, 2, 3}, [](double x) { return 2 * x + 3 * x * x; }));
    ChooseKind(KindPolynomialNoFree, 2);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    EXPECT_NEAR(Shared.FitMatrix[0][1], 2, 1e-10);
    EXPECT_NEAR(Shared.FitMatrix[0][2], 3, 1e-10);
}

TEST(Polynomials, OneUnknownIsTheRatioOfSums) {
    UsePoints(std::vector<std::pair<double, double>>{{1, 2}, {2, 3}, {4, 9}});
    ChooseKind(KindPolynomialNoFree, 1);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    // (1*2 + 2*3 + 4*9) / (1 + 4 + 16) = 44 / 21
    EXPECT_DOUBLE_EQ(Shared.FitMatrix[0][1], 44.0 / 21.0);
}

TEST(Polynomials, StraightLineGivesInterceptAndSlope) {
    UsePoints(Sample({0, 1, 2, 3}, [](double x) { return 4 - 0.5 * x; }));
    ChooseKind(KindPolynomial, 1);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    EXPECT_NEAR(Shared.FitMatrix[0][1], 4, 1e-12);
    EXPECT_NEAR(Shared.FitMatrix[0][2], -0.5, 1e-12);
}

// The highest degree at which a polynomial with free term, sampled at 40 points
// spread over [-1, 1], still comes back to 6 significant digits.
constexpr int HighestRecoveredDegree = 14;

TEST(Polynomials, HighDegreesComeBackOnTheUnitInterval) {
    for (int degree = 1; degree <= HighestRecoveredDegree; ++degree) {
        std::vector<double> xs;
        for (int i = 0; i < 40; ++i) xs.push_back(-1 + 2.0 * i / 39);
        auto coefficient = [](int k) { return 1.0 + 0.5 * k * (k % 2 ? -1 : 1); };
        UsePoints(Sample(xs, [&](double x) {
            double y = 0, p = 1;
            for (int k = 0; k <= degree; ++k, p *= x) y += coefficient(k) * p;
            return y;
        }));
        ChooseKind(KindPolynomial, static_cast<std::int16_t>(degree));
        ASSERT_EQ(RunGuardedComputation(), FailNone) << "degree " << degree;
        for (int k = 0; k <= degree; ++k)
            EXPECT_NEAR(Shared.FitMatrix[0][k + 1], coefficient(k),
                        1e-6 * std::fabs(coefficient(k)))
                << "degree " << degree << ", A[" << k << "]";
    }
}

struct FailureCase {
    const char* name;
    std::uint8_t kind;
    std::int16_t degree;
    std::vector<std::pair<double, double>> points;
    std::uint8_t code;
};

class Refused : public testing::TestWithParam<FailureCase> {};

TEST_P(Refused, WithItsFailureCode) {
    const auto& c = GetParam();
    UsePoints(c.points);
    ChooseKind(c.kind, c.degree);
    EXPECT_EQ(RunGuardedComputation(), c.code);
}

const std::vector<std::pair<double, double>> WithXZero = {{0, 1}, {1, 2}, {2, 3}, {3, 5}};
const std::vector<std::pair<double, double>> WithYZero = {{1, 0}, {2, 2}, {3, 3}, {4, 5}};
const std::vector<std::pair<double, double>> WithYNegative = {{1, -1}, {2, 2}, {3, 3}, {4, 5}};

INSTANTIATE_TEST_SUITE_P(
    Failures, Refused,
    testing::Values(
        FailureCase{"PowerXAtXZero", KindPowerX, 0, WithXZero, FailLogArgument},
        FailureCase{"LogarithmicAtXZero", KindLogarithmic, 0, WithXZero, FailLogArgument},
        FailureCase{"LogQuadraticAtXZero", KindLogQuadratic, 0, WithXZero, FailLogArgument},
        FailureCase{"PowerXAtYZero", KindPowerX, 0, WithYZero, FailLogArgument},
        FailureCase{"PowerAAtYNegative", KindPowerA, 0, WithYNegative, FailLogArgument},
        FailureCase{"ExponentialAtYZero", KindExponential, 0, WithYZero, FailLogArgument},
        FailureCase{"ExpQuadraticAtYNegative", KindExpQuadratic, 0, WithYNegative, FailLogArgument},
        FailureCase{"HyperbolicAtXZero", KindHyperbolic, 0, WithXZero, FailDivision},
        FailureCase{"ReciprocalAtYZero", KindReciprocalLinear, 0, WithYZero, FailDivision},
        FailureCase{"RationalAtYZero", KindRational, 0, WithYZero, FailDivision},
        // A divisor of exactly 1e-308 passes the build; its square overflows the normal
        // equations, and the stable solution stands in.
        FailureCase{"HyperbolicAtTinyMagnitudePasses",
                    KindHyperbolic,
                    0,
                    {{1e-308, 1}, {1, 2}, {2, 3}},
                    FailNone},
        FailureCase{
            "ExpShiftedBeyond709", KindExpShifted, 0, {{1, 1}, {2, 2}, {710, 3}}, FailOverflow},
        FailureCase{"PowerOfXOverflows",
                    KindPolynomial,
                    2,
                    {{1, 1}, {2, 2}, {3, 3}, {1e200, 4}},
                    FailOverflow},
        FailureCase{"NormalEquationsOverflowIsNoFailure",
                    KindHyperbolic,
                    0,
                    {{1e-200, 1}, {1, 2}, {2, 3}},
                    FailNone},
        FailureCase{"SolutionBeyondDouble",
                    KindPolynomial,
                    1,
                    {{0, 0}, {1e-300, 1e300}, {2e-300, 2e300}},
                    FailOverflow},
        FailureCase{"BackTransformOverflows",
                    KindExponential,
                    0,
                    {{1, 1.7e308}, {2, 1.7e308}, {3, 1.7e308}},
                    FailOverflow},
        FailureCase{"NegativePowerBeyondDouble",
                    KindPolynomial,
                    3,
                    {{-1e110, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}},
                    FailOverflow},
        FailureCase{"QuotientBeyondDouble",
                    KindRational,
                    0,
                    {{1e300, 1e-10}, {1, 2}, {2, 3}},
                    FailOverflow},
        FailureCase{"AllXEqual", KindPolynomial, 1, {{2, 1}, {2, 2}, {2, 3}}, FailDivision},
        FailureCase{"LogarithmicOneX", KindLogarithmic, 0, {{2, 1}, {2, 2}, {2, 3}}, FailDivision},
        FailureCase{"FewerDistinctXThanUnknowns",
                    KindPolynomial,
                    3,
                    {{1, 1}, {1, 2}, {2, 3}, {2, 4}, {2, 5}},
                    FailDivision}),
    [](const auto& info) { return info.param.name; });

TEST(Recover, ExponentBelowLowerLimitGivesZero) {
    Shared = SharedState{};
    Shared.FormulaKind = KindExponential;
    Shared.FitMatrix[0][1] = -1500;
    Shared.FitMatrix[0][2] = 1;
    RecoverCoefficients();
    EXPECT_EQ(Shared.ComputationFailed, FailNone);
    EXPECT_EQ(Shared.CoefA, 0);
}

class Evaluation : public testing::Test {
protected:
    void Use(std::uint8_t kind, double a, double b, double c = 0) {
        Shared = SharedState{};
        Shared.FormulaKind = kind;
        Shared.CoefA = a;
        Shared.CoefB = b;
        Shared.CoefC = c;
    }
    double At(double x) {
        Shared.ComputationFailed = FailNone;
        return EvaluateFormula(x);
    }
};

TEST_F(Evaluation, GuardsEachKind) {
    Use(KindExpShifted, 2, 3);
    EXPECT_EQ(At(-2000), 3);
    EXPECT_EQ(Shared.ComputationFailed, FailNone);
    EXPECT_EQ(At(710), 0);
    EXPECT_EQ(Shared.ComputationFailed, FailOverflow);

    Use(KindHyperbolic, 1, 1);
    EXPECT_EQ(At(0), 0);
    EXPECT_EQ(Shared.ComputationFailed, FailDivision);

    for (std::uint8_t kind : {KindPowerX, KindLogarithmic, KindLogQuadratic}) {
        Use(kind, 1, 1, 1);
        EXPECT_EQ(At(0), 0);
        EXPECT_EQ(Shared.ComputationFailed, FailLogArgument) << int(kind);
        At(-1);
        EXPECT_EQ(Shared.ComputationFailed, FailLogArgument) << int(kind);
    }
    Use(KindPowerA, -2, 1);
    At(1);
    EXPECT_EQ(Shared.ComputationFailed, FailLogArgument);

    Use(KindExponential, 1, 1);
    EXPECT_EQ(At(-2000), 0);
    EXPECT_EQ(Shared.ComputationFailed, FailNone);
    At(800);
    EXPECT_EQ(Shared.ComputationFailed, FailOverflow);
    Use(KindExponential, 1e300, 1);
    At(700);  // e^700 is finite, times 1e300 is not
    EXPECT_EQ(Shared.ComputationFailed, FailOverflow);
}

TEST_F(Evaluation, PolynomialTrialStopsOnOverflow) {
    UsePoints(Sample({1, 2, 3, 4}, [](double x) { return 1 + x * x; }));
    ChooseKind(KindPolynomial, 2);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    Shared.EvalArg = 1e200;
    EvaluateAtArg();
    EXPECT_EQ(Shared.ComputationFailed, FailOverflow);
    Shared.EvalArg = -1e200;  // the negative powers escape the logarithm test
    EvaluateAtArg();
    EXPECT_EQ(Shared.ComputationFailed, FailOverflow);
    Shared.EvalArg = 2;
    EvaluateAtArg();
    EXPECT_EQ(Shared.ComputationFailed, FailNone);
    EXPECT_NEAR(Shared.EvalResult, 5, 1e-9);
}

TEST(Deviations, AreRelativeToTheComputedValue) {
    // Kind 13 with A = 0 computes the constant C at every X.
    auto deviationFor = [](double source, double computed) {
        UsePoints(std::vector<std::pair<double, double>>{{1, source}, {2, source}, {3, source}});
        Shared.FormulaKind = KindSine;
        Shared.CoefA = 0;
        Shared.CoefC = computed;
        ComputeDeviations();
        return Shared.Deviation[1];
    };
    EXPECT_DOUBLE_EQ(deviationFor(4, 5), 20);
    EXPECT_DOUBLE_EQ(deviationFor(0, 0.5), 100);
    EXPECT_DOUBLE_EQ(deviationFor(2, 0), 100);
    EXPECT_DOUBLE_EQ(deviationFor(0, 0), 0);
    EXPECT_DOUBLE_EQ(deviationFor(0, 1e-320), 0);
    // Beyond the range of a double the deviation was not computed; where only the
    // product 100 * difference overflows, it is.
    EXPECT_TRUE(std::isnan(deviationFor(1e300, 1e-300)));
    EXPECT_TRUE(std::isnan(Shared.MeanDeviation));
    EXPECT_DOUBLE_EQ(deviationFor(0, 1e307), 100);
    EXPECT_DOUBLE_EQ(deviationFor(6, 5), -20);
    EXPECT_DOUBLE_EQ(Shared.MeanDeviation, 20);
}

TEST(Correlation, OfTheSourcePoints) {
    UsePoints(std::vector<std::pair<double, double>>{{1, 2}, {2, 4}, {3, 6}});
    EXPECT_NEAR(CorrelationCoefficient(), 1, 1e-15);
    UsePoints(std::vector<std::pair<double, double>>{{1, 6}, {2, 4}, {3, 2}});
    EXPECT_NEAR(CorrelationCoefficient(), -1, 1e-15);
    UsePoints(std::vector<std::pair<double, double>>{{1, 2}, {2, 3}, {3, 2}});
    EXPECT_NEAR(CorrelationCoefficient(), 0, 1e-15);
    UsePoints(std::vector<std::pair<double, double>>{{2, 1}, {2, 4}, {2, 6}});
    EXPECT_EQ(CorrelationCoefficient(), 0);
    UsePoints(std::vector<std::pair<double, double>>{{1, 5}, {2, 5}, {3, 5}});
    EXPECT_EQ(CorrelationCoefficient(), 0);
    UsePoints(std::vector<std::pair<double, double>>{{1e200, 1}, {2e200, 2}, {3e200, 3}});
    EXPECT_NEAR(CorrelationCoefficient(), 1, 1e-15);
}

TEST(Correlation, NoDigitsLostToOffsetsOrTheEndsOfTheRange) {
    // X at steps of 1 (times a scale, plus an offset) against Y = 1, 3, 2, 4: about
    // the means, dX = dY' = -1.5, -0.5, 0.5, 1.5 in some order, so r = 4 / 5.
    struct Case {
        double scale, offset;
    };
    for (const Case c : {Case{1, 0}, Case{1e-310, 0}, Case{0.25, 1e7}, Case{1e-2, 1e7},
                         Case{4e307, -1e308}, Case{1e300, 1e300}}) {
        std::vector<std::pair<double, double>> points;
        const double ys[] = {1, 3, 2, 4};
        for (int i = 0; i < 4; ++i) points.emplace_back(c.offset + c.scale * (i + 1), ys[i]);
        UsePoints(points);
        EXPECT_NEAR(CorrelationCoefficient(), 0.8, 1e-7) << c.scale << " " << c.offset;
        for (auto& p : points) std::swap(p.first, p.second);
        UsePoints(points);
        EXPECT_NEAR(CorrelationCoefficient(), 0.8, 1e-7) << "Y " << c.scale << " " << c.offset;
    }
    // Ten million and a hundredth to ten million and four tenths against Y = I.
    std::vector<std::pair<double, double>> points;
    for (int i = 1; i <= 40; ++i) points.emplace_back(10000000 + 0.01 * i, i);
    UsePoints(points);
    EXPECT_NEAR(CorrelationCoefficient(), 1, 1e-9);
}

TEST(Curve, KeepsSamplesStrictlyBetweenRowsTenAndThreeHundredFifty) {
    // X 0..8 and Y 10..50 map Y to up pixels 6.675 Y - 33.75 (see the plot frame
    // tests); a constant curve at up pixel u lies on screen row 350 - u.
    UsePoints(std::vector<std::pair<double, double>>{{0.3, 12}, {4, 30}, {7.9, 47}});
    Shared.FormulaKind = KindSine;  // A = 0: the constant C at every X
    Shared.CoefA = 0;
    auto samplesOnRow = [](int row) {
        Shared.CoefC = (350 - row + 33.75) / 6.675;
        SampleCurve();
        return Shared.CurvePointCount;
    };
    EXPECT_EQ(samplesOnRow(10), 0);
    EXPECT_GT(samplesOnRow(11), 290);
    EXPECT_GT(samplesOnRow(349), 290);
    EXPECT_EQ(samplesOnRow(350), 0);
}

TEST(Curve, EverySampleLiesOnThePolynomial) {
    // Y = 10 + 0.6 X^2 exactly: each sample's pixel, read back to X and Y through the
    // plot's scales, lies on the parabola (within the pixels' rounding and the slope).
    const auto f = [](double x) { return 10 + 0.6 * x * x; };
    UsePoints(Sample({0.3, 1.5, 3, 4.2, 5.5, 7.9}, f));
    ChooseKind(KindPolynomial, 2);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    ASSERT_GT(Shared.CurvePointCount, 290);
    for (int k = 0; k < Shared.CurvePointCount; ++k) {
        const double x = (Shared.CurvePixelX[k] - Shared.OffsetX) / Shared.ScaleX;
        const double up = GraphBandHeight - Shared.CurvePixelY[k];
        const double slope = std::fabs(1.2 * x * Shared.ScaleY / Shared.ScaleX);
        EXPECT_NEAR(up, Shared.ScaleY * f(x) + Shared.OffsetY, 1 + slope)
            << "sample " << k << " at X " << x;
    }
}

TEST(Curve, StaysInsideTheBandAndEnds) {
    UsePoints(Sample({0.1, 0.5, 1, 2, 3}, [](double x) { return 1 / x; }));
    ChooseKind(KindHyperbolic);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    EXPECT_GT(Shared.CurvePointCount, 100);
    EXPECT_LE(Shared.CurvePointCount, 301);
    for (int k = 0; k < Shared.CurvePointCount; ++k) {
        EXPECT_GT(Shared.CurvePixelY[k], 10);
        EXPECT_LT(Shared.CurvePixelY[k], 350);
    }
    // A step below the resolution of X must not sample for ever.
    UsePoints(std::vector<std::pair<double, double>>{{1e16, 1}, {1e16 + 2, 2}, {1e16 + 4, 3}});
    ChooseKind(KindPolynomial, 1);
    RunGuardedComputation();
    SampleCurve();
    EXPECT_LE(Shared.CurvePointCount, 301);
}

}  // namespace

namespace {
// Y = 2X + 1 at X = 0..4: the polynomials with free term fit it exactly, the
// logarithms of X = 0 and the 1/X refuse it, Y=B*(A^X) and Y=A*Exp(B*X) are one fit
// written two ways, and every fit of three coefficients or more leaves n - K - 1 <= 0
// (K = k + 1, the error variance counted), where the criterion is not defined.
TEST(Comparison, RanksExactFitsThenByTheCriterionThenUndefinedThenRefused) {
    UsePoints(std::vector<std::pair<double, double>>{{0, 1}, {1, 3}, {2, 5}, {3, 7}, {4, 9}});
    const SharedState before = Shared;
    const std::vector<ComparedFit> fits = CompareFormulas();
    EXPECT_EQ(Shared.PointX, before.PointX);
    EXPECT_EQ(Shared.FormulaKind, before.FormulaKind) << "the fit on display is left alone";
    auto at = [&](std::uint8_t kind, int degree) {
        for (std::size_t i = 0; i < fits.size(); ++i)
            if (fits[i].kind == kind && fits[i].degree == degree) return i;
        ADD_FAILURE() << "no row for kind " << int(kind) << " degree " << degree;
        return fits.size();
    };
    // 11 fixed kinds, degrees 1..3 of kind 1 and 1..4 of kind 2.
    ASSERT_EQ(fits.size(), 11u + 3u + 4u);
    for (int degree = 1; degree <= 3; ++degree) {
        EXPECT_EQ(at(KindPolynomial, degree), std::size_t(degree - 1)) << "exact, fewer first";
        EXPECT_TRUE(fits[degree - 1].exact);
    }
    // Y = A X: A = 70 / 30, RSS = 5 / 3; with K = 2, AICc = 5 (ln(2 pi RSS / 5) + 1) + 4 +
    // 12 / 2 and BIC = 5 (ln(2 pi RSS / 5) + 1) + 2 ln 5, worked out by hand (Python).
    const ComparedFit& line = fits[at(KindPolynomialNoFree, 1)];
    ASSERT_TRUE(line.aicc && line.bic);
    EXPECT_NEAR(*line.aicc, 18.69632388870618, 1e-12);
    EXPECT_NEAR(*line.bic, 11.91519971357438, 1e-12);
    EXPECT_NEAR(line.residualSum, 5.0 / 3.0, 1e-14);
    const std::size_t powerA = at(KindPowerA, 0), exponential = at(KindExponential, 0);
    EXPECT_EQ(exponential, powerA + 1) << "a tie goes by the list's order";
    double weights = 0;
    for (std::size_t i = 3; i < fits.size(); ++i) {
        if (fits[i].aicc) weights += *fits[i].weight;
        if (i > 3 && fits[i].aicc && fits[i - 1].aicc) {
            EXPECT_LE(*fits[i - 1].aicc, *fits[i].aicc);
        }
    }
    EXPECT_NEAR(weights, 1, 1e-12);
    const std::pair<std::uint8_t, int> undefined[] = {
        {KindPolynomialNoFree, 3}, {KindPolynomialNoFree, 4}, {KindExpQuadratic, 0}, {KindSine, 0}};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t place = at(undefined[i].first, undefined[i].second);
        EXPECT_EQ(place, fits.size() - 9 + i) << "after the ranked fits";
        EXPECT_FALSE(fits[place].aicc || fits[place].weight);
        EXPECT_EQ(fits[place].failure, FailNone);
    }
    // 1/Y = A X + B puts the pole -B/A between 0 and 4: no fit of the points, ranked
    // after the fits, before the refused.
    const ComparedFit& pole = fits[fits.size() - 5];
    EXPECT_EQ(pole.kind, KindReciprocalLinear);
    EXPECT_TRUE(pole.poleInside);
    EXPECT_FALSE(pole.weight);
    const std::pair<std::uint8_t, std::uint8_t> refused[] = {{KindPowerX, FailLogArgument},
                                                             {KindHyperbolic, FailDivision},
                                                             {KindLogarithmic, FailLogArgument},
                                                             {KindLogQuadratic, FailLogArgument}};
    for (std::size_t i = 0; i < 4; ++i) {
        const ComparedFit& f = fits[fits.size() - 4 + i];
        EXPECT_EQ(f.kind, refused[i].first) << "refused last, in the list's order";
        EXPECT_EQ(f.failure, refused[i].second);
    }
}
}  // namespace

namespace {
// Seven points the linearised exponential fits unevenly: least squares on Y moves A
// and B, the curve follows the large values; switching back restores every bit.
TEST(FitOnY, RefinesTheExponentialAndSwitchesBackExactly) {
    UsePoints(std::vector<std::pair<double, double>>{
        {0, 2938}, {10, 7354}, {20, 11900}, {30, 17000}, {40, 47200}, {50, 79100}, {60, 119600}});
    ChooseKind(KindExponential);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    const double linearA = Shared.CoefA, linearB = Shared.CoefB;
    EXPECT_NEAR(linearA, 3346.754, 1e-3);
    EXPECT_NEAR(linearB, 0.06160023, 1e-8);
    // The linearised errors: of ln A and B by the regression of ln Y, A's times A
    // (numpy's lstsq and covariance on the same points).
    FitSpread spread = SpreadOfFit();
    EXPECT_FALSE(spread.onY);
    EXPECT_NEAR(spread.coefficients[0].standardError, 397.261393642022, 1e-8);
    EXPECT_NEAR(spread.coefficients[1].standardError, 0.00329215944683308, 1e-14);
    // A = e^(ln A): its interval e^(ln A -+ t se(ln A)), not A -+ t se(A) (SciPy's t).
    EXPECT_NEAR(spread.coefficients[0].low, 2466.6517319138948, 1e-6);
    EXPECT_NEAR(spread.coefficients[0].high, 4540.877792284134, 1e-6);

    Shared.FitMode = FitOnY;
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    EXPECT_EQ(Shared.RefinementOutcome, RefinementDone);
    EXPECT_NEAR(Shared.CoefA, 5081.107, 1e-3);
    EXPECT_NEAR(Shared.CoefB, 0.053117334, 1e-9);
    spread = SpreadOfFit();
    EXPECT_TRUE(spread.onY);
    EXPECT_NEAR(spread.coefficients[0].standardError, 1179.13212, 1e-4);
    EXPECT_NEAR(spread.coefficients[1].standardError, 0.00418392064, 1e-10);
    EXPECT_NEAR(spread.tQuantile, 2.570581835636314, 1e-12);
    EXPECT_DOUBLE_EQ(spread.coefficients[0].high - spread.coefficients[0].value,
                     spread.tQuantile * spread.coefficients[0].standardError);

    Shared.FitMode = FitLinearised;
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    EXPECT_EQ(Shared.CoefA, linearA);
    EXPECT_EQ(Shared.CoefB, linearB);
}

// The standard errors of a straight line by the textbook: s / sqrt(Sxx) for the slope,
// s sqrt(1/n + mean^2 / Sxx) for the intercept; with 3 points n - k = 1.
TEST(FitOnY, StraightLineErrorsAreTheClassicOnes) {
    UsePoints(std::vector<std::pair<double, double>>{{1, 1}, {2, 3}, {3, 2}});
    ChooseKind(KindPolynomial, 1);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    const FitSpread spread = SpreadOfFit();
    // Y = 1 + 0.5 X; residuals -0.5, 1, -0.5; s^2 = 1.5; Sxx = 2; mean 2.
    EXPECT_NEAR(spread.coefficients[1].standardError, std::sqrt(1.5 / 2), 1e-14);
    EXPECT_NEAR(spread.coefficients[0].standardError, std::sqrt(1.5 * (1.0 / 3 + 4.0 / 2)), 1e-14);
    EXPECT_NEAR(spread.tQuantile, 12.706204736174698, 1e-9);
    EXPECT_EQ(spread.degreesOfFreedom, 1);
}

// A refinement that fails keeps the linearised fit whole and says why.
struct Unrefined {
    const char* name;
    std::uint8_t kind;
    std::vector<std::pair<double, double>> points;
    std::uint8_t outcome;
};
class RefinementFailure : public testing::TestWithParam<Unrefined> {};
TEST_P(RefinementFailure, KeepsTheLinearisedFit) {
    const auto& c = GetParam();
    UsePoints(c.points);
    ChooseKind(c.kind);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    const double a = Shared.CoefA, b = Shared.CoefB, cc = Shared.CoefC, y = Shared.EvalResult;
    Shared.FitMode = FitOnY;
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    EXPECT_EQ(Shared.RefinementOutcome, c.outcome);
    EXPECT_EQ(Shared.CoefA, a);
    EXPECT_EQ(Shared.CoefB, b);
    EXPECT_EQ(Shared.CoefC, cc);
    EXPECT_EQ(Shared.EvalResult, y);
    EXPECT_FALSE(SpreadOfFit().onY);
}
INSTANTIATE_TEST_SUITE_P(Sets, RefinementFailure,
                         testing::Values(Unrefined{"ExtremeRangeSingular",
                                                   KindExponential,
                                                   {{1, 1}, {2, 1e300}, {3, 1}, {4, 1e-300}},
                                                   RefinementSingular},
                                         Unrefined{"ExtremeRangeOverflow",
                                                   KindExpQuadratic,
                                                   {{1, 1}, {2, 1e300}, {3, 1}, {4, 1e-300}},
                                                   RefinementOutOfRange}),
                         [](const auto& info) { return info.param.name; });
}  // namespace
