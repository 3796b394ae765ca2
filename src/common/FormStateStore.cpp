#include "common/FormStateStore.h"

#include "common/AppDir.h"
#include "common/IniFile.h"

#include <QList>

#include <stdexcept>

FormStateStore::FormStateStore(QString windowClass)
    : m_windowClass(std::move(windowClass))
{
}

QString FormStateStore::filePath() const
{
    return m_file.isEmpty() ? AppDir::file(AppDir::programName() + QStringLiteral(".INI")) : m_file;
}

QString FormStateStore::section() const
{
    return m_section.isEmpty() ? m_windowClass : m_section;
}

QString FormStateStore::readString(const QString& key, const QString& defaultValue) const
{
    return IniFile(filePath()).readString(section(), key, defaultValue);
}

int FormStateStore::readInt(const QString& key, int defaultValue) const
{
    return IniFile(filePath()).readInt(section(), key, defaultValue);
}

void FormStateStore::writeString(const QString& key, const QString& value) const
{
    if (!IniFile(filePath()).writeString(section(), key, value))
        throw std::runtime_error(QStringLiteral("Unable to write to %1").arg(filePath()).toStdString());
}

QString FormStateStore::restoreValue(const QString& key) const
{
    return readString(key).trimmed();
}

void FormStateStore::saveValues(const QList<std::pair<QString, QString>>& values) const
{
    writeString(QStringLiteral("FormVersion"), QStringLiteral("0"));
    for (const auto& [key, raw] : values) {
        QString value = raw.trimmed();
        if (IniFile::isQuoted(value))
            value = u'"' + value + u'"';
        writeString(key, value);
    }
}
