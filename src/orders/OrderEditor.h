#pragma once

#include "db/Record.h"
#include "db/ScratchTable.h"

#include <QString>

class Connection;

// Adding and correcting one order through this workstation's scratch copy (tmp<CisloPC>vor):
// begin from the default row or from a copy of a stored order, then save the edited values,
// which makes the order's folder and replaces the stored order in one transaction.
class OrderEditor {
public:
    OrderEditor(Connection& connection, const QString& workstation);

    // The default row: id 0, empty order number, customer and description, both dates now.
    void beginNew();
    // Throws RowMissingError when the order was deleted meanwhile.
    void beginCopy(qint64 id);
    // The scratch row, all columns.
    Record row() const;
    // The row as read with the user's edits set. Refuses, before anything is written, a text
    // longer than its column (see ScratchTable::write). Returns the saved order's id. After a failure the stored order is
    // unchanged and the edit can be saved again.
    qint64 save(const Record& edited, const QString& baseFolder);

private:
    ScratchTable m_scratch;
};
