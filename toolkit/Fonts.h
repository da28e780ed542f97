#pragma once
// The faces the windows were designed with, mapped to their metric twins from the
// Liberation family, sized in pixels for 96 dots per inch so that the layout in
// pixels holds whatever the display reports.

#include <QFont>

enum class Face { Courier, TimesNewRoman, Arial, MsSansSerif, MicrosoftSansSerif, MonotypeCorsiva };

struct FontSpec {
    Face face = Face::Courier;
    double points = 9.75;
    bool bold = false;
    bool italic = false;
};

QFont MakeFont(const FontSpec& wanted);

// The pixel size of a point size at 96 dpi (9.75 pt -> 13 px).
int PointsToPixels(double points);
