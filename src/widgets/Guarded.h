#pragma once

#include "widgets/ErrorBox.h"

#include <exception>

#include <QString>

// Runs one command; whatever it throws ends the command in the standard error box and the
// program goes on. Exceptions must never leave a Qt slot. Returns whether the command ran through.
template <typename F> bool guarded(F&& command)
{
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        ErrorBox::show(QString::fromUtf8(e.what()));
    }
    return false;
}
