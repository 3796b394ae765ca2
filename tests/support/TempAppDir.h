#pragma once

#include <QTemporaryDir>

// A temporary folder that is the application directory while the object lives; afterwards the
// program's own directory is the application directory again.
class TempAppDir {
public:
    TempAppDir();
    ~TempAppDir();
    TempAppDir(const TempAppDir&) = delete;
    TempAppDir& operator=(const TempAppDir&) = delete;

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};
