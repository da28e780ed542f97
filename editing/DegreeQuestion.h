#pragma once
// The degree of a polynomial asked for when one of the two polynomial kinds is chosen
// in a formula list (the formula window's and the results window's): the box, the
// judgement, and the warning when it asks for too many unknowns.

#include <cstdint>
#include <functional>

enum class DegreeAnswer {
    Accepted,     // FormulaKind, TypedDegree and the unknown counts hold the choice
    StartAfresh,  // 0, negative, not a number or Cancel
    ChooseAgain,  // too many unknowns, and the user goes on: the list again
    EndProgram,   // too many unknowns, and the user ends the work
};

// Asks in the box at (boxX, boxY) twips of the screen; beforeWarning runs before the
// warning about too many unknowns is shown.
DegreeAnswer AskPolynomialDegree(std::uint8_t kind, double boxX, double boxY,
                                 const std::function<void()>& beforeWarning = {});
