#include "widgets/DateBox.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class DateBoxTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic)); }

    void typedDateIsTakenAndShownInTheRegionalForm()
    {
        DateBox box;
        QSignalSpy changed(&box, &DateBox::dateChanged);
        auto* edit = box.findChild<QLineEdit*>();
        QTest::keyClicks(edit, QStringLiteral("1. 3. 2024"));
        QCOMPARE(box.date(), std::optional<QDate>(QDate(2024, 3, 1)));
        emit edit->editingFinished();
        QCOMPARE(box.text(), QStringLiteral("01.03.2024"));
        QCOMPARE(changed.count(), 1);
        QVERIFY(!edit->property("invalid").toBool());
    }

    void unreadableTextStaysAndIsMarked()
    {
        DateBox box;
        auto* edit = box.findChild<QLineEdit*>();
        QTest::keyClicks(edit, QStringLiteral("31.2.2024"));
        emit edit->editingFinished();
        QCOMPARE(box.date(), std::nullopt);
        QCOMPARE(box.text(), QStringLiteral("31.2.2024"));
        QVERIFY(edit->property("invalid").toBool());
        QVERIFY(!edit->toolTip().isEmpty());

        edit->clear();
        QCOMPARE(box.date(), std::optional<QDate>(QDate()));
        QVERIFY(!edit->property("invalid").toBool());
    }
};

QTEST_MAIN(DateBoxTest)
#include "DateBoxTest.moc"
