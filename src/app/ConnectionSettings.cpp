#include "app/ConnectionSettings.h"

#include "common/IniFile.h"

ConnectionSettings ConnectionSettings::read(const IniFile& ini)
{
    const QString section = QStringLiteral("LogON");
    ConnectionSettings s;
    s.server.host = ini.readString(section, QStringLiteral("IP"), s.server.host);
    s.server.user = ini.readString(section, QStringLiteral("User"), s.server.user);
    s.server.password = ini.readString(section, QStringLiteral("Password"), s.server.password);
    s.server.port = ini.readInt(section, QStringLiteral("SQLport"), s.server.port);
    s.workstation = ini.readString(section, QStringLiteral("CisloPC"), s.workstation);
    s.versionCheckMode = ini.readString(section, QStringLiteral("testovatVerzi"), s.versionCheckMode);
    return s;
}
