#include "DatasetValues.h"
#include "ModalAnswer.h"
#include "TestDb.h"

#include "common/MessageHook.h"
#include "db/Dataset.h"
#include "grid/ColumnSearchDialog.h"
#include "grid/DatasetGrid.h"
#include "partners/AddressBook.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// The address book against a real server: what adding, correcting, deleting and closing leave in
// the partner table, the scratch table and the list.
class AddressBookTest : public QObject {
    Q_OBJECT

private:
    struct Book {
        explicit Book(TestDb& db)
            : window(db.connection(), QStringLiteral("00"))
        {
            window.show();
        }
        QLineEdit* edit(const char* name) const { return window.findChild<QLineEdit*>(QLatin1String(name)); }
        void type(const char* name, const QString& text) const { edit(name)->setText(text); }
        void click(const char* name) const { window.findChild<QPushButton*>(QLatin1String(name))->click(); }
        bool editing() const { return window.findChild<QWidget*>(QStringLiteral("Panel1"))->isVisible(); }
        QStringList names() const { return DatasetValues::column(window.partners(), u"NAZEVPODNI"); }
        QString currentName() const { return window.partners().currentValue(u"NAZEVPODNI").toString(); }
        // Makes the named partner current.
        void choose(const QString& name) const { window.partners().setCurrentRow(int(names().indexOf(name))); }

        AddressBook window;
    };

    // Every column of the partner, NULL as "-"; empty when there is no such partner.
    static QString partner(TestDb& db, qint64 id)
    {
        return db.scalar(
            QStringLiteral("select concat_ws('|', ifnull(ICO,'-'), ifnull(NAZEVPODNI,'-'), "
                           "ifnull(SIDLO,'-'), ifnull(ULICECISLO,'-'), ifnull(PSC,'-'), ifnull(POSTA,'-'), "
                           "ifnull(TELEFON,'-'), ifnull(KOD_PLATCE,'-'), ifnull(EMAILOBJ,'-'), "
                           "ifnull(SLEVA,'-')) from adresar where id = %1")
                .arg(id));
    }

    static QString allPartners(TestDb& db)
    {
        return db.scalar(
            QStringLiteral("select ifnull(group_concat(id, ':', NAZEVPODNI order by id), '') from adresar"));
    }

    static bool scratchExists(TestDb& db)
    {
        return db.scalar(QStringLiteral("select count(*) from information_schema.tables where table_schema = "
                                        "database() and table_name = 'tmp00adr'"))
            == u"1";
    }

    // Partners 7, 8, 9: Alfa, Beta, Gama.
    static void addPartners(TestDb& db, int count = 3)
    {
        const QList<QVariantList> rows = {{7, "1", "Alfa", "Praha", "777 111", 10.5}, {8, "2", "Beta", "Brno", {}, {}},
            {9, "3", "Gama", "Zlín", "602", {}}};
        db.insertRows(
            QStringLiteral("adresar"), {"id", "ICO", "NAZEVPODNI", "SIDLO", "TELEFON", "SLEVA"}, rows.mid(0, count));
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic)); }

    void addingStoresAnEmptyPartnerUnderANewId()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        addPartners(db);
        Book b(db);
        b.click("Button2");
        QVERIFY(b.editing());
        b.click("Button4");
        QVERIFY(!b.editing());
        QCOMPARE(partner(db, 10), QStringLiteral("||||||-|-|-|-"));
        QCOMPARE(b.names(), QStringList({"", "Alfa", "Beta", "Gama"}));
        QCOMPARE(b.window.partners().currentValue(u"id").toLongLong(), 10);
    }

    void correctionKeepsTheIdAndTheTelephone()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        addPartners(db);
        Book b(db);
        b.choose(QStringLiteral("Alfa"));
        b.click("Button3");
        QCOMPARE(b.edit("DBEdit8")->text(), QStringLiteral("Alfa"));
        QCOMPARE(b.edit("suiDBEdit3")->text(), QStringLiteral("10,50"));
        b.type("DBEdit8", QStringLiteral("Omega"));
        b.type("suiDBEdit3", QStringLiteral("12,5"));
        b.click("Button4");
        QCOMPARE(partner(db, 7), QStringLiteral("1|Omega|Praha|-|-|-|777 111|-|-|12.50"));
        QCOMPARE(allPartners(db), QStringLiteral("7:Omega,8:Beta,9:Gama"));
        QCOMPARE(b.currentName(), QStringLiteral("Omega"));
    }

    void everyTextRoundTrips()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        Book b(db);
        b.click("Button2");
        // In the order of the columns, TELEFON (no edit) left out.
        const QList<const char*> edits
            = {"EditICO", "DBEdit8", "DBEdit10", "DBEdit7", "DBEdit1", "DBEdit2", "suiDBEdit1", "suiDBEdit2"};
        QStringList texts;
        for (const char* name : edits) {
            texts << u"'\"\\;ř"_qs + QString::number(texts.size());
            b.type(name, texts.last());
        }
        b.click("Button4");
        QVERIFY(!b.editing());
        texts.insert(6, QStringLiteral("-"));
        QCOMPARE(partner(db, 1), texts.join(u'|') + QStringLiteral("|-"));
    }

    void refusedValueKeepsTheEditAndThePartner_data()
    {
        QTest::addColumn<QByteArray>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addRow("no number") << QByteArray("suiDBEdit3") << "abc" << u"Sleva „abc“ není číslo."_qs;
        QTest::addRow("too large")
            << QByteArray("suiDBEdit3") << "1000"
            << u"Sleva „1000“ se do pole nevejde: nejvýš 3 číslice před desetinnou čárkou a 2 za ní."_qs;
        QTest::addRow("too many decimals") << QByteArray("suiDBEdit3") << "1,255"
                                           << u"Sleva „1,255“ se do pole nevejde: nejvýš 3 číslice před desetinnou "
                                              u"čárkou a 2 za ní."_qs;
        QTest::addRow("text too long") << QByteArray("EditICO") << QString(16, u'9')
                                       << u"Text v poli ICO je delší, než pole pojme (16 znaků z 15). Zkraťte ho, nic "
                                          u"nebylo zapsáno."_qs;
    }
    void refusedValueKeepsTheEditAndThePartner()
    {
        QFETCH(QByteArray, edit);
        QFETCH(QString, text);
        QFETCH(QString, message);
        TestDb db;
        REQUIRE_TEST_DB(db);
        addPartners(db, 1);
        const QString before = partner(db, 7);
        Book b(db);
        MessageHook hook;
        b.click("Button3");
        b.type("DBEdit8", QStringLiteral("Nové"));
        b.type(edit.constData(), text);
        b.click("Button4");
        QCOMPARE(hook.texts(), QStringList({message}));
        QVERIFY(b.editing());
        QCOMPARE(b.edit(edit.constData())->text(), text);
        QCOMPARE(partner(db, 7), before);
        // Mended, the same edit saves.
        b.type(edit.constData(), QStringLiteral("99"));
        b.click("Button4");
        QVERIFY(!b.editing());
        QVERIFY(partner(db, 7).startsWith(edit == "EditICO" ? u"99|Nové|"_qs : u"1|Nové|"_qs));
    }

    void serverRefusalLeavesTheStoredPartner_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<bool>("deleting");
        QTest::addRow("delete") << "before delete" << true;
        QTest::addRow("save") << "before insert" << false;
    }
    void serverRefusalLeavesTheStoredPartner()
    {
        QFETCH(QString, trigger);
        QFETCH(bool, deleting);
        TestDb db;
        REQUIRE_TEST_DB(db);
        addPartners(db, 2);
        db.exec(QStringLiteral("create trigger refuse %1 on adresar for each row "
                               "signal sqlstate '45000' set message_text = 'odmítnuto'")
                    .arg(trigger));
        Book b(db);
        MessageHook hook;
        if (deleting) {
            b.click("suiButton1");
        } else {
            b.click("Button3");
            b.type("DBEdit8", QStringLiteral("Nové"));
            b.click("Button4");
        }
        QCOMPARE(hook.shown().last().kind, QStringLiteral("error"));
        QVERIFY(hook.shown().last().text.contains(u"odmítnuto"));
        QCOMPARE(allPartners(db), QStringLiteral("7:Alfa,8:Beta"));
        QCOMPARE(b.names(), QStringList({"Alfa", "Beta"}));
        QCOMPARE(b.editing(), !deleting);
    }

    void deleting_data()
    {
        QTest::addColumn<int>("partners");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QString>("currentAfter");
        QTest::addRow("Ne") << 3 << "Beta" << 2 << QStringList({"Alfa", "Beta", "Gama"}) << "Beta";
        QTest::addRow("in the middle") << 3 << "Beta" << 1 << QStringList({"Alfa", "Gama"}) << "Gama";
        QTest::addRow("the last") << 3 << "Gama" << 1 << QStringList({"Alfa", "Beta"}) << "Beta";
        QTest::addRow("the only one") << 1 << "Alfa" << 1 << QStringList() << "";
    }
    void deleting()
    {
        QFETCH(int, partners);
        QFETCH(QString, chosen);
        QFETCH(int, answer);
        QFETCH(QStringList, left);
        QFETCH(QString, currentAfter);
        TestDb db;
        REQUIRE_TEST_DB(db);
        addPartners(db, partners);
        Book b(db);
        b.choose(chosen);
        MessageHook hook;
        hook.queueAnswer(answer);
        b.click("suiButton1");
        QCOMPARE(hook.shown().size(), 1);
        QCOMPARE(hook.shown().at(0).kind, QStringLiteral("question"));
        QCOMPARE(hook.shown().at(0).title, QStringLiteral("Reveda zizure"));
        QCOMPARE(hook.shown().at(0).text, QStringLiteral("Opravdu zrušit adresu?"));
        QCOMPARE(b.names(), left);
        QCOMPARE(b.currentName(), currentAfter);
        QCOMPARE(db.scalar(QStringLiteral("select ifnull(group_concat(NAZEVPODNI order by id), '') from adresar")),
            left.join(u','));
    }

    void deletingFromAnEmptyListDeletesNothing()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        Book b(db);
        MessageHook hook;
        b.click("suiButton1");
        QCOMPARE(hook.texts(),
            QStringList({"Opravdu zrušit adresu?", "zqAdre: Cannot perform this operation on an empty dataset."}));
    }

    void deletingThePartnerBeingEditedThenSavingStoresItAgain()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        addPartners(db, 2);
        Book b(db);
        b.choose(QStringLiteral("Beta"));
        b.click("Button3");
        MessageHook hook;
        b.click("suiButton1");
        QCOMPARE(allPartners(db), QStringLiteral("7:Alfa"));
        b.click("Button4");
        QCOMPARE(allPartners(db), QStringLiteral("7:Alfa,8:Beta"));
        QCOMPARE(b.names(), QStringList({"Alfa", "Beta"}));
    }

    void correctingAPartnerDeletedMeanwhileRefreshesTheList()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        addPartners(db);
        Book b(db);
        b.choose(QStringLiteral("Beta"));
        db.exec(QStringLiteral("delete from adresar where id = 8"));
        MessageHook hook;
        b.click("Button3");
        QVERIFY(!b.editing());
        QCOMPARE(hook.texts(),
            QStringList({"Záznam už neexistuje, mezitím ho smazala jiná stanice. Seznam bude načten znovu."}));
        QCOMPARE(b.names(), QStringList({"Alfa", "Gama"}));
    }

    void titleClickSortsAndSearchesInTheMiddleOfTheWindow()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        addPartners(db);
        Book b(db);
        auto* grid = b.window.findChild<DatasetGrid*>(QStringLiteral("DBGrid1"));
        QHeaderView* titles = grid->horizontalHeader();
        constexpr int kSeatColumn = 2;
        QCOMPARE(grid->model()->headerData(kSeatColumn, Qt::Horizontal).toString(), QStringLiteral("SIDLO"));
        const ModalAnswer answer([&](QWidget* modal) {
            QVERIFY(qobject_cast<ColumnSearchDialog*>(modal));
            // Within the rounding of both centres.
            QVERIFY((modal->geometry().center() - b.window.frameGeometry().center()).manhattanLength() <= 4);
        });
        QTest::mouseClick(titles->viewport(), Qt::LeftButton, {},
            QPoint(titles->sectionViewportPosition(kSeatColumn) + 5, titles->height() / 2));
        QVERIFY(answer.succeeded());
        QCOMPARE(DatasetValues::column(b.window.partners(), u"SIDLO"), QStringList({"Brno", "Praha", "Zlín"}));
    }

    void closingDropsTheEditAndTheScratchTable_data()
    {
        QTest::addColumn<bool>("editing");
        QTest::addRow("during an edit") << true;
        QTest::addRow("with nothing edited") << false;
    }
    void closingDropsTheEditAndTheScratchTable()
    {
        QFETCH(bool, editing);
        TestDb db;
        REQUIRE_TEST_DB(db);
        addPartners(db);
        // Left by an earlier run of this workstation.
        db.exec(QStringLiteral("create table tmp00adr select * from adresar limit 0"));
        const QString before = allPartners(db);
        Book b(db);
        if (editing) {
            b.click("Button3");
            b.type("DBEdit8", QStringLiteral("Nové"));
        }
        b.window.close();
        QVERIFY(!b.window.isVisible());
        QVERIFY(!b.window.partners().isOpen());
        QVERIFY(!scratchExists(db));
        QCOMPARE(allPartners(db), before);
    }
};

QTEST_MAIN(AddressBookTest)
#include "AddressBookTest.moc"
