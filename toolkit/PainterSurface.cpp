#include "PainterSurface.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

QColor ToQColor(Color bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

namespace {
// The whole image in one colour, written by ordinary stores. QImage::fill streams past
// the cache, and on some virtual machines the next drawing over those pages (the title
// window's gradient: every pixel) then costs three times as much as the fill itself.
void FillImage(QImage& image, const QColor& colour) {
    const QRgb pixel = colour.rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line, line + image.width(), pixel);
    }
}

// Renders one operation; unitsPerPixel converts the surface's units (15 for twips).
// A cell width above 0 puts every character of a text in its own cell of that many
// pixels, so a fixed-pitch layout holds on any device whatever its font metrics.
void PaintOp(QPainter& painter, const SurfaceOp& op, const QFont& regular, const QFont& bold,
             double unitsPerPixel, const QColor& background, double cellWidth = 0) {
    const double k = 1.0 / unitsPerPixel;
    QPen pen(ToQColor(op.color));
    pen.setWidthF(op.width);
    pen.setStyle(op.style == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    switch (op.kind) {
        case SurfaceOp::Clear:
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(QRectF(QPointF(0, 0),
                                    QSizeF(painter.device()->width(), painter.device()->height())),
                             background);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            break;
        case SurfaceOp::Text: {
            const QFont& font = op.bold ? bold : regular;
            painter.setFont(font);
            painter.setPen(ToQColor(op.color));
            QFontMetricsF metrics(font, painter.device());
            const QString text = QString::fromStdString(op.text);
            const QPointF origin(op.x1 * k, op.y1 * k + metrics.ascent());
            if (cellWidth > 0) {
                for (qsizetype i = 0; i < text.size(); ++i)
                    painter.drawText(origin + QPointF(cellWidth * static_cast<double>(i), 0),
                                     QString(text[i]));
            } else {
                painter.drawText(origin, text);
            }
            break;
        }
        case SurfaceOp::Line:
            painter.setPen(pen);
            painter.drawLine(QPointF(op.x1 * k, op.y1 * k), QPointF(op.x2 * k, op.y2 * k));
            break;
        case SurfaceOp::Box:
            painter.fillRect(
                QRectF(QPointF(op.x1 * k, op.y1 * k), QPointF(op.x2 * k, op.y2 * k)).normalized(),
                ToQColor(op.color));
            break;
        case SurfaceOp::Circle:
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(QPointF(op.x1 * k, op.y1 * k), op.x2 * k, op.x2 * k);
            break;
    }
}

}  // namespace

ImageSurface::ImageSurface(FontSpec font, double unitsPerPixel, double devicePixelRatio)
    : image_(1, 1, QImage::Format_RGB32), unitsPerPixel_(unitsPerPixel) {
    image_.setDevicePixelRatio(devicePixelRatio);
    font.bold = false;
    regular_ = MakeFont(font);
    font.bold = true;
    bold_ = MakeFont(font);
    FillImage(image_, background_);
    blankWith_ = background_;
}

void ImageSurface::EnsureSize(int widthPixels, int heightPixels) {
    const double ratio = image_.devicePixelRatio();
    const int wide = static_cast<int>(std::ceil(widthPixels * ratio));
    const int high = static_cast<int>(std::ceil(heightPixels * ratio));
    const QSize current = CurrentSize();
    if (wide <= current.width() && high <= current.height()) return;
    const QSize wanted(std::max(wide, current.width()), std::max(high, current.height()));
    // A blank image stays blank in its own colour if that is the background.
    if (blankWith_ == background_) {
        lazy_ = true;
        lazySize_ = wanted;
        return;
    }
    Materialize();
    QImage larger(wanted, QImage::Format_RGB32);
    larger.setDevicePixelRatio(ratio);
    FillImage(larger, background_);
    QPainter painter(&larger);
    painter.drawImage(0, 0, image_);
    painter.end();
    blankWith_ = QColor();
    image_ = std::move(larger);
}

void ImageSurface::Materialize() const {
    if (!lazy_) return;
    if (image_.size() != lazySize_) {
        const double ratio = image_.devicePixelRatio();
        image_ = QImage(lazySize_, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
    }
    FillImage(image_, blankWith_);
    lazy_ = false;
}

void ImageSurface::PaintOn(QPainter& painter) const {
    if (blankWith_.isValid()) {
        const QSize size = CurrentSize();
        const double ratio = image_.devicePixelRatio();
        painter.fillRect(QRectF(0, 0, size.width() / ratio, size.height() / ratio), blankWith_);
        return;
    }
    painter.drawImage(0, 0, Image());
}

void ImageSurface::SetBackground(Color bgr) { background_ = ToQColor(bgr); }

double ImageSurface::TextLineHeight() const {
    return QFontMetricsF(Bold() ? bold_ : regular_).height() * unitsPerPixel_;
}

double ImageSurface::TextAdvance(std::string_view text) const {
    QFontMetricsF metrics(Bold() ? bold_ : regular_);
    return metrics.horizontalAdvance(
               QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) *
           unitsPerPixel_;
}

void ImageSurface::Render(const SurfaceOp& op) {
    if (op.kind == SurfaceOp::Clear) opsSinceClear_.clear();
    opsSinceClear_.push_back(op);
    if (op.kind == SurfaceOp::Clear) {
        // Blank in the background, filled when next shown or drawn on.
        if (blankWith_ != background_) {
            lazySize_ = CurrentSize();
            lazy_ = true;
        }
        blankWith_ = background_;
        return;
    }
    Materialize();
    blankWith_ = QColor();
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, op.kind == SurfaceOp::Circle);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PaintOp(painter, op, regular_, bold_, unitsPerPixel_, background_);
}

void ReplayOps(QPainter& painter, const std::vector<SurfaceOp>& ops, FontSpec font,
               double cellWidth) {
    font.bold = false;
    QFont regular = MakeFont(font);
    font.bold = true;
    QFont bold = MakeFont(font);
    for (const SurfaceOp& op : ops)
        if (op.kind != SurfaceOp::Clear)
            PaintOp(painter, op, regular, bold, 1.0, Qt::white, cellWidth);
}
