#include "ResidualWindow.h"

#include <QKeyEvent>

#include "ResidualPlot.h"

namespace {
constexpr int WidthPixels = 640, HeightPixels = 420;
constexpr int PlaceLeft = 620, PlaceTop = 400;
}  // namespace

ResidualWindow::ResidualWindow() : FormWindow(WindowUnits::Pixels, FontSpec{}) {
    SetCaption("Остатки");
    setWindowFlag(Qt::Tool);
    // Beside the results' graph and under their table, where it hides neither.
    setGeometry(PlaceLeft, PlaceTop, WidthPixels, HeightPixels);
    SetBackColor(0xFFFFFF);
}

void ResidualWindow::Refresh(bool fitOnDisplay) {
    Drawing().Clear();
    if (fitOnDisplay) {
        DrawResidualPlot(Drawing(), WidthPixels, HeightPixels);
    } else {
        Drawing().MoveTo(20, 20);
        Drawing().Print("Нет подбора: остатков нет.");
    }
    update();
}

void ResidualWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    FormWindow::keyPressEvent(event);
}

void ResidualWindow::CloseRequested() { hide(); }
