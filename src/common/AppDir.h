#pragma once

#include <QString>

// The application directory (where the program file lives) and the file names resolved in it.
// Names are matched without regard to case, so "Vorlany.ini" and "vorlany.INI" are one file.
namespace AppDir {
// Always ends with '/'.
QString path();
// Tests point the program at a folder of their own.
void setOverride(const QString& dir);

// The file's path in the application directory: an existing file whose name matches without
// regard to case, else the name as given.
QString file(const QString& name);
QString fileIn(const QString& dir, const QString& name);

// The program file's name without directory and extension ("vorlany").
QString programName();

// "/" appended unless the text already ends with one.
QString appendSeparator(const QString& text);
}
