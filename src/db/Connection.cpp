#include "db/Connection.h"

#include "common/Cp1250.h"
#include "db/DbError.h"

#include <errmsg.h>
#include <mysql.h>

Connection::Connection(Settings settings)
    : m_settings(std::move(settings))
{
}

Connection::~Connection()
{
    close();
}

void Connection::setSettings(const Settings& settings)
{
    close();
    m_settings = settings;
}

void Connection::open()
{
    if (m_mysql)
        return;
    MYSQL* mysql = mysql_init(nullptr);
    if (!mysql)
        throw DbError(QStringLiteral("Cannot connect to SQL server"));
    // TCP even for "localhost", so the configured port is the one used.
    const unsigned protocol = MYSQL_PROTOCOL_TCP;
    mysql_optionsv(mysql, MYSQL_OPT_PROTOCOL, &protocol);
    mysql_optionsv(mysql, MYSQL_OPT_COMPRESS, nullptr);
    mysql_optionsv(mysql, MYSQL_SET_CHARSET_NAME, "cp1250");

    const QByteArray host = m_settings.host.toUtf8();
    const QByteArray user = Cp1250::encode(m_settings.user);
    const QByteArray password = Cp1250::encode(m_settings.password);
    const QByteArray database = m_settings.database.toUtf8();
    const unsigned port = m_settings.port == 0 ? 3306u : unsigned(m_settings.port);
    if (!mysql_real_connect(
            mysql, host.constData(), user.constData(), password.constData(), database.constData(), port, nullptr, 0)) {
        const QString message = QString::fromUtf8(mysql_error(mysql));
        const unsigned code = mysql_errno(mysql);
        mysql_close(mysql);
        throw DbError(message.isEmpty() ? QStringLiteral("Cannot connect to SQL server")
                                        : QStringLiteral("SQL Error: ") + message,
            code);
    }
    m_mysql = mysql;
    execute(QStringLiteral("SET CHARACTER SET cp1250"));
}

void Connection::close()
{
    if (m_mysql) {
        mysql_close(m_mysql);
        m_mysql = nullptr;
    }
}

MYSQL* Connection::handle()
{
    open();
    return m_mysql;
}

void Connection::execute(const QString& sql)
{
    const QByteArray text = Cp1250::encode(sql);
    MYSQL* mysql = handle();
    if (mysql_real_query(mysql, text.constData(), text.size()) != 0)
        fail(sql);
    // A statement that unexpectedly returns rows must not leave them on the wire.
    if (MYSQL_RES* result = mysql_store_result(mysql))
        mysql_free_result(result);
}

void Connection::fail(const QString& statement)
{
    const unsigned code = m_mysql ? mysql_errno(m_mysql) : 0;
    const QString message = m_mysql ? Cp1250::decode(QByteArray(mysql_error(m_mysql))) : QString();
    if (code == CR_SERVER_GONE_ERROR || code == CR_SERVER_LOST || code == CR_CONNECTION_ERROR)
        close();
    throw DbError(
        message.isEmpty() ? QStringLiteral("Cannot connect to SQL server") : QStringLiteral("SQL Error: ") + message,
        code, statement);
}

QString Connection::quoteIdentifier(const QString& name)
{
    QString quoted = name;
    quoted.replace(u'`', QLatin1String("``"));
    return u'`' + quoted + u'`';
}
