#include "Fonts.h"

#include <cmath>

namespace {
QString FamilyOf(Face face) {
    switch (face) {
        case Face::Courier: return QStringLiteral("Liberation Mono");
        case Face::TimesNewRoman: return QStringLiteral("Liberation Serif");
        // No cursive face ships with the Liberation family; its serif italic stands in.
        case Face::MonotypeCorsiva: return QStringLiteral("Liberation Serif");
        case Face::Arial:
        case Face::MsSansSerif:
        case Face::MicrosoftSansSerif: return QStringLiteral("Liberation Sans");
    }
    return QStringLiteral("Liberation Sans");
}
}  // namespace

int PointsToPixels(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont MakeFont(const FontSpec& spec) {
    QFont font(FamilyOf(spec.face));
    font.setPixelSize(PointsToPixels(spec.points));
    font.setBold(spec.bold);
    font.setItalic(spec.italic || spec.face == Face::MonotypeCorsiva);
    font.setStyleHint(spec.face == Face::Courier ? QFont::TypeWriter : QFont::AnyStyle);
    font.setFixedPitch(spec.face == Face::Courier);
    font.setKerning(false);
    return font;
}
