#pragma once
// A window of the program: a full-screen top-level widget with a persistent drawing
// behind its controls, its own units (twips or pixels) for geometry and drawing, and
// a load set-up that runs each time the window is loaded.

#include <QWidget>
#include <memory>

#include "PainterSurface.h"
#include "Units.h"

enum class WindowUnits { Twips, Pixels };

class FormWindow : public QWidget {
    Q_OBJECT
public:
    FormWindow(WindowUnits units, FontSpec drawingFont);
    ~FormWindow() override;
    Q_DISABLE_COPY(FormWindow)

    // The load set-up; run by the window's accessor right after creation.
    virtual void LoadSetUp() {}

    Surface& Drawing() { return surface_; }
    ImageSurface& DrawingImage() { return surface_; }
    WindowUnits Units() const { return units_; }
    double UnitsPerPixel() const { return units_ == WindowUnits::Twips ? TwipsPerPixel : 1.0; }

    void SetCaption(const std::string& caption);
    void SetBackColor(Color bgr);
    // Outer geometry in the window's units.
    void PlaceWindow(double left, double top, double width, double height);
    double WidthUnits() const { return width() * UnitsPerPixel(); }
    double HeightUnits() const { return height() * UnitsPerPixel(); }
    // Left, top, width, height of a child control in the window's units.
    void PlaceControl(QWidget* control, double left, double top, double width, double height) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The title-bar close control: by default it ends the program, as every
    // "Окончание работы" does.
    virtual void CloseRequested();

private:
    WindowUnits units_;
    ImageSurface surface_;
    Color backColor_ = 0xF0F0F0;
};
