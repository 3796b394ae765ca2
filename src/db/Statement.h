#pragma once

#include "db/FieldType.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

class Connection;
class QIODevice;
typedef struct st_mysql_stmt MYSQL_STMT;

// A prepared statement: every value travels as a bound parameter, never in the SQL text.
// Parameters are bound by position from a QVariant: QString text, integers, double, QDate and
// QDateTime (null or invalid ones as NULL), a null QVariant for NULL, QByteArray for a BLOB (sent
// in chunks); decimals by bindDecimal(). Every parameter must be bound before execute(); a bound
// value stays for the next execute(). Rows of a result are read after execute() with next().
// A statement belongs to the connect it was prepared on: after a reconnect it refuses to run.
class Statement {
public:
    Statement(Connection& connection, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, const QVariant& value);
    // A number as the user typed it, in the regional format; empty means NULL. Text that is no
    // number is refused with a message, never stored as zero.
    void bindDecimal(int index, const QString& text);
    // The BLOB is read from the device in chunks while the statement executes.
    void bindStream(int index, QIODevice* device);

    // Returns the number of rows changed.
    quint64 execute();

    int columnCount() const { return int(m_columns.size()); }
    const Field& column(int index) const { return m_columns.at(index); }
    bool next();
    QVariant value(int column) const;
    // A BLOB column of the current row written to the device in chunks.
    void readBlob(int column, QIODevice& out) const;

private:
    struct Param;
    struct ResultColumn;

    struct Closer {
        void operator()(MYSQL_STMT* statement) const;
    };

    Param& param(int index);
    [[noreturn]] void fail() const;
    QByteArray fetchColumn(int column) const;

    Connection& m_connection;
    QString m_sql;
    std::unique_ptr<MYSQL_STMT, Closer> m_stmt;
    quint64 m_generation;
    std::vector<std::unique_ptr<Param>> m_params;
    std::vector<Field> m_columns;
    std::vector<std::unique_ptr<ResultColumn>> m_results;
    bool m_hasResult = false;
};
