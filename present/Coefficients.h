#pragma once
// The coefficient panel: the A[j] lines of the polynomials, or A, B (and C) of the
// other kinds, between the graph and the table.

#include <string>

class Surface;
struct Sheet;

// A coefficient of the fit in the shared state as the screen panel writes it, blanks
// trimmed: the same digits wherever else it is shown for reading.
std::string PanelCoefficientText(double value);

void DrawCoefficients(Surface& surface, const Sheet& sheet);
void ShowCoefficients(Surface& form3);
void PrintCoefficients(Surface& form5);
