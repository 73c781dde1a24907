#include "model/CNodeClipboard.h"

#include "model/CElementManage.h"
#include "model/CNodeData.h"
#include "model/CNodeTreeView.h"
#include "model/CProjectTreeHostBase.h"
#include "model/CTreeEdit.h"
#include "model/CTreeItem.h"
#include "model/CTreeView2DB.h"
#include "platform/core/CTool.h"

namespace {
constexpr int kFolderType = 30;

CNodeTreeView* MainTreeView()
{
    if (!CTreeView2DB::Exists())
        return nullptr;
    CProjectTreeHostBase* host = CTreeView2DB::Current().Host();
    return host ? host->MainTreeView() : nullptr;
}

CTreeItem* SelectedItem()
{
    CNodeTreeView* view = MainTreeView();
    return view ? view->Selected() : nullptr;
}

void Tell(const QString& message)
{
    CTool::Current().ShowMessage(message);
}
} // namespace

CNodeData* CNodeClipboard::Held() const
{
    if (m_nodeId == -1 || m_mode == -1 || !CTreeView2DB::Exists())
        return nullptr;
    return CTreeView2DB::Current().Root().FindNodeById(m_nodeId);
}

bool CNodeClipboard::Remember(CTreeItem* item)
{
    CNodeData* node = item ? item->Node() : nullptr;
    if (!node)
        return false;
    m_nodeId = node->NodeId();
    m_contentType = item->Type();
    if (m_contentType == kFolderType)
        node->Traverse([this](CNodeData* visited) {
            m_contentType = visited->Type();
            return m_contentType != kFolderType;
        });
    return true;
}

void CNodeClipboard::Copy()
{
    CopyNode(SelectedItem());
}

void CNodeClipboard::CopyNode(CTreeItem* item)
{
    if (Remember(item))
        m_mode = 0;
}

void CNodeClipboard::Cut()
{
    // Without a selection a cut must not turn an earlier copy into a cut of that node.
    if (Remember(SelectedItem()))
        m_mode = 1;
}

void CNodeClipboard::Clear()
{
    m_nodeId = -1;
    m_mode = -1;
    m_contentType = -1;
}

int CNodeClipboard::CanPaste(CTreeItem* target)
{
    if (!target || m_nodeId == -1 || m_mode == -1)
        return 0;
    CNodeData* source = Held();
    if (!source || !target->Node())
        return 0;
    for (const CNodeData* node = target->Node(); node; node = node->Parent()) {
        if (node == source) {
            Tell(QStringLiteral("不可粘贴本节点或上游节点"));
            return 0;
        }
    }
    int placeType = target->Type();
    for (const CTreeItem* item = target; placeType == kFolderType && item->Parent();) {
        item = item->Parent();
        placeType = item->Type();
    }
    if (m_contentType == kFolderType)
        return 2;
    if (m_contentType >= 0 && CElementManage::Current().GetParentType(m_contentType) == placeType)
        return 2;
    if (target->Type() == source->Type() && source->Type() != kFolderType)
        return 1;
    Tell(QStringLiteral("不可以粘贴，请确认粘贴的位置"));
    return 0;
}

CNodeData* CNodeClipboard::PasteOnto(CTreeItem* target, CNodeData& source, int kind,
                                     const MirrorFunction* mirror, int mirrorMode)
{
    CNodeData* targetNode = target->Node();
    if (!targetNode || (kind != 1 && kind != 2))
        return nullptr;
    if (kind == 1 && targetNode->Type() != source.Type()) {
        Tell(QStringLiteral("类型不一致，不可以同层粘贴"));
        return nullptr;
    }
    const bool cut = m_mode == 1;
    CTreeEdit edit;
    if (cut && !source.Unlink(true)) {
        Tell(QStringLiteral("断开连接操作失败"));
        return nullptr;
    }
    CNodeData* result = nullptr;
    if (kind == 1)
        result = targetNode->CopyContentFrom(&source, true) ? targetNode : nullptr;
    else
        result = source.CopyUnder(targetNode, true);
    // A cut whose copy failed keeps its source: the edit puts it back.
    if (!result)
        return nullptr;
    if (mirror && *mirror)
        (*mirror)(mirrorMode, source, *result);
    if (cut && !source.DeleteNodeRows(true))
        return nullptr;
    edit.Commit();
    if (cut)
        Clear();
    return result;
}

void CNodeClipboard::Paste(int kind)
{
    CTreeItem* target = SelectedItem();
    if (!target || m_nodeId == -1)
        return;
    CNodeData* source = Held();
    if (!source)
        return;
    if (target->Node() == source) {
        Tell(QStringLiteral("不可对同一对象进行'复制'、'粘贴'操作"));
        return;
    }
    CNodeData* result = PasteOnto(target, *source, kind, nullptr, 0);
    // A paste that did not happen left the tree as it was: the view stays, selection included.
    if (!result)
        return;
    if (CProjectTreeHostBase* host = CTreeView2DB::Current().Host())
        host->ReloadTreeView();
    CNodeTreeView* view = MainTreeView();
    if (result->TreeItem() && view)
        view->Select(result->TreeItem());
}

CNodeData* CNodeClipboard::PasteMirrored(CTreeItem* target, int kind, int mirrorMode,
                                         const MirrorFunction& mirror)
{
    if (!target || m_nodeId == -1)
        return nullptr;
    CNodeData* source = Held();
    if (!source)
        return nullptr;
    return PasteOnto(target, *source, kind, &mirror, mirrorMode);
}
