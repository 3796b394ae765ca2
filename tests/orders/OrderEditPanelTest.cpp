#include "TestDb.h"

#include "common/MessageHook.h"
#include "orders/OrderEditPanel.h"
#include "widgets/DateBox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The edit panel against a real server: what "Přidat", "Opravit", "Zapsat", "Zpět" and "Nabídka"
// leave in the orders table and on disk.
class OrderEditPanelTest : public QObject {
    Q_OBJECT

private:
    struct Panel {
        explicit Panel(TestDb& db, OrderEditPanel::PickPartner pick = {})
        {
            widget.setUp(db.connection(), QStringLiteral("00"), std::move(pick));
            widget.setBaseFolder(base.path());
        }
        QLineEdit* edit(const char* name) const { return widget.findChild<QLineEdit*>(QLatin1String(name)); }
        QLineEdit* dateEdit(const char* name) const
        {
            return widget.findChild<DateBox*>(QLatin1String(name))->findChild<QLineEdit*>();
        }
        void type(const char* name, const QString& text) const { edit(name)->setText(text); }

        QTemporaryDir base;
        OrderEditPanel widget;
    };

    // ZAKAZKA|ICO|NAZEVPODNI|POPIS|POPIS2|STREDISKO|DATUMOD|DATUMDO of the order, NULL as "-".
    static QString order(TestDb& db, qint64 id)
    {
        return db.scalar(QStringLiteral("select concat_ws('|', ifnull(ZAKAZKA,'-'), ifnull(ICO,'-'), "
                                        "ifnull(NAZEVPODNI,'-'), ifnull(POPIS,'-'), ifnull(POPIS2,'-'), "
                                        "ifnull(STREDISKO,'-'), ifnull(DATUMOD,'-'), ifnull(DATUMDO,'-')) "
                                        "from vorlany where id = %1")
                             .arg(id));
    }

    static void addOrder7(TestDb& db)
    {
        db.exec(QStringLiteral("insert into vorlany (id, ZAKAZKA, ICO, NAZEVPODNI, POPIS, POPIS2, STREDISKO, DATUMOD, "
                               "DATUMDO) values (7, 'A1', null, 'Alfa', 'popis', 'druhý', 5, "
                               "'2026-03-01 00:00:00', '2026-03-09 14:30:00')"));
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic)); }

    void addingStoresANewOrderWithTheMomentOfAdding()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        addOrder7(db);
        Panel p(db);
        p.widget.show();
        const QString before = db.scalar(QStringLiteral("select cast(now() as char)"));
        p.widget.addOrder();
        QVERIFY(p.widget.isVisible());
        QSignalSpy saved(&p.widget, &OrderEditPanel::orderSaved);
        p.widget.saveOrder();
        QCOMPARE(saved.count(), 1);
        const qint64 id = saved.at(0).at(0).toLongLong();
        QCOMPARE(id, 8);
        const QStringList stored = order(db, id).split(u'|');
        QCOMPARE(stored.mid(0, 6), QStringList({"", "", "", "", "-", "-"}));
        QVERIFY(stored.at(6) >= before);
        QCOMPARE(stored.at(7), stored.at(6));
        QVERIFY(!p.widget.isVisible());
        // An empty order number has the base folder itself: nothing is made under it.
        QCOMPARE(QDir(p.base.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    void correctionKeepsTheIdTheTimeOfDayAndTheOldFolder()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        addOrder7(db);
        Panel p(db);
        QDir(p.base.path()).mkdir(QStringLiteral("A1"));
        p.widget.correctOrder(7);
        QCOMPARE(p.edit("DBEdit10")->text(), QStringLiteral("A1"));
        QCOMPARE(p.dateEdit("DBDateEdit2")->text(), QStringLiteral("09.03.2026"));
        p.type("DBEdit10", QStringLiteral("A2"));
        p.dateEdit("DBDateEdit2")->setText(QStringLiteral("1. 4. 26"));
        p.type("suiDBEdit2", QString());
        QSignalSpy saved(&p.widget, &OrderEditPanel::orderSaved);
        p.widget.saveOrder();
        QCOMPARE(saved.count(), 1);
        QCOMPARE(saved.at(0).at(0).toLongLong(), 7);
        // ICO stays NULL: nobody edited it.
        QCOMPARE(order(db, 7), u"A2|-|Alfa|popis|druhý|-|2026-03-01 00:00:00|2026-04-01 14:30:00"_qs);
        QVERIFY(QFileInfo(p.base.filePath(QStringLiteral("A2"))).isDir());
        QVERIFY(QFileInfo(p.base.filePath(QStringLiteral("A1"))).isDir());
    }

    void textsRoundTripAndTooLongTextsAreRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fits");
        QTest::addRow("quotes and more") << u"O'Brien \"H\" C:\\x; 100 % žluť"_qs << true;
        QTest::addRow("exactly the column") << QString(100, u'ř') << true;
        QTest::addRow("one too many") << QString(101, u'x') << false;
    }
    void textsRoundTripAndTooLongTextsAreRefused()
    {
        QFETCH(QString, text);
        QFETCH(bool, fits);
        TestDb db;
        REQUIRE_TEST_DB(db);
        addOrder7(db);
        Panel p(db);
        MessageHook hook;
        p.widget.correctOrder(7);
        p.type("DBEdit7", text);
        p.type("suiDBEdit1", text);
        p.widget.saveOrder();
        if (fits) {
            QCOMPARE(hook.texts(), QStringList());
            QCOMPARE(db.scalar(QStringLiteral("select POPIS from vorlany where id = 7")), text);
            QCOMPARE(db.scalar(QStringLiteral("select POPIS2 from vorlany where id = 7")), text);
        } else {
            QCOMPARE(hook.shown().size(), 1);
            QVERIFY2(hook.texts().at(0).contains(QLatin1String("POPIS")), qPrintable(hook.texts().at(0)));
            QCOMPARE(order(db, 7), u"A1|-|Alfa|popis|druhý|5|2026-03-01 00:00:00|2026-03-09 14:30:00"_qs);
            QCOMPARE(p.edit("DBEdit7")->text(), text);
        }
    }

    void badInputIsRefusedBeforeAnythingIsWritten_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addRow("no such date") << "DBDateEdit1"
                                      << "31.2.2026";
        QTest::addRow("letters for a date") << "DBDateEdit2"
                                            << "zítra";
        QTest::addRow("centre beyond its column") << "suiDBEdit2"
                                                  << "99999999999";
    }
    void badInputIsRefusedBeforeAnythingIsWritten()
    {
        QFETCH(QString, edit);
        QFETCH(QString, typed);
        TestDb db;
        REQUIRE_TEST_DB(db);
        addOrder7(db);
        Panel p(db);
        MessageHook hook;
        p.widget.correctOrder(7);
        p.type("DBEdit10", QStringLiteral("changed"));
        QLineEdit* box
            = edit.startsWith(QLatin1String("DBDate")) ? p.dateEdit(qPrintable(edit)) : p.edit(qPrintable(edit));
        box->setText(typed);
        p.widget.saveOrder();
        QCOMPARE(hook.shown().size(), 1);
        QCOMPARE(db.scalar(QStringLiteral("select ZAKAZKA from vorlany where id = 7")), QStringLiteral("A1"));
        QCOMPARE(box->text(), typed);
    }

    void aFailedSaveKeepsTheOrderAndTheEdit()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        addOrder7(db);
        Panel p(db);
        p.widget.show();
        MessageHook hook;
        p.widget.correctOrder(7);
        p.type("DBEdit10", QStringLiteral("A2"));
        db.exec(QStringLiteral("create trigger refuse before insert on vorlany for each row "
                               "signal sqlstate '45000' set message_text = 'insert refused'"));
        p.widget.saveOrder();
        QCOMPARE(hook.texts(), QStringList({"SQL Error: insert refused."}));
        QCOMPARE(db.scalar(QStringLiteral("select ZAKAZKA from vorlany where id = 7")), QStringLiteral("A1"));
        QVERIFY(p.widget.isVisible());
        QCOMPARE(p.edit("DBEdit10")->text(), QStringLiteral("A2"));

        // The failed attempt left A2 in the scratch row; the user's change back must still count.
        p.type("DBEdit10", QStringLiteral("A1"));
        p.type("DBEdit7", QStringLiteral("nový popis"));
        db.exec(QStringLiteral("drop trigger refuse"));
        p.widget.saveOrder();
        QCOMPARE(db.scalar(QStringLiteral("select concat(ZAKAZKA, '|', POPIS) from vorlany where id = 7")),
            u"A1|nový popis"_qs);
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from vorlany")), QStringLiteral("1"));
    }

    void twoWorkstationsCorrectingOneOrderNeitherLoseNorDoubleIt()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        addOrder7(db);
        Connection other(db.settings());
        OrderEditor first(db.connection(), QStringLiteral("01"));
        OrderEditor second(other, QStringLiteral("02"));
        first.beginCopy(7);
        second.beginCopy(7);
        Record a = first.row();
        a.setValue(u"POPIS", QStringLiteral("first"));
        Record b = second.row();
        b.setValue(u"POPIS2", QStringLiteral("second"));
        QCOMPARE(first.save(a, QString()), 7);
        QCOMPARE(second.save(b, QString()), 7);
        QCOMPARE(db.scalar(QStringLiteral("select group_concat(concat_ws('|', id, POPIS, POPIS2)) from vorlany")),
            QStringLiteral("7|popis|second"));
    }

    void goingBackChangesNothing()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        addOrder7(db);
        Panel p(db);
        QSignalSpy ended(&p.widget, &OrderEditPanel::editEnded);
        p.widget.correctOrder(7);
        p.type("DBEdit10", QStringLiteral("A2"));
        p.widget.findChild<QPushButton*>(QStringLiteral("Button5"))->click();
        QCOMPARE(ended.count(), 1);
        QVERIFY(!p.widget.isVisible());
        QCOMPARE(order(db, 7), u"A1|-|Alfa|popis|druhý|5|2026-03-01 00:00:00|2026-03-09 14:30:00"_qs);
    }

    void correctingAnOrderDeletedMeanwhileSaysSo()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        Panel p(db);
        MessageHook hook;
        QSignalSpy missing(&p.widget, &OrderEditPanel::orderMissing);
        p.widget.correctOrder(7);
        QCOMPARE(missing.count(), 1);
        QCOMPARE(hook.shown().size(), 1);
        QVERIFY(hook.texts().at(0).contains(u"neexistuje"_qs));
        QVERIFY(!p.widget.isVisible());

        p.widget.correctOrder(std::nullopt);
        QCOMPARE(hook.shown().size(), 2);
        QVERIFY(!p.widget.isVisible());
    }

    void partnerTakenOverReachesTheOrder_data()
    {
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("ico");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::addRow("a partner") << true << "12345678" << u"Šťastný s.r.o."_qs << u"12345678|Šťastný s.r.o."_qs;
        QTest::addRow("from an empty list") << true << ""
                                            << ""
                                            << "|";
        QTest::addRow("went back") << false << ""
                                   << ""
                                   << "-|Alfa";
    }
    void partnerTakenOverReachesTheOrder()
    {
        QFETCH(bool, taken);
        QFETCH(QString, ico);
        QFETCH(QString, name);
        QFETCH(QString, stored);
        TestDb db;
        REQUIRE_TEST_DB(db);
        addOrder7(db);
        Panel p(db, [&]() -> std::optional<OrderEditPanel::Partner> {
            if (!taken)
                return std::nullopt;
            return OrderEditPanel::Partner {ico, name};
        });
        p.widget.show();
        p.widget.correctOrder(7);
        p.widget.findChild<QPushButton*>(QStringLiteral("Button6"))->click();
        p.widget.saveOrder();
        QCOMPARE(db.scalar(QStringLiteral("select concat_ws('|', ifnull(ICO,'-'), ifnull(NAZEVPODNI,'-')) from "
                                          "vorlany where id = 7")),
            stored);
    }
};

QTEST_MAIN(OrderEditPanelTest)
#include "OrderEditPanelTest.moc"
