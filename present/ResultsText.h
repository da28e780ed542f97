#pragma once
// The results as text to paste into a spreadsheet: tab-separated lines, labelled in
// Russian, numbers at full precision with the regional decimal separator.

#include <string>

// The formula (and degree), every coefficient (the shortest text that reads back as
// the same double), the mean deviation, the correlation coefficient, the coefficient
// of determination on Y and the residual standard deviation; then the table N, X, Y,
// Y(расч.), deviation %. Runs ComputeDeviations for the current fit.
std::string ResultsText();
