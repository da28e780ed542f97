// Picking a pair on the results window: the start with its prompt, and the hit test
// on the table and the graph. The mouse-down that hands a pick to the removal or the
// correction is the window's own (ResultsWindow.cpp).
#include <cmath>

#include "Controls.h"
#include "ResultsWindow.h"
#include "SharedState.h"

namespace {
constexpr int PickPromptLeft = 80, PickPromptTop = 400;
constexpr double PointHitHalfSize = 5;
}  // namespace

void ResultsWindow::StartPick(PickPurpose purpose) {
    Shared.RemovePickMode = purpose == PickPurpose::Removal ? True : False;
    Shared.CorrectPickMode = purpose == PickPurpose::Correction ? True : False;
    state_ =
        purpose == PickPurpose::Removal ? State::PickingForRemoval : State::PickingForCorrection;
    for (CaptionButton* button : {Command2, Command3, Command4, Command5, Command6, Command7})
        button->hide();
    const char* fourth =
        purpose == PickPurpose::Removal ? " собираетесь изымать и" : "собираетесь исправлять и";
    SetLabelCaption(
        Label1,
        std::string(
            " Подведите указатель мыши\r к точке на графике или к\r   строке, которую Вы\r") +
            fourth + "\r щёлкните левой кнопкой");
    Label1->adjustSize();
    Label1->move(PickPromptLeft, PickPromptTop);
    Label1->show();
}

void ResultsWindow::SelectCell(int column, int row) {
    PickedColumn = static_cast<std::uint8_t>(column);
    PickedRow = static_cast<std::uint8_t>(row);
    SelectedCells[column][row] = true;
    const std::string& text = column == 1 ? Shared.PointXText[row] : Shared.PointYText[row];
    Text1->setText(QString::fromStdString(text));
    TextBeforeEdit = text;
}

bool ResultsWindow::PickCell(double x, double y) {
    const auto& s = Shared;
    PickedColumn = 0;
    PickedRow = 0;
    for (auto& column : SelectedCells) column.fill(false);
    const double left = s.TableLeft + s.NumberColumnWidth, width = s.ColumnWidth;
    const double top = s.TableTop, height = s.RowHeight;
    const int n = s.PointCount;
    if (x > left && x < left + 2 * width && y > top + height && y < top + height + n * height) {
        const int row = static_cast<int>(std::nearbyint(y - top)) / s.RowHeight;
        SelectCell(x < left + width ? 1 : 2, row);
        return true;
    }
    // The points are on the window only while a fit is drawn.
    for (int i = 1; i <= n && fitOnDisplay_; ++i) {
        if (s.PointPixelX[i] - PointHitHalfSize < x && x < s.PointPixelX[i] + PointHitHalfSize &&
            s.PointPixelY[i] - PointHitHalfSize < y && y < s.PointPixelY[i] + PointHitHalfSize) {
            SelectCell(2, i);
            return true;
        }
    }
    return false;
}

void ResultsWindow::FindPickedCell() {
    for (int column = 1; column <= 2; ++column)
        for (int row = 1; row <= 41; ++row)
            if (SelectedCells[column][row]) {
                PickedColumn = static_cast<std::uint8_t>(column);
                PickedRow = static_cast<std::uint8_t>(row);
            }
}
