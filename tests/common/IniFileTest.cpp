#include "common/IniFile.h"
#include "common/Cp1250.h"

#include <QTemporaryDir>
#include <QtTest>

class IniFileTest : public QObject {
    Q_OBJECT

private:
    QString write(const QByteArray& content)
    {
        const QString path = m_dir.filePath(QStringLiteral("test.ini"));
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(content);
        return path;
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

    void writeKeepsTheRestOfTheFile()
    {
        const QString path = write("; kept\n[TForm1]\nFormVersion=0\nOther=1\n[Tsken]\nA=2\n");
        const IniFile ini(path);
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
