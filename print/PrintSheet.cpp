#include "PrintSheet.h"

#include "Program.h"

namespace {
WindowAccessor<PrintSheetWindow> accessor;
}  // namespace

PrintSheetWindow& Form5() { return accessor.Get(); }
bool Form5Loaded() { return accessor.Loaded(); }

PrintSheetWindow::PrintSheetWindow()
    : FormWindow(WindowUnits::Pixels, FontSpec{Face::Courier, 9.75, false}) {}

void PrintSheetWindow::LoadSetUp() {
    PlaceWindow(0, 0, ScreenSizePixels().width(), ScreenSizePixels().height());
    SetBackColor(0xFFFFFF);
    Drawing().SetForeColor(0);
}
