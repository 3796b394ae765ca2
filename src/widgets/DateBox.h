#pragma once

#include "widgets/ButtonEdit.h"

#include <QDate>

#include <optional>

// A date in the regional short format with a calendar drop-down; it may be left empty. Text that
// is no date stays as typed and the box says so, so that nothing is taken from it until the user
// corrects it.
class DateBox : public ButtonEdit {
    Q_OBJECT

public:
    explicit DateBox(QWidget* parent = nullptr);

    // A null date for an empty box; nullopt while the text is no date.
    std::optional<QDate> date() const;
    void setDate(const QDate& date);

signals:
    void dateChanged(const QDate& date);

private:
    void showCalendar();
    void checkText();
};
