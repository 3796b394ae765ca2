#pragma once

#include <QTimer>

#include <functional>

class QWidget;

// Answers the next modal window from inside its event loop: runs the check on it and then
// rejects it if the check left it open, so that a failing QVERIFY in the check cannot leave the
// test waiting on the window. Afterwards the test asks succeeded() and stops at once when no
// modal window came or the check failed.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget*)> check);
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    bool succeeded() const { return m_answered && m_passed; }

private:
    void answer();

    std::function<void(QWidget*)> m_check;
    QTimer m_poll;
    bool m_answered = false;
    bool m_passed = false;
};
