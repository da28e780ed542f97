#pragma once
// The residuals of the fit on display, Y - Yрасч against X: the points, the zero line
// and the residual standard deviation as a band either side of it, drawn through the
// surface interface so that any surface (a window, a page, a recording) can show it.
// Points with uncertainties show (Y - Yрасч)/sigma, and s is that of unit weight.

class Surface;

// The plot filling width x height pixels of the surface, for the fit in the shared
// state after a successful engine sequence. A linearised fit's title says that its
// residuals are shown on Y although it minimised another sum.
void DrawResidualPlot(Surface& surface, double width, double height);
