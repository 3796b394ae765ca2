#include "TestDb.h"

#include "app/Application.h"
#include "db/Dataset.h"
#include "grid/ColumnSearchDialog.h"
#include "grid/DatasetGrid.h"
#include "orders/OrderList.h"
#include "orders/OrderListModel.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

// The order list as the main window shows it: shading, title click sort and search.
class OrderGridTest : public QObject {
    Q_OBJECT

private:
    static void addOrders(TestDb& db)
    {
        db.exec(QStringLiteral("insert into vorlany (id, ZAKAZKA, NAZEVPODNI, STREDISKO, DATUMDO) values "
                               "(1, 'A1', 'Beta', 10, '2026-12-10'), (2, 'A2', 'Alfa', 9, '2026-12-31'), "
                               "(3, 'A3', null, null, null), (4, 'A4', 'Gama', 100, '2027-01-05')"));
    }

    static QStringList orderNumbers(const Dataset& data)
    {
        QStringList numbers;
        for (int row = 0; row < data.rowCount(); ++row)
            numbers << data.value(row, data.fieldIndex(u"ZAKAZKA")).toString();
        return numbers;
    }

    // Closes the search window that the next title click opens with "storno", noting it opened.
    static void closeNextSearchWindow(bool* opened)
    {
        QTimer::singleShot(0, [opened] {
            auto* search = qobject_cast<ColumnSearchDialog*>(QApplication::activeModalWidget());
            *opened = search != nullptr;
            if (search)
                search->reject();
        });
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        Application::applyTheme(*qApp);
    }

    void overdueRowsAreShadedExceptTheCurrentCell()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        addOrders(db);
        OrderList list(db.connection());
        list.model().setClock([] { return QDateTime(QDate(2026, 12, 11), QTime(8, 0)); });
        DatasetGrid grid;
        grid.setObjectName(QStringLiteral("DBGrid1"));
        grid.setDatasetModel(&list.model());
        grid.resize(600, 200);
        list.open();
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));

        // Rows by the server's order: null name first, then Alfa, Beta, Gama.
        QCOMPARE(orderNumbers(list.dataset()), QStringList({"A3", "A2", "A1", "A4"}));
        grid.setCurrentIndex(list.model().index(2, 1)); // Beta, overdue since yesterday
        QCOMPARE(list.currentOrderNumber(), QStringLiteral("A1"));
        QCOMPARE(list.currentId(), std::optional<qint64>(1));

        const QImage image = grid.grab().toImage();
        auto colourAt = [&](int row, int column) {
            const QRect cell = grid.visualRect(list.model().index(row, column));
            return image.pixelColor(grid.viewport()->mapTo(&grid, cell.center()));
        };
        const QColor plain(212, 208, 200);
        const QColor currentCell = colourAt(2, 1); // yellow, give or take the platform's blending
        QVERIFY2(currentCell.red() > 240 && currentCell.green() > 240 && currentCell.blue() < 40,
            qPrintable(currentCell.name()));
        QCOMPARE(colourAt(2, 0), OrderListModel::overdueColor());
        QCOMPARE(colourAt(0, 3), OrderListModel::overdueColor()); // no due date
        QCOMPARE(colourAt(1, 0), plain);
        QCOMPARE(colourAt(3, 1), plain);
    }

    void titleClickSortsOnceAndOpensTheSearchWindow()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        addOrders(db);
        OrderList list(db.connection());
        DatasetGrid grid;
        grid.setDatasetModel(&list.model());
        list.open();
        grid.show();
        list.dataset().setCurrentRow(2); // A1

        bool opened = false;
        closeNextSearchWindow(&opened);
        const int strediskoColumn = 5;
        QCOMPARE(list.model().headerData(strediskoColumn, Qt::Horizontal).toString(), QStringLiteral("Stř."));
        grid.sortAndSearch(strediskoColumn);
        QVERIFY(opened);
        QCOMPARE(orderNumbers(list.dataset()), QStringList({"A3", "A2", "A1", "A4"}));
        // "storno" brought back the row that was current before.
        QCOMPARE(list.currentOrderNumber(), QStringLiteral("A1"));

        QSignalSpy resets(&list.dataset(), &Dataset::reset);
        opened = false;
        closeNextSearchWindow(&opened);
        grid.sortAndSearch(strediskoColumn);
        QVERIFY(opened);
        QCOMPARE(resets.count(), 0);

        closeNextSearchWindow(&opened);
        grid.sortAndSearch(0);
        QCOMPARE(orderNumbers(list.dataset()), QStringList({"A1", "A2", "A3", "A4"}));
        QCOMPARE(list.currentOrderNumber(), QStringLiteral("A1"));
        QCOMPARE(grid.currentIndex().row(), 0);
    }
};

QTEST_MAIN(OrderGridTest)
#include "OrderGridTest.moc"
