#include "SpreadText.h"

#include "EngineCodes.h"
#include "FitModeText.h"
#include "NumberFormat.h"
#include "SharedState.h"
#include "Uncertainty.h"

const std::vector<std::string>& SpreadHeadings() {
    static const std::vector<std::string> headings = {"Коэффициент", "Значение",
                                                      "Стандартная ошибка", "95%: от", "95%: до"};
    return headings;
}

std::vector<std::pair<std::string, std::string>> SpreadSummary(const FitSpread& spread,
                                                               std::string (*number)(double)) {
    const auto& s = Shared;
    const bool absolute = spread.weighted && spread.convention == SigmaAbsolute;
    std::vector<std::pair<std::string, std::string>> lines = {
        {"Метод", FitMethodName(spread.onY)},
        {"Ошибки коэффициентов",
         spread.onY ? "из s²(JᵀJ)⁻¹ по Y"
                    : "по линеаризованной регрессии, перенесены на коэффициенты в первом "
                      "порядке; интервалы коэффициентов вида e^u — e^(u ± t·se(u))"},
    };
    if (spread.weighted)
        lines.push_back(
            {"Погрешности σ",
             absolute ? "абсолютные: ковариация (JᵀWJ)⁻¹, W = 1/σ², без масштаба"
                      : "относительные: ковариация (χ²/ν)·(JᵀWJ)⁻¹, W = 1/σ²" +
                            std::string(spread.onY ? "" : " (σ перенесены на линеаризованную Y)")});
    lines.push_back({"Степеней свободы N − m", std::to_string(spread.degreesOfFreedom)});
    if (absolute)
        lines.push_back({"Квантиль нормального распределения (0,975)", number(spread.tQuantile)});
    else
        lines.push_back({"t Стьюдента (0,975; N − m)", number(spread.tQuantile)});
    const std::string weighed = spread.weighted ? ", взвешенная" : "";
    lines.push_back({spread.onY ? "Остаточная сумма квадратов (по Y" + weighed + ")"
                                : "Остаточная сумма квадратов (линеаризованная" + weighed + ")",
                     number(spread.residualSum)});
    if (spread.weighted) {
        lines.push_back(
            {"χ² = Σ((Y − f(X))/σ)² по Y" +
                 std::string(spread.onY ? "" : " (минимизирована линеаризованная сумма)"),
             number(spread.chiSquare)});
        lines.push_back({"χ²/ν", number(spread.chiSquare / spread.degreesOfFreedom)});
        lines.push_back({"P(χ² ≥ полученного)", number(spread.chiSquareProbability)});
    }
    if (s.RefinementOutcome == RefinementDone)
        lines.push_back({"Шагов уточнения по Y", std::to_string(s.RefinementIterations)});
    if (const std::string reason = RefinementFailureReason(Shared.RefinementOutcome);
        !reason.empty())
        lines.push_back({"Уточнение по Y", "не сошлось: " + reason});
    if (!spread.computed)
        lines.push_back({"Внимание", "ошибки не вычислены: JᵀJ вырождена или вне диапазона чисел"});
    return lines;
}

std::vector<std::vector<std::string>> CorrelationRows(const FitSpread& spread,
                                                      std::string (*number)(double)) {
    std::vector<std::vector<std::string>> rows;
    const std::size_t m = spread.correlation.size();
    if (m == 0) return rows;
    rows.push_back({"Корреляции"});
    for (const CoefficientSpread& c : spread.coefficients) rows.back().push_back(c.name);
    for (std::size_t i = 0; i < m; ++i) {
        rows.push_back({spread.coefficients[i].name});
        for (std::size_t j = 0; j < m; ++j) rows.back().push_back(number(spread.correlation[i][j]));
    }
    return rows;
}

std::string SpreadText(const FitSpread& spread) {
    const auto summary = SpreadSummary(spread, ExactFigure);
    std::string text = summary[0].first + "\t" + summary[0].second + "\n";
    const auto& headings = SpreadHeadings();
    for (std::size_t c = 0; c < headings.size(); ++c)
        text += headings[c] + (c + 1 < headings.size() ? "\t" : "\n");
    for (const CoefficientSpread& c : spread.coefficients)
        text += c.name + "\t" + ShortestText(c.value) + "\t" + ExactFigure(c.standardError) + "\t" +
                ExactFigure(c.low) + "\t" + ExactFigure(c.high) + "\n";
    for (std::size_t i = 1; i < summary.size(); ++i)
        text += summary[i].first + "\t" + summary[i].second + "\n";
    for (const auto& row : CorrelationRows(spread, ExactFigure)) {
        for (std::size_t c = 0; c < row.size(); ++c) text += (c ? "\t" : "") + row[c];
        text += "\n";
    }
    return text;
}
