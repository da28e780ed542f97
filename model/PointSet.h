#pragma once
// Operations on the point set of the shared state.

// Orders pairs 1..PointCount by X, non-decreasing, with an exchange sort: pair i is
// exchanged with a later pair j only when X(j) < X(i), so the order of equal X values
// follows from the exchanges (X 2, 2, 1 entered gives Y in the order 30, 20, 10).
// The four arrays of a pair move together.
void SortPointsByX();
