#pragma once

#include <QString>

// Opens a document with the program the desktop associates with it.
namespace ShellOpen {
bool open(const QString& path);
}
