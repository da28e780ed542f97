#pragma once
// The 95 % bands on the graph, when the user has switched them on (BandsShown): the
// confidence band and the prediction band, each as two thin lines in a colour of its
// own, sampled where the curve is and kept inside the plot band as it is; and the
// legend that names them under the coefficient panel. Nothing when they are off.

class Surface;
struct Sheet;

void DrawBands(Surface& surface, const Sheet& sheet);

// The legend's lines from (x, y) down, a panel line apart.
void DrawBandLegend(Surface& surface, double x, double y);
