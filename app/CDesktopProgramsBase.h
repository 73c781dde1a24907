#pragma once
#include <QString>

// Finding and starting the desktop's own programs (a text editor, a calculator). The program uses
// the system's search path; tests install a fake, so that nothing is started.
class CDesktopProgramsBase
{
public:
    virtual ~CDesktopProgramsBase() = default;
    // The path of the executable of that name on the search path; empty when there is none.
    virtual QString Find(const QString& name) const = 0;
    // Starts the program on its own, in the working folder (empty: the current one); false when
    // it could not be started.
    virtual bool Start(const QString& program, const QString& workingFolder) = 0;
};
