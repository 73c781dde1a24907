#pragma once
#include <QString>

class CQORReport;

// An enabled output plug-in as the operating-scheme manager runs it on the current scheme
// ("显示报告"). The plug-in host provides them through the calculation host; until plug-ins are
// loaded the scheme manager lists none. The plug-in computes through the host callbacks, which the
// scheme mode confines to the current scheme's rooms.
class CSchemePlugInBase
{
public:
    virtual ~CSchemePlugInBase() = default;

    // The item of the report list.
    virtual QString Name() const = 0;
    // Its place in the plug-in list, which the host callbacks use to know the plug-in running.
    virtual int Index() const = 0;
    // 2 for a building's daily energy use, 1 for any other scheme report.
    virtual void OutPutOrMainForm(int mode) = 0;
    // The plug-in's own settings; false when the user cancelled them.
    virtual bool RunConfig() = 0;
    virtual bool HasReport() const = 0;
    // The plug-in's report, or null; it stays the plug-in's.
    virtual CQORReport* GetReport() = 0;
    // Runs a plug-in that has no report.
    virtual void RunExe() = 0;
};
