// Changing the formula from the results window: the formula list, the degree of a
// polynomial, the unknowns check and the new fit.
#include "Dialogs.h"
#include "FormulaChoice.h"
#include "NumberText.h"
#include "Program.h"
#include "ResultsWindow.h"
#include "SharedState.h"

namespace {
constexpr double DegreeBoxX = 370, DegreeBoxY = 6800;  // twips of the screen
constexpr int ListLeft = 20, Label4Left = 38;

// The formula, degree and unknowns of the fit on display.
struct FitChoice {
    std::uint8_t kind;
    std::int16_t degree, unknowns;
    void Restore() const {
        Shared.FormulaKind = kind;
        Shared.TypedDegree = degree;
        Shared.UnknownCount = unknowns;
    }
};
}  // namespace

void ResultsWindow::Command2Click() {
    const int n = Shared.PointCount;
    for (CaptionButton* button : Commands()) button->hide();
    List1->show();
    Label4->show();
    PlaceControl(List1, ListLeft, List1->y(), List1->width(), n >= 3 ? 180 : 140);
    SetLabelCaption(Label4, "\rВыберите вид аппроксимирующей зависимости");
    Label4->adjustSize();
    PlaceControl(Label4, Label4Left, List1->y() + List1->height() + 20, Label4->width(), Label4->height());
    SetCaption("Выбор вида аппроксимирующей зависимости");
    RefillResultsFormulaList();
}

void ResultsWindow::List1Click(int index) {
    auto& s = Shared;
    // A refused degree leaves the fit on display, and with it its formula.
    const FitChoice shown{s.FormulaKind, s.TypedDegree, s.UnknownCount};
    s.FormulaKind = static_cast<std::uint8_t>(index + 1);
    if (s.FormulaKind == 1 || s.FormulaKind == 2) {
        Label4->hide();
        const std::string answer = TheDialogs().InputBox(" Введите максимальную степень полинома ",
                                                         "ВВОД СТЕПЕНИ ПОЛИНОМА ", DegreeBoxX, DegreeBoxY);
        const std::int16_t degree = WholeNumberValue(NormalizeNumberText(answer));
        const int unknowns = PolynomialUnknowns(s.FormulaKind, degree);
        s.TypedDegree = degree;
        s.UnknownCount = static_cast<std::int16_t>(std::min(unknowns, 32767));
        if (degree <= 0) {
            shown.Restore();
            ResetResultsCommands();
            return;
        }
        if (!UnknownsAccepted(unknowns, s.PointCount)) {
            shown.Restore();
            if (!TheDialogs().AskYesNo(TooManyUnknownsMessage, TooManyUnknownsTitle, MessageIcon::Question)) {
                EndProgram();
                return;
            }
            Label4->show();
            RefillResultsFormulaList();
            return;
        }
        s.FitUnknownCount = static_cast<std::uint8_t>(unknowns);
    }
    if (!RunGuardedComputation()) return;
    Drawing().Clear();
    Command1->show();
    Command2->show();
    ApplyCommand3Rule();
    ApplyCommand4Rule(RemovalRule::Strict);
    for (CaptionButton* button : {Command5, Command6, Command7}) button->show();
    List1->hide();
    Label4->hide();
    DrawResults();
    SetCaption("Результаты расчета");
    show();
}
