#include "TempAppDir.h"

#include "common/AppDir.h"
#include "common/FormStateStore.h"
#include "common/IniFile.h"

#include <QtTest>

class FormStateStoreTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_dir = std::make_unique<TempAppDir>(); }
    void cleanup() { m_dir.reset(); }

    void valuesRoundTrip_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("restored");
        QTest::addRow("plain") << "/srv/zakázky"
                               << "/srv/zakázky";
        QTest::addRow("blanks around") << "  /srv/data   "
                                       << "/srv/data";
        QTest::addRow("wrapped in double quotes") << "\"/srv/a b\""
                                                  << "\"/srv/a b\"";
        QTest::addRow("wrapped in single quotes") << "'x'"
                                                  << "'x'";
        QTest::addRow("one quote only") << "\"/srv"
                                        << "\"/srv";
        QTest::addRow("empty") << ""
                               << "";
    }
    void valuesRoundTrip()
    {
        QFETCH(QString, typed);
        QFETCH(QString, restored);
        const FormStateStore store(QStringLiteral("TForm1"));
        store.saveValues({{QStringLiteral("DirectoryEdit1_Text"), typed}});
        QCOMPARE(
            FormStateStore(QStringLiteral("TForm1")).restoreValue(QStringLiteral("DirectoryEdit1_Text")), restored);

        const IniFile file(AppDir::file(AppDir::programName() + QStringLiteral(".INI")));
        QCOMPARE(file.readString(QStringLiteral("TForm1"), QStringLiteral("FormVersion")), QStringLiteral("0"));
    }

    void missingFileRestoresEmpty()
    {
        QCOMPARE(
            FormStateStore(QStringLiteral("TForm1")).restoreValue(QStringLiteral("DirectoryEdit1_Text")), QString());
    }

    void switchedFileAndSectionAndBack()
    {
        FormStateStore store(QStringLiteral("TForm1"));
        store.setFile(m_dir->filePath(QStringLiteral("Vorlany.ini")));
        store.setSection(QStringLiteral("Jiná"));
        store.writeString(QStringLiteral("OpenDialog1InitialDir"), QStringLiteral("/home"));
        QCOMPARE(store.readInt(QStringLiteral("Missing"), 7), 7);
        store.setSection({});
        store.setFile({});
        QCOMPARE(store.section(), QStringLiteral("TForm1"));
        QCOMPARE(
            store.readString(QStringLiteral("OpenDialog1InitialDir"), QStringLiteral("none")), QStringLiteral("none"));
        QCOMPARE(IniFile(m_dir->filePath(QStringLiteral("Vorlany.ini")))
                     .readString(QStringLiteral("jiná"), QStringLiteral("openDialog1InitialDir")),
            QStringLiteral("/home"));
    }

    void unwritableFileIsReported()
    {
        AppDir::setOverride(m_dir->filePath(QStringLiteral("missing/dir")));
        const FormStateStore store(QStringLiteral("TForm1"));
        try {
            store.saveValues({{QStringLiteral("DirectoryEdit1_Text"), QStringLiteral("x")}});
            QFAIL("no error");
        } catch (const std::exception& e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Unable to write to ") + store.filePath());
        }
    }

private:
    std::unique_ptr<TempAppDir> m_dir;
};

QTEST_GUILESS_MAIN(FormStateStoreTest)
#include "FormStateStoreTest.moc"
