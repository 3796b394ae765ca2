#include "ModalAnswer.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>

ModalAnswer::ModalAnswer(std::function<void(QWidget*)> check)
    : m_check(std::move(check))
{
    // Polled rather than fired once, so that events the test processes before the modal call
    // cannot use the answer up.
    m_poll.setInterval(5);
    QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] { answer(); });
    m_poll.start();
}

void ModalAnswer::answer()
{
    const QPointer<QWidget> modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    m_poll.stop();
    m_answered = true;
    m_check(modal);
    m_passed = !QTest::currentTestFailed();
    if (!modal || !modal->isVisible())
        return;
    if (auto* dialog = qobject_cast<QDialog*>(modal.data()))
        dialog->reject();
    else
        modal->close();
}
