#pragma once

#include <QByteArray>

// Sets an environment variable of the test process while the object lives; afterwards the
// variable has its old value again, or is unset again.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    bool m_wasSet;
    QByteArray m_oldValue;
};
