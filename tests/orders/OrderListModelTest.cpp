#include "orders/OrderListModel.h"

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
};

QTEST_GUILESS_MAIN(OrderListModelTest)
#include "OrderListModelTest.moc"
