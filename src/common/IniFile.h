#pragma once

#include <QString>
#include <QStringList>

// An INI file read and written by the classic profile rules: section and key names match without
// regard to case, a value in a matching pair of quotes reads without them, an integer is decimal
// or "0x" hexadecimal or else the default. Every call reads the file afresh; a write keeps the
// rest of the file as it was. Files are written as UTF-8; a file that is not valid UTF-8 is read
// as Windows-1250.
class IniFile {
public:
    explicit IniFile(QString path);

    const QString& path() const { return m_path; }

    QString readString(const QString& section, const QString& key, const QString& defaultValue = {}) const;
    int readInt(const QString& section, const QString& key, int defaultValue) const;
    // False when the file cannot be written.
    bool writeString(const QString& section, const QString& key, const QString& value) const;

    // The integer rule alone, for values that come from elsewhere.
    static int parseInt(const QString& text, int defaultValue);

private:
    QStringList readLines() const;

    QString m_path;
};
