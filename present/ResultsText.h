#pragma once
// The results as text to paste into a spreadsheet: tab-separated lines, labelled in
// Russian, numbers at full precision with the regional decimal separator.

#include <string>

// The formula (and degree), the method, every coefficient (the shortest text that
// reads back as the same double) with its standard error and 95 % interval and what
// they rest on, the mean deviation, the correlation coefficient, the coefficient
// of determination on Y and the residual standard deviation; then the table N, X, Y,
// Y(расч.), deviation %. Runs ComputeDeviations for the current fit.
std::string ResultsText();
