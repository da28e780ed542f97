#include "Coefficients.h"

#include <cmath>

#include "EngineCodes.h"
#include "NumberFormat.h"
#include "SharedState.h"
#include "Sheet.h"
#include "StandardNumberText.h"
#include "Surface.h"

namespace {
constexpr double FixedFormAbove = 1e-9;
constexpr int LinePitch = 12;

void DrawEquation(Surface& surface, const Sheet& sheet) {
    const auto& s = Shared;
    const bool screen = sheet.colouredCoefficients;
    const double x0 = screen ? 400 : Shared.PrintOffsetX + 100;
    const double firstY = screen ? 100 : 462;
    surface.MoveTo(x0 - 10, screen ? 80 : 440);
    surface.Print("КОЭФФИЦИЕНТЫ УРАВНЕНИЯ");
    if (screen) {
        surface.SetForeColor(s.ComputedColor);
        surface.SetBold(true);
    } else {
        surface.SetBold(false);
    }
    surface.MoveTo(x0, firstY);
    surface.Print("A = " + EquationCoefficientText(s.CoefA));
    surface.MoveTo(x0, firstY + LinePitch);
    surface.Print("B = " + EquationCoefficientText(s.CoefB));
    if (s.FormulaKind >= KindLogQuadratic) {
        surface.MoveTo(x0, firstY + 2 * LinePitch);
        surface.Print("C = " + EquationCoefficientText(s.CoefC));
    }
}

void DrawPolynomial(Surface& surface, const Sheet& sheet) {
    const auto& s = Shared;
    const bool screen = sheet.colouredCoefficients;
    const double x0 = screen ? 400 : Shared.PrintOffsetX + 100;
    const int count = s.UnknownCount;
    surface.MoveTo(x0, screen ? 60 : 440);
    surface.Print(s.FormulaKind == KindPolynomialNoFree && count == 1 ? "КОЭФФИЦИЕНТ ПОЛИНОМА"
                                                                         : "КОЭФФИЦИЕНТЫ ПОЛИНОМА");
    surface.SetBold(false);
    if (screen) {
        surface.SetForeColor(s.ComputedColor);
        surface.SetBold(true);
    }
    for (int i = 1; i <= count; ++i) {
        const int j = s.FormulaKind == KindPolynomial ? i - 1 : i;
        const double c = s.FitMatrix[0][i];
        if (screen) {
            surface.MoveTo(x0, 80 + LinePitch * (i - 1));
            surface.Print(" A[" + std::to_string(j) + "]= " + FormatFixed(c, 12, 9));
        } else {
            surface.MoveTo(x0 - 10, 462 + LinePitch * (i - 1));
            surface.Print("A[" + std::to_string(j) + "]= " + StandardNumberText(c));
        }
    }
    if (screen) {
        surface.SetForeColor(0);
        surface.SetBold(false);
    }
}
}  // namespace

std::string EquationCoefficientText(double value) {
    return std::fabs(value) > FixedFormAbove ? FormatFixed(value, 15, 9) : StandardNumberText(value);
}

void DrawCoefficients(Surface& surface, const Sheet& sheet) {
    if (sheet.colouredCoefficients) surface.SetForeColor(Shared.HeadingColor);
    surface.SetBold(true);
    if (Shared.FormulaKind >= KindPowerX)
        DrawEquation(surface, sheet);
    else
        DrawPolynomial(surface, sheet);
    if (sheet.colouredCoefficients) surface.SetForeColor(0);
    surface.SetBold(false);
}

void ShowCoefficients(Surface& form3) { DrawCoefficients(form3, ScreenSheet()); }
void PrintCoefficients(Surface& form5) { DrawCoefficients(form5, PrintSheet()); }
