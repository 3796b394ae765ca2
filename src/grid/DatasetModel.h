#pragma once

#include <QAbstractTableModel>
#include <QList>

#include <optional>
#include <vector>

class Dataset;

// A read-only table model over a dataset: one column per listed field, rows in the dataset's
// current order. Dates show in the regional short date format; the vertical header marks the
// dataset's current row.
class DatasetModel : public QAbstractTableModel {
    Q_OBJECT

public:
    struct Column {
        QString field;
        QString title; // empty: the field's name
        Qt::Alignment titleAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        std::optional<Qt::Alignment> cellAlignment; // none: left for text, right for numbers
        int width = 0; // pixels; 0: the grid's default
    };

    DatasetModel(Dataset& dataset, QList<Column> columns, QObject* parent = nullptr);

    Dataset& dataset() const { return m_dataset; }
    const Column& column(int index) const { return m_columns.at(index); }
    // The dataset's field shown in the column, or -1 while the dataset is closed.
    int fieldOf(int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void resolveFields();
    void markCurrentRow(int row);

    Dataset& m_dataset;
    QList<Column> m_columns;
    std::vector<int> m_fields;
    int m_markedRow = -1;
};
