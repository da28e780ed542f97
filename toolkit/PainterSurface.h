#pragma once
// Surfaces that render with QPainter: a persistent image behind a window, and the
// replay of a recorded drawing onto any paint device (the printer page).

#include <QColor>
#include <QImage>
#include <QPainter>
#include <vector>

#include "Fonts.h"
#include "Surface.h"

QColor ToQColor(Color bgr);

// Draws onto an image that keeps its content until cleared: the window shows it on
// every paint, so what was drawn survives expose and resize.
// On a scaled screen the image holds devicePixelRatio device pixels per pixel, so that
// the drawing, made in pixels, stays sharp; at 100 % the two are the same.
class ImageSurface : public Surface {
public:
    ImageSurface(FontSpec font, double unitsPerPixel, double devicePixelRatio = 1);

    // The image to draw on directly (which ends its being blank), or to show.
    QImage& Image() {
        Materialize();
        blankWith_ = QColor();
        return image_;
    }
    const QImage& Image() const {
        Materialize();
        return image_;
    }
    // Shows the image on a painter at (0, 0). An image blank in one colour is shown as
    // that colour over its size, its pixels left unfilled: a window shown with nothing
    // drawn on it holds no image.
    void PaintOn(QPainter& painter) const;
    // Makes the image at least this many pixels (not device pixels), keeping what is
    // drawn.
    void EnsureSize(int widthPixels, int heightPixels);
    void SetBackground(Color bgr);
    void SetLogicalWidth(double widthUnits) { logicalWidth_ = widthUnits; }

    // What was drawn since the last Clear, for tests that read a real window's drawing.
    const std::vector<SurfaceOp>& OpsSinceClear() const { return opsSinceClear_; }

    double Width() const override { return logicalWidth_; }
    double TextLineHeight() const override;
    double TextAdvance(std::string_view text) const override;

protected:
    void Render(const SurfaceOp& op) override;

private:
    // Makes the image blank in blankWith_ at lazySize_ where a Clear or an enlargement
    // of a blank image left that to be done: the pixels are filled only when the image
    // is shown or drawn on, so a window that paints itself otherwise never holds any.
    void Materialize() const;
    QSize CurrentSize() const { return lazy_ ? lazySize_ : image_.size(); }

    mutable QImage image_;
    mutable bool lazy_ = false;
    QSize lazySize_;  // device pixels
    std::vector<SurfaceOp> opsSinceClear_;
    QFont regular_, bold_;
    double unitsPerPixel_;
    double logicalWidth_ = 0;
    QColor background_ = Qt::white;
    // The one colour of the whole image while nothing is drawn on it since it was
    // filled (a Clear then has nothing to do); invalid once something is.
    QColor blankWith_;
};

// Replays drawn operations onto a painter whose coordinates are the drawing's (a
// Clear among them is skipped: the target is blank already).
void ReplayOps(QPainter& painter, const std::vector<SurfaceOp>& ops, FontSpec font,
               double cellWidth);
