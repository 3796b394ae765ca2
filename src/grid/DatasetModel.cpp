#include "grid/DatasetModel.h"

#include "db/Dataset.h"
#include "grid/CellText.h"

DatasetModel::DatasetModel(Dataset& dataset, QList<Column> columns, QObject* parent)
    : QAbstractTableModel(parent)
    , m_dataset(dataset)
    , m_columns(std::move(columns))
{
    connect(&m_dataset, &Dataset::aboutToReset, this, &DatasetModel::beginResetModel);
    connect(&m_dataset, &Dataset::reset, this, [this] {
        resolveFields();
        m_markedRow = -1;
        endResetModel();
    });
    connect(&m_dataset, &Dataset::aboutToRemoveRow, this, [this](int row) { beginRemoveRows({}, row, row); });
    connect(&m_dataset, &Dataset::rowRemoved, this, [this](int row) {
        // The mark moves with its row; the dataset names its current row again right after.
        if (m_markedRow == row)
            m_markedRow = -1;
        else if (m_markedRow > row)
            --m_markedRow;
        endRemoveRows();
    });
    connect(&m_dataset, &Dataset::currentRowChanged, this, &DatasetModel::markCurrentRow);
    resolveFields();
}

void DatasetModel::resolveFields()
{
    m_fields.clear();
    for (const Column& c : std::as_const(m_columns))
        m_fields.push_back(m_dataset.isOpen() ? m_dataset.fieldIndex(c.field) : -1);
}

void DatasetModel::markCurrentRow(int row)
{
    const int previous = std::exchange(m_markedRow, row);
    if (previous >= 0 && previous < rowCount())
        emit headerDataChanged(Qt::Vertical, previous, previous);
    if (row >= 0 && row < rowCount())
        emit headerDataChanged(Qt::Vertical, row, row);
}

int DatasetModel::fieldOf(int column) const
{
    return m_fields.at(std::size_t(column));
}

int DatasetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_dataset.isOpen() ? 0 : m_dataset.rowCount();
}

int DatasetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant DatasetModel::data(const QModelIndex& index, int role) const
{
    const int field = index.isValid() ? fieldOf(index.column()) : -1;
    if (field < 0)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return CellText::text(m_dataset, index.row(), field);
    case Qt::TextAlignmentRole: {
        const auto& alignment = m_columns.at(index.column()).cellAlignment;
        return QVariant::fromValue(alignment ? *alignment : CellText::alignment(m_dataset.field(field)));
    }
    default:
        return {};
    }
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole && section == m_markedRow ? QStringLiteral("►") : QVariant();
    if (section < 0 || section >= m_columns.size())
        return {};
    const Column& c = m_columns.at(section);
    if (role == Qt::DisplayRole)
        return c.title.isEmpty() ? c.field : c.title;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(c.titleAlignment);
    return {};
}
