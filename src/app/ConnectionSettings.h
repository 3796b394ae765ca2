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
    // The file the settings were read from (it need not exist).
    QString file;

    static QString fileName() { return QStringLiteral("velnor.ini"); }
    // Throws, naming the file and the key, when the port is out of range or the workstation
    // number cannot name this workstation's scratch tables apart from the others'.
    static ConnectionSettings read(const IniFile& ini);
};
