#include "FormulaChoice.h"

#include <string>

#include "NumberText.h"
#include "SharedState.h"

const char* const TooManyUnknownsMessage =
    "ЧИСЛО НЕИЗВЕСТНЫХ НЕ ДОЛЖНО БЫТЬ БОЛЬШЕ ЧИСЛА УРАВНЕНИЙ !!!\r       ПРОДОЛЖАЕТЕ РАБОТУ?";
const char* const TooManyUnknownsTitle = "Внимание !";

int OfferedFormulaCount(int pointCount) {
    return pointCount > 3 ? FormulaCount : FirstThreeCoefficientKind - 1;
}

bool ChosenFormulaFits() {
    const auto& s = Shared;
    return s.UnknownCount < s.PointCount && s.FormulaKind <= OfferedFormulaCount(s.PointCount);
}

DegreeVerdict TakeTypedDegree(std::uint8_t kind, std::string_view typed) {
    auto& s = Shared;
    const std::int16_t degree = WholeNumberValue(NormalizeNumberText(typed));
    if (degree <= 0) return DegreeVerdict::NotPositive;
    // Counted wide, so that no typed degree wraps; a count the solver cannot take,
    // or the 8-bit copy cannot hold, is refused like one not below the point count.
    const int unknowns = kind == KindPolynomial ? degree + 1 : degree;
    if (unknowns >= s.PointCount || unknowns > MaxUnknowns) return DegreeVerdict::TooManyUnknowns;
    s.FormulaKind = kind;
    s.TypedDegree = degree;
    s.UnknownCount = static_cast<std::int16_t>(unknowns);
    s.FitUnknownCount = static_cast<std::uint8_t>(unknowns);
    return DegreeVerdict::Accepted;
}

std::string FormulaName(std::uint8_t kind, std::int16_t degree) {
    const std::string& text = Shared.FormulaTexts[kind];
    return IsPolynomialKind(kind) ? text + ", N = " + std::to_string(degree) : text;
}

bool TakeFormula(std::uint8_t kind, std::int16_t degree) {
    if (kind < 1 || kind > OfferedFormulaCount(Shared.PointCount)) return false;
    if (IsPolynomialKind(kind))
        return TakeTypedDegree(kind, std::to_string(degree)) == DegreeVerdict::Accepted;
    Shared.FormulaKind = kind;
    return true;
}
