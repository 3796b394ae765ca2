#include "ScopedEnv.h"

#include <QtGlobal>

ScopedEnv::ScopedEnv(const char* name, const QByteArray& value)
    : m_name(name)
    , m_wasSet(qEnvironmentVariableIsSet(name))
    , m_oldValue(qgetenv(name))
{
    qputenv(name, value);
}

ScopedEnv::~ScopedEnv()
{
    if (m_wasSet)
        qputenv(m_name, m_oldValue);
    else
        qunsetenv(m_name);
}
