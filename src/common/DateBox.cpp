#include "common/DateBox.h"

#include "common/RegionalFormat.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

DateBox::DateBox(QWidget* parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
    , m_button(new QToolButton(this))
{
    m_edit->setObjectName(QStringLiteral("dateEdit"));
    m_button->setObjectName(QStringLiteral("calendarButton"));
    m_button->setText(QStringLiteral("▾"));
    m_button->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit);
    layout->addWidget(m_button);
    setFocusProxy(m_edit);
    connect(m_button, &QToolButton::clicked, this, &DateBox::showCalendar);
    connect(m_edit, &QLineEdit::editingFinished, this, [this] { emit dateChanged(date()); });
}

QDate DateBox::date() const
{
    return RegionalFormat::parseDate(m_edit->text());
}

void DateBox::setDate(const QDate& date)
{
    m_edit->setText(RegionalFormat::date(date));
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
