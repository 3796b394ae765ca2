#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A text box with a small button at its right that helps to fill it (a chooser, a calendar).
class ButtonEdit : public QWidget {
    Q_OBJECT

public:
    QString text() const;
    void setText(const QString& text);

protected:
    ButtonEdit(const QString& buttonText, QWidget* parent);

    QLineEdit* edit() const { return m_edit; }
    QToolButton* button() const { return m_button; }

private:
    QLineEdit* m_edit;
    QToolButton* m_button;
};
