#include "db/DbError.h"

Q_LOGGING_CATEGORY(lcDb, "vorlany.db")

namespace {
QString userText(const QString& message)
{
    return message.isEmpty() ? QStringLiteral("Cannot connect to SQL server") : QStringLiteral("SQL Error: ") + message;
}
}

DbError::DbError(const QString& message, unsigned code, QString statement)
    : std::runtime_error(userText(message).toStdString())
    , m_code(code)
    , m_statement(std::move(statement))
{
    qCWarning(lcDb).noquote() << "error" << code << message << "in statement:" << m_statement;
}
