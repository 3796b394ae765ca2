#include "orders/OrderFolder.h"

#include <QTemporaryDir>
#include <QtTest>

class OrderFolderTest : public QObject {
    Q_OBJECT

private slots:
    void paths_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("path"); // null: none
        QTest::addRow("separator in the number") << "/srv/zakazky" << "2026/1" << QString();
        QTest::addRow("plain") << "/srv/zakazky" << "2026-001" << "/srv/zakazky/2026-001";
        QTest::addRow("base with separator") << "/srv/zakazky/" << "2026-001" << "/srv/zakazky/2026-001";
        QTest::addRow("empty number is the base") << "/srv/zakazky" << "" << "/srv/zakazky/";
        QTest::addRow("backslash") << "/srv/zakazky" << "a\\b" << QString();
        QTest::addRow("dot") << "/srv/zakazky" << "." << QString();
        QTest::addRow("dot dot") << "/srv/zakazky" << ".." << QString();
        QTest::addRow("dots inside are fine") << "/srv" << "1..2" << "/srv/1..2";
        QTest::addRow("empty base") << "" << "2026-001" << QString();
    }
    void paths()
    {
        QFETCH(QString, base);
        QFETCH(QString, number);
        QFETCH(QString, path);
        QCOMPARE(OrderFolder::path(base, number).value_or(QString()), path);
        QCOMPARE(OrderFolder::path(base, number).has_value(), !path.isNull());
    }

    void createMakesOneLevelAndIsSilentOtherwise()
    {
        QTemporaryDir dir;
        OrderFolder::create(dir.path(), QStringLiteral("2026-001"));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("2026-001"))).isDir());
        OrderFolder::create(dir.path(), QStringLiteral("2026-001"));
        OrderFolder::create(dir.filePath(QStringLiteral("missing")), QStringLiteral("x"));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
        OrderFolder::create(dir.path(), QStringLiteral(".."));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"2026-001"}));
    }
};

QTEST_GUILESS_MAIN(OrderFolderTest)
#include "OrderFolderTest.moc"
