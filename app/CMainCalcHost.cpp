#include "app/CMainCalcHost.h"

#include "app/controls/CSysOutputManage.h"
#include "app/controls/TMsgListForm.h"
#include "model/CNodeData.h"
#include "plugin/CPlugManage.h"
#include "plugin/CPlugReportItem.h"
#include "project/CSystemGlobalData.h"

CMainCalcHost::CMainCalcHost(CSysOutputManage& output, QWidget* mainWindow)
    : m_output(output), m_messageList(std::make_unique<TMsgListForm>(mainWindow))
{
}

CMainCalcHost::~CMainCalcHost() = default;

bool CMainCalcHost::IsSchemeMode() const
{
    return CSystemGlobalData::Exists() && CSystemGlobalData::Current().CurRunSolInfo.Mode == 1;
}

bool CMainCalcHost::SchemeContainsId(int nodeId) const
{
    return CSystemGlobalData::Exists() && CSystemGlobalData::Current().CurRunSolInfo.ContainsId(nodeId);
}

QString CMainCalcHost::SchemeName() const
{
    return CSystemGlobalData::Exists() ? CSystemGlobalData::Current().CurRunSolInfo.SchemeName : QString();
}

void CMainCalcHost::SetSchemeName(const QString& name)
{
    if (CSystemGlobalData::Exists())
        CSystemGlobalData::Current().CurRunSolInfo.SchemeName = name;
}

std::vector<CSchemePlugInBase*> CMainCalcHost::SchemePlugIns() const
{
    m_plugIns.clear();
    if (CPlugManage::Exists() && CSystemGlobalData::Exists())
        m_plugIns = CPlugReportItem::ForDesignType(CPlugManage::Current(), CSystemGlobalData::Current().DesignType, false);
    std::vector<CSchemePlugInBase*> items;
    for (const auto& item : m_plugIns)
        items.push_back(item.get());
    return items;
}

void CMainCalcHost::SetSchemePlugInIndex(int index)
{
    if (CSystemGlobalData::Exists())
        CSystemGlobalData::Current().CurRunSolInfo.PlugInIndex = index;
}

double CMainCalcHost::GetElevation(const CNodeData& storeyNode) const
{
    // The calculation walks the items of the main tree, so its storeys are bound to items.
    if (!CSystemGlobalData::Exists())
        return 0;
    return CSystemGlobalData::Current().GetElevation(storeyNode.TreeItem());
}

void CMainCalcHost::AddMessage(const QString& text)
{
    m_messageList->AddMessage(text);
}

void CMainCalcHost::AddOutputLine(int category, const QString& text)
{
    m_output.AddOutputLine(category, text);
}
