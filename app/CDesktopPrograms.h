#pragma once
#include "app/CDesktopProgramsBase.h"

// The desktop programs of this system: looked up on PATH, started detached.
class CDesktopPrograms : public CDesktopProgramsBase
{
public:
    QString Find(const QString& name) const override;
    bool Start(const QString& program, const QString& workingFolder) override;
};
