#include "plugin/CPlugReportItem.h"

#include "plugin/CPlug.h"
#include "plugin/CPlugManage.h"

std::vector<std::unique_ptr<CPlugReportItem>> CPlugReportItem::ForDesignType(const CPlugManage& plugs, int designType,
                                                                             bool reportsOnly)
{
    std::vector<std::unique_ptr<CPlugReportItem>> items;
    for (int i = 0; i < plugs.Count(); ++i) {
        CPlug* plug = plugs.Get(i);
        if (plug->Enabled && plug->CalculateType() == designType && (!reportsOnly || plug->PlugHasReport()))
            items.push_back(std::make_unique<CPlugReportItem>(*plug, i));
    }
    return items;
}

QString CPlugReportItem::ItemName() const
{
    return m_plug.Name();
}

bool CPlugReportItem::IsTicked() const
{
    return m_ticked < 0 ? m_plug.Output : m_ticked == 1;
}

void CPlugReportItem::SetOutputFlag(bool flag)
{
    m_plug.Output = flag;
}

void CPlugReportItem::OutPutOrMainForm(int mode)
{
    m_plug.PlugOutPutOrMainForm(mode);
}

CQORReport* CPlugReportItem::GetReport()
{
    return m_plug.PlugGetReport();
}

bool CPlugReportItem::RunConfig()
{
    return m_plug.PlugRunConfig();
}

bool CPlugReportItem::HasReport() const
{
    return m_plug.PlugHasReport();
}

void CPlugReportItem::RunExe()
{
    m_plug.PlugRunExe();
}
