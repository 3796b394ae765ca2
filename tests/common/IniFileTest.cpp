#include "TestFiles.h"

#include "common/Cp1250.h"
#include "common/IniFile.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {
QByteArray withBom(QStringConverter::Encoding encoding, const QString& text)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}
}

class IniFileTest : public QObject {
    Q_OBJECT

private:
    QString write(const QByteArray& content)
    {
        return TestFiles::write(m_dir.filePath(QStringLiteral("test.ini")), content);
    }

    QTemporaryDir m_dir;

private slots:
    void readsByProfileRules_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        const QByteArray ini = "; comment\r\n[Other]\r\nIP=wrong\r\n[logon]\r\n ip = 10.0.0.5 \r\nUser=\"admin\"\r\n"
                               "Password='x y'\r\nHalf=\"open\r\nEmpty=\r\n";
        QTest::addRow("section and key without regard to case, trimmed") << ini << "IP"
                                                                         << "10.0.0.5";
        QTest::addRow("double quotes dropped") << ini << "user"
                                               << "admin";
        QTest::addRow("single quotes dropped") << ini << "Password"
                                               << "x y";
        QTest::addRow("unmatched quote kept") << ini << "Half"
                                              << "\"open";
        QTest::addRow("empty value") << ini << "Empty"
                                     << "";
        QTest::addRow("missing key gives default") << ini << "CisloPC"
                                                   << "default";
        QTest::addRow("missing section gives default") << QByteArray("[Else]\nIP=1\n") << "IP"
                                                       << "default";
        QTest::addRow("garbage gives default") << QByteArray("\xff\xfe\x00garbage[[[=\n") << "IP"
                                               << "default";
        QTest::addRow("not UTF-8 reads as Windows-1250")
            << Cp1250::encode(u"[LogON]\nUser=Šťáva\n"_qs) << "User" << u"Šťáva"_qs;
        const QString notepad = u"[LogON]\r\nIP=10.0.0.5\r\nUser=Šťáva\r\n"_qs;
        QTest::addRow("UTF-16 LE with byte-order mark")
            << withBom(QStringConverter::Utf16LE, notepad) << "User" << u"Šťáva"_qs;
        QTest::addRow("UTF-16 BE with byte-order mark")
            << withBom(QStringConverter::Utf16BE, notepad) << "User" << u"Šťáva"_qs;
        QTest::addRow("UTF-8 with byte-order mark and a bad byte elsewhere")
            << withBom(QStringConverter::Utf8, notepad) + "; \xff\r\n"
            << "User" << u"Šťáva"_qs;
        QTest::addRow("CR alone ends lines") << QByteArray("[Other]\rUser=wrong\r[LogON]\rIP=1\rUser=admin\r") << "User"
                                             << "admin";
    }
    void readsByProfileRules()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(IniFile(write(content)).readString(QStringLiteral("LogON"), key, QStringLiteral("default")), expected);
    }

    void readsIntegers_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("expected");
        QTest::addRow("decimal") << "3310" << 3310;
        QTest::addRow("hexadecimal") << "0x0CEB" << 3307;
        QTest::addRow("quoted") << "\"3311\"" << 3311;
        QTest::addRow("not a number") << "abc" << 3306;
        QTest::addRow("trailing garbage") << "33x" << 3306;
        QTest::addRow("empty") << "" << 3306;
    }
    void readsIntegers()
    {
        QFETCH(QString, value);
        QFETCH(int, expected);
        const QString path = write("[LogON]\nSQLport=" + value.toUtf8() + "\n");
        QCOMPARE(IniFile(path).readInt(QStringLiteral("LogON"), QStringLiteral("SQLport"), 3306), expected);
    }

    void missingFileGivesDefaults()
    {
        const IniFile ini(m_dir.filePath(QStringLiteral("none.ini")));
        QCOMPARE(ini.readString(QStringLiteral("LogON"), QStringLiteral("IP"), QStringLiteral("localhost")),
            QStringLiteral("localhost"));
        QCOMPARE(ini.readInt(QStringLiteral("LogON"), QStringLiteral("SQLport"), 3306), 3306);
    }

    void readsTheFileOnce()
    {
        const QString path = write("[LogON]\nIP=first\n");
        IniFile ini(path);
        write("[LogON]\nIP=second\nUser=admin\n");
        QCOMPARE(ini.readString(QStringLiteral("LogON"), QStringLiteral("IP")), QStringLiteral("first"));
        QCOMPARE(ini.readString(QStringLiteral("LogON"), QStringLiteral("User")), QString());

        QVERIFY(ini.writeString(QStringLiteral("LogON"), QStringLiteral("Password"), QStringLiteral("x")));
        QCOMPARE(ini.readString(QStringLiteral("LogON"), QStringLiteral("User")), QStringLiteral("admin"));
        QCOMPARE(IniFile(path).readString(QStringLiteral("LogON"), QStringLiteral("Password")), QStringLiteral("x"));
    }

    void onlyARegularFileOfSaneSizeCounts_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addRow("named pipe") << "pipe";
        QTest::addRow("link to a device") << "device";
        QTest::addRow("larger than the limit") << "large";
    }
    void onlyARegularFileOfSaneSizeCounts()
    {
        QFETCH(QString, kind);
        const QString path = m_dir.filePath(kind + QStringLiteral(".ini"));
        if (kind == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == QLatin1String("device")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[LogON]\nIP=10.0.0.5\n");
            QVERIFY(file.resize(IniFile::maxSize + 1));
        }
        IniFile ini(path);
        QCOMPARE(ini.readString(QStringLiteral("LogON"), QStringLiteral("IP"), QStringLiteral("default")),
            QStringLiteral("default"));
        QVERIFY(!ini.writeString(QStringLiteral("LogON"), QStringLiteral("IP"), QStringLiteral("x")));
    }

    void writingANotepadFileKeepsItsContent()
    {
        const QString path = write(withBom(QStringConverter::Utf16LE, u"[TForm1]\r\nA=Šťáva\r\n"_qs));
        QVERIFY(IniFile(path).writeString(QStringLiteral("TForm1"), QStringLiteral("B"), QStringLiteral("2")));
        const IniFile ini(path);
        QCOMPARE(ini.readString(QStringLiteral("TForm1"), QStringLiteral("A")), u"Šťáva"_qs);
        QCOMPARE(ini.readString(QStringLiteral("TForm1"), QStringLiteral("B")), QStringLiteral("2"));
    }

    void writeKeepsTheRestOfTheFile()
    {
        const QString path = write("; kept\n[TForm1]\nFormVersion=0\nOther=1\n[Tsken]\nA=2\n");
        IniFile ini(path);
        QVERIFY(ini.writeString(QStringLiteral("tform1"), QStringLiteral("formversion"), QStringLiteral("0")));
        QVERIFY(ini.writeString(QStringLiteral("TForm1"), QStringLiteral("DirectoryEdit1_Text"), u"/data/zakázky"_qs));
        QVERIFY(ini.writeString(QStringLiteral("New"), QStringLiteral("K"), QStringLiteral("v")));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n")),
            QStringList({"; kept", "[TForm1]", "FormVersion=0", "Other=1", u"DirectoryEdit1_Text=/data/zakázky"_qs,
                "[Tsken]", "A=2", "", "[New]", "K=v", ""}));
    }

    void writeToAnUnwritablePlaceFails()
    {
        QVERIFY(!IniFile(m_dir.filePath(QStringLiteral("no/such/dir/x.ini")))
                     .writeString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v")));
    }
};

QTEST_GUILESS_MAIN(IniFileTest)
#include "IniFileTest.moc"
