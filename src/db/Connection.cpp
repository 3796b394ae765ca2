#include "db/Connection.h"

#include "common/Cp1250.h"
#include "db/ClientHandles.h"

void Connection::Closer::operator()(MYSQL* mysql) const
{
    mysql_close(mysql);
}

Connection::Connection() = default;

Connection::Connection(Settings settings)
    : m_settings(std::move(settings))
{
}

Connection::~Connection() = default;

void Connection::setSettings(const Settings& settings)
{
    close();
    m_settings = settings;
}

void Connection::open()
{
    if (m_mysql)
        return;
    if (m_transactionGeneration != 0)
        throw transactionLostError();
    if (!m_settings.refusal.isEmpty())
        throw DbError(m_settings.refusal);
    std::unique_ptr<MYSQL, Closer> mysql(mysql_init(nullptr));
    if (!mysql)
        throw DbError(QString());
    // TCP even for "localhost", so the configured port is the one used.
    const unsigned protocol = MYSQL_PROTOCOL_TCP;
    mysql_optionsv(mysql.get(), MYSQL_OPT_PROTOCOL, &protocol);
    mysql_optionsv(mysql.get(), MYSQL_OPT_COMPRESS, nullptr);
    mysql_optionsv(mysql.get(), MYSQL_SET_CHARSET_NAME, "cp1250");
    mysql_optionsv(mysql.get(), MYSQL_OPT_CONNECT_TIMEOUT, &m_settings.connectTimeout);
    mysql_optionsv(mysql.get(), MYSQL_OPT_READ_TIMEOUT, &m_settings.readWriteTimeout);
    mysql_optionsv(mysql.get(), MYSQL_OPT_WRITE_TIMEOUT, &m_settings.readWriteTimeout);

    const QByteArray host = m_settings.host.toUtf8();
    const QByteArray user = Cp1250::encode(m_settings.user);
    const QByteArray password = Cp1250::encode(m_settings.password);
    const QByteArray database = m_settings.database.toUtf8();
    const unsigned port = m_settings.port == 0 ? 3306u : unsigned(m_settings.port);
    if (!mysql_real_connect(mysql.get(), host.constData(), user.constData(), password.constData(), database.constData(),
            port, nullptr, 0))
        throw errorOf(mysql.get(), QString());
    m_mysql = std::move(mysql);
    ++m_generation;
    execute(QStringLiteral("SET CHARACTER SET cp1250"));
}

void Connection::close()
{
    m_mysql.reset();
}

MYSQL* Connection::handle()
{
    open();
    return m_mysql.get();
}

quint64 Connection::execute(const QString& sql)
{
    const QByteArray text = Cp1250::encode(sql);
    MYSQL* mysql = handle();
    if (mysql_real_query(mysql, text.constData(), text.size()) != 0)
        fail(sql);
    const quint64 changed = mysql_affected_rows(mysql);
    // A statement that unexpectedly returns rows must not leave them on the wire.
    ResultHandle(mysql_store_result(mysql));
    return changed;
}

quint64 Connection::lastInsertId()
{
    return mysql_insert_id(handle());
}

void Connection::fail(const QString& statement)
{
    if (!m_mysql)
        throw DbError(QString(), 0, statement);
    DbError error = errorOf(m_mysql.get(), statement);
    if (isConnectionLost(error.code()))
        close();
    throw error;
}

QString Connection::quoteIdentifier(const QString& name)
{
    QString quoted = name;
    quoted.replace(u'`', QLatin1String("``"));
    return u'`' + quoted + u'`';
}
