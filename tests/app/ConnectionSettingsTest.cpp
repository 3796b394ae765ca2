#include "TestFiles.h"

#include "app/ConnectionSettings.h"
#include "common/IniFile.h"

#include <QTemporaryDir>
#include <QtTest>

class ConnectionSettingsTest : public QObject {
    Q_OBJECT

private:
    QString write(const QString& lines)
    {
        return TestFiles::write(m_dir.filePath(QStringLiteral("velnor.ini")), ("[LogON]\n" + lines).toUtf8());
    }

    // The error text, or "" when the settings are taken.
    static QString refusal(const QString& path)
    {
        try {
            ConnectionSettings::read(IniFile(path));
        } catch (const std::exception& e) {
            return QString::fromUtf8(e.what());
        }
        return QString();
    }

    QTemporaryDir m_dir;

private slots:
    void readsThePort_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("refused");
        QTest::addRow("lowest") << "1" << 1 << false;
        QTest::addRow("highest") << "65535" << 65535 << false;
        QTest::addRow("zero, the default") << "0" << 0 << false;
        QTest::addRow("not a number") << "abc" << 3306 << false;
        QTest::addRow("would wrap to another port") << "100067" << 0 << true;
        QTest::addRow("just above") << "65536" << 0 << true;
        QTest::addRow("hexadecimal above") << "0x10000" << 0 << true;
        QTest::addRow("beyond int") << "4294970202" << 0 << true;
        QTest::addRow("negative") << "-1" << 0 << true;
    }
    void readsThePort()
    {
        QFETCH(QString, value);
        QFETCH(int, port);
        QFETCH(bool, refused);
        const QString path = write(QStringLiteral("SQLport=") + value + u'\n');
        if (refused) {
            QCOMPARE(refusal(path),
                QStringLiteral("Neplatný port %1 v souboru %2, klíč SQLport (povoleno 1–65535).").arg(value, path));
        } else {
            QCOMPARE(ConnectionSettings::read(IniFile(path)).server.port, port);
        }
    }

    void refusesAWorkstationNumberThatCannotNameItsTables_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("reason");
        QTest::addRow("digits") << "7"
                                << "";
        QTest::addRow("Czech letters") << u"Účtárna"_qs << "";
        QTest::addRow("longest table name") << QString(58, u'x') << "";
        QTest::addRow("outside Windows-1250") << u"五"_qs << "obsahuje znak mimo kódování Windows-1250";
        QTest::addRow("empty") << "" << u"nesmí být prázdné"_qs;
        QTest::addRow("control character") << "7\x01" << u"obsahuje řídicí znak"_qs;
        QTest::addRow("table name too long")
            << QString(59, u'x') << u"název pomocné tabulky by byl delší než 64 znaků"_qs;
    }
    void refusesAWorkstationNumberThatCannotNameItsTables()
    {
        QFETCH(QString, value);
        QFETCH(QString, reason);
        const QString path = write(QStringLiteral("CisloPC=") + value + u'\n');
        if (reason.isEmpty()) {
            QCOMPARE(ConnectionSettings::read(IniFile(path)).workstation, value);
        } else {
            QCOMPARE(refusal(path),
                u"Neplatné číslo stanice „%1“ v souboru %2, klíč CisloPC (%3)."_qs.arg(value, path, reason));
        }
    }

    void namesTheFileItRead()
    {
        const QString path = write(QStringLiteral("IP=10.0.0.5\n"));
        QCOMPARE(ConnectionSettings::read(IniFile(path)).file, path);
    }
};

QTEST_GUILESS_MAIN(ConnectionSettingsTest)
#include "ConnectionSettingsTest.moc"
