#pragma once

#include "db/Record.h"
#include "db/ScratchTable.h"

#include <QString>

class Connection;

// Adding and correcting one partner through this workstation's scratch copy (tmp<CisloPC>adr):
// begin from the default row or from a copy of a stored partner, then save the edited values,
// which replace the stored partner in one transaction.
class PartnerEditor {
public:
    PartnerEditor(Connection& connection, const QString& workstation);

    // The default row: id 0 and empty texts; the other columns take their defaults.
    void beginNew();
    // Throws RowMissingError when the partner was deleted meanwhile.
    void beginCopy(qint64 id);
    // The scratch row, all columns.
    Record row() const;
    // The row as read with the user's edits set; SLEVA may be given as typed, in the regional
    // format. Refuses, before anything is written, a discount the column cannot hold and a text
    // longer than its column. Returns the saved partner's id. After a failure the stored partner
    // is unchanged and the edit can be saved again.
    qint64 save(const Record& edited);
    // Drops the scratch table, whether or not an edit made it.
    void drop();

private:
    Connection& m_connection;
    ScratchTable m_scratch;
};
