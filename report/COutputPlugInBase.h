#pragma once
#include <QString>

class CQORReport;

// An output plug-in as the calculate-and-output run sees it: an item of the output options
// dialog that, when ticked, adds a report of its own to the calculation book. The plug-in host
// provides them once plug-ins exist; until then the dialog offers none.
class COutputPlugInBase
{
public:
    virtual ~COutputPlugInBase() = default;

    virtual QString ItemName() const = 0;
    // The item is ticked in the dialog's option tree.
    virtual bool IsTicked() const = 0;
    // The plug-in's output flag, written to "OutPutConfig.data" by the host.
    virtual void SetOutputFlag(bool flag) = 0;
    virtual void OutPutOrMainForm(int mode) = 0;
    // The plug-in's report, or null; it stays the plug-in's.
    virtual CQORReport* GetReport() = 0;
};
