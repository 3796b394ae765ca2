#include "orders/OrderList.h"

#include "db/Dataset.h"
#include "orders/OrderListModel.h"

namespace {
const QString kQuery = QStringLiteral("select id,ZAKAZKA,ICO,NAZEVPODNI,POPIS,DATUMOD,DATUMDO,\n"
                                      " POPIS2,STREDISKO\n"
                                      " from vorlany order by nazevpodni,zakazka");
}

OrderList::OrderList(Connection& connection, QObject* parent)
    : QObject(parent)
    , m_dataset(std::make_unique<Dataset>(connection, kQuery))
    , m_model(std::make_unique<OrderListModel>(*m_dataset))
{
    m_dataset->setObjectName(QStringLiteral("zqVorl"));
}

OrderList::~OrderList() = default;

void OrderList::open()
{
    m_dataset->open();
}

void OrderList::refresh()
{
    m_dataset->refresh();
}

bool OrderList::makeCurrent(qint64 id)
{
    // Compared as the server sends the id, so a long list is walked without a conversion per row.
    const QByteArray wanted = QByteArray::number(id);
    const std::string_view text(wanted.constData(), std::size_t(wanted.size()));
    const int field = m_dataset->fieldIndex(u"id");
    for (int row = 0; row < m_dataset->rowCount(); ++row) {
        if (!m_dataset->isNull(row, field) && m_dataset->raw(row, field) == text) {
            m_dataset->setCurrentRow(row);
            return true;
        }
    }
    return false;
}

std::optional<qint64> OrderList::currentId() const
{
    const QVariant id = m_dataset->currentValue(u"id");
    return id.isNull() ? std::nullopt : std::optional<qint64>(id.toLongLong());
}

QString OrderList::currentOrderNumber() const
{
    return m_dataset->currentValue(u"ZAKAZKA").toString();
}
