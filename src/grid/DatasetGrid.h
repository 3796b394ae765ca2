#pragma once

#include "grid/DatasetModel.h"

#include <QPointer>
#include <QTableView>

// A read-only grid over a dataset's model whose current row is the dataset's current row, both
// ways, marked in an indicator column at the left. The current cell, or with whole-row selection
// its row, is always the selection. A title click sorts the dataset by that column, with the busy
// cursor, and opens the column search window on it; double clicks are reported. The model is
// owned elsewhere; the grid lets go of it when it is destroyed.
class DatasetGrid : public QTableView {
    Q_OBJECT

public:
    explicit DatasetGrid(QWidget* parent = nullptr);

    // nullptr shows nothing.
    void setDatasetModel(DatasetModel* model);
    DatasetModel* datasetModel() const { return m_model; }
    // Where the column search window opens; (0, 0) centres it over this grid's window.
    void setSearchPosition(QPoint position) { m_searchPosition = position; }

    void sortAndSearch(int column);

signals:
    void rowDoubleClicked(int row);
    // Around a sort and its search window, so that the grid's window can hold back its own keys.
    void searchStarted();
    void searchFinished();

protected:
    // Tab moves between cells; Ctrl+Tab and Ctrl+Shift+Tab leave the grid for the window's
    // other controls, so the keyboard alone reaches them.
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;

private:
    void followDataset(int row);

    QPointer<DatasetModel> m_model;
    QMetaObject::Connection m_followConnection;
    QPoint m_searchPosition;
};
