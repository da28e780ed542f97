#pragma once
// Point sets that probe the solver's accuracy: random data of every kind, offsets,
// scaled X, clusters, near-dependent and dependent columns, high degrees. Each set
// is made from its number alone, the same on every machine, so that its exact
// least-squares solution can be computed once and stored.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct AccuracySet {
    std::string family;
    std::uint8_t kind = 0;
    std::int16_t degree = 0;
    std::vector<std::pair<double, double>> points;
};

inline constexpr int AccuracySetCount = 3000;

AccuracySet MakeAccuracySet(int number);

// FNV-1a of the bits of rows 1..PointCount, columns 0..UnknownCount of FitMatrix: the
// linear problem the stored solution belongs to.
std::uint64_t ProblemFingerprint();
