#pragma once
// Form5, the print sheet: a white window of the screen's size on which the printed
// page is composed in pixels, in a regular Courier of 9.75 points. It lives only for
// one print.

#include "FormWindow.h"

class PrintSheetWindow : public FormWindow {
    Q_OBJECT
public:
    PrintSheetWindow();
    void LoadSetUp() override;

protected:
    // The sheet is never shown; should it be, closing it only hides it.
    void CloseRequested() override { hide(); }
};

PrintSheetWindow& Form5();
bool Form5Loaded();
