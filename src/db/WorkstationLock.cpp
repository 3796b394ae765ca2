#include "db/WorkstationLock.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Statement.h"

WorkstationLock::WorkstationLock(Connection& connection, const QString& workstation)
    : m_connection(connection)
    , m_name(connection.settings().database + QStringLiteral(".workstation.") + workstation)
{
}

WorkstationLock::Result WorkstationLock::take()
{
    try {
        Statement statement(m_connection, QStringLiteral("SELECT GET_LOCK(?, 0)"));
        statement.bind(0, m_name);
        statement.execute();
        const QVariant held = statement.next() ? statement.value(0) : QVariant();
        if (held.isNull())
            return Result::Unknown;
        return held.toInt() == 1 ? Result::Held : Result::HeldElsewhere;
    } catch (const DbError&) {
        // Some servers (a Galera cluster) refuse named locks; the check only warns, so it gives way.
        return Result::Unknown;
    }
}
