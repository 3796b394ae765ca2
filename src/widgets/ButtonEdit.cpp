#include "widgets/ButtonEdit.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

ButtonEdit::ButtonEdit(const QString& buttonText, QWidget* parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
    , m_button(new QToolButton(this))
{
    m_edit->setObjectName(QStringLiteral("edit"));
    m_button->setObjectName(QStringLiteral("button"));
    m_button->setText(buttonText);
    m_button->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit);
    layout->addWidget(m_button);
    setFocusProxy(m_edit);
}

QString ButtonEdit::text() const
{
    return m_edit->text();
}

void ButtonEdit::setText(const QString& text)
{
    m_edit->setText(text);
}
