#include "TempAppDir.h"

#include "common/AppDir.h"

TempAppDir::TempAppDir()
{
    AppDir::setOverride(m_dir.path());
}

TempAppDir::~TempAppDir()
{
    AppDir::setOverride({});
}
