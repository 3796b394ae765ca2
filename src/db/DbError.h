#pragma once

#include <QString>

#include <stdexcept>

// A statement or connect that the server or the client library refused.
// what() is the text the user sees: "SQL Error: " and the library's message.
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
