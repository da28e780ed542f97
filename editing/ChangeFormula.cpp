// Changing the formula from the results window: the formula list, the degree of a
// polynomial, the unknowns check and the new fit.
#include "ComparisonWindow.h"
#include "DegreeQuestion.h"
#include "FormulaChoice.h"
#include "Program.h"
#include "ResultsWindow.h"
#include "SharedState.h"

namespace {
constexpr double DegreeBoxX = 370, DegreeBoxY = 6800;  // twips of the screen
constexpr int ListLeft = 20, Label4Left = 38;
}  // namespace

void ResultsWindow::Command2Click() {
    const int n = Shared.PointCount;
    state_ = State::FormulaList;
    for (CaptionButton* button : Commands()) button->hide();
    List1->show();
    Label4->show();
    // The designed height is set twice, first with "N >= 3" (always the long list),
    // then again below with "N > 3"; the caption line keeps the place of the first.
    PlaceControl(List1, ListLeft, List1->y(), List1->width(), n >= 3 ? 180 : 140);
    SetLabelCaption(Label4, "\rВыберите вид аппроксимирующей зависимости");
    Label4->adjustSize();
    PlaceControl(Label4, Label4Left, List1->y() + List1->height() + 20, Label4->width(),
                 Label4->height());
    SetCaption("Выбор вида аппроксимирующей зависимости");
    RefillResultsFormulaList();
}

void ResultsWindow::List1Click(int index) {
    auto& s = Shared;
    const auto kind = static_cast<std::uint8_t>(index + 1);
    if (IsPolynomialKind(kind)) {
        Label4->hide();
        // A refused degree leaves the fit on display, and the shared state with it.
        switch (AskPolynomialDegree(kind, DegreeBoxX, DegreeBoxY)) {
            case DegreeAnswer::StartAfresh:
                ResetResultsCommands();
                return;
            case DegreeAnswer::EndProgram:
                EndProgram();
                return;
            case DegreeAnswer::ChooseAgain:
                Label4->show();
                RefillResultsFormulaList();
                return;
            case DegreeAnswer::Accepted:
                break;
        }
    } else {
        s.FormulaKind = kind;
    }
    ShowChosenFormula();
}

void ResultsWindow::ShowChosenFormula() {
    if (!RunGuardedComputation()) {
        // Not the list again, which may have no formula left that fits: the results
        // state with the failure, from which a pair can be corrected or removed, or
        // another formula chosen.
        ReturnToResults(RemovalRule::Strict);
        return;
    }
    Redraw();
    ReturnToResults(RemovalRule::Strict);
    show();
}

void ResultsWindow::CompareFormulasAndChoose() {
    CompareAndChoose(this, [this](std::uint8_t kind, std::int16_t degree) {
        if (TakeFormula(kind, degree)) ShowChosenFormula();
    });
}
