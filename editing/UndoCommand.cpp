// Undo and redo of every change of the work (Ctrl+Z, Ctrl+Shift+Z, the menu): the
// history keeps a whole snapshot of the work at each return to the results, and a
// step taken back or brought again is shown through the same refit as the edits. The
// whole work saved in a file (Ctrl+Shift+S, the menu) and shown again from one.
#include <QShortcut>

#include "ResultsWindow.h"
#include "SessionFile.h"
#include "SharedState.h"

void ResultsWindow::SetUpUndo() {
    const std::vector<Shortcut> keys = {
        {QKeySequence(Qt::CTRL | Qt::Key_Z), &ResultsWindow::UndoStep},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &ResultsWindow::RedoStep},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &ResultsWindow::SaveWork},
    };
    AddResultsShortcuts(keys);
}

void ResultsWindow::RecordStep(RemovalRule rule) {
    Work now = WorkOfSharedState();
    now.commandRule = static_cast<int>(rule);
    now.caption = windowTitle().toStdString();
    history_.Record(std::move(now));
}

void ResultsWindow::UndoStep() {
    if (history_.Undo()) ShowStep();
}

void ResultsWindow::RedoStep() {
    if (history_.Redo()) ShowStep();
}

void ResultsWindow::ShowWork(const Work& work) {
    ApplyWork(work);
    history_.Clear();
    Shared.InterpolationActive = False;
    Drawing().Clear();
    if (RunGuardedComputation()) ShowFit();
    ReturnToResults(RemovalRule::Strict);
    show();
    TellIfRefinementFailed();
}

void ResultsWindow::SaveWork() { SaveWorkAsked(); }

void ResultsWindow::ShowStep() {
    const Work& step = history_.Current();
    Shared.InterpolationActive = False;
    Drawing().Clear();
    if (RunGuardedComputation()) ShowFit();
    ReturnToResults(static_cast<RemovalRule>(step.commandRule), Caption::Kept);
    SetCaption(step.caption);
}
