#include "TestDb.h"

#include "app/Application.h"
#include "app/MainWindow.h"
#include "common/AppDir.h"
#include "common/IniFile.h"
#include "common/MessageHook.h"
#include "db/Connection.h"
#include "db/Dataset.h"
#include "grid/DatasetGrid.h"
#include "orders/OrderList.h"

#include <QAction>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    void writeConnectionIni(const QString& lines)
    {
        QFile file(m_dir->filePath(QStringLiteral("Velnor.INI")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(("[LogON]\n" + lines).toUtf8());
    }

    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void initTestCase() { Application::applyTheme(*qApp); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        AppDir::setOverride(m_dir->path());
    }

    void qtsOwnDialogTextsAreCzech()
    {
        QVERIFY(Application::installCzechTexts(*qApp));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Zrušit"_qs);
    }

    void versionCheckModes_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("menuItemShown");
        QTest::addRow("A") << "testovatVerzi=A\n" << true;
        QTest::addRow("X") << "testovatVerzi=X\n" << false;
        QTest::addRow("lower-case x") << "testovatVerzi=x\n" << true;
        QTest::addRow("lower-case a") << "testovatVerzi=a\n" << true;
        QTest::addRow("empty") << "testovatVerzi=\n" << true;
        QTest::addRow("missing") << "" << true;
    }
    void versionCheckModes()
    {
        QFETCH(QString, line);
        QFETCH(bool, menuItemShown);
        writeConnectionIni(QStringLiteral("IP=127.0.0.1\nSQLport=1\n") + line);
        MessageHook hook;
        Connection connection;
        MainWindow window(connection);
        window.start();
        QCOMPARE(window.findChild<QAction*>(QStringLiteral("Kontrolaverze1"))->isVisible(), menuItemShown);
    }

    void withoutConnectionIniUsesTheDefaults()
    {
        MessageHook hook;
        Connection connection;
        MainWindow window(connection);
        window.start();
        QCOMPARE(connection.settings().host, QStringLiteral("localhost"));
        QCOMPARE(connection.settings().port, 3306);
        QCOMPARE(connection.settings().user, QStringLiteral("root"));
        QCOMPARE(connection.settings().password, QString());
        QCOMPARE(connection.settings().database, QStringLiteral("velnor"));
        QCOMPARE(window.settings().workstation, QStringLiteral("00"));
        QCOMPARE(window.settings().versionCheckMode, QStringLiteral("A"));
    }

    void serverDownShowsTheErrorAndAnEmptyList()
    {
        writeConnectionIni(QStringLiteral("IP=127.0.0.1\nSQLport=0x0001\nCisloPC=7\n"));
        MessageHook hook;
        Connection connection;
        MainWindow window(connection);
        window.show();
        QCOMPARE(connection.settings().port, 1);
        QCOMPARE(window.settings().workstation, QStringLiteral("7"));
        QCOMPARE(hook.shown().size(), 1);
        QCOMPARE(hook.shown().at(0).kind, QStringLiteral("error"));
        QVERIFY2(hook.shown().at(0).text.startsWith(QLatin1String("SQL Error: ")), qPrintable(hook.shown().at(0).text));
        QCOMPARE(window.findChild<DatasetGrid*>(QStringLiteral("DBGrid1"))->model()->rowCount(), 0);
        QVERIFY(window.findChild<QWidget*>(QStringLiteral("Panel1"))->isHidden());
        QVERIFY(window.isVisible());
    }

    void opensTheOrderListOfTheConfiguredServer()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        const Connection::Settings server = TestDb::serverSettings();
        writeConnectionIni(QStringLiteral("IP=%1\nSQLport=%2\nUser=%3\nPassword=\"%4\"\n")
                               .arg(server.host)
                               .arg(server.port)
                               .arg(server.user, server.password));
        MessageHook hook;
        Connection connection;
        MainWindow window(connection);
        window.show();
        QCOMPARE(hook.texts(), QStringList());
        QCOMPARE(window.findChild<DatasetGrid*>(QStringLiteral("DBGrid1"))->model()->rowCount(),
            db.scalar(QStringLiteral("select count(*) from velnor.vorlany")).toInt());
        QVERIFY(window.orderList().dataset().isOpen());
    }

    void closingKeepsTheBaseFolder()
    {
        writeConnectionIni(QStringLiteral("IP=127.0.0.1\nSQLport=1\n"));
        MessageHook hook;
        {
            Connection connection;
            MainWindow window(connection);
            window.show();
            window.findChild<QWidget*>(QStringLiteral("DirectoryEdit1"))
                ->findChild<QLineEdit*>()
                ->setText(u"  /srv/zakázky  "_qs);
            QVERIFY(window.close());
        }
        const IniFile state(AppDir::file(AppDir::programName() + QStringLiteral(".ini")));
        QCOMPARE(state.readString(QStringLiteral("TForm1"), QStringLiteral("FormVersion")), QStringLiteral("0"));
        QCOMPARE(state.readString(QStringLiteral("TForm1"), QStringLiteral("DirectoryEdit1_Text")), u"/srv/zakázky"_qs);

        Connection connection;
        MainWindow window(connection);
        window.start();
        QCOMPARE(window.findChild<QWidget*>(QStringLiteral("DirectoryEdit1"))->findChild<QLineEdit*>()->text(),
            u"/srv/zakázky"_qs);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
