#pragma once
// The date line of the printed report: day, month name in the genitive, four-digit
// year with "г.", eight blanks and the time, as in 07 декабря 2026г.        12:34:56.

#include <string>

// From a short date text, day first with "." (07.12.2026) or month first with "/"
// (12/7/2026), and a time text. A month number above 12 is shown as December.
std::string ReportDateTextFrom(const std::string& shortDate, const std::string& time);

// From the system's short date and time in the user's format.
std::string ReportDateText();
