// Correcting a pair in place: the pick prompt, the cell editor over the picked
// cell, and the commit that stores the typed text, refits and sorts.
#include <QKeyEvent>
#include <QMouseEvent>

#include "NumberBox.h"
#include "PointSet.h"
#include "ResultsWindow.h"
#include "SharedState.h"

namespace {
constexpr Color CircleColor = 0xFF0000;  // blue
constexpr int SelectedOnOpen = 20;
}  // namespace

void ResultsWindow::Command7Click() { StartPick(PickPurpose::Correction); }

void ResultsWindow::OpenCellEditor() {
    const auto& s = Shared;
    FindPickedCell();
    if (PickedRow > s.PointCount) return;
    state_ = State::EditingCell;
    Text1->setAlignment(Qt::AlignHCenter);
    Text1->show();
    PlaceControl(Text1, s.TableLeft + s.NumberColumnWidth + (PickedColumn - 1) * s.ColumnWidth,
                 s.TableTop + PickedRow * s.RowHeight - 2, s.ColumnWidth, s.RowHeight);
    Text1->setFocus();
    Text1->setSelection(0, SelectedOnOpen);
    text1Pressed_ = false;
    // After a failed fit the report and the typed pairs stay as they are: there is
    // no fit to draw again and no point to circle.
    if (!fitOnDisplay_) return;
    Redraw();
    Drawing().SetDrawWidth(3);
    Drawing().Circle(s.PointPixelX[PickedRow], s.PointPixelY[PickedRow], 8, CircleColor);
    Drawing().SetDrawWidth(1);
    update();
}

bool ResultsWindow::CommitCellEdit() {
    auto& s = Shared;
    const std::string typed = Text1->text().toStdString();
    if (TypedValueBeyondRange(typed)) {
        // Nothing is stored: the editor stays open on the text for another value.
        SayNumberBeyondRange(typed);
        return false;
    }
    PickedColumn = 0;
    PickedRow = 0;
    FindPickedCell();
    // Without a picked pair (a click beside the table cleared the pick) nothing is
    // stored, but the fit is still made again: a value stored by an earlier commit
    // whose fit failed must not end the correction unsorted and unfitted.
    if (PickedRow >= 1 && PickedRow <= s.PointCount) {
        // The typed text is kept as every other entry keeps it: the first comma read
        // as the decimal point, an empty text as 0.
        StoreTypedValue(PickedRow, PickedColumn == 1 ? PairPart::X : PairPart::Y, typed);
    }
    Drawing().Clear();
    if (!RunGuardedComputation()) {
        // The stored value waits, unsorted, in the editing state for a value that fits.
        s.CorrectPickMode = True;
        return false;
    }
    SortPointsByX();
    ShowFit();
    s.CorrectPickMode = False;
    return true;
}

void ResultsWindow::EndCorrection() {
    Redraw();
    ReturnToResults(RemovalRule::Inclusive, Caption::Kept);
}

void ResultsWindow::Text1KeyPress(int key) {
    // A key reaching the editor after the correction has ended only closes it.
    if (state_ == State::Results) {
        Text1->hide();
        Redraw();
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (CommitCellEdit()) EndCorrection();
    }
}

void ResultsWindow::Text1DoubleClick() {
    if (CommitCellEdit()) EndCorrection();
}

void ResultsWindow::Text1MouseDown(int button) {
    if (Text1->text().toStdString() != TextBeforeEdit && button == 1) {
        if (CommitCellEdit()) EndCorrection();
    }
}

void ResultsWindow::Text1Click() {
    if (Shared.CorrectPickMode) CommitCellEdit();
}

bool ResultsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Text1) return FormWindow::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            Text1KeyPress(key);
            return key == Qt::Key_Return || key == Qt::Key_Enter;
        }
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            text1Pressed_ = true;
            Text1MouseDown(mouse->button() == Qt::LeftButton ? 1 : 2);
            break;
        }
        case QEvent::MouseButtonRelease:
            // The release that ends a double click is not a click of its own.
            if (text1DoubleClicked_)
                text1DoubleClicked_ = false;
            else
                Text1Click();
            break;
        case QEvent::MouseButtonDblClick:
            text1DoubleClicked_ = true;
            // A double click whose first click opened the editor under the pointer is
            // not a double click into the editor.
            if (!text1Pressed_) return true;
            Text1DoubleClick();
            break;
        default:
            break;
    }
    return FormWindow::eventFilter(watched, event);
}
