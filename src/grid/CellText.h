#pragma once

#include <QString>

class Dataset;
struct Field;

// The one display rule for a dataset's values, shared by the grid and the column search window:
// dates as the regional short date alone (it fits the narrow date columns; date boxes, where
// dates are typed, show the full year), decimals with the regional decimal point, other values
// as stored. The same text is what the search window compares with what the user types.
namespace CellText {
QString text(const Dataset& dataset, int row, int field);
// Right for numbers, left for everything else.
Qt::Alignment alignment(const Field& field);
// The first row, in the dataset's order, whose text equals the given one; -1 when none.
int locate(const Dataset& dataset, int field, const QString& text, Qt::CaseSensitivity cs);
}
