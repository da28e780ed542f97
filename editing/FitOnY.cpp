// The results window's choice of the fit on display: the linearised least squares
// (the formula list's fit) or least squares on Y itself (Ctrl+Y, the menu), and the
// window of how sure its coefficients are (Ctrl+D, the menu). In the results state only.
#include <QShortcut>
#include <QTimer>

#include "Dialogs.h"
#include "EngineCodes.h"
#include "FitModeText.h"
#include "FormulaKinds.h"
#include "Refinement.h"
#include "ResultsWindow.h"
#include "SharedState.h"
#include "SpreadWindow.h"
#include "Uncertainty.h"

void ResultsWindow::SetUpFitOnY() {
    const std::vector<Shortcut> keys = {
        {QKeySequence(Qt::CTRL | Qt::Key_Y), &ResultsWindow::ToggleFitMode},
        {QKeySequence(Qt::CTRL | Qt::Key_D), &ResultsWindow::ShowSpread},
    };
    AddResultsShortcuts(keys);
}

void ResultsWindow::ToggleFitMode() {
    auto& s = Shared;
    s.FitMode = s.FitMode == FitOnY ? FitLinearised : FitOnY;
    Drawing().Clear();
    if (RunGuardedComputation()) ShowFit();
    RecordStep(lastRule_);
    if (s.FitMode == FitOnY && fitOnDisplay_ && !IsRefinableKind(s.FormulaKind))
        TheDialogs().Inform("Для зависимости " + s.FormulaTexts[s.FormulaKind] +
                                " линеаризованный МНК и есть МНК по Y: коэффициенты те же.",
                            "МНК по Y", MessageIcon::None);
}

void ResultsWindow::ShowSpread() {
    if (!fitOnDisplay_) return;
    const std::uint8_t convention = Shared.SigmaConvention;
    SpreadWindow window(this, SpreadOfFit());
    window.exec();
    // The bands follow the convention the user chose there.
    if (Shared.SigmaConvention != convention) Redraw();
}

void ResultsWindow::TellIfRefinementFailed() {
    const std::string failure = RefinementFailureText();
    if (failure.empty()) return;
    // Told once the window shows the linearised fit it keeps, not over the old picture.
    QTimer::singleShot(0, this, [failure] {
        TheDialogs().Inform(failure + ". Показан линеаризованный МНК.", "Внимание !",
                            MessageIcon::Warning);
    });
}
