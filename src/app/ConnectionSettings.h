#pragma once

#include "db/Connection.h"

#include <QString>

class IniFile;

// What the connection INI file (velnor.ini, section "LogON") says: the server, this
// workstation's number and the version-check mode. Missing keys or file give the defaults.
struct ConnectionSettings {
    Connection::Settings server;
    QString workstation = QStringLiteral("00");
    QString versionCheckMode = QStringLiteral("A");

    static QString fileName() { return QStringLiteral("velnor.ini"); }
    static ConnectionSettings read(const IniFile& ini);
};
