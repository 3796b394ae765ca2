#pragma once

#include "db/FieldType.h"

#include <QList>
#include <QVariant>

// One row's values by field, in the table's column order. Names match without regard to case.
// A value set after the record was filled counts as edited: only edited values are written back,
// so columns the program does not edit never travel through it.
class Record {
public:
    // A value as read, not edited.
    void append(const Field& field, const QVariant& value);

    int count() const { return int(m_fields.size()); }
    const Field& field(int index) const { return m_fields.at(index); }
    int indexOf(QStringView name) const;
    QVariant value(int index) const { return m_values.at(index); }
    QVariant value(QStringView name) const;
    // Marks the value edited. False when the record has no such field.
    bool setValue(QStringView name, const QVariant& value);
    bool isEdited(int index) const { return m_edited.at(index); }

private:
    QList<Field> m_fields;
    QList<QVariant> m_values;
    QList<bool> m_edited;
};
