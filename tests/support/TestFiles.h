#pragma once

#include <QByteArray>
#include <QString>

// Whole files written and read back by tests; a file that cannot be written fails the test.
namespace TestFiles {
// Returns the path, for use in one expression.
QString write(const QString& path, const QByteArray& content);
// Empty when the file cannot be read.
QByteArray read(const QString& path);
}
