#include "common/RegionalFormat.h"

#include <QLocale>

QString RegionalFormat::shortDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString RegionalFormat::date(const QDate& date)
{
    return date.isValid() ? QLocale().toString(date, shortDateFormat()) : QString();
}

QDate RegionalFormat::parseDate(const QString& text)
{
    const QString trimmed = text.trimmed();
    const QLocale locale;
    QDate date = locale.toDate(trimmed, shortDateFormat());
    if (!date.isValid())
        date = locale.toDate(trimmed, QLocale::ShortFormat);
    return date;
}
