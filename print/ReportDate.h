#pragma once
// The date line of the printed report: day, month name in the genitive, four-digit
// year with "г.", eight blanks and the time, as in 07 декабря 2026г.        12:34:56.

#include <QLocale>
#include <string>

// From the date's own numbers, whatever order a locale writes them in: the day with
// two digits, the month's name (a month above 12 is December), the year with four.
std::string ReportDateTextFor(int day, int month, int year, const std::string& time);

// Today's date, and the time in the locale's format (hours, minutes and seconds,
// without a time zone).
std::string ReportDateText(const QLocale& locale = QLocale::system());
