#include "widgets/ShellOpen.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

bool ShellOpen::open(const QString& path)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The desktop's own opener, also where the platform plugin offers no services.
    return QProcess::startDetached(QStringLiteral("xdg-open"), {QUrl::fromLocalFile(path).toString()});
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}
