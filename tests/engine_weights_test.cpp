// Fits to points with uncertainties sigma against independent answers
// (tests/weights/references.py writes them: SciPy's curve_fit under both conventions,
// its minimum polished), and the property that equal sigmas change nothing where the fit is on Y.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "EngineCodes.h"
#include "FormulaKinds.h"
#include "PointSetup.h"
#include "PointTable.h"
#include "SharedState.h"
#include "Uncertainty.h"

namespace {

struct Measured {
    std::vector<double> x, y, sigma;
};

const Measured Line = {{1, 2, 3, 4, 5, 6, 7, 8},
                       {2.1, 3.9, 6.2, 7.8, 10.3, 11.7, 14.2, 15.8},
                       {0.2, 0.3, 0.3, 0.5, 0.4, 0.8, 0.6, 1.2}};
const Measured Quadratic = {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
                            {1.1, 1.9, 5.2, 9.8, 17.3, 25.7, 37.9, 49.1, 65.8, 81.2},
                            {0.1, 0.1, 0.2, 0.3, 0.5, 0.6, 1.0, 1.1, 1.6, 2.0}};
const Measured Exponential = {{0, 1, 2, 3, 4, 5, 6},
                              {2.9, 4.6, 7.8, 12.1, 21.4, 33.0, 57.5},
                              {0.2, 0.3, 0.5, 0.8, 1.5, 2.5, 4.0}};

// The points as a file with a column "σ" holds them, read as the program reads one.
void UseMeasured(const Measured& m) {
    std::string text = "X\tY\tσ\n";
    for (std::size_t i = 0; i < m.x.size(); ++i)
        text += std::to_string(m.x[i]) + "\t" + std::to_string(m.y[i]) + "\t" +
                std::to_string(m.sigma[i]) + "\n";
    UsePoints(std::vector<std::pair<double, double>>{{0, 0}, {1, 1}, {2, 2}});
    const PointTable table = ReadPointTable(text);
    ASSERT_EQ(table.error, "");
    ASSERT_TRUE(table.withSigma);
    ReplacePointsWith(table);
}

// One line of tests/data/weights/references.txt: the fit, the convention, each
// coefficient's value and standard error, chi^2.
struct WeightCase {
    std::string fit, convention;
    std::vector<double> valuesAndErrors;
    double chiSquare = 0;
};

std::vector<WeightCase> References() {
    std::ifstream in(APPROX_TEST_DATA "/weights/references.txt");
    std::vector<WeightCase> cases;
    for (std::string line; std::getline(in, line);) {
        std::istringstream cells(line);
        WeightCase c;
        cells >> c.fit >> c.convention;
        for (double v; cells >> v;) c.valuesAndErrors.push_back(v);
        c.chiSquare = c.valuesAndErrors.back();
        c.valuesAndErrors.pop_back();
        cases.push_back(c);
    }
    return cases;
}

TEST(WeightedFit, AgreesWithTheReferences) {
    const std::vector<WeightCase> cases = References();
    ASSERT_EQ(cases.size(), 8u) << "tests/data/weights/references.txt";
    for (const WeightCase& c : cases) {
        SCOPED_TRACE(c.fit + " " + c.convention);
        if (c.fit == "line") {
            UseMeasured(Line);
            ChooseKind(KindPolynomial, 1);
        } else if (c.fit == "quadratic") {
            UseMeasured(Quadratic);
            ChooseKind(KindPolynomial, 2);
        } else {
            UseMeasured(Exponential);
            ChooseKind(KindExponential);
            if (c.fit == "exponential_on_y") Shared.FitMode = FitOnY;
        }
        Shared.SigmaConvention = c.convention == "absolute" ? SigmaAbsolute : SigmaRelative;
        ASSERT_EQ(RunGuardedComputation(), FailNone);
        const FitSpread spread = SpreadOfFit();
        ASSERT_EQ(spread.coefficients.size() * 2, c.valuesAndErrors.size());
        // The refinement's minimum holds about ten digits; the linear fits all of them.
        const double digits = c.fit == "exponential_on_y" ? 1e-8 : 1e-11;
        for (std::size_t k = 0; k < spread.coefficients.size(); ++k) {
            const double value = c.valuesAndErrors[2 * k], error = c.valuesAndErrors[2 * k + 1];
            EXPECT_NEAR(spread.coefficients[k].value, value, digits * std::fabs(value)) << k;
            EXPECT_NEAR(spread.coefficients[k].standardError, error, 1e3 * digits * error) << k;
        }
        EXPECT_NEAR(spread.chiSquare, c.chiSquare, digits * c.chiSquare);
        EXPECT_TRUE(spread.weighted);
    }
}

// The coefficients and their errors of the fit on display.
std::vector<std::pair<double, double>> Figures() {
    std::vector<std::pair<double, double>> figures;
    for (const CoefficientSpread& c : SpreadOfFit().coefficients)
        figures.push_back({c.value, c.standardError});
    return figures;
}

// Equal sigmas weigh every point alike: for every fit on Y (the kinds whose
// linearisation leaves Y, and the refinement) the coefficients and, as relative
// weights, their errors are those without sigma, on many random sets.
TEST(EqualSigmas, ChangeNoFitOnY) {
    std::mt19937 random(20261209);
    std::uniform_real_distribution<double> noise(-0.3, 0.3), scale(0.01, 100);
    struct Fit {
        std::uint8_t kind;
        std::int16_t degree;
        bool onY;
    };
    const Fit fits[] = {{KindPolynomial, 1, false},       {KindPolynomial, 3, false},
                        {KindPolynomialNoFree, 2, false}, {KindHyperbolic, 0, false},
                        {KindLogarithmic, 0, false},      {KindExpShifted, 0, false},
                        {KindLogQuadratic, 0, false},     {KindSine, 0, false},
                        {KindExponential, 0, true},       {KindPowerX, 0, true},
                        {KindReciprocalLinear, 0, true}};
    for (int set = 0; set < 20; ++set) {
        Measured m;
        for (int i = 1; i <= 9; ++i) {
            m.x.push_back(0.5 * i + noise(random));
            m.y.push_back(std::exp(0.3 * m.x.back()) * (1 + 0.1 * noise(random)));
        }
        m.sigma.assign(m.x.size(), scale(random));
        for (const Fit& f : fits) {
            UseMeasured(m);
            Shared.SigmaPresent = false;
            ChooseKind(f.kind, f.degree);
            Shared.FitMode = f.onY ? FitOnY : FitLinearised;
            ASSERT_EQ(RunGuardedComputation(), FailNone);
            const auto plain = Figures();
            Shared.SigmaPresent = true;
            ASSERT_EQ(RunGuardedComputation(), FailNone);
            const auto weighed = Figures();
            for (std::size_t k = 0; k < plain.size(); ++k) {
                EXPECT_NEAR(weighed[k].first, plain[k].first, 1e-14 * std::fabs(plain[k].first))
                    << "set " << set << " kind " << int(f.kind) << " coefficient " << k;
                EXPECT_NEAR(weighed[k].second, plain[k].second, 1e-13 * plain[k].second)
                    << "set " << set << " kind " << int(f.kind) << " error " << k;
            }
        }
    }
}

}  // namespace
