#include "ResultsText.h"

#include <optional>

#include "Evaluate.h"
#include "FormulaKinds.h"
#include "NumberFormat.h"
#include "SharedState.h"
#include "SpreadText.h"
#include "Uncertainty.h"

namespace {
std::string Line(const std::string& label, const std::string& value) {
    return label + "\t" + value + "\n";
}

std::string Figure(const std::optional<double>& value) {
    return value ? ShortestText(*value) : "не определён";
}
}  // namespace

std::string ResultsText() {
    const auto& s = Shared;
    const double r = CorrelationCoefficient();
    ComputeDeviations();
    std::string text = Line("Зависимость", s.FormulaTexts[s.FormulaKind]);
    if (IsPolynomialKind(s.FormulaKind))
        text += Line("Степень полинома", std::to_string(s.TypedDegree));
    text += SpreadText(SpreadOfFit());
    text += Line("Среднестатистическое отклонение, %", ExactFigure(s.MeanDeviation));
    text += Line("Коэффициент корреляции", ShortestText(r));
    if (s.SigmaPresent) {
        text += Line("Коэффициент детерминации (по Y, взвешенный 1/σ²)",
                     Figure(DeterminationCoefficient()));
        text += Line("Стандартное отклонение единицы веса √(χ²/ν)",
                     Figure(ResidualStandardDeviation()));
    } else {
        text += Line("Коэффициент детерминации (по Y)", Figure(DeterminationCoefficient()));
        text += Line("Остаточное стандартное отклонение", Figure(ResidualStandardDeviation()));
    }
    text += s.SigmaPresent ? "\nN\tX(исх.)\tY(исх.)\tσ\tY(расч.)\tОтклонение, %\n"
                           : "\nN\tX(исх.)\tY(исх.)\tY(расч.)\tОтклонение, %\n";
    for (int i = 1; i <= s.PointCount; ++i)
        text += std::to_string(i) + "\t" + WithSeparator(s.PointXText[i]) + "\t" +
                WithSeparator(s.PointYText[i]) + "\t" +
                (s.SigmaPresent ? WithSeparator(s.PointSigmaText[i]) + "\t" : std::string()) +
                ShortestText(s.FitMatrix[i][0]) + "\t" + ExactFigure(s.Deviation[i]) + "\n";
    return text;
}
