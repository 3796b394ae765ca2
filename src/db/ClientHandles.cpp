#include "db/ClientHandles.h"

#include "common/Cp1250.h"

DbError errorOf(MYSQL* mysql, const QString& statement)
{
    return DbError(Cp1250::decode(QByteArray(mysql_error(mysql))), mysql_errno(mysql), statement);
}

DbError errorOf(MYSQL_STMT* statement, const QString& sql)
{
    return DbError(Cp1250::decode(QByteArray(mysql_stmt_error(statement))), mysql_stmt_errno(statement), sql);
}

DbError transactionLostError()
{
    return DbError(
        QStringLiteral("spojení se serverem se přerušilo uprostřed transakce, změny nebyly zapsány"), CR_SERVER_LOST);
}
