#pragma once

#include "common/ButtonEdit.h"

#include <QDate>

// A date in the regional short format with a calendar drop-down; it may be left empty.
class DateBox : public ButtonEdit {
    Q_OBJECT

public:
    explicit DateBox(QWidget* parent = nullptr);

    // Null when the box is empty or holds no valid date.
    QDate date() const;
    void setDate(const QDate& date);

signals:
    void dateChanged(const QDate& date);

private:
    void showCalendar();
};
