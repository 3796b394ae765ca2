#pragma once

#include <QString>

#include <memory>

typedef struct st_mysql MYSQL;

// The one connection of the process to the shared database. It connects when first used and
// again whenever it is not open; text travels in Windows-1250, compressed. A connection lost
// inside a transaction is not silently replaced: until the transaction ends, every command fails,
// so that nothing of it runs on a new connection in auto-commit.
class Connection {
public:
    struct Settings {
        QString host = QStringLiteral("localhost");
        int port = 3306; // 0 means 3306
        QString user = QStringLiteral("root");
        QString password;
        QString database = QStringLiteral("velnor");
        // Seconds. A server that accepts and then never answers must not hang the program; a
        // large document must still have time to travel.
        unsigned connectTimeout = 15;
        unsigned readWriteTimeout = 300;
        // When set, the settings were refused and every connect fails with this text, so that
        // nothing reaches a server the user did not configure.
        QString refusal;
    };

    Connection();
    explicit Connection(Settings settings);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Closes the connection, so the next use connects with the new settings.
    void setSettings(const Settings& settings);
    const Settings& settings() const { return m_settings; }

    bool isOpen() const { return m_mysql != nullptr; }
    void open();
    void close();
    // Counts the connects made, so that a statement or transaction can tell that the connection
    // it was begun on is gone.
    quint64 generation() const { return m_generation; }

    // The open handle, connecting first if needed.
    MYSQL* handle();

    // Runs a statement that carries no values (identifiers only) and returns the rows it changed.
    quint64 execute(const QString& sql);
    // The id the last insert gave a new row.
    quint64 lastInsertId();

    // Throws the library's current error for the statement; a lost connection is closed first
    // so that the next command connects again.
    [[noreturn]] void fail(const QString& statement);

    // Backquoted, with inner backquotes doubled.
    static QString quoteIdentifier(const QString& name);

private:
    friend class Transaction;

    struct Closer {
        void operator()(MYSQL* mysql) const;
    };

    Settings m_settings;
    std::unique_ptr<MYSQL, Closer> m_mysql;
    quint64 m_generation = 0;
    // The generation a running transaction began on; 0 when none runs.
    quint64 m_transactionGeneration = 0;
};
