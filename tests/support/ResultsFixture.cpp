#include "ResultsFixture.h"

#include <QListWidget>
#include <QTest>

#include "SharedState.h"

void Commands::Press(CaptionButton* button) {
    ASSERT_TRUE(button->isVisible()) << button->Caption();
    QTest::mouseClick(button, Qt::LeftButton);
}

void Commands::ClickWindow(double x, double y, Qt::MouseButton button) {
    QTest::mouseClick(&results(), button, {}, QPoint(static_cast<int>(x), static_cast<int>(y)));
}

void Commands::ClickListLine(int index) {
    QListWidget* list = results().List1;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(index)).center());
}

QPoint Commands::Cell(int column, int row) {
    const auto& s = Shared;
    return QPoint(
        s.TableLeft + s.NumberColumnWidth + (column - 1) * s.ColumnWidth + s.ColumnWidth / 2,
        s.TableTop + row * s.RowHeight + s.RowHeight / 2);
}

std::vector<std::string> Commands::Visible() {
    std::vector<std::string> names;
    const auto commands = results().Commands();
    for (std::size_t k = 0; k < commands.size(); ++k)
        if (commands[k]->isVisible()) names.push_back("Command" + std::to_string(k + 1));
    return names;
}

const std::vector<SurfaceOp>& Commands::Drawn() { return results().DrawingImage().OpsSinceClear(); }

std::vector<std::string> Commands::All() {
    return {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7"};
}
