// What the windows must never do, whatever the user clicks or types: show a fit that
// no computation of the current pairs produced, leave no way out, act twice on one
// double click, move an edit on a right click, or keep a number beyond a double.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>

#include "DialogDriver.h"
#include "DrawingMatchers.h"
#include "FormulaKinds.h"
#include "FormulaWindow.h"
#include "QuestionWindow.h"
#include "ResultsFixture.h"
#include "SharedState.h"

namespace {

// What only a fit draws: the coefficient panel, the statistics and the thick curve.
bool DrawsAFit(const std::vector<SurfaceOp>& ops) {
    for (const auto& op : ops) {
        if (op.kind == SurfaceOp::Text &&
            (op.text.find("КОЭФФИЦИЕНТ") != std::string::npos || op.text.find("A = ") == 0 ||
             op.text.find("СРЕДНЕСТАТИСТИЧЕСКОЕ") != std::string::npos))
            return true;
        if (op.kind == SurfaceOp::Line && op.width == 3) return true;
    }
    return false;
}

const TypedPairs Exponential = {
    {"1", "2.7"}, {"2", "4.4"}, {"3", "7.6"}, {"4", "12.1"}, {"5", "20.3"}};

TEST_F(Commands, FirstDisplayAfterARefusedDegreeOffersEveryCommand) {
    Enter(Line(5));
    driver.Type("0");  // the degree refused: the list again
    ClickFormula(KindPolynomial);
    ASSERT_TRUE(ListRefilled(13));
    ClickFormula(KindExponential);
    ASSERT_TRUE(ResultsShown());
    EXPECT_EQ(Visible(), All());
}

TEST_F(Commands, NoFitIsDrawnAfterAFailedCorrection) {
    FitToResults(Exponential, KindExponential);
    Press(results().Command7);
    ClickWindow(Cell(2, 3).x(), Cell(2, 3).y());
    QTest::keyClicks(results().Text1, "0");
    QTest::keyClick(results().Text1, Qt::Key_Return);  // ln 0: the fit fails
    ASSERT_TRUE(FindTextContaining(Drawn(), "ЛОГАРИФМ НУЛЯ"));
    EXPECT_FALSE(DrawsAFit(Drawn())) << Describe(Drawn());
    EXPECT_TRUE(FindText(Drawn(), "12.1")) << "the typed pairs stay in view";
    // Another cell: the editor moves, the failure stays, and still no fit.
    ClickWindow(Cell(1, 4).x(), Cell(1, 4).y());
    EXPECT_TRUE(results().Text1->isVisible());
    EXPECT_EQ(results().Text1->y(), Shared.TableTop + 4 * Shared.RowHeight - 2);
    EXPECT_TRUE(FindTextContaining(Drawn(), "ЛОГАРИФМ НУЛЯ"));
    EXPECT_FALSE(DrawsAFit(Drawn())) << Describe(Drawn());
    // Where the third point was drawn nothing is picked: no graph is on the window.
    ClickWindow(Shared.PointPixelX[3], Shared.PointPixelY[3]);
    EXPECT_EQ(results().Text1->y(), Shared.TableTop + 4 * Shared.RowHeight - 2);
    // A value that fits ends it.
    ClickWindow(Cell(2, 3).x(), Cell(2, 3).y());
    QTest::keyClicks(results().Text1, "7.6");
    QTest::keyClick(results().Text1, Qt::Key_Return);
    EXPECT_TRUE(DrawsAFit(Drawn()));
    EXPECT_EQ(Visible(), All());
}

TEST_F(Commands, AFormulaThatFailsLeavesAWayOut) {
    FitToResults(Exponential, KindExponential);
    driver.Type("1e308").Type("-1e308");
    Press(results().Command3);
    ASSERT_TRUE(driver.Done());
    Press(results().Command2);
    ClickListLine(KindExponential - 1);
    ASSERT_TRUE(WaitUntil([&] { return !results().List1->isVisible(); }));
    EXPECT_TRUE(FindText(Drawn(), "1e308")) << Describe(Drawn());
    EXPECT_FALSE(DrawsAFit(Drawn()));
    EXPECT_EQ(Visible(), (std::vector<std::string>{"Command1", "Command2", "Command3", "Command4",
                                                   "Command7"}));
    // The pair can be removed, and the fit comes back.
    Press(results().Command4);
    ClickWindow(Cell(1, 6).x(), Cell(1, 6).y());
    ASSERT_TRUE(Form4Loaded());
    QTest::mouseClick(Form4().Command1, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return results().Command5->isVisible(); }));
    EXPECT_EQ(Shared.PointCount, 5);
    EXPECT_TRUE(DrawsAFit(Drawn()));
}

TEST_F(Commands, RightClickWhileEditingKeepsTheCell) {
    FitToResults(Line(5), KindPolynomial, "1");
    Press(results().Command7);
    ClickWindow(Cell(1, 2).x(), Cell(1, 2).y());
    QTest::keyClicks(results().Text1, "77");
    ClickWindow(Cell(2, 4).x(), Cell(2, 4).y(), Qt::RightButton);
    QTest::keyClick(results().Text1, Qt::Key_Return);
    EXPECT_EQ(Shared.PointXText[5], "77");  // X of pair 2, sorted to the end
    EXPECT_EQ(Shared.PointYText[5], "5.5") << "the pair keeps its Y";
    for (int i = 1; i <= 4; ++i) EXPECT_NE(Shared.PointYText[i], "77");
}

TEST_F(Commands, DoubleClicksActOnce) {
    FitToResults(Line(5), KindExponential);
    {
        // A box the second click would open is closed again, and counted.
        DialogDriver strays;
        strays.Cancel();
        DoubleClick(results().Command2);
        QTest::qWait(50);
        EXPECT_FALSE(strays.Done()) << "the second click chose a polynomial";
    }
    EXPECT_TRUE(results().List1->isVisible()) << "the second click chose a formula";
    EXPECT_EQ(Shared.FormulaKind, KindExponential);
    ClickListLine(KindExponential - 1);
    ASSERT_TRUE(WaitUntil([&] { return results().Command5->isVisible(); }));

    driver.Type("2");
    Press(results().Command5);
    ASSERT_TRUE(driver.Done());
    {
        DialogDriver strays;
        strays.Cancel();
        DoubleClick(results().Command5);  // "Продолжение работы", twice
        QTest::qWait(50);
        EXPECT_FALSE(strays.Done()) << "the second click started an interpolation";
    }
    EXPECT_EQ(Shared.InterpolationActive, False);
    EXPECT_EQ(results().Command5->Caption(), "Интерполяция");
    EXPECT_EQ(Visible(), All());

    // A double click whose first click opened the editor does not commit in it.
    Press(results().Command7);
    DoubleClick(&results(), Cell(2, 2));
    EXPECT_TRUE(results().Text1->isVisible());
    EXPECT_EQ(Shared.CorrectPickMode, True);
}

TEST_F(Commands, NumbersBeyondADoubleAreAskedAgain) {
    driver.Type("3").Type("1e309").Ok().Type("1").Type("2").Type("2").Type("4").Type("3").Type(
        "-1e400");
    driver.Ok().Type("6");
    PressReady();
    ASSERT_TRUE(ListRefilled(10));
    EXPECT_EQ(Shared.PointXText[1], "1");
    EXPECT_EQ(Shared.PointYText[3], "6");
    const auto& seen = driver.SeenBoxes();
    ASSERT_GE(seen.size(), 3u);
    EXPECT_EQ(seen[2].kind, "message");
    EXPECT_NE(seen[2].prompt.find("1e309"), std::string::npos) << seen[2].prompt;
    EXPECT_EQ(seen[3].prompt, " X [ 1 ] = ") << "the same box again";

    ClickFormula(KindPolynomial);
    driver.Type("1");
    ASSERT_TRUE(ResultsShown());
    driver.Ok();
    Press(results().Command7);
    ClickWindow(Cell(2, 2).x(), Cell(2, 2).y());
    QTest::keyClicks(results().Text1, "5e99999");
    QTest::keyClick(results().Text1, Qt::Key_Return);
    ASSERT_TRUE(driver.Done());
    EXPECT_TRUE(results().Text1->isVisible()) << "the editor stays for another value";
    EXPECT_EQ(Shared.PointYText[2], "4");
}

}  // namespace
