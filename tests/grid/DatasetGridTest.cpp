#include "ModalAnswer.h"
#include "TestDb.h"

#include "db/Dataset.h"
#include "grid/DatasetGrid.h"
#include "grid/DatasetModel.h"

#include <QAbstractItemModelTester>
#include <QPushButton>
#include <QtTest>

class DatasetGridTest : public QObject {
    Q_OBJECT

private:
    enum class Action { CtrlClickOnIt, CtrlSpace, ClickBelowTheRows };

    std::unique_ptr<TestDb> m_db;

    std::unique_ptr<Dataset> openDataset()
    {
        auto data = std::make_unique<Dataset>(
            m_db->connection(), QStringLiteral("select id, ZAKAZKA from vorlany order by id"));
        data->open();
        return data;
    }
    static QList<DatasetModel::Column> columns()
    {
        const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
        return {{QStringLiteral("ZAKAZKA"), {}, left, {}}, {QStringLiteral("id"), {}, left, {}}};
    }
    static QStringList shown(const QAbstractItemModel& model)
    {
        QStringList rows;
        for (int row = 0; row < model.rowCount(); ++row)
            rows << model.index(row, 0).data().toString() + u'|' + model.index(row, 1).data().toString();
        return rows;
    }

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDb>();
        if (m_db->ready())
            m_db->insertRows(QStringLiteral("vorlany"), {QStringLiteral("id"), QStringLiteral("ZAKAZKA")},
                {{1, "Z-3"}, {2, "Z-1"}, {3, "Z-4"}, {4, "Z-2"}});
    }
    void init() { REQUIRE_TEST_DB(*m_db); }

    void modelShowsTheDatasetThroughItsResets()
    {
        Dataset data(m_db->connection(), QStringLiteral("select id, ZAKAZKA from vorlany order by id"));
        DatasetModel model(data, columns());
        QAbstractItemModelTester tester(&model);
        QCOMPARE(shown(model), QStringList());
        data.open();
        QCOMPARE(shown(model), QStringList({"Z-3|1", "Z-1|2", "Z-4|3", "Z-2|4"}));
        data.setCurrentRow(2);
        QCOMPARE(model.headerData(2, Qt::Vertical).toString(), QStringLiteral("►"));
        QVERIFY(data.sortBy(QStringLiteral("ZAKAZKA")));
        QCOMPARE(shown(model), QStringList({"Z-1|2", "Z-2|4", "Z-3|1", "Z-4|3"}));
        data.close();
        QCOMPARE(shown(model), QStringList());
    }

    void followsOnlyTheDatasetItShows()
    {
        const auto first = openDataset();
        const auto second = openDataset();
        DatasetModel firstModel(*first, columns());
        DatasetModel secondModel(*second, columns());
        DatasetGrid grid;
        grid.setDatasetModel(&firstModel);
        grid.setDatasetModel(&secondModel);

        second->setCurrentRow(1);
        first->setCurrentRow(3);
        QCOMPARE(grid.currentIndex().row(), 1);
        grid.setCurrentIndex(secondModel.index(2, 0));
        QCOMPARE(second->currentRow(), 2);
        QCOMPARE(first->currentRow(), 3);
    }

    void letsGoOfItsModel_data()
    {
        QTest::addColumn<bool>("destroyed");
        QTest::addRow("model destroyed") << true;
        QTest::addRow("no model set") << false;
    }
    void letsGoOfItsModel()
    {
        QFETCH(bool, destroyed);
        const auto data = openDataset();
        auto model = std::make_unique<DatasetModel>(*data, columns());
        DatasetGrid grid;
        grid.setDatasetModel(model.get());
        if (destroyed)
            model.reset();
        else
            grid.setDatasetModel(nullptr);
        QCOMPARE(grid.datasetModel(), nullptr);

        data->setCurrentRow(2);
        QCOMPARE(grid.currentIndex(), QModelIndex());
        const ModalAnswer noWindow([](QWidget*) { QFAIL("a search window opened without a list"); });
        grid.sortAndSearch(0);
    }

    void ctrlTabLeavesTheGridAndTabStaysInIt()
    {
        const auto data = openDataset();
        DatasetModel model(*data, columns());
        QWidget window;
        auto* grid = new DatasetGrid(&window);
        auto* next = new QPushButton(QStringLiteral("OK"), &window);
        grid->setDatasetModel(&model);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        grid->setFocus();
        grid->setCurrentIndex(model.index(0, 0));
        QTest::keyClick(grid, Qt::Key_Tab);
        QCOMPARE(grid->currentIndex(), model.index(0, 1));
        QVERIFY(grid->hasFocus());
        QTest::keyClick(grid, Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(next->hasFocus());
        QCOMPARE(grid->currentIndex(), model.index(0, 1));
    }

    void currentCellStaysSelected_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("wholeRows");
        QTest::addRow("Ctrl+click on it") << Action::CtrlClickOnIt << false;
        QTest::addRow("Ctrl+Space") << Action::CtrlSpace << false;
        QTest::addRow("click below the rows") << Action::ClickBelowTheRows << false;
        QTest::addRow("Ctrl+click on it, whole rows") << Action::CtrlClickOnIt << true;
    }
    void currentCellStaysSelected()
    {
        QFETCH(Action, action);
        QFETCH(bool, wholeRows);
        const auto data = openDataset();
        DatasetModel model(*data, columns());
        DatasetGrid grid;
        if (wholeRows)
            grid.setSelectionBehavior(QAbstractItemView::SelectRows);
        grid.setDatasetModel(&model);
        grid.resize(300, 300);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.setCurrentIndex(model.index(1, 0));

        switch (action) {
        case Action::CtrlClickOnIt:
            QTest::mouseClick(
                grid.viewport(), Qt::LeftButton, Qt::ControlModifier, grid.visualRect(grid.currentIndex()).center());
            break;
        case Action::CtrlSpace:
            QTest::keyClick(&grid, Qt::Key_Space, Qt::ControlModifier);
            break;
        case Action::ClickBelowTheRows:
            QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(10, grid.viewport()->height() - 5));
            break;
        }
        QVERIFY(grid.currentIndex().isValid());
        const int row = grid.currentIndex().row();
        QCOMPARE(grid.selectionModel()->selectedIndexes(),
            wholeRows ? QModelIndexList({model.index(row, 0), model.index(row, 1)})
                      : QModelIndexList({grid.currentIndex()}));
        QCOMPARE(data->currentRow(), grid.currentIndex().row());
    }
};

QTEST_MAIN(DatasetGridTest)
#include "DatasetGridTest.moc"
