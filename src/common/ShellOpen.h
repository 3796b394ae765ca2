#pragma once

#include <QString>

// Opens a document with the program the desktop associates with it.
class ShellOpen {
public:
    static bool open(const QString& path);
};
