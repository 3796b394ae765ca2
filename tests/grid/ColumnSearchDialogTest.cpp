#include "TestDb.h"

#include "app/Application.h"
#include "common/MessageHook.h"
#include "db/Dataset.h"
#include "grid/ColumnSearchDialog.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QtTest>

class ColumnSearchDialogTest : public QObject {
    Q_OBJECT

private:
    struct Window {
        explicit Window(Dataset& data, const QString& field)
            : dialog(data, field, QPoint(0, 0))
        {
            dialog.show();
            text = dialog.findChild<QLineEdit*>(QStringLiteral("searchEdit"));
            list = dialog.findChild<QListView*>(QStringLiteral("valueList"));
            take = dialog.findChild<QPushButton*>(QStringLiteral("takeButton"));
            fields = dialog.findChild<QComboBox*>(QStringLiteral("fieldBox"));
            listMode = dialog.findChild<QCheckBox*>(QStringLiteral("listModeBox"));
            partMatching = dialog.findChild<QCheckBox*>(QStringLiteral("partMatchingBox"));
            tester = std::make_unique<QAbstractItemModelTester>(list->model());
        }
        QStringList shown() const
        {
            QStringList values;
            for (int row = 0; row < list->model()->rowCount(); ++row)
                values << list->model()->index(row, 0).data().toString();
            return values;
        }
        QString selected() const { return list->currentIndex().data().toString(); }

        ColumnSearchDialog dialog;
        QLineEdit* text;
        QListView* list;
        QPushButton* take;
        QComboBox* fields;
        QCheckBox* listMode;
        QCheckBox* partMatching;
        std::unique_ptr<QAbstractItemModelTester> tester;
    };

    std::unique_ptr<TestDb> m_db;
    std::unique_ptr<Dataset> m_data;

    QString current() const { return m_data->currentValue(u"NAZEVPODNI").toString(); }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        Application::applyTheme(*qApp);
        m_db = std::make_unique<TestDb>();
        if (!m_db->ready())
            return;
        m_db->insertRows(QStringLiteral("vorlany"),
            {QStringLiteral("id"), QStringLiteral("ZAKAZKA"), QStringLiteral("NAZEVPODNI"),
                QStringLiteral("STREDISKO")},
            {{1, "1", "Alfa", 5}, {2, "2", "xABCx", 12}, {3, "3", "Beta", 7}, {4, "4", "Cabc", 7},
                {5, "5", "Delta", 30}, {6, "6", "Gama", QVariant()}});
        m_db->exec(
            QStringLiteral("create table poznamky (id int primary key, POPIS text, POZNAMKA mediumtext, OBSAH blob)"));
        m_db->insertRows(QStringLiteral("poznamky"), {QStringLiteral("id"), QStringLiteral("POPIS")},
            {{1, u"Oprava brány"_qs}, {2, u"Nátěr haly"_qs}});
        m_data = std::make_unique<Dataset>(
            m_db->connection(), QStringLiteral("select id, ZAKAZKA, NAZEVPODNI, STREDISKO from vorlany"));
    }

    void init()
    {
        REQUIRE_TEST_DB(*m_db);
        m_data->open();
        m_data->sortBy(QStringLiteral("NAZEVPODNI"));
        m_data->setCurrentRow(3); // Delta
    }

    void openingShowsAllValuesAndMovesToTheFirstRow()
    {
        Window w(*m_data, QStringLiteral("nazevpodni"));
        QCOMPARE(w.fields->currentText(), QStringLiteral("NAZEVPODNI"));
        QCOMPARE(w.fields->count(), 4);
        QCOMPARE(w.shown(), QStringList({"Alfa", "Beta", "Cabc", "Delta", "Gama", "xABCx"}));
        QCOMPARE(current(), QStringLiteral("Alfa"));
        QVERIFY(QTest::qWaitForWindowActive(&w.dialog));
        QCOMPARE(QApplication::focusWidget(), w.text);
        QVERIFY(w.take->isDefault());
    }

    void valueListIsCourierNew8pt()
    {
        Window w(*m_data, QStringLiteral("NAZEVPODNI"));
        QVERIFY(QTest::qWaitForWindowExposed(&w.dialog));
        const QFont font = w.list->font();
        QCOMPARE(font.family(), QStringLiteral("Courier New"));
        QCOMPARE(font.pointSize(), 8);
        QVERIFY2(QFontInfo(font).fixedPitch(), qPrintable(QFontInfo(font).family()));
        // Each row two pixels taller than the characters.
        QCOMPARE(w.list->sizeHintForRow(0), QFontMetrics(font).height() + 2);
    }

    void searchesTheRequestedLongTextField()
    {
        Dataset notes(
            m_db->connection(), QStringLiteral("select id, POPIS, POZNAMKA, OBSAH from poznamky order by id"));
        notes.open();
        Window w(notes, QStringLiteral("POPIS"));
        QCOMPARE(w.fields->currentText(), QStringLiteral("POPIS"));
        QCOMPARE(w.shown(), QStringList({u"Oprava brány"_qs, u"Nátěr haly"_qs}));
        // Other long text and byte strings stay out.
        QStringList fields;
        for (int i = 0; i < w.fields->count(); ++i)
            fields << w.fields->itemText(i);
        QCOMPARE(fields, QStringList({"id", "POPIS"}));
    }

    void stornoBringsBackTheSavedRow()
    {
        Window w(*m_data, QStringLiteral("NAZEVPODNI"));
        QTest::keyClicks(w.text, QStringLiteral("gam"));
        QCOMPARE(current(), QStringLiteral("Gama"));
        QTest::keyClick(w.text, Qt::Key_Escape);
        QVERIFY(!w.dialog.isVisible());
        QCOMPARE(w.dialog.result(), int(QDialog::Rejected));
        QCOMPARE(current(), QStringLiteral("Delta"));
    }

    void typingNarrowsWithoutRegardToCaseAndEnterTakes()
    {
        Window w(*m_data, QStringLiteral("NAZEVPODNI"));
        QTest::keyClicks(w.text, QStringLiteral("abc"));
        QCOMPARE(w.shown(), QStringList({"Cabc", "xABCx"}));
        QCOMPARE(current(), QStringLiteral("Cabc"));
        QTest::keyClick(w.text, Qt::Key_Down);
        QCOMPARE(w.selected(), QStringLiteral("xABCx"));
        QCOMPARE(current(), QStringLiteral("xABCx"));
        QCOMPARE(w.text->text(), QStringLiteral("abc"));

        w.text->clear();
        QCOMPARE(w.shown().size(), 6);
        QTest::keyClicks(w.text, QStringLiteral("ABC"));
        QTest::keyClick(w.text, Qt::Key_Down);
        QTest::keyClick(w.text, Qt::Key_Return);
        QCOMPARE(w.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(current(), QStringLiteral("xABCx"));
    }

    void textMatchingNothingEmptiesTheListAndKeepsTheLastRow()
    {
        Window w(*m_data, QStringLiteral("NAZEVPODNI"));
        QTest::keyClicks(w.text, QStringLiteral("bet"));
        QCOMPARE(current(), QStringLiteral("Beta"));
        QTest::keyClicks(w.text, QStringLiteral("q"));
        QCOMPARE(w.shown(), QStringList());
        QVERIFY(!w.take->isDefault());
        QTest::keyClick(w.text, Qt::Key_Return); // nothing is the default now
        QVERIFY(w.dialog.isVisible());
        w.take->click();
        QCOMPARE(w.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(current(), QStringLiteral("Beta"));
    }

    void withoutPartMatchingTypingFindsTheLowerBound()
    {
        Window w(*m_data, QStringLiteral("NAZEVPODNI"));
        w.partMatching->setChecked(false);
        QCOMPARE(w.text->text(), QStringLiteral("Alfa"));
        QCOMPARE(w.shown().size(), 6);
        w.text->clear();
        QTest::keyClicks(w.text, QStringLiteral("c"));
        QCOMPARE(w.selected(), QStringLiteral("Cabc"));
        QTest::keyClicks(w.text, QStringLiteral("z")); // "cz": between Cabc and Delta
        QCOMPARE(w.selected(), QStringLiteral("Delta"));
        QCOMPARE(current(), QStringLiteral("Delta"));
        QVERIFY(!w.take->isDefault());
        w.text->setText(QStringLiteral("zzz")); // after every value: the selection stays
        QCOMPARE(w.selected(), QStringLiteral("Delta"));

        // A value chosen by key goes into the text box, and then Enter takes it.
        QTest::keyClick(w.text, Qt::Key_Up);
        QCOMPARE(w.text->text(), QStringLiteral("Cabc"));
        QCOMPARE(w.text->selectedText(), QStringLiteral("Cabc"));
        QVERIFY(w.take->isDefault());
    }

    void wholeTextSearchWithoutTheList()
    {
        MessageHook hook;
        Window w(*m_data, QStringLiteral("NAZEVPODNI"));
        const QSize listSize = w.dialog.size();
        w.listMode->setChecked(false);
        QVERIFY(w.list->isHidden());
        QVERIFY(w.partMatching->isHidden());
        QVERIFY(w.dialog.height() < listSize.height());
        QVERIFY(w.take->isDefault());

        QTest::keyClicks(w.text, QStringLiteral("gam"));
        w.take->click();
        QCOMPARE(hook.shown().size(), 1);
        QCOMPARE(hook.shown().at(0).title, QStringLiteral("Error"));
        QCOMPARE(hook.shown().at(0).text, QStringLiteral("Record not found"));
        QVERIFY(w.dialog.isVisible());

        QTest::keyClicks(w.text, QStringLiteral("A"));
        w.take->click();
        QCOMPARE(w.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(current(), QStringLiteral("Gama"));
    }

    void numericFieldRefusesLettersAndFieldChangeRebuilds()
    {
        Window w(*m_data, QStringLiteral("NAZEVPODNI"));
        w.fields->setCurrentText(QStringLiteral("STREDISKO"));
        // In the dataset's order (by name): 5, 7, 7, 30, null, 12.
        QCOMPARE(w.shown(), QStringList({"5", "7", "7", "30", "", "12"}));
        QTest::keyClicks(w.text, QStringLiteral("1x°2"));
        QCOMPARE(w.text->text(), QStringLiteral("12"));
        QCOMPARE(current(), QStringLiteral("xABCx"));

        w.fields->setCurrentText(QStringLiteral("ZAKAZKA"));
        QCOMPARE(w.text->text(), QString());
        QTest::keyClicks(w.text, QStringLiteral("x°"));
        QCOMPARE(w.text->text(), QStringLiteral("x"));
    }
};

QTEST_MAIN(ColumnSearchDialogTest)
#include "ColumnSearchDialogTest.moc"
