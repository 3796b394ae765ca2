#pragma once

#include <QString>

// Copies a file and gives the copy the source's modification time.
class FileCopy {
public:
    // False when the source cannot be read (nothing is created then) or a write fell short.
    static bool copyKeepingDate(const QString& source, const QString& destination);
};
