// Accuracy against certified reference fits (linear least squares data sets with
// published coefficients): the number of correct significant digits this method
// reaches, kept as a floor that a regression in the solver would break.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "Comparison.h"
#include "EngineCodes.h"
#include "FormulaKinds.h"
#include "PointSetup.h"
#include "SharedState.h"
#include "Uncertainty.h"

namespace {

struct Certified {
    int degree = 0;
    bool intercept = true;
    std::vector<double> coefficients;  // B0..Bd, or B1..Bd without intercept
    std::vector<double> deviations;    // their certified standard deviations
    std::vector<TypedPoint> points;
};

Certified Load(const std::filesystem::path& file) {
    Certified c;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        std::istringstream words(line);
        if (line[0] == '#') {
            std::string hash, key;
            words >> hash >> key;
            if (key == "degree:") words >> c.degree;
            if (key == "intercept:") {
                std::string answer;
                words >> answer;
                c.intercept = answer == "yes";
            }
            if (key == "certified") {
                std::string name;
                double value = 0, deviation = 0;
                words >> name >> value >> deviation;
                if (name.size() > 1 && (name[0] == 'B' || name[0] == 'b')) {
                    c.coefficients.push_back(value);
                    c.deviations.push_back(deviation);
                }
            }
            continue;
        }
        TypedPoint p;
        words >> p.x >> p.y;
        c.points.push_back(p);
    }
    return c;
}

double LogRelativeError(double estimate, double certified) {
    if (estimate == certified) return 15;
    double error = certified == 0 ? std::fabs(estimate)
                                  : std::fabs(estimate - certified) / std::fabs(certified);
    return std::min(15.0, -std::log10(error));
}

// Digits this method attains on each set (the smallest over its coefficients), less
// half a digit of margin for other compilers' libm.
const std::map<std::string, double> DigitFloor = {
    {"NoInt1", 14.0},  {"NoInt2", 14.5},  {"Norris", 11.5},
    {"Pontius", 11.0}, {"Wampler1", 7.0}, {"Wampler2", 9.0},
};

TEST(CertifiedData, EverySetFitsToItsDigitFloor) {
    const std::filesystem::path folder = APPROX_TEST_DATA "/strd";
    int sets = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".txt") continue;
        const std::string name = entry.path().stem().string();
        Certified c = Load(entry.path());
        ASSERT_GE(c.points.size(), 3u) << name;
        ASSERT_LE(c.points.size(), 40u) << name;
        UsePoints(c.points);
        ChooseKind(c.intercept ? KindPolynomial : KindPolynomialNoFree,
                   static_cast<std::int16_t>(c.degree));
        ASSERT_EQ(RunGuardedComputation(), FailNone) << name;
        double digits = 15;
        for (std::size_t k = 0; k < c.coefficients.size(); ++k)
            digits =
                std::min(digits, LogRelativeError(Shared.FitMatrix[0][k + 1], c.coefficients[k]));
        // The standard errors to three digits at least; where the certificate's are 0
        // (exact data) they must vanish beside the coefficient.
        const FitSpread spread = SpreadOfFit();
        double errorDigits = 15;
        for (std::size_t k = 0; k < c.coefficients.size(); ++k)
            errorDigits = std::min(
                errorDigits,
                c.deviations[k] == 0
                    ? LogRelativeError(c.coefficients[k] + spread.coefficients[k].standardError,
                                       c.coefficients[k])
                    : LogRelativeError(spread.coefficients[k].standardError, c.deviations[k]));
        EXPECT_GE(errorDigits, 3) << name;
        std::printf("%-10s %5.1f digits, standard errors %4.1f\n", name.c_str(), digits,
                    errorDigits);
        ASSERT_TRUE(DigitFloor.count(name)) << name << " has no floor yet: " << digits;
        EXPECT_GE(digits, DigitFloor.at(name)) << name;
        ++sets;
    }
    EXPECT_EQ(sets, static_cast<int>(DigitFloor.size()));
}

// Least squares on Y of the power form, from the linearised start: the certified
// coefficients to six digits at least, their standard errors to three.
TEST(CertifiedData, PowerFormOnY) {
    const Certified c = Load(APPROX_TEST_DATA "/strd-nonlinear/DanWood.txt");
    UsePoints(c.points);
    ChooseKind(KindPowerX);
    Shared.FitMode = FitOnY;
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    ASSERT_EQ(Shared.RefinementOutcome, RefinementDone);
    const FitSpread spread = SpreadOfFit();
    ASSERT_TRUE(spread.onY && spread.computed);
    EXPECT_EQ(spread.degreesOfFreedom, 4);
    EXPECT_GE(LogRelativeError(Shared.CoefB, c.coefficients[0]), 6);  // b1
    EXPECT_GE(LogRelativeError(Shared.CoefA, c.coefficients[1]), 6);  // b2
    EXPECT_GE(LogRelativeError(spread.coefficients[1].standardError, c.deviations[0]), 3);
    EXPECT_GE(LogRelativeError(spread.coefficients[0].standardError, c.deviations[1]), 3);
    EXPECT_GE(LogRelativeError(spread.residualSum, 4.3173084083E-03), 6);
}

// The comparison on DanWood's six points, on Y: the criterion of the normal likelihood
// with the error variance counted (K = k + 1), as R's logLik gives it, recomputed by
// hand from the certified residual sum of squares (the power law) and from numpy's
// least squares (the log-quadratic, RSS 7.610392685187397e-4). The power law, which
// the certificate fits, ranks first with most of the weight.
TEST(CertifiedData, ComparisonRanksThePowerLawFirst) {
    const Certified c = Load(APPROX_TEST_DATA "/strd-nonlinear/DanWood.txt");
    UsePoints(c.points);
    Shared.FitMode = FitOnY;
    const std::vector<ComparedFit> fits = CompareFormulas();
    ASSERT_FALSE(fits.empty());
    EXPECT_EQ(fits[0].kind, KindPowerX);
    ASSERT_TRUE(fits[0].aicc && fits[0].weight);
    EXPECT_NEAR(*fits[0].aicc, -8.394033164145974, 1e-7);
    EXPECT_GT(*fits[0].weight, 0.89);
    for (const ComparedFit& f : fits)
        if (f.kind == KindLogQuadratic) {
            ASSERT_TRUE(f.aicc);
            EXPECT_NEAR(*f.aicc, 11.19175198172811, 1e-7);
        }
}

}  // namespace
