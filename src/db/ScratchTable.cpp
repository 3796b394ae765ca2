#include "db/ScratchTable.h"

#include "db/Connection.h"
#include "db/Statement.h"
#include "db/Transaction.h"

#include <QStringList>

RowMissingError::RowMissingError()
    : std::runtime_error("Záznam už neexistuje, mezitím ho smazala jiná stanice. Seznam bude načten znovu.")
{
}

ScratchTable::ScratchTable(Connection& connection, QString sourceTable, QString name)
    : m_connection(connection)
    , m_source(std::move(sourceTable))
    , m_name(std::move(name))
{
}

QString ScratchTable::nameFor(const QString& workstation, const QString& suffix)
{
    return QStringLiteral("tmp") + workstation + suffix;
}

quint64 ScratchTable::recreate(const QString& selectTail)
{
    // Created from a select, the copy has the source's columns in order but no key and no
    // auto-increment, so it can hold id 0 and be copied back with SELECT *.
    const QString scratch = Connection::quoteIdentifier(m_name);
    m_connection.execute(QStringLiteral("DROP TABLE IF EXISTS ") + scratch);
    return m_connection.execute(QStringLiteral("CREATE TABLE ") + scratch + QStringLiteral("\n select * from ")
        + Connection::quoteIdentifier(m_source) + selectTail);
}

void ScratchTable::beginNew(const QList<Seed>& seed)
{
    recreate(QStringLiteral(" LIMIT 0,0"));
    QStringList columns;
    QStringList values;
    for (const Seed& s : seed) {
        columns << Connection::quoteIdentifier(s.column);
        values << (s.serverNow ? QStringLiteral("NOW()") : QStringLiteral("?"));
    }
    Statement insert(m_connection,
        QStringLiteral("INSERT into ") + Connection::quoteIdentifier(m_name) + u'\n' + u'(' + columns.join(u',')
            + QStringLiteral(")\n VALUES (") + values.join(u',') + u')');
    int parameter = 0;
    for (const Seed& s : seed) {
        if (!s.serverNow)
            insert.bind(parameter++, s.value);
    }
    insert.execute();
}

void ScratchTable::beginCopy(qint64 id)
{
    // DDL cannot take parameters; the id is a number from the program, not text from a user.
    if (recreate(QStringLiteral("\n where id = ") + QString::number(id)) == 0)
        throw RowMissingError();
}

Record ScratchTable::read() const
{
    Statement select(m_connection, QStringLiteral("select * from ") + Connection::quoteIdentifier(m_name));
    select.execute();
    Record record;
    const bool found = select.next();
    for (int i = 0; i < select.columnCount(); ++i)
        record.append(select.column(i), found ? select.value(i) : QVariant());
    return record;
}

void ScratchTable::write(const Record& record)
{
    // Refused before anything is written: the server would cut the text or fail half-way.
    for (int i = 0; i < record.count(); ++i) {
        const Field& field = record.field(i);
        const QString text = record.value(i).toString();
        if (record.isEdited(i) && field.length > 0 && text.size() > field.length) {
            throw std::invalid_argument(QStringLiteral("Text v poli %1 je delší, než pole pojme (%2 znaků z %3). "
                                                       "Zkraťte ho, nic nebylo zapsáno.")
                                            .arg(field.name)
                                            .arg(text.size())
                                            .arg(field.length)
                                            .toStdString());
        }
    }
    QStringList assignments;
    QList<int> edited;
    for (int i = 0; i < record.count(); ++i) {
        if (!record.isEdited(i))
            continue;
        assignments << Connection::quoteIdentifier(record.field(i).name) + QStringLiteral(" = ?");
        edited << i;
    }
    if (edited.isEmpty())
        return;
    Statement update(m_connection,
        QStringLiteral("UPDATE ") + Connection::quoteIdentifier(m_name) + QStringLiteral(" SET ")
            + assignments.join(QStringLiteral(", ")));
    for (int parameter = 0; parameter < edited.size(); ++parameter) {
        const int i = edited[parameter];
        if (record.field(i).type == FieldType::Decimal && record.value(i).typeId() == QMetaType::QString)
            update.bindDecimal(parameter, record.value(i).toString());
        else
            update.bind(parameter, record.value(i));
    }
    update.execute();
}

qint64 ScratchTable::copyBack()
{
    const QString scratch = Connection::quoteIdentifier(m_name);
    const QString source = Connection::quoteIdentifier(m_source);
    Transaction transaction(m_connection);
    Statement select(m_connection, QStringLiteral("select id from ") + scratch);
    select.execute();
    const qint64 id = select.next() ? select.value(0).toLongLong() : 0;
    // By the key: a delete with a subquery would walk the whole table.
    Statement remove(m_connection, QStringLiteral(" DELETE from ") + source + QStringLiteral("\n where id = ?"));
    remove.bind(0, id);
    remove.execute();
    m_connection.execute(QStringLiteral("INSERT into ") + source + QStringLiteral(" SELECT * from ") + scratch);
    const qint64 saved = id != 0 ? id : qint64(m_connection.lastInsertId());
    transaction.commit();
    return saved;
}

qint64 ScratchTable::save(const Record& record)
{
    write(record);
    return copyBack();
}
