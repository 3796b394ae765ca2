#include "common/LogFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
constexpr qint64 kMaxSize = 1024 * 1024;

QString& logPath()
{
    static QString path;
    return path;
}

QtMessageHandler& previousHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

const char* kindOf(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return "debug";
    case QtInfoMsg:
        return "info";
    case QtWarningMsg:
        return "warning";
    case QtCriticalMsg:
        return "critical";
    case QtFatalMsg:
        return "fatal";
    }
    return "?";
}

void writeToFile(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const QString& path = logPath();
    if (QFileInfo(path).size() > kMaxSize) {
        QFile::remove(path + QStringLiteral(".1"));
        QFile::rename(path, path + QStringLiteral(".1"));
    }
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        const QString line = QStringLiteral("%1 %2 %3: %4\n")
                                 .arg(QDateTime::currentDateTime().toString(Qt::ISODate), QLatin1String(kindOf(type)),
                                     QLatin1String(context.category ? context.category : "default"), message);
        file.write(line.toUtf8());
    }
    if (previousHandler())
        previousHandler()(type, context, message);
}
}

void LogFile::install(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    logPath() = path;
    const QtMessageHandler previous = qInstallMessageHandler(writeToFile);
    if (previous != writeToFile)
        previousHandler() = previous;
}
