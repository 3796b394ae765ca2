#include "grid/CellText.h"

#include "common/Cp1250.h"
#include "db/Dataset.h"

#include <QLocale>

QString CellText::text(const Dataset& dataset, int row, int field)
{
    if (dataset.isNull(row, field))
        return {};
    const FieldType type = dataset.field(field).type;
    const std::string_view raw = dataset.raw(row, field);
    switch (type) {
    case FieldType::Date:
    case FieldType::DateTime:
        return QLocale().toString(Field::parseDateTime(raw).date(), QLocale::ShortFormat);
    case FieldType::Decimal:
    case FieldType::Float: {
        QString text = Cp1250::decode(raw.data(), qsizetype(raw.size()));
        text.replace(u'.', QLocale().decimalPoint());
        return text;
    }
    default:
        return Cp1250::decode(raw.data(), qsizetype(raw.size()));
    }
}

Qt::Alignment CellText::alignment(const Field& field)
{
    return Qt::AlignVCenter | (field.isNumeric() ? Qt::AlignRight : Qt::AlignLeft);
}

int CellText::locate(const Dataset& dataset, int field, const QString& text, Qt::CaseSensitivity cs)
{
    for (int row = 0; row < dataset.rowCount(); ++row) {
        if (CellText::text(dataset, row, field).compare(text, cs) == 0)
            return row;
    }
    return -1;
}
