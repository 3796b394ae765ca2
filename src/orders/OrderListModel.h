#pragma once

#include "grid/DatasetModel.h"

#include <QDateTime>

#include <functional>
#include <string_view>

// The order grid's model: the list's eight columns, and overdue orders shaded. An order is
// overdue when its due date (a date alone meaning the start of that day) is before now; an order
// without a due date counts as long overdue. The clock is passed in so that tests can pin it.
class OrderListModel : public DatasetModel {
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    explicit OrderListModel(Dataset& dataset, QObject* parent = nullptr);

    void setClock(Clock clock) { m_clock = std::move(clock); }

    static bool isOverdue(bool dueIsNull, std::string_view due, const QDateTime& now);
    static const QColor& overdueColor();

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void findDueField();

    Clock m_clock = &QDateTime::currentDateTime;
    int m_dueField = -1;
};
