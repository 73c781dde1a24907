#include "model/CNodeData.h"

#include "model/CElementManage.h"
#include "model/CElementRowCacheBase.h"
#include "model/CNodeFilter.h"
#include "model/CNodeTreeView.h"
#include "model/CProjectTreeHostBase.h"
#include "model/CTreeEdit.h"
#include "model/CTreeItem.h"
#include "model/CTreeView2DB.h"
#include "model/NameTables.h"
#include "model/TDM_Project.h"
#include "platform/core/CGbkCodec.h"
#include "platform/core/CTool.h"

#include <QStringList>
#include <algorithm>

namespace {
constexpr int kProjectType = 0;
constexpr int kFolderType = 30;
constexpr int kMaxCaptionBytes = 25;

int ExecSQL(const CSQLStatement& statement)
{
    return TDM_Project::Current().ExecSQL(statement);
}

bool HasTable(int type)
{
    return type > kProjectType && type < CElementManage::TypeCount;
}
} // namespace

CNodeData::CNodeData() = default;

CNodeData::~CNodeData()
{
    if (m_treeItem && m_treeItem->m_node == this)
        m_treeItem->m_node = nullptr;
}

int CNodeData::ParentElementId() const
{
    const CNodeData* parent = GetNonFolderParent();
    return parent ? parent->m_elementId : -1;
}

QString CNodeData::NodePath() const
{
    return GetFullPath(QStringLiteral("~"));
}

CElementBase* CNodeData::AncestorElement(int type) const
{
    for (CNodeData* node = m_parent; node; node = node->m_parent)
        if (node->m_type == type)
            return node->LoadElement();
    return nullptr;
}

QList<CElementBase*> CNodeData::DescendantElements() const
{
    QList<CNodeData*> nodes;
    CollectDescendants(nodes);
    QList<CElementBase*> elements;
    for (CNodeData* node : nodes)
        if (CElementBase* element = node->LoadElement())
            elements << element;
    return elements;
}

CNodeData* CNodeData::Child(int index) const
{
    if (index < 0 || index >= ChildCount())
        return nullptr;
    return m_children[static_cast<size_t>(index)].get();
}

void CNodeData::SetRow(int nodeId, int elementId, int imageIndex, const QString& caption)
{
    m_nodeId = nodeId;
    m_elementId = elementId;
    m_imageIndex = imageIndex;
    m_type = CElementManage::ImageIndexToType(imageIndex);
    m_caption = caption;
}

void CNodeData::ClearChildren()
{
    m_children.clear();
}

CNodeData* CNodeData::AddChild(std::unique_ptr<CNodeData> child)
{
    CNodeData* raw = child.get();
    raw->m_index = ChildCount();
    raw->m_parent = this;
    raw->m_level = m_level + 1;
    m_children.push_back(std::move(child));
    return raw;
}

int CNodeData::IndexInParent() const
{
    if (!m_parent)
        return -1;
    const auto& siblings = m_parent->m_children;
    const auto it =
        std::find_if(siblings.begin(), siblings.end(), [this](const auto& p) { return p.get() == this; });
    return it == siblings.end() ? -1 : static_cast<int>(it - siblings.begin());
}

std::unique_ptr<CNodeData> CNodeData::TakeChild(int position)
{
    std::unique_ptr<CNodeData> child = std::move(m_children[static_cast<size_t>(position)]);
    m_children.erase(m_children.begin() + position);
    return child;
}

void CNodeData::InsertChild(int position, std::unique_ptr<CNodeData> child)
{
    if (!child)
        return;
    child->m_parent = this;
    child->m_level = m_level + 1;
    position = std::clamp(position, 0, ChildCount());
    m_children.insert(m_children.begin() + position, std::move(child));
}

bool CNodeData::Unlink(bool renumber)
{
    const int position = IndexInParent();
    if (position < 0)
        return true;
    CTreeEdit edit;
    CNodeData* parent = m_parent;
    const int oldIndex = m_index;
    CTreeEdit::Bury(parent->TakeChild(position));
    CTreeEdit::OnUndo([this, parent, position, oldIndex] {
        parent->InsertChild(position, CTreeEdit::Exhume(this));
        m_index = oldIndex;
    });
    if (renumber && !parent->RenumberChildren())
        return false;
    edit.Commit(); // outside an enclosing edit this destroys the node
    return true;
}

bool CNodeData::RenumberChildren()
{
    CTreeEdit edit;
    for (int i = 0; i < ChildCount(); ++i) {
        CNodeData* child = Child(i);
        if (child->m_index == i)
            continue;
        const int oldIndex = child->m_index;
        child->m_index = i;
        CTreeEdit::OnUndo([child, oldIndex] { child->m_index = oldIndex; });
        if (!child->UpdateNodeRow())
            return false;
    }
    edit.Commit();
    return true;
}

bool CNodeData::MoveBy(int offset)
{
    const int position = IndexInParent();
    if (position < 0)
        return false;
    CNodeData* parent = m_parent;
    const long long wanted = static_cast<long long>(position) + offset;
    const int target = static_cast<int>(std::clamp<long long>(wanted, 0, parent->ChildCount() - 1));
    CTreeEdit edit;
    parent->InsertChild(target, parent->TakeChild(position));
    CTreeEdit::OnUndo([this, parent, position] {
        if (const int current = IndexInParent(); current >= 0)
            parent->InsertChild(position, parent->TakeChild(current));
    });
    if (!parent->RenumberChildren())
        return false;
    edit.Commit();
    return true;
}

CNodeData* CNodeData::GetNonFolderParent() const
{
    CNodeData* node = m_parent;
    while (node && (node->m_type == kFolderType || node->m_type == kProjectType))
        node = node->m_parent;
    return node;
}

CNodeData* CNodeData::GetAncestorOfType(int type) const
{
    for (CNodeData* node = GetNonFolderParent(); node; node = node->GetNonFolderParent())
        if (node->m_type == type)
            return node;
    return nullptr;
}

bool CNodeData::CanBeChildOf(int type, const CNodeData* parent)
{
    if (type == kFolderType)
        return true;
    if (type < 0 || type >= CElementManage::TypeCount)
        return false;
    const CNodeData* node = parent;
    while (node && node->m_type == kFolderType)
        node = node->m_parent;
    if (!node || node->m_type < 0)
        return false;
    return CElementManage::Current().GetParentType(type) == node->m_type;
}

CNodeData* CNodeData::FindNode(int type, int elementId)
{
    CNodeData* found = nullptr;
    Traverse([&](CNodeData* node) {
        if (node->m_type == type && node->m_elementId == elementId)
            found = node;
        return found != nullptr;
    });
    return found;
}

CNodeData* CNodeData::FindNodeById(int nodeId)
{
    CNodeData* found = nullptr;
    Traverse([&](CNodeData* node) {
        if (node->m_nodeId == nodeId)
            found = node;
        return found != nullptr;
    });
    return found;
}

CNodeData* CNodeData::FindNodeByCaption(int type, const QString& caption)
{
    CNodeData* found = nullptr;
    Traverse([&](CNodeData* node) {
        if (node->m_type == type && (caption.isEmpty() || node->m_caption == caption))
            found = node;
        return found != nullptr;
    });
    return found;
}

bool CNodeData::Traverse(const Visitor& visitor)
{
    if (visitor(this))
        return true;
    for (const auto& child : m_children)
        if (child->Traverse(visitor))
            return true;
    return false;
}

void CNodeData::CollectDescendants(QList<CNodeData*>& list) const
{
    for (const auto& child : m_children) {
        list << child.get();
        child->CollectDescendants(list);
    }
}

QString CNodeData::GetFullPath(const QString& separator) const
{
    QStringList captions;
    for (const CNodeData* node = this; node; node = node->m_parent)
        captions.prepend(node->m_caption);
    return captions.join(separator);
}

bool CNodeData::IsActive() const
{
    return m_type == kProjectType || m_imageIndex < 31;
}

bool CNodeData::InsertNodeRow()
{
    return ExecSQL({QStringLiteral("insert into tbl_tree "
                                   "(f_level,f_index,f_nodeid,f_parentid,f_caption,f_imageindex,f_elementid) "
                                   "values(?,?,?,?,?,?,?)"),
                    {m_level, m_index, m_nodeId, m_parent ? m_parent->m_nodeId : -1, m_caption, m_imageIndex,
                     m_elementId}}) == 1;
}

bool CNodeData::UpdateNodeRow()
{
    return ExecSQL({QStringLiteral(
                        "update tbl_tree set f_level=?,f_index=?,f_parentid=?,f_caption=?,f_imageindex=? "
                        "where f_nodeid=?"),
                    {m_level, m_index, m_parent ? m_parent->m_nodeId : -1, m_caption, m_imageIndex,
                     m_nodeId}}) == 1;
}

CElementBase* CNodeData::LoadElement()
{
    if (m_element)
        return m_element.get();
    std::unique_ptr<CElementBase> element = CElementManage::CreateElement(m_type);
    if (!element)
        return nullptr;
    element->ID = m_elementId;
    element->Node = this;
    if (m_type == kProjectType) {
        m_element = std::move(element);
        return m_element.get();
    }
    CDbQuery& query = TDM_Project::Current().qryTemp;
    element->m_Query = &query;
    // During a calculation the rows come from the run's cache: one statement per table, not per
    // element. A row the cache does not hold (written after it read its table) is read below.
    if (CElementRowCacheBase* cache = CElementRowCacheBase::GetCurrent())
        if (CDbQuery* row = cache->LocateRecord(m_type, m_elementId)) {
            element->LoadFromDataSet(*row);
            m_element = std::move(element);
            return m_element.get();
        }
    OpenQueryGuarded(query, {QStringLiteral("select * from %1 where id=?").arg(GetElementTableName(m_type)),
                             {m_elementId}});
    if (query.RecordCount() > 0) {
        query.First();
        element->LoadFromDataSet(query);
        m_element = std::move(element);
        return m_element.get();
    }

    // The row was lost outside the program: write it again from the defaults.
    CTreeEdit edit;
    bool written = false;
    if (element->SetDefaults()) {
        element->Name = m_caption;
        element->ID = m_elementId;
        written = element->InsertRecord() == 1;
    }
    m_element = std::move(element);
    if (!written) {
        CTool::Current().ShowMessageBox(
            QStringLiteral("警告"),
            QStringLiteral("很抱歉，无法恢复数据(%1)，请联系软件供应商").arg(NodePath()), 6, 1);
        return nullptr;
    }
    // Should an enclosing edit fail, the row is gone again; the next load must write it anew.
    CTreeEdit::OnUndo([this] { m_element.reset(); });
    edit.Commit();
    CTool::Current().ShowMessageBox(
        QStringLiteral("警告"),
        QStringLiteral("当前节点(%1)数据丢失，软件已经自动重新创建，请认真校对一下数据").arg(NodePath()), 6,
        0);
    return m_element.get();
}

void CNodeData::ReleaseElements(bool recursive, bool self)
{
    if (self)
        m_element.reset();
    if (recursive)
        for (const auto& child : m_children)
            child->ReleaseElements(true, true);
}

void CNodeData::KeepElementsForUndo(bool recursive)
{
    if (!CTreeEdit::Active())
        return;
    if (const CElementBase* element = LoadElement()) {
        std::shared_ptr<CElementBase> before(CElementManage::CreateElement(m_type));
        before->CopyFrom(*element);
        CTreeEdit::OnUndo([this, before] {
            if (m_element)
                m_element->CopyFrom(*before);
        });
    }
    if (recursive)
        for (const auto& child : m_children)
            child->KeepElementsForUndo(true);
}

CNodeData* CNodeData::CaptionScope()
{
    if (m_type != kFolderType)
        return this;
    if (CNodeData* parent = GetNonFolderParent())
        return parent;
    CNodeData* root = this;
    while (root->m_parent)
        root = root->m_parent;
    return root;
}

bool CNodeData::Contains(const CNodeData* node) const
{
    for (; node; node = node->m_parent)
        if (node == this)
            return true;
    return false;
}

CNodeData* CNodeData::AddNewChildRow(int type, int imageIndex, const QString& caption,
                                     const CNodeData* reportedNode)
{
    auto owned = std::make_unique<CNodeData>();
    owned->m_nodeId = CTreeView2DB::Current().GetNextNodeId();
    owned->m_elementId = CElementManage::Current().Info(type).NewElementId();
    owned->m_type = type;
    owned->m_imageIndex = imageIndex;
    owned->m_caption = caption;
    CNodeData* node = AddChild(std::move(owned));
    CTreeEdit::OnUndo([node] {
        if (const int position = node->IndexInParent(); position >= 0)
            node->m_parent->TakeChild(position);
    });
    if (node->InsertNodeRow())
        return node;
    CTool::Current().ShowMessage(QStringLiteral("创建目录记录%1失败").arg(reportedNode->NodePath()));
    return nullptr;
}

CNodeData* CNodeData::CreateChild(int type, const QString& name, const CElementBase* templateElement,
                                  int width)
{
    if (!CanBeChildOf(type, this))
        return nullptr;
    // A template of another type would write its own table under this node's row.
    if (templateElement && templateElement->Type() != type)
        return nullptr;
    CNodeData* scope = CaptionScope();
    const QString base = name.isEmpty() ? ElementTypeName(type) : name;
    QString caption;
    for (int n = 1;; ++n) {
        caption = base + QString::number(n).rightJustified(width, QLatin1Char('0'));
        if (!scope->FindNodeByCaption(type, caption))
            break;
    }

    CTreeEdit edit;
    CNodeData* node = AddNewChildRow(type, type, caption, this);
    if (!node)
        return nullptr;
    std::unique_ptr<CElementBase> element = CElementManage::CreateElement(type);
    element->Node = node;
    CElementBase* raw = element.get();
    node->m_element = std::move(element);
    if (templateElement) {
        raw->CopyFrom(*templateElement);
    } else if (!raw->SetDefaults()) {
        CTool::Current().ShowMessage(QStringLiteral("创建实体记录%1失败").arg(node->NodePath()));
        return nullptr;
    }
    raw->ID = node->m_elementId;
    raw->Name = caption;
    if (raw->InsertRecord() != 1)
        return nullptr;
    edit.Commit();
    return node;
}

CNodeData* CNodeData::CopyUnder(CNodeData* target, bool recursive)
{
    if (!target || !CanBeChildOf(m_type, target) || Contains(target))
        return nullptr;
    CNodeData* scope = target->CaptionScope();
    QString caption = m_caption;
    for (int n = 1; scope->FindNodeByCaption(m_type, caption); ++n)
        caption = QStringLiteral("%1[副本%2]").arg(m_caption).arg(n);

    CTreeEdit edit;
    CElementBase* source = LoadElement();
    if (!source)
        return nullptr;
    CNodeData* node = target->AddNewChildRow(m_type, m_imageIndex, caption, this);
    if (!node)
        return nullptr;
    std::unique_ptr<CElementBase> element = CElementManage::CreateElement(m_type);
    element->Node = node;
    element->CopyFrom(*source);
    element->Name = caption;
    element->ID = node->m_elementId;
    CElementBase* raw = element.get();
    node->m_element = std::move(element);
    if (raw->InsertRecord() != 1)
        return nullptr;
    if (recursive) {
        for (const auto& child : m_children) {
            // A child the copy cannot hold is left out; a child that fails fails the copy.
            if (!CanBeChildOf(child->m_type, node))
                continue;
            if (!child->CopyUnder(node, true))
                return nullptr;
        }
    }
    edit.Commit();
    return node;
}

bool CNodeData::CopyContentFrom(CNodeData* source, bool recursive)
{
    if (!source || source->m_type != m_type || Contains(source) || source->Contains(this))
        return false;
    CTreeEdit edit;
    CElementBase* element = LoadElement();
    const CElementBase* from = source->LoadElement();
    if (!element || !from)
        return false;
    KeepElementsForUndo(false);
    element->CopyFrom(*from);
    element->Name = m_caption;
    element->ID = m_elementId;
    if (element->UpdateRecord() != 1)
        return false;
    // The node takes the source's state too, so that its image and its element's Status agree.
    if (m_imageIndex != source->m_imageIndex) {
        const int oldImage = m_imageIndex;
        m_imageIndex = source->m_imageIndex;
        CTreeEdit::OnUndo([this, oldImage] { m_imageIndex = oldImage; });
        if (!UpdateNodeRow())
            return false;
        CTreeEdit::OnCommit([this] {
            if (m_treeItem)
                m_treeItem->View()->SetImageIndex(m_treeItem, m_imageIndex);
        });
    }
    if (recursive) {
        if (!DeleteChildren())
            return false;
        std::vector<CNodeData*> children;
        for (const auto& child : source->m_children)
            children.push_back(child.get());
        for (CNodeData* child : children)
            if (!child->CopyUnder(this, true))
                return false;
    }
    edit.Commit();
    return true;
}

bool CNodeData::DeleteNodeRows(bool renumber)
{
    CTreeEdit edit;
    // Renumbering siblings that are deleted next would only write rows that go.
    while (!m_children.empty())
        if (!m_children.front()->DeleteNodeRows(false))
            return false;
    // A row already missing (lost outside the program) is no reason to keep the node; only more
    // than one row would be.
    if (ExecSQL({QStringLiteral("delete from tbl_tree where f_nodeid=?"), {m_nodeId}}) > 1)
        return false;
    if (HasTable(m_type) &&
        ExecSQL({QStringLiteral("delete from %1 where id=?").arg(GetElementTableName(m_type)),
                 {m_elementId}}) > 1)
        return false;
    CTreeEdit::OnCommit([this] {
        if (!m_treeItem)
            return;
        CNodeTreeView* view = m_treeItem->View();
        if (view->Selected() == m_treeItem && CTreeView2DB::Exists())
            if (CProjectTreeHostBase* host = CTreeView2DB::Current().Host())
                host->HideOpenPage();
        view->DeleteItem(m_treeItem);
    });
    if (!Unlink(renumber))
        return false;
    edit.Commit(); // destroys this node when no edit encloses this one
    return true;
}

bool CNodeData::DeleteChildren()
{
    CTreeEdit edit;
    while (!m_children.empty())
        if (!m_children.front()->DeleteNodeRows(false))
            return false;
    edit.Commit();
    return true;
}

bool CNodeData::RenameNode(const QString& name)
{
    if (name.contains(QLatin1Char('~')) || name.contains(QLatin1Char('@')) ||
        CGbkCodec::ToGbk(name).size() > kMaxCaptionBytes || name.trimmed().isEmpty())
        return false;
    CNodeData* scope = GetNonFolderParent();
    if (!scope)
        scope = m_parent;
    if (!scope)
        return false;
    const CNodeData* other = scope->FindNodeByCaption(m_type, name);
    if (other && other != this)
        return false;

    CTreeEdit edit;
    if (ExecSQL({QStringLiteral("update tbl_tree set f_caption = ? where f_nodeid = ?"), {name, m_nodeId}}) !=
        1)
        return false;
    if (m_type != kFolderType && m_type != kProjectType &&
        ExecSQL({QStringLiteral("update %1 set Name = ? where ID=? ").arg(GetElementTableName(m_type)),
                 {name, m_elementId}}) != 1)
        return false;
    const QString oldCaption = m_caption;
    m_caption = name;
    if (m_element && m_type != kFolderType)
        m_element->Name = name;
    CTreeEdit::OnUndo([this, oldCaption] {
        m_caption = oldCaption;
        if (m_element && m_type != kFolderType)
            m_element->Name = oldCaption;
    });
    CTreeEdit::OnCommit([this] {
        if (m_treeItem)
            m_treeItem->View()->SetText(m_treeItem, m_caption);
    });
    edit.Commit();
    return true;
}

void CNodeData::SetNodeStatus(bool active)
{
    if (m_type == kProjectType)
        return;
    CTreeEdit edit;
    CElementBase* element = LoadElement();
    const int oldStatus = element ? element->Status : 0;
    const int oldImage = m_imageIndex;
    if (element)
        element->Status = active ? 1 : 0;
    m_imageIndex = active ? m_type : m_type + 30;
    CTreeEdit::OnUndo([this, oldStatus, oldImage] {
        if (m_element)
            m_element->Status = oldStatus;
        m_imageIndex = oldImage;
    });
    if (HasTable(m_type))
        ExecSQL({QStringLiteral("update %1 set Status = ? where ID= ?").arg(GetElementTableName(m_type)),
                 {active ? 1 : 0, m_elementId}});
    ExecSQL(
        {QStringLiteral("update tbl_tree set f_imageindex = ? where f_nodeid= ?"), {m_imageIndex, m_nodeId}});
    CTreeEdit::OnCommit([this] {
        if (m_treeItem)
            m_treeItem->View()->SetImageIndex(m_treeItem, m_imageIndex);
    });
    edit.Commit();
}

void CNodeData::BuildTreeItems(CTreeItem* item, const CNodeFilter* filter, bool bind)
{
    if (!item)
        return;
    CNodeTreeView* view = item->View();
    const bool used = CTreeView2DB::Exists() ? CTreeView2DB::Current().IsElementTypeUsed(m_type) : true;
    const bool shown = used && (!filter || filter->Accepts(*this));
    CTreeItem* under = item;
    if (shown) {
        view->SetItem(item, m_caption, m_imageIndex, this);
        if (bind)
            m_treeItem = item;
        view->DeleteChildren(item);
    } else {
        under = item->Parent();
        view->DeleteItem(item);
        if (bind)
            ClearTreeItems(true);
        // A hidden element hides what lies below it; a hidden folder passes its children up.
        if (m_type != kFolderType)
            return;
    }
    for (const auto& child : m_children)
        child->BuildTreeItems(view->AddItem(under), filter, bind);
}

void CNodeData::ClearTreeItems(bool recursive)
{
    m_treeItem = nullptr;
    if (recursive)
        for (const auto& child : m_children)
            child->ClearTreeItems(true);
}
