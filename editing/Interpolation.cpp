// Interpolation and extrapolation: Y at a typed X under the graph, the warning when
// X lies outside the data, the dotted marker inside it; the same button then
// returns the window to its results.
#include <cmath>
#include <cstdio>

#include "Bands.h"
#include "Dialogs.h"
#include "EngineCodes.h"
#include "ErrorReport.h"
#include "Evaluate.h"
#include "Graph.h"
#include "NumberBox.h"
#include "NumberText.h"
#include "PlotGeometry.h"
#include "ResultsWindow.h"
#include "SharedState.h"
#include "StandardNumberText.h"
#include "Table.h"
#include "Uncertainty.h"

namespace {
constexpr double XBoxX = 1000, XBoxY = 6200;  // twips of the screen
constexpr Color WarningColor = 255;           // red
}  // namespace

namespace {
// With the bands on: the fitted value's 95 % intervals under it, "Y = y ± t·se" with
// the interval of a new measurement.
void ShowIntervalsAt(Surface& d, double x) {
    if (!Shared.BandsShown) return;
    const BandsAtX b = BandsAt(SpreadOfFit(), x);
    // Six digits, with the decimal point of the value above them.
    const auto figure = [](double v) {
        if (!std::isfinite(v)) return std::string("не вычислено");
        char text[32];
        std::snprintf(text, sizeof text, "%.6G", v);
        return std::string(text);
    };
    d.MoveTo(100, 416);
    d.SetBold(false);
    // Symmetric on Y; a linearised fit's interval, carried back, is not.
    const std::string reach =
        FitIsOnY() ? " ± " + figure((b.confidence.high - b.confidence.low) / 2) : "";
    d.Print("Y = " + figure(b.y) + reach + " (95 %: от " + figure(b.confidence.low) + " до " +
            figure(b.confidence.high) + ")");
    d.MoveTo(100, 430);
    // With uncertainties a new measurement's sigma is not known: no interval for it.
    d.Print(Shared.SigmaPresent ? std::string("новое измерение: нужна его σ")
                                : "новое измерение, 95 %: от " + figure(b.prediction.low) + " до " +
                                      figure(b.prediction.high));
    d.SetBold(true);
}
}  // namespace

void ResultsWindow::Command5Click() {
    if (Shared.InterpolationActive)
        EndInterpolation();
    else
        Interpolate();
}

void ResultsWindow::Interpolate() {
    auto& s = Shared;
    Surface& d = Drawing();
    state_ = State::Interpolation;
    SetCaption("Интерполяция");
    for (CaptionButton* button : Commands()) button->hide();
    const std::string typed =
        NormalizeNumberText(AskNumber(" Введите X ", "ВВОД X ", XBoxX, XBoxY));
    Command5->SetCaption("Продолжение работы");
    const double x = NumberValue(typed);
    s.InterpolationActive = True;
    // The fitted dependence at x, with the engine's guards: a failure is shown as its
    // cause, never as a silent 0.
    s.EvalArg = x;
    EvaluateAtArg();
    const std::uint8_t failed = s.ComputationFailed;
    const double y = s.EvalResult;
    s.ComputationFailed = FailNone;

    d.SetBold(true);
    if (x < s.DataXMin || x > s.DataXMax) {
        TheDialogs().Beep();
        d.MoveTo(20, 450);
        d.SetForeColor(WarningColor);
        d.Print("ВНИМАНИЕ! ВЫ ВЫШЛИ ЗА ПРЕДЕЛЫ СВОЕГО ЗАДАНИЯ X.");
        d.SetCurrentX(16);
        // The warning's wording ("экстрополяции", "не достоверны") is the program's own.
        d.Print("Результаты экстрополяции могут быть не достоверны.");
        d.SetForeColor(0);
    }
    d.MoveTo(100, 400);
    if (failed) {
        d.Print("Y(" + typed + ") = ", false);
        d.SetForeColor(WarningColor);
        d.Print(CauseLine(failed));
        d.SetForeColor(0);
    } else {
        d.Print("Y(" + typed + ") = " + StandardNumberText(y));
        ShowIntervalsAt(d, x);
        if (s.DataXMin < x && x < s.DataXMax) {
            d.SetDrawStyle(LineStyle::Dotted);
            const double px = ToPixelX(x), py = GraphBandHeight - ToPixelY(y);
            d.Line(px, GraphBandHeight - ToPixelY(s.AxisYLow) + 5, px, py - 10, s.HeadingColor);
            d.Line(ToPixelX(s.AxisXLow) - 5, py, px + 10, py, s.HeadingColor);
            d.SetDrawStyle(LineStyle::Solid);
        }
    }
    Command5->show();
    d.SetBold(false);
    update();
}

void ResultsWindow::EndInterpolation() {
    auto& s = Shared;
    ReturnToResults(RemovalRule::Inclusive);
    s.InterpolationActive = False;
    Drawing().Clear();
    // Only here the table is drawn before the graph.
    ShowTable(Drawing());
    ShowResults(Drawing());
    update();
}
