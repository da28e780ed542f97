// fitcheck: runs the engine as the program does on a point set read from standard
// input and prints what it computed, so that the engine can be compared with
// independent implementations.
//
// Input: "KIND DEGREE", then one pair a line as "XTEXT<TAB>YTEXT" (typed texts).
// Output, numbers with %.17g: "status CODE", then "coef NAME VALUE" in the order the
// coefficient panel shows them, "point I X Y COMPUTED DEVIATION" per point after
// sorting, "mean M", "r R" and "curve COUNT". Inputs the program refuses before the
// engine, and malformed input, print a reason on standard error and exit with 2.
#include <clocale>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

#include "EngineSequence.h"
#include "Evaluate.h"
#include "FormulaChoice.h"
#include "PointSet.h"
#include "SharedState.h"

namespace {
int Refuse(const std::string& reason) {
    std::cerr << "fitcheck: " << reason << "\n";
    return 2;
}

// Reads the point set and the formula into the shared state; empty when accepted.
std::string ReadInput(std::istream& in) {
    auto& s = Shared;
    std::string line;
    if (!std::getline(in, line)) return "no first line";
    std::istringstream first(line);
    int kind = 0;
    std::string degreeText;
    if (!(first >> kind) || kind < 1 || kind > FormulaCount)
        return "the first line must start with a kind 1..13";
    first >> degreeText;
    int n = 0;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos) return "a point line without a tab";
        if (++n > MaxEnteredPoints) return "more than 40 points";
        StoreTypedValue(n, PairPart::X, line.substr(0, tab));
        StoreTypedValue(n, PairPart::Y, line.substr(tab + 1));
    }
    if (n < MinEnteredPoints) return "fewer than 3 points";
    s.PointCount = static_cast<std::int16_t>(n);
    if (kind > OfferedFormulaCount(n)) return "formulas with three coefficients need four points";
    if (!IsPolynomialKind(static_cast<std::uint8_t>(kind))) {
        s.FormulaKind = static_cast<std::uint8_t>(kind);
        return {};
    }
    switch (TakeTypedDegree(static_cast<std::uint8_t>(kind), degreeText)) {
        case DegreeVerdict::NotPositive:
            return "the degree must be 1 or more";
        case DegreeVerdict::TooManyUnknowns:
            return "too many unknowns for the points";
        case DegreeVerdict::Accepted:
            break;
    }
    return {};
}
}  // namespace

int main() {
    std::setlocale(LC_ALL, "C");
    FillFormulaTexts();
    const std::string refusal = ReadInput(std::cin);
    if (!refusal.empty()) return Refuse(refusal);
    auto& s = Shared;
    SortPointsByX();
    const std::uint8_t failed = RunEngineSequence();
    std::printf("status %d\n", failed);
    if (failed) return 0;
    const double r = CorrelationCoefficient();
    ComputeDeviations();
    if (IsPolynomialKind(s.FormulaKind)) {
        for (int i = 1; i <= s.UnknownCount; ++i)
            std::printf("coef A[%d] %.17g\n", PolynomialPower(s.FormulaKind, i), s.FitMatrix[0][i]);
    } else {
        std::printf("coef A %.17g\ncoef B %.17g\n", s.CoefA, s.CoefB);
        if (NamedCoefficientCount(s.FormulaKind) == 3) std::printf("coef C %.17g\n", s.CoefC);
    }
    for (int i = 1; i <= s.PointCount; ++i)
        std::printf("point %d %.17g %.17g %.17g %.17g\n", i, s.PointX[i], s.PointY[i],
                    s.FitMatrix[i][0], s.Deviation[i]);
    std::printf("mean %.17g\nr %.17g\ncurve %d\n", s.MeanDeviation, r, s.CurvePointCount);
    return 0;
}
