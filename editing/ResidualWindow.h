#pragma once
// "Остатки": the residuals of the fit on display against X, in a window of its own
// beside the results. It follows every refit while open; Esc or its close control
// hides it.

#include "FormWindow.h"

class ResidualWindow : public FormWindow {
    Q_OBJECT
public:
    ResidualWindow();
    // Draws the residuals of the fit now in the shared state, or says there is none.
    void Refresh(bool fitOnDisplay);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void CloseRequested() override;
};
