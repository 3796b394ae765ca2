#include "grid/DatasetGrid.h"

#include "db/Dataset.h"
#include "grid/ColumnSearchDialog.h"
#include "widgets/BusyCursor.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScopeGuard>

DatasetGrid::DatasetGrid(QWidget* parent)
    : QTableView(parent)
{
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setTabKeyNavigation(true);
    setWordWrap(false);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    // Fixed row heights keep a list of many thousands of rows as fast as a short one.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setFixedWidth(14);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &DatasetGrid::sortAndSearch);
    connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit rowDoubleClicked(index.row());
    });
}

void DatasetGrid::setDatasetModel(DatasetModel* model)
{
    disconnect(m_followConnection);
    m_model = model;
    setModel(model);
    if (!model)
        return;
    for (int c = 0; c < model->columnCount(); ++c) {
        if (model->column(c).width > 0)
            setColumnWidth(c, model->column(c).width);
    }
    m_followConnection = connect(&model->dataset(), &Dataset::currentRowChanged, this, &DatasetGrid::followDataset);
    followDataset(model->dataset().currentRow());
}

void DatasetGrid::sortAndSearch(int column)
{
    if (!m_model || !m_model->dataset().isOpen())
        return;
    emit searchStarted();
    const auto finished = qScopeGuard([this] { emit searchFinished(); });
    const QString field = m_model->column(column).field;
    {
        BusyCursor busy;
        m_model->dataset().sortBy(field);
    }
    ColumnSearchDialog search(m_model->dataset(), field, m_searchPosition, this);
    search.search();
    // The keyboard goes back to the list, also where no window manager hands activation back.
    window()->activateWindow();
    setFocus();
}

void DatasetGrid::keyPressEvent(QKeyEvent* event)
{
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && (event->modifiers() & Qt::ControlModifier)) {
        const bool forward = event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
        QWidget::focusNextPrevChild(forward);
        return;
    }
    QTableView::keyPressEvent(event);
}

void DatasetGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (m_model && current.isValid())
        m_model->dataset().setCurrentRow(current.row());
}

QItemSelectionModel::SelectionFlags DatasetGrid::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    // The current cell, or its row, keeps its selection look: Ctrl+click or Ctrl+Space on it would
    // deselect it, and a click below the last row would clear the selection while the row stays
    // current.
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    const QItemSelectionModel::SelectionFlags command = QTableView::selectionCommand(index, event);
    if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::ClearAndSelect
            | (command & (QItemSelectionModel::Rows | QItemSelectionModel::Columns));
    return command;
}

void DatasetGrid::followDataset(int row)
{
    // The model may have gone while its dataset lives on.
    if (!m_model || row < 0 || row >= m_model->rowCount() || currentIndex().row() == row)
        return;
    const QModelIndex index = m_model->index(row, std::max(currentIndex().column(), 0));
    setCurrentIndex(index);
    scrollTo(index);
}
