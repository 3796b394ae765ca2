#include "DatasetValues.h"
#include "ModalAnswer.h"
#include "TempAppDir.h"
#include "TestDb.h"
#include "TestFiles.h"

#include "app/Application.h"
#include "app/MainWindow.h"
#include "common/AppDir.h"
#include "common/IniFile.h"
#include "common/MessageHook.h"
#include "db/Connection.h"
#include "db/Dataset.h"
#include "db/DbError.h"
#include "db/WorkstationLock.h"
#include "grid/DatasetGrid.h"
#include "orders/OrderList.h"
#include "partners/AddressBook.h"
#include "partners/PartnerPicker.h"
#include "widgets/ErrorBox.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    void writeConnectionIni(const QString& lines)
    {
        TestFiles::write(m_appDir->filePath(QStringLiteral("Velnor.INI")), ("[LogON]\n" + lines).toUtf8());
    }

    // The lock names live on the server, which other test runs may share.
    static QString uniqueWorkstation()
    {
        return QStringLiteral("t%1").arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
    }

    static QString serverLines(const Connection::Settings& server, int port)
    {
        return QStringLiteral("IP=%1\nSQLport=%2\nUser=%3\nPassword=\"%4\"\n")
            .arg(server.host)
            .arg(port)
            .arg(server.user, server.password);
    }

    std::unique_ptr<TempAppDir> m_appDir;

private slots:
    void initTestCase() { Application::applyTheme(*qApp); }
    void init() { m_appDir = std::make_unique<TempAppDir>(); }
    void cleanup() { m_appDir.reset(); }

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
        TestDb db = TestDb::programDatabase();
        REQUIRE_TEST_DB(db);
        const QList<qint64> ids
            = db.insertRows(QStringLiteral("vorlany"), {QStringLiteral("ZAKAZKA"), QStringLiteral("NAZEVPODNI")},
                {{"T-2", u"Škoda"_qs}, {"T-1", "Zeta"}, {"T-3", u"Škoda"_qs}});
        const Connection::Settings server = TestDb::serverSettings();
        writeConnectionIni(serverLines(server, server.port) + QStringLiteral("CisloPC=") + uniqueWorkstation());
        MessageHook hook;
        Connection connection;
        MainWindow window(connection);
        window.show();
        QCOMPARE(hook.texts(), QStringList());
        const Dataset& list = window.orderList().dataset();
        QVERIFY(list.isOpen());
        QCOMPARE(window.findChild<DatasetGrid*>(QStringLiteral("DBGrid1"))->model()->rowCount(), list.rowCount());
        // Tests running at the same time may have orders of their own there.
        const QStringList listIds = DatasetValues::column(list, u"id");
        const QStringList numbers = DatasetValues::column(list, u"ZAKAZKA");
        QStringList ours;
        for (int row = 0; row < list.rowCount(); ++row) {
            if (ids.contains(listIds.at(row).toLongLong()))
                ours << numbers.at(row);
        }
        QCOMPARE(ours, QStringList({"T-2", "T-3", "T-1"}));
    }

    void isCentredOnTheScreenWhenFirstShown_data()
    {
        QTest::addColumn<bool>("fits");
        QTest::addRow("smaller than the screen") << true;
        QTest::addRow("larger than the screen") << false;
    }
    void isCentredOnTheScreenWhenFirstShown()
    {
        QFETCH(bool, fits);
        writeConnectionIni(QStringLiteral("IP=127.0.0.1\nSQLport=1\n"));
        MessageHook hook;
        Connection connection;
        MainWindow window(connection);
        const QRect screen = window.screen()->availableGeometry();
        window.resize(fits ? screen.size() / 2 : screen.size() + QSize(200, 100));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (fits) {
            QVERIFY2((window.frameGeometry().center() - screen.center()).manhattanLength() <= 2,
                qPrintable(QStringLiteral("%1,%2").arg(window.x()).arg(window.y())));
        } else {
            // Its title bar stays on the screen.
            QCOMPARE(window.frameGeometry().topLeft(), screen.topLeft());
        }
    }

    void everyInputOfTheEditPanelHasAnAccessibleName()
    {
        Connection connection;
        MainWindow window(connection);
        const auto children
            = window.findChild<QWidget*>(QStringLiteral("Panel1"))->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        int inputs = 0;
        for (QWidget* child : children) {
            if (qobject_cast<QLabel*>(child) || qobject_cast<QAbstractButton*>(child))
                continue;
            ++inputs;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(child);
            QVERIFY(accessible);
            QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(), qPrintable(child->objectName()));
        }
        QVERIFY(inputs > 0);
    }

    void refusedSettingsLeaveTheListClosed_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("portShift");
        QTest::addColumn<QString>("extraLine");
        QTest::addRow("port that wraps round to the server's") << "SQLport" << 65536 << "";
        QTest::addRow("workstation number outside Windows-1250") << "CisloPC" << 0 << u"CisloPC=五\n"_qs;
    }
    void refusedSettingsLeaveTheListClosed()
    {
        QFETCH(QString, key);
        QFETCH(int, portShift);
        QFETCH(QString, extraLine);
        TestDb db;
        REQUIRE_TEST_DB(db);
        const Connection::Settings server = TestDb::serverSettings();
        writeConnectionIni(serverLines(server, server.port + portShift) + extraLine);
        MessageHook hook;
        Connection connection;
        MainWindow window(connection);
        window.show();
        QCOMPARE(hook.shown().size(), 1);
        QCOMPARE(hook.shown().at(0).kind, QStringLiteral("error"));
        const QString text = hook.shown().at(0).text;
        QVERIFY2(text.contains(AppDir::file(ConnectionSettings::fileName())) && text.contains(u"klíč "_qs + key),
            qPrintable(text));
        QVERIFY(!connection.isOpen());
        QVERIFY(!window.orderList().dataset().isOpen());
        QCOMPARE(window.findChild<DatasetGrid*>(QStringLiteral("DBGrid1"))->model()->rowCount(), 0);
        QVERIFY(window.findChild<QWidget*>(QStringLiteral("Panel1"))->isHidden());
        QVERIFY(window.isVisible());
        // Later commands do not fall back to a default server either.
        QVERIFY_THROWS_EXCEPTION(DbError, connection.open());
        QVERIFY(!connection.isOpen());
    }

    void warnsWhenAnotherStationWorksUnderTheSameNumber()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        Connection::Settings server = TestDb::serverSettings();
        const QString workstation = uniqueWorkstation();
        writeConnectionIni(serverLines(server, server.port) + QStringLiteral("CisloPC=") + workstation);
        server.database = Connection::Settings().database;
        Connection otherStation(server);
        QCOMPARE(WorkstationLock(otherStation, workstation).take(), WorkstationLock::Result::Held);

        MessageHook hook;
        Connection connection;
        MainWindow window(connection);
        window.show();
        QCOMPARE(hook.shown().size(), 1);
        QCOMPARE(hook.shown().at(0).kind, QStringLiteral("message"));
        QCOMPARE(hook.shown().at(0).title, ErrorBox::title());
        QCOMPARE(hook.shown().at(0).text,
            u"Číslo stanice CisloPC=%1 už používá jiná připojená stanice. Současné úpravy se mohou navzájem "
            u"přepsat; nastavte v souboru %2 každé stanici jiné číslo."_qs.arg(
                workstation, AppDir::file(ConnectionSettings::fileName())));
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

    void folderButtonsActOnTheListsCurrentOrder()
    {
        TestDb db = TestDb::programDatabase();
        REQUIRE_TEST_DB(db);
        const QString number = uniqueWorkstation();
        const QList<qint64> ids
            = db.insertRows(QStringLiteral("vorlany"), {QStringLiteral("ZAKAZKA")}, {{number + "-1"}, {number + "-2"}});
        const Connection::Settings server = TestDb::serverSettings();
        writeConnectionIni(serverLines(server, server.port) + QStringLiteral("CisloPC=") + uniqueWorkstation());
        QTemporaryDir files;
        const QString chosenFolder = files.filePath(QStringLiteral("zakazky/") + number + "-2");
        QVERIFY(QDir().mkpath(files.filePath(QStringLiteral("zakazky/") + number + "-1")));
        QVERIFY(QDir().mkpath(chosenFolder));
        const QString source = TestFiles::write(files.filePath(QStringLiteral("list.txt")), "obsah");
        const auto restoreCurrentDirectory = qScopeGuard([cwd = QDir::currentPath()] { QDir::setCurrent(cwd); });

        MessageHook hook;
        Connection connection;
        MainWindow window(connection);
        window.show();
        window.findChild<QWidget*>(QStringLiteral("DirectoryEdit1"))
            ->findChild<QLineEdit*>()
            ->setText(files.filePath(QStringLiteral("zakazky")));
        Dataset& list = window.orderList().dataset();
        list.setCurrentRow(int(DatasetValues::column(list, u"id").indexOf(QString::number(ids.at(1)))));
        QCOMPARE(window.orderList().currentOrderNumber(), number + "-2");

        {
            const ModalAnswer answer([&](QWidget* modal) {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                QVERIFY(dialog);
                dialog->selectFile(source);
                static_cast<QDialog*>(dialog)->accept(); // QFileDialog checks the choice
            });
            QTest::mouseClick(window.findChild<QAbstractButton*>(QStringLiteral("suiButton6")), Qt::LeftButton);
            QVERIFY(answer.succeeded());
        }
        QCOMPARE(TestFiles::read(chosenFolder + QStringLiteral("/list.txt")), QByteArray("obsah"));
        QCOMPARE(hook.texts(), QStringList({u"soubor přenesen"_qs}));
        QCOMPARE(QFileInfo(QDir::currentPath()).canonicalFilePath(), QFileInfo(AppDir::path()).canonicalFilePath());

        const ModalAnswer answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->directory().canonicalPath(), QFileInfo(chosenFolder).canonicalFilePath());
        });
        QTest::mouseClick(window.findChild<QAbstractButton*>(QStringLiteral("suiButton5")), Qt::LeftButton);
        QVERIFY(answer.succeeded());
        QCOMPARE(hook.texts().size(), 1);
    }

    void aPartnerAddedMeanwhileShowsInThePickerFromTheNextOrderEdit()
    {
        TestDb db = TestDb::programDatabase();
        REQUIRE_TEST_DB(db);
        const QString ico = uniqueWorkstation();
        const Connection::Settings server = TestDb::serverSettings();
        writeConnectionIni(serverLines(server, server.port) + QStringLiteral("CisloPC=") + uniqueWorkstation());
        MessageHook hook;
        Connection connection;
        MainWindow window(connection);
        window.show();
        auto button = [&](const char* name) { return window.findChild<QAbstractButton*>(QLatin1String(name)); };
        auto pickerShows = [&] {
            bool shown = false;
            const ModalAnswer answer([&](QWidget*) {
                shown = DatasetValues::column(window.partnerPicker().partners(), u"ICO").contains(ico);
            });
            QTest::mouseClick(button("Button6"), Qt::LeftButton);
            return answer.succeeded() && shown;
        };

        QTest::mouseClick(button("Button2"), Qt::LeftButton);
        QVERIFY(!pickerShows());
        db.insertRows(QStringLiteral("adresar"), {QStringLiteral("ICO")}, {{ico}});
        // Within one edit the picker keeps the rows it read.
        QVERIFY(!pickerShows());
        QTest::mouseClick(button("Button5"), Qt::LeftButton);
        QTest::mouseClick(button("Button2"), Qt::LeftButton);
        QVERIFY(pickerShows());
        QCOMPARE(hook.texts(), QStringList());
    }

    void anOrderAddedWithAPartnerFromThePickerBecomesCurrent()
    {
        TestDb db = TestDb::programDatabase();
        REQUIRE_TEST_DB(db);
        const QString number = uniqueWorkstation();
        db.insertRows(QStringLiteral("adresar"), {QStringLiteral("ICO"), QStringLiteral("NAZEVPODNI")},
            {{number, u"Šťastný s.r.o."_qs}});
        const auto removeOrder
            = qScopeGuard([&] { db.exec(QStringLiteral("delete from vorlany where ZAKAZKA = '%1'").arg(number)); });
        const Connection::Settings server = TestDb::serverSettings();
        writeConnectionIni(serverLines(server, server.port) + QStringLiteral("CisloPC=") + uniqueWorkstation());
        MessageHook hook;
        Connection connection;
        MainWindow window(connection);
        window.show();
        QTest::mouseClick(window.findChild<QAbstractButton*>(QStringLiteral("Button2")), Qt::LeftButton);
        window.findChild<QLineEdit*>(QStringLiteral("DBEdit10"))->setText(number);
        {
            const ModalAnswer answer([&](QWidget* modal) {
                QCOMPARE(modal, &window.partnerPicker());
                QVERIFY(QTest::qWaitForWindowActive(modal));
                Dataset& partners = window.partnerPicker().partners();
                partners.setCurrentRow(int(DatasetValues::column(partners, u"ICO").indexOf(number)));
                QTest::keyClick(modal, Qt::Key_Return);
            });
            QTest::mouseClick(window.findChild<QAbstractButton*>(QStringLiteral("Button6")), Qt::LeftButton);
            QVERIFY(answer.succeeded());
        }
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("EditICO"))->text(), number);
        QTest::mouseClick(window.findChild<QAbstractButton*>(QStringLiteral("Button4")), Qt::LeftButton);
        QCOMPARE(hook.texts(), QStringList());
        QCOMPARE(window.orderList().currentOrderNumber(), number);
        QCOMPARE(
            db.scalar(
                QStringLiteral("select concat(ICO, '|', NAZEVPODNI) from vorlany where ZAKAZKA = '%1'").arg(number)),
            number + u"|Šťastný s.r.o."_qs);
        QVERIFY(!window.partnerPicker().partners().isOpen());
    }
    void addressBookOpensForTheWorkstationAndGoesWhenClosed()
    {
        TestDb db = TestDb::programDatabase();
        REQUIRE_TEST_DB(db);
        const QString number = uniqueWorkstation();
        const QString scratch = QStringLiteral("tmp") + number + QStringLiteral("adr");
        const auto scratchExists = [&] {
            return db.scalar(QStringLiteral("select count(*) from information_schema.tables where table_schema = "
                                            "database() and table_name = '%1'")
                                 .arg(scratch))
                == u"1";
        };
        const Connection::Settings server = TestDb::serverSettings();
        writeConnectionIni(serverLines(server, server.port) + QStringLiteral("CisloPC=") + number);
        MessageHook hook;
        Connection connection;
        MainWindow window(connection);
        window.show();
        const ModalAnswer answer([&](QWidget* modal) {
            auto* book = qobject_cast<AddressBook*>(modal);
            QVERIFY(book);
            QCOMPARE(book->parentWidget(), &window);
            QVERIFY(book->partners().isOpen());
            QTest::mouseClick(modal->findChild<QAbstractButton*>(QStringLiteral("Button2")), Qt::LeftButton);
            QVERIFY(scratchExists());
            QTest::mouseClick(modal->findChild<QAbstractButton*>(QStringLiteral("Button1")), Qt::LeftButton);
        });
        window.findChild<QAction*>(QStringLiteral("Adresar1"))->trigger();
        QVERIFY(answer.succeeded());
        QCOMPARE(hook.texts(), QStringList());
        QVERIFY(!scratchExists());
        QVERIFY(!window.findChild<QDialog*>(QStringLiteral("TFadre")));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
