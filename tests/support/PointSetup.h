#pragma once
// Test fixtures for the shared state: a fresh state with a given point set, and the
// engine sequence of the computation drivers.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct TypedPoint {
    std::string x, y;
};

// Fresh shared state (formula texts and colours set) holding these points as typed
// texts, normalised and read as the data entry does, sorted by X.
void UsePoints(const std::vector<TypedPoint>& points);
void UsePoints(const std::vector<std::pair<double, double>>& points);

// Chooses a formula as the formula window does: the kind, and for the polynomials
// the degree judged as typed (a refused degree throws: the test set it up wrongly).
void ChooseKind(std::uint8_t kind, std::int16_t degree = 0);

// The engine sequence of every computation; returns the failure code.
std::uint8_t RunGuardedComputation();
