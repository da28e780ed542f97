#pragma once
// How sure the coefficients are, as text: the table of values with their standard
// errors and 95 % intervals, and the lines that say what the errors rest on.

#include <string>
#include <utility>
#include <vector>

struct FitSpread;

// The column headings of the coefficient table.
const std::vector<std::string>& SpreadHeadings();

// Labelled lines: the method, what the errors rest on (with uncertainties: the
// convention), the degrees of freedom, the t (or normal) quantile, the residual sum
// of squares, chi^2, chi^2/nu and its probability with uncertainties, the refinement's
// steps or why it failed.
// Figures through the given number text.
std::vector<std::pair<std::string, std::string>> SpreadSummary(const FitSpread& spread,
                                                               std::string (*number)(double));

// The coefficients' correlation matrix as rows of texts: a heading row (an empty cell,
// then the names), then a row per coefficient (its name, then the figures); empty
// where the errors were not computed. Figures through the given number text.
std::vector<std::vector<std::string>> CorrelationRows(const FitSpread& spread,
                                                      std::string (*number)(double));

// Tab-separated for a spreadsheet, every figure at full precision: the method line,
// the table with its headings, the summary's other lines, then the correlation matrix.
std::string SpreadText(const FitSpread& spread);
