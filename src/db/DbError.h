#pragma once

#include <QLoggingCategory>
#include <QString>

#include <stdexcept>

Q_DECLARE_LOGGING_CATEGORY(lcDb)

// A statement or connect that the server or the client library refused. what() is the text the
// user sees: "SQL Error: " and the message, or "Cannot connect to SQL server" when there is no
// message. Every such error is logged with its code and statement (values are never part of a
// statement's text, so no password or data reaches the log).
class DbError : public std::runtime_error {
public:
    DbError(const QString& message, unsigned code = 0, QString statement = {});

    QString message() const { return QString::fromUtf8(what()); }
    unsigned code() const { return m_code; }
    const QString& statement() const { return m_statement; }

private:
    unsigned m_code;
    QString m_statement;
};
