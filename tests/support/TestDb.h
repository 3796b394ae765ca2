#pragma once

#include "db/Connection.h"

#include <QString>
#include <QtTest>

#include <memory>

// A throwaway database made from db/schema.sql on the private test server named by
// VORLANY_TEST_DB_HOST/_PORT/_USER/_PASSWORD, dropped again at the end.
class TestDb {
public:
    TestDb();
    ~TestDb();
    TestDb(const TestDb&) = delete;
    TestDb& operator=(const TestDb&) = delete;

    bool ready() const { return m_ready; }
    const QString& problem() const { return m_problem; }
    // Settings that connect straight into the throwaway database.
    const Connection::Settings& settings() const { return m_settings; }
    Connection& connection() { return *m_connection; }
    void exec(const QString& sql) { m_connection->execute(sql); }
    // The first column of the first row, as text.
    QString scalar(const QString& sql);

    static QString schemaFile();
    static Connection::Settings serverSettings();

private:
    Connection::Settings m_settings;
    std::unique_ptr<Connection> m_admin;
    std::unique_ptr<Connection> m_connection;
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
