#include "common/RegionalFormat.h"

#include <QLocale>
#include <QRegularExpression>

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

QDate RegionalFormat::parseDate(const QString& text, const QDate& today)
{
    static const QRegularExpression dotted(
        QStringLiteral(R"(^\s*(\d{1,2})\s*\.\s*(\d{1,2})\s*\.\s*(\d{4}|\d{2})\s*$)"));
    const QRegularExpressionMatch m = dotted.match(text);
    if (!m.hasMatch())
        return QLocale().toDate(text.trimmed(), shortDateFormat());

    int year = m.captured(3).toInt();
    if (m.capturedLength(3) == 2) {
        year += today.year() - today.year() % 100;
        if (year > today.year() + 50)
            year -= 100;
        else if (year < today.year() - 50)
            year += 100;
    }
    return QDate(year, m.captured(2).toInt(), m.captured(1).toInt());
}

std::optional<QString> RegionalFormat::plainDecimal(const QString& text)
{
    const QLocale locale;
    QString t = text.trimmed();
    // Group separators (a blank in Czech, often typed as an ordinary one) carry no value.
    t.remove(locale.groupSeparator());
    t.remove(u' ');
    t.remove(QChar(0x00A0));
    t.replace(locale.decimalPoint(), QLatin1String("."));
    t.replace(u',', u'.');
    static const QRegularExpression number(QStringLiteral(R"(^[+-]?(\d+(\.\d*)?|\.\d+)$)"));
    if (!number.match(t).hasMatch())
        return std::nullopt;
    if (t.startsWith(u'+'))
        t.remove(0, 1);
    return t;
}
