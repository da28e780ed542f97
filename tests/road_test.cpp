// From start to results on the real windows: the title window, the data entry with
// its real input and message boxes, the formula window and the first fit.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>
#include <cmath>

#include "DialogDriver.h"
#include "DrawingMatchers.h"
#include "FormulaWindow.h"
#include "ResultsWindow.h"
#include "RoadFixture.h"
#include "SharedState.h"
#include "TitleWindow.h"

namespace {

const char* const CountPrompt = "Сколько пар точек будете вводить";
const char* const CountRefusal = "Количество пар от 3 до 40 !!!    Продолжаете работу ?";

class Road : public RoadFixture {};

TEST_F(Road, TitleWindowFillsTheScreenAndRefusalEnds) {
    TitleWindow& title = Form1();
    title.show();
    EXPECT_EQ(title.windowTitle().toStdString(), "Аппроксимация экспериментальных данных");
    EXPECT_EQ(title.size(), QSize(1280, 1024));
    EXPECT_EQ(Shared.FormulaTexts[10], "Y=A*Exp(B*X)");
    // Title block 5500 twips wide centred on the window, purpose block below it.
    EXPECT_EQ(title.Label1->geometry(), QRect(457, 48, 367, 120));
    EXPECT_EQ(title.Label3->y(), 3020 / 15);
    EXPECT_NEAR(title.Label4->x(), title.Label1->geometry().right() + 1,
                1);  // bars at the blocks' edges
    EXPECT_NEAR(title.Label5->y(), title.Label1->geometry().bottom() + 1, 1);
    EXPECT_EQ(title.Command1->x(), 306);
    EXPECT_EQ(title.Command2->x(), 797);
    // Green at the top left, blue top right, red bottom right, cyan bottom left.
    const QImage image = title.grab().toImage();
    EXPECT_GT(image.pixelColor(1, 1).green(), 240);
    EXPECT_GT(image.pixelColor(1278, 1).blue(), 240);
    EXPECT_GT(image.pixelColor(1278, 1022).red(), 240);
    EXPECT_GT(image.pixelColor(1, 1022).blue(), 240);
    EXPECT_GT(image.pixelColor(1, 1022).green(), 240);
    QTest::mouseClick(title.Command2, Qt::LeftButton);
    EXPECT_TRUE(Ended());
}

TEST_F(Road, TitleGradientRepaintedInPartsIsTheWhole) {
    // Parts of the window painted on their own (as an uncovered or hovered region is)
    // give the very pixels of the whole, whatever rows they start and end at.
    TitleWindow& title = Form1();
    title.show();
    const QImage whole = title.grab().toImage();
    for (const QRect part : {QRect(0, 0, 1280, 1), QRect(100, 63, 500, 2), QRect(7, 130, 9, 200),
                             QRect(1200, 1000, 80, 24), QRect(300, 383, 190, 35)}) {
        const QImage piece = title.grab(part).toImage();
        ASSERT_EQ(piece.size(), part.size());
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x)
                ASSERT_EQ(piece.pixel(x, y), whole.pixel(part.x() + x, part.y() + y))
                    << "pixel " << part.x() + x << ", " << part.y() + y;
    }
}

TEST_F(Road, CountsOutsideThreeToFortyAreRefused) {
    driver.Type("2")
        .Answer(true)
        .Type("41")
        .Answer(true)
        .Type("70000")
        .Answer(true)
        .Cancel()
        .Answer(false);
    PressReady();
    ASSERT_TRUE(driver.Done());
    const auto& seen = driver.SeenBoxes();
    ASSERT_EQ(seen.size(), 8u);
    EXPECT_EQ(seen[0].prompt, CountPrompt);
    EXPECT_EQ(seen[0].title, "Ввод количества пар ");
    EXPECT_EQ(seen[0].x, std::lround(2300 / 15.0));
    EXPECT_EQ(seen[0].y, std::lround(2000 / 15.0));
    for (int k : {1, 3, 5, 7}) {
        EXPECT_EQ(seen[k].kind, "message");
        EXPECT_EQ(seen[k].prompt, CountRefusal);
        EXPECT_EQ(seen[k].title, "ОШИБКА !");
    }
    EXPECT_TRUE(Ended());
}

TEST_F(Road, ThreePointsOfferTenFormulas) {
    driver.Type("3").Type("3").Type("30").Type("1").Type("10").Type("2").Type("20");
    PressReady();
    ASSERT_TRUE(driver.Done());
    const auto& seen = driver.SeenBoxes();
    EXPECT_EQ(seen[1].prompt, " X [ 1 ] = ");
    EXPECT_EQ(seen[1].title, "ВВОД X ");
    EXPECT_EQ(seen[1].x, std::lround(2200 / 15.0));
    EXPECT_EQ(seen[1].y, std::lround(2495 / 15.0));
    EXPECT_EQ(seen[2].prompt, " Y [ 1 ] = ");
    EXPECT_EQ(seen[2].title, "ВВОД Y ");
    EXPECT_EQ(seen[2].x, std::lround(6550 / 15.0));
    EXPECT_EQ(Shared.PointX[1], 1);
    EXPECT_EQ(Shared.PointYText[1], "10");
    EXPECT_EQ(Shared.PointX[3], 3);
    FormulaWindow& form = Form2();
    EXPECT_EQ(form.windowTitle().toStdString(), "Выбор вида аппроксимирующей зависимости");
    EXPECT_EQ(form.List1->count(), 10);
    EXPECT_EQ(form.List1->height(), 2100 / 15);
    EXPECT_TRUE(form.Label4->isVisible());
    EXPECT_FALSE(form.Command5->isVisible());
    EXPECT_FALSE(Form1().isVisible());
}

TEST_F(Road, EntryListShowsThePairsAsTyped) {
    std::vector<std::string> during;
    auto readList = [&] {
        during.clear();
        for (int i = 0; i < Form2().List1->count(); ++i)
            during.push_back(Form2().List1->item(i)->text().toStdString());
    };
    driver.Type("10").Inspect([&] { EXPECT_EQ(Form2().List1->height(), 11 * 195 / 15); });
    for (int i = 1; i <= 10; ++i) {
        if (i == 10) driver.Inspect(readList);  // the X box of pair 10 is open
        driver.Type(i == 1 ? "1,5" : std::to_string(i));
        driver.Type(std::to_string(i * i));
    }
    PressReady();
    ASSERT_TRUE(driver.Done());
    ASSERT_EQ(during.size(), 9u);
    EXPECT_EQ(during[0], "   X[1] =1.5" + std::string(27, ' ') + "Y[1] =1");
    EXPECT_EQ(during[8], "   X[9] =9" + std::string(29, ' ') + "Y[9] =81");
    const auto& seen = driver.SeenBoxes();
    EXPECT_EQ(seen.back().prompt, " Y [ 10 ] = ");
    EXPECT_EQ(seen.back().y, std::lround((2300 + 195 * 10) / 15.0));
    EXPECT_EQ(Form2().List1->count(), 13);
    EXPECT_EQ(Form2().List1->height(), 2600 / 15);
}

TEST_F(Road, TypicalRoadToTheResultsWindow) {
    Enter({{"3", "7.6"}, {"1", "2,7"}, {"2", "4.4"}, {"5", "20.3"}, {"4", "12.1"}});
    EXPECT_EQ(Shared.PointX[1], 1);
    EXPECT_EQ(Shared.PointYText[1], "2.7");
    ClickFormula(10);
    ASSERT_TRUE(ResultsShown());
    ResultsWindow& results = Form3();
    EXPECT_EQ(results.windowTitle().toStdString(), "Результаты расчета");
    EXPECT_FALSE(Form2Loaded() && Form2().isVisible());
    const auto& ops = results.DrawingImage().OpsSinceClear();
    EXPECT_TRUE(FindText(ops, "Y=A*Exp(B*X)"));
    EXPECT_TRUE(FindText(ops, "КОЭФФИЦИЕНТЫ УРАВНЕНИЯ"));
    EXPECT_TRUE(FindTextContaining(ops, "A = "));
    EXPECT_TRUE(FindTextContaining(ops, "B = "));
    EXPECT_TRUE(FindText(ops, " СРЕДНЕСТАТИСТИЧЕСКОЕ ОТКЛОНЕНИЕ = "));
    EXPECT_TRUE(FindText(ops, "5"));  // the fifth table row
    EXPECT_FALSE(FindText(ops, "6"));
    EXPECT_NEAR(Shared.CoefB, 0.505, 0.05);
    for (auto* button : results.Commands()) EXPECT_TRUE(button->isVisible()) << button->Caption();
    EXPECT_EQ(results.Command5->Caption(), "Интерполяция");
    EXPECT_FALSE(results.List1->isVisible());
    EXPECT_FALSE(results.Text1->isVisible());
    EXPECT_EQ(results.Command2->geometry(), QRect(16, 390, 265, 50));
    EXPECT_EQ(results.Command1->geometry(), QRect(321, 600, 265, 50));
    EXPECT_EQ(results.Command6->geometry(), QRect(321, 460, 265, 50));
}

TEST_F(Road, DegreeZeroReturnsToAFreshList) {
    Enter(Line(5));
    driver.Type("0");
    ClickFormula(1);
    ASSERT_TRUE(ListRefilled(13));
    EXPECT_TRUE(Form2().isVisible());
    EXPECT_FALSE(Form3().isVisible());
    EXPECT_EQ(driver.SeenBoxes().back().prompt, " Введите максимальную степень полинома ");
    EXPECT_EQ(driver.SeenBoxes().back().y, std::lround((2400 + 195) / 15.0));
    driver.Cancel();
    ClickFormula(2);
    ASSERT_TRUE(ListRefilled(13));
    EXPECT_EQ(driver.SeenBoxes().back().y, std::lround((2400 + 2 * 195) / 15.0));
}

TEST_F(Road, TooManyUnknownsAsksWhetherToGoOn) {
    Enter(Line(5));
    driver.Type("4").Answer(true);  // kind 1, degree 4: five unknowns for five points
    ClickFormula(1);
    ASSERT_TRUE(ListRefilled(13));
    EXPECT_EQ(
        driver.SeenBoxes().back().prompt,
        "ЧИСЛО НЕИЗВЕСТНЫХ НЕ ДОЛЖНО БЫТЬ БОЛЬШЕ ЧИСЛА УРАВНЕНИЙ !!!\n       ПРОДОЛЖАЕТЕ РАБОТУ?");
    EXPECT_EQ(driver.SeenBoxes().back().title, "Внимание !");
    EXPECT_TRUE(Form2().Label4->isVisible());
    EXPECT_EQ(Shared.FitUnknownCount, 0);
    driver.Type("40000").Answer(true);  // beyond 16 bits, refused the same way
    ClickFormula(2);
    ASSERT_TRUE(ListRefilled(13));
    EXPECT_EQ(Shared.FitUnknownCount, 0);
    driver.Type("5").Answer(false);  // kind 2, degree 5
    ClickFormula(2);
    ASSERT_TRUE(WaitUntil([&] { return Ended(); }));
}

TEST_F(Road, MoreThanTwentyUnknownsAreRefused) {
    // 40 points spread over -1..1, where a polynomial of degree 20 is still well
    // enough determined to be fitted.
    TypedPairs pairs;
    for (int i = 0; i < 40; ++i)
        pairs.emplace_back(std::to_string((2 * i - 39) / 40.0), std::to_string(i % 7));
    Enter(pairs);
    driver.Type("20").Answer(
        true);  // 21 unknowns: fewer than 40 points, more than the solver holds
    ClickFormula(1);
    ASSERT_TRUE(ListRefilled(13));
    EXPECT_EQ(driver.SeenBoxes().back().kind, "message");
    EXPECT_FALSE(Form3Loaded() && Form3().isVisible());
    driver.Type("20");  // kind 2, degree 20: 20 unknowns
    ClickFormula(2);
    ASSERT_TRUE(ResultsShown());
    EXPECT_EQ(Shared.FitUnknownCount, 20);
}

TEST_F(Road, EngineFailureIsReportedOnTheFormulaWindow) {
    Enter({{"0", "1"}, {"1", "2"}, {"2", "3"}, {"3", "5"}});
    ClickFormula(3);  // Y=B*(X^A) with X = 0
    ASSERT_TRUE(WaitUntil([] { return Form2().Command5->isVisible(); }));
    const auto& ops = Form2().DrawingImage().OpsSinceClear();
    auto heading = FindTextContaining(ops, "НЕТ РЕШЕНИЯ !!!");
    ASSERT_TRUE(heading) << Describe(ops);
    EXPECT_EQ(heading->color, 255u);
    auto cause = FindTextContaining(ops, "ЛОГАРИФМ НУЛЯ ИЛИ ОТРИЦАТЕЛЬНОГО ЧИСЛА");
    ASSERT_TRUE(cause);
    EXPECT_EQ(cause->y1, 600);
    EXPECT_GT(Form2().Command5->y(), Form2().Label4->geometry().bottom());
    EXPECT_EQ(Form2().List1->count(), 13);
    driver.Type("1");
    ClickFormula(1);
    ASSERT_TRUE(ResultsShown());
}

TEST_F(Road, AddAndRemoveCommandsFollowTheCounts) {
    Enter(Line(40));
    ClickFormula(5);
    ASSERT_TRUE(ResultsShown());
    EXPECT_FALSE(Form3().Command3->isVisible());
    EXPECT_TRUE(Form3().Command4->isVisible());
}

TEST_F(Road, AddOfferedBelowForty) {
    Enter(Line(39));
    ClickFormula(5);
    ASSERT_TRUE(ResultsShown());
    EXPECT_TRUE(Form3().Command3->isVisible());
}

TEST_F(Road, RemoveHiddenWhenTheFitNeedsEveryPairButOne) {
    Enter(Line(5));
    driver.Type("4");  // kind 2, degree 4: four unknowns, N - 1 = 4
    ClickFormula(2);
    ASSERT_TRUE(ResultsShown());
    EXPECT_EQ(Shared.FitUnknownCount, 4);
    EXPECT_FALSE(Form3().Command4->isVisible());
}

TEST_F(Road, RemoveShownWithOnePairToSpare) {
    Enter(Line(5));
    driver.Type("3");
    ClickFormula(2);
    ASSERT_TRUE(ResultsShown());
    EXPECT_TRUE(Form3().Command4->isVisible());
}

TEST_F(Road, EnterChoosesTheCurrentFormula) {
    Enter(Line(4));
    Form2().List1->setCurrentRow(4);
    Form2().List1->setFocus();
    QTest::keyClick(Form2().List1, Qt::Key_Return);
    ASSERT_TRUE(ResultsShown());
    EXPECT_EQ(Shared.FormulaKind, 5);
}

TEST_F(Road, ClosingAWindowEndsTheProgram) {
    Enter(Line(4));
    Form2().close();
    EXPECT_TRUE(Ended());
}

}  // namespace
