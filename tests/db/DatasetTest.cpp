#include "TestDb.h"

#include "db/Dataset.h"
#include "db/Statement.h"
#include "grid/DatasetModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>

class DatasetTest : public QObject {
    Q_OBJECT

private:
    struct Order {
        QVariant zakazka;
        QVariant nazev;
        QVariant stredisko;
        QVariant datumdo;
    };

    static void insert(TestDb& db, const QList<Order>& orders)
    {
        Statement insert(db.connection(),
            QStringLiteral("insert into vorlany (id, ZAKAZKA, NAZEVPODNI, STREDISKO, DATUMDO) values (0, ?, ?, ?, ?)"));
        for (const Order& o : orders) {
            insert.bind(0, o.zakazka);
            insert.bind(1, o.nazev);
            insert.bind(2, o.stredisko);
            insert.bind(3, o.datumdo);
            insert.execute();
        }
    }

    static QStringList column(const Dataset& data, const QString& field)
    {
        QStringList values;
        const int f = data.fieldIndex(field);
        for (int row = 0; row < data.rowCount(); ++row)
            values << (data.isNull(row, f) ? QStringLiteral("<null>") : data.value(row, f).toString());
        return values;
    }

    static QString query()
    {
        return QStringLiteral("select id, ZAKAZKA, NAZEVPODNI, STREDISKO, DATUMDO from vorlany order by id");
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic)); }

    void sortsTextByCzechCollationWithNullFirst()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        const QStringList names {"Hradec", "Čech", "beta", "Chrudim", "Alfa", "Cyril", "", "alfa", "Ďábel", "Dub"};
        QList<Order> orders;
        for (const QString& n : names)
            orders.append({n, n, {}, {}});
        orders.append({QStringLiteral("null"), {}, {}, {}});
        insert(db, orders);

        Dataset data(db.connection(), query());
        data.open();
        data.setCurrentRow(3); // Chrudim
        QVERIFY(data.sortBy(QStringLiteral("nazevpodni")));
        QCOMPARE(column(data, QStringLiteral("NAZEVPODNI")),
            QStringList({"<null>", "", "alfa", "Alfa", "beta", "Cyril", "Čech", "Ďábel", "Dub", "Hradec", "Chrudim"}));
        QCOMPARE(data.currentValue(u"NAZEVPODNI").toString(), QStringLiteral("Chrudim"));
        QCOMPARE(data.sortField(), QStringLiteral("NAZEVPODNI"));

        QSignalSpy resets(&data, &Dataset::reset);
        QVERIFY(!data.sortBy(QStringLiteral("NAZEVPODNI")));
        QCOMPARE(resets.count(), 0);
    }

    void sortsNumbersAndDatesByValue()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        insert(db,
            {{"a", "x", 10, QDateTime(QDate(2026, 1, 2), QTime(8, 0))}, {"b", "x", 9, QDate(2025, 12, 31)},
                {"c", "x", {}, {}}, {"d", "x", 100, QDateTime(QDate(2026, 1, 2), QTime(7, 59))}});
        Dataset data(db.connection(), query());
        data.open();
        QVERIFY(data.sortBy(QStringLiteral("STREDISKO")));
        QCOMPARE(column(data, QStringLiteral("ZAKAZKA")), QStringList({"c", "b", "a", "d"}));
        QVERIFY(data.sortBy(QStringLiteral("DATUMDO")));
        QCOMPARE(column(data, QStringLiteral("ZAKAZKA")), QStringList({"c", "b", "d", "a"}));

        // A bookmark finds its row in any order.
        const Dataset::Bookmark a = data.bookmark(3);
        QVERIFY(data.sortBy(QStringLiteral("ZAKAZKA")));
        QCOMPARE(data.rowOf(a), 0);
    }

    void sortsLargeIntegersAndLongDecimalsExactly()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        // Neighbours above 2^53 and decimals that differ beyond a double's precision.
        db.exec(QStringLiteral("create table numbers (name varchar(5), big bigint unsigned, amount decimal(30,20))"));
        db.exec(QStringLiteral("insert into numbers values "
                               "('a', 9007199254740993, 0.10000000000000000002), "
                               "('b', 9007199254740992, 0.10000000000000000001), "
                               "('c', 18446744073709551615, -2.5), ('d', 0, -10), ('e', 10, 100)"));
        Dataset data(db.connection(), QStringLiteral("select name, big, amount from numbers"));
        data.open();
        QVERIFY(data.sortBy(QStringLiteral("big")));
        QCOMPARE(column(data, QStringLiteral("name")), QStringList({"d", "e", "b", "a", "c"}));
        QVERIFY(data.sortBy(QStringLiteral("amount")));
        QCOMPARE(column(data, QStringLiteral("name")), QStringList({"d", "c", "b", "a", "e"}));
    }

    void refreshFindsTheRowAgainByItsValues()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        insert(db, {{"1", "Beta", 1, {}}, {"2", "Alfa", 2, {}}, {"3", "Gama", 3, {}}});
        Dataset data(db.connection(), query());
        data.open();
        data.sortBy(QStringLiteral("NAZEVPODNI"));
        data.setCurrentRow(1); // Beta

        insert(db, {{"0", "Aaa", 0, {}}});
        data.refresh();
        QCOMPARE(data.rowCount(), 4);
        QCOMPARE(column(data, QStringLiteral("NAZEVPODNI")), QStringList({"Aaa", "Alfa", "Beta", "Gama"}));
        QCOMPARE(data.currentValue(u"NAZEVPODNI").toString(), QStringLiteral("Beta"));

        db.exec(QStringLiteral("update vorlany set ZAKAZKA = '1b' where ZAKAZKA = '1'"));
        data.refresh();
        QCOMPARE(data.currentRow(), 0);
    }

    void failedOpenLeavesAnEmptyClosedList()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        Dataset data(db.connection(), QStringLiteral("select nothing from nowhere"));
        QVERIFY_THROWS_EXCEPTION(std::exception, data.open());
        QVERIFY(!data.isOpen());
        QCOMPARE(data.rowCount(), 0);
        QCOMPARE(data.currentRow(), -1);
    }

    void modelShowsTheDatasetsRows()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        insert(db, {{"2026/2", u"Šťastný"_qs, 5, QDateTime(QDate(2026, 3, 9), QTime(10, 0))}, {"2026/1", {}, {}, {}}});
        Dataset data(db.connection(), query());
        DatasetModel model(data,
            {{QStringLiteral("ZAKAZKA"), {}, Qt::AlignLeft, {}}, {QStringLiteral("NAZEVPODNI"), {}, Qt::AlignLeft, {}},
                {QStringLiteral("STREDISKO"), QStringLiteral("Stř."), Qt::AlignRight, {}},
                {QStringLiteral("DATUMDO"), {}, Qt::AlignCenter, Qt::AlignCenter}});
        QAbstractItemModelTester tester(&model);
        data.open();
        data.sortBy(QStringLiteral("ZAKAZKA"));

        QStringList shown;
        for (int row = 0; row < model.rowCount(); ++row) {
            QStringList cells;
            for (int c = 0; c < model.columnCount(); ++c)
                cells << model.index(row, c).data().toString();
            shown << cells.join(u'|');
        }
        QCOMPARE(shown, QStringList({"2026/1|||", u"2026/2|Šťastný|5|09.03.26"_qs}));
        QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Stř."));
        QCOMPARE(
            model.index(0, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(
            model.index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignLeft | Qt::AlignVCenter);
        data.setCurrentRow(1);
        QCOMPARE(model.headerData(1, Qt::Vertical).toString(), QStringLiteral("►"));
        QCOMPARE(model.headerData(0, Qt::Vertical).toString(), QString());
    }
    void removedRowLeavesTheListWithoutReading_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("removed");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QString>("currentAfter");
        QTest::addRow("current, in the middle") << 4 << 1 << 1 << QStringList({"1", "3", "4"}) << "3";
        QTest::addRow("current, the last") << 4 << 3 << 3 << QStringList({"1", "2", "3"}) << "3";
        QTest::addRow("before the current") << 4 << 2 << 0 << QStringList({"2", "3", "4"}) << "3";
        QTest::addRow("after the current") << 4 << 1 << 2 << QStringList({"1", "2", "4"}) << "2";
        QTest::addRow("the only row") << 1 << 0 << 0 << QStringList() << "";
    }
    void removedRowLeavesTheListWithoutReading()
    {
        QFETCH(int, rows);
        QFETCH(int, current);
        QFETCH(int, removed);
        QFETCH(QStringList, left);
        QFETCH(QString, currentAfter);
        TestDb db;
        REQUIRE_TEST_DB(db);
        // Names run the other way, so that a later sort reverses the list.
        QList<Order> orders;
        for (int i = 1; i <= rows; ++i)
            orders << Order {QString::number(i), QString(QChar(u'a' + rows - i)), {}, {}};
        insert(db, orders);
        Dataset data(db.connection(), query());
        DatasetModel model(data, {{QStringLiteral("ZAKAZKA"), {}, Qt::AlignLeft, {}}});
        QAbstractItemModelTester tester(&model);
        data.open();
        data.setCurrentRow(current);
        db.exec(QStringLiteral("delete from vorlany"));

        data.removeRow(removed);
        QCOMPARE(column(data, QStringLiteral("ZAKAZKA")), left);
        QCOMPARE(data.currentValue(u"ZAKAZKA").toString(), currentAfter);
        QCOMPARE(model.rowCount(), left.size());
        for (int row = 0; row < model.rowCount(); ++row)
            QCOMPARE(model.headerData(row, Qt::Vertical).toString(), row == data.currentRow() ? u"►"_qs : QString());

        // A sort places the rows that are left, the current one staying current.
        data.sortBy(QStringLiteral("NAZEVPODNI"));
        std::reverse(left.begin(), left.end());
        QCOMPARE(column(data, QStringLiteral("ZAKAZKA")), left);
        QCOMPARE(data.currentValue(u"ZAKAZKA").toString(), currentAfter);
    }
};

QTEST_GUILESS_MAIN(DatasetTest)
#include "DatasetTest.moc"
