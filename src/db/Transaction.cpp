#include "db/Transaction.h"

#include "db/Connection.h"

#include <mysql.h>

Transaction::Transaction(Connection& connection)
    : m_connection(connection)
{
    m_connection.execute(QStringLiteral("START TRANSACTION"));
}

Transaction::~Transaction()
{
    // A connection lost meanwhile has nothing left to roll back.
    if (!m_done && m_connection.isOpen())
        mysql_rollback(m_connection.handle());
}

void Transaction::commit()
{
    if (mysql_commit(m_connection.handle()) != 0)
        m_connection.fail(QStringLiteral("COMMIT"));
    m_done = true;
}
