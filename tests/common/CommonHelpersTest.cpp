#include "ShellOpenRecorder.h"
#include "TempAppDir.h"

#include "TestFiles.h"

#include "common/AppDir.h"
#include "common/FileCopy.h"
#include "common/Process.h"
#include "widgets/ErrorBox.h"
#include "widgets/ShellOpen.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

class CommonHelpersTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void errorBoxText_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::addRow("letter") << "SQL Error: gone"
                                << "SQL Error: gone.";
        QTest::addRow("digit") << "Error 42"
                               << "Error 42.";
        QTest::addRow("full stop") << "Done."
                                   << "Done.";
        QTest::addRow("closing parenthesis") << "Failed (x)"
                                             << "Failed (x)";
        QTest::addRow("exclamation mark") << "Stop!"
                                          << "Stop!";
        QTest::addRow("empty") << ""
                               << "";
    }
    void errorBoxText()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(ErrorBox::textFor(message), shown);
    }

    void applicationDirectoryFindsFilesWithoutRegardToCase()
    {
        {
            const TempAppDir dir;
            QVERIFY(AppDir::path().endsWith(u'/'));
            TestFiles::write(dir.filePath(QStringLiteral("Vorlany.ini")), "x");
            QCOMPARE(AppDir::file(QStringLiteral("vorlany.INI")), dir.filePath(QStringLiteral("Vorlany.ini")));
            QCOMPARE(AppDir::file(QStringLiteral("velnor.ini")), dir.filePath(QStringLiteral("velnor.ini")));
        }
        QCOMPARE(AppDir::path(), QCoreApplication::applicationDirPath() + u'/');
        QCOMPARE(AppDir::appendSeparator(QStringLiteral("/data")), QStringLiteral("/data/"));
        QCOMPARE(AppDir::appendSeparator(QStringLiteral("/data/")), QStringLiteral("/data/"));
    }

    void copyKeepsContentAndDate()
    {
        const QString source = m_dir.filePath(QStringLiteral("source.bin"));
        QByteArray content;
        for (int i = 0; i < 40000; ++i) // more than two blocks
            content.append(char(i * 7));
        TestFiles::write(source, content);
        const QDateTime stamp
            = QDateTime::currentDateTime().addDays(-3).addMSecs(-QDateTime::currentDateTime().time().msec());
        {
            QFile f(source);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(stamp, QFileDevice::FileModificationTime));
        }
        const QString destination = m_dir.filePath(QStringLiteral("copy.bin"));
        TestFiles::write(destination, QByteArray(100000, 'x')); // replaced, not appended to

        QVERIFY(FileCopy::copyKeepingDate(source, destination));
        QCOMPARE(TestFiles::read(destination), content);
        QCOMPARE(QFileInfo(destination).lastModified(), stamp);
    }

    void copyFromAMissingSourceCreatesNothing()
    {
        const QString destination = m_dir.filePath(QStringLiteral("never.bin"));
        QVERIFY(!FileCopy::copyKeepingDate(m_dir.filePath(QStringLiteral("missing")), destination));
        QVERIFY(!QFile::exists(destination));
    }

    void copyOntoItselfKeepsTheFile()
    {
        const QString file = TestFiles::write(m_dir.filePath(QStringLiteral("same.bin")), "content");
        QVERIFY(FileCopy::copyKeepingDate(file, m_dir.path() + QStringLiteral("/./same.bin")));
        QCOMPARE(TestFiles::read(file), QByteArray("content"));
    }

    void runWaitsForTheProgram()
    {
        const QString marker = m_dir.filePath(QStringLiteral("ran"));
        QVERIFY(Process::run(QStringLiteral("sh -c \"sleep 0.2; echo done > '%1'\"").arg(marker),
            Process::Wait::UntilEnded, Process::Window::Hidden));
        QCOMPARE(TestFiles::read(marker), QByteArray("done\n"));
        QVERIFY(!Process::run(QStringLiteral("/no/such/program"), Process::Wait::UntilEnded));
        QVERIFY(!Process::run(QStringLiteral("/no/such/program"), Process::Wait::No));
    }

    void shellOpenHandsTheFileToTheDesktop()
    {
        const ShellOpenRecorder desktop;
        const QString document
            = m_dir.filePath(QStringLiteral("dlouhý název dokumentu %1.pdf").arg(QString(200, u'x')));
        TestFiles::write(document, "%PDF");
        QVERIFY(ShellOpen::open(document));
        QTRY_COMPARE(desktop.opened(), document);
    }
};

QTEST_MAIN(CommonHelpersTest)
#include "CommonHelpersTest.moc"
