#include "db/FieldType.h"

#include "common/Cp1250.h"

#include <algorithm>
#include <climits>

#include <mysql.h>

namespace {
constexpr unsigned kBinaryCharset = 63;
constexpr unsigned long kOrdinaryTextLength = 255 * 4;

int digits(std::string_view s, std::size_t at, std::size_t count)
{
    int value = 0;
    for (std::size_t i = at; i < at + count && i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9')
            return -1;
        value = value * 10 + (s[i] - '0');
    }
    return value;
}
}

FieldType Field::typeOf(int mysqlType, unsigned charsetNumber, unsigned long length)
{
    switch (mysqlType) {
    case MYSQL_TYPE_TINY:
    case MYSQL_TYPE_SHORT:
    case MYSQL_TYPE_LONG:
    case MYSQL_TYPE_INT24:
    case MYSQL_TYPE_LONGLONG:
    case MYSQL_TYPE_YEAR:
    case MYSQL_TYPE_BIT:
        return FieldType::Integer;
    case MYSQL_TYPE_DECIMAL:
    case MYSQL_TYPE_NEWDECIMAL:
        return FieldType::Decimal;
    case MYSQL_TYPE_FLOAT:
    case MYSQL_TYPE_DOUBLE:
        return FieldType::Float;
    case MYSQL_TYPE_DATE:
    case MYSQL_TYPE_NEWDATE:
        return FieldType::Date;
    case MYSQL_TYPE_DATETIME:
    case MYSQL_TYPE_TIMESTAMP:
        return FieldType::DateTime;
    case MYSQL_TYPE_TIME:
        return FieldType::Time;
    case MYSQL_TYPE_TINY_BLOB:
    case MYSQL_TYPE_MEDIUM_BLOB:
    case MYSQL_TYPE_LONG_BLOB:
    case MYSQL_TYPE_BLOB:
        if (charsetNumber == kBinaryCharset)
            return FieldType::Bytes;
        return length > kOrdinaryTextLength ? FieldType::Memo : FieldType::Text;
    default:
        return charsetNumber == kBinaryCharset && mysqlType != MYSQL_TYPE_NULL ? FieldType::Bytes : FieldType::Text;
    }
}

Field Field::describe(QString name, int mysqlType, unsigned charsetNumber, unsigned long length)
{
    Field field {std::move(name), typeOf(mysqlType, charsetNumber, length)};
    if (field.type == FieldType::Text || field.type == FieldType::Memo) {
        // The library gives the length in bytes of the column's character set.
        const MARIADB_CHARSET_INFO* charset = mariadb_get_charset_by_nr(charsetNumber);
        const unsigned perCharacter = charset && charset->char_maxlen > 0 ? charset->char_maxlen : 1;
        field.length = int(std::min<unsigned long>(length / perCharacter, INT_MAX));
    }
    return field;
}

QDateTime Field::parseDateTime(std::string_view s)
{
    // "YYYY-MM-DD" or "YYYY-MM-DD HH:MM:SS[.ffffff]"
    const QDate date(digits(s, 0, 4), digits(s, 5, 2), digits(s, 8, 2));
    if (!date.isValid())
        return {};
    if (s.size() < 19)
        return QDateTime(date, QTime(0, 0));
    return QDateTime(date, QTime(digits(s, 11, 2), digits(s, 14, 2), digits(s, 17, 2)));
}

QVariant Field::fromText(FieldType type, std::string_view bytes)
{
    switch (type) {
    case FieldType::Integer:
        return QByteArray(bytes.data(), qsizetype(bytes.size())).toLongLong();
    case FieldType::Float:
        return QByteArray(bytes.data(), qsizetype(bytes.size())).toDouble();
    case FieldType::Date: {
        const QDateTime dt = parseDateTime(bytes);
        return dt.isValid() ? QVariant(dt.date()) : QVariant();
    }
    case FieldType::DateTime: {
        const QDateTime dt = parseDateTime(bytes);
        return dt.isValid() ? QVariant(dt) : QVariant();
    }
    case FieldType::Bytes:
        return QByteArray(bytes.data(), qsizetype(bytes.size()));
    case FieldType::Decimal:
    case FieldType::Time:
    case FieldType::Text:
    case FieldType::Memo:
        break;
    }
    return Cp1250::decode(bytes.data(), qsizetype(bytes.size()));
}
