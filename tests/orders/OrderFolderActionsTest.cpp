#include "ShellOpenRecorder.h"
#include "TempAppDir.h"
#include "TestFiles.h"

#include "common/AppDir.h"
#include "common/FormStateStore.h"
#include "common/IniFile.h"
#include "common/MessageHook.h"
#include "orders/OrderFolderActions.h"
#include "widgets/Guarded.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <optional>

class OrderFolderActionsTest : public QObject {
    Q_OBJECT

private:
    // Answers like the user would and, like the file dialogs of some desktops, leaves the current
    // directory where the user browsed.
    OrderFolderActions actions(const QString& answer)
    {
        return OrderFolderActions(m_store, nullptr, [this, answer](const QString& startFolder) {
            m_startFolders << startFolder;
            QDir::setCurrent(file(QStringLiteral("zdroj")));
            return answer;
        });
    }

    QString file(const QString& name) const { return m_files->filePath(name); }
    QString base() const { return file(QStringLiteral("zakazky")); }

    static QString rememberedFolder()
    {
        return IniFile(AppDir::file(QStringLiteral("Vorlany.ini")))
            .readString(QStringLiteral("TForm1"), QStringLiteral("OpenDialog1InitialDir"), QStringLiteral("none"));
    }

    static QString currentDirectory() { return QFileInfo(QDir::currentPath()).canonicalFilePath(); }
    static QString applicationDirectory() { return QFileInfo(AppDir::path()).canonicalFilePath(); }

    QString m_savedCurrentDirectory;
    std::unique_ptr<TempAppDir> m_appDir;
    std::unique_ptr<QTemporaryDir> m_files;
    std::unique_ptr<MessageHook> m_hook;
    FormStateStore m_store {QStringLiteral("TForm1")};
    QStringList m_startFolders;

private slots:
    void init()
    {
        m_savedCurrentDirectory = QDir::currentPath();
        m_appDir = std::make_unique<TempAppDir>();
        m_files = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(file(QStringLiteral("zakazky/2026-001"))));
        QVERIFY(QDir().mkpath(file(QStringLiteral("zdroj"))));
        m_hook = std::make_unique<MessageHook>();
        m_startFolders.clear();
    }
    void cleanup()
    {
        m_hook.reset();
        QDir::setCurrent(m_savedCurrentDirectory);
        m_files.reset();
        m_appDir.reset();
    }

    void addFileReplacesTheOrdersCopyKeepingTheDate()
    {
        QByteArray content;
        for (int i = 0; i < 20000; ++i)
            content.append(char(i * 13));
        const QString source = TestFiles::write(file(QStringLiteral("zdroj/výkres.pdf")), content);
        const QDateTime stamp = QDateTime::currentDateTime().addDays(-3).addMSecs(-QTime::currentTime().msec());
        {
            QFile f(source);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(stamp, QFileDevice::FileModificationTime));
        }
        const QString target = TestFiles::write(file(QStringLiteral("zakazky/2026-001/výkres.pdf")), "older drawing");

        actions(source).addFile(base() + u'/', QStringLiteral("2026-001"));

        QCOMPARE(m_startFolders, QStringList({QString()})); // nothing remembered yet
        QCOMPARE(TestFiles::read(target), content);
        QCOMPARE(QFileInfo(target).lastModified(), stamp);
        QCOMPARE(m_hook->texts(), QStringList({u"soubor přenesen"_qs}));
        QCOMPARE(rememberedFolder(), file(QStringLiteral("zdroj")));
        QCOMPARE(currentDirectory(), applicationDirectory());
        // The store is back on the form-state file.
        QCOMPARE(m_store.filePath(), AppDir::file(AppDir::programName() + QStringLiteral(".INI")));
        QCOMPARE(m_store.section(), QStringLiteral("TForm1"));
    }

    void theNextAddStartsWhereTheLastFileCameFromAlsoAfterAFailedCopy()
    {
        const QString other = file(QStringLiteral("jinde"));
        QVERIFY(QDir().mkpath(other));
        const QString source = TestFiles::write(other + QStringLiteral("/plan.txt"), "plan");
        // A folder of that name in the order's folder cannot be replaced by a file.
        QVERIFY(QDir().mkpath(file(QStringLiteral("zakazky/2026-001/plan.txt"))));

        actions(source).addFile(base(), QStringLiteral("2026-001"));
        QCOMPARE(m_hook->texts(), QStringList());
        QCOMPARE(rememberedFolder(), other);

        actions(QString()).addFile(base(), QStringLiteral("2026-001")); // the user cancels
        QCOMPARE(m_startFolders, QStringList({QString(), other}));
        QCOMPARE(m_hook->texts(), QStringList());
    }

    void anUnwritableRememberedFolderStopsTheCopy()
    {
        // Not a file, so it cannot be written.
        QVERIFY(QDir().mkpath(m_appDir->filePath(QStringLiteral("Vorlany.ini"))));
        const QString source = TestFiles::write(file(QStringLiteral("zdroj/a.txt")), "a");

        QVERIFY(!guarded([&] { actions(source).addFile(base(), QStringLiteral("2026-001")); }));

        QCOMPARE(m_hook->shown().size(), 1);
        QCOMPARE(m_hook->shown().at(0).kind, QStringLiteral("error"));
        QCOMPARE(m_hook->shown().at(0).text,
            QStringLiteral("Unable to write to %1.").arg(m_appDir->filePath(QStringLiteral("Vorlany.ini"))));
        QVERIFY(!QFileInfo::exists(file(QStringLiteral("zakazky/2026-001/a.txt"))));
        QCOMPARE(m_store.filePath(), AppDir::file(AppDir::programName() + QStringLiteral(".INI")));
    }

    void openDocumentStartsInTheOrderFolderAndHandsTheChoiceToTheDesktop()
    {
        const ShellOpenRecorder desktop;
        const QString document = TestFiles::write(file(QStringLiteral("zakazky/2026-001/nabídka.pdf")), "%PDF");

        actions(document).openDocument(base(), QStringLiteral("2026-001"));

        QCOMPARE(m_startFolders, QStringList({file(QStringLiteral("zakazky/2026-001"))}));
        QTRY_COMPARE(desktop.opened(), document);
        QCOMPARE(m_hook->texts(), QStringList());
        QCOMPARE(currentDirectory(), applicationDirectory());
    }

    void anOrderWithoutFolder_data()
    {
        QTest::addColumn<QString>("baseFolder"); // in the temporary folder; empty: none given
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("current");
        QTest::addRow("folder missing") << "zakazky"
                                        << "2026-002" << true;
        QTest::addRow("empty base folder") << ""
                                           << "2026-001" << true;
        QTest::addRow("separator in the number") << "."
                                                 << "zakazky/2026-001" << true;
        QTest::addRow("backslash in the number") << "zakazky"
                                                 << "x\\y" << true;
        QTest::addRow("dot dot") << "zakazky"
                                 << ".." << true;
        QTest::addRow("no current order") << "zakazky"
                                          << "" << false;
    }
    void anOrderWithoutFolder()
    {
        QFETCH(QString, baseFolder);
        QFETCH(QString, number);
        QFETCH(bool, current);
        // Every folder the rule refuses exists, so only the rule can refuse it.
        QVERIFY(QDir().mkdir(file(QStringLiteral("zakazky/x\\y"))));
        const QString folder = baseFolder.isEmpty() ? QString() : file(baseFolder);
        const std::optional<QString> order = current ? std::optional(number) : std::nullopt;
        const QString source = TestFiles::write(file(QStringLiteral("zdroj/a.txt")), "a");

        actions(source).openDocument(folder, order);
        actions(source).addFile(folder, order);

        QCOMPARE(m_hook->texts(), QStringList(2, u"pro tuto zakázku není adresář"_qs));
        QCOMPARE(m_startFolders, QStringList());
        QCOMPARE(rememberedFolder(), QStringLiteral("none"));
    }
};

QTEST_MAIN(OrderFolderActionsTest)
#include "OrderFolderActionsTest.moc"
