#include "common/RegionalFormat.h"

#include <QLocale>
#include <QtTest>

class RegionalFormatTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic)); }

    void typedDates_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("date"); // null: no date
        QTest::addRow("d.m.yyyy") << "1.3.2024" << QDate(2024, 3, 1);
        QTest::addRow("dd.mm.yyyy") << "01.03.2024" << QDate(2024, 3, 1);
        QTest::addRow("blanks after the dots") << " 1. 3. 2024 " << QDate(2024, 3, 1);
        QTest::addRow("dd.mm.yy") << "01.03.24" << QDate(2024, 3, 1);
        QTest::addRow("d.m.yy") << "9.3.26" << QDate(2026, 3, 9);
        QTest::addRow("50 years ahead") << "1.1.76" << QDate(2076, 1, 1);
        QTest::addRow("more than 50 ahead is last century") << "1.1.77" << QDate(1977, 1, 1);
        QTest::addRow("end of last century") << "31.12.99" << QDate(1999, 12, 31);
        QTest::addRow("no such day") << "30.2.2024" << QDate();
        QTest::addRow("no such month") << "1.13.2024" << QDate();
        QTest::addRow("year missing") << "1.3." << QDate();
        QTest::addRow("three-digit year") << "1.3.202" << QDate();
        QTest::addRow("letters") << "zítra" << QDate();
        QTest::addRow("empty") << "" << QDate();
    }
    void typedDates()
    {
        QFETCH(QString, typed);
        QFETCH(QDate, date);
        QCOMPARE(RegionalFormat::parseDate(typed, QDate(2026, 12, 11)), date);
    }

    void shownDatesReadBack()
    {
        const QDate date(1931, 5, 7);
        QCOMPARE(RegionalFormat::date(date), QStringLiteral("07.05.1931"));
        QCOMPARE(RegionalFormat::parseDate(RegionalFormat::date(date)), date);
    }

    void typedDecimals_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("plain"); // null: no number
        QTest::addRow("comma") << "12,5" << "12.5";
        QTest::addRow("dot") << "12.5" << "12.5";
        QTest::addRow("plus and blanks") << " +7 " << "7";
        QTest::addRow("grouped") << u"1\u00A0234,50"_qs << "1234.50";
        QTest::addRow("leading point") << ",5" << ".5";
        QTest::addRow("letters") << "abc" << QString();
        QTest::addRow("two points") << "1,2,3" << QString();
        QTest::addRow("sign alone") << "-" << QString();
        QTest::addRow("exponent") << "1e5" << QString();
    }
    void typedDecimals()
    {
        QFETCH(QString, typed);
        QFETCH(QString, plain);
        const std::optional<QString> parsed = RegionalFormat::plainDecimal(typed);
        QCOMPARE(parsed.value_or(QString()), plain);
        QCOMPARE(parsed.has_value(), !plain.isNull());
    }
};

QTEST_GUILESS_MAIN(RegionalFormatTest)
#include "RegionalFormatTest.moc"
