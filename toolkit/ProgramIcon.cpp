#include "ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
QPixmap Drawn(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 128.0, size / 128.0);  // drawn in the picture's own 128 units
    p.setPen(QPen(QColor(0x80, 0x80, 0x00), 2));
    p.setBrush(QColor(0xff, 0xff, 0x80));
    p.drawRoundedRect(QRectF(4, 4, 120, 120), 12, 12);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 3));
    p.drawPolyline(QPolygonF({QPointF(112, 108), QPointF(20, 108), QPointF(20, 16)}));
    p.drawPolyline(QPolygonF({QPointF(106, 104), QPointF(112, 108), QPointF(106, 112)}));
    p.drawPolyline(QPolygonF({QPointF(16, 22), QPointF(20, 16), QPointF(24, 22)}));
    QPainterPath curve(QPointF(24, 98));
    curve.cubicTo(QPointF(50, 94), QPointF(70, 80), QPointF(84, 58));
    curve.cubicTo(QPointF(98, 36), QPointF(104, 26), QPointF(108, 20));
    p.setPen(QPen(Qt::red, 5));
    p.drawPath(curve);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::blue);
    for (const QPointF& point : {QPointF(32, 92), QPointF(48, 94), QPointF(62, 82), QPointF(76, 72),
                                 QPointF(88, 50), QPointF(100, 34)})
        p.drawEllipse(point, 5, 5);
    return pixmap;
}
}  // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) icon.addPixmap(Drawn(size));
    return icon;
}
