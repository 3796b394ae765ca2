#include "DatasetValues.h"
#include "ModalAnswer.h"
#include "TestDb.h"

#include "app/Application.h"
#include "db/Dataset.h"
#include "grid/ColumnSearchDialog.h"
#include "grid/DatasetGrid.h"
#include "orders/OrderList.h"
#include "orders/OrderListModel.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QSignalSpy>
#include <QtTest>

// The order list as the main window shows it: shading, title click sort and search.
class OrderGridTest : public QObject {
    Q_OBJECT

private:
    static void addOrders(TestDb& db)
    {
        // The server sends them by name: A3, A2, A1, A4; by STREDISKO they are A3, A4, A1, A2.
        db.insertRows(QStringLiteral("vorlany"),
            {QStringLiteral("id"), QStringLiteral("ZAKAZKA"), QStringLiteral("NAZEVPODNI"), QStringLiteral("STREDISKO"),
                QStringLiteral("DATUMDO")},
            {{1, "A1", "Beta", 10, QDate(2026, 12, 10)}, {2, "A2", "Alfa", 30, QDate(2026, 12, 31)},
                {3, "A3", QVariant(), QVariant(), QVariant()}, {4, "A4", "Gama", 2, QDate(2027, 1, 5)}});
    }

    // Checks that the window searches the field, then closes it with "storno".
    static std::function<void(QWidget*)> searchWindowOn(const QString& field)
    {
        return [field](QWidget* window) {
            QVERIFY(qobject_cast<ColumnSearchDialog*>(window));
            QCOMPARE(window->findChild<QComboBox*>(QStringLiteral("fieldBox"))->currentText(), field);
        };
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
        QAbstractItemModelTester tester(&list.model());
        list.model().setClock([] { return QDateTime(QDate(2026, 12, 11), QTime(8, 0)); });
        DatasetGrid grid;
        grid.setObjectName(QStringLiteral("DBGrid1"));
        grid.setDatasetModel(&list.model());
        grid.resize(1100, 200);
        list.open();
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));

        // Rows by the server's order: null name first, then Alfa, Beta, Gama.
        QCOMPARE(DatasetValues::column(list.dataset(), u"ZAKAZKA"), QStringList({"A3", "A2", "A1", "A4"}));
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

        const int strediskoColumn = 5;
        QCOMPARE(list.model().headerData(strediskoColumn, Qt::Horizontal).toString(), QStringLiteral("Stř."));
        {
            const ModalAnswer answer(searchWindowOn(QStringLiteral("STREDISKO")));
            grid.sortAndSearch(strediskoColumn);
            QVERIFY(answer.succeeded());
        }
        QCOMPARE(DatasetValues::column(list.dataset(), u"ZAKAZKA"), QStringList({"A3", "A4", "A1", "A2"}));
        // "storno" brought back the row that was current before.
        QCOMPARE(list.currentOrderNumber(), QStringLiteral("A1"));

        QSignalSpy resets(&list.dataset(), &Dataset::reset);
        {
            const ModalAnswer answer(searchWindowOn(QStringLiteral("STREDISKO")));
            grid.sortAndSearch(strediskoColumn);
            QVERIFY(answer.succeeded());
        }
        QCOMPARE(resets.count(), 0);

        {
            const ModalAnswer answer(searchWindowOn(QStringLiteral("ZAKAZKA")));
            grid.sortAndSearch(0);
            QVERIFY(answer.succeeded());
        }
        QCOMPARE(DatasetValues::column(list.dataset(), u"ZAKAZKA"), QStringList({"A1", "A2", "A3", "A4"}));
        QCOMPARE(list.currentOrderNumber(), QStringLiteral("A1"));
        QCOMPARE(grid.currentIndex().row(), 0);
    }
};

QTEST_MAIN(OrderGridTest)
#include "OrderGridTest.moc"
