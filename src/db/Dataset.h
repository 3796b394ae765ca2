#pragma once

#include "db/FieldType.h"

#include <QObject>
#include <QString>
#include <QVariant>

#include <memory>
#include <string_view>
#include <vector>

class Connection;

// The rows of one query, held in memory as the server sent them, with a current row, bookmarks
// that survive sorting, a client-side sort by one field and a refresh that finds the current row
// again. Rows are addressed by their position in the current order.
class Dataset : public QObject {
    Q_OBJECT

public:
    using Bookmark = int;

    // The query carries no values: it is fixed text of the program's own.
    Dataset(Connection& connection, QString sql, QObject* parent = nullptr);
    ~Dataset() override;

    const QString& sql() const { return m_sql; }

    // Runs the query and fetches every row; the sort field, if any, is applied again.
    void open();
    void close();
    bool isOpen() const { return m_open; }
    // Queries again and makes the previously current row current again, found by the values of
    // its ordinary fields; else the first row.
    void refresh();

    int fieldCount() const { return int(m_fields.size()); }
    const Field& field(int index) const { return m_fields.at(std::size_t(index)); }
    // Matched without regard to case; -1 when there is none.
    int fieldIndex(QStringView name) const;
    int rowCount() const { return int(m_order.size()); }

    bool isNull(int row, int field) const;
    std::string_view raw(int row, int field) const;
    QVariant value(int row, int field) const;

    int currentRow() const { return m_current; }
    void setCurrentRow(int row);
    QVariant currentValue(QStringView fieldName) const;

    // Drops the row from the list without reading it again, after it was deleted on the server;
    // other rows keep their bookmarks. The row that followed it, else the new last row, becomes
    // current when the dropped row was current.
    void removeRow(int row);

    Bookmark bookmark(int row) const { return m_order.at(std::size_t(row)); }
    int rowOf(Bookmark bookmark) const;

    const QString& sortField() const { return m_sortField; }
    // Orders all rows by the field: text by the regional collation with case mattering, numbers
    // and dates by value, null first. False, and nothing done, when already sorted by it.
    bool sortBy(const QString& fieldName);

    // Bytes held for the rows, against the bytes of their values alone.
    std::size_t memoryUsed() const;
    std::size_t valueBytes() const { return m_valueBytes; }

signals:
    void aboutToReset();
    void reset();
    void currentRowChanged(int row);
    // Around removeRow(); rowCount() changes between them.
    void aboutToRemoveRow(int row);
    void rowRemoved(int row);

private:
    const char* row(int position) const { return m_rows[std::size_t(m_order[std::size_t(position)])]; }
    char* allocate(std::size_t size);
    void fetch();
    void applySort();
    void clearRows();

    Connection& m_connection;
    QString m_sql;
    bool m_open = false;
    std::vector<Field> m_fields;
    std::vector<std::unique_ptr<char[]>> m_chunks;
    std::size_t m_chunkFree = 0;
    char* m_chunkNext = nullptr;
    std::vector<const char*> m_rows; // by bookmark
    std::vector<int> m_order; // position -> bookmark
    std::vector<int> m_position; // bookmark -> position
    std::size_t m_valueBytes = 0;
    std::size_t m_chunkBytes = 0;
    int m_current = -1;
    QString m_sortField;
};
