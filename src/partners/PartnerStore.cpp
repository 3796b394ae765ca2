#include "partners/PartnerStore.h"

#include "db/Statement.h"

PartnerStore::PartnerStore(Connection& connection)
    : m_connection(connection)
{
}

void PartnerStore::remove(qint64 id)
{
    Statement remove(m_connection, QStringLiteral("delete from adresar where id = ?"));
    remove.bind(0, id);
    remove.execute();
}
