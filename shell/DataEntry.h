#pragma once
// The entry of the point set, behind "Готовы к работе ?": the count of pairs, every
// X and Y listed as typed, the sort by X, and the formula window turned into the
// formula choice. The title window hides itself before it runs this.

#include "PointTable.h"

// A table of two columns pasted into the count box (Ctrl+V) stands for the count and
// every pair.
void EnterPoints();

// The same entry with the pairs of a file or the clipboard instead of the boxes: the
// program stands on the formula choice. The title window hides itself first.
void ReplacePointsAndChooseFormula(const PointTable& table);
