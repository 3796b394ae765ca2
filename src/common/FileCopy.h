#pragma once

#include <QString>

// Copies a file and gives the copy the source's modification time.
namespace FileCopy {
// False when the source cannot be read (nothing is created then) or a write fell short.
bool copyKeepingDate(const QString& source, const QString& destination);
}
