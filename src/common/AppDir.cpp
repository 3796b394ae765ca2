#include "common/AppDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString& overrideDir()
{
    static QString dir;
    return dir;
}
}

QString AppDir::path()
{
    const QString dir = overrideDir().isEmpty() ? QCoreApplication::applicationDirPath() : overrideDir();
    return appendSeparator(dir);
}

void AppDir::setOverride(const QString& dir)
{
    overrideDir() = dir;
}

QString AppDir::file(const QString& name)
{
    return fileIn(path(), name);
}

QString AppDir::fileIn(const QString& dir, const QString& name)
{
    const QDir d(dir);
    if (!d.exists(name)) {
        const QStringList entries = d.entryList(QDir::Files | QDir::Hidden | QDir::System);
        for (const QString& entry : entries) {
            if (entry.compare(name, Qt::CaseInsensitive) == 0)
                return d.filePath(entry);
        }
    }
    return d.filePath(name);
}

QString AppDir::programName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString AppDir::appendSeparator(const QString& text)
{
    return text.endsWith(u'/') ? text : text + u'/';
}
