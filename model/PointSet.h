#pragma once
// Operations on the point set of the shared state.

#include <cstdint>
#include <string>
#include <string_view>

// Orders pairs 1..PointCount by X, non-decreasing, with an exchange sort: pair i is
// exchanged with a later pair j only when X(j) < X(i), so the order of equal X values
// follows from the exchanges (X 2, 2, 1 entered gives Y in the order 30, 20, 10).
// The arrays of a pair (X, Y, their texts, and sigma) move together.
void SortPointsByX();

enum class PairPart : std::uint8_t { X = 1, Y = 2, Sigma = 3 };

// Keeps a typed value of pair `pair` as every entry keeps it: the text after
// NormalizeNumberText, and the value NumberValue reads from that stored text.
void StoreTypedValue(int pair, PairPart part, std::string_view typed);

// True when a typed text, kept as StoreTypedValue keeps it, holds a number beyond the
// range of a double: every way in refuses such a text rather than store it.
bool TypedValueBeyondRange(std::string_view typed);

// True when a typed sigma, kept as StoreTypedValue keeps it, is a number above zero
// within the range of a double: the only sigma any way in takes.
bool UsableSigma(std::string_view typed);
