#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// An INI file read and written by the classic profile rules: section and key names match without
// regard to case, a value in a matching pair of quotes reads without them, an integer is decimal
// or "0x" hexadecimal or else the default. The file is read once, when the object is made, and
// every read answers from that content; a write reads the file afresh, so it keeps what others
// wrote meanwhile. Only a regular file of at most maxSize bytes counts: anything else (a pipe, a
// device, a huge file) reads as missing and is never overwritten.
// Reading follows a byte-order mark (UTF-8, UTF-16 as Notepad writes "Unicode"); without one a
// file is UTF-8, or Windows-1250 when it is not valid UTF-8. Lines end in CR LF, LF or CR alone.
// Files are written as UTF-8 with CR LF.
class IniFile {
public:
    static constexpr qint64 maxSize = 16 * 1024 * 1024;

    explicit IniFile(QString path);

    const QString& path() const { return m_path; }

    QString readString(const QString& section, const QString& key, const QString& defaultValue = {}) const;
    int readInt(const QString& section, const QString& key, int defaultValue) const;
    // False when the file cannot be written.
    bool writeString(const QString& section, const QString& key, const QString& value);

    // The integer rule alone, for values that come from elsewhere.
    static int parseInt(const QString& text, int defaultValue);
    // A value in a matching pair of single or double quotes, which a read gives without them.
    static bool isQuoted(QStringView value);
    // The same rule without the range of int; nullopt when the text is not a number.
    static std::optional<qint64> parseInteger(const QString& text);

private:
    QString m_path;
    QStringList m_lines;
};
