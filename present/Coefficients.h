#pragma once
// The coefficient panel: the A[j] lines of the polynomials, or A, B (and C) of the
// other kinds, between the graph and the table.

class Surface;
struct Sheet;

void DrawCoefficients(Surface& surface, const Sheet& sheet);
void ShowCoefficients(Surface& form3);
void PrintCoefficients(Surface& form5);
