// The printed report: its date line, the composed sheet, and the command on the
// real results window with and without a printer.
#include <gtest/gtest.h>

#include <QPrinterInfo>
#include <QTest>
#include <cstdlib>

#include "DrawingMatchers.h"
#include "FormulaKinds.h"
#include "PrintReport.h"
#include "PrintSheet.h"
#include "ReportDate.h"
#include "ResultsWindow.h"
#include "RoadFixture.h"
#include "SharedState.h"

namespace {

TEST(ReportDate, FromTheDatesNumbers) {
    EXPECT_EQ(ReportDateTextFor(7, 12, 2026, "12:34:56"), "07 декабря 2026г.        12:34:56");
    EXPECT_EQ(ReportDateTextFor(21, 3, 2027, "1:00:00 PM"), "21 марта 2027г.        1:00:00 PM");
    EXPECT_EQ(ReportDateTextFor(31, 1, 2025, "00:00:01"), "31 января 2025г.        00:00:01");
    EXPECT_EQ(ReportDateTextFor(1, 13, 2026, "9:05:00"), "01 декабря 2026г.        9:05:00");
    EXPECT_EQ(ReportDateTextFor(5, 6, 987, "1:02:03"), "05 июня 0987г.        1:02:03");
}

TEST(ReportDate, TodayInEveryLocaleOrder) {
    static const char* const monthNames[12] = {"января",   "февраля", "марта",  "апреля",
                                               "мая",      "июня",    "июля",   "августа",
                                               "сентября", "октября", "ноября", "декабря"};
    // Day first with "/" (en_GB, fr, es, it, pt_BR), day first with ".", month first.
    for (const char* name :
         {"en_GB", "fr_FR", "es_ES", "it_IT", "pt_BR", "ru_RU", "de_DE", "en_US", "ja_JP"}) {
        const QDate today = QDate::currentDate();
        const std::string text = ReportDateText(QLocale(QString::fromLatin1(name)));
        if (QDate::currentDate() != today) continue;  // midnight passed meanwhile
        char expected[64];
        std::snprintf(expected, sizeof expected, "%02d %s %04dг.        ", today.day(),
                      monthNames[today.month() - 1], today.year());
        EXPECT_EQ(text.rfind(expected, 0), 0u) << name << ": " << text;
        EXPECT_GT(text.size(), std::string(expected).size()) << name << ": the time is missing";
    }
}

class Printing : public RoadFixture {
protected:
    void SetUp() override {
        RoadFixture::SetUp();
        FitToResults({{"1", "2.7"}, {"2", "4.4"}, {"3", "7.6"}, {"4", "12.1"}, {"5", "20.3"}},
                     KindExponential);
    }
};

TEST_F(Printing, SheetLayout) {
    ComposeReport();
    const auto& ops = Form5().DrawingImage().OpsSinceClear();
    auto texts = OfKind(ops, SurfaceOp::Text);
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0].x1, 10);
    EXPECT_EQ(texts[0].y1, 10);
    EXPECT_FALSE(texts[0].bold);
    EXPECT_EQ(texts[0].text.substr(0, 13), std::string(13, ' '));
    EXPECT_EQ(texts[1].text,
              "              АППРОКСИМАЦИЯ ЭКСПЕРИМЕНТАЛЬНЫХ ДАННЫХ МЕТОДОМ НАИМЕНЬШИХ КВАДРАТОВ");
    EXPECT_EQ(texts[1].x1, 0);
    EXPECT_DOUBLE_EQ(texts[1].y1, 10 + Form5().Drawing().TextLineHeight() + 10);
    EXPECT_TRUE(texts[1].bold);
    auto header = FindText(ops, "Отклонен%");
    ASSERT_TRUE(header);
    EXPECT_EQ(header->x1, 370 + 30 + 3 * 84);
    EXPECT_EQ(header->y1, 82);
    EXPECT_TRUE(FindText(ops, "СРЕДНЕСТАТИСТИЧЕСКОЕ ОТКЛОНЕНИЕ="));
    EXPECT_EQ(FindText(ops, "КОЭФФИЦИЕНТЫ УРАВНЕНИЯ")->y1, 440);
    // The graph moved by the print offsets, (6, 50): its caption at x 6 + 6 past the Y
    // axis, y 60.
    EXPECT_EQ(FindText(ops, "Y=A*Exp(B*X)")->y1, 60);
}

TEST_F(Printing, ReachesTheDefaultPrinter) {
    if (QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "no default printer here";
    const Outcome outcome = PrintReport();
    EXPECT_TRUE(outcome) << outcome.error;
}

TEST_F(Printing, CommandLeavesTheScreenTableForPicking) {
    DialogDriver answers;
    if (QPrinterInfo::defaultPrinter().isNull()) answers.Answer(false);
    QTest::mouseClick(Form3().Command6, Qt::LeftButton);
    EXPECT_FALSE(Form5Loaded());
    EXPECT_TRUE(Form3().Command6->isVisible());
    EXPECT_EQ(Shared.TableLeft, 640);
    EXPECT_EQ(Shared.TableTop, 20);
    // A click on the screen table's second row picks pair 2.
    QTest::mouseClick(&Form3(), Qt::LeftButton, {}, QPoint(640 + 30 + 42, 20 + 2 * 16 + 8));
    EXPECT_EQ(Form3().PickedRow, 2);
    EXPECT_EQ(Form3().PickedColumn, 1);
}

// Run by the print-server test with its queue set to reject jobs (cupsreject).
TEST_F(Printing, ARejectingQueueIsReported) {
    if (!std::getenv("APPROX_QUEUE_REJECTS")) GTEST_SKIP() << "run by the print-server test";
    DialogDriver answers;
    answers.Ok();
    QTest::mouseClick(Form3().Command6, Qt::LeftButton);
    ASSERT_TRUE(answers.Done());
    ASSERT_EQ(answers.SeenBoxes().size(), 1u);
    EXPECT_EQ(answers.SeenBoxes()[0].prompt,
              "Результаты не напечатаны: принтер " +
                  QPrinterInfo::defaultPrinter().printerName().toStdString() +
                  " не принимает задания.");
    EXPECT_TRUE(Form3().Command6->isVisible());
}

TEST_F(Printing, WithoutAPrinterTheUserIsTold) {
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a default printer is defined here";
    DialogDriver answers;
    answers.Answer(false);  // no PDF instead
    const auto before = Form3().DrawingImage().OpsSinceClear().size();
    QTest::mouseClick(Form3().Command6, Qt::LeftButton);
    ASSERT_TRUE(answers.Done());
    ASSERT_EQ(answers.SeenBoxes().size(), 1u);
    EXPECT_EQ(answers.SeenBoxes()[0].title, "Печать результатов");
    EXPECT_EQ(answers.SeenBoxes()[0].prompt,
              "Результаты не напечатаны: в системе не настроен принтер по умолчанию.\n"
              "Сохранить отчёт в файл PDF?");
    EXPECT_EQ(Form3().DrawingImage().OpsSinceClear().size(), before);
    EXPECT_EQ(Shared.PointCount, 5);
    EXPECT_TRUE(Form3().Command1->isVisible());
}

}  // namespace
