#pragma once

#include "ScopedEnv.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

// While the object lives, an xdg-open stand-in comes first on PATH and records what the program
// asked the desktop to open.
class ShellOpenRecorder {
public:
    ShellOpenRecorder();
    ShellOpenRecorder(const ShellOpenRecorder&) = delete;
    ShellOpenRecorder& operator=(const ShellOpenRecorder&) = delete;

    // The local path of the last document opened, empty while none was. The stand-in runs
    // detached: wait for it with QTRY_COMPARE.
    QString opened() const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ScopedEnv> m_path;
};
