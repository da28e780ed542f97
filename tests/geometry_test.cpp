// Axis scales, tick labels and the pixel mapping of the graph.
#include <gtest/gtest.h>

#include <cmath>

#include "PlotGeometry.h"
#include "PointSetup.h"
#include "SharedState.h"

namespace {

struct ScaleCase {
    const char* name;
    double low, high;
    double axisLow, axisHigh, step;
    std::int16_t intervals, decimals;
};

class AxisScale : public testing::TestWithParam<ScaleCase> {};

TEST_P(AxisScale, ChoosesATidyStep) {
    auto c = GetParam();
    double low = c.low, high = c.high, axisLow = 0, axisHigh = 0, step = -1;
    std::int16_t intervals = 0;
    ChooseAxisScale(low, high, axisLow, axisHigh, step, intervals);
    EXPECT_DOUBLE_EQ(axisLow, c.axisLow);
    EXPECT_DOUBLE_EQ(axisHigh, c.axisHigh);
    EXPECT_DOUBLE_EQ(step, c.step);
    EXPECT_EQ(intervals, c.intervals);
    EXPECT_EQ(StepDecimals(step), c.decimals);
}

INSTANTIATE_TEST_SUITE_P(Examples, AxisScale,
                         testing::Values(ScaleCase{"XFrom03To79", 0.3, 7.9, 0, 8, 1, 8, 0},
                                         ScaleCase{"YFrom12To47", 12, 47, 10, 50, 5, 8, 0},
                                         ScaleCase{"EqualPositive", 4, 4, 2, 6, 0.5, 8, 1},
                                         ScaleCase{"EqualZero", 0, 0, -1, 1, 0.5, 4, 1},
                                         ScaleCase{"EqualNegativeKeptInOrder", -4, -4, -6, -2, 0.5,
                                                   8, 1}),
                         [](const auto& info) { return info.param.name; });

TEST(AxisScale, EqualEndsAreWidenedInPlace) {
    double low = -4, high = -4, axisLow, axisHigh, step = 0;
    std::int16_t intervals;
    ChooseAxisScale(low, high, axisLow, axisHigh, step, intervals);
    EXPECT_EQ(low, -6);
    EXPECT_EQ(high, -2);
}

TEST(CeilWithTolerance, ForgivesRounding) {
    EXPECT_EQ(CeilWithTolerance(3.00005, 1), 3);
    EXPECT_EQ(CeilWithTolerance(3.0002, 1), 4);
    EXPECT_EQ(CeilWithTolerance(-2.5, 1), -2);
    EXPECT_EQ(CeilWithTolerance(7.9, 0.2), 40);
    EXPECT_EQ(CeilWithTolerance(1e6 + 0.5, 1), 1e6 + 1);
}

TEST(LabelText, WritesDigitByDigit) {
    struct Case {
        double value;
        std::int16_t decimals;
        const char* text;
        std::int16_t width;
    };
    const Case cases[] = {{2.5, 1, "2.5", 3},    {10, 0, "10.", 2},        {0, 0, "0.", 1},
                          {-0.25, 2, "-.25", 4}, {0.25, 2, ".25", 3},      {-0.5, 1, "-.5", 3},
                          {5, 0, "5.", 1},       {1234.5, 1, "1234.5", 6}, {0.05, 2, ".05", 3}};
    for (const auto& c : cases) {
        std::string text;
        EXPECT_EQ(LabelText(c.value, c.decimals, text), c.width) << c.text;
        EXPECT_EQ(text, c.text);
    }
}

TEST(ClampToPixel, RoundsHalfToEvenWithinLimits) {
    EXPECT_EQ(ClampToPixel(2.5), 2);
    EXPECT_EQ(ClampToPixel(3.5), 4);
    EXPECT_EQ(ClampToPixel(5000), 1000);
    EXPECT_EQ(ClampToPixel(-5000), -1000);
    EXPECT_EQ(ClampToPixel(std::nan("")), -1000);
}

TEST(PlotFrame, MarginsFollowTheLabels) {
    // X 0..8 (labels "0" and "8", width 1), Y 10..50 (labels width 2).
    UsePoints(std::vector<std::pair<double, double>>{{0.3, 12}, {4, 30}, {7.9, 47}});
    PlotFrame f = ComputePlotFrame();
    EXPECT_EQ(f.xLow, 0);
    EXPECT_EQ(f.xHigh, 8);
    EXPECT_EQ(f.yLow, 10);
    EXPECT_EQ(f.yHigh, 50);
    // L = max(6*2+4, 3*1+1) + 20 = 36; R = 350 - max(21, 4) = 329; K = 1 + 8*7/294 = 1.
    EXPECT_EQ(f.K, 1);
    EXPECT_EQ(ToPixelX(0), 36);
    EXPECT_EQ(ToPixelX(8), 329);
    // B = 9*1 + 24 = 33 up, the data top at 300 up.
    EXPECT_EQ(ToPixelY(10), 33);
    EXPECT_EQ(ToPixelY(50), 300);
    EXPECT_EQ(Shared.AxisXLow, 0);
    EXPECT_EQ(Shared.AxisYLow, 10);
}

TEST(PlotFrame, XAxisCrossingTheDataKeepsALowMargin) {
    UsePoints(std::vector<std::pair<double, double>>{{-2, -3}, {1, 2}, {3, 5}});
    PlotFrame f = ComputePlotFrame();
    ASSERT_LT(f.yLow * f.yHigh, 0);
    EXPECT_EQ(ToPixelY(f.yLow), 20);
    EXPECT_EQ(YAxisDataX(f), 0);
    EXPECT_EQ(XAxisDataY(f), 0);
}

TEST(PlotFrame, WideLabelsSpreadOverRows) {
    UsePoints(std::vector<std::pair<double, double>>{{100000.5, 1}, {100000.9, 2}, {100001.3, 3}});
    PlotFrame f = ComputePlotFrame();
    EXPECT_GT(f.K, 1);
    std::vector<std::int16_t> rows;
    PlaceTickLabels(f, [&] { rows.push_back(Shared.LabelYUp); });
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(f.nX + f.nY + 2));
    // X labels step down 9 pixels a row, back to the first row after K labels.
    const std::size_t firstX = f.nY + 1;
    EXPECT_EQ(rows[firstX] - rows[firstX + 1], 9);
    EXPECT_EQ(rows[firstX], rows[firstX + f.K]);
}

// Every label and every tick of a frame, with the band they must keep to.
void ExpectLabelsInTheBand(const PlotFrame& f, const char* what) {
    const double leftOfTable = 640;
    EXPECT_TRUE(std::isfinite(Shared.ScaleX) && std::isfinite(Shared.OffsetX)) << what;
    EXPECT_TRUE(std::isfinite(Shared.ScaleY) && std::isfinite(Shared.OffsetY)) << what;
    EXPECT_GT(f.nX, 0) << what;
    EXPECT_GT(f.nY, 0) << what;
    struct Box {
        int left, right, top, bottom;
    };
    std::vector<Box> boxes;
    PlaceTickLabels(f, [&] {
        EXPECT_LE(Shared.LabelString.size(), static_cast<std::size_t>(LongestLabel))
            << what << ": " << Shared.LabelString;
        EXPECT_GE(Shared.LabelX, -8) << what << ": " << Shared.LabelString;
        EXPECT_LT(Shared.LabelX + 8.0 * Shared.LabelString.size(), leftOfTable) << what;
        if (Shared.LabelString.find('E') != std::string::npos)
            boxes.push_back({Shared.LabelX, Shared.LabelX + 8 * int(Shared.LabelString.size()),
                             Shared.LabelYUp, Shared.LabelYUp - 13});
    });
    // Exponent-form labels keep a character cell from each other and from the Y axis's
    // ticks (which reach 4 pixels left of it).
    for (std::size_t a = 0; a < boxes.size(); ++a) {
        for (std::size_t b = a + 1; b < boxes.size(); ++b) {
            const bool rowsMeet = boxes[a].top > boxes[b].bottom && boxes[b].top > boxes[a].bottom;
            const bool columnsMeet =
                boxes[a].right + 8 > boxes[b].left && boxes[b].right + 8 > boxes[a].left;
            EXPECT_FALSE(rowsMeet && columnsMeet) << what << ": labels " << a << " and " << b;
        }
    }
    if (f.exponentDigitsY > 0) {
        PlaceTickLabels(f, [&] {});
        const int axis = ToPixelX(YAxisDataX(f));
        for (const Box& box : boxes)
            if (box.right <= axis) {
                EXPECT_LE(box.right + 8, axis - 4) << what;
            }
    }
    for (int i = 0; i <= f.nX; ++i) {
        const double v = TickValue(f.xLow, f.xHigh, i, f.nX);
        EXPECT_TRUE(std::isfinite(v)) << what;
        EXPECT_GE(ToPixelX(v), 0) << what;
        EXPECT_LE(ToPixelX(v), PlotRightEdge) << what;
    }
    for (int i = 0; i <= f.nY; ++i) {
        EXPECT_GE(ToPixelY(TickValue(f.yLow, f.yHigh, i, f.nY)), 0) << what;
        EXPECT_LE(ToPixelY(TickValue(f.yLow, f.yHigh, i, f.nY)), DataAreaTopUp) << what;
    }
}

TEST(PlotFrame, ExtremeRangesKeepTheGraphInItsBand) {
    UsePoints(std::vector<std::pair<double, double>>{{1, -1e150}, {2, 3e149}, {3, 1e150}});
    PlotFrame f = ComputePlotFrame();
    EXPECT_GT(f.exponentDigitsY, 0);
    ExpectLabelsInTheBand(f, "Y within 1e150");
    std::string text;
    EXPECT_EQ(TickLabel(-1e150, 0, 2, text), 9);
    EXPECT_EQ(text, "-1.0E+150");

    UsePoints(std::vector<std::pair<double, double>>{{1e-310, 1}, {2e-310, 3}, {3e-310, 2}});
    ExpectLabelsInTheBand(ComputePlotFrame(), "subnormal X");

    UsePoints(
        std::vector<std::pair<double, double>>{{-1e308, 1}, {-5e307, 3}, {5e307, 2}, {1e308, 5}});
    f = ComputePlotFrame();
    ExpectLabelsInTheBand(f, "X over the whole range of a double");
    EXPECT_EQ(TickValue(f.xLow, f.xHigh, f.nX, f.nX), f.xHigh);

    UsePoints(std::vector<std::pair<double, double>>{
        {1, 2}, {2, 3}, {3, 5}, {4, 4}, {5, 6}, {1e308, -1e308}});
    f = ComputePlotFrame();
    ExpectLabelsInTheBand(f, "five points and (1e308, -1e308)");
    EXPECT_DOUBLE_EQ(TickValue(f.xLow, f.xHigh, f.nX, f.nX), 1e308) << "the last tick, not beyond";

    UsePoints(std::vector<std::pair<double, double>>{{1, 1e-20}, {2, 3e-20}, {3, 2e-20}});
    ExpectLabelsInTheBand(ComputePlotFrame(), "Y of many decimals");
}

TEST(PlotFrame, TickLabelsStandLeftOfAndBelowTheAxes) {
    UsePoints(std::vector<std::pair<double, double>>{{0.3, 12}, {4, 30}, {7.9, 47}});
    PlotFrame f = ComputePlotFrame();
    std::vector<std::tuple<std::string, std::int16_t, std::int16_t>> labels;
    PlaceTickLabels(
        f, [&] { labels.emplace_back(Shared.LabelString, Shared.LabelX, Shared.LabelYUp); });
    ASSERT_EQ(labels.size(), 9u + 9u);
    // Y label "10." (width 2) ends 6 pixels left of the axis at x 36: 36 - 6 - 14 = 16.
    EXPECT_EQ(labels[0], std::make_tuple(std::string("10."), std::int16_t(16), std::int16_t(40)));
    // X label "0." (width 1) centred under x 36, its top 5 pixels below the axis.
    EXPECT_EQ(labels[9],
              std::make_tuple(std::string("0."), std::int16_t(33), std::int16_t(33 + 4 - 9)));
}

}  // namespace
