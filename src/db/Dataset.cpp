#include "db/Dataset.h"

#include "common/Cp1250.h"
#include "db/ClientHandles.h"
#include "db/Connection.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <numeric>
#include <optional>
#include <unordered_map>

// A row is stored as one block: for each field a 32-bit end offset of its bytes (the top bit marks
// NULL), then the bytes of all fields one after another, exactly as the server sent them.
namespace {
constexpr std::uint32_t kNullBit = 0x80000000u;
constexpr std::size_t kChunkSize = 1 << 20;

std::uint32_t endOf(const char* row, int field)
{
    std::uint32_t end;
    std::memcpy(&end, row + std::size_t(field) * sizeof end, sizeof end);
    return end;
}

bool nullAt(const char* row, int field)
{
    return endOf(row, field) & kNullBit;
}

// Orders two numbers in the server's plain text form ("-12", "3.50") by value, of any length.
int compareDecimalText(std::string_view a, std::string_view b)
{
    const bool negativeA = !a.empty() && a.front() == '-';
    const bool negativeB = !b.empty() && b.front() == '-';
    if (negativeA != negativeB)
        return negativeA ? -1 : 1;
    auto split = [](std::string_view s) {
        if (!s.empty() && (s.front() == '-' || s.front() == '+'))
            s.remove_prefix(1);
        const std::size_t dot = s.find('.');
        std::string_view whole = s.substr(0, dot);
        std::string_view fraction = dot == std::string_view::npos ? std::string_view() : s.substr(dot + 1);
        while (whole.size() > 1 && whole.front() == '0')
            whole.remove_prefix(1);
        while (!fraction.empty() && fraction.back() == '0')
            fraction.remove_suffix(1);
        return std::pair {whole, fraction};
    };
    const auto [wholeA, fractionA] = split(a);
    const auto [wholeB, fractionB] = split(b);
    int order = wholeA.size() != wholeB.size() ? (wholeA.size() < wholeB.size() ? -1 : 1) : wholeA.compare(wholeB);
    if (order == 0)
        order = fractionA.compare(fractionB);
    order = order < 0 ? -1 : order > 0 ? 1 : 0;
    return negativeA ? -order : order;
}

std::string_view rawAt(const char* row, std::size_t fieldCount, int field)
{
    const char* data = row + fieldCount * sizeof(std::uint32_t);
    const std::uint32_t begin = field == 0 ? 0 : endOf(row, field - 1) & ~kNullBit;
    const std::uint32_t end = endOf(row, field) & ~kNullBit;
    return {data + begin, end - begin};
}
}

Dataset::Dataset(Connection& connection, QString sql, QObject* parent)
    : QObject(parent)
    , m_connection(connection)
    , m_sql(std::move(sql))
{
}

Dataset::~Dataset() = default;

int Dataset::fieldIndex(QStringView name) const
{
    return Field::indexIn(m_fields, name);
}

bool Dataset::isNull(int row, int field) const
{
    return nullAt(this->row(row), field);
}

std::string_view Dataset::raw(int row, int field) const
{
    return rawAt(this->row(row), m_fields.size(), field);
}

QVariant Dataset::value(int row, int field) const
{
    if (isNull(row, field))
        return {};
    return Field::fromText(m_fields[std::size_t(field)].type, raw(row, field));
}

QVariant Dataset::currentValue(QStringView fieldName) const
{
    const int f = fieldIndex(fieldName);
    if (m_current < 0 || f < 0)
        return {};
    return value(m_current, f);
}

void Dataset::setCurrentRow(int row)
{
    row = rowCount() == 0 ? -1 : std::clamp(row, 0, rowCount() - 1);
    if (row == m_current)
        return;
    m_current = row;
    emit currentRowChanged(row);
}

void Dataset::removeRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    const bool wasCurrent = row == m_current;
    const Bookmark current = m_current >= 0 ? bookmark(m_current) : -1;
    const Bookmark removed = bookmark(row);
    // A view may move its current row while the removal is announced; the dataset decides after.
    emit aboutToRemoveRow(row);
    m_order.erase(m_order.begin() + row);
    m_position[std::size_t(removed)] = -1;
    for (std::size_t p = std::size_t(row); p < m_order.size(); ++p)
        m_position[std::size_t(m_order[p])] = int(p);
    m_current = wasCurrent ? std::min(row, rowCount() - 1) : rowOf(current);
    emit rowRemoved(row);
    emit currentRowChanged(m_current);
}

int Dataset::rowOf(Bookmark bookmark) const
{
    if (bookmark < 0 || std::size_t(bookmark) >= m_position.size())
        return -1;
    return m_position[std::size_t(bookmark)];
}

char* Dataset::allocate(std::size_t size)
{
    // Row headers are read with memcpy, so no alignment is needed.
    if (size > m_chunkFree) {
        const std::size_t chunk = std::max(size, kChunkSize);
        m_chunks.push_back(std::make_unique_for_overwrite<char[]>(chunk));
        m_chunkNext = m_chunks.back().get();
        m_chunkFree = chunk;
        m_chunkBytes += chunk;
    }
    char* block = m_chunkNext;
    m_chunkNext += size;
    m_chunkFree -= size;
    return block;
}

void Dataset::clearRows()
{
    m_chunks.clear();
    m_chunkFree = 0;
    m_chunkNext = nullptr;
    m_chunkBytes = 0;
    m_valueBytes = 0;
    m_rows.clear();
    m_order.clear();
    m_position.clear();
    m_fields.clear();
    m_current = -1;
}

void Dataset::fetch()
{
    const QByteArray text = Cp1250::encode(m_sql);
    MYSQL* mysql = m_connection.handle();
    if (mysql_real_query(mysql, text.constData(), text.size()) != 0)
        m_connection.fail(m_sql);
    const ResultHandle guard(mysql_use_result(mysql));
    if (!guard)
        m_connection.fail(m_sql);
    MYSQL_RES* result = guard.get();

    const unsigned count = mysql_num_fields(result);
    const MYSQL_FIELD* fields = mysql_fetch_fields(result);
    for (unsigned i = 0; i < count; ++i) {
        m_fields.push_back(Field::describe(QString::fromLatin1(fields[i].name, qsizetype(fields[i].name_length)),
            fields[i].type, fields[i].charsetnr, fields[i].length));
    }
    const std::size_t header = count * sizeof(std::uint32_t);
    while (MYSQL_ROW values = mysql_fetch_row(result)) {
        const unsigned long* lengths = mysql_fetch_lengths(result);
        std::size_t size = 0;
        for (unsigned i = 0; i < count; ++i)
            size += lengths[i];
        char* block = allocate(header + size);
        char* data = block + header;
        std::uint32_t end = 0;
        for (unsigned i = 0; i < count; ++i) {
            if (values[i]) {
                std::memcpy(data + end, values[i], lengths[i]);
                end += std::uint32_t(lengths[i]);
            }
            const std::uint32_t mark = values[i] ? end : (end | kNullBit);
            std::memcpy(block + i * sizeof mark, &mark, sizeof mark);
        }
        m_valueBytes += size;
        m_rows.push_back(block);
    }
    if (mysql_errno(mysql) != 0)
        m_connection.fail(m_sql);

    m_rows.shrink_to_fit();
    m_order.resize(m_rows.size());
    std::iota(m_order.begin(), m_order.end(), 0);
    m_position = m_order;
}

void Dataset::open()
{
    emit aboutToReset();
    clearRows();
    m_open = false;
    try {
        fetch();
    } catch (...) {
        clearRows();
        emit reset();
        emit currentRowChanged(-1);
        throw;
    }
    m_open = true;
    if (!m_sortField.isEmpty() && fieldIndex(m_sortField) >= 0)
        applySort();
    m_current = m_rows.empty() ? -1 : 0;
    emit reset();
    emit currentRowChanged(m_current);
}

void Dataset::close()
{
    if (!m_open)
        return;
    emit aboutToReset();
    clearRows();
    m_open = false;
    emit reset();
    emit currentRowChanged(-1);
}

void Dataset::refresh()
{
    // The ordinary fields of the current row, by name, as the server sent them.
    std::vector<std::pair<QString, std::optional<std::string>>> previous;
    if (m_current >= 0) {
        for (int f = 0; f < fieldCount(); ++f) {
            if (m_fields[std::size_t(f)].isLarge())
                continue;
            std::optional<std::string> bytes;
            if (!isNull(m_current, f))
                bytes = std::string(raw(m_current, f));
            previous.emplace_back(m_fields[std::size_t(f)].name, std::move(bytes));
        }
    }
    open();
    if (previous.empty())
        return;

    std::vector<int> fields;
    for (const auto& [name, bytes] : previous)
        fields.push_back(fieldIndex(name));
    for (int row = 0; row < rowCount(); ++row) {
        bool same = true;
        for (std::size_t i = 0; i < fields.size() && same; ++i) {
            const auto& bytes = previous[i].second;
            same = fields[i] >= 0
                && (bytes ? !isNull(row, fields[i]) && raw(row, fields[i]) == *bytes : isNull(row, fields[i]));
        }
        if (same) {
            setCurrentRow(row);
            return;
        }
    }
}

bool Dataset::sortBy(const QString& fieldName)
{
    const int f = fieldIndex(fieldName);
    if (f < 0 || m_fields[std::size_t(f)].isNamed(m_sortField))
        return false;
    m_sortField = m_fields[std::size_t(f)].name;
    if (!m_open)
        return true;
    const Bookmark current = m_current >= 0 ? bookmark(m_current) : -1;
    emit aboutToReset();
    applySort();
    m_current = current >= 0 ? rowOf(current) : m_current;
    emit reset();
    emit currentRowChanged(m_current);
    return true;
}

void Dataset::applySort()
{
    // Rank the distinct values once (few per column as a rule), then place the rows by rank.
    const int f = fieldIndex(m_sortField);
    const Field& field = m_fields[std::size_t(f)];
    const std::size_t n = m_rows.size();

    std::unordered_map<std::string_view, int> idOf;
    std::vector<std::string_view> distinct;
    std::vector<int> valueId(n, -1);
    // A removed row keeps its bookmark but has no position; it is left out.
    auto listed = [&](std::size_t b) { return m_position[b] >= 0; };
    for (std::size_t b = 0; b < n; ++b) {
        if (!listed(b) || nullAt(m_rows[b], f))
            continue;
        const std::string_view bytes = rawAt(m_rows[b], m_fields.size(), f);
        const auto [it, added] = idOf.try_emplace(bytes, int(distinct.size()));
        if (added)
            distinct.push_back(bytes);
        valueId[b] = it->second;
    }

    std::vector<int> byValue(distinct.size());
    std::iota(byValue.begin(), byValue.end(), 0);
    if (field.type == FieldType::Integer || field.type == FieldType::Decimal) {
        // Exactly, as text: through a double, integers above 2^53 and long decimals would tie.
        std::sort(byValue.begin(), byValue.end(),
            [&](int a, int b) { return compareDecimalText(distinct[std::size_t(a)], distinct[std::size_t(b)]) < 0; });
    } else if (field.type == FieldType::Float) {
        std::vector<double> numbers(distinct.size());
        for (std::size_t i = 0; i < distinct.size(); ++i) {
            const std::string_view s = distinct[i];
            std::from_chars(s.data(), s.data() + s.size(), numbers[i]);
        }
        std::sort(byValue.begin(), byValue.end(),
            [&](int a, int b) { return numbers[std::size_t(a)] < numbers[std::size_t(b)]; });
    } else if (field.isDate() || field.type == FieldType::Time) {
        // The server's "YYYY-MM-DD hh:mm:ss" text orders as the values do.
        std::sort(byValue.begin(), byValue.end(),
            [&](int a, int b) { return distinct[std::size_t(a)] < distinct[std::size_t(b)]; });
    } else {
        QCollator collator {QLocale()};
        collator.setCaseSensitivity(Qt::CaseSensitive);
        std::vector<QCollatorSortKey> keys;
        keys.reserve(distinct.size());
        for (const std::string_view s : distinct)
            keys.push_back(collator.sortKey(Cp1250::decode(s.data(), qsizetype(s.size()))));
        std::sort(byValue.begin(), byValue.end(),
            [&](int a, int b) { return keys[std::size_t(a)].compare(keys[std::size_t(b)]) < 0; });
    }
    std::vector<int> rank(distinct.size());
    for (std::size_t i = 0; i < byValue.size(); ++i)
        rank[std::size_t(byValue[i])] = int(i);

    // Counting sort: null first (bucket 0), then by rank.
    auto bucketOf = [&](std::size_t b) { return std::size_t(valueId[b] < 0 ? 0 : rank[std::size_t(valueId[b])] + 1); };
    std::vector<int> start(distinct.size() + 2, 0);
    for (std::size_t b = 0; b < n; ++b) {
        if (listed(b))
            ++start[bucketOf(b) + 1];
    }
    std::partial_sum(start.begin(), start.end(), start.begin());
    for (std::size_t b = 0; b < n; ++b) {
        if (listed(b))
            m_order[std::size_t(start[bucketOf(b)]++)] = int(b);
    }
    for (std::size_t p = 0; p < m_order.size(); ++p)
        m_position[std::size_t(m_order[p])] = int(p);
}

std::size_t Dataset::memoryUsed() const
{
    return m_chunkBytes + m_rows.capacity() * sizeof(const char*)
        + (m_order.capacity() + m_position.capacity()) * sizeof(int);
}
