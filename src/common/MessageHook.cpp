#include "common/MessageHook.h"

namespace {
MessageHook* g_active = nullptr;
}

MessageHook::MessageHook()
    : m_previous(g_active)
{
    g_active = this;
}

MessageHook::~MessageHook()
{
    g_active = m_previous;
}

QStringList MessageHook::texts() const
{
    QStringList result;
    for (const Shown& s : m_shown)
        result << s.text;
    return result;
}

MessageHook* MessageHook::active()
{
    return g_active;
}

int MessageHook::record(const QString& kind, const QString& title, const QString& text)
{
    m_shown.append({kind, title, text});
    return m_answers.isEmpty() ? 1 : m_answers.dequeue();
}
