#pragma once

#include <QList>
#include <QQueue>
#include <QString>

// While an instance lives, message boxes and question dialogs do not show: they record what they
// would have shown and return the next queued answer (1, "OK", when none is queued).
// Tests use it so that nothing waits on a real modal box.
class MessageHook {
public:
    struct Shown {
        QString kind; // "error", "message" or "question"
        QString title;
        QString text;
    };

    MessageHook();
    ~MessageHook();
    MessageHook(const MessageHook&) = delete;
    MessageHook& operator=(const MessageHook&) = delete;

    void queueAnswer(int result) { m_answers.enqueue(result); }
    const QList<Shown>& shown() const { return m_shown; }
    QStringList texts() const;

    static MessageHook* active();
    int record(const QString& kind, const QString& title, const QString& text);

private:
    QList<Shown> m_shown;
    QQueue<int> m_answers;
    MessageHook* m_previous;
};
