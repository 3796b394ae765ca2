#include "common/Process.h"

#include <QProcess>

bool Process::run(const QString& commandLine, Wait wait, Window)
{
    // A desktop here has no per-process "hidden window" request; the argument stays for callers'
    // intent and for platforms that have one.
    QStringList arguments = QProcess::splitCommand(commandLine);
    if (arguments.isEmpty())
        return false;
    const QString program = arguments.takeFirst();
    if (wait == Wait::No)
        return QProcess::startDetached(program, arguments);

    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start(program, arguments);
    if (!process.waitForStarted(-1))
        return false;
    process.waitForFinished(-1);
    return true;
}
