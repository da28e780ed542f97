#pragma once
// The report of a failed computation: "НЕТ РЕШЕНИЯ !!!" and the line naming its
// cause, in red, on the window of the computation that failed.

#include <cstdint>
#include <string>

class Surface;

// The cause line of a failure code 1..3; empty for any other code.
std::string CauseLine(std::uint8_t code);

// On the formula window (its units are twips): fields of window width / 150
// characters, the cause line at y = 600.
void ReportFailureOnFormulaWindow(Surface& form2, std::uint8_t code);
// On the results window: bold, fixed fields, the cause line at y = 200.
void ReportFailureOnResultsWindow(Surface& form3, std::uint8_t code);
