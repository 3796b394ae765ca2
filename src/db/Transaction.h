#pragma once

#include <QtGlobal>

class Connection;

// Statements between construction and commit() take effect together or not at all: a
// transaction left without commit() is rolled back. While it lives, a lost connection is not
// replaced (see Connection), so no statement of it runs elsewhere.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    bool onItsConnection() const;

    Connection& m_connection;
    quint64 m_generation;
    bool m_done = false;
};
