#include "TestDb.h"

#include "db/DbError.h"
#include "db/ScratchTable.h"
#include "db/Statement.h"

#include <QtTest>

class ScratchTableTest : public QObject {
    Q_OBJECT

private:
    static QList<ScratchTable::Seed> orderSeed()
    {
        return {{QStringLiteral("id"), 0}, {QStringLiteral("ICO"), QString(u""_qs)},
            {QStringLiteral("NAZEVPODNI"), QString(u""_qs)}, {QStringLiteral("POPIS"), QString(u""_qs)},
            {QStringLiteral("ZAKAZKA"), QString(u""_qs)}, {QStringLiteral("DATUMOD"), {}, true},
            {QStringLiteral("DATUMDO"), {}, true}};
    }

    // id|ZAKAZKA|POPIS2|STREDISKO of every order, by id.
    static QStringList orders(TestDb& db)
    {
        Statement select(
            db.connection(), QStringLiteral("select id, ZAKAZKA, POPIS2, STREDISKO from vorlany order by id"));
        select.execute();
        QStringList rows;
        while (select.next())
            rows << QStringLiteral("%1|%2|%3|%4")
                        .arg(select.value(0).toString(), select.value(1).toString(), select.value(2).toString(),
                            select.value(3).toString());
        return rows;
    }

    static bool tableExists(TestDb& db, const QString& name)
    {
        return db.scalar(
                   QStringLiteral("select count(*) from information_schema.tables where table_schema = database() "
                                  "and table_name = '%1'")
                       .arg(name))
            == QLatin1String("1");
    }

private slots:
    void names()
    {
        QCOMPARE(ScratchTable::nameFor(QStringLiteral("00"), QStringLiteral("vor")), QStringLiteral("tmp00vor"));
        QCOMPARE(ScratchTable::nameFor(QStringLiteral("7"), QStringLiteral("adr")), QStringLiteral("tmp7adr"));
    }

    void newRowGetsAFreshIdAndBothDates()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        db.exec(QStringLiteral("insert into vorlany (id, ZAKAZKA) values (5, '2026/005')"));
        ScratchTable scratch(db.connection(), QStringLiteral("vorlany"),
            ScratchTable::nameFor(QStringLiteral("00"), QStringLiteral("vor")));
        const QDateTime before = QDateTime::fromString(db.scalar(QStringLiteral("select now()")), Qt::ISODate);
        scratch.beginNew(orderSeed());
        QVERIFY(tableExists(db, QStringLiteral("tmp00vor")));

        Record row = scratch.read();
        QCOMPARE(row.value(u"id").toInt(), 0);
        QCOMPARE(row.value(u"ZAKAZKA").toString(), QString());
        QVERIFY(row.value(u"DATUMOD").toDateTime() >= before);
        QCOMPARE(row.value(u"DATUMDO"), row.value(u"DATUMOD"));
        QVERIFY(row.value(u"POPIS2").isNull());

        row.setValue(u"ZAKAZKA", u"6 \"Hl\" 'č'\\"_qs);
        QCOMPARE(scratch.save(row), 6);
        QCOMPARE(orders(db), QStringList({"5|2026/005||", u"6|6 \"Hl\" 'č'\\||"_qs}));
        QVERIFY(tableExists(db, QStringLiteral("tmp00vor")));
    }

    void correctionKeepsIdAndUnshownColumns()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        db.exec(QStringLiteral(
            "insert into vorlany (id, ZAKAZKA, POPIS2, STREDISKO) values (3, 'A', 'druhý', 12), (4, 'B', null, null)"));
        ScratchTable scratch(db.connection(), QStringLiteral("vorlany"),
            ScratchTable::nameFor(QStringLiteral("7"), QStringLiteral("vor")));
        scratch.beginCopy(3);
        QVERIFY(tableExists(db, QStringLiteral("tmp7vor")));

        Record row = scratch.read();
        row.setValue(u"ZAKAZKA", QStringLiteral("A2"));
        QCOMPARE(scratch.save(row), 3);
        QCOMPARE(orders(db), QStringList({u"3|A2|druhý|12"_qs, "4|B||"}));
    }

    // Columns the program does not edit travel server-side only, so values the client cannot
    // represent exactly (bits, microseconds, zero dates, characters beyond Windows-1250) survive.
    void saveKeepsColumnsNobodyEditedExactly()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        db.exec(QStringLiteral("alter table vorlany add flag BIT(1) NULL, add stamp DATETIME(6) NULL, "
                               "add since DATETIME NOT NULL DEFAULT '0000-00-00 00:00:00', "
                               "add note VARCHAR(10) CHARACTER SET utf8mb4 NULL"));
        db.exec(QStringLiteral("insert into vorlany (id, ZAKAZKA, flag, stamp, note) values "
                               "(3, 'A', b'1', '2026-12-11 08:00:00.123456', 0xF09F9880)"));
        const QString extras
            = QStringLiteral("select concat_ws('|', ZAKAZKA, hex(flag), stamp, since, hex(note)) from vorlany");
        const QString before = db.scalar(extras);
        QCOMPARE(before, QStringLiteral("A|1|2026-12-11 08:00:00.123456|0000-00-00 00:00:00|F09F9880"));

        ScratchTable scratch(db.connection(), QStringLiteral("vorlany"), QStringLiteral("tmp00vor"));
        scratch.beginCopy(3);
        scratch.save(scratch.read());
        QCOMPARE(db.scalar(extras), before);

        scratch.beginCopy(3);
        Record row = scratch.read();
        row.setValue(u"ZAKAZKA", QStringLiteral("B"));
        scratch.save(row);
        QCOMPARE(db.scalar(extras), QString(u'B' + before.mid(1)));
    }

    void copyOfADeletedRowFails()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        db.exec(QStringLiteral("insert into vorlany (id, ZAKAZKA) values (1, 'A')"));
        ScratchTable scratch(db.connection(), QStringLiteral("vorlany"), QStringLiteral("tmp00vor"));
        QVERIFY_THROWS_EXCEPTION(RowMissingError, scratch.beginCopy(2));
        QCOMPARE(orders(db), QStringList({"1|A||"}));
    }

    void cancelLeavesTheScratchTableUntilTheNextBegin()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        db.exec(QStringLiteral("insert into vorlany (id, ZAKAZKA) values (1, 'A'), (2, 'B')"));
        ScratchTable scratch(db.connection(), QStringLiteral("vorlany"), QStringLiteral("tmp00vor"));
        scratch.beginCopy(1);
        // Cancelling is closing the edit: nothing happens in the database.
        QVERIFY(tableExists(db, QStringLiteral("tmp00vor")));
        QCOMPARE(db.scalar(QStringLiteral("select ZAKAZKA from tmp00vor")), QStringLiteral("A"));
        scratch.beginCopy(2);
        QCOMPARE(db.scalar(QStringLiteral("select group_concat(ZAKAZKA) from tmp00vor")), QStringLiteral("B"));
        QCOMPARE(orders(db), QStringList({"1|A||", "2|B||"}));
    }

    void failedInsertLosesNothing()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        db.exec(QStringLiteral("insert into vorlany (id, ZAKAZKA) values (1, 'A')"));
        ScratchTable scratch(db.connection(), QStringLiteral("vorlany"), QStringLiteral("tmp00vor"));
        scratch.beginCopy(1);
        Record row = scratch.read();
        row.setValue(u"ZAKAZKA", QStringLiteral("changed"));
        db.exec(QStringLiteral("create trigger refuse before insert on vorlany for each row "
                               "signal sqlstate '45000' set message_text = 'insert refused'"));

        try {
            scratch.save(row);
            QFAIL("the save went through");
        } catch (const DbError& e) {
            QCOMPARE(e.message(), QStringLiteral("SQL Error: insert refused"));
        }
        QCOMPARE(orders(db), QStringList({"1|A||"}));
        // The edited copy is still there to save again.
        QCOMPARE(db.scalar(QStringLiteral("select ZAKAZKA from tmp00vor")), QStringLiteral("changed"));
    }
};

QTEST_GUILESS_MAIN(ScratchTableTest)
#include "ScratchTableTest.moc"
