#pragma once

#include <QString>

class Connection;

// Claims this workstation's number on the server with a named lock held by the connection's
// session, so that a second program started with the same number can tell. The lock's name holds
// the database's, so databases sharing a server keep apart; the server lets go of the lock when
// the session ends.
class WorkstationLock {
public:
    enum class Result {
        Held, // this session holds the number
        HeldElsewhere, // another session holds it
        Unknown, // the server could not tell
    };

    WorkstationLock(Connection& connection, const QString& workstation);

    Result take();

private:
    Connection& m_connection;
    QString m_name;
};
