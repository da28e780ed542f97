#include "PlotGeometry.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// A whole number held in a 16-bit integer, saturating where the value cannot fit.
std::int16_t ToInt16(double v) {
    if (!(v > std::numeric_limits<std::int16_t>::min()))
        return std::numeric_limits<std::int16_t>::min();
    if (v > std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(v);
}

// 16-bit integer arithmetic: results wrap as the pixel variables do.
std::int16_t Wrap16(int v) { return static_cast<std::int16_t>(v); }

}  // namespace

void FindRange(const std::array<double, MaxPoints + 1>& values, double& lowest, double& highest) {
    lowest = highest = values[1];
    for (int i = 2; i <= Shared.PointCount; ++i) {
        if (values[i] < lowest)
            lowest = values[i];
        else if (values[i] > highest)
            highest = values[i];
    }
}

double CeilWithTolerance(double a, double b) {
    double q = a / b;
    double t = q - 0.5;
    double r;
    if (std::fabs(t) > 32767) {
        double f = 30000 * std::trunc(t / 30000);
        r = f + std::nearbyint(t - f);
    } else {
        r = std::nearbyint(t);
    }
    if (std::fabs(q - r) > 0.0001) r = r + 1;
    return r;
}

bool TryTickStep(double low, double high, double step, double& axisLow, double& axisHigh,
                 std::int16_t& intervals) {
    double kLow = -CeilWithTolerance(-low, step);
    double kHigh = CeilWithTolerance(high, step);
    intervals = ToInt16(std::nearbyint(kHigh - kLow));
    axisLow = kLow * step;
    axisHigh = kHigh * step;
    return intervals >= 3 && intervals <= 8;
}

void ChooseAxisScale(double& low, double& high, double& axisLow, double& axisHigh, double& step,
                     std::int16_t& intervals) {
    if (high == low) {
        if (low > 0) {
            high = high * 1.5;
            low = low * 0.5;
        } else if (low < 0) {
            // All values equal and negative: widened the same way but kept in order,
            // so the axis still has a positive range.
            high = high * 0.5;
            low = low * 1.5;
        } else {
            high = 1;
            low = -1;
        }
    }
    double range = high - low;
    if (range < 0) {
        intervals = 0;
        return;
    }
    double p = 1;
    if (range > 1) {
        while (10 * p < range) p = p * 10;
    } else if (range < 1) {
        while (p > range) p = p / 10;
    }
    const double candidates[] = {p / 5, p / 2, p, 2 * p};
    for (double candidate : candidates) {
        if (TryTickStep(low, high, candidate, axisLow, axisHigh, intervals)) {
            step = candidate;
            return;
        }
    }
}

std::int16_t StepDecimals(double step) {
    // Bounded so that a zero or negative step cannot loop for ever.
    constexpr std::int16_t mostDecimals = 340;
    std::int16_t k = 0;
    while (step < 1 && k < mostDecimals) {
        step = step * 10;
        ++k;
    }
    return k;
}

std::int16_t LabelText(double value, std::int16_t decimals, std::string& text) {
    // Digit counts are bounded so that an infinite value cannot loop for ever.
    constexpr int mostIntegerDigits = 330;
    auto appendDigit = [&text](double digit) {
        int d = (digit >= 0 && digit <= 9) ? static_cast<int>(digit) : (digit > 9 ? 9 : 0);
        text += static_cast<char>('0' + d);
    };
    text.clear();
    if (value < 0) {
        value = -value;
        text.push_back('-');
    }
    double h = std::pow(10.0, -decimals);
    value = value + h / 2;
    double p = 1;
    int n = 0;
    while (p <= value && n < mostIntegerDigits) {
        p = p * 10;
        ++n;
    }
    for (int k = 0; k < n; ++k) {
        p = p / 10;
        double digit = std::trunc(value / p);
        value = value - digit * p;
        appendDigit(digit);
    }
    if (n == 0 && decimals == 0) text += '0';
    text += '.';
    for (int k = 0; k < decimals; ++k) {
        value = value * 10;
        double digit = std::trunc(value);
        value = value - digit;
        appendDigit(digit);
    }
    int width = static_cast<int>(text.size());
    return Wrap16(decimals > 0 ? width : width - 1);
}

namespace {
// An axis range so small that the pixels cannot resolve it (subnormal data, its
// scale beyond the range of a double) is drawn as the range around 0, -1 to 1.
void KeepScaleFinite(double& axisLow, double& axisHigh, double& step, std::int16_t& intervals) {
    if (std::isfinite(GraphBandHeight / (axisHigh - axisLow))) return;
    double low = 0, high = 0;
    ChooseAxisScale(low, high, axisLow, axisHigh, step, intervals);
}

// Pixels per unit of an axis: span / (high - low), halved first where the difference
// of the ends leaves the range of a double.
double AxisScale(double span, double low, double high) {
    const double range = high - low;
    if (std::isfinite(range)) return span / range;
    return (span / 2) / (high / 2 - low / 2);
}

// The digits of a label in the exponent form: enough to tell ticks a step apart,
// no more than fit LongestLabel characters.
std::int16_t ExponentDigits(double low, double high, double step) {
    const double largest = std::max(std::fabs(low), std::fabs(high));
    if (!(largest > 0) || !(step > 0) || !std::isfinite(largest)) return 3;
    const int digits =
        static_cast<int>(std::floor(std::log10(largest)) - std::floor(std::log10(step))) + 1;
    return static_cast<std::int16_t>(std::clamp(digits, 1, 3));
}

// Widths of the labels of an axis's two ends; labels wider than LongestLabel switch
// the axis to the exponent form first.
std::int16_t EndLabelWidths(double low, double high, double step, std::int16_t decimals,
                            std::int16_t& exponentDigits, std::int16_t& wLow, std::int16_t& wHigh) {
    std::string text;
    exponentDigits = 0;
    wLow = LabelText(low, decimals, text);
    wHigh = LabelText(high, decimals, text);
    if (std::max(wLow, wHigh) > LongestLabel) {
        exponentDigits = ExponentDigits(low, high, step);
        wLow = TickLabel(low, decimals, exponentDigits, text);
        wHigh = TickLabel(high, decimals, exponentDigits, text);
    }
    return std::max(wLow, wHigh);
}
}  // namespace

std::int16_t TickLabel(double value, std::int16_t decimals, std::int16_t exponentDigits,
                       std::string& text) {
    if (exponentDigits == 0) return LabelText(value, decimals, text);
    if (value == 0) value = 0;  // no "-0.0E+00"
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::scientific, exponentDigits - 1);
    text.assign(buffer.data(), error == std::errc() ? end : buffer.data());
    for (char& c : text)
        if (c == 'e') c = 'E';
    return static_cast<std::int16_t>(text.size());
}

double TickValue(double low, double high, int i, int intervals) {
    const double range = high - low;
    // Near the largest double the product range * i may overflow where the tick does not.
    if (std::isfinite(range) && std::isfinite(range * i)) return range * i / intervals + low;
    const double t = static_cast<double>(i) / intervals;
    return low * (1 - t) + high * t;
}

PlotFrame ComputePlotFrame() {
    auto& s = Shared;
    PlotFrame f;
    FindRange(s.PointX, s.DataXMin, s.DataXMax);
    FindRange(s.PointY, s.DataYMin, s.DataYMax);
    double stepX = 1, stepY = 1;
    ChooseAxisScale(s.DataXMin, s.DataXMax, f.xLow, f.xHigh, stepX, f.nX);
    ChooseAxisScale(s.DataYMin, s.DataYMax, f.yLow, f.yHigh, stepY, f.nY);
    KeepScaleFinite(f.xLow, f.xHigh, stepX, f.nX);
    KeepScaleFinite(f.yLow, f.yHigh, stepY, f.nY);
    s.DecimalsX = StepDecimals(stepX);
    s.DecimalsY = StepDecimals(stepY);

    std::int16_t wXLow, wXHigh, wYLow, wYHigh;
    const std::int16_t wX =
        EndLabelWidths(f.xLow, f.xHigh, stepX, s.DecimalsX, f.exponentDigitsX, wXLow, wXHigh);
    const std::int16_t wY =
        EndLabelWidths(f.yLow, f.yHigh, stepY, s.DecimalsY, f.exponentDigitsY, wYLow, wYHigh);

    // The margins reckon 6 pixels a label character, narrower than the 8-pixel cell the
    // labels are written in: the designed layout, kept. Exponent-form labels are
    // reckoned by the cell, one cell wider for the gap.
    const bool exponentX = f.exponentDigitsX > 0, exponentY = f.exponentDigitsY > 0;
    auto triple = [exponentX](std::int16_t w) {  // (6w)/2, truncated
        return exponentX ? Wrap16(LabelCellPixels * (w + 1) / 2) : Wrap16(Wrap16(6 * w) / 2);
    };
    const std::int16_t yLabelRoom =
        exponentY ? Wrap16(LabelCellPixels * (wY + 1) + 4) : Wrap16(6 * wY + 4);
    std::int16_t L = Wrap16(std::max(yLabelRoom, Wrap16(triple(wXLow) + 1)) + 20);
    std::int16_t R = Wrap16(PlotRightEdge - std::max<std::int16_t>(21, Wrap16(triple(wXHigh) + 1)));
    std::int16_t span = Wrap16(R - L + 1);
    // Labels too wide for the band leave no room to spread them: one row.
    const std::int16_t xLabelRoom =
        exponentX ? Wrap16(LabelCellPixels * (wX + 1)) : Wrap16(6 * wX + 1);
    f.K = span > 0 ? Wrap16(1 + Wrap16(f.nX * xLabelRoom) / span) : std::int16_t{1};
    if (f.K < 1) f.K = 1;  // only absurd label widths wrap the 16-bit product
    const std::int16_t rowPixels = exponentX ? LabelLinePixels : 9;
    std::int16_t B = (f.yLow * f.yHigh >= 0) ? Wrap16(rowPixels * f.K + 24) : std::int16_t{20};

    s.ScaleX = AxisScale(R - L, f.xLow, f.xHigh);
    s.OffsetX = L - s.ScaleX * f.xLow;
    s.ScaleY = AxisScale(DataAreaTopUp - B, f.yLow, f.yHigh);
    s.OffsetY = B - s.ScaleY * f.yLow;
    s.AxisXLow = f.xLow;
    s.AxisYLow = f.yLow;
    return f;
}

double YAxisDataX(const PlotFrame& f) { return f.xLow * f.xHigh > 0 ? f.xLow : 0.0; }
double XAxisDataY(const PlotFrame& f) { return f.yLow * f.yHigh > 0 ? f.yLow : 0.0; }

void PlaceTickLabels(const PlotFrame& f, const std::function<void()>& writeLabel) {
    auto& s = Shared;
    if (f.nY > 0) {
        for (int i = 0; i <= f.nY; ++i) {
            const double v = TickValue(f.yLow, f.yHigh, i, f.nY);
            std::int16_t w = TickLabel(v, s.DecimalsY, f.exponentDigitsY, s.LabelString);
            // An exponent-form label ends a cell before the tick's left end.
            s.LabelX = f.exponentDigitsY > 0
                           ? Wrap16(ToPixelX(YAxisDataX(f)) - 4 - LabelCellPixels * (w + 1))
                           : Wrap16(ToPixelX(YAxisDataX(f)) - 6 - 7 * w);
            s.LabelYUp = Wrap16(ToPixelY(v) + 7);
            writeLabel();
        }
    }
    if (f.nX > 0) {
        for (int i = 0; i <= f.nX; ++i) {
            const double v = TickValue(f.xLow, f.xHigh, i, f.nX);
            std::int16_t w = TickLabel(v, s.DecimalsX, f.exponentDigitsX, s.LabelString);
            s.LabelX = f.exponentDigitsX > 0 ? Wrap16(ToPixelX(v) - LabelCellPixels * w / 2)
                                             : Wrap16(ToPixelX(v) - Wrap16(6 * w) / 2);
            const int rowPixels = f.exponentDigitsX > 0 ? LabelLinePixels : 9;
            s.LabelYUp = Wrap16(ToPixelY(XAxisDataY(f)) + 4 - rowPixels * ((i % f.K) + 1));
            writeLabel();
        }
    }
}
