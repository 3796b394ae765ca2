#pragma once

#include <QString>

class QWidget;

// The one box for errors that a command does not handle itself, and the plain message box that
// some commands use for messages of their own.
namespace ErrorBox {
enum class Icon { Error, Information };

// The shown text: a full stop is appended when the last character sorts after ".".
QString textFor(const QString& message);
// The program file's name without extension.
QString title();

void show(const QString& message, QWidget* parent = nullptr);
void message(Icon icon, const QString& title, const QString& text, QWidget* parent = nullptr);
}
