#include "TestDb.h"

#include "db/DbError.h"
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

TestDb::TestDb()
{
    m_settings = serverSettings();
    if (m_settings.port == 0) {
        m_problem = QStringLiteral("no test database server: run scripts/test, or set VORLANY_TEST_DB_PORT");
        return;
    }
    try {
        m_admin = std::make_unique<Connection>(m_settings);
        const QString name
            = QStringLiteral("velnor_t%1").arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
        m_admin->execute(
            QStringLiteral("CREATE DATABASE `%1` DEFAULT CHARACTER SET cp1250 COLLATE cp1250_czech_cs").arg(name));
        m_settings.database = name;
        m_connection = std::make_unique<Connection>(m_settings);

        QFile file(schemaFile());
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot read db/schema.sql");
        QString schema = QString::fromUtf8(file.readAll());
        schema.remove(QRegularExpression(QStringLiteral("--[^\n]*")));
        for (const QString& statement : schema.split(u';')) {
            const QString s = statement.trimmed();
            if (s.isEmpty() || s.startsWith(QLatin1String("CREATE DATABASE"), Qt::CaseInsensitive)
                || s.startsWith(QLatin1String("USE "), Qt::CaseInsensitive))
                continue;
            m_connection->execute(s);
        }
        m_ready = true;
    } catch (const std::exception& e) {
        m_problem = QStringLiteral("test database server at port %1: %2")
                        .arg(m_settings.port)
                        .arg(QString::fromUtf8(e.what()));
    }
}

TestDb::~TestDb()
{
    if (!m_admin || m_settings.database.isEmpty())
        return;
    m_connection.reset();
    try {
        m_admin->execute(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(m_settings.database));
    } catch (const std::exception&) {
        // Left behind on a server that went away; the next private server starts empty anyway.
    }
}

QString TestDb::scalar(const QString& sql)
{
    Statement statement(*m_connection, sql);
    statement.execute();
    return statement.next() ? statement.value(0).toString() : QString();
}
