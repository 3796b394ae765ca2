#include "app/ConnectionSettings.h"

#include "common/Cp1250.h"
#include "common/IniFile.h"
#include "db/ScratchTable.h"

#include <stdexcept>

namespace {
const QString kSection = QStringLiteral("LogON");

// The server's limit for a table name.
constexpr qsizetype kMaxTableName = 64;

[[noreturn]] void refuseWorkstation(const QString& workstation, const QString& file, const QString& reason)
{
    throw std::runtime_error(QStringLiteral("Neplatné číslo stanice „%1“ v souboru %2, klíč CisloPC (%3).")
                                 .arg(workstation, file, reason)
                                 .toStdString());
}

// A port beyond 1–65535 would reach another port modulo 65536 rather than fail.
int readPort(const IniFile& ini, int defaultPort)
{
    const QString text = ini.readString(kSection, QStringLiteral("SQLport"));
    const std::optional<qint64> port = IniFile::parseInteger(text);
    if (!port)
        return defaultPort;
    if (*port < 0 || *port > 65535)
        throw std::runtime_error(QStringLiteral("Neplatný port %1 v souboru %2, klíč SQLport (povoleno 1–65535).")
                                     .arg(text, ini.path())
                                     .toStdString());
    return int(*port);
}

// The number names the scratch tables tmp<CisloPC>vor and tmp<CisloPC>adr; one that the server
// would store differently could make two workstations share a scratch table.
void checkWorkstation(const QString& workstation, const QString& file)
{
    if (workstation.isEmpty())
        refuseWorkstation(workstation, file, QStringLiteral("nesmí být prázdné"));
    if (!Cp1250::canEncode(workstation))
        refuseWorkstation(workstation, file, QStringLiteral("obsahuje znak mimo kódování Windows-1250"));
    for (const QChar c : workstation) {
        if (!c.isPrint())
            refuseWorkstation(workstation, file, QStringLiteral("obsahuje řídicí znak"));
    }
    for (const QString& suffix : {QStringLiteral("vor"), QStringLiteral("adr")}) {
        if (ScratchTable::nameFor(workstation, suffix).size() > kMaxTableName)
            refuseWorkstation(workstation, file,
                QStringLiteral("název pomocné tabulky by byl delší než %1 znaků").arg(kMaxTableName));
    }
}
}

ConnectionSettings ConnectionSettings::read(const IniFile& ini)
{
    ConnectionSettings s;
    s.file = ini.path();
    s.server.host = ini.readString(kSection, QStringLiteral("IP"), s.server.host);
    s.server.user = ini.readString(kSection, QStringLiteral("User"), s.server.user);
    s.server.password = ini.readString(kSection, QStringLiteral("Password"), s.server.password);
    s.server.port = readPort(ini, s.server.port);
    s.workstation = ini.readString(kSection, QStringLiteral("CisloPC"), s.workstation);
    s.versionCheckMode = ini.readString(kSection, QStringLiteral("testovatVerzi"), s.versionCheckMode);
    checkWorkstation(s.workstation, s.file);
    return s;
}
