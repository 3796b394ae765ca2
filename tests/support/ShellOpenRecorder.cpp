#include "ShellOpenRecorder.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QUrl>

ShellOpenRecorder::ShellOpenRecorder()
{
    const QString program = m_dir.filePath(QStringLiteral("xdg-open"));
    // Written to a side file and renamed, so that a reader never sees half a name.
    TestFiles::write(program,
        QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1.part' && mv '%1.part' '%1'\n")
            .arg(m_dir.filePath(QStringLiteral("opened")))
            .toUtf8());
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_path = std::make_unique<ScopedEnv>("PATH", (m_dir.path() + u':' + qEnvironmentVariable("PATH")).toUtf8());
}

QString ShellOpenRecorder::opened() const
{
    return QUrl(QString::fromUtf8(TestFiles::read(m_dir.filePath(QStringLiteral("opened"))))).toLocalFile();
}
