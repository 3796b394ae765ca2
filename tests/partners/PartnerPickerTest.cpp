#include "DatasetValues.h"
#include "ModalAnswer.h"
#include "TestDb.h"

#include "app/Application.h"
#include "db/Dataset.h"
#include "grid/ColumnSearchDialog.h"
#include "grid/DatasetGrid.h"
#include "partners/PartnerPicker.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// The picker as the order edit uses it: the caller opens the list, clears the tag, picks, then
// reads the tag and the list's current row.
class PartnerPickerTest : public QObject {
    Q_OBJECT

private:
    enum class Way { EnterOnBack, KeypadEnterOnGrid, TakeButton, DoubleClick, BackButton, CloseBox };

    struct Picker {
        explicit Picker(Connection& connection)
            : window(connection)
            , grid(window.findChild<DatasetGrid*>(QStringLiteral("DBGrid1")))
            , take(window.findChild<QPushButton*>(QStringLiteral("Button1")))
            , back(window.findChild<QPushButton*>(QStringLiteral("Button2")))
            , tester(grid->model())
        {
        }
        // One showing as the caller runs it; act works on the shown window.
        void pick(const std::function<void()>& act)
        {
            if (!window.partners().isOpen())
                window.partners().open();
            window.setTag(0);
            const ModalAnswer answer([&](QWidget* modal) {
                QCOMPARE(modal, &window);
                QCOMPARE(window.pos(), QPoint(0, 100));
                // Window shortcuts act in the active window only, and activation may come late.
                QVERIFY(QTest::qWaitForWindowActive(&window));
                act();
            });
            window.pick();
            QVERIFY(answer.succeeded());
            QVERIFY(!window.isVisible());
        }
        // After the search window: a window manager hands activation back, the offscreen platform does not.
        void reactivate()
        {
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
        }
        QString chosenIco() const { return window.partners().currentValue(u"ico").toString(); }
        void clickTitle(int column)
        {
            QHeaderView* titles = grid->horizontalHeader();
            const QPoint at(
                titles->sectionViewportPosition(column) + titles->sectionSize(column) / 2, titles->height() / 2);
            QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, at);
        }

        PartnerPicker window;
        DatasetGrid* grid;
        QPushButton* take;
        QPushButton* back;
        QAbstractItemModelTester tester;
    };

    static constexpr int kSeatColumn = 2;

    // Closes the search window with "storno" (nested in a showing, it must not catch the picker).
    static void storno(QWidget* modal) { QVERIFY(qobject_cast<ColumnSearchDialog*>(modal)); }

    std::unique_ptr<TestDb> m_db;

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        Application::applyTheme(*qApp);
        m_db = std::make_unique<TestDb>();
        // By IČO: Gama, Alfa, Beta; by name: Alfa, Beta, Gama; by seat: Beta, Gama, Alfa.
        if (m_db->ready())
            m_db->insertRows(QStringLiteral("adresar"),
                {QStringLiteral("ICO"), QStringLiteral("NAZEVPODNI"), QStringLiteral("SIDLO")},
                {{"11111111", "Gama s.r.o.", "Brno"}, {"22222222", "Alfa a.s.", "Zlín"},
                    {"33333333", "Beta spol.", "Aš"}});
    }
    void init() { REQUIRE_TEST_DB(*m_db); }

    void closing_data()
    {
        QTest::addColumn<Way>("way");
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("chosen");
        QTest::addRow("Enter while \"Zpět\" has the focus") << Way::EnterOnBack << 1 << "22222222";
        QTest::addRow("keypad Enter in the grid") << Way::KeypadEnterOnGrid << 1 << "22222222";
        QTest::addRow("\"Převzít\"") << Way::TakeButton << 1 << "22222222";
        QTest::addRow("double click on another row") << Way::DoubleClick << 1 << "33333333";
        QTest::addRow("\"Zpět\"") << Way::BackButton << 0 << "22222222";
        QTest::addRow("close box") << Way::CloseBox << 0 << "22222222";
    }
    void closing()
    {
        QFETCH(Way, way);
        QFETCH(int, tag);
        QFETCH(QString, chosen);
        Picker picker(m_db->connection());
        picker.window.partners().open();
        picker.window.partners().setCurrentRow(1);

        picker.pick([&] {
            switch (way) {
            case Way::EnterOnBack:
                picker.back->setFocus();
                QTest::keyClick(picker.back, Qt::Key_Return);
                break;
            case Way::KeypadEnterOnGrid:
                picker.grid->setFocus();
                QTest::keyClick(picker.grid, Qt::Key_Enter, Qt::KeypadModifier);
                break;
            case Way::TakeButton:
                QTest::mouseClick(picker.take, Qt::LeftButton);
                break;
            case Way::DoubleClick: {
                const QPoint cell = picker.grid->visualRect(picker.grid->model()->index(2, 1)).center();
                QTest::mouseClick(picker.grid->viewport(), Qt::LeftButton, {}, cell);
                QTest::mouseDClick(picker.grid->viewport(), Qt::LeftButton, {}, cell);
                break;
            }
            case Way::BackButton:
                QTest::mouseClick(picker.back, Qt::LeftButton);
                break;
            case Way::CloseBox:
                picker.window.close();
                break;
            }
            QVERIFY(!picker.window.isVisible());
        });
        QCOMPARE(picker.window.tag(), tag);
        QCOMPARE(picker.chosenIco(), chosen);
    }

    void emptyListTakesOverNothing_data()
    {
        QTest::addColumn<bool>("opened");
        QTest::addRow("no partners") << true;
        QTest::addRow("list left closed") << false;
    }
    void emptyListTakesOverNothing()
    {
        QFETCH(bool, opened);
        TestDb empty;
        REQUIRE_TEST_DB(empty);
        Picker picker(empty.connection());
        if (opened)
            picker.window.partners().open();
        picker.window.setTag(0);
        const ModalAnswer answer([&](QWidget*) { QTest::mouseClick(picker.take, Qt::LeftButton); });
        picker.window.pick();
        QVERIFY(answer.succeeded());
        QCOMPARE(picker.window.tag(), 1);
        QCOMPARE(picker.window.partners().currentRow(), -1);
        QCOMPARE(picker.chosenIco(), QString());
    }

    void f3SearchesNamesAndTheSearchWindowKeepsEnter()
    {
        Picker picker(m_db->connection());
        picker.pick([&] {
            {
                const ModalAnswer cancel(storno);
                picker.clickTitle(kSeatColumn);
                QVERIFY(cancel.succeeded());
            }
            QCOMPARE(picker.window.partners().sortField(), QStringLiteral("SIDLO"));
            picker.reactivate();

            const ModalAnswer search([&](QWidget* modal) {
                QVERIFY(qobject_cast<ColumnSearchDialog*>(modal));
                QCOMPARE(modal->pos(), QPoint(600, 200));
                QCOMPARE(modal->findChild<QComboBox*>(QStringLiteral("fieldBox"))->currentText(),
                    QStringLiteral("NAZEVPODNI"));
                QCOMPARE(DatasetValues::column(picker.window.partners(), u"NAZEVPODNI"),
                    QStringList({"Alfa a.s.", "Beta spol.", "Gama s.r.o."}));
                auto* text = modal->findChild<QLineEdit*>(QStringLiteral("searchEdit"));
                QTest::keyClicks(text, QStringLiteral("bet"));
                QTest::keyClick(text, Qt::Key_Return);
                QVERIFY(!modal->isVisible());
                QCOMPARE(static_cast<QDialog*>(modal)->result(), int(QDialog::Accepted));
                QVERIFY(picker.window.isVisible());
                QCOMPARE(picker.window.tag(), 0);
            });
            picker.back->setFocus();
            QTest::keyClick(picker.back, Qt::Key_F3);
            QVERIFY(search.succeeded());

            // Back in the picker, Enter takes over again.
            picker.reactivate();
            QTest::keyClick(picker.back, Qt::Key_Return);
        });
        QCOMPARE(picker.window.tag(), 1);
        QCOMPARE(picker.chosenIco(), QStringLiteral("33333333"));
    }

    void sortHoldsForLaterShowings()
    {
        Picker picker(m_db->connection());
        auto shownIcos = [&] {
            QStringList icos;
            for (int row = 0; row < picker.grid->model()->rowCount(); ++row)
                icos << picker.grid->model()->index(row, 0).data().toString();
            return icos;
        };
        picker.pick([&] {
            QCOMPARE(shownIcos(), QStringList({"11111111", "22222222", "33333333"}));
            const ModalAnswer cancel(storno);
            picker.clickTitle(kSeatColumn);
            QVERIFY(cancel.succeeded());
            QTest::mouseClick(picker.back, Qt::LeftButton);
        });
        picker.window.move(300, 300);

        // The order edit ended and a new one reads the list again.
        picker.window.partners().close();
        picker.pick([&] { QCOMPARE(shownIcos(), QStringList({"33333333", "11111111", "22222222"})); });
    }
};

QTEST_MAIN(PartnerPickerTest)
#include "PartnerPickerTest.moc"
