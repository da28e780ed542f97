#pragma once
// The graph on the left of the results window: axes with arrowheads and ticks,
// tick labels, the formula caption, the two statistics lines, the source points and
// the fitted curve; then the coefficient panel. The print twin draws the same on the
// print sheet, moved by the paper sheet's offsets.

class Surface;
struct Sheet;

// Plot frame, graph frame with the statistics (which run CorrelationCoefficient and
// ComputeDeviations), tick labels, points, curve and coefficient panel, in that order.
void DrawGraphAndCoefficients(Surface& surface, const Sheet& sheet);

// On the results window: also records where each point was drawn.
void ShowResults(Surface& form3);
// On the print sheet.
void PrintResults(Surface& form5);
