#pragma once

#include <QString>

// A trace of failures that stays at the workstation: every log message is also appended to a
// file, so that an office can tell afterwards what failed. The file starts afresh (keeping one
// older copy) when it grows beyond a megabyte.
namespace LogFile {
void install(const QString& path);
}
