#pragma once
// One row of the comparison of every formula, as the window and the command line both
// give it: its figures by name (none where not computed), its status and its note.

#include <optional>
#include <string>

#include "Comparison.h"

struct ComparisonRow {
    std::string formula;  // the formula's text, with its degree for a polynomial
    int coefficients = 0;
    std::optional<double> aicc, delta, weight, meanDeviation, correlation, determination,
        residualDeviation, bic;
    // "ok"; the refusal in the program's words (then every figure is none); or
    // "полюс между точками" for a fit ranked after the fits for its pole.
    std::string status;
    std::string mode;  // "on_y" or "linearised" for a fit made; empty for a refused one
    std::string note;  // what the window says of the row beside its figures
};

ComparisonRow RowOf(const ComparedFit& fit);
