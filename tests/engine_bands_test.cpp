// The confidence and prediction bands and Y at X with its intervals, against
// independent answers (tests/bands/references.py): the textbook formulas for a line
// and a cubic, the delta method on an exponential fitted on Y, and the band of ln Y
// carried back by e^W for its linearised fit.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "Bands.h"
#include "EngineCodes.h"
#include "FormulaKinds.h"
#include "PointSetup.h"
#include "SharedState.h"

namespace {

struct BandCase {
    const char* fit;
    double x, y, seMean, confidenceLow, confidenceHigh, predictionLow, predictionHigh;
};

void PrintTo(const BandCase& c, std::ostream* out) { *out << c.fit << " at " << c.x; }

using Points = std::vector<std::pair<double, double>>;

// The fits the references name: points, kind, degree, mode.
void MakeFit(const std::string& fit) {
    const Points line = {{1, 2.1}, {2, 3.9}, {3, 6.2}, {4, 7.8}, {5, 10.1}, {6, 12.2}};
    const Points cubic = {{0, 1.2},  {1, 2.9},  {2, 3.1},  {3, 4.8},  {4, 7.7},
                          {5, 12.1}, {6, 18.0}, {7, 27.4}, {8, 38.2}, {9, 52.9}};
    const Points exponential = {{0, 2938},   {10, 7354},  {20, 11900}, {30, 17000},
                                {40, 47200}, {50, 79100}, {60, 119600}};
    if (fit == "Line") {
        UsePoints(line);
        ChooseKind(KindPolynomial, 1);
    } else if (fit == "Cubic") {
        UsePoints(cubic);
        ChooseKind(KindPolynomial, 3);
    } else {
        UsePoints(exponential);
        ChooseKind(KindExponential);
        if (fit == "ExponentialOnY") Shared.FitMode = FitOnY;
    }
    ASSERT_EQ(RunGuardedComputation(), FailNone);
}

class Bands : public testing::TestWithParam<BandCase> {};

TEST_P(Bands, AtXAsTheReferenceHasThem) {
    const BandCase& c = GetParam();
    MakeFit(c.fit);
    const BandsAtX b = BandsAt(SpreadOfFit(), c.x);
    // The refinement's minimum holds about ten digits; the linear fits all of them.
    const double digits = std::string(c.fit) == "ExponentialOnY" ? 1e-7 : 1e-10;
    const std::pair<double, double> figures[] = {{b.y, c.y},
                                                 {b.seMean, c.seMean},
                                                 {b.confidence.low, c.confidenceLow},
                                                 {b.confidence.high, c.confidenceHigh},
                                                 {b.prediction.low, c.predictionLow},
                                                 {b.prediction.high, c.predictionHigh}};
    for (const auto& [got, want] : figures) EXPECT_NEAR(got, want, digits * std::fabs(want));
}

INSTANTIATE_TEST_SUITE_P(
    References, Bands,
    testing::Values(
        BandCase{"Line", 0.0, -0.01999999999999958, 0.1665332799572914, -0.4823705099899546,
                 0.4423705099899555, -0.6985743923977897, 0.6585743923977906},
        BandCase{"Line", 3.5, 7.050000000000003, 0.07302967433402242, 6.847237118161118,
                 7.252762881838889, 6.513539839539537, 7.58646016046047},
        BandCase{"Line", 10.0, 20.18000000000001, 0.28738558800064584, 19.382089690891227,
                 20.977910309108793, 19.240139596061354, 21.119860403938667},
        BandCase{"Cubic", 2.5, 4.016021270396262, 0.22222186413097272, 3.4722639574706577,
                 4.559778583321867, 2.9238677239699955, 5.108174816822529},
        BandCase{"Cubic", 12.0, 120.41939393939359, 2.3437352131497007, 114.6844804703918,
                 126.15430740839537, 114.60679040478455, 126.23199747400263},
        BandCase{"ExponentialOnY", 25.0, 19172.22384162675, 2489.8158010392826, 12771.94856939489,
                 25572.499113858612, 3387.5800786968975, 34956.8676045566},
        BandCase{"ExponentialOnY", 70.0, 209294.55305107794, 15420.716583258974, 169654.33910965672,
                 248934.76699249915, 167109.98221666145, 251479.12388549442},
        BandCase{"ExponentialLinearised", 25.0, 15611.326239677624, 1059.5345560028265,
                 13112.058674104024, 18586.975014303054, 9654.305758109671, 25244.022000952933},
        BandCase{"ExponentialLinearised", 70.0, 249636.76970721813, 36753.98323925014,
                 170978.97086963602, 364480.59356591746, 138890.9875339593, 448686.5411236101}));

// Y=1/(A*X+B) fitted linearised: where the band of 1/Y holds 0, Y's band is not
// computed, never shown as a huge figure or crossing the pole.
TEST(BandsOfAReciprocal, AreNoneWhereTheyWouldCrossThePole) {
    UsePoints(Points{{1, 1.1}, {2, 0.48}, {3, 0.36}, {4, 0.24}, {5, 0.21}});
    ChooseKind(KindReciprocalLinear);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
    const FitSpread spread = SpreadOfFit();
    const BandsAtX inside = BandsAt(spread, 3);
    EXPECT_LT(inside.confidence.low, inside.y);
    EXPECT_GT(inside.confidence.high, inside.y);
    EXPECT_GT(inside.prediction.low, 0);
    const BandsAtX far = BandsAt(spread, -1e3);
    EXPECT_TRUE(std::isnan(far.prediction.low) || far.prediction.low < far.prediction.high);
}

}  // namespace
