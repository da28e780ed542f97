#include "BandDrawing.h"

#include <array>
#include <cmath>
#include <optional>

#include "Bands.h"
#include "Color.h"
#include "Evaluate.h"
#include "PlotGeometry.h"
#include "SharedState.h"
#include "Sheet.h"
#include "Surface.h"
#include "Uncertainty.h"

namespace {
constexpr Color ConfidenceColor = 0xFF8000;  // azure (0xBBGGRR)
constexpr Color PredictionColor = 0x008000;  // green
constexpr int LegendPitch = 12;              // the panel's lines

// The pixel row of a value, where the curve would keep it.
std::optional<std::int16_t> RowOf(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const auto v = static_cast<std::int16_t>(GraphBandHeight - ToPixelY(value));
    if (v > 10 && v < GraphBandHeight) return v;
    return std::nullopt;
}
}  // namespace

void DrawBands(Surface& surface, const Sheet& sheet) {
    if (!Shared.BandsShown) return;
    const FitSpread spread = SpreadOfFit();
    // Each of the four lines joins its kept samples in turn, as the curve does.
    std::array<std::optional<std::pair<double, double>>, 4> previous;
    const Color colours[] = {ConfidenceColor, ConfidenceColor, PredictionColor, PredictionColor};
    surface.SetDrawWidth(1);
    for (const double x : CurveArguments()) {
        const BandsAtX b = BandsAt(spread, x);
        const double values[] = {b.confidence.low, b.confidence.high, b.prediction.low,
                                 b.prediction.high};
        const double px = ToPixelX(x) + sheet.offsetX;
        for (int k = 0; k < 4; ++k) {
            const auto row = RowOf(values[k]);
            if (!row) continue;
            const double py = *row + sheet.offsetY;
            if (previous[k])
                surface.Line(previous[k]->first, previous[k]->second, px, py, colours[k]);
            previous[k] = std::pair{px, py};
        }
    }
}

void DrawBandLegend(Surface& surface, double x, double y) {
    if (!Shared.BandsShown) return;
    surface.SetBold(false);
    // With uncertainties a new measurement's sigma is not known: no prediction band.
    const std::pair<Color, const char*> lines[] = {
        {ConfidenceColor, "— доверительная полоса 95 %"},
        Shared.SigmaPresent
            ? std::pair<Color, const char*>{0, "(без полосы предсказания)"}
            : std::pair<Color, const char*>{PredictionColor, "— полоса предсказания 95 %"}};
    for (const auto& [colour, text] : lines) {
        surface.SetForeColor(colour);
        surface.MoveTo(x, y);
        surface.Print(text);
        y += LegendPitch;
    }
    // A linearised fit's bands are those of its linearised form, carried back.
    if (!FitIsOnY()) {
        surface.SetForeColor(0);
        surface.MoveTo(x, y);
        surface.Print("(полосы линеаризованного МНК)");
    }
}
