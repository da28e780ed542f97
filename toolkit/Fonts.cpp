#include "Fonts.h"

#include <QFontMetricsF>
#include <cmath>

namespace {
QString FamilyOf(Face face) {
    switch (face) {
        case Face::Courier:
            return QStringLiteral("Liberation Mono");
        case Face::TimesNewRoman:
            return QStringLiteral("Liberation Serif");
        // No cursive face ships with the Liberation family; its serif italic stands in.
        case Face::MonotypeCorsiva:
            return QStringLiteral("Liberation Serif");
        case Face::Arial:
        case Face::MsSansSerif:
        case Face::MicrosoftSansSerif:
            return QStringLiteral("Liberation Sans");
    }
    return QStringLiteral("Liberation Sans");
}
}  // namespace

int PointsToPixels(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont MakeFont(const FontSpec& wanted) {
    QFont font(FamilyOf(wanted.face));
    font.setPixelSize(PointsToPixels(wanted.points));
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic || wanted.face == Face::MonotypeCorsiva);
    font.setStyleHint(wanted.face == Face::Courier ? QFont::TypeWriter : QFont::AnyStyle);
    font.setFixedPitch(wanted.face == Face::Courier);
    font.setKerning(false);
    if (wanted.face == Face::Courier) {
        // The table layout counts on a cell of whole pixels (8 at 9.75 points); the
        // stand-in face advances a fraction less, which the letter spacing makes up.
        const double advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('0'));
        const double cell = std::round(advance);
        if (cell != advance) font.setLetterSpacing(QFont::AbsoluteSpacing, cell - advance);
    }
    return font;
}
