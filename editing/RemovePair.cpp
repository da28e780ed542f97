// Removing a pair: the pick prompt, the highlighted row and circled point, the
// question window and its two answers.
#include "Program.h"
#include "QuestionWindow.h"
#include "ResultsWindow.h"
#include "SharedState.h"
#include "StandardNumberText.h"
#include "Utf8Text.h"

namespace {
constexpr Color HighlightColor = 0xFF0000;                // blue
constexpr Color HighlightTextColor = 0x00FFFF;            // yellow
constexpr double QuestionLeft = 850, QuestionTop = 7000;  // twips of the screen
}  // namespace

void ResultsWindow::Command4Click() { StartPick(PickPurpose::Removal); }

void ResultsWindow::MarkPairForRemoval() {
    const auto& s = Shared;
    Shared.RemovePickMode = False;
    Surface& d = Drawing();
    const int p = PickedRow;
    const double y0 = s.TableTop + p * s.RowHeight, left = s.TableLeft;
    const double c = s.NumberColumnWidth, w = s.ColumnWidth;
    d.FilledBox(left + 2, y0 + 2, left + c + 2 * w - 2, y0 + s.RowHeight - 2, HighlightColor);
    d.SetForeColor(HighlightTextColor);
    d.Line(left + c, y0 + 1, left + c, y0 + s.RowHeight - 1, 0);
    d.Line(left + c + w, y0 + 1, left + c + w, y0 + s.RowHeight - 1, 0);
    d.MoveTo(p > 9 ? left + (c - 16) / 2 : left + (c - 8) / 2, y0 + 2);
    d.Print(std::to_string(p));
    const std::string x = TrimBlanks(s.PointXText[p]);
    d.MoveTo(left + c + (w - 8.0 * CharCount(x)) / 2, y0 + 2);
    d.Print(x);
    const std::size_t yLength = CharCount(TrimBlanks(s.PointYText[p]));
    d.MoveTo(left + c + w + (w - 8.0 * yLength) / 2, y0 + 2);
    d.Print(s.PointYText[p]);
    if (fitOnDisplay_) {
        d.SetDrawWidth(3);
        d.Circle(s.PointPixelX[p], s.PointPixelY[p], 8, HighlightColor);
        d.SetDrawWidth(1);
    }
    d.SetForeColor(0);
    update();
}

void ResultsWindow::AskWhetherToRemove() {
    state_ = State::Question;
    QuestionWindow& question = Form4();
    question.PlaceWindow(QuestionLeft, QuestionTop, question.WidthUnits(), question.HeightUnits());
    Shared.PairToRemove = PickedRow;
    SetLabelCaption(question.Label2,
                    // The question's wording is the program's own; the number is the
                    // standard number text, with its leading blank.
                    StandardNumberText(Shared.PairToRemove) + " пару равновесной зависимости?");
    question.OnYes = [this] { RemovePickedPair(); };
    question.OnNo = [this] { KeepPickedPair(); };
    question.show();
}

void ResultsWindow::RemovePickedPair() {
    auto& s = Shared;
    // "Да" pressed again after a failed fit would go on removing: never below three
    // pairs, and never a pair past the last.
    if (s.PointCount <= MinEnteredPoints || s.PairToRemove > s.PointCount) {
        KeepPickedPair();
        return;
    }
    for (int i = s.PairToRemove; i <= s.PointCount - 1; ++i) {
        s.PointX[i] = s.PointX[i + 1];
        s.PointY[i] = s.PointY[i + 1];
        s.PointXText[i] = s.PointXText[i + 1];
        s.PointYText[i] = s.PointYText[i + 1];
        s.PointSigma[i] = s.PointSigma[i + 1];
        s.PointSigmaText[i] = s.PointSigmaText[i + 1];
    }
    s.PointCount = static_cast<std::int16_t>(s.PointCount - 1);
    if (!RunGuardedComputation()) return;
    if (Form4Loaded()) UnloadWindow(&Form4());
    CloseOtherWindows();
    Redraw();
    ReturnToResults(RemovalRule::Strict);
    s.RemovePickMode = False;
    show();
}

void ResultsWindow::KeepPickedPair() {
    auto& s = Shared;
    if (Form4Loaded()) UnloadWindow(&Form4());
    CloseOtherWindows();
    Drawing().Clear();
    // The pair set is the one of the last fit, unless a removal just failed: then the
    // failure is reported again instead of drawing what no fit produced.
    if (RunGuardedComputation()) ShowFit();
    ReturnToResults(RemovalRule::Inclusive);
    s.RemovePickMode = False;
    show();
}
