#include "RoadFixture.h"

#include <QListWidget>
#include <QTest>

#include "FormulaWindow.h"
#include "ResultsWindow.h"
#include "TitleWindow.h"

void RoadFixture::PressReady() {
    Form1().show();
    QTest::mouseClick(Form1().Command1, Qt::LeftButton);
}

void RoadFixture::Enter(const TypedPairs& pairs) {
    driver.Type(std::to_string(pairs.size()));
    for (const auto& [x, y] : pairs) driver.Type(x).Type(y);
    PressReady();
    ASSERT_TRUE(driver.Done());
}

TypedPairs RoadFixture::Line(int n) {
    TypedPairs pairs;
    for (int i = 1; i <= n; ++i)
        pairs.emplace_back(std::to_string(i), std::to_string(2 * i + 1) + ",5");
    return pairs;
}

void RoadFixture::ClickFormula(int kind) {
    QListWidget* list = Form2().List1;
    ASSERT_GE(list->count(), kind);
    QRect rect = list->visualItemRect(list->item(kind - 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

bool RoadFixture::ResultsShown() {
    return WaitUntil([] { return Form3Loaded() && Form3().isVisible(); }, 3000);
}

bool RoadFixture::ListRefilled(int count) {
    return WaitUntil(
        [&] { return driver.Done() && Form2Loaded() && Form2().List1->count() == count; }, 3000);
}

void RoadFixture::FitToResults(const TypedPairs& pairs, int kind, const std::string& degree) {
    Enter(pairs);
    if (!degree.empty()) driver.Type(degree);
    ClickFormula(kind);
    ASSERT_TRUE(ResultsShown());
}
