#include "common/IniFile.h"

#include "common/Cp1250.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <optional>

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
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}
}

IniFile::IniFile(QString path)
    : m_path(std::move(path))
{
}

QStringList IniFile::readLines() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = Cp1250::decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const QStringList lines = readLines();
    const qsizetype i = findKey(lines, section, key);
    if (i < 0)
        return defaultValue;
    const QString& line = lines[i];
    return unquote(line.mid(line.indexOf(u'=') + 1));
}

int IniFile::readInt(const QString& section, const QString& key, int defaultValue) const
{
    return parseInt(readString(section, key, QString()), defaultValue);
}

int IniFile::parseInt(const QString& text, int defaultValue)
{
    const QString t = text.trimmed();
    bool ok = false;
    int value = 0;
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = t.mid(2).toInt(&ok, 16);
    else
        value = t.toInt(&ok, 10);
    return ok ? value : defaultValue;
}

bool IniFile::writeString(const QString& section, const QString& key, const QString& value) const
{
    QStringList lines = readLines();
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
    return file.commit();
}
