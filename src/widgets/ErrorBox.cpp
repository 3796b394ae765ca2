#include "widgets/ErrorBox.h"

#include "common/AppDir.h"
#include "common/MessageHook.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QMessageBox>

namespace {
Q_LOGGING_CATEGORY(lcUi, "vorlany.ui")
}

QString ErrorBox::textFor(const QString& message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

QString ErrorBox::title()
{
    return AppDir::programName();
}

void ErrorBox::show(const QString& message, QWidget* parent)
{
    const QString text = textFor(message);
    qCWarning(lcUi).noquote() << "error box:" << text;
    if (MessageHook* hook = MessageHook::active()) {
        hook->record(QStringLiteral("error"), title(), text);
        return;
    }
    QMessageBox::critical(parent ? parent : QApplication::activeWindow(), title(), text);
}

void ErrorBox::message(Icon icon, const QString& title, const QString& text, QWidget* parent)
{
    if (MessageHook* hook = MessageHook::active()) {
        hook->record(QStringLiteral("message"), title, text);
        return;
    }
    QWidget* owner = parent ? parent : QApplication::activeWindow();
    if (icon == Icon::Error)
        QMessageBox::critical(owner, title, text);
    else
        QMessageBox::information(owner, title, text);
}
