#include "ResidualPlot.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "Color.h"
#include "Evaluate.h"
#include "NumberFormat.h"
#include "SharedState.h"
#include "Surface.h"
#include "Uncertainty.h"
#include "Weights.h"

namespace {
// Room for the labels: left, right, top, bottom (pixels).
constexpr double Left = 90, Right = 20, Top = 44, Bottom = 36;
constexpr Color BandColor = 0x008000;  // green, as the prediction band
constexpr Color PointColor = 0xFF0000;
}  // namespace

void DrawResidualPlot(Surface& surface, double width, double height) {
    const auto& s = Shared;
    ComputeDeviations();
    const int n = s.PointCount;
    // With uncertainties each residual in units of its sigma, as chi^2 and s (of unit
    // weight) count it.
    std::vector<double> residuals;
    for (int i = 1; i <= n; ++i)
        residuals.push_back((s.PointY[i] - s.FitMatrix[i][0]) / SigmaOfPoint(i));
    const std::optional<double> deviation = ResidualStandardDeviation();
    double reach = deviation.value_or(0);
    for (const double r : residuals)
        if (std::isfinite(r)) reach = std::max(reach, std::fabs(r));
    if (!(reach > 0) || !std::isfinite(reach)) reach = 1;
    reach *= 1.1;
    const double xLow = s.PointX[1], xHigh = s.PointX[n];
    const double xSpan = xHigh > xLow ? xHigh - xLow : 1;
    const double plotWidth = width - Left - Right, plotHeight = height - Top - Bottom;
    // The points a little inside the frame at either end of X.
    const auto px = [&](double x) { return Left + (0.03 + 0.94 * (x - xLow) / xSpan) * plotWidth; };
    const auto py = [&](double r) { return Top + (reach - r) / (2 * reach) * plotHeight; };

    surface.SetBold(true);
    surface.SetForeColor(0);
    surface.MoveTo(Left, 8);
    const std::string what = s.SigmaPresent ? "Остатки (Y−Yрасч)/σ" : "Остатки Y − Yрасч";
    surface.Print(FitIsOnY() ? what : what + " (подбор — линеаризованный МНК, остатки — по Y)");
    surface.SetBold(false);
    surface.SetDrawWidth(1);
    // The frame, the zero line and the band of one residual standard deviation.
    surface.Line(Left, Top, Left, Top + plotHeight, 0);
    surface.Line(Left, Top + plotHeight, Left + plotWidth, Top + plotHeight, 0);
    surface.Line(Left, py(0), Left + plotWidth, py(0), 0);
    if (deviation) {
        surface.SetDrawStyle(LineStyle::Dotted);
        for (const double level : {*deviation, -*deviation})
            surface.Line(Left, py(level), Left + plotWidth, py(level), BandColor);
        surface.SetDrawStyle(LineStyle::Solid);
        surface.SetForeColor(BandColor);
        surface.MoveTo(Left + plotWidth - 200, py(*deviation) - 16);
        surface.Print("± s = " + ReadableFigure(*deviation));
    }
    // The scale: the reach either way and 0 on the left, the ends of X below.
    surface.SetForeColor(0);
    for (const double level : {reach, 0.0, -reach}) {
        surface.MoveTo(4, py(level) - 6);
        surface.Print(ReadableFigure(level));
    }
    surface.MoveTo(Left - 10, Top + plotHeight + 8);
    surface.Print(ReadableFigure(xLow));
    surface.MoveTo(Left + plotWidth - 70, Top + plotHeight + 8);
    surface.Print(ReadableFigure(xHigh));
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(residuals[i])) continue;
        surface.Circle(px(s.PointX[i + 1]), py(residuals[i]), 3, PointColor);
    }
}
