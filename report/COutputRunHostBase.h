#pragma once
#include <QString>
#include <vector>

class COutputPlugInBase;

// What the calculate-and-output run needs of the program above it: the message panel, the
// desktop's program for a written document and the output plug-ins. The output options dialog
// gives the main window's; the command-line book tool gives its own.
class COutputRunHostBase
{
public:
    virtual ~COutputRunHostBase() = default;

    // Empties the six categories of the message panel.
    virtual void ClearOutput() = 0;
    // Lines in the warning category of the message panel.
    virtual int WarningCount() const = 0;
    // Opens the file with the desktop's program for it.
    virtual void OpenWithShell(const QString& path) = 0;
    // The output plug-ins the dialog offers for the design type, in plug-in order; not owned.
    virtual std::vector<COutputPlugInBase*> PlugIns() { return {}; }
    // Writes the names of the plug-ins whose output flag is set to "OutPutConfig.data".
    virtual void SaveOutputConfig() {}
};
