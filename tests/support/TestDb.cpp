#include "TestDb.h"

#include "db/Statement.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

QString TestDb::schemaFile()
{
    return QStringLiteral(VORLANY_SOURCE_DIR "/db/schema.sql");
}

Connection::Settings TestDb::serverSettings()
{
    Connection::Settings s;
    s.host = qEnvironmentVariable("VORLANY_TEST_DB_HOST", QStringLiteral("127.0.0.1"));
    s.port = qEnvironmentVariableIntValue("VORLANY_TEST_DB_PORT");
    s.user = qEnvironmentVariable("VORLANY_TEST_DB_USER", QStringLiteral("root"));
    s.password = qEnvironmentVariable("VORLANY_TEST_DB_PASSWORD");
    s.database.clear();
    return s;
}

TestDb::TestDb(const QString& schemaPath)
    : TestDb(Kind::Throwaway, schemaPath)
{
}

TestDb TestDb::programDatabase()
{
    return TestDb(Kind::Program, schemaFile());
}

TestDb::TestDb(Kind kind, const QString& schemaPath)
    : m_kind(kind)
    , m_settings(serverSettings())
{
    if (m_settings.port == 0) {
        m_problem = QStringLiteral("no test database server: run scripts/test, or set VORLANY_TEST_DB_PORT");
        return;
    }
    try {
        m_admin = std::make_unique<Connection>(m_settings);
        const QString name = kind == Kind::Program
            ? Connection::Settings().database
            : QStringLiteral("velnor_t%1").arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
        m_admin->execute(QStringLiteral("CREATE DATABASE %1%2 DEFAULT CHARACTER SET cp1250 COLLATE cp1250_czech_cs")
                             .arg(kind == Kind::Program ? QStringLiteral("IF NOT EXISTS ") : QString(),
                                 Connection::quoteIdentifier(name)));
        m_settings.database = name;
        m_connection = std::make_unique<Connection>(m_settings);
        loadSchema(schemaPath);
        m_ready = true;
    } catch (const std::exception& e) {
        m_problem = QStringLiteral("test database server at port %1: %2")
                        .arg(m_settings.port)
                        .arg(QString::fromUtf8(e.what()));
    }
}

TestDb::~TestDb()
{
    if (!m_admin || !m_connection)
        return;
    try {
        if (m_kind == Kind::Program) {
            for (const auto& [table, id] : m_insertedRows) {
                Statement remove(*m_connection,
                    QStringLiteral("DELETE FROM %1 WHERE id = ?").arg(Connection::quoteIdentifier(table)));
                remove.bind(0, id);
                remove.execute();
            }
        } else {
            m_connection.reset();
            m_admin->execute(
                QStringLiteral("DROP DATABASE IF EXISTS %1").arg(Connection::quoteIdentifier(m_settings.database)));
        }
    } catch (const std::exception&) {
        // Left behind on a server that went away; the next private server starts empty anyway, and
        // rows left in the program's database are only ever looked at by the test that added them.
    }
}

void TestDb::loadSchema(const QString& schemaPath)
{
    QFile file(schemaPath);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(("cannot read " + schemaPath).toStdString());
    for (const QString& statement : splitScript(QString::fromUtf8(file.readAll()))) {
        // The database is the fixture's own, not the one the script names.
        if (statement.startsWith(QLatin1String("CREATE DATABASE"), Qt::CaseInsensitive)
            || statement.startsWith(QLatin1String("USE "), Qt::CaseInsensitive))
            continue;
        m_connection->execute(statement);
    }
}

QStringList TestDb::splitScript(const QString& script)
{
    static const QRegularExpression delimiterLine(
        QStringLiteral("[ \\t]*DELIMITER[ \\t]+(\\S+)[^\\n]*(\\n|$)"), QRegularExpression::CaseInsensitiveOption);
    QStringList statements;
    QString delimiter = QStringLiteral(";");
    QString statement;
    auto finish = [&] {
        const QString s = statement.trimmed();
        if (!s.isEmpty())
            statements << s;
        statement.clear();
    };
    const qsizetype n = script.size();
    QChar quote; // the quote character of the string being read, null outside strings
    bool lineStart = true;
    qsizetype i = 0;
    while (i < n) {
        if (lineStart) {
            lineStart = false;
            const QRegularExpressionMatch match = delimiterLine.match(
                script, i, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
            if (match.hasMatch()) {
                delimiter = match.captured(1);
                i = match.capturedEnd();
                lineStart = true;
                continue;
            }
        }
        const QChar c = script.at(i);
        if (!quote.isNull()) {
            statement += c;
            if (c == u'\\' && quote != u'`' && i + 1 < n) {
                statement += script.at(++i);
            } else if (c == quote) {
                quote = QChar();
            }
            ++i;
            continue;
        }
        const QStringView rest = QStringView(script).mid(i);
        if (c == u'\'' || c == u'"' || c == u'`') {
            quote = c;
        } else if (c == u'#' || (rest.startsWith(u"--") && (rest.size() == 2 || rest.at(2).isSpace()))) {
            const qsizetype end = script.indexOf(u'\n', i);
            i = end < 0 ? n : end;
            continue;
        } else if (rest.startsWith(u"/*") && !rest.startsWith(u"/*!")) {
            const qsizetype end = script.indexOf(QLatin1String("*/"), i + 2);
            i = end < 0 ? n : end + 2;
            statement += u' ';
            continue;
        } else if (rest.startsWith(delimiter)) {
            finish();
            i += delimiter.size();
            continue;
        } else if (c == u'\n') {
            lineStart = true;
        }
        statement += c;
        ++i;
    }
    finish();
    return statements;
}

QString TestDb::scalar(const QString& sql)
{
    Statement statement(*m_connection, sql);
    statement.execute();
    return statement.next() ? statement.value(0).toString() : QString();
}

QList<qint64> TestDb::insertRows(const QString& table, const QStringList& columns, const QList<QVariantList>& rows)
{
    QStringList names;
    QStringList parameters;
    qsizetype idColumn = -1;
    for (const QString& column : columns) {
        if (column.compare(QLatin1String("id"), Qt::CaseInsensitive) == 0)
            idColumn = names.size();
        names << Connection::quoteIdentifier(column);
        parameters << QStringLiteral("?");
    }
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(Connection::quoteIdentifier(table), names.join(u", "), parameters.join(u", "));
    QList<qint64> ids;
    for (const QVariantList& row : rows) {
        Statement insert(*m_connection, sql);
        for (int i = 0; i < row.size(); ++i)
            insert.bind(i, row.at(i));
        insert.execute();
        const qint64 id = idColumn >= 0 ? row.at(idColumn).toLongLong()
                                        : scalar(QStringLiteral("SELECT LAST_INSERT_ID()")).toLongLong();
        ids << id;
        if (m_kind == Kind::Program)
            m_insertedRows.emplace_back(table, id);
    }
    return ids;
}
