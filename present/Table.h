#pragma once
// The results table: number, X and Y as typed, computed Y and deviation in percent
// for every point, drawn with lines and texts at fixed pixel positions. Sets the
// table geometry (TableLeft..NumberColumnWidth) that the point picking reads.

class Surface;
struct Sheet;

void DrawTable(Surface& surface, const Sheet& sheet);
// On the results window (table at 640, 20) and on the print sheet (370, 80).
void ShowTable(Surface& form3);
void PrintTable(Surface& form5);
