#include "orders/OrderList.h"

#include "db/Dataset.h"
#include "db/DatasetModel.h"

namespace {
const QString kQuery = QStringLiteral("select id,ZAKAZKA,ICO,NAZEVPODNI,POPIS,DATUMOD,DATUMDO,\n"
                                      " POPIS2,STREDISKO\n"
                                      " from vorlany order by nazevpodni,zakazka");

QList<DatasetModel::Column> columns()
{
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment centred = Qt::AlignCenter;
    return {
        {QStringLiteral("ZAKAZKA"), {}, left, {}},
        {QStringLiteral("POPIS"), {}, left, {}},
        {QStringLiteral("POPIS2"), {}, left, {}},
        {QStringLiteral("ICO"), {}, left, {}},
        {QStringLiteral("NAZEVPODNI"), {}, left, {}},
        {QStringLiteral("STREDISKO"), QStringLiteral("Stř."), Qt::AlignRight | Qt::AlignVCenter, {}},
        {QStringLiteral("DATUMOD"), {}, centred, centred},
        {QStringLiteral("DATUMDO"), {}, centred, centred},
    };
}
}

OrderList::OrderList(Connection& connection, QObject* parent)
    : QObject(parent)
    , m_dataset(std::make_unique<Dataset>(connection, kQuery))
    , m_model(std::make_unique<DatasetModel>(*m_dataset, columns()))
{
    m_dataset->setObjectName(QStringLiteral("zqVorl"));
}

OrderList::~OrderList() = default;

void OrderList::open()
{
    m_dataset->open();
}
