#pragma once

#include <QDate>
#include <QString>

// The workstation's regional short date format, always with a four-digit year so that a date
// typed and read back never moves to another century.
class RegionalFormat {
public:
    static QString shortDateFormat();
    static QString date(const QDate& date);
    static QDate parseDate(const QString& text);
};
