#include "common/LogFile.h"

#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QtTest>

Q_LOGGING_CATEGORY(lcTest, "vorlany.test")

class LogFileTest : public QObject {
    Q_OBJECT

private slots:
    void messagesReachTheFileAndItStartsAfreshWhenLarge()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log/vorlany.log"));
        LogFile::install(path);
        qCWarning(lcTest) << "error 1146 in statement: select * from neni";
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY2(text.contains(QLatin1String("warning vorlany.test: error 1146 in statement: select * from neni")),
            qPrintable(text));
        file.close();

        QVERIFY(file.open(QIODevice::Append));
        file.write(QByteArray(1100 * 1024, 'x'));
        file.close();
        qCWarning(lcTest) << "after";
        QVERIFY(QFileInfo(path).size() < 1024);
        QVERIFY(QFileInfo::exists(path + QStringLiteral(".1")));
        qInstallMessageHandler(nullptr);
    }
};

QTEST_GUILESS_MAIN(LogFileTest)
#include "LogFileTest.moc"
