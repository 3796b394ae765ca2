#include "common/IniFile.h"

#include "common/Cp1250.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <limits>

namespace {
std::optional<QString> sectionName(const QString& line)
{
    const QString t = line.trimmed();
    if (!t.startsWith(u'['))
        return std::nullopt;
    const qsizetype end = t.indexOf(u']');
    if (end < 0)
        return std::nullopt;
    return t.mid(1, end - 1).trimmed();
}

// Index of the line holding the key in the section, or -1; sectionEnd receives the index after
// the section's last key line (-1 when the section is missing).
qsizetype findKey(const QStringList& lines, const QString& section, const QString& key, qsizetype* sectionEnd = nullptr)
{
    bool inSection = false;
    qsizetype end = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i])) {
            inSection = name->compare(section, Qt::CaseInsensitive) == 0;
            if (inSection)
                end = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        const QString t = lines[i].trimmed();
        if (t.isEmpty() || t.startsWith(u';'))
            continue;
        end = i + 1;
        const qsizetype eq = t.indexOf(u'=');
        if (eq >= 0 && t.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    if (sectionEnd)
        *sectionEnd = end;
    return -1;
}

QString unquote(QString value)
{
    value = value.trimmed();
    return IniFile::isQuoted(value) ? value.mid(1, value.size() - 2) : value;
}

// A pipe would block the read for ever and a device never ends, so only a regular file (after
// following links) of sane size is taken for an INI file.
bool isIniFile(const QFileInfo& info)
{
    return info.isFile() && info.size() <= IniFile::maxSize;
}

QString decode(const QByteArray& bytes)
{
    if (const auto encoding = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*encoding);
        return decoder.decode(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? Cp1250::decode(bytes) : text;
}

QStringList readLines(const QString& path)
{
    const QFileInfo info(path);
    QFile file(path);
    if (!isIniFile(info) || !file.open(QIODevice::ReadOnly))
        return {};
    QString text = decode(file.read(info.size()));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}
}

IniFile::IniFile(QString path)
    : m_path(std::move(path))
    , m_lines(readLines(m_path))
{
}

QString IniFile::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const qsizetype i = findKey(m_lines, section, key);
    if (i < 0)
        return defaultValue;
    const QString& line = m_lines[i];
    return unquote(line.mid(line.indexOf(u'=') + 1));
}

int IniFile::readInt(const QString& section, const QString& key, int defaultValue) const
{
    return parseInt(readString(section, key, QString()), defaultValue);
}

int IniFile::parseInt(const QString& text, int defaultValue)
{
    const std::optional<qint64> value = parseInteger(text);
    return value && *value >= std::numeric_limits<int>::min() && *value <= std::numeric_limits<int>::max()
        ? int(*value)
        : defaultValue;
}

std::optional<qint64> IniFile::parseInteger(const QString& text)
{
    const QString t = text.trimmed();
    bool ok = false;
    const qint64 value
        = t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? t.mid(2).toLongLong(&ok, 16) : t.toLongLong(&ok, 10);
    return ok ? std::optional(value) : std::nullopt;
}

bool IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    const QFileInfo info(m_path);
    if (info.exists() && !isIniFile(info))
        return false;
    QStringList lines = readLines(m_path);
    qsizetype sectionEnd = -1;
    const qsizetype i = findKey(lines, section, key, &sectionEnd);
    const QString entry = key + u'=' + value;
    if (i >= 0) {
        // The key keeps the spelling the file has.
        lines[i] = lines[i].left(lines[i].indexOf(u'=')).trimmed() + u'=' + value;
    } else if (sectionEnd >= 0) {
        lines.insert(sectionEnd, entry);
    } else {
        if (!lines.isEmpty() && !lines.back().trimmed().isEmpty())
            lines.append(QString());
        lines.append(u'[' + section + u']');
        lines.append(entry);
    }

    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write((lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n")).toUtf8());
    if (!file.commit())
        return false;
    m_lines = lines;
    return true;
}

bool IniFile::isQuoted(QStringView value)
{
    return value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front();
}
