// Least squares on Y against independent references: SciPy's least_squares on noisy
// sets of the six refined kinds (tests/refinement/references.py), the certified
// nonlinear sets, and the same data in other units; poles kept out of the data.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "EngineCodes.h"
#include "FormulaKinds.h"
#include "PointSetup.h"
#include "SharedState.h"
#include "Uncertainty.h"

namespace {

struct RefinedCase {
    const char* name;
    std::uint8_t kind;
    std::vector<TypedPoint> points;
    std::vector<double> coefficients;    // A, B (, C)
    std::vector<double> standardErrors;  // s^2 (J^T J)^-1, as curve_fit gives them
    std::vector<int> yPower;             // each coefficient goes with Y to this power
};

void PrintTo(const RefinedCase& c, std::ostream* out) { *out << c.name; }

std::vector<double> Shown() {
    std::vector<double> shown = {Shared.CoefA, Shared.CoefB};
    if (NamedCoefficientCount(Shared.FormulaKind) == 3) shown.push_back(Shared.CoefC);
    return shown;
}

class OnY : public testing::TestWithParam<RefinedCase> {};

TEST_P(OnY, MatchesTheReferenceInAnyUnitOfY) {
    const RefinedCase& c = GetParam();
    for (const int exponent : {0, 13, -15, 50, -50}) {
        std::vector<TypedPoint> points = c.points;
        for (TypedPoint& p : points) p.y += exponent ? "e" + std::to_string(exponent) : "";
        UsePoints(points);
        ChooseKind(c.kind);
        Shared.FitMode = FitOnY;
        ASSERT_EQ(RunGuardedComputation(), FailNone);
        ASSERT_EQ(Shared.RefinementOutcome, RefinementDone) << "Y in units of 1e" << exponent;
        const FitSpread spread = SpreadOfFit();
        const std::vector<double> shown = Shown();
        for (std::size_t k = 0; k < shown.size(); ++k) {
            const double scale = std::pow(10.0, exponent * c.yPower[k]);
            const double want = c.coefficients[k] * scale, error = c.standardErrors[k] * scale;
            EXPECT_NEAR(shown[k], want, 1e-8 * std::fabs(want))
                << "coefficient " << k << ", Y in units of 1e" << exponent;
            EXPECT_NEAR(spread.coefficients[k].standardError, error, 1e-6 * error)
                << "standard error " << k << ", Y in units of 1e" << exponent;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Noisy, OnY,
    testing::Values(RefinedCase{"PowerX",
                                3,
                                {{"1.0", "2.06"},
                                 {"2.0", "5.37401"},
                                 {"3.0", "10.6002"},
                                 {"4.0", "16.64"},
                                 {"5.0", "21.6899"},
                                 {"6.0", "29.0999"},
                                 {"7.0", "38.8925"},
                                 {"8.0", "43.4446"},
                                 {"9.0", "54.54"},
                                 {"10.0", "61.9806"}},
                                {1.4737274992918212, 2.099900534441932},
                                {0.037799362987091106, 0.16752134518698886},
                                {0, 1}},
                    RefinedCase{"PowerA",
                                4,
                                {{"0.0", "3.09"},
                                 {"1.0", "3.705"},
                                 {"2.0", "5.1714"},
                                 {"3.0", "6.85464"},
                                 {"4.0", "8.31125"},
                                 {"5.0", "11.0274"},
                                 {"6.0", "15.2044"},
                                 {"7.0", "18.0716"},
                                 {"8.0", "24.7166"},
                                 {"9.0", "31.1772"}},
                                {1.294635981184413, 3.0710934285009666},
                                {0.006424025324364361, 0.118550606121439},
                                {0, 1}},
                    RefinedCase{"ReciprocalLinear",
                                6,
                                {{"1.0", "0.412"},
                                 {"2.0", "0.316667"},
                                 {"3.0", "0.291429"},
                                 {"4.0", "0.26"},
                                 {"5.0", "0.215556"},
                                 {"6.0", "0.198"},
                                 {"7.0", "0.190909"},
                                 {"8.0", "0.16"},
                                 {"9.0", "0.155385"},
                                 {"10.0", "0.14"}},
                                {0.5083736546443164, 1.9651033882076532},
                                {0.021283076178169262, 0.063384035883802},
                                {-1, -1}},
                    RefinedCase{"Rational",
                                7,
                                {{"0.02", "52.1001"},
                                 {"0.06", "97.6946"},
                                 {"0.11", "137.076"},
                                 {"0.22", "171.298"},
                                 {"0.56", "185.128"},
                                 {"1.1", "198.978"},
                                 {"0.04", "85.8156"},
                                 {"0.3", "168.244"}},
                                {0.004802748010356325, 0.00028851470169688026},
                                {9.244075525995281e-05, 1.7399277442068692e-05},
                                {-1, -1}},
                    RefinedCase{"Exponential",
                                10,
                                {{"0.0", "5.15"},
                                 {"0.5", "5.51871"},
                                 {"1.0", "6.88428"},
                                 {"1.5", "8.15522"},
                                 {"2.0", "8.83728"},
                                 {"2.5", "10.4792"},
                                 {"3.0", "12.9129"},
                                 {"3.5", "13.7167"},
                                 {"4.0", "16.7666"},
                                 {"4.5", "18.9014"}},
                                {5.072267123019798, 0.29426185780156855},
                                {0.15227466179568375, 0.008525657910652908},
                                {1, 0}},
                    RefinedCase{"ExpQuadratic",
                                12,
                                {{"-5.5", "0.151103"},
                                 {"-4.5", "0.28065"},
                                 {"-3.5", "0.549059"},
                                 {"-2.5", "0.922994"},
                                 {"-1.5", "1.28427"},
                                 {"-0.5", "1.76932"},
                                 {"0.5", "2.29203"},
                                 {"1.5", "2.31596"},
                                 {"2.5", "2.43659"},
                                 {"3.5", "2.13923"},
                                 {"4.5", "1.84975"},
                                 {"5.5", "1.30413"}},
                                {1.9998595274368365, 0.19827616399388534, -0.0495619560337074},
                                {0.028747618708613712, 0.007716026391271903, 0.0019181572291223593},
                                {1, 0, 0}}),
    [](const auto& info) { return info.param.name; });

// The certified Gaussian peak (NIST Eckerle4), X centred at 450 as its header says, as
// Y=A*Exp(B*X+C*(X^2)): C = -1/(2 b2^2) and B = (b3 - 450)/b2^2; the same with X in
// units a million times smaller.
TEST(OnYCertified, GaussianPeakInAnyUnitOfX) {
    std::ifstream in(APPROX_TEST_DATA "/strd-nonlinear/Eckerle4.txt");
    std::vector<std::pair<double, double>> raw;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        double x = 0, y = 0;
        fields >> x >> y;
        raw.emplace_back(x, y);
    }
    ASSERT_EQ(raw.size(), 35u);
    const double b2 = 4.0888321754E+00, b3 = 4.5154121844E+02;
    for (const double unit : {1.0, 1e6}) {
        std::vector<std::pair<double, double>> centred;
        for (const auto& [x, y] : raw) centred.emplace_back((x - 450) * unit, y);
        UsePoints(centred);
        ChooseKind(KindExpQuadratic);
        Shared.FitMode = FitOnY;
        ASSERT_EQ(RunGuardedComputation(), FailNone);
        ASSERT_EQ(Shared.RefinementOutcome, RefinementDone) << "unit " << unit;
        EXPECT_NEAR(Shared.CoefC * unit * unit, -1 / (2 * b2 * b2), 1e-8) << "unit " << unit;
        EXPECT_NEAR(Shared.CoefB * unit, (b3 - 450) / (b2 * b2), 1e-8) << "unit " << unit;
        EXPECT_NEAR(SpreadOfFit().residualSum, 1.4635887487E-03, 1e-12);
    }
    // Y=1/(A*X+B) on the raw peak: a minimum with its pole between 400 and 500 is no fit;
    // the one found keeps the pole out. Y=X/(A*X+B) starts with its pole inside.
    UsePoints(raw);
    ChooseKind(KindReciprocalLinear);
    Shared.FitMode = FitOnY;
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    ASSERT_EQ(Shared.RefinementOutcome, RefinementDone);
    const double pole = -Shared.CoefB / Shared.CoefA;
    EXPECT_FALSE(pole > 400 && pole < 500) << pole;
    EXPECT_NEAR(SpreadOfFit().residualSum, 0.4983266941651, 1e-9);
    ChooseKind(KindRational);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    EXPECT_EQ(Shared.RefinementOutcome, RefinementPoleInside);
}

}  // namespace

namespace {
// The puromycin rates under Y=A*Exp(B*X) on Y, in three units of Y: the same minimum,
// A scaled and B as it is, to nine digits (the trust region alone stops some nine
// digits short, differently in each unit).
TEST(OnYUnits, PuromycinAgreesToNineDigits) {
    const char* const x[] = {"0.02", "0.02", "0.06", "0.06", "0.11", "0.11",
                             "0.22", "0.22", "0.56", "0.56", "1.10", "1.10"};
    const char* const y[] = {"76",  "47",  "97",  "107", "123", "139",
                             "159", "152", "191", "201", "207", "200"};
    std::vector<std::pair<double, double>> fits;
    for (const char* unit : {"", "e13", "e-15"}) {
        std::vector<TypedPoint> points;
        for (int i = 0; i < 12; ++i) points.push_back({x[i], std::string(y[i]) + unit});
        UsePoints(points);
        ChooseKind(KindExponential);
        Shared.FitMode = FitOnY;
        ASSERT_EQ(RunGuardedComputation(), FailNone);
        ASSERT_EQ(Shared.RefinementOutcome, RefinementDone) << "unit " << unit;
        fits.emplace_back(Shared.CoefA, Shared.CoefB);
    }
    EXPECT_NEAR(fits[1].first / 1e13, fits[0].first, 1e-9 * fits[0].first);
    EXPECT_NEAR(fits[2].first / 1e-15, fits[0].first, 1e-9 * fits[0].first);
    EXPECT_NEAR(fits[1].second, fits[0].second, 1e-9 * fits[0].second);
    EXPECT_NEAR(fits[2].second, fits[0].second, 1e-9 * fits[0].second);
}
}  // namespace
