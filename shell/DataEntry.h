#pragma once
// The entry of the point set, behind "Готовы к работе ?": the count of pairs, every
// X and Y listed as typed, the sort by X, and the formula window turned into the
// formula choice. The title window hides itself before it runs this.

void EnterPoints();
