#pragma once

#include "db/Connection.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QtTest>

#include <memory>
#include <utility>
#include <vector>

// A database on the private test server named by VORLANY_TEST_DB_HOST/_PORT/_USER/_PASSWORD,
// made from a schema script: by default a throwaway one, dropped again at the end.
class TestDb {
public:
    explicit TestDb(const QString& schemaPath = schemaFile());
    ~TestDb();
    TestDb(const TestDb&) = delete;
    TestDb& operator=(const TestDb&) = delete;

    // The program's own database, which the main window always opens. It is shared with every
    // test running at the same time and kept at the end; only the rows added through insertRows()
    // are deleted again, so a test looks at its own rows only.
    static TestDb programDatabase();

    bool ready() const { return m_ready; }
    const QString& problem() const { return m_problem; }
    // Settings that connect straight into the database.
    const Connection::Settings& settings() const { return m_settings; }
    Connection& connection() { return *m_connection; }
    void exec(const QString& sql) { m_connection->execute(sql); }
    // The first column of the first row, as text.
    QString scalar(const QString& sql);
    // Inserts the rows with bound values and returns the id of each: the one given in an "id"
    // column, else the one the server numbered.
    QList<qint64> insertRows(const QString& table, const QStringList& columns, const QList<QVariantList>& rows);

    static QString schemaFile();
    static Connection::Settings serverSettings();
    // The statements of a script as the mariadb client sends them: split at the delimiter outside
    // quotes and comments, which are left out; a "DELIMITER" line changes the delimiter.
    static QStringList splitScript(const QString& script);

private:
    enum class Kind { Throwaway, Program };

    TestDb(Kind kind, const QString& schemaPath);
    void loadSchema(const QString& schemaPath);

    Kind m_kind;
    Connection::Settings m_settings;
    std::unique_ptr<Connection> m_admin;
    std::unique_ptr<Connection> m_connection;
    std::vector<std::pair<QString, qint64>> m_insertedRows; // deleted again in the program database
    bool m_ready = false;
    QString m_problem;
};

// A database test that cannot reach its server skips on a developer's machine and fails in CI.
#define REQUIRE_TEST_DB(db)                                                                                            \
    do {                                                                                                               \
        if (!(db).ready()) {                                                                                           \
            if (qEnvironmentVariableIsSet("CI"))                                                                       \
                QFAIL(qPrintable((db).problem()));                                                                     \
            QSKIP(qPrintable((db).problem()));                                                                         \
        }                                                                                                              \
    } while (false)
