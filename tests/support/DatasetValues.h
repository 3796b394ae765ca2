#pragma once

#include <QStringList>
#include <QStringView>

class Dataset;

namespace DatasetValues {
// The field's values as text, row by row in the dataset's current order.
QStringList column(const Dataset& data, QStringView field);
}
