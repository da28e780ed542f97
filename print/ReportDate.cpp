#include "ReportDate.h"

#include <QDateTime>
#include <algorithm>
#include <cstdio>

namespace {
const char* const MonthNames[12] = {" января ",   " февраля ", " марта ",  " апреля ",
                                    " мая ",      " июня ",    " июля ",   " августа ",
                                    " сентября ", " октября ", " ноября ", " декабря "};
}  // namespace

std::string ReportDateTextFor(int day, int month, int year, const std::string& time) {
    char dayText[8], yearText[8];
    std::snprintf(dayText, sizeof dayText, "%02d", std::clamp(day, 0, 99));
    std::snprintf(yearText, sizeof yearText, "%04d", std::clamp(year, 0, 9999));
    return dayText + std::string(MonthNames[std::clamp(month, 1, 12) - 1]) + yearText + "г." +
           "        " + time;
}

std::string ReportDateText(const QLocale& locale) {
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t')).replace(QStringLiteral("  "), QStringLiteral(" "));
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    return ReportDateTextFor(date.day(), date.month(), date.year(),
                             locale.toString(now.time(), timeFormat.trimmed()).toStdString());
}
