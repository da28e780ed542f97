#pragma once
// The results table: number, X and Y as typed, computed Y and deviation in percent
// for every point, drawn with lines and texts at fixed pixel positions. Sets the
// table geometry (TableLeft..NumberColumnWidth) that the point picking reads.

class Surface;
struct Sheet;

// What the table shows: every column, or the pairs as typed only, their computed
// columns left empty (while no fit of them stands).
enum class TableContent { WithFit, TypedOnly };

void DrawTable(Surface& surface, const Sheet& sheet, TableContent content = TableContent::WithFit);
// On the results window (table at 640, 20) and on the print sheet (370, 80).
void ShowTable(Surface& form3);
void PrintTable(Surface& form5);
// The typed pairs in the results window's table, after a failed fit.
void ShowTypedTable(Surface& form3);
