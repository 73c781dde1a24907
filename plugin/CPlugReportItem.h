#pragma once
#include "calc/CSchemePlugInBase.h"
#include "report/COutputPlugInBase.h"

#include <memory>
#include <vector>

class CPlug;
class CPlugManage;

// A plug-in with a report as the calculation book and the operating-scheme window run it. The
// book item counts as ticked while the plug-in's output flag is set, unless a dialog holds the
// tick itself (SetTicked).
class CPlugReportItem : public COutputPlugInBase, public CSchemePlugInBase
{
public:
    CPlugReportItem(CPlug& plug, int index) : m_plug(plug), m_index(index) {}

    // One item per plug-in that is enabled and serves the design type, in plug-in order; with
    // reportsOnly only those exporting GetReport (what the output options dialog offers).
    static std::vector<std::unique_ptr<CPlugReportItem>> ForDesignType(const CPlugManage& plugs, int designType,
                                                                       bool reportsOnly = true);

    CPlug& Plug() const { return m_plug; }
    void SetTicked(bool ticked) { m_ticked = ticked ? 1 : 0; }

    // COutputPlugInBase
    QString ItemName() const override;
    bool IsTicked() const override;
    void SetOutputFlag(bool flag) override;
    // COutputPlugInBase and CSchemePlugInBase
    void OutPutOrMainForm(int mode) override;
    CQORReport* GetReport() override;
    // CSchemePlugInBase
    QString Name() const override { return ItemName(); }
    int Index() const override { return m_index; }
    bool RunConfig() override;
    bool HasReport() const override;
    void RunExe() override;

private:
    CPlug& m_plug;
    int m_index;
    int m_ticked = -1;
};
