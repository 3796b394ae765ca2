#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <string_view>

// The kinds of column the program tells apart, and how a value of each kind reads from the
// text the server sends and shows as text.
enum class FieldType { Integer, Decimal, Float, Text, Memo, Date, DateTime, Time, Bytes };

struct Field {
    QString name;
    FieldType type = FieldType::Text;
    // The characters a text column holds; 0 for other kinds.
    int length = 0;

    // Field names match without regard to case, as the server treats them.
    bool isNamed(QStringView other) const { return other.compare(name, Qt::CaseInsensitive) == 0; }
    // The index of the named field in a list of fields; -1 when there is none.
    template <typename Fields> static int indexIn(const Fields& fields, QStringView name)
    {
        for (qsizetype i = 0; i < qsizetype(fields.size()); ++i) {
            if (fields[i].isNamed(name))
                return int(i);
        }
        return -1;
    }

    bool isNumeric() const
    {
        return type == FieldType::Integer || type == FieldType::Decimal || type == FieldType::Float;
    }
    bool isDate() const { return type == FieldType::Date || type == FieldType::DateTime; }
    // Long text and byte strings: not searched, not compared when a row is found again.
    bool isLarge() const { return type == FieldType::Memo || type == FieldType::Bytes; }

    // From the client library's column description.
    static FieldType typeOf(int mysqlType, unsigned charsetNumber, unsigned long length);
    static Field describe(QString name, int mysqlType, unsigned charsetNumber, unsigned long length);

    // A value as the server sends it in text form (Windows-1250); a zero date reads as null.
    static QVariant fromText(FieldType type, std::string_view bytes);
    static QDateTime parseDateTime(std::string_view bytes);
};
