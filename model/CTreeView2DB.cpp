#include "model/CTreeView2DB.h"

#include "model/CElementManage.h"
#include "model/CNodeTreeView.h"
#include "model/CProjectTreeHostBase.h"
#include "model/CTreeEdit.h"
#include "model/CTreeItem.h"
#include "model/NameTables.h"
#include "model/TDM_Project.h"
#include "platform/core/CTool.h"
#include "platform/core/CWaitCursor.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QTime>
#include <vector>

namespace {

constexpr int kFolderType = 30;

// A tbl_tree row whose parent row was not loaded.
struct SDelNodeInfo
{
    QString Caption;
    int NodeId;
    int ImageIndex;
    int ElementId;
};

void DeleteOrphanRows(const std::vector<SDelNodeInfo>& orphans)
{
    CWaitCursor wait;
    CTreeEdit edit;
    TDM_Project& project = TDM_Project::Current();
    for (const SDelNodeInfo& orphan : orphans) {
        project.ExecSQL({QStringLiteral("delete from tbl_tree where f_nodeid = ?"), {orphan.NodeId}});
        const int type = CElementManage::ImageIndexToType(orphan.ImageIndex);
        if (type > 0)
            project.ExecSQL({QStringLiteral("delete from %1 where ID = ?").arg(GetElementTableName(type)),
                             {orphan.ElementId}});
    }
    edit.Commit();
}

void LogOrphanRows(const std::vector<SDelNodeInfo>& orphans, CProjectTreeHostBase* host)
{
    const QString path = QDir::current().absoluteFilePath(QStringLiteral("msg.log"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    QString text = QStringLiteral("-----------------%1---------------------\n")
                       .arg(QLocale::system().toString(QTime::currentTime(), QLocale::LongFormat));
    for (const SDelNodeInfo& orphan : orphans)
        text += QStringLiteral("节点%1 (ID：%2)找不到父节点\n").arg(orphan.Caption).arg(orphan.NodeId);
    file.write(text.toUtf8());
    file.close();
    if (host)
        host->OpenWithShell(path);
}

} // namespace

void CTreeView2DB::LoadTree()
{
    m_root.ClearChildren();
    m_root.ReleaseElements(false, true);
    m_lastNodeId = 0;

    CDbQuery& query = TDM_Project::Current().qryTemp;
    OpenQueryGuarded(query,
                     {QStringLiteral("select f_level,f_parentid,f_index,f_nodeid,f_caption,f_imageindex,"
                                     "f_elementid from tbl_tree order by f_level,f_parentid,f_index")});
    QHash<int, CNodeData*> nodes;
    std::vector<SDelNodeInfo> orphans;
    bool projectRow = false;
    for (query.First(); !query.Eof(); query.Next()) {
        const int parentId = query.AsInt(QStringLiteral("f_parentid"));
        const int nodeId = query.AsInt(QStringLiteral("f_nodeid"));
        const QString caption = query.AsString(QStringLiteral("f_caption"));
        const int imageIndex = query.AsInt(QStringLiteral("f_imageindex"));
        const int elementId = query.AsInt(QStringLiteral("f_elementid"));
        if (nodeId > m_lastNodeId)
            m_lastNodeId = nodeId;
        CNodeData* parent = parentId == -1 ? nullptr : nodes.value(parentId, nullptr);
        if (parentId != -1 && !parent) {
            // Rows below an orphan are orphans too: their parent never enters the map.
            orphans.push_back({caption, nodeId, imageIndex, elementId});
            continue;
        }
        CNodeData* node = &m_root;
        if (parent)
            node = parent->AddChild(std::make_unique<CNodeData>());
        else
            projectRow = true;
        node->SetRow(nodeId, elementId, imageIndex, caption);
        nodes.insert(nodeId, node);
    }
    CElementManage::Current().ResetElementIds();

    if (!orphans.empty()) {
        const int answer = CTool::Current().ShowMessageBox(
            QStringLiteral("工程异常"),
            QStringLiteral("很遗憾，你的工程数据不完整，是否需要系统自动清理？\n 是-自动清理  \n "
                           "否-不清理，但输出到日志(msg.log)中"),
            9, 3, QStringLiteral("是"), QStringLiteral("否"), 2);
        if (answer == 6)
            DeleteOrphanRows(orphans);
        else
            LogOrphanRows(orphans, m_host);
    }

    if (!projectRow) {
        // Without the project row a new building's row would name parent -1 and load as the
        // project at the next open.
        m_root.SetRow(GetNextNodeId(), 0, 0, ElementTypeName(0));
        CTreeEdit edit;
        if (m_root.InsertNodeRow())
            edit.Commit();
    }
}

void CTreeView2DB::FillTreeView(CNodeTreeView& view, const CNodeFilter* filter, bool bind)
{
    view.BeginUpdate();
    view.Clear();
    CTreeItem* top = view.AddItem(nullptr);
    m_root.BuildTreeItems(top, filter, bind);
    view.EndUpdate();
}

void CTreeView2DB::ExpandTreeToLevel(CTreeItem* item, int type)
{
    if (!item)
        return;
    const int itemType = item->Node() ? item->Node()->Type() : item->Type();
    if (itemType != kFolderType && itemType >= type)
        return;
    item->View()->Expand(item);
    for (int i = 0; i < item->Count(); ++i)
        ExpandTreeToLevel(item->Item(i), type);
}

bool CTreeView2DB::IsElementTypeUsed(int type) const
{
    if (type == 0)
        return true;
    if (type < 0 || type >= CElementManage::TypeCount)
        return false;
    return m_host ? m_host->IsElementTypeUsed(type) : true;
}
