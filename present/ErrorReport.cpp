#include "ErrorReport.h"

#include <algorithm>
#include <cmath>

#include "Dialogs.h"
#include "EngineCodes.h"
#include "NumberFormat.h"
#include "Surface.h"

namespace {
constexpr Color ReportColor = 255;  // pure red
}  // namespace

std::string CauseLine(std::uint8_t code) {
    switch (code) {
        case FailLogArgument:
            return "ЛОГАРИФМ НУЛЯ ИЛИ ОТРИЦАТЕЛЬНОГО ЧИСЛА";
        case FailOverflow:
            return "ПЕРЕПОЛНЕНИЕ";
        case FailDivision:
            return "ДЕЛЕНИЕ НА НУЛЬ";
        default:
            return {};
    }
}

void ReportFailureOnFormulaWindow(Surface& form2, std::uint8_t code) {
    // Characters across the window; a very wide screen is held at the widest field
    // an 8-bit count can give instead of wrapping round to a narrow one.
    auto field = [&form2] {
        return static_cast<std::uint8_t>(
            std::clamp(std::nearbyint(form2.Width() / 150), 0.0, 255.0));
    };
    TheDialogs().Beep();
    form2.Clear();
    form2.MoveTo(100, 100);
    form2.SetForeColor(ReportColor);
    std::string heading = "НЕТ РЕШЕНИЯ !!!";
    form2.Print(CenterText(heading, field()));
    form2.MoveTo(100, 600);
    std::string cause = CauseLine(code);
    if (!cause.empty()) form2.Print(CenterText(cause, field()));
    form2.SetForeColor(0);
}

void ReportFailureOnResultsWindow(Surface& form3, std::uint8_t code) {
    TheDialogs().Beep();
    form3.Clear();
    form3.MoveTo(100, 100);
    form3.SetForeColor(ReportColor);
    form3.SetBold(true);
    std::string heading = "            НЕТ РЕШЕНИЯ !!!           ";
    form3.Print(CenterText(heading, 40));
    form3.MoveTo(100, 200);
    std::string cause = CauseLine(code);
    const std::uint8_t widths[] = {0, 40, 36, 38};
    if (!cause.empty()) form3.Print(CenterText(cause, widths[code]));
    form3.SetForeColor(0);
    form3.SetBold(false);
}
