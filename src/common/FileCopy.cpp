#include "common/FileCopy.h"

#include <QFile>
#include <QFileInfo>

bool FileCopy::copyKeepingDate(const QString& source, const QString& destination)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    // Replacing a file with itself would empty it before its first block is read.
    const QString sourcePath = QFileInfo(source).canonicalFilePath();
    if (sourcePath == QFileInfo(destination).canonicalFilePath())
        return true;
    QFile out(destination);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;

    constexpr qint64 blockSize = 16384;
    char block[blockSize];
    bool complete = true;
    for (;;) {
        const qint64 read = in.read(block, blockSize);
        if (read < 0) {
            complete = false;
            break;
        }
        if (read == 0)
            break;
        if (out.write(block, read) != read) {
            complete = false;
            break;
        }
    }
    // The time goes on after the last byte is flushed, or the flush would overwrite it.
    complete = out.flush() && complete;
    out.setFileTime(QFileInfo(in).lastModified(), QFileDevice::FileModificationTime);
    return complete;
}
