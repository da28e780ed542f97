#pragma once
// The graph on the left of the results window: axes with arrowheads and ticks,
// tick labels, the formula caption, the two statistics lines, the source points and
// the fitted curve; then the coefficient panel. The print twins draw the same on the
// print sheet, moved by (PrintOffsetX, PrintOffsetY).

#include "PlotGeometry.h"

class Surface;
struct Sheet;

void DrawResults(Surface& surface, const Sheet& sheet);
void DrawGraphFrame(Surface& surface, const Sheet& sheet, const PlotFrame& frame);
void DrawCurve(Surface& surface, const Sheet& sheet);

// On the results window: also records where each point was drawn.
void ShowResults(Surface& form3);
void WriteLabel(Surface& form3);
// On the print sheet.
void PrintResults(Surface& form5);
void PrintGraphFrame(Surface& form5, const PlotFrame& frame);
void PrintLabel(Surface& form5);
void PrintCurve(Surface& form5);
