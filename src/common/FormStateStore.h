#pragma once

#include <QString>

// A window's values kept between runs in an INI file: by default the form-state file
// (<program>.INI in the application directory), in a section named after the window's class.
// File and section can be switched for one access; empty means the default again.
// Stored values are trimmed, and a value that begins and ends with the same quote character is
// wrapped in one more pair of double quotes so that it reads back unchanged.
class FormStateStore {
public:
    explicit FormStateStore(QString windowClass);

    void setFile(const QString& path) { m_file = path; }
    void setSection(const QString& section) { m_section = section; }
    QString filePath() const;
    QString section() const;

    QString readString(const QString& key, const QString& defaultValue = {}) const;
    int readInt(const QString& key, int defaultValue) const;
    // Throws "Unable to write to <file>" when the file cannot be written.
    void writeString(const QString& key, const QString& value) const;

    // A control value: the trimmed text, "" when missing.
    QString restoreValue(const QString& key) const;
    // Writes "FormVersion" and the control values into the window's section; throws as writeString.
    void saveValues(const QList<std::pair<QString, QString>>& values) const;

private:
    QString m_windowClass;
    QString m_file;
    QString m_section;
};
