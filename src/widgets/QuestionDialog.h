#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

// A window's modal question box: caption, text, one to three buttons each with a result (1 OK,
// 2 Cancel, 6 Yes, 7 No) and an icon. Whatever a caller sets stays on the instance for later
// callers. Esc and closing answer the button whose result is 2, Enter the one whose result is 1.
class QuestionDialog : public QDialog {
    Q_OBJECT

public:
    enum class Icon { Question, Information, Stop };
    enum Result { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

    explicit QuestionDialog(const QString& caption, QWidget* parent = nullptr);

    void setText(const QString& text);
    void setIcon(Icon icon);
    void setButtonCount(int count);
    void setButton(int index, const QString& caption, int result);

    QString text() const;

    // Shows the box and returns the pressed button's result.
    int ask();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    void updateButtons();

    QLabel* m_icon;
    QLabel* m_text;
    std::array<QPushButton*, 3> m_buttons {};
    std::array<int, 3> m_results {Ok, Cancel, Yes};
    int m_count = 1;
};
