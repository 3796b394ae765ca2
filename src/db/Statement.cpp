#include "db/Statement.h"

#include "common/Cp1250.h"
#include "common/RegionalFormat.h"
#include "db/ClientHandles.h"
#include "db/Connection.h"

#include <QBuffer>
#include <QIODevice>

#include <cstring>
#include <optional>
#include <stdexcept>

namespace {
constexpr qint64 kChunk = 64 * 1024;

void fillTime(MYSQL_TIME& t, const QDate& date, const QTime& time, enum_mysql_timestamp_type kind)
{
    std::memset(&t, 0, sizeof t);
    t.year = unsigned(date.year());
    t.month = unsigned(date.month());
    t.day = unsigned(date.day());
    t.hour = unsigned(time.hour());
    t.minute = unsigned(time.minute());
    t.second = unsigned(time.second());
    t.time_type = kind;
}
}

struct Statement::Param {
    MYSQL_BIND bind {};
    QByteArray bytes;
    long long integer = 0;
    double real = 0;
    MYSQL_TIME time {};
    unsigned long length = 0;
    QIODevice* stream = nullptr;
    bool bound = false;
};

struct Statement::ResultColumn {
    MYSQL_BIND bind {};
    long long integer = 0;
    double real = 0;
    MYSQL_TIME time {};
    unsigned long length = 0;
    my_bool isNull = 0;
    my_bool error = 0;
};

void Statement::Closer::operator()(MYSQL_STMT* statement) const
{
    mysql_stmt_close(statement);
}

Statement::Statement(Connection& connection, const QString& sql)
    : m_connection(connection)
    , m_sql(sql)
{
    MYSQL* mysql = connection.handle();
    m_generation = connection.generation();
    m_stmt.reset(mysql_stmt_init(mysql));
    if (!m_stmt)
        connection.fail(sql);
    const QByteArray text = Cp1250::encode(sql);
    if (mysql_stmt_prepare(m_stmt.get(), text.constData(), text.size()) != 0)
        fail();
    m_params.resize(mysql_stmt_param_count(m_stmt.get()));
    for (auto& p : m_params)
        p = std::make_unique<Param>();
}

Statement::~Statement() = default;

void Statement::fail() const
{
    DbError error = errorOf(m_stmt.get(), m_sql);
    if (isConnectionLost(error.code()))
        m_connection.close();
    throw error;
}

Statement::Param& Statement::param(int index)
{
    if (index < 0 || std::size_t(index) >= m_params.size())
        throw DbError(QStringLiteral("parameter %1 out of range").arg(index), 0, m_sql);
    Param& p = *m_params[std::size_t(index)];
    p = Param {};
    p.bound = true;
    return p;
}

namespace {
// Qt 6's QVariant::isNull() no longer looks inside the value: a null QDate is not a null variant.
bool isNullValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return !value.toDate().isValid();
    case QMetaType::QDateTime:
        return !value.toDateTime().isValid();
    default:
        return value.isNull();
    }
}
}

void Statement::bind(int index, const QVariant& value)
{
    Param& p = param(index);
    MYSQL_BIND& b = p.bind;
    if (isNullValue(value)) {
        b.buffer_type = MYSQL_TYPE_NULL;
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
        p.integer = value.toLongLong();
        b.buffer_type = MYSQL_TYPE_LONGLONG;
        b.buffer = &p.integer;
        return;
    case QMetaType::ULongLong:
    case QMetaType::ULong:
        p.integer = static_cast<long long>(value.toULongLong());
        b.buffer_type = MYSQL_TYPE_LONGLONG;
        b.is_unsigned = 1;
        b.buffer = &p.integer;
        return;
    case QMetaType::Double:
    case QMetaType::Float:
        p.real = value.toDouble();
        b.buffer_type = MYSQL_TYPE_DOUBLE;
        b.buffer = &p.real;
        return;
    case QMetaType::QDate:
        fillTime(p.time, value.toDate(), QTime(0, 0), MYSQL_TIMESTAMP_DATE);
        b.buffer_type = MYSQL_TYPE_DATE;
        b.buffer = &p.time;
        return;
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        fillTime(p.time, dt.date(), dt.time(), MYSQL_TIMESTAMP_DATETIME);
        b.buffer_type = MYSQL_TYPE_DATETIME;
        b.buffer = &p.time;
        return;
    }
    case QMetaType::QByteArray:
        p.bytes = value.toByteArray();
        b.buffer_type = MYSQL_TYPE_LONG_BLOB;
        return;
    default:
        p.bytes = Cp1250::encode(value.toString());
        p.length = static_cast<unsigned long>(p.bytes.size());
        b.buffer_type = MYSQL_TYPE_STRING;
        b.buffer = p.bytes.data();
        b.buffer_length = p.length;
        b.length = &p.length;
        return;
    }
}

void Statement::bindDecimal(int index, const QString& text)
{
    if (text.trimmed().isEmpty()) {
        bind(index, QVariant());
        return;
    }
    const std::optional<QString> plain = RegionalFormat::plainDecimal(text);
    if (!plain)
        throw std::invalid_argument(QStringLiteral("„%1“ není číslo.").arg(text.trimmed()).toStdString());
    Param& p = param(index);
    p.bytes = plain->toLatin1();
    p.length = static_cast<unsigned long>(p.bytes.size());
    p.bind.buffer_type = MYSQL_TYPE_NEWDECIMAL;
    p.bind.buffer = p.bytes.data();
    p.bind.buffer_length = p.length;
    p.bind.length = &p.length;
}

void Statement::bindStream(int index, QIODevice* device)
{
    Param& p = param(index);
    p.stream = device;
    p.bind.buffer_type = MYSQL_TYPE_LONG_BLOB;
}

quint64 Statement::execute()
{
    m_hasResult = false;
    m_columns.clear();
    m_results.clear();
    if (m_connection.generation() != m_generation || !m_connection.isOpen()) {
        // The handle died with the connection it was prepared on.
        throw DbError(
            QStringLiteral("spojení se serverem se mezitím přerušilo, příkaz nebyl proveden"), CR_SERVER_LOST, m_sql);
    }
    mysql_stmt_free_result(m_stmt.get());

    std::vector<MYSQL_BIND> binds;
    binds.reserve(m_params.size());
    for (std::size_t i = 0; i < m_params.size(); ++i) {
        // A forgotten bind() would write NULL over a column.
        if (!m_params[i]->bound)
            throw DbError(QStringLiteral("parameter %1 has no value").arg(i), 0, m_sql);
        binds.push_back(m_params[i]->bind);
    }
    if (!binds.empty() && mysql_stmt_bind_param(m_stmt.get(), binds.data()) != 0)
        fail();

    // BLOBs go in chunks, so a document never has to fit into one packet with the statement.
    for (std::size_t i = 0; i < m_params.size(); ++i) {
        Param& p = *m_params[i];
        if (p.bind.buffer_type != MYSQL_TYPE_LONG_BLOB)
            continue;
        // Sent at least once, or an empty BLOB would read as NULL.
        bool sent = false;
        auto send = [&](const char* data, qint64 size) {
            if (mysql_stmt_send_long_data(m_stmt.get(), unsigned(i), data, static_cast<unsigned long>(size)) != 0)
                fail();
            sent = true;
        };
        if (p.stream) {
            QByteArray chunk(kChunk, Qt::Uninitialized);
            for (qint64 n; (n = p.stream->read(chunk.data(), kChunk)) > 0;)
                send(chunk.constData(), n);
        } else {
            for (qint64 at = 0; at < p.bytes.size(); at += kChunk)
                send(p.bytes.constData() + at, std::min(kChunk, p.bytes.size() - at));
        }
        if (!sent)
            send("", 0);
    }

    if (mysql_stmt_execute(m_stmt.get()) != 0)
        fail();
    const quint64 changed = mysql_stmt_affected_rows(m_stmt.get());

    const ResultHandle meta(mysql_stmt_result_metadata(m_stmt.get()));
    if (!meta)
        return changed;
    const unsigned count = mysql_num_fields(meta.get());
    const MYSQL_FIELD* fields = mysql_fetch_fields(meta.get());
    std::vector<MYSQL_BIND> resultBinds(count);
    for (unsigned i = 0; i < count; ++i) {
        m_columns.push_back(Field::describe(
            QString::fromLatin1(fields[i].name), fields[i].type, fields[i].charsetnr, fields[i].length));
        const FieldType type = m_columns.back().type;
        auto column = std::make_unique<ResultColumn>();
        MYSQL_BIND& b = column->bind;
        b.length = &column->length;
        b.is_null = &column->isNull;
        b.error = &column->error;
        switch (type) {
        case FieldType::Integer:
            b.buffer_type = MYSQL_TYPE_LONGLONG;
            b.buffer = &column->integer;
            b.is_unsigned = (fields[i].flags & UNSIGNED_FLAG) ? 1 : 0;
            break;
        case FieldType::Float:
            b.buffer_type = MYSQL_TYPE_DOUBLE;
            b.buffer = &column->real;
            break;
        case FieldType::Date:
        case FieldType::DateTime:
            b.buffer_type = MYSQL_TYPE_DATETIME;
            b.buffer = &column->time;
            break;
        default:
            // Length only; the bytes are fetched per column, in chunks where they are large.
            b.buffer_type = MYSQL_TYPE_STRING;
            break;
        }
        resultBinds[i] = b;
        m_results.push_back(std::move(column));
    }
    if (mysql_stmt_bind_result(m_stmt.get(), resultBinds.data()) != 0)
        fail();
    if (mysql_stmt_store_result(m_stmt.get()) != 0)
        fail();
    m_hasResult = true;
    return changed;
}

bool Statement::next()
{
    if (!m_hasResult)
        return false;
    const int rc = mysql_stmt_fetch(m_stmt.get());
    if (rc == MYSQL_NO_DATA)
        return false;
    if (rc == 1)
        fail();
    return true;
}

QByteArray Statement::fetchColumn(int column) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    readBlob(column, buffer);
    return bytes;
}

QVariant Statement::value(int column) const
{
    const ResultColumn& c = *m_results.at(std::size_t(column));
    if (c.isNull)
        return {};
    const FieldType type = m_columns.at(std::size_t(column)).type;
    switch (type) {
    case FieldType::Integer:
        return c.bind.is_unsigned ? QVariant(qulonglong(c.integer)) : QVariant(qlonglong(c.integer));
    case FieldType::Float:
        return c.real;
    case FieldType::Date:
    case FieldType::DateTime: {
        const QDate date(int(c.time.year), int(c.time.month), int(c.time.day));
        if (!date.isValid())
            return {};
        if (type == FieldType::Date)
            return date;
        return QDateTime(date, QTime(int(c.time.hour), int(c.time.minute), int(c.time.second)));
    }
    default: {
        const QByteArray bytes = fetchColumn(column);
        return Field::fromText(type, std::string_view(bytes.constData(), std::size_t(bytes.size())));
    }
    }
}

void Statement::readBlob(int column, QIODevice& out) const
{
    const ResultColumn& c = *m_results.at(std::size_t(column));
    QByteArray chunk(kChunk, Qt::Uninitialized);
    for (unsigned long at = 0; !c.isNull && at < c.length;) {
        MYSQL_BIND b {};
        unsigned long length = 0;
        const unsigned long size = std::min<unsigned long>(kChunk, c.length - at);
        b.buffer_type = MYSQL_TYPE_STRING;
        b.buffer = chunk.data();
        b.buffer_length = size;
        b.length = &length;
        if (mysql_stmt_fetch_column(m_stmt.get(), &b, unsigned(column), at) != 0)
            fail();
        if (out.write(chunk.constData(), qint64(size)) != qint64(size))
            throw std::runtime_error("Unable to write " + out.errorString().toStdString());
        at += size;
    }
}
