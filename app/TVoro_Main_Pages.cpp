#include "app/TNodeInfoPage.h"
#include "app/TVoro_Main.h"
#include "app/controls/CHistoryManage.h"

#include "model/CElementManage.h"
#include "model/CNodeData.h"
#include "model/CProjectData.h"
#include "model/CTreeItem.h"
#include "model/CTreeView2DB.h"
#include "model/TDM_Project.h"
#include "platform/core/CSQLStatement.h"
#include "platform/core/CTool.h"
#include "project/CSystemGlobalData.h"

#include <QAction>
#include <QGroupBox>

namespace {
// Element types whose minimum thermal resistance is checked in the heating design types.
constexpr int kThermalCheckTypes[] = {9, 11, 13, 22, 17, 21, 23, 24, 19, 29};

bool IsThermalCheckType(int type)
{
    for (int t : kThermalCheckTypes)
        if (t == type)
            return true;
    return false;
}
} // namespace

QWidget* TVoro_Main::OpenPage() const
{
    return m_openPage;
}

void TVoro_Main::CommitCurrentEditor()
{
    // The page in place of the property pages shows values only: there is nothing to write back.
    if (!m_openPage)
        return;
}

void TVoro_Main::HideOpenPage()
{
    if (m_openPage)
        m_openPage->hide();
    m_openPage = nullptr;
}

void TVoro_Main::CloseOpenPage()
{
    CommitCurrentEditor();
    HideOpenPage();
}

void TVoro_Main::ShowElementEditor(CTreeItem* item)
{
    if (m_openPage)
        m_openPage->hide();
    if (!item || !item->Node()) {
        m_openPage = nullptr;
        return;
    }
    m_infoPage->LoadData(item);
    m_infoPage->show();
    m_openPage = m_infoPage;
    EnablePageControls(item->Node()->IsActive());
}

void TVoro_Main::EnablePageControls(bool enabled)
{
    if (!m_openPage)
        return;
    for (QWidget* child : m_openPage->findChildren<QWidget*>())
        child->setEnabled(enabled);
}

void TVoro_Main::ReloadTreeView()
{
    HideOpenPage();
    CTreeView2DB::Current().FillTreeView(m_treeView, nullptr, true);
}

void TVoro_Main::UpdateNodeActions(CTreeItem* item)
{
    if (!item)
        return;
    const int type = item->Type();
    const int designType = CSystemGlobalData::Current().DesignType;
    const bool thermal = designType >= 6 && designType <= 8 && IsThermalCheckType(type);
    if (designType == 0 || designType == 1)
        Action(QStringLiteral("Action_ADD"))->setEnabled(false);
    Action(QStringLiteral("ToolButton3"))->setEnabled(thermal);
    m_coordinateGroupBox->setVisible(type != 0);
    const bool root = item->Parent() == nullptr;
    Action(QStringLiteral("Action_Delete"))->setEnabled(!root);
    const bool active = CElementManage::IsActiveImage(item->ImageIndex());
    Action(QStringLiteral("Action_Enabled"))->setEnabled(!root && !active);
    Action(QStringLiteral("Action_DisEnabled"))->setEnabled(!root && active);
}

void TVoro_Main::ShowSelectedPath()
{
    CTreeItem* item = m_treeView.Selected();
    if (!item)
        return;
    SetPathCaption(CSystemGlobalData::GetTreePath(item));
    if (m_openPage == m_infoPage)
        m_infoPage->LoadData(item);
}

void TVoro_Main::ShowNoSelection()
{
    // Nothing is selected (the node was deleted): no path, no page and no commands of a node.
    SetPathCaption(QString());
    HideOpenPage();
    m_coordinateGroupBox->hide();
    for (const char* name : {"Action_Delete", "Action_Enabled", "Action_DisEnabled", "Action_CAD", "ToolButton3"})
        Action(QString::fromLatin1(name))->setEnabled(false);
}

void TVoro_Main::RefreshSelectedPage()
{
    CTreeItem* item = m_treeView.Selected();
    if (!item || !item->Node())
        return;
    item->Node()->ReleaseElements(false, true);
    ShowElementEditor(item);
}

void TVoro_Main::TreeView1Change(CTreeItem* item)
{
    if (!item || !item->Node())
        return;
    CNodeData* node = item->Node();
    CSystemGlobalData& global = CSystemGlobalData::Current();
    Action(QStringLiteral("Action_CAD"))->setEnabled(global.IsProjectOpen() && node->Type() == 2);
    global.ProjectData().NodeFullPath = QString::number(node->NodeId());
    SetPathCaption(CSystemGlobalData::GetTreePath(item));
    CommitCurrentEditor();
    ShowElementEditor(item);
    UpdateNodeActions(item);
    CHistoryManage::Instance().Push(item);
}

void TVoro_Main::Action_RelativeCoordinateExecute(QAction* sender)
{
    // The actions are checkable: the trigger has already toggled the sender, so its new state
    // tells whether it was checked before.
    if (!sender || sender->isChecked() == false) {
        if (sender)
            sender->setChecked(true);
        return;
    }
    const int mode = sender->data().toInt();
    Action(QStringLiteral("Action_RelativeCoordinate"))->setChecked(false);
    Action(QStringLiteral("Action_AbsoluteCoordinate"))->setChecked(false);
    sender->setChecked(true);
    if (!CSystemGlobalData::Current().IsProjectOpen())
        return;
    CTool::ExecQuery(TDM_Project::Current().ProjectParameter,
                     CSQLStatement(QStringLiteral("update ProjectParameter set Coordinate = %1 ").arg(mode)));
    CSystemGlobalData::Current().ProjectData().Coordinate = mode;
}

void TVoro_Main::m_X0Change() {}

void TVoro_Main::Action1Execute() {}

void TVoro_Main::Action2Execute() {}
