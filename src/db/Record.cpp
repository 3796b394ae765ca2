#include "db/Record.h"

void Record::append(const Field& field, const QVariant& value)
{
    m_fields.append(field);
    m_values.append(value);
    m_edited.append(false);
}

int Record::indexOf(QStringView name) const
{
    return Field::indexIn(m_fields, name);
}

QVariant Record::value(QStringView name) const
{
    const int i = indexOf(name);
    return i < 0 ? QVariant() : m_values[i];
}

bool Record::setValue(QStringView name, const QVariant& value)
{
    const int i = indexOf(name);
    if (i < 0)
        return false;
    m_values[i] = value;
    m_edited[i] = true;
    return true;
}
