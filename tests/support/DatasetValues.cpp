#include "DatasetValues.h"

#include "db/Dataset.h"

QStringList DatasetValues::column(const Dataset& data, QStringView field)
{
    const int index = data.fieldIndex(field);
    QStringList values;
    for (int row = 0; row < data.rowCount(); ++row)
        values << data.value(row, index).toString();
    return values;
}
