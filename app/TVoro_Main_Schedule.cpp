// The schedule manager, the storey groups and the air systems.
#include "app/TVoro_Main.h"

#include "climate/CScheduleData.h"
#include "climate/forms/TAirSystemForm.h"
#include "climate/forms/TScheduleManageForm.h"
#include "climate/forms/TStoreyGroupForm.h"
#include "model/CNodeData.h"
#include "model/CTreeItem.h"
#include "model/CTreeView2DB.h"

#include <QAction>

namespace {
// Node ids of the item's node and its ancestors, nearest first.
QList<int> NodePath(CTreeItem* item)
{
    QList<int> path;
    for (const CNodeData* node = item ? item->Node() : nullptr; node; node = node->Parent())
        path << node->NodeId();
    return path;
}
} // namespace

void TVoro_Main::ReloadTreeKeepingSelection(const QList<int>& path)
{
    // Applying storey groups replaces rooms and elements: the node may be gone, its ancestors not.
    ReloadTreeView();
    CNodeData& root = CTreeView2DB::Current().Root();
    for (int nodeId : path) {
        CNodeData* node = root.FindNodeById(nodeId);
        if (node && node->TreeItem()) {
            m_treeView.Select(node->TreeItem());
            return;
        }
    }
}

void TVoro_Main::Action_WorkScheduleExecute()
{
    CommitCurrentEditor();
    {
        TScheduleManageForm form(this);
        form.SetDataSet(&CScheduleData::CurrentQuery());
        form.exec();
    }
    // The page shows the schedule names again, which a rename may have changed.
    if (CTreeItem* item = m_treeView.Selected())
        ShowElementEditor(item);
}

void TVoro_Main::Action_GroupFloorExecute()
{
    CommitCurrentEditor();
    const QList<int> path = NodePath(m_treeView.Selected());
    {
        TStoreyGroupForm form(this);
        form.exec();
    }
    ReloadTreeKeepingSelection(path);
}

void TVoro_Main::Action_AirSystemExecute(QAction* sender)
{
    if (!sender)
        return;
    CommitCurrentEditor();
    const QList<int> path = NodePath(m_treeView.Selected());
    {
        TAirSystemForm form(sender->data().toInt(), this);
        form.exec();
    }
    ReloadTreeKeepingSelection(path);
}
