#include "orders/OrderListModel.h"

#include "db/Dataset.h"

#include <QColor>

namespace {
QList<DatasetModel::Column> orderColumns()
{
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    return {
        {QStringLiteral("ZAKAZKA"), {}, left, {}, 80},
        {QStringLiteral("POPIS"), {}, left, {}, 250},
        {QStringLiteral("POPIS2"), {}, left, {}, 250},
        {QStringLiteral("ICO"), {}, left, {}, 65},
        {QStringLiteral("NAZEVPODNI"), {}, left, {}, 200},
        {QStringLiteral("STREDISKO"), QStringLiteral("Stř."), Qt::AlignRight | Qt::AlignVCenter, {}, 30},
        {QStringLiteral("DATUMOD"), {}, Qt::AlignCenter, Qt::AlignCenter, 65},
        {QStringLiteral("DATUMDO"), {}, Qt::AlignCenter, Qt::AlignCenter, 65},
    };
}
}

OrderListModel::OrderListModel(Dataset& dataset, QObject* parent)
    : DatasetModel(dataset, orderColumns(), parent)
{
    // Looked up once per reset, not for every cell drawn; the dataset may be open already.
    connect(this, &QAbstractItemModel::modelReset, this, &OrderListModel::findDueField);
    findDueField();
}

void OrderListModel::findDueField()
{
    m_dueField = dataset().isOpen() ? dataset().fieldIndex(u"DATUMDO") : -1;
}

const QColor& OrderListModel::overdueColor()
{
    static const QColor colour(201, 201, 201);
    return colour;
}

bool OrderListModel::isOverdue(bool dueIsNull, std::string_view due, const QDateTime& now)
{
    if (dueIsNull)
        return true;
    const QDateTime dueAt = Field::parseDateTime(due);
    return !dueAt.isValid() || now > dueAt;
}

QVariant OrderListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::BackgroundRole)
        return DatasetModel::data(index, role);
    if (!index.isValid() || m_dueField < 0)
        return {};
    const int row = index.row();
    if (isOverdue(dataset().isNull(row, m_dueField), dataset().raw(row, m_dueField), m_clock()))
        return overdueColor();
    return {};
}
