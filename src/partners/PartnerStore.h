#pragma once

#include <QtGlobal>

class Connection;

// The partner table's statements outside the scratch-row protocol.
class PartnerStore {
public:
    explicit PartnerStore(Connection& connection);

    // Deletes the partner on the server at once, by its key.
    void remove(qint64 id);

private:
    Connection& m_connection;
};
