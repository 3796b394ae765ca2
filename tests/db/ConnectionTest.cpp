#include "TestDb.h"

#include "db/Connection.h"
#include "db/Dataset.h"
#include "db/DbError.h"
#include "db/Statement.h"

#include <QBuffer>
#include <QRandomGenerator>
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
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(pdf.data()), pdf.size() / 4);
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
