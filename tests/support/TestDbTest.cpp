#include "TestDb.h"

#include <QTemporaryDir>
#include <QtTest>

class TestDbTest : public QObject {
    Q_OBJECT

private slots:
    void splitScript_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("statements");
        QTest::addRow("plain") << "CREATE TABLE a (x INT);\nINSERT INTO a VALUES (1);\n"
                               << QStringList({"CREATE TABLE a (x INT)", "INSERT INTO a VALUES (1)"});
        QTest::addRow("last without delimiter") << "SELECT 1;\n SELECT 2 \n" << QStringList({"SELECT 1", "SELECT 2"});
        QTest::addRow("delimiter in quotes")
            << "INSERT INTO a VALUES ('a;b', \"c;d\", 'it''s;', 'x\\';y');"
            << QStringList({"INSERT INTO a VALUES ('a;b', \"c;d\", 'it''s;', 'x\\';y')"});
        QTest::addRow("delimiter in a quoted name") << "SELECT `a;b` FROM t;" << QStringList({"SELECT `a;b` FROM t"});
        QTest::addRow("comments") << "-- one; two\nSELECT 1; # three; four\n/* five; */SELECT 2--;\n;"
                                  << QStringList({"SELECT 1", "SELECT 2--"});
        QTest::addRow("comment marks in quotes")
            << "SELECT '-- x', '# y', '/* z */';" << QStringList({"SELECT '-- x', '# y', '/* z */'"});
        QTest::addRow("DELIMITER lines") << "DELIMITER $$\n"
                                            "CREATE TRIGGER t BEFORE INSERT ON a FOR EACH ROW\n"
                                            "BEGIN\n  SET NEW.x = 1;\n  SET NEW.y = 2;\nEND$$\n"
                                            "delimiter ;\n"
                                            "SELECT 1;"
                                         << QStringList({"CREATE TRIGGER t BEFORE INSERT ON a FOR EACH ROW\n"
                                                         "BEGIN\n  SET NEW.x = 1;\n  SET NEW.y = 2;\nEND",
                                                "SELECT 1"});
    }
    void splitScript()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, statements);
        QCOMPARE(TestDb::splitScript(script), statements);
    }

    void loadsASchemaWithTriggersAndProcedures()
    {
        QTemporaryDir dir;
        const QString schema = dir.filePath(QStringLiteral("schema.sql"));
        {
            QFile file(schema);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("CREATE DATABASE IF NOT EXISTS velnor;\n"
                       "USE velnor;\n"
                       "CREATE TABLE IF NOT EXISTS zaznam (id INT PRIMARY KEY, nazev VARCHAR(20), delka INT);\n"
                       "DELIMITER //\n"
                       "CREATE TRIGGER IF NOT EXISTS zaznam_delka BEFORE INSERT ON zaznam FOR EACH ROW\n"
                       "BEGIN\n"
                       "    -- counted here; not by the client\n"
                       "    SET NEW.delka = CHAR_LENGTH(NEW.nazev);\n"
                       "END//\n"
                       "CREATE PROCEDURE IF NOT EXISTS zaznam_pocet(OUT pocet INT)\n"
                       "BEGIN\n"
                       "    SELECT COUNT(*) INTO pocet FROM zaznam;\n"
                       "END//\n"
                       "DELIMITER ;\n");
        }
        TestDb db(schema);
        REQUIRE_TEST_DB(db);
        db.insertRows(QStringLiteral("zaznam"), {QStringLiteral("id"), QStringLiteral("nazev")}, {{7, "a;b;c"}});
        QCOMPARE(db.scalar(QStringLiteral("SELECT delka FROM zaznam WHERE id = 7")), QStringLiteral("5"));
        db.exec(QStringLiteral("CALL zaznam_pocet(@pocet)"));
        QCOMPARE(db.scalar(QStringLiteral("SELECT @pocet")), QStringLiteral("1"));
    }
};

QTEST_GUILESS_MAIN(TestDbTest)
#include "TestDbTest.moc"
