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

#include "EngineCodes.h"
#include "FormulaKinds.h"
#include "PointSetup.h"
#include "SharedState.h"

namespace {

struct Certified {
    int degree = 0;
    bool intercept = true;
    std::vector<double> coefficients;  // B0..Bd, or B1..Bd without intercept
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
                double value;
                words >> name >> value;
                if (name.size() > 1 && name[0] == 'B') c.coefficients.push_back(value);
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
        std::printf("%-10s %5.1f digits\n", name.c_str(), digits);
        ASSERT_TRUE(DigitFloor.count(name)) << name << " has no floor yet: " << digits;
        EXPECT_GE(digits, DigitFloor.at(name)) << name;
        ++sets;
    }
    EXPECT_EQ(sets, static_cast<int>(DigitFloor.size()));
}

}  // namespace
