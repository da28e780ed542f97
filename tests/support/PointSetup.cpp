#include "PointSetup.h"

#include <charconv>
#include <stdexcept>

#include "EngineSequence.h"
#include "FormulaChoice.h"
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
        StoreTypedValue(i, PairPart::X, p.x);
        StoreTypedValue(i, PairPart::Y, p.y);
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
    if (!IsPolynomialKind(kind)) {
        Shared.FormulaKind = kind;
        return;
    }
    if (TakeTypedDegree(kind, std::to_string(degree)) != DegreeVerdict::Accepted)
        throw std::logic_error("degree " + std::to_string(degree) + " refused for these points");
}

std::uint8_t RunGuardedComputation() { return RunEngineSequence(); }
