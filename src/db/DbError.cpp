#include "db/DbError.h"

DbError::DbError(const QString& message, unsigned code, QString statement)
    : std::runtime_error(message.toStdString())
    , m_code(code)
    , m_statement(std::move(statement))
{
}
