// The results drawings on the recording surface: table, coefficient panel, graph
// frame and the failure reports, on the screen and on the print sheet.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Coefficients.h"
#include "DrawingMatchers.h"
#include "EngineCodes.h"
#include "ErrorReport.h"
#include "FormulaKinds.h"
#include "Graph.h"
#include "NumberFormat.h"
#include "PlotGeometry.h"
#include "PointSetup.h"
#include "RecordingSurface.h"
#include "ResidualPlot.h"
#include "ScriptedDialogs.h"
#include "SharedState.h"
#include "Table.h"
#include "Utf8Text.h"

namespace {

class Drawing : public testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator(","); }
    void TearDown() override { SetDecimalSeparator("."); }
    RecordingSurface surface;
};

// Three typed points with chosen computed values and deviations.
void UseTablePoints() {
    UsePoints({{"1", "2.50"}, {"2", "25"}, {"3", "25."}});
    Shared.FitMatrix[1][0] = 2.4567;
    Shared.FitMatrix[2][0] = 24.123;
    Shared.FitMatrix[3][0] = 26.7;
    Shared.Deviation[1] = 12345.678;
    Shared.Deviation[2] = -3.5;
    Shared.Deviation[3] = 0;
}

TEST_F(Drawing, TableGridForThreePoints) {
    UseTablePoints();
    ShowTable(surface);
    auto lines = OfKind(surface.Ops(), SurfaceOp::Line);
    std::vector<SurfaceOp> horizontal, vertical;
    for (const auto& l : lines) (l.y1 == l.y2 ? horizontal : vertical).push_back(l);
    ASSERT_EQ(horizontal.size(), 5u) << Describe(lines);
    ASSERT_EQ(vertical.size(), 6u) << Describe(lines);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(horizontal[k].y1, 20 + 16 * k);
        EXPECT_EQ(horizontal[k].x1, 640);
        EXPECT_EQ(horizontal[k].x2, 1006);
    }
    const double columnX[] = {640, 670, 754, 838, 922, 1006};
    for (int j = 0; j < 6; ++j) {
        EXPECT_EQ(vertical[j].x1, columnX[j]);
        EXPECT_EQ(vertical[j].y1, 20);
        EXPECT_EQ(vertical[j].y2, 84);
    }
    for (const auto& l : lines) EXPECT_EQ(l.color, Shared.GridColor);
    EXPECT_EQ(Shared.TableLeft, 640);
    EXPECT_EQ(Shared.TableTop, 20);
}

TEST_F(Drawing, TableHeadersNumbersAndValues) {
    UseTablePoints();
    ShowTable(surface);
    const auto& ops = surface.Ops();
    struct Expected {
        const char* text;
        double x, y;
        Color color;
    };
    const Expected expected[] = {
        {"N", 651, 22, 0x8000},
        {"  X(исх.)", 670, 22, 0x8000},
        {"  Y(исх.)", 754, 22, 0x8000},
        {" Y(расч.)", 838, 22, 0x8000},
        {" Отклон.%", 922, 22, 0x8000},
        {"1", 651, 38, 0x8000},
        {"1", 708, 38, 0xFF0000},
        {"2.50", 780, 38, 0xFF0000},
        // Decimals of the computed value follow the typed Y: 2.50 gives 2, 25 gives 2, "25." gives
        // 0.
        {"   2,46   ", 840, 38, 0x40C0},
        {"  24,12   ", 840, 54, 0x40C0},
        {"   27,    ", 840, 70, 0x40C0},
        // 12345,678 has 9 characters: cut to 8, centred in 9, from 922 + (84 - 72) / 2.
        {"12345,67 ", 928, 38, 0x40C0},
        {"-3,500", 922 + (84 - 48) / 2, 54, 0x40C0},
    };
    for (const auto& e : expected) {
        auto found = std::find_if(ops.begin(), ops.end(), [&](const SurfaceOp& op) {
            return op.kind == SurfaceOp::Text && op.text == e.text && op.x1 == e.x && op.y1 == e.y;
        });
        ASSERT_NE(found, ops.end()) << e.text << " at " << e.x << "," << e.y << "\n"
                                    << Describe(OfKind(ops, SurfaceOp::Text));
        EXPECT_EQ(found->color, e.color) << e.text;
        EXPECT_TRUE(found->bold) << e.text;
    }
    EXPECT_EQ(surface.ForeColor(), 0u);
    EXPECT_TRUE(surface.Bold());
}

TEST_F(Drawing, TwoDigitPointNumbersMoveLeft) {
    std::vector<std::pair<double, double>> points;
    for (int i = 1; i <= 10; ++i) points.emplace_back(i, i);
    UsePoints(points);
    ShowTable(surface);
    EXPECT_EQ(FindText(surface.Ops(), "9")->x1, 651);
    EXPECT_EQ(FindText(surface.Ops(), "10")->x1, 647);
}

TEST_F(Drawing, DeviationsTooWideKeepTheirMagnitude) {
    UseTablePoints();
    Shared.Deviation[1] = -3e9;           // "-3,000E+09" in 10 characters
    Shared.Deviation[2] = 123456789.123;  // nine integer digits: no cut integer
    Shared.Deviation[3] = 12345.678;      // the designed cut of the last decimals
    ShowTable(surface);
    EXPECT_TRUE(FindText(surface.Ops(), " -3,0E+09 ")) << Describe(surface.Ops());
    EXPECT_TRUE(FindText(surface.Ops(), " 1,23E+08 ")) << Describe(surface.Ops());
    ASSERT_TRUE(FindText(surface.Ops(), "12345,67 "));
    EXPECT_EQ(FindText(surface.Ops(), "12345,67 ")->x1, 928);
}

TEST_F(Drawing, TypedTableLeavesTheComputedColumnsEmpty) {
    UseTablePoints();
    ShowTypedTable(surface);
    EXPECT_TRUE(FindText(surface.Ops(), "2.50"));
    EXPECT_TRUE(FindText(surface.Ops(), " Y(расч.)"));
    EXPECT_FALSE(FindTextContaining(surface.Ops(), "2,46"));
    EXPECT_FALSE(FindTextContaining(surface.Ops(), "-3,500"));
    EXPECT_EQ(Shared.TableLeft, 640);
}

TEST_F(Drawing, PrintTableMovesAndRenamesTheLastHeader) {
    UseTablePoints();
    PrintTable(surface);
    EXPECT_EQ(Shared.TableLeft, 370);
    EXPECT_EQ(Shared.TableTop, 80);
    ASSERT_TRUE(FindText(surface.Ops(), "Отклонен%"));
    EXPECT_EQ(FindText(surface.Ops(), "Отклонен%")->x1, 370 + 30 + 3 * 84);
    EXPECT_FALSE(FindText(surface.Ops(), " Отклон.%"));
}

TEST_F(Drawing, PolynomialCoefficientLines) {
    UsePoints(std::vector<std::pair<double, double>>{{1, 1}, {2, 3}, {3, 5}, {4, 7}});
    ChooseKind(KindPolynomial, 2);
    Shared.FitMatrix[0][1] = 1.5;
    Shared.FitMatrix[0][2] = -2;
    Shared.FitMatrix[0][3] = 12345.6;
    ShowCoefficients(surface);
    auto texts = OfKind(surface.Ops(), SurfaceOp::Text);
    ASSERT_EQ(texts.size(), 4u) << Describe(texts);
    EXPECT_EQ(texts[0].text, "КОЭФФИЦИЕНТЫ ПОЛИНОМА");
    EXPECT_EQ(texts[0].x1, 400);
    EXPECT_EQ(texts[0].y1, 60);
    EXPECT_EQ(texts[0].color, Shared.HeadingColor);
    EXPECT_EQ(texts[1].text, " A[0]=  1,500000000");
    EXPECT_EQ(texts[2].text, " A[1]= -2,000000000");
    EXPECT_EQ(texts[3].text, " A[2]= 12345,600000");
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(texts[i].y1, 80 + 12 * (i - 1));
        EXPECT_EQ(texts[i].color, Shared.ComputedColor);
        EXPECT_TRUE(texts[i].bold);
    }
    EXPECT_EQ(surface.ForeColor(), 0u);
    EXPECT_FALSE(surface.Bold());

    surface.Forget();
    ChooseKind(KindPolynomialNoFree, 1);
    ShowCoefficients(surface);
    texts = OfKind(surface.Ops(), SurfaceOp::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "КОЭФФИЦИЕНТ ПОЛИНОМА");
    EXPECT_EQ(texts[1].text, " A[1]=  1,500000000");
}

TEST_F(Drawing, EquationCoefficientLines) {
    UsePoints(std::vector<std::pair<double, double>>{{1, 1}, {2, 3}, {3, 5}, {4, 7}});
    ChooseKind(KindExponential);
    Shared.CoefA = 2.5;
    Shared.CoefB = 0;
    Shared.CoefC = 7;
    ShowCoefficients(surface);
    auto texts = OfKind(surface.Ops(), SurfaceOp::Text);
    ASSERT_EQ(texts.size(), 3u) << Describe(texts);
    EXPECT_EQ(texts[0].text, "КОЭФФИЦИЕНТЫ УРАВНЕНИЯ");
    EXPECT_EQ(texts[0].x1, 390);
    EXPECT_EQ(texts[0].y1, 80);
    EXPECT_EQ(texts[1].text, "A =     2,500000000");
    EXPECT_EQ(texts[1].y1, 100);
    EXPECT_EQ(texts[2].text, "B =  0");  // the general form: two blanks after "="
    EXPECT_EQ(texts[2].y1, 112);

    surface.Forget();
    ChooseKind(KindSine);
    Shared.CoefB = 1e-9;
    Shared.CoefC = 1.6e-9;
    ShowCoefficients(surface);
    texts = OfKind(surface.Ops(), SurfaceOp::Text);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[2].text, "B =  1E-09");
    EXPECT_EQ(texts[3].text, "C =     0,000000002");
    EXPECT_EQ(texts[3].x1, 400);
    EXPECT_EQ(texts[3].y1, 124);
}

// In the mode on Y the panel says which fit it shows, a blank line under its last line.
TEST_F(Drawing, FitMarkUnderThePanelInTheModeOnY) {
    UsePoints(std::vector<std::pair<double, double>>{{1, 1}, {2, 3}, {3, 5}, {4, 7}});
    struct Case {
        std::uint8_t kind, outcome;
        bool paper;
        const char* text;
        double x, y;
    };
    for (const Case& c :
         {Case{KindExponential, RefinementDone, false, "МНК по Y", 400, 136},
          Case{KindExpQuadratic, RefinementOutOfRange, true, "линеаризованный МНК", 106, 510},
          Case{KindPolynomial, RefinementNone, false, "МНК по Y", 400, 128}}) {
        ChooseKind(c.kind, 2);
        Shared.FitMode = FitOnY;
        Shared.RefinementOutcome = c.outcome;
        surface.Forget();
        c.paper ? PrintCoefficients(surface) : ShowCoefficients(surface);
        const auto texts = OfKind(surface.Ops(), SurfaceOp::Text);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.back().text, c.text);
        EXPECT_EQ(texts.back().x1, c.x);
        EXPECT_EQ(texts.back().y1, c.y) << c.text;
    }
}

TEST_F(Drawing, PrintedCoefficientsKeepTheSheetColour) {
    UsePoints(std::vector<std::pair<double, double>>{{1, 1}, {2, 3}, {3, 5}, {4, 7}});
    Shared.PrintOffsetX = 6;
    ChooseKind(KindPolynomial, 1);
    Shared.FitMatrix[0][1] = 12345.6789012345;
    Shared.FitMatrix[0][2] = -0.5;
    surface.SetForeColor(0x123456);
    PrintCoefficients(surface);
    auto texts = OfKind(surface.Ops(), SurfaceOp::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].x1, 106);
    EXPECT_EQ(texts[0].y1, 440);
    EXPECT_TRUE(texts[0].bold);
    EXPECT_EQ(texts[1].text, "A[0]=  12345.6789012345");  // every significant digit, "." as point
    EXPECT_EQ(texts[1].x1, 96);
    EXPECT_EQ(texts[1].y1, 462);
    EXPECT_FALSE(texts[1].bold);
    EXPECT_EQ(texts[2].text, "A[1]= -0.5");
    for (const auto& t : texts) EXPECT_EQ(t.color, 0x123456u);

    surface.Forget();
    ChooseKind(KindLogQuadratic);
    Shared.CoefA = 1;
    Shared.CoefB = 2;
    Shared.CoefC = 3;
    PrintCoefficients(surface);
    texts = OfKind(surface.Ops(), SurfaceOp::Text);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].x1, 96);
    EXPECT_EQ(texts[0].y1, 440);
    EXPECT_EQ(texts[3].x1, 106);
    EXPECT_EQ(texts[3].y1, 486);
}

// The road of a fit: points, formula, guarded computation.
void Fit(const std::vector<std::pair<double, double>>& points, std::uint8_t kind,
         std::int16_t degree = 0) {
    UsePoints(points);
    ChooseKind(kind, degree);
    ASSERT_EQ(RunGuardedComputation(), FailNone);
}

TEST_F(Drawing, GraphFrameWithAxesAtTheLowEnds) {
    Fit({{1, 2.7}, {2, 4.4}, {3, 7.6}, {4, 12.1}, {5, 20.3}}, KindExponential);
    ShowResults(surface);
    const auto& ops = surface.Ops();
    const double ax = ToPixelX(1);                    // xLow 1 > 0: the Y axis at xLow
    const double ay = GraphBandHeight - ToPixelY(0);  // Y 0..25: the X axis at yLow
    auto y = FindText(ops, "Y");
    ASSERT_TRUE(y);
    EXPECT_EQ(y->x1, ax + 8);
    auto caption = FindText(ops, "Y=A*Exp(B*X)");
    ASSERT_TRUE(caption) << Describe(OfKind(ops, SurfaceOp::Text));
    EXPECT_EQ(caption->x1, ax + 8);
    EXPECT_EQ(caption->y1, 10);
    EXPECT_TRUE(caption->bold);
    EXPECT_EQ(caption->color, Shared.SourceColor);
    auto mean = FindText(ops, " СРЕДНЕСТАТИСТИЧЕСКОЕ ОТКЛОНЕНИЕ = ");
    ASSERT_TRUE(mean);
    EXPECT_EQ(mean->x1, ax - 20);
    EXPECT_EQ(mean->y1, ay + 24);
    EXPECT_EQ(mean->color, Shared.HeadingColor);
    auto meanValue = FindTextContaining(ops, "%");
    ASSERT_TRUE(meanValue);
    EXPECT_EQ(meanValue->text, " 1,1208%");      // 1.12076…, 4 decimals in 7 characters
    EXPECT_EQ(meanValue->x1, ax - 20 + 8 * 35);  // just after the 35 characters before it
    auto correlation = FindText(ops, " КОЭФФИЦИЕНТ КОРРЕЛЯЦИИ = ");
    ASSERT_TRUE(correlation);
    EXPECT_EQ(correlation->y1, ay + 24 + surface.TextLineHeight() + 10);
    // The curve: thick red segments between stored samples.
    auto lines = OfKind(ops, SurfaceOp::Line);
    const auto thick =
        std::count_if(lines.begin(), lines.end(), [](const SurfaceOp& l) { return l.width == 3; });
    EXPECT_EQ(thick, Shared.CurvePointCount - 1);
    for (const auto& l : lines)
        if (l.width == 3) {
            EXPECT_EQ(l.color, Shared.CurveColor);
        }
    // Points: rings of radius 2 and 1 where the picking expects them.
    auto circles = OfKind(ops, SurfaceOp::Circle);
    ASSERT_EQ(circles.size(), 10u);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(circles[2 * (i - 1)].x1, Shared.PointPixelX[i]);
        EXPECT_EQ(circles[2 * (i - 1)].y1, Shared.PointPixelY[i]);
        EXPECT_EQ(circles[2 * (i - 1)].x2, 2);
        EXPECT_EQ(circles[2 * i - 1].x2, 1);
    }
    // Tick labels in black, not bold: written after the frame left that state.
    auto label = FindText(ops, "25.");
    ASSERT_TRUE(label);
    EXPECT_EQ(label->color, 0u);
    EXPECT_FALSE(label->bold);
}

// Points with uncertainties: Y +- sigma a vertical bar in the points' colour, capped
// where it ends inside the graph and cut at its edges; none without sigma.
TEST_F(Drawing, ErrorBarsOfPointsWithUncertainties) {
    Fit({{1, 2.7}, {2, 4.4}, {3, 7.6}, {4, 12.1}, {5, 20.3}}, KindExponential);
    const double sigma[] = {0, 0.5, 0.25, 1, 2, 40};
    for (int i = 1; i <= 5; ++i) Shared.PointSigma[i] = sigma[i];
    const auto bars = [&] {
        surface.Clear();
        ShowResults(surface);
        std::vector<SurfaceOp> lines;
        for (const SurfaceOp& op : OfKind(surface.Ops(), SurfaceOp::Line))
            if (op.color == Shared.SourceColor && op.width == 1) lines.push_back(op);
        return lines;
    };
    const auto before = bars();
    Shared.SigmaPresent = true;
    const auto after = bars();
    ASSERT_EQ(after.size(), before.size() + 4 * 3 + 1);  // a bar and two caps, the last cut
    const auto row = [](double y) { return double(GraphBandHeight - ToPixelY(y)); };
    for (int i = 1; i <= 4; ++i) {
        const double x = ToPixelX(Shared.PointX[i]), top = row(Shared.PointY[i] + sigma[i]),
                     bottom = row(Shared.PointY[i] - sigma[i]);
        const auto has = [&](double x1, double y1, double x2, double y2) {
            return std::any_of(after.begin(), after.end(), [&](const SurfaceOp& op) {
                return op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2;
            });
        };
        EXPECT_TRUE(has(x, top, x, bottom)) << "point " << i;
        EXPECT_TRUE(has(x - 2, top, x + 2, top)) << "point " << i;
        EXPECT_TRUE(has(x - 2, bottom, x + 2, bottom)) << "point " << i;
    }
    const double x5 = ToPixelX(5);
    EXPECT_TRUE(std::any_of(after.begin(), after.end(), [&](const SurfaceOp& op) {
        return op.x1 == x5 && op.x2 == x5 && op.y1 == 11 && op.y2 == GraphBandHeight - 1;
    }));
}

// Residuals in units of sigma: a point measured a million times less precisely than the
// others sits on the zero line (halfway down the plot), whatever its residual on Y.
TEST_F(Drawing, ResidualsInUnitsOfSigma) {
    Fit({{1, 2.7}, {2, 4.4}, {3, 7.6}, {4, 12.1}, {5, 20.3}}, KindPolynomial, 1);
    for (int i = 1; i <= 5; ++i) Shared.PointSigma[i] = i == 3 ? 1e6 : 1;
    Shared.SigmaPresent = true;
    DrawResidualPlot(surface, 640, 400);
    const auto circles = OfKind(surface.OpsSinceClear(), SurfaceOp::Circle);
    ASSERT_EQ(circles.size(), 5u);
    const double zeroLine = 44 + (400 - 44 - 36) / 2.0;  // the plot's top and bottom margins
    EXPECT_NEAR(circles[2].y1, zeroLine, 1e-3);
    EXPECT_GT(std::fabs(circles[4].y1 - zeroLine), 20);
}

TEST_F(Drawing, AxesThroughZeroCarryTheStatistics) {
    Fit({{-2, -3}, {-1, -1}, {1, 2}, {3, 5}}, KindPolynomial, 1);
    ShowResults(surface);
    const auto& ops = surface.Ops();
    const double ax = ToPixelX(0);
    const double ay = GraphBandHeight - ToPixelY(0);
    auto lines = OfKind(ops, SurfaceOp::Line);
    // The Y axis runs at X = 0 up to 20 pixels above the data area; the X axis at Y = 0.
    EXPECT_EQ(lines[0].x1, ax);
    EXPECT_EQ(lines[0].x2, ax);
    EXPECT_EQ(lines[0].y2, GraphBandHeight - (ToPixelY(5) + 20));
    auto xAxis = std::find_if(lines.begin(), lines.end(), [&](const SurfaceOp& l) {
        return l.y1 == ay && l.y2 == ay && l.x1 == ToPixelX(-2);
    });
    ASSERT_NE(xAxis, lines.end()) << Describe(lines);
    EXPECT_EQ(xAxis->x2, ToPixelX(3) + 25);
    EXPECT_EQ(FindText(ops, " СРЕДНЕСТАТИСТИЧЕСКОЕ ОТКЛОНЕНИЕ = ")->y1, ay + 24);
    auto caption = FindTextContaining(ops, "Y=A[0]");
    ASSERT_TRUE(caption);
    EXPECT_EQ(caption->text, Shared.FormulaTexts[1] + "          N = 1");
}

TEST_F(Drawing, PrintSheetMovesTheGraphButNotTheStatisticsX) {
    Fit({{1, 2.7}, {2, 4.4}, {3, 7.6}, {4, 12.1}, {5, 20.3}}, KindExponential);
    RecordingSurface screen;
    ShowResults(screen);
    const auto pixelsX = Shared.PointPixelX;
    Shared.PointPixelX.fill(0);
    // The graph moved by the print offsets the print command sets.
    Shared.PrintOffsetX = 6;
    Shared.PrintOffsetY = 50;
    PrintResults(surface);
    EXPECT_EQ(Shared.PointPixelX[1], 0);  // only the screen records point positions
    Shared.PointPixelX = pixelsX;
    const double ax = ToPixelX(1);
    const double ay = GraphBandHeight - ToPixelY(0);
    EXPECT_EQ(FindText(surface.Ops(), "Y")->x1, ax + 8 + 6);
    EXPECT_EQ(FindText(surface.Ops(), "Y=A*Exp(B*X)")->x1, ax + 6);
    EXPECT_EQ(FindText(surface.Ops(), "Y=A*Exp(B*X)")->y1, 60);
    auto mean = FindText(surface.Ops(), "СРЕДНЕСТАТИСТИЧЕСКОЕ ОТКЛОНЕНИЕ=");
    ASSERT_TRUE(mean);
    EXPECT_EQ(mean->x1, ax - 20);
    EXPECT_EQ(mean->y1, ay + 24 + 50);
    ASSERT_TRUE(FindText(surface.Ops(), "КОЭФФИЦИЕНТ КОРРЕЛЯЦИИ="));
    auto screenCircles = OfKind(screen.Ops(), SurfaceOp::Circle);
    auto sheetCircles = OfKind(surface.Ops(), SurfaceOp::Circle);
    ASSERT_EQ(screenCircles.size(), sheetCircles.size());
    for (std::size_t k = 0; k < screenCircles.size(); ++k) {
        EXPECT_EQ(sheetCircles[k].x1, screenCircles[k].x1 + 6);
        EXPECT_EQ(sheetCircles[k].y1, screenCircles[k].y1 + 50);
    }
    auto label = FindText(screen.Ops(), "25.");
    EXPECT_EQ(FindText(surface.Ops(), "25.")->x1, label->x1 + 6);
    EXPECT_EQ(FindText(surface.Ops(), "25.")->y1, label->y1 + 50);
}

TEST_F(Drawing, FailureOnTheResultsWindow) {
    ScriptedDialogs dialogs;
    surface.Print("old drawing");
    surface.SetBold(false);
    ReportFailureOnResultsWindow(surface, FailOverflow);
    EXPECT_EQ(dialogs.beeps, 1);
    auto ops = surface.OpsSinceClear();
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].text, "            НЕТ РЕШЕНИЯ !!!             ");
    EXPECT_EQ(ops[0].x1, 100);
    EXPECT_EQ(ops[0].y1, 100);
    EXPECT_EQ(ops[1].text, "            ПЕРЕПОЛНЕНИЕ            ");
    EXPECT_EQ(ops[1].y1, 200);
    for (const auto& op : ops) {
        EXPECT_EQ(op.color, 255u);
        EXPECT_TRUE(op.bold);
    }
    EXPECT_EQ(surface.ForeColor(), 0u);
    EXPECT_FALSE(surface.Bold());
    surface.Forget();
    ReportFailureOnResultsWindow(surface, 7);
    EXPECT_EQ(OfKind(surface.Ops(), SurfaceOp::Text).size(), 1u);
}

TEST_F(Drawing, FailureOnTheFormulaWindowFollowsItsWidth) {
    ScriptedDialogs dialogs;
    RecordingSurface form2(19200);  // twips of a 1280-pixel window: fields of 128
    ReportFailureOnFormulaWindow(form2, FailLogArgument);
    auto ops = form2.OpsSinceClear();
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(CharCount(ops[0].text), 128u);
    EXPECT_EQ(ops[1].y1, 600);
    EXPECT_EQ(ops[1].x1, 100);
    // 38 characters in 128: 45 blanks on either side.
    EXPECT_EQ(ops[1].text, std::string(45, ' ') + "ЛОГАРИФМ НУЛЯ ИЛИ ОТРИЦАТЕЛЬНОГО ЧИСЛА" +
                               std::string(45, ' '));
    EXPECT_FALSE(ops[1].bold);
    EXPECT_EQ(ops[1].color, 255u);
    EXPECT_EQ(form2.ForeColor(), 0u);
    EXPECT_EQ(dialogs.beeps, 1);
}

}  // namespace
