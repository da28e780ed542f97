// What the solver refuses as having no single solution, and that the refusal does
// not depend on the unit of X: the same data are fitted in metres and in kilometres.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "EngineCodes.h"
#include "Evaluate.h"
#include "Fit.h"
#include "FormulaKinds.h"
#include "PointSetup.h"
#include "SharedState.h"

namespace {

using Points = std::vector<std::pair<double, double>>;

// A dependence with its coefficients at a scale s of X: the data are the same curve
// over X = s*1 .. s*8, so its coefficients carry the unit of X as a power of s.
struct ScaledCase {
    const char* name;
    std::uint8_t kind;
    std::int16_t degree;
    std::function<double(double x, double s)> f;
    // The expected solution row (polynomials) or A, B (other kinds) at scale s.
    std::function<std::vector<double>(double s)> expected;
};

std::vector<double> Fitted(const ScaledCase& c) {
    if (IsPolynomialKind(c.kind))
        return {Shared.FitMatrix[0].begin() + 1,
                Shared.FitMatrix[0].begin() + 1 + Shared.UnknownCount};
    return {Shared.CoefA, Shared.CoefB};
}

void PrintTo(const ScaledCase& c, std::ostream* out) { *out << c.name; }

class UnitOfX : public testing::TestWithParam<ScaledCase> {};

TEST_P(UnitOfX, NeverDecidesWhetherAFitIsMade) {
    const auto& c = GetParam();
    for (int k = -12; k <= 12; ++k) {
        const double s = std::pow(10.0, k);
        Points points;
        for (int i = 1; i <= 8; ++i) points.emplace_back(s * i, c.f(s * i, s));
        UsePoints(points);
        ChooseKind(c.kind, c.degree);
        ASSERT_EQ(RunGuardedComputation(), FailNone) << "X scaled by 1e" << k;
        const std::vector<double> want = c.expected(s), got = Fitted(c);
        ASSERT_EQ(got.size(), want.size());
        for (std::size_t j = 0; j < want.size(); ++j)
            EXPECT_NEAR(got[j], want[j], 1e-6 * std::fabs(want[j]))
                << "X scaled by 1e" << k << ", coefficient " << j;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sweep, UnitOfX,
    testing::Values(
        ScaledCase{"Line", KindPolynomial, 1, [](double x, double s) { return 5 + 3 * x / s; },
                   [](double s) {
                       return std::vector<double>{5, 3 / s};
                   }},
        ScaledCase{"Quadratic", KindPolynomial, 2,
                   [](double x, double s) {
                       double u = x / s;
                       return 1 - 2 * u + 0.5 * u * u;
                   },
                   [](double s) {
                       return std::vector<double>{1, -2 / s, 0.5 / (s * s)};
                   }},
        ScaledCase{"Cubic", KindPolynomial, 3,
                   [](double x, double s) {
                       double u = x / s;
                       return 1 + 2 * u + 3 * u * u - 0.25 * u * u * u;
                   },
                   [](double s) {
                       return std::vector<double>{1, 2 / s, 3 / (s * s), -0.25 / (s * s * s)};
                   }},
        ScaledCase{"ThroughZeroLine", KindPolynomialNoFree, 1,
                   [](double x, double s) { return 4 * x / s; },
                   [](double s) { return std::vector<double>{4 / s}; }},
        ScaledCase{"ThroughZeroQuadratic", KindPolynomialNoFree, 2,
                   [](double x, double s) {
                       double u = x / s;
                       return u - u * u;
                   },
                   [](double s) {
                       return std::vector<double>{1 / s, -1 / (s * s)};
                   }},
        ScaledCase{"ThroughZeroCubic", KindPolynomialNoFree, 3,
                   [](double x, double s) {
                       double u = x / s;
                       return 2 * u + u * u + 0.1 * u * u * u;
                   },
                   [](double s) {
                       return std::vector<double>{2 / s, 1 / (s * s), 0.1 / (s * s * s)};
                   }},
        ScaledCase{"PowerX", KindPowerX, 0, [](double x, double) { return 2 * std::pow(x, 1.5); },
                   [](double) {
                       return std::vector<double>{1.5, 2};
                   }},
        ScaledCase{"Hyperbolic", KindHyperbolic, 0,
                   [](double x, double s) { return 3 * s / x + 1; },
                   [](double s) {
                       return std::vector<double>{3 * s, 1};
                   }},
        ScaledCase{"ReciprocalLinear", KindReciprocalLinear, 0,
                   [](double x, double s) { return 1 / (2 * x / s + 1); },
                   [](double s) {
                       return std::vector<double>{2 / s, 1};
                   }},
        ScaledCase{"Rational", KindRational, 0,
                   [](double x, double s) { return x / (2 * x + 3 * s); },
                   [](double s) {
                       return std::vector<double>{2, 3 * s};
                   }},
        ScaledCase{"Logarithmic", KindLogarithmic, 0,
                   [](double x, double) { return 2 * std::log(x) + 1; },
                   [](double) {
                       return std::vector<double>{2, 1};
                   }},
        ScaledCase{"Exponential", KindExponential, 0,
                   [](double x, double s) { return 2 * std::exp(0.5 * x / s); },
                   [](double s) {
                       return std::vector<double>{2, 0.5 / s};
                   }}),
    [](const auto& info) { return info.param.name; });

TEST(UnitOfX, OrdinaryUnitsThatWereOnceRefusedAreFitted) {
    // A straight line at X of a few 1e-8: Y = 2 + 3e8 X exactly.
    UsePoints(Points{{1e-8, 5}, {2e-8, 8}, {3e-8, 11}});
    ChooseKind(KindPolynomial, 1);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    EXPECT_NEAR(Shared.FitMatrix[0][1], 2, 1e-12);
    EXPECT_NEAR(Shared.FitMatrix[0][2], 3e8, 1e-12 * 3e8);

    // Frequencies in hertz with Y = A/X + B.
    Points hertz, seconds, farLeft;
    for (int i = 1; i <= 10; ++i) {
        hertz.emplace_back(1e8 * i, 3e8 / (1e8 * i) + 2);
        seconds.emplace_back(1e-9 * i, 2 * std::exp(1e8 * 1e-9 * i));
        farLeft.emplace_back(-31 + i, 2 * std::exp(-31 + i) + 1);
    }
    UsePoints(hertz);
    ChooseKind(KindHyperbolic);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    EXPECT_NEAR(Shared.CoefA, 3e8, 1e-8 * 3e8);
    UsePoints(seconds);
    ChooseKind(KindExponential);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    EXPECT_NEAR(Shared.CoefB, 1e8, 1e-8 * 1e8);
    UsePoints(farLeft);
    ChooseKind(KindExpShifted);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    EXPECT_NEAR(Shared.CoefA, 2, 1e-6);
    EXPECT_NEAR(Shared.CoefB, 1, 1e-9);
}

// Point sets whose transformed columns are dependent, made for a count of points.
struct DependentCase {
    const char* name;
    std::uint8_t kind;
    std::int16_t degree;
    int fewestPoints;
    std::function<double(int i)> x;  // X of point i (Y is i, any values would do)
};

void PrintTo(const DependentCase& c, std::ostream* out) { *out << c.name; }

class Dependent : public testing::TestWithParam<DependentCase> {};

TEST_P(Dependent, IsRefusedAtEveryCountAndScale) {
    const auto& c = GetParam();
    for (int n : {c.fewestPoints, 20, 40}) {
        for (double scale : {1e-9, 1.0, 1e9}) {
            Points points;
            for (int i = 1; i <= n; ++i) points.emplace_back(scale * c.x(i), 1 + i * 0.37);
            UsePoints(points);
            ChooseKind(c.kind, c.degree);
            EXPECT_EQ(RunGuardedComputation(), FailDivision)
                << n << " points, X scaled by " << scale;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sets, Dependent,
    testing::Values(
        DependentCase{"LineAllXEqual", KindPolynomial, 1, 3, [](int) { return 5.0; }},
        DependentCase{"PowerXAllXEqual", KindPowerX, 0, 3, [](int) { return 5.0; }},
        DependentCase{"PowerAAllXEqual", KindPowerA, 0, 3, [](int) { return 5.0; }},
        DependentCase{"HyperbolicAllXEqual", KindHyperbolic, 0, 3, [](int) { return 5.0; }},
        DependentCase{"LogarithmicAllXEqual", KindLogarithmic, 0, 3, [](int) { return 5.0; }},
        DependentCase{"ExpShiftedAllXEqual", KindExpShifted, 0, 3, [](int) { return 5e-10; }},
        DependentCase{"ExponentialAllXEqual", KindExponential, 0, 3, [](int) { return 5.0; }},
        DependentCase{"QuadraticTwoX", KindPolynomial, 2, 4,
                      [](int i) { return i % 2 ? 2.0 : 7.0; }},
        DependentCase{"LogQuadraticTwoX", KindLogQuadratic, 0, 4,
                      [](int i) { return i % 2 ? 2.0 : 7.0; }},
        DependentCase{"ExpQuadraticTwoX", KindExpQuadratic, 0, 4,
                      [](int i) { return i % 2 ? 0.2 : 0.7; }},
        DependentCase{"SineTwoX", KindSine, 0, 4, [](int i) { return i % 2 ? 2.0 : 7.0; }},
        DependentCase{"DegreeFiveFourX", KindPolynomial, 5, 7, [](int i) { return 1.0 + i % 4; }}),
    [](const auto& info) { return info.param.name; });

TEST(Solver, ThroughZeroWithOneXIsStillOneUnknown) {
    // Y = A[1]*X at a single X has its one coefficient: sum(XY) / sum(X^2).
    UsePoints(Points{{5, 1}, {5, 2}, {5, 6}});
    ChooseKind(KindPolynomialNoFree, 1);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    EXPECT_DOUBLE_EQ(Shared.FitMatrix[0][1], 45.0 / 75.0);
}

TEST(Solver, SumOfWSquaredRefusesNothing) {
    for (double sign : {-1.0, 1.0}) {
        UsePoints(Points{{1, sign * 1e200}, {2, sign * 2e200}, {3, sign * 3e200}});
        ChooseKind(KindPolynomial, 1);
        ASSERT_EQ(RunGuardedComputation(), FailNone) << sign;
        EXPECT_NEAR(Shared.FitMatrix[0][2], sign * 1e200, 1e-12 * 1e200);
    }
}

TEST(Solver, RotationRadiusBeyondTheRangeIsNoFailure) {
    // Sum of X is 1.5e154, whose square overflows in the radius g^2 + h^2; the line
    // through the points is Y = -8 + 2e-153 X.
    UsePoints(Points{{4.5e153, 1}, {5e153, 2}, {5.5e153, 3}});
    ChooseKind(KindPolynomial, 1);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    EXPECT_NEAR(Shared.FitMatrix[0][1], -8, 1e-6 * 8);
    EXPECT_NEAR(Shared.FitMatrix[0][2], 2e-153, 1e-6 * 2e-153);
}

TEST(Recover, SineNearARightAngleKeepsItsAmplitude) {
    // Y = cos X + 0.5 = sin(X + pi/2) + 0.5.
    Points points;
    for (int i = 0; i < 40; ++i) points.emplace_back(0.1 + 0.2 * i, std::cos(0.1 + 0.2 * i) + 0.5);
    UsePoints(points);
    ChooseKind(KindSine);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    EXPECT_NEAR(Shared.CoefA * std::sin(Shared.CoefB), 1, 1e-12);
    EXPECT_NEAR(Shared.CoefA, 1, 1e-12);
    EXPECT_NEAR(Shared.CoefC, 0.5, 1e-12);
}

TEST(Recover, SineWithoutSineCoefficientIsACosine) {
    Shared = SharedState{};
    Shared.FormulaKind = KindSine;
    Shared.FitMatrix[0][1] = 1;
    Shared.FitMatrix[0][2] = 0;
    Shared.FitMatrix[0][3] = 2;
    RecoverCoefficients();
    EXPECT_EQ(Shared.ComputationFailed, FailNone);
    EXPECT_DOUBLE_EQ(Shared.CoefB, std::acos(0.0));
    EXPECT_EQ(Shared.CoefA, 2);
    EXPECT_EQ(Shared.CoefC, 1);
}

}  // namespace

namespace {
// Sets that the normal equations alone got wrong, against exact rational solutions
// of the same linearised problems (Python's fractions).
TEST(Solver, WhatTheNormalEquationsAloneGotWrong) {
    // A cubic over the calendar years 1990..2029: fitted, not refused.
    Points years;
    for (int i = 0; i < 40; ++i) years.emplace_back(1990 + i, 14 + 0.018 * i - 0.00001 * i * i * i);
    UsePoints(years);
    ChooseKind(KindPolynomial, 3);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    // The exact cubic through them, shifted to X = 1990 + i: 14 - 0.00001 (X - 1990)^3 + ...
    EXPECT_NEAR(Shared.FitMatrix[0][4], -0.00001, 1e-6 * 0.00001);
    // A cubic over X = (2i - 41) 1e15, perfectly conditioned once its columns are
    // scaled: A[0] = 1 exactly (the alternation is odd in X), where the normal
    // equations alone lost the free term.
    Points wide;
    for (int i = 1; i <= 40; ++i)
        wide.emplace_back((2 * i - 41) * 1e15, 1 + (i % 2 ? 0.01 : -0.01));
    UsePoints(wide);
    ChooseKind(KindPolynomial, 3);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    EXPECT_NEAR(Shared.FitMatrix[0][1], 1, 1e-6);
}

// Ordinary research data whose columns are badly conditioned but independent: every
// one is fitted, to six digits of the exact solution of its linearised columns
// (Python's fractions on the same doubles). None is dependent, so none is refused.
struct HardCase {
    const char* name;
    std::uint8_t kind;
    std::int16_t degree;
    Points points;
    std::vector<double> exact;  // s1 .. sm
};

void PrintTo(const HardCase& c, std::ostream* out) { *out << c.name; }

Points YearsCubic() {
    const double y[] = {10.6, 11.2, 10.3, 10.9, 11.5, 10.6, 11.2, 11.8, 10.9, 11.5,
                        12.1, 11.2, 11.8, 12.4, 11.5, 12.1, 12.7, 11.8, 12.4, 13.0};
    Points points;
    for (int i = 0; i < 20; ++i) points.emplace_back(2001 + i, y[i]);
    return points;
}

Points TrendWithSine() {
    Points points;
    for (int t = 0; t < 40; ++t)
        points.emplace_back(1990 + t, 100 + 2.5 * t + 0.01 * t * t + 0.3 * std::sin(1990.0 + t));
    return points;
}

Points LineAtAnOffset() {
    Points points;
    for (int i = 1; i <= 40; ++i) points.emplace_back(1e8 + 0.01 * i, 0.5 * i + i % 3);
    return points;
}

class HardButIndependent : public testing::TestWithParam<HardCase> {};

TEST_P(HardButIndependent, IsFittedToSixDigits) {
    const HardCase& c = GetParam();
    UsePoints(c.points);
    ChooseKind(c.kind, c.degree);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    for (std::size_t k = 0; k < c.exact.size(); ++k)
        EXPECT_NEAR(Shared.FitMatrix[0][k + 1], c.exact[k], 1e-6 * std::fabs(c.exact[k]))
            << "s" << k + 1;
}

INSTANTIATE_TEST_SUITE_P(
    ResearchData, HardButIndependent,
    testing::Values(HardCase{"CubicOverTwentyYears",
                             KindPolynomial,
                             3,
                             YearsCubic(),
                             {-1559200.3639716636, 2330.028238842871, -1.1606786671398364,
                              0.00019273363599652527}},
                    HardCase{"CubicOverFortyYearsWithASine",
                             KindPolynomial,
                             3,
                             TrendWithSine(),
                             {51433.817284467004, -62.755671212557985, 0.02292260754324263,
                              -2.1858633076267007e-06}},
                    HardCase{"LineAtAnOffsetOfAHundredMillion",
                             KindPolynomial,
                             1,
                             LineAtAnOffset(),
                             {-4975609755.499641, 49.75609756549642}},
                    // X are 1 and 2 to within 4e-14: the sine and cosine columns are all but
                    // dependent, and still determined.
                    HardCase{"SineOnNearlyRepeatedX",
                             KindSine,
                             0,
                             {{1.00000000000001, 3},
                              {2.00000000000002, 1},
                              {1.00000000000003, 2},
                              {2.00000000000004, 4}},
                             {183616403723074.25, -208705653605399.2, -14800328930504.953}}),
    [](const testing::TestParamInfo<HardCase>& info) { return info.param.name; });

TEST(Solver, FitsTheSameDataInDecimalUnits) {
    // The twenty-year cubic with X in other decimal units: the coefficient of X^k
    // carries unit^-k, and nothing is refused.
    for (const double unit : {1e-6, 1e-3, 1e3, 1e12}) {
        Points points;
        for (const auto& [x, y] : YearsCubic()) points.emplace_back(x * unit, y);
        UsePoints(points);
        ChooseKind(KindPolynomial, 3);
        ASSERT_EQ(RunGuardedComputation(), FailNone) << "unit " << unit;
        EXPECT_NEAR(Shared.FitMatrix[0][4] * unit * unit * unit, 0.00019273363599652527,
                    1e-6 * 0.00019273363599652527)
            << "unit " << unit;
    }
}

TEST(Solver, NeverShowsACoefficientAsWhatItIsNot) {
    // Y=1/(A*X+B) with X and Y near 1e200: A near 1e-400 lies below every double.
    UsePoints(Points{{1e200, 1e200}, {2e200, 3e199}, {3e200, 2.1e199}, {4e200, 1.4e199}});
    ChooseKind(KindReciprocalLinear);
    EXPECT_EQ(RunGuardedComputation(), FailOverflow);
    // Y=B*(A^X) at X = 1e15 i: ln A = 1.0227788236190265e-16 rounds A to 1 exactly; the
    // curve still rises as e^(s1 + s2 X), s1 = 0.016178178907537217.
    UsePoints(Points{
        {1e15, 1.10157}, {2e15, 1.33243}, {3e15, 1.31985}, {4e15, 1.49832}, {5e15, 1.73231}});
    ChooseKind(KindPowerA);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    EXPECT_EQ(Shared.CoefA, 1);
    ComputeDeviations();
    EXPECT_NEAR(Shared.FitMatrix[1][0], 1.1257574086638138, 1e-9);
    EXPECT_NEAR(Shared.FitMatrix[5][0], 1.694804831791496, 1e-9);
}

TEST(Correlation, KeepsItsDigitsAtALargeOffset) {
    // Exact figures of the same doubles, in rational arithmetic: Y = 0.5 i + (i mod 3).
    struct Offset {
        double step;
        int count;
        double exact;
    };
    for (const Offset& o :
         {Offset{0.1, 6, 0.9438798074485389}, Offset{1, 30, 0.9833952463984295}}) {
        Points points;
        for (int i = 0; i < o.count; ++i) points.emplace_back(1e15 + o.step * i, 0.5 * i + i % 3);
        UsePoints(points);
        EXPECT_NEAR(CorrelationCoefficient(), o.exact, 1e-6 * o.exact) << "step " << o.step;
    }
}
}  // namespace
