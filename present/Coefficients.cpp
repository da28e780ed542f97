#include "Coefficients.h"

#include <cmath>

#include "BandDrawing.h"
#include "EngineCodes.h"
#include "FitModeText.h"
#include "FormulaKinds.h"
#include "NumberFormat.h"
#include "SharedState.h"
#include "Sheet.h"
#include "StandardNumberText.h"
#include "Surface.h"
#include "Uncertainty.h"
#include "Utf8Text.h"

namespace {
constexpr double FixedFormAbove = 1e-9;
constexpr int LinePitch = 12;  // tighter than the table's rows

// An equation coefficient's text: nine decimals in 15 characters above 1e-9 in
// magnitude, the standard number text otherwise.
std::string EquationCoefficientText(double value) {
    return std::fabs(value) > FixedFormAbove ? FormatFixed(value, 15, 9)
                                             : StandardNumberText(value);
}

// After the bold heading: the values' colour and weight.
void StartValues(Surface& surface, const Sheet& sheet) {
    if (sheet.colouredCoefficients) surface.SetForeColor(Shared.ComputedColor);
    surface.SetBold(sheet.boldCoefficients);
}

// In the mode on Y, which fit the panel shows, a blank line under its last line; in the
// linearised mode (the default) nothing, so that the panel is as designed. With the
// bands on, their legend a blank line further down.
void DrawFitMark(Surface& surface, const Sheet& sheet, double x, double lastLineY) {
    double next = lastLineY + 2 * LinePitch;
    if (Shared.FitMode == FitOnY) {
        if (sheet.colouredCoefficients) surface.SetForeColor(Shared.HeadingColor);
        surface.SetBold(true);
        surface.MoveTo(x, next);
        surface.Print(FitMethodName(FitIsOnY()));
        next += 2 * LinePitch;
    }
    DrawBandLegend(surface, x, next);
}

void DrawEquation(Surface& surface, const Sheet& sheet) {
    const auto& s = Shared;
    surface.MoveTo(sheet.equationHeadingX, sheet.equationHeadingY);
    surface.Print("КОЭФФИЦИЕНТЫ УРАВНЕНИЯ");
    StartValues(surface, sheet);
    const char* const names[] = {"A = ", "B = ", "C = "};
    const double values[] = {s.CoefA, s.CoefB, s.CoefC};
    const int count = NamedCoefficientCount(s.FormulaKind);
    for (int k = 0; k < count; ++k) {
        surface.MoveTo(sheet.equationX, sheet.equationY + LinePitch * k);
        surface.Print(names[k] + EquationCoefficientText(values[k]));
    }
    DrawFitMark(surface, sheet, sheet.equationX, sheet.equationY + LinePitch * (count - 1));
}

void DrawPolynomial(Surface& surface, const Sheet& sheet) {
    const auto& s = Shared;
    const int count = s.UnknownCount;
    surface.MoveTo(sheet.polynomialHeadingX, sheet.polynomialHeadingY);
    surface.Print(s.FormulaKind == KindPolynomialNoFree && count == 1 ? "КОЭФФИЦИЕНТ ПОЛИНОМА"
                                                                      : "КОЭФФИЦИЕНТЫ ПОЛИНОМА");
    // The designed panel switches bold off before the colour and on again after it.
    surface.SetBold(false);
    StartValues(surface, sheet);
    for (int i = 1; i <= count; ++i) {
        const int j = PolynomialPower(s.FormulaKind, i);
        surface.MoveTo(sheet.polynomialX, sheet.polynomialY + LinePitch * (i - 1));
        surface.Print(std::string(sheet.polynomialPrefix) + "A[" + std::to_string(j) +
                      "]= " + sheet.polynomialText(s.FitMatrix[0][i]));
    }
    DrawFitMark(surface, sheet, sheet.polynomialX, sheet.polynomialY + LinePitch * (count - 1));
}
}  // namespace

void DrawCoefficients(Surface& surface, const Sheet& sheet) {
    if (sheet.colouredCoefficients) surface.SetForeColor(Shared.HeadingColor);
    surface.SetBold(true);
    if (IsPolynomialKind(Shared.FormulaKind))
        DrawPolynomial(surface, sheet);
    else
        DrawEquation(surface, sheet);
    if (sheet.colouredCoefficients) surface.SetForeColor(0);
    surface.SetBold(false);
}

std::string PanelCoefficientText(double value) {
    return TrimBlanks(IsPolynomialKind(Shared.FormulaKind) ? ScreenSheet().polynomialText(value)
                                                           : EquationCoefficientText(value));
}

void ShowCoefficients(Surface& form3) { DrawCoefficients(form3, ScreenSheet()); }
void PrintCoefficients(Surface& form5) { DrawCoefficients(form5, PaperSheet()); }
