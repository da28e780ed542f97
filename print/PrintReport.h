#pragma once
// The printed report: the sheet composed (date line, bold title, table, graph with
// its statistics, coefficient panel) and sent to the system's default printer as
// one page of vector text and lines.

#include <string>

#include "Outcome.h"

// Composes the report on the print sheet. Sets PrintOffsetX/Y and, through the
// print table, the table geometry (the caller redraws the screen table after).
void ComposeReport();

// ComposeReport, the page to the default printer, the sheet unloaded and the other
// windows closed. On failure nothing has been printed and the reason is given.
Outcome PrintReport();

// The same page written as a PDF file with real text, instead of printed. On failure
// no file is said to be written (one begun is removed).
Outcome SaveReportAsPdf(const std::string& path);

// Why a report is not printed when the system has no default printer.
extern const char* const NoDefaultPrinter;
