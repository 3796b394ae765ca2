#include "ModalAnswer.h"

#include "widgets/QuestionDialog.h"

#include <QPushButton>
#include <QtTest>

class QuestionDialogTest : public QObject {
    Q_OBJECT

private:
    // Answers the box from inside its own modal loop; -1 when that failed.
    static int answer(QuestionDialog& dialog, const std::function<void()>& action)
    {
        const ModalAnswer answer([&](QWidget* shown) {
            QCOMPARE(shown, static_cast<QWidget*>(&dialog));
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            action();
        });
        const int result = dialog.ask();
        return answer.succeeded() ? result : -1;
    }

private slots:
    void keysAndCloseChooseTheirButtons_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::addRow("Enter is OK") << int(Qt::Key_Return) << 1;
        QTest::addRow("keypad Enter is OK") << int(Qt::Key_Enter) << 1;
        QTest::addRow("Esc is Cancel") << int(Qt::Key_Escape) << 2;
    }
    void keysAndCloseChooseTheirButtons()
    {
        QFETCH(int, key);
        QFETCH(int, result);
        QuestionDialog dialog(QStringLiteral("Reveda zizure"));
        dialog.setText(QStringLiteral("Opravdu zrušit adresu?"));
        dialog.setButtonCount(2);
        dialog.setButton(0, QStringLiteral("Zrušit"), QuestionDialog::Ok);
        dialog.setButton(1, QStringLiteral("Ne"), QuestionDialog::Cancel);
        // The focus on the other button must not change what Enter means.
        QCOMPARE(answer(dialog,
                     [&] {
                         dialog.findChild<QPushButton*>(QStringLiteral("button2"))->setFocus();
                         QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
                     }),
            result);
    }

    void closingAnswersCancelAndSettingsStay()
    {
        QuestionDialog dialog(QStringLiteral("Evidence fa"));
        dialog.setButtonCount(3);
        dialog.setButton(0, QStringLiteral("pokračovat"), QuestionDialog::Ok);
        dialog.setButton(1, QStringLiteral("storno"), QuestionDialog::Cancel);
        dialog.setButton(2, QStringLiteral("konec"), QuestionDialog::Yes);
        dialog.setText(QStringLiteral("Přepsat?"));
        QCOMPARE(answer(dialog, [&] { dialog.close(); }), 2);
        QCOMPARE(answer(dialog, [&] { dialog.findChild<QPushButton*>(QStringLiteral("button3"))->click(); }), 6);

        // A later caller finds what the first one set.
        QCOMPARE(dialog.text(), QStringLiteral("Přepsat?"));
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("button3"))->text(), QStringLiteral("konec"));
        dialog.setButtonCount(1);
        QCOMPARE(answer(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Return); }), 1);
        QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("button2"))->isHidden());
    }
};

QTEST_MAIN(QuestionDialogTest)
#include "QuestionDialogTest.moc"
