#pragma once

// Owning handles of the client library, so that nothing it hands out can leak on an early
// return or an exception. For use inside src/db only.

#include "db/DbError.h"

#include <memory>

#include <errmsg.h>
#include <mysql.h>

struct ResultFreer {
    void operator()(MYSQL_RES* result) const { mysql_free_result(result); }
};
using ResultHandle = std::unique_ptr<MYSQL_RES, ResultFreer>;

// The error the library reports for the object that failed; its texts are Windows-1250 like
// every other text of the server.
DbError errorOf(MYSQL* mysql, const QString& statement);
DbError errorOf(MYSQL_STMT* statement, const QString& sql);

// A command on a transaction whose connection was lost.
DbError transactionLostError();

// Codes that mean the connection itself is gone.
inline bool isConnectionLost(unsigned code)
{
    return code == CR_SERVER_GONE_ERROR || code == CR_SERVER_LOST || code == CR_CONNECTION_ERROR
        || code == CR_CONN_HOST_ERROR;
}
