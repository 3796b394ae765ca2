#include "db/Record.h"

void Record::append(const Field& field, const QVariant& value)
{
    m_fields.append(field);
    m_values.append(value);
    m_edited.append(false);
}

int Record::indexOf(QStringView name) const
{
    for (int i = 0; i < m_fields.size(); ++i) {
        if (name.compare(m_fields[i].name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
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
