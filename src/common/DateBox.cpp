#include "common/DateBox.h"

#include "common/RegionalFormat.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QToolButton>

DateBox::DateBox(QWidget* parent)
    : ButtonEdit(QStringLiteral("▾"), parent)
{
    connect(button(), &QToolButton::clicked, this, &DateBox::showCalendar);
    connect(edit(), &QLineEdit::editingFinished, this, [this] { emit dateChanged(date()); });
}

QDate DateBox::date() const
{
    return RegionalFormat::parseDate(text());
}

void DateBox::setDate(const QDate& date)
{
    setText(RegionalFormat::date(date));
}

void DateBox::showCalendar()
{
    auto* calendar = new QCalendarWidget(this);
    calendar->setWindowFlags(Qt::Popup);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setSelectedDate(date().isValid() ? date() : QDate::currentDate());
    connect(calendar, &QCalendarWidget::clicked, this, [this, calendar](const QDate& chosen) {
        setDate(chosen);
        emit dateChanged(chosen);
        calendar->close();
    });
    calendar->move(mapToGlobal(QPoint(0, height())));
    calendar->show();
}
