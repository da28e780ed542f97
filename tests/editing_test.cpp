// The commands of the results window on the real windows: add, remove, correct,
// change the formula, interpolate; each group reaches the results window by the
// real road first.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>

#include "DrawingMatchers.h"
#include "FormulaKinds.h"
#include "QtDialogs.h"
#include "QuestionWindow.h"
#include "ResultsFixture.h"
#include "ResultsWindow.h"
#include "SharedState.h"

namespace {

TEST_F(Commands, AddAtThirtyNineGivesFortyAndHidesAdd) {
    FitToResults(Line(39), KindHyperbolic);
    driver.Type("0,5").Type("7");
    Press(results().Command3);
    ASSERT_TRUE(driver.Done());
    EXPECT_EQ(driver.SeenBoxes().back().prompt, " Y [ 40 ] = ");
    EXPECT_EQ(driver.SeenBoxes().back().title, "ВВОД Y ");
    EXPECT_EQ(Shared.PointCount, 40);
    EXPECT_EQ(Shared.PointXText[1], "0.5");  // the new smallest X is pair 1
    EXPECT_EQ(Shared.PointX[1], 0.5);
    EXPECT_FALSE(results().Command3->isVisible());
    EXPECT_TRUE(results().Command4->isVisible());
    EXPECT_EQ(results().windowTitle().toStdString(), "Ввод новой пары точек");
    EXPECT_TRUE(FindText(Drawn(), "40"));
}

TEST_F(Commands, CancelledBoxesAddThePairZeroZero) {
    FitToResults(Line(5), KindPolynomial, "1");
    driver.Cancel().Cancel();
    Press(results().Command3);
    ASSERT_TRUE(driver.Done());
    EXPECT_EQ(Shared.PointCount, 6);
    EXPECT_EQ(Shared.PointX[1], 0);
    EXPECT_EQ(Shared.PointXText[1], "0");
    EXPECT_EQ(Shared.PointYText[1], "0");
}

TEST_F(Commands, FailedFitAfterAnAdditionKeepsAWayOn) {
    FitToResults({{"1", "2"}, {"2", "3"}, {"3", "5"}}, KindPowerX);  // Y=B*(X^A)
    driver.Type("0").Type("1");
    Press(results().Command3);
    ASSERT_TRUE(driver.Done());
    EXPECT_EQ(Shared.PointCount, 4);
    EXPECT_TRUE(FindTextContaining(Drawn(), "ЛОГАРИФМ НУЛЯ"));
    // No fit stands on the window: interpolation and printing wait for one.
    EXPECT_EQ(Visible(), (std::vector<std::string>{"Command1", "Command2", "Command3", "Command4",
                                                   "Command7"}));
    Press(results().Command2);
    QListWidget* list = results().List1;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(5)).center());
    ASSERT_TRUE(WaitUntil([&] { return results().Command5->isVisible(); }));
    EXPECT_EQ(Shared.FormulaKind, KindReciprocalLinear);
}

TEST_F(Commands, RemovePickedInTheTableWithYes) {
    FitToResults(Line(5), KindPolynomial, "1");
    Press(results().Command4);
    EXPECT_EQ(Visible(), std::vector<std::string>{"Command1"});
    EXPECT_TRUE(results().Label1->isVisible());
    EXPECT_EQ(results().Label1->text().toStdString(),
              " Подведите указатель мыши\n к точке на графике или к\n   строке, которую Вы\n "
              "собираетесь изымать и\n"
              " щёлкните левой кнопкой");
    ClickWindow(Cell(1, 1).x(), Cell(1, 1).y());
    ASSERT_TRUE(Form4Loaded());
    QuestionWindow& question = Form4();
    EXPECT_TRUE(question.isVisible());
    EXPECT_EQ(question.Label2->text().toStdString(), " 1 пару равновесной зависимости?");
    EXPECT_TRUE(Visible().empty());
    EXPECT_EQ(Shared.RemovePickMode, False);
    auto boxes = OfKind(Drawn(), SurfaceOp::Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].y1, 20 + 16 + 2);
    auto circles = OfKind(Drawn(), SurfaceOp::Circle);
    EXPECT_EQ(circles.back().x2, 8);
    EXPECT_EQ(circles.back().width, 3);
    QTest::mouseClick(question.Command1, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([] { return !Form4Loaded(); }));
    EXPECT_EQ(Shared.PointCount, 4);
    EXPECT_EQ(Shared.PointXText[1], "2");
    EXPECT_EQ(Shared.PointYText[1], "5.5");
    EXPECT_EQ(results().windowTitle().toStdString(), "Результаты расчета");
    // Two unknowns, N - 1 = 3 > 2: removing stays offered.
    EXPECT_EQ(Visible(), All());
}

TEST_F(Commands, RemoveTheLastPairPickedOnTheGraph) {
    FitToResults(Line(5), KindPolynomial, "1");
    Press(results().Command4);
    ClickWindow(Shared.PointPixelX[5] + 4, Shared.PointPixelY[5] - 4);
    ASSERT_TRUE(Form4Loaded());
    EXPECT_EQ(Shared.PairToRemove, 5);
    QTest::mouseClick(Form4().Command1, Qt::LeftButton);
    EXPECT_EQ(Shared.PointCount, 4);
    EXPECT_EQ(Shared.PointXText[4], "4");
}

TEST_F(Commands, NoKeepsThePairsAndTheRemoveRuleDiffers) {
    FitToResults(Line(5), KindPolynomialNoFree, "3");  // three unknowns, N - 1 = 4
    Press(results().Command4);
    ClickWindow(Shared.PointPixelX[2] + 5, Shared.PointPixelY[2]);  // 5 pixels off: a miss
    EXPECT_FALSE(Form4Loaded());
    ClickWindow(Shared.PointPixelX[2], Shared.PointPixelY[2], Qt::RightButton);  // any button picks
    ASSERT_TRUE(Form4Loaded());
    QTest::mouseClick(Form4().Command2, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([] { return !Form4Loaded(); }));
    EXPECT_EQ(Shared.PointCount, 5);
    EXPECT_EQ(Visible(), All());
    EXPECT_TRUE(OfKind(Drawn(), SurfaceOp::Box).empty());

    // Kind 2 of degree 4 on five pairs: N - 1 = FitUnknownCount. "Нет" shows removal.
    UnloadAllWindows();
    Shared = SharedState{};
    FitToResults(Line(5), KindPolynomialNoFree, "4");
    EXPECT_FALSE(results().Command4->isVisible());
}

TEST_F(Commands, YesHidesRemoveAtTheLastSpare) {
    FitToResults(Line(5), KindPolynomialNoFree, "3");
    Press(results().Command4);
    ClickWindow(Cell(2, 3).x(), Cell(2, 3).y());
    Form4().close();  // the close control answers "Нет"
    ASSERT_TRUE(WaitUntil([] { return !Form4Loaded(); }));
    EXPECT_EQ(Shared.PointCount, 5);
    Press(results().Command4);
    ClickWindow(Cell(2, 3).x(), Cell(2, 3).y());
    QTest::mouseClick(Form4().Command1, Qt::LeftButton);
    EXPECT_EQ(Shared.PointCount, 4);
    EXPECT_FALSE(results().Command4->isVisible());  // N - 1 = 3 = FitUnknownCount after "Да"
}

TEST_F(Commands, NoShowsRemoveAtTheLastSpare) {
    FitToResults(Line(5), KindPolynomialNoFree,
                 "4");  // four unknowns, N - 1 = 4: hidden at the first display
    EXPECT_FALSE(results().Command4->isVisible());
    driver.Type("3");
    Press(results().Command5);
    Press(results().Command5);  // the end of an interpolation offers it at N - 1 = FitUnknownCount
    ASSERT_TRUE(results().Command4->isVisible());
    Press(results().Command4);
    ClickWindow(Cell(2, 2).x(), Cell(2, 2).y());
    QTest::mouseClick(Form4().Command2, Qt::LeftButton);
    EXPECT_EQ(Shared.PointCount, 5);
    EXPECT_TRUE(results().Command4->isVisible());
}

TEST_F(Commands, CorrectPickedOnTheGraphEditsTheYCell) {
    FitToResults(Line(5), KindPolynomial, "1");
    Press(results().Command7);
    EXPECT_EQ(Visible(), std::vector<std::string>{"Command1"});
    ClickWindow(Shared.PointPixelX[3], Shared.PointPixelY[3]);
    QLineEdit* editor = results().Text1;
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->text().toStdString(), "7.5");
    EXPECT_EQ(editor->geometry(), QRect(640 + 30 + 84, 20 + 3 * 16 - 2, 84, 16));
    EXPECT_EQ(editor->selectedText(), QStringLiteral("7.5"));
    QTest::keyClicks(editor, QStringLiteral("2,5"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(Shared.PointYText[3], "2.5");  // normalised as every entry is
    EXPECT_EQ(Shared.PointY[3], 2.5);
    EXPECT_EQ(Shared.CorrectPickMode, False);
    EXPECT_EQ(Visible(), All());
}

TEST_F(Commands, CorrectedXMovesThePairIntoOrder) {
    FitToResults(Line(5), KindPolynomial, "1");
    Press(results().Command7);
    ClickWindow(Cell(1, 1).x(), Cell(1, 1).y());
    QLineEdit* editor = results().Text1;
    ASSERT_TRUE(editor->isVisible());
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("4.5"));
    // A click into the box after a change commits and ends the correction.
    QTest::mouseClick(editor, Qt::LeftButton);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(Shared.PointXText[4], "4.5");
    EXPECT_EQ(Shared.PointYText[4], "3.5");
    EXPECT_EQ(Shared.PointXText[1], "2");
}

TEST_F(Commands, EnterOrDoubleClickWithoutAChangeRefits) {
    FitToResults(Line(5), KindPolynomial, "1");
    Press(results().Command7);
    ClickWindow(Cell(2, 2).x(), Cell(2, 2).y());
    QTest::keyClick(results().Text1, Qt::Key_Return);
    EXPECT_FALSE(results().Text1->isVisible());
    EXPECT_EQ(Shared.PointYText[2], "5.5");
    EXPECT_EQ(Visible(), All());
    Press(results().Command7);
    ClickWindow(Cell(2, 2).x(), Cell(2, 2).y());
    DoubleClick(results().Text1);
    EXPECT_FALSE(results().Text1->isVisible());
    EXPECT_EQ(Shared.CorrectPickMode, False);
}

TEST_F(Commands, ChangeFormulaWithThreePoints) {
    FitToResults({{"1", "2"}, {"2", "4"}, {"3", "7"}}, KindHyperbolic);
    Press(results().Command2);
    EXPECT_TRUE(Visible().empty());
    EXPECT_EQ(results().List1->count(), 10);
    EXPECT_EQ(results().List1->height(), 140);
    EXPECT_EQ(results().windowTitle().toStdString(), "Выбор вида аппроксимирующей зависимости");
    driver.Type("2").Answer(true);  // kind 1, degree 2: three unknowns for three points
    QListWidget* list = results().List1;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    ASSERT_TRUE(WaitUntil([&] { return driver.Done(); }));
    const auto& seen = driver.SeenBoxes();
    EXPECT_EQ(seen[seen.size() - 2].prompt, " Введите максимальную степень полинома ");
    EXPECT_EQ(seen[seen.size() - 2].y, 6800 / 15);
    EXPECT_EQ(Shared.FormulaKind, 5);  // the fit on display keeps its formula
    EXPECT_TRUE(results().List1->isVisible());
    driver.Type("1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    ASSERT_TRUE(WaitUntil([&] { return results().Command1->isVisible(); }));
    EXPECT_EQ(Shared.FormulaKind, 1);
    EXPECT_EQ(results().windowTitle().toStdString(), "Результаты расчета");
    EXPECT_TRUE(FindTextContaining(Drawn(), "          N = 1"));
}

TEST_F(Commands, RefusedDegreeKeepsTheFitOnDisplay) {
    FitToResults(Line(4), KindExponential);
    Press(results().Command2);
    EXPECT_EQ(results().List1->count(), 13);
    EXPECT_EQ(results().List1->height(), 180);
    driver.Type("0");
    QListWidget* list = results().List1;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    ASSERT_TRUE(WaitUntil([&] { return results().Command1->isVisible(); }));
    EXPECT_EQ(Shared.FormulaKind, 10);
    EXPECT_EQ(Visible(), All());
    EXPECT_FALSE(results().List1->isVisible());
}

TEST_F(Commands, InterpolationInsideTheRange) {
    FitToResults(Line(5), KindPolynomial, "1");
    driver.Type("2,5");
    Press(results().Command5);
    ASSERT_TRUE(driver.Done());
    EXPECT_EQ(Visible(), std::vector<std::string>{"Command5"});
    EXPECT_EQ(results().Command5->Caption(), "Продолжение работы");
    EXPECT_EQ(results().windowTitle().toStdString(), "Интерполяция");
    auto line = FindTextContaining(Drawn(), "Y(2.5) = ");
    ASSERT_TRUE(line) << Describe(Drawn());
    EXPECT_EQ(line->text, "Y(2.5) =  6.5");  // 2 * 2.5 + 1.5
    EXPECT_EQ(line->y1, 400);
    auto lines = OfKind(Drawn(), SurfaceOp::Line);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const SurfaceOp& l) { return l.style == LineStyle::Dotted; }),
              2);
    EXPECT_FALSE(FindTextContaining(Drawn(), "ВНИМАНИЕ!"));
    EXPECT_EQ(counting.beeps, 0);
    Press(results().Command5);
    EXPECT_EQ(Visible(), All());
    EXPECT_EQ(results().Command5->Caption(), "Интерполяция");
    EXPECT_FALSE(FindTextContaining(Drawn(), "Y(2.5)"));
}

TEST_F(Commands, InterpolationAtTheEndsAndOutside) {
    FitToResults(Line(5), KindPolynomial, "1");
    for (const char* end : {"1", "5"}) {
        driver.Type(end);
        Press(results().Command5);
        EXPECT_FALSE(FindTextContaining(Drawn(), "ВНИМАНИЕ!"));
        auto lines = OfKind(Drawn(), SurfaceOp::Line);
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                [](const SurfaceOp& l) { return l.style == LineStyle::Dotted; }),
                  0);
        Press(results().Command5);
    }
    EXPECT_EQ(counting.beeps, 0);
    driver.Cancel();
    Press(results().Command5);
    EXPECT_EQ(counting.beeps, 1);
    auto lines = OfKind(Drawn(), SurfaceOp::Line);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const SurfaceOp& l) { return l.style == LineStyle::Dotted; }),
              0);
    auto warning = FindText(Drawn(), "ВНИМАНИЕ! ВЫ ВЫШЛИ ЗА ПРЕДЕЛЫ СВОЕГО ЗАДАНИЯ X.");
    ASSERT_TRUE(warning);
    EXPECT_EQ(warning->y1, 450);
    EXPECT_EQ(warning->color, 255u);
    auto second = FindText(Drawn(), "Результаты экстрополяции могут быть не достоверны.");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->x1, 16);
    EXPECT_TRUE(FindText(Drawn(), "Y(0) =  1.5"));
}

TEST_F(Commands, FailedEvaluationShowsItsCause) {
    FitToResults({{"1", "2"}, {"2", "3"}, {"3", "5"}, {"4", "6"}}, KindLogarithmic);  // Y=A*Ln(X)+B
    driver.Type("-1");
    Press(results().Command5);
    auto line = FindText(Drawn(), "Y(-1) = ");
    ASSERT_TRUE(line) << Describe(Drawn());
    auto cause = FindText(Drawn(), "ЛОГАРИФМ НУЛЯ ИЛИ ОТРИЦАТЕЛЬНОГО ЧИСЛА");
    ASSERT_TRUE(cause);
    EXPECT_EQ(cause->color, 255u);
}

}  // namespace
