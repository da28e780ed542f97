#include "FormWindow.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <cmath>

#include "Program.h"

FormWindow::FormWindow(WindowUnits units, FontSpec drawingFont)
    : QWidget(nullptr),
      units_(units),
      surface_(drawingFont, units == WindowUnits::Twips ? TwipsPerPixel : 1.0,
               devicePixelRatioF()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    QSize screen = ScreenSizePixels();
    surface_.EnsureSize(screen.width(), screen.height());
    SetBackColor(backColor_);
    surface_.Clear();
}

FormWindow::~FormWindow() = default;

void FormWindow::SetCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

void FormWindow::SetBackColor(Color bgr) {
    backColor_ = bgr;
    surface_.SetBackground(bgr);
    surface_.Clear();  // a new background colour wipes the drawing, as on the designed windows
    update();
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(bgr));
    setPalette(pal);
}

void FormWindow::PlaceWindow(double left, double top, double width, double height) {
    const double k = 1.0 / UnitsPerPixel();
    setGeometry(static_cast<int>(std::lround(left * k)), static_cast<int>(std::lround(top * k)),
                static_cast<int>(std::lround(width * k)),
                static_cast<int>(std::lround(height * k)));
    surface_.SetLogicalWidth(width);
}

void FormWindow::PlaceControl(QWidget* control, double left, double top, double width,
                              double height) const {
    const double k = 1.0 / UnitsPerPixel();
    control->setGeometry(
        static_cast<int>(std::lround(left * k)), static_cast<int>(std::lround(top * k)),
        static_cast<int>(std::lround(width * k)), static_cast<int>(std::lround(height * k)));
}

void FormWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    surface_.PaintOn(painter);
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    surface_.EnsureSize(width(), height());
    surface_.SetLogicalWidth(WidthUnits());
    QWidget::resizeEvent(event);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // Closing is decided by the window's own rule; the widget itself stays until unloaded.
    event->ignore();
    CloseRequested();
}

void FormWindow::CloseRequested() { EndProgram(); }
