#pragma once
// Data-to-pixel geometry of the graph: data ranges, tidy axis scales of 3 to 8
// intervals, tick-label texts and the mapping used by the graph, the curve sampling,
// the interpolation marker and the point picking. Pixel x grows to the right; "up"
// pixels grow upwards from the bottom of a 350-pixel band (screen y = 350 - up).
// Pixel arithmetic is 16-bit, as the layout was designed for.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "SharedState.h"

inline constexpr std::int16_t PixelClampLimit = 1000;
inline constexpr std::int16_t GraphBandHeight = 350;  // screen y = 350 - up
inline constexpr std::int16_t DataAreaTopUp = 300;    // up coordinate of the axis top
// The right end of the plot in pixels, from which the right margin is taken; it is
// the band's height by the design, not by any rule that ties the two.
inline constexpr std::int16_t PlotRightEdge = 350;

// The axis scales and margins that one ComputePlotFrame chose.
struct PlotFrame {
    double xLow = 0, xHigh = 0, yLow = 0, yHigh = 0;
    std::int16_t nX = 0, nY = 0;  // tick intervals
    std::int16_t K = 1;           // rows the X tick labels are spread over
    // 0: labels digit by digit (LabelText); otherwise the exponent form with this many
    // significant digits, for labels that would be wider than LongestLabel.
    std::int16_t exponentDigitsX = 0, exponentDigitsY = 0;
};

// The widest a tick label written digit by digit may be; wider ones (values of many
// digits, 1E+150 or 1E-20) are written in the exponent form, so that they fit
// beside the data area.
inline constexpr std::int16_t LongestLabel = 10;
// The fixed-pitch cell the labels are written in. Digit-by-digit labels are laid out
// reckoning 6 pixels a character (the designed layout, kept); exponent-form labels,
// which are wide, by this cell, with a cell's gap to the tick and to each other.
inline constexpr std::int16_t LabelCellPixels = 8;
// Rows of exponent-form X labels stand a text line apart (the digit-by-digit ones 9
// pixels, as designed), so that two rows cannot run into each other.
inline constexpr std::int16_t LabelLinePixels = 13;

// v rounded half-to-even into -1000..1000; NaN and anything below -1000 give -1000.
// (Inline, with the two below: the curve takes them for each of its samples.)
inline std::int16_t ClampToPixel(double v) {
    if (!(v >= -PixelClampLimit)) return -PixelClampLimit;
    if (v > PixelClampLimit) return PixelClampLimit;
    // The nearest whole number, ties to even, as nearbyint gives it in the default
    // rounding: adding 1.5 * 2^52 leaves no fraction to a value this small, and the
    // subtraction is exact (without a call per pixel).
    const double shift = 0x1.8p52;
    return static_cast<std::int16_t>((v + shift) - shift);
}
// x pixel of a data X, and up pixel of a data Y, through ScaleX/OffsetX, ScaleY/OffsetY.
inline std::int16_t ToPixelX(double x) { return ClampToPixel(Shared.ScaleX * x + Shared.OffsetX); }
inline std::int16_t ToPixelY(double y) { return ClampToPixel(Shared.ScaleY * y + Shared.OffsetY); }

// Smallest and largest of values(1..PointCount).
void FindRange(const std::array<double, MaxPoints + 1>& values, double& lowest, double& highest);

// Least whole number r with a/b - r <= 0.0001 (a ceiling that forgives rounding).
double CeilWithTolerance(double a, double b);

// Axis ends on whole multiples of step around low..high; true when 3..8 intervals.
// The outputs are written whether or not the step is accepted.
bool TryTickStep(double low, double high, double step, double& axisLow, double& axisHigh,
                 std::int16_t& intervals);

// Tidy scale for low..high. Equal ends are widened in place first (x to 0.5x..1.5x,
// ordered, or -1..1 for 0). A negative range gives 0 intervals and leaves the other
// outputs alone; when no candidate step is accepted, step keeps its value.
void ChooseAxisScale(double& low, double& high, double& axisLow, double& axisHigh, double& step,
                     std::int16_t& intervals);

// Decimals a tick label needs for this step (0.05 gives 2, 2 gives 0).
std::int16_t StepDecimals(double step);

// Tick label digit by digit with "." as point, always ending in "." for 0 decimals
// and with no 0 before the point below 1. Returns the width in characters (without
// the final "." when decimals is 0).
std::int16_t LabelText(double value, std::int16_t decimals, std::string& text);

// A tick label: LabelText, or with exponentDigits > 0 the exponent form ("-1.5E+150",
// "." as point). Returns its width in characters.
std::int16_t TickLabel(double value, std::int16_t decimals, std::int16_t exponentDigits,
                       std::string& text);

// Tick i of n intervals from low to high: (high - low) * i / n + low, or weighing the
// two ends where their difference leaves the range of a double.
double TickValue(double low, double high, int i, int intervals);

// Ranges, scales, decimals, margins and the mapping for the current point set; sets
// DataXMin..DataYMax (widened when equal), DecimalsX/Y, ScaleX..OffsetY, AxisXLow/YLow.
PlotFrame ComputePlotFrame();

// Where the axes stand: the Y axis at X = xLow when the X range lies on one side of
// 0, else at X = 0; likewise the X axis.
double YAxisDataX(const PlotFrame& frame);
double XAxisDataY(const PlotFrame& frame);

// Puts every tick label text and position into LabelString, LabelX, LabelYUp and
// calls the writer of the surface being drawn on once per label.
void PlaceTickLabels(const PlotFrame& frame, const std::function<void()>& writeLabel);
