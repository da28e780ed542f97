#include "PointSetup.h"

#include <charconv>

#include "EngineCodes.h"
#include "Evaluate.h"
#include "Fit.h"
#include "NumberText.h"
#include "PointSet.h"
#include "SharedState.h"

namespace {
std::string ShortestText(double v) {
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, v);
    (void)error;
    return std::string(buffer, end);
}
}  // namespace

void UsePoints(const std::vector<TypedPoint>& points) {
    Shared = SharedState{};
    FillFormulaTexts();
    SetColourSettings();
    int i = 0;
    for (const auto& p : points) {
        ++i;
        Shared.PointXText[i] = NormalizeNumberText(p.x);
        Shared.PointX[i] = NumberValue(Shared.PointXText[i]);
        Shared.PointYText[i] = NormalizeNumberText(p.y);
        Shared.PointY[i] = NumberValue(Shared.PointYText[i]);
    }
    Shared.PointCount = static_cast<std::int16_t>(i);
    SortPointsByX();
}

void UsePoints(const std::vector<std::pair<double, double>>& points) {
    std::vector<TypedPoint> typed;
    for (auto [x, y] : points) typed.push_back({ShortestText(x), ShortestText(y)});
    UsePoints(typed);
}

void ChooseKind(std::uint8_t kind, std::int16_t degree) {
    Shared.FormulaKind = kind;
    if (IsPolynomialKind(kind)) {
        Shared.TypedDegree = degree;
        Shared.UnknownCount = static_cast<std::int16_t>(kind == KindPolynomial ? degree + 1 : degree);
        Shared.FitUnknownCount = static_cast<std::uint8_t>(Shared.UnknownCount);
    }
}

std::uint8_t RunGuardedComputation() {
    FitCoefficients();
    if (Shared.ComputationFailed) return Shared.ComputationFailed;
    RecoverCoefficients();
    if (Shared.ComputationFailed) return Shared.ComputationFailed;
    EvaluateAtArg();
    if (Shared.ComputationFailed) return Shared.ComputationFailed;
    SampleCurve();
    return FailNone;
}
