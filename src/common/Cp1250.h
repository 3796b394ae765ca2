#pragma once

#include <QByteArray>
#include <QString>

// Windows-1250, the code page of every text the database holds. Bytes the code page leaves
// undefined map to the control characters of the same number, so every byte survives a round trip.
namespace Cp1250 {
QString decode(const char* data, qsizetype size);
inline QString decode(const QByteArray& bytes)
{
    return decode(bytes.constData(), bytes.size());
}
// Characters the code page cannot hold become '?'.
QByteArray encode(const QString& text);
// Whether every character of the text has a byte of its own in the code page.
bool canEncode(const QString& text);
}
