#pragma once

class Connection;

// Statements between construction and commit() take effect together or not at all:
// a transaction left without commit() is rolled back.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Connection& m_connection;
    bool m_done = false;
};
