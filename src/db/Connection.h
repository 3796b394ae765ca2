#pragma once

#include <QString>

typedef struct st_mysql MYSQL;

// The one connection of the process to the shared database. It connects when first used and
// again whenever it is not open; text travels in Windows-1250, compressed.
class Connection {
public:
    struct Settings {
        QString host = QStringLiteral("localhost");
        int port = 3306; // 0 means 3306
        QString user = QStringLiteral("root");
        QString password;
        QString database = QStringLiteral("velnor");
    };

    Connection() = default;
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

    // The open handle, connecting first if needed.
    MYSQL* handle();

    // Runs a statement that carries no values (identifiers only) and returns no rows.
    void execute(const QString& sql);

    // Throws the library's current error for the statement; a lost connection is closed first
    // so that the next command connects again.
    [[noreturn]] void fail(const QString& statement);

    // Backquoted, with inner backquotes doubled.
    static QString quoteIdentifier(const QString& name);

private:
    Settings m_settings;
    MYSQL* m_mysql = nullptr;
};
