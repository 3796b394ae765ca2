#pragma once

#include <QByteArray>
#include <QString>

// Windows-1250, the code page of every text the database holds. Bytes the code page leaves
// undefined map to the control characters of the same number, so every byte survives a round trip.
class Cp1250 {
public:
    static QString decode(const char* data, qsizetype size);
    static QString decode(const QByteArray& bytes) { return decode(bytes.constData(), bytes.size()); }
    // Characters the code page cannot hold become '?'.
    static QByteArray encode(const QString& text);
};
