#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Dates and numbers as the workstation writes them. Dates show in the regional short format with
// a four-digit year, so a date shown and read back never moves to another century.
namespace RegionalFormat {
QString shortDateFormat();
QString date(const QDate& date);

// A date as a user types it: day, month and year separated by dots, blanks allowed around them
// ("1.3.2024", "1. 3. 2024", "01.03.24"), or the regional short format. A two-digit year is the
// year of that ending closest to today's (within 50 years). Null when the text is no date.
QDate parseDate(const QString& text, const QDate& today = QDate::currentDate());

// A decimal number as a user types it, with the regional decimal point (or a dot) and optional
// group separators, turned into the plain form "-123.45"; nullopt when it is no number.
std::optional<QString> plainDecimal(const QString& text);
}
