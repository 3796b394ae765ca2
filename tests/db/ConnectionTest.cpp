#include "TestDb.h"

#include "db/Connection.h"
#include "db/Dataset.h"
#include "db/DbError.h"
#include "db/Statement.h"
#include "db/Transaction.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QtTest>

class ConnectionTest : public QObject {
    Q_OBJECT

private:
    static QString errorOf(const std::function<void()>& action)
    {
        try {
            action();
        } catch (const DbError& e) {
            return e.message();
        }
        return {};
    }

    static void kill(TestDb& db, Connection& connection)
    {
        Statement id(connection, QStringLiteral("select connection_id()"));
        id.execute();
        QVERIFY(id.next());
        db.exec(QStringLiteral("KILL ") + id.value(0).toString());
    }

private slots:
    void failedConnectIsReportedAndTriedAgain()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        Connection::Settings wrong = db.settings();
        wrong.port = 1;
        Connection connection(wrong);
        const QString error = errorOf([&] { connection.execute(QStringLiteral("select 1")); });
        QVERIFY2(error.startsWith(QLatin1String("SQL Error: ")), qPrintable(error));
        QVERIFY(!connection.isOpen());

        connection.setSettings(db.settings());
        connection.execute(QStringLiteral("select 1"));
        QVERIFY(connection.isOpen());
    }

    void lostConnectionReconnectsOnTheNextCommand()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        Connection connection(db.settings());
        Statement id(connection, QStringLiteral("select connection_id()"));
        id.execute();
        QVERIFY(id.next());
        db.exec(QStringLiteral("KILL ") + id.value(0).toString());

        const QString error = errorOf([&] { connection.execute(QStringLiteral("select 1")); });
        QVERIFY2(error.startsWith(QLatin1String("SQL Error: ")), qPrintable(error));
        connection.execute(QStringLiteral("select 1"));
    }

    void aServerThatNeverAnswersFailsInTime()
    {
        // The kernel completes the handshake for a listening socket; nothing ever answers.
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        Connection::Settings settings;
        settings.host = QStringLiteral("127.0.0.1");
        settings.port = silent.serverPort();
        settings.connectTimeout = 1;
        settings.readWriteTimeout = 1;
        Connection connection(settings);
        QElapsedTimer clock;
        clock.start();
        const QString error = errorOf([&] { connection.open(); });
        QVERIFY2(error.startsWith(QLatin1String("SQL Error: ")), qPrintable(error));
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
    }

    void errorsNameTheObjectThatFailed()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        Connection::Settings stranger = db.settings();
        stranger.user = u"Žluťoučký"_qs;
        stranger.password = QStringLiteral("tajne-heslo");
        static QStringList logged;
        const QtMessageHandler previous
            = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) { logged << m; });
        const QString refused = errorOf([&] { Connection(stranger).open(); });
        qInstallMessageHandler(previous);
        QVERIFY2(refused.contains(u"Žluťoučký"_qs), qPrintable(refused));
        // The failure leaves a trace with its code, never the password.
        QVERIFY2(logged.join(u'\n').contains(QLatin1String("error 1045")), qPrintable(logged.join(u'\n')));
        QVERIFY(!logged.join(u'\n').contains(QLatin1String("tajne-heslo")));

        // A statement that dies with its connection says so with its own code, even though the
        // connection itself holds no error.
        Connection connection(db.settings());
        Statement select(connection, QStringLiteral("select ZAKAZKA from vorlany where id = ?"));
        select.bind(0, 1);
        kill(db, connection);
        try {
            select.execute();
            QFAIL("ran on a killed connection");
        } catch (const DbError& e) {
            QVERIFY2(e.message().startsWith(QLatin1String("SQL Error: ")) && e.code() >= 2000, qPrintable(e.message()));
            QCOMPARE(e.statement(), QStringLiteral("select ZAKAZKA from vorlany where id = ?"));
        }
    }

    void aStatementOrTransactionNeverOutlivesItsConnection()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        Connection connection(db.settings());
        Statement prepared(connection, QStringLiteral("insert into vorlany (id, ZAKAZKA) values (0, ?)"));
        prepared.bind(0, QStringLiteral("late"));
        {
            Transaction transaction(connection);
            connection.execute(QStringLiteral("insert into vorlany (id, ZAKAZKA) values (0, 'first')"));
            kill(db, connection);
            QVERIFY(!errorOf([&] { connection.execute(QStringLiteral("select 1")); }).isEmpty());
            // No reconnect in auto-commit for the rest of the transaction.
            QVERIFY(!errorOf([&] {
                connection.execute(QStringLiteral("insert into vorlany (id, ZAKAZKA) values (0, 'second')"));
            }).isEmpty());
            QVERIFY(!errorOf([&] { transaction.commit(); }).isEmpty());
        }
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from vorlany")), QStringLiteral("0"));

        connection.execute(QStringLiteral("select 1"));
        QVERIFY(connection.isOpen());
        QVERIFY(!errorOf([&] { prepared.execute(); }).isEmpty());
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from vorlany")), QStringLiteral("0"));
    }

    void aFailedPrepareReportsTheServersMessage()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        // Under the sanitizer build this also shows that the refused statement's handle is freed.
        const QString error = errorOf([&] { Statement(db.connection(), QStringLiteral("select * from neni")); });
        QVERIFY2(error.startsWith(QLatin1String("SQL Error: Table")), qPrintable(error));
    }

    void everyParameterMustBeBound()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        Statement insert(db.connection(), QStringLiteral("insert into vorlany (id, ZAKAZKA, POPIS) values (0, ?, ?)"));
        insert.bind(1, QStringLiteral("popis"));
        QVERIFY(!errorOf([&] { insert.execute(); }).isEmpty());
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from vorlany")), QStringLiteral("0"));
        insert.bind(0, QStringLiteral("Z1"));
        QCOMPARE(insert.execute(), 1u);
        // Bound values stay for the next run.
        QCOMPARE(insert.execute(), 1u);
        QCOMPARE(db.scalar(QStringLiteral("select group_concat(ZAKAZKA, POPIS) from vorlany")),
            QStringLiteral("Z1popis,Z1popis"));
    }

    void nullAndInvalidDatesAreStoredAsNull()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        Statement insert(
            db.connection(), QStringLiteral("insert into vorlany (id, DATUMOD, DATUMDO) values (0, ?, ?)"));
        insert.bind(0, QDate());
        insert.bind(1, QDateTime());
        insert.execute();
        insert.bind(0, QDate(2024, 2, 30));
        insert.bind(1, QDateTime(QDate(2024, 13, 1), QTime(8, 0)));
        insert.execute();
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from vorlany where DATUMOD is null and DATUMDO is null")),
            QStringLiteral("2"));
    }

    void decimalsAreReadInTheRegionalFormat_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored"); // empty: refused
        QTest::addRow("Czech comma") << "12,5"
                                     << "12.50";
        QTest::addRow("dot") << "12.5"
                             << "12.50";
        QTest::addRow("sign and blanks") << " -3,25 "
                                         << "-3.25";
        QTest::addRow("group separator") << u"1 234"_qs << "";
        QTest::addRow("empty") << ""
                               << "NULL";
        QTest::addRow("letters") << "abc"
                                 << "";
        QTest::addRow("two commas") << "1,2,3"
                                    << "";
        QTest::addRow("letter after number") << "12x"
                                             << "";
    }
    void decimalsAreReadInTheRegionalFormat()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        TestDb db;
        REQUIRE_TEST_DB(db);
        Statement insert(db.connection(), QStringLiteral("insert into adresar (id, SLEVA) values (0, ?)"));
        bool refused = false;
        try {
            insert.bindDecimal(0, typed);
            insert.execute();
        } catch (const std::exception& e) {
            refused = true;
            QVERIFY2(
                QString::fromUtf8(e.what()).contains(u"číslo"_qs) || QString::fromUtf8(e.what()).contains(u"range"_qs),
                e.what());
        }
        if (stored.isEmpty()) {
            QVERIFY(refused);
            QCOMPARE(db.scalar(QStringLiteral("select count(*) from adresar")), QStringLiteral("0"));
        } else {
            QVERIFY(!refused);
            QCOMPARE(db.scalar(QStringLiteral("select ifnull(SLEVA, 'NULL') from adresar")), stored);
        }
    }

    void serverErrorsCarryTheServersMessage()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        const QString error = errorOf([&] { db.exec(QStringLiteral("select * from neni")); });
        QVERIFY2(error.startsWith(QLatin1String("SQL Error: Table")) && error.contains(QLatin1String("neni")),
            qPrintable(error));
    }

    void textRoundTripsThroughTheServer_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addRow("Czech letters") << u"ěščřžýáíéúůďťňĚŠČŘŽÝÁÍÉÚŮĎŤŇ"_qs;
        QTest::addRow("quotes and backslashes") << u"O'Brien \"Hradec\" C:\\data\\ 100% _x_ ;--"_qs;
        QTest::addRow("empty") << QString();
    }
    void textRoundTripsThroughTheServer()
    {
        QFETCH(QString, text);
        TestDb db;
        REQUIRE_TEST_DB(db);
        Statement insert(db.connection(), QStringLiteral("insert into vorlany (id, NAZEVPODNI) values (0, ?)"));
        insert.bind(0, text.isNull() ? QString(u""_qs) : text);
        QCOMPARE(insert.execute(), 1u);

        // Stored as the real letters, not as bytes of another code page.
        QCOMPARE(db.scalar(QStringLiteral("select hex(convert(NAZEVPODNI using utf8mb4)) from vorlany")),
            QString::fromLatin1(text.toUtf8().toHex().toUpper()));

        Statement select(db.connection(), QStringLiteral("select NAZEVPODNI from vorlany where NAZEVPODNI = ?"));
        select.bind(0, text);
        select.execute();
        QVERIFY(select.next());
        QCOMPARE(select.value(0).toString(), text);

        Dataset list(db.connection(), QStringLiteral("select NAZEVPODNI from vorlany"));
        list.open();
        QCOMPARE(list.rowCount(), 1);
        QCOMPARE(list.value(0, 0).toString(), text);
    }

    void valuesOfEveryKindRoundTrip()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        const QDateTime due(QDate(2026, 12, 24), QTime(13, 45, 7));
        Statement insert(db.connection(),
            QStringLiteral(
                "insert into vorlany (id, ZAKAZKA, STREDISKO, DATUMOD, DATUMDO, POPIS) values (0, ?, ?, ?, ?, ?)"));
        insert.bind(0, QStringLiteral("2026/001"));
        insert.bind(1, 42);
        insert.bind(2, QDate(2026, 2, 28));
        insert.bind(3, due);
        insert.bind(4, QVariant());
        insert.execute();
        Statement partner(db.connection(), QStringLiteral("insert into adresar (id, SLEVA) values (0, ?)"));
        partner.bindDecimal(0, QStringLiteral("12.50"));
        partner.execute();

        Statement select(
            db.connection(), QStringLiteral("select ZAKAZKA, STREDISKO, DATUMOD, DATUMDO, POPIS from vorlany"));
        select.execute();
        QVERIFY(select.next());
        QCOMPARE(select.value(0), QVariant(QStringLiteral("2026/001")));
        QCOMPARE(select.value(1).toInt(), 42);
        QCOMPARE(select.value(2).toDateTime(), QDateTime(QDate(2026, 2, 28), QTime(0, 0)));
        QCOMPARE(select.value(3).toDateTime(), due);
        QVERIFY(select.value(4).isNull());
        QVERIFY(!select.next());
        QCOMPARE(db.scalar(QStringLiteral("select SLEVA from adresar")), QStringLiteral("12.50"));
    }

    void blobsTravelInChunks()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        QByteArray pdf(3 * 1024 * 1024 + 17, Qt::Uninitialized);
        QRandomGenerator random(7);
        for (char& byte : pdf)
            byte = char(random.bounded(256));
        QBuffer in(&pdf);
        in.open(QIODevice::ReadOnly);
        Statement insert(
            db.connection(), QStringLiteral("insert into dokladya (id, typ, cislodokladu, obsah) values (0, ?, ?, ?)"));
        insert.bind(0, 84);
        insert.bind(1, QStringLiteral("2026/'7"));
        insert.bindStream(2, &in);
        insert.execute();
        insert.bind(0, 85);
        insert.bind(2, QByteArray(""));
        insert.execute();

        Statement select(
            db.connection(), QStringLiteral("select typ, obsah from dokladya where cislodokladu = ? order by typ"));
        select.bind(0, QStringLiteral("2026/'7"));
        select.execute();
        QVERIFY(select.next());
        QByteArray back;
        QBuffer out(&back);
        out.open(QIODevice::WriteOnly);
        select.readBlob(1, out);
        QCOMPARE(back.size(), pdf.size());
        QVERIFY(back == pdf);
        QVERIFY(select.next());
        QVERIFY(!select.value(1).isNull());
        QCOMPARE(select.value(1).toByteArray(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(ConnectionTest)
#include "ConnectionTest.moc"
