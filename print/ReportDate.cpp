#include "ReportDate.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>

#include "NumberText.h"

namespace {
const char* const MonthNames[12] = {" января ",   " февраля ", " марта ",  " апреля ",
                                    " мая ",      " июня ",    " июля ",   " августа ",
                                    " сентября ", " октября ", " ноября ", " декабря "};
}  // namespace

std::string ReportDateTextFrom(const std::string& shortDate, const std::string& time) {
    if (shortDate.size() < 5) return shortDate + "        " + time;
    const std::string yearText = shortDate.substr(shortDate.size() - 4) + "г.";
    const std::string dayAndMonth = shortDate.substr(0, shortDate.size() - 5);
    std::string day, monthText;
    const std::size_t point = dayAndMonth.find('.');
    if (point != std::string::npos) {
        day = dayAndMonth.substr(0, point);
        monthText = dayAndMonth.substr(point + 1);
    } else {
        const std::size_t slash = dayAndMonth.find('/');
        monthText = dayAndMonth.substr(0, slash);
        day = slash == std::string::npos ? std::string() : dayAndMonth.substr(slash + 1);
    }
    int month = WholeNumberValue(monthText);
    if (month > 12) month = 12;
    if (month < 1) month = 1;  // a date text without a month number: its first name
    return day + MonthNames[month - 1] + yearText + "        " + time;
}

std::string ReportDateText() {
    const QLocale locale = QLocale::system();
    // The rule reads a four-digit year at the end; a short format with a two-digit
    // year is widened to four digits rather than misread.
    QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QStringLiteral("yyyy")))
        dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t')).replace(QStringLiteral("  "), QStringLiteral(" "));
    const QDateTime now = QDateTime::currentDateTime();
    QString date = locale.toString(now.date(), dateFormat);
    // Other orders (names of months, a year first) are written day first from the
    // date's numbers, which the rule reads alike.
    static const QRegularExpression twoOrders(QStringLiteral("^\\d{1,2}[./]\\d{1,2}[./]\\d{4}$"));
    if (!twoOrders.match(date).hasMatch()) date = now.date().toString(QStringLiteral("dd.MM.yyyy"));
    return ReportDateTextFrom(date.toStdString(),
                              locale.toString(now.time(), timeFormat.trimmed()).toStdString());
}
