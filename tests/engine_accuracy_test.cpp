// Every fit the solver shows holds six digits of the exact least-squares solution,
// every exactly dependent set is refused, and no set far from dependence is: thousands
// of random and adversarial sets against their exact solutions, computed once in
// rational arithmetic, and the condition of their columns, computed once by numpy.
#include <gtest/gtest.h>

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>

#include "AccuracySets.h"
#include "EngineCodes.h"
#include "Fit.h"
#include "PointSetup.h"
#include "ReferenceSolution.h"
#include "SharedState.h"
#include "Solver.h"

namespace {

struct ExactSolution {
    std::uint64_t fingerprint = 0;
    bool dependent = false;
    std::vector<long double> s;
    double condition = 0;  // of the basis columns scaled to unit norm
};

std::map<int, ExactSolution> ReadExactSolutions() {
    std::map<int, ExactSolution> solutions;
    std::ifstream in(APPROX_TEST_DATA "/accuracy/exact.txt");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        int number = 0;
        std::string fingerprint, figure;
        fields >> number >> fingerprint;
        ExactSolution& exact = solutions[number];
        exact.fingerprint = std::stoull(fingerprint, nullptr, 16);
        while (fields >> figure) {
            if (figure == "dependent")
                exact.dependent = true;
            else
                exact.s.push_back(std::strtold(figure.c_str(), nullptr));
        }
    }
    std::ifstream conditions(APPROX_TEST_DATA "/accuracy/conditions.txt");
    int number = 0;
    std::string condition;
    while (conditions >> number >> condition)
        solutions[number].condition = std::strtod(condition.c_str(), nullptr);
    return solutions;
}

// Columns whose condition is below this are far from dependence for the rank test:
// a last pivot of at most n m epsilon times the first means a condition of at least
// 1 / (n m epsilon); the factor 4 covers the rounding of both figures.
bool FarFromDependence(double condition, int n, int m) {
    return condition < 0.25 / (n * m * std::numeric_limits<double>::epsilon());
}

// -log10 of max_k |c_k - r_k| |a_k| / max_k |r_k| |a_k|, in long double, whose range
// holds every product of a double coefficient and a column norm.
double CorrectDigits(const std::vector<long double>& exact,
                     const std::array<long double, MaxUnknowns + 1>& norms,
                     const std::array<double, MaxUnknowns + 1>& c) {
    long double difference = 0, size = 0;
    for (std::size_t k = 0; k < exact.size(); ++k) {
        difference = std::max(difference, std::fabs(c[k + 1] - exact[k]) * norms[k + 1]);
        size = std::max(size, std::fabs(exact[k]) * norms[k + 1]);
    }
    if (difference == 0) return 17;
    return static_cast<double>(-std::log10(difference / size));
}

TEST(Accuracy, ShownFitsHoldSixDigitsAndOnlyDependentSetsAreRefused) {
    const auto solutions = ReadExactSolutions();
    ASSERT_GT(solutions.size(), AccuracySetCount * 3 / 4) << "tests/data/accuracy/exact.txt";
    int shown = 0, nearRefused = 0, dependent = 0, byStable = 0, inQuad = 0, far = 0;
    double fewestDigits = 17;
    for (const auto& [number, exact] : solutions) {
        const AccuracySet set = MakeAccuracySet(number);
        UsePoints(set.points);
        ChooseKind(set.kind, set.degree);
        ASSERT_TRUE(BuildFitRows()) << "set " << number;
        ASSERT_EQ(ProblemFingerprint(), exact.fingerprint)
            << "set " << number << ": the linear problem differs from the stored one; "
            << "rebuild tests/data/accuracy/exact.txt (see tests/accuracy/exact-solutions.py)";
        ASSERT_GT(exact.condition, 0) << "set " << number << " has no stored condition";
        const int n = Shared.PointCount, m = Shared.UnknownCount;
        std::array<long double, MaxUnknowns + 1> norms{};
        ProblemColumns columns{};
        for (int k = 0; k <= m; ++k) {
            long double sum = 0;
            for (int i = 1; i <= n; ++i) {
                sum += static_cast<long double>(Shared.FitMatrix[i][k]) * Shared.FitMatrix[i][k];
                columns[i][k] = Shared.FitMatrix[i][k];
            }
            norms[k] = std::sqrt(sum);
        }
        SolveNormalEquations(static_cast<std::int16_t>(n), static_cast<std::int16_t>(m));
        const std::uint8_t code = Shared.ComputationFailed;
        const std::string what = "set " + std::to_string(number) + " (" + set.family + ", kind " +
                                 std::to_string(set.kind) + ", degree " +
                                 std::to_string(set.degree) + ", " + std::to_string(n) +
                                 " points, condition " + std::to_string(exact.condition) + ")";
        if (exact.dependent) {
            ++dependent;
            EXPECT_EQ(code, FailDivision) << what << " has exactly dependent columns";
            continue;
        }
        const bool farFromDependence = FarFromDependence(exact.condition, n, m);
        far += farFromDependence;
        if (code != FailNone) {
            EXPECT_FALSE(farFromDependence) << what << " is refused with code " << int(code);
            ++nearRefused;
            continue;
        }
        ++shown;
        std::array<double, MaxUnknowns + 1> solution{};
        for (int k = 1; k <= m; ++k) solution[k] = Shared.FitMatrix[0][k];
        const double digits = CorrectDigits(exact.s, norms, solution);
        EXPECT_GE(digits, 6) << what;
        fewestDigits = std::min(fewestDigits, digits);
        const ReferenceSolution reference = SolveByPivotedQr(columns, n, m);
        inQuad += reference.outcome == ReferenceSolution::Outcome::Unvouched;
        byStable +=
            reference.outcome == ReferenceSolution::Outcome::Solved && solution == reference.s;
    }
    std::printf(
        "%d sets shown (%d by the stable solution in doubles, %d judged in quadruple "
        "precision; fewest digits %.1f), %d far from dependence; %d refused near the rank "
        "threshold, %d dependent\n",
        shown, byStable, inQuad, fewestDigits, far, nearRefused, dependent);
}

}  // namespace
