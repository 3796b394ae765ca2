#include "widgets/DateBox.h"

#include "common/RegionalFormat.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

DateBox::DateBox(QWidget* parent)
    : ButtonEdit(QStringLiteral("▾"), parent)
{
    connect(button(), &QToolButton::clicked, this, &DateBox::showCalendar);
    connect(edit(), &QLineEdit::textChanged, this, &DateBox::checkText);
    connect(edit(), &QLineEdit::editingFinished, this, [this] {
        const std::optional<QDate> typed = date();
        if (!typed)
            return;
        // A date typed in any accepted form is shown in the one regional form.
        setDate(*typed);
        emit dateChanged(*typed);
    });
}

std::optional<QDate> DateBox::date() const
{
    if (text().trimmed().isEmpty())
        return QDate();
    const QDate parsed = RegionalFormat::parseDate(text());
    return parsed.isValid() ? std::optional<QDate>(parsed) : std::nullopt;
}

void DateBox::setDate(const QDate& date)
{
    setText(RegionalFormat::date(date));
}

void DateBox::checkText()
{
    const bool invalid = !date().has_value();
    if (edit()->property("invalid").toBool() == invalid)
        return;
    edit()->setProperty("invalid", invalid);
    const QString problem = invalid ? tr("Neplatné datum, zadejte den.měsíc.rok") : QString();
    edit()->setToolTip(problem);
    edit()->setAccessibleDescription(problem);
    // The style sheet marks the box by the property; it is read again only on a re-polish.
    edit()->style()->unpolish(edit());
    edit()->style()->polish(edit());
}

void DateBox::showCalendar()
{
    auto* calendar = new QCalendarWidget(this);
    calendar->setWindowFlags(Qt::Popup);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    const QDate shown = date().value_or(QDate());
    calendar->setSelectedDate(shown.isValid() ? shown : QDate::currentDate());
    connect(calendar, &QCalendarWidget::clicked, this, [this, calendar](const QDate& chosen) {
        setDate(chosen);
        emit dateChanged(chosen);
        calendar->close();
    });
    calendar->move(mapToGlobal(QPoint(0, height())));
    calendar->show();
}
