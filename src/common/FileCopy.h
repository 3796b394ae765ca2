#pragma once

#include <QString>

// Copies a file and gives the copy the source's modification time.
namespace FileCopy {
// False when the source cannot be read (nothing is created then) or a write fell short. A
// destination that is the source itself stays as it is.
bool copyKeepingDate(const QString& source, const QString& destination);
}
