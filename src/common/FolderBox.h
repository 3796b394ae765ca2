#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A text box for a folder with a button that opens a folder chooser.
class FolderBox : public QWidget {
    Q_OBJECT

public:
    explicit FolderBox(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);

private:
    void chooseFolder();

    QLineEdit* m_edit;
    QToolButton* m_button;
};
