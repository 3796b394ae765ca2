#include "db/Transaction.h"

#include "db/ClientHandles.h"
#include "db/Connection.h"

Transaction::Transaction(Connection& connection)
    : m_connection(connection)
{
    m_connection.execute(QStringLiteral("START TRANSACTION"));
    m_generation = m_connection.generation();
    m_connection.m_transactionGeneration = m_generation;
}

Transaction::~Transaction()
{
    m_connection.m_transactionGeneration = 0;
    // A connection lost meanwhile has nothing left to roll back.
    if (!m_done && onItsConnection())
        mysql_rollback(m_connection.handle());
}

bool Transaction::onItsConnection() const
{
    return m_connection.isOpen() && m_connection.generation() == m_generation;
}

void Transaction::commit()
{
    if (!onItsConnection())
        throw transactionLostError();
    if (mysql_commit(m_connection.handle()) != 0)
        m_connection.fail(QStringLiteral("COMMIT"));
    m_done = true;
}
