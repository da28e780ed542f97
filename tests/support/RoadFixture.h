#pragma once
// The real program brought to a chosen point: data typed into the real input boxes,
// a formula clicked in the real list, the results window shown.

#include <string>
#include <utility>
#include <vector>

#include "DialogDriver.h"
#include "ProgramFixture.h"

using TypedPairs = std::vector<std::pair<std::string, std::string>>;

class RoadFixture : public ProgramFixture {
protected:
    // Presses "Готовы к работе ?" on the title window.
    void PressReady();
    // Answers the count and every pair, then presses "Готовы к работе ?".
    void Enter(const TypedPairs& pairs);
    // Pairs (i, 2i + 1.5) for i = 1..n, typed with a comma.
    static TypedPairs Line(int n);
    void ClickFormula(int kind);
    bool ResultsShown();
    bool ListRefilled(int count);
    // The whole road: pairs, formula (and degree), results window shown.
    void FitToResults(const TypedPairs& pairs, int kind, const std::string& degree = "");

    DialogDriver driver;
};
