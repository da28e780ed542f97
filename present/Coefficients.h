#pragma once
// The coefficient panel: the A[j] lines of the polynomials, or A, B (and C) of the
// other kinds, between the graph and the table.

#include <string>

class Surface;
struct Sheet;

// An equation coefficient's text: nine decimals in 15 characters above 1e-9 in
// magnitude, the standard number text otherwise.
std::string EquationCoefficientText(double value);

void DrawCoefficients(Surface& surface, const Sheet& sheet);
void ShowCoefficients(Surface& form3);
void PrintCoefficients(Surface& form5);
