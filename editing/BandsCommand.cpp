// The results window's views of how sure the fit is: the 95 % bands on the graph
// (Ctrl+B, the menu) and the residuals in a window of their own (F4, the menu). In the
// results state only; the bands stay on until switched off, through every refit.
#include <QShortcut>

#include "ResidualWindow.h"
#include "ResultsWindow.h"
#include "SharedState.h"

void ResultsWindow::SetUpBands() {
    const std::vector<Shortcut> keys = {
        {QKeySequence(Qt::CTRL | Qt::Key_B), &ResultsWindow::ToggleBands},
        {QKeySequence(Qt::Key_F4), &ResultsWindow::ShowResiduals},
    };
    AddResultsShortcuts(keys);
}

void ResultsWindow::ToggleBands() {
    Shared.BandsShown = !Shared.BandsShown;
    if (fitOnDisplay_) Redraw();
}

void ResultsWindow::ShowResiduals() {
    if (!residuals_) {
        residuals_ = new ResidualWindow;
        residuals_->setParent(this, Qt::Window | Qt::Tool);
    }
    residuals_->Refresh(fitOnDisplay_);
    residuals_->show();
    residuals_->raise();
}

void ResultsWindow::FollowResiduals() {
    if (residuals_ && residuals_->isVisible()) residuals_->Refresh(fitOnDisplay_);
}
