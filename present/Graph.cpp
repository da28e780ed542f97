#include "Graph.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "BandDrawing.h"
#include "Coefficients.h"
#include "EngineCodes.h"
#include "ErrorReport.h"
#include "Evaluate.h"
#include "FormulaKinds.h"
#include "NumberFormat.h"
#include "PlotGeometry.h"
#include "SharedState.h"
#include "Sheet.h"
#include "Surface.h"

namespace {
constexpr double Band = GraphBandHeight;

// The label writer: LabelString at (LabelX, 350 - LabelYUp), moved with the graph.
void WriteLabel(Surface& surface, const Sheet& sheet) {
    surface.MoveTo(sheet.offsetX + Shared.LabelX, sheet.offsetY + Band - Shared.LabelYUp);
    surface.Print(Shared.LabelString);
}

void DrawGraphFrame(Surface& surface, const Sheet& sheet, const PlotFrame& f) {
    auto& s = Shared;
    const double ox = sheet.offsetX, oy = sheet.offsetY;
    auto line = [&](double x1, double y1, double x2, double y2) {
        surface.Line(x1 + ox, y1 + oy, x2 + ox, y2 + oy);
    };
    const double ax = ToPixelX(YAxisDataX(f));
    const double ay = ToPixelY(XAxisDataY(f));
    const double t = ToPixelY(f.yHigh);

    surface.SetForeColor(s.AxisColor);
    line(ax, Band - ToPixelY(f.yLow), ax, Band - (t + 20));
    line(ax - 2, Band - (t + 8), ax, Band - (t + 20));
    line(ax + 2, Band - (t + 8), ax, Band - (t + 20));
    surface.SetDrawWidth(1);
    surface.MoveTo(ax + 8 + ox, Band - (t + 20) + oy);
    surface.Print("Y");

    surface.MoveTo(ax + sheet.captionDx, sheet.captionY);
    surface.SetBold(true);
    surface.SetForeColor(s.SourceColor);
    std::string caption = s.FormulaTexts[s.FormulaKind];
    if (IsPolynomialKind(s.FormulaKind))
        caption += "          N = " + std::to_string(s.TypedDegree);
    surface.Print(caption);
    surface.SetBold(false);
    surface.SetForeColor(s.AxisColor);

    if (f.nY > 0) {
        for (int i = 0; i <= f.nY; ++i) {
            const double v = TickValue(f.yLow, f.yHigh, i, f.nY);
            line(ax - 4, Band - ToPixelY(v), ax + 4, Band - ToPixelY(v));
        }
    }

    const double xLowPixel = ToPixelX(f.xLow), xHighPixel = ToPixelX(f.xHigh);
    line(xLowPixel, Band - ay, xHighPixel + 25, Band - ay);
    line(xHighPixel + 15, Band - ay - 2, xHighPixel + 25, Band - ay);
    line(xHighPixel + 15, Band - ay + 2, xHighPixel + 25, Band - ay);
    surface.MoveTo(xHighPixel + 15 + ox, Band - ay - 16 + oy);
    surface.Print("X");

    const double r = CorrelationCoefficient();
    ComputeDeviations();
    // The statistics keep the screen's x on the sheet; only their y moves.
    const double statisticsX = xLowPixel - 20;
    // Below the rows of exponent-form X labels, which are a text line apart.
    const double labelRows = f.exponentDigitsX > 0 ? (f.K - 1) * LabelLinePixels : 0;
    surface.MoveTo(statisticsX, Band - ay + 24 + labelRows + oy);
    surface.SetBold(true);
    surface.SetForeColor(s.HeadingColor);
    surface.Print(sheet.meanText, false);
    surface.SetForeColor(s.ComputedColor);
    // A mean beyond the range of a double is reported, not shown as a number.
    surface.Print(std::isnan(s.MeanDeviation) ? CauseLine(FailOverflow)
                                              : FormatFixed(s.MeanDeviation, 7, 4) + "%");
    surface.MoveTo(statisticsX, surface.CurrentY() + 10);
    surface.SetForeColor(s.HeadingColor);
    surface.Print(sheet.correlationText, false);
    surface.SetForeColor(s.ComputedColor);
    surface.Print(FormatFixed(r, 9, 5));
    surface.SetForeColor(s.AxisColor);
    surface.SetBold(false);

    if (f.nX > 0) {
        for (int i = 0; i <= f.nX; ++i) {
            const double v = TickValue(f.xLow, f.xHigh, i, f.nX);
            line(ToPixelX(v), Band - ay - 4, ToPixelX(v), Band - ay + 4);
        }
    }
}

void DrawCurve(Surface& surface, const Sheet& sheet) {
    const auto& s = Shared;
    surface.SetDrawWidth(3);
    for (int k = 0; k <= s.CurvePointCount - 2; ++k)
        surface.Line(s.CurvePixelX[k] + sheet.offsetX, s.CurvePixelY[k] + sheet.offsetY,
                     s.CurvePixelX[k + 1] + sheet.offsetX, s.CurvePixelY[k + 1] + sheet.offsetY,
                     s.CurveColor);
    surface.SetDrawWidth(1);
}

// The half-width of an error bar's caps, in pixels.
constexpr std::int16_t ErrorBarCap = 2;
// The rows the bars keep within, as the curve does: below the graph's top margin and
// above its bottom edge.
constexpr std::int16_t GraphTopRow = 11, GraphBottomRow = GraphBandHeight - 1;

// Each point's Y +- sigma as a vertical bar with caps, cut at the graph's edges (a cap
// only where the bar ends inside); only for points with uncertainties.
void DrawErrorBars(Surface& surface, const Sheet& sheet) {
    const auto& s = Shared;
    if (!s.SigmaPresent) return;
    const auto row = [](double y) {
        return static_cast<std::int16_t>(GraphBandHeight - ToPixelY(y));
    };
    for (int i = 1; i <= s.PointCount; ++i) {
        const std::int16_t px = ToPixelX(s.PointX[i]) + sheet.offsetX;
        const std::int16_t top = row(s.PointY[i] + s.PointSigma[i]),
                           bottom = row(s.PointY[i] - s.PointSigma[i]);
        const std::int16_t from = std::max(top, GraphTopRow), to = std::min(bottom, GraphBottomRow);
        if (from > to) continue;
        surface.Line(px, from + sheet.offsetY, px, to + sheet.offsetY, s.SourceColor);
        for (const std::int16_t end : {top, bottom})
            if (end >= GraphTopRow && end <= GraphBottomRow)
                surface.Line(px - ErrorBarCap, end + sheet.offsetY, px + ErrorBarCap,
                             end + sheet.offsetY, s.SourceColor);
    }
}
}  // namespace

void DrawGraphAndCoefficients(Surface& surface, const Sheet& sheet) {
    auto& s = Shared;
    const PlotFrame frame = ComputePlotFrame();
    DrawGraphFrame(surface, sheet, frame);
    PlaceTickLabels(frame, [&] { WriteLabel(surface, sheet); });
    DrawErrorBars(surface, sheet);
    for (int i = 1; i <= s.PointCount; ++i) {
        const std::int16_t px = ToPixelX(s.PointX[i]);
        const auto py = static_cast<std::int16_t>(GraphBandHeight - ToPixelY(s.PointY[i]));
        if (sheet.recordsPointPixels) {
            s.PointPixelX[i] = px;
            s.PointPixelY[i] = py;
        }
        surface.Circle(px + sheet.offsetX, py + sheet.offsetY, 2, s.SourceColor);
        surface.Circle(px + sheet.offsetX, py + sheet.offsetY, 1, s.ComputedColor);
    }
    DrawCurve(surface, sheet);
    DrawBands(surface, sheet);
    DrawCoefficients(surface, sheet);
}

void ShowResults(Surface& form3) { DrawGraphAndCoefficients(form3, ScreenSheet()); }
void PrintResults(Surface& form5) { DrawGraphAndCoefficients(form5, PlacedPaperSheet()); }
