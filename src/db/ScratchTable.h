#pragma once

#include "db/Record.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <stdexcept>

class Connection;

// The row to be edited no longer exists; the caller reads its list again.
class RowMissingError : public std::runtime_error {
public:
    RowMissingError();
};

// Adding and correcting a row of a table go through a copy of that one row in a scratch table of
// this workstation (tmp<workstation><suffix>). The copy is edited, written into the scratch table,
// and then replaces the stored row: delete the old row and insert the copy in one transaction, so
// a failure leaves the old row in place. A new row carries id 0 and gets the table's next id.
// The scratch table stays until the next begin drops it.
class ScratchTable {
public:
    struct Seed {
        QString column;
        QVariant value;
        bool serverNow = false; // the server's current date and time instead of value
    };

    ScratchTable(Connection& connection, QString sourceTable, QString name);

    // "tmp" + workstation number + suffix, e.g. tmp00vor.
    static QString nameFor(const QString& workstation, const QString& suffix);

    const QString& name() const { return m_name; }

    void beginNew(const QList<Seed>& seed);
    // Throws RowMissingError when no row has the id (another workstation deleted it meanwhile).
    void beginCopy(qint64 id);
    // The one row of the scratch table, all columns.
    Record read() const;
    // Writes the record's edited values into the scratch row; the other columns keep what the
    // server copied, exactly. A text longer than its column is refused, with nothing written.
    void write(const Record& record);
    // Replaces the stored row by the scratch row; returns the row's id, the new one for a new row.
    qint64 copyBack();
    qint64 save(const Record& record);

private:
    // Returns the number of rows copied.
    quint64 recreate(const QString& selectTail);

    Connection& m_connection;
    QString m_source;
    QString m_name;
};
