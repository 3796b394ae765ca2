#include "TestDb.h"

#include "db/Dataset.h"
#include "orders/OrderListModel.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QtTest>

class OrderListModelTest : public QObject {
    Q_OBJECT

private slots:
    void overdueRule_data()
    {
        QTest::addColumn<bool>("isNull");
        QTest::addColumn<QByteArray>("due");
        QTest::addColumn<bool>("overdue");
        const QDateTime now(QDate(2026, 12, 11), QTime(9, 30, 0));
        auto at = [](const QDateTime& t) { return t.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toLatin1(); };
        QTest::addRow("empty") << true << QByteArray() << true;
        QTest::addRow("zero date") << false << QByteArray("0000-00-00 00:00:00") << true;
        QTest::addRow("yesterday") << false << at(now.addDays(-1)) << true;
        QTest::addRow("today without time") << false << QByteArray("2026-12-11") << true;
        QTest::addRow("today at midnight") << false << QByteArray("2026-12-11 00:00:00") << true;
        QTest::addRow("a minute ago") << false << at(now.addSecs(-60)) << true;
        QTest::addRow("in a minute") << false << at(now.addSecs(60)) << false;
        QTest::addRow("tomorrow without time") << false << QByteArray("2026-12-12") << false;
    }
    void overdueRule()
    {
        QFETCH(bool, isNull);
        QFETCH(QByteArray, due);
        QFETCH(bool, overdue);
        const QDateTime now(QDate(2026, 12, 11), QTime(9, 30, 0));
        QCOMPARE(OrderListModel::isOverdue(isNull, std::string_view(due.constData(), std::size_t(due.size())), now),
            overdue);
    }

    void shadesWhenTheDatasetWasOpenBeforeTheModel_data()
    {
        QTest::addColumn<bool>("openFirst");
        QTest::addRow("dataset opened first") << true;
        QTest::addRow("model made first") << false;
    }
    void shadesWhenTheDatasetWasOpenBeforeTheModel()
    {
        QFETCH(bool, openFirst);
        TestDb db;
        REQUIRE_TEST_DB(db);
        db.insertRows(QStringLiteral("vorlany"),
            {QStringLiteral("id"), QStringLiteral("ZAKAZKA"), QStringLiteral("DATUMDO")},
            {{1, "A1", QDate(2026, 12, 10)}, {2, "A2", QDate(2026, 12, 31)}, {3, "A3", QVariant()}});
        Dataset data(db.connection(), QStringLiteral("select id, ZAKAZKA, DATUMDO from vorlany order by id"));
        if (openFirst)
            data.open();
        OrderListModel model(data);
        QAbstractItemModelTester tester(&model);
        model.setClock([] { return QDateTime(QDate(2026, 12, 11), QTime(8, 0)); });
        if (!openFirst)
            data.open();

        QStringList shading;
        for (int row = 0; row < model.rowCount(); ++row) {
            const QVariant background = model.index(row, 0).data(Qt::BackgroundRole);
            shading << model.index(row, 0).data().toString()
                    + (background.value<QColor>() == OrderListModel::overdueColor() ? u"|grey"_qs : u"|plain"_qs);
        }
        QCOMPARE(shading, QStringList({"A1|grey", "A2|plain", "A3|grey"}));
    }
};

QTEST_GUILESS_MAIN(OrderListModelTest)
#include "OrderListModelTest.moc"
