#include "library/CMaterialNode.h"

#include "library/CHvacData.h"
#include "library/CMaterialTreeItemBase.h"
#include "model/NameTables.h"
#include "model/TDM_Project.h"
#include "model/TDM_SysParam.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CSavepoint.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <QStringList>
#include <algorithm>

namespace {
bool ProjectIsOpen()
{
    return TDM_Project::Exists() && TDM_Project::Current().ProjectCon.IsOpen();
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

CMaterialNode::CMaterialNode(CMaterialNode* parent) : Parent(parent)
{
    if (parent) {
        Connection = parent->Connection;
        LibKind = parent->LibKind;
        parent->Children.emplace_back(this);
    }
}

CMaterialNode::~CMaterialNode() = default;

QString CMaterialNode::Table() const
{
    return LibraryTableName(LibKind);
}

QString CMaterialNode::Category() const
{
    return Parent && Parent->NodeKind == KindCategory ? Parent->Caption : QString();
}

void CMaterialNode::BindTreeItem(CMaterialTreeItemBase* item)
{
    if (!item)
        return;
    if (State == StateDeleted) {
        item->Delete();
        if (TreeItem == item)
            TreeItem = nullptr;
        return;
    }
    item->SetText(Caption);
    item->SetImageIndex(NodeKind);
    item->SetNode(this);
    TreeItem = item;
    item->DeleteChildren();
    for (const auto& child : Children)
        child->BindTreeItem(item->AddChild());
}

void CMaterialNode::ForEachPostOrder(const std::function<void(CMaterialNode&)>& action)
{
    for (int i = static_cast<int>(Children.size()) - 1; i >= 0; --i)
        Children[i]->ForEachPostOrder(action);
    action(*this);
}

CMaterialNode* CMaterialNode::FindFirst(const std::function<bool(const CMaterialNode&)>& match)
{
    if (State == StateDeleted)
        return nullptr;
    if (match(*this))
        return this;
    for (const auto& child : Children)
        if (CMaterialNode* found = child->FindFirst(match))
            return found;
    return nullptr;
}

CMaterialNode* CMaterialNode::FindById(int nodeKind, int id)
{
    return FindFirst([&](const CMaterialNode& node) { return node.NodeKind == nodeKind && node.ID == id; });
}

CMaterialNode* CMaterialNode::FindByCaption(int nodeKind, const QString& caption)
{
    return FindFirst([&](const CMaterialNode& node) {
        return node.NodeKind == nodeKind && SameName(node.Caption, caption);
    });
}

CMaterialNode* CMaterialNode::GetRoot()
{
    CMaterialNode* node = this;
    while (node->Parent)
        node = node->Parent;
    return node;
}

int CMaterialNode::GetSource() const
{
    if (TDM_SysParam::Exists() && Connection == &TDM_SysParam::Current().ADOConnection2)
        return SourceSystem;
    if (TDM_Project::Exists() && Connection == &TDM_Project::Current().ProjectCon)
        return SourceProject;
    return SourceOther;
}

std::unique_ptr<CDbQuery> CMaterialNode::RunQuery(const CSQLStatement& statement) const
{
    auto query = std::make_unique<CDbQuery>(Connection ? Connection->Name() : QString());
    query->SetSQL(statement);
    query->Open();
    return query;
}

CHvacData* CMaterialNode::GetData()
{
    if (Data || NodeKind != KindRecord)
        return Data.get();
    const auto query = RunQuery({QStringLiteral("select * from %1 where ID = ?").arg(Table()), {ID}});
    if (query->RecordCount() == 1) {
        Data = std::make_unique<CHvacData>();
        Data->LoadFromQuery(*query);
    }
    return Data.get();
}

bool CMaterialNode::CanDelete()
{
    if (State == StateNew)
        return true;
    const int source = GetSource();
    if (source == SourceOther)
        return false;
    if (ProjectIsOpen() && source != SourceProject)
        return false;
    const int shape = LibraryShape(LibKind);
    const QString word = shape == 1 ? QString::fromLatin1(LibKind == 16 ? "Room" : "Storey") : QString();
    if (source == SourceProject) {
        std::unique_ptr<CDbQuery> uses;
        if (shape == 0)
            uses = RunQuery(
                {QStringLiteral("select ID from %1 where material_id = ?").arg(LibraryRecordName(LibKind)),
                 {ID}});
        else if (shape == 1) // the use column holds the ID as text
            uses = RunQuery(
                {QStringLiteral("select ID from %1 where %1Use = ?").arg(word), {QString::number(ID)}});
        if (uses && uses->RecordCount() > 0)
            return false;
    }
    QString key;
    if (shape == 0)
        key = LibraryRecordName(LibKind) + QStringLiteral("Name");
    else if (shape == 1)
        key = word + QStringLiteral("Use");
    if (!key.isEmpty() && TInitalizationManage::Exists() &&
        TInitalizationManage::Current().GetInitValue(key) == QString::number(ID))
        return false;
    return true;
}

void CMaterialNode::MarkDeleted()
{
    ForEachPostOrder([](CMaterialNode& node) {
        node.State = StateDeleted;
        if (node.TreeItem) {
            node.TreeItem->Delete();
            node.TreeItem = nullptr;
        }
    });
}

bool CMaterialNode::NameInUse(const QString& name)
{
    return GetRoot()->FindFirst([&](const CMaterialNode& node) { return SameName(node.Caption, name); });
}

bool CMaterialNode::Rename(const QString& newName)
{
    if (NodeKind != KindRecord)
        return true;
    // A change of case only is no other name: the record would find itself.
    if (!SameName(newName, Caption) && NameInUse(newName)) {
        CTool::Current().ShowMessage(QStringLiteral("该名称已经被使用"));
        return false;
    }
    Caption = newName;
    if (TreeItem)
        TreeItem->SetText(newName);
    if (State == StateClean)
        State = StateModified;
    return true;
}

void CMaterialNode::WriteRow(CDbQuery& query) const
{
    Data->SaveToQuery(query);
    query.SetFieldValue(QStringLiteral("Name"), Caption);
    if (LibraryShape(LibKind) == 0)
        query.SetFieldValue(QStringLiteral("catergory"), Category());
}

int CMaterialNode::WriteState()
{
    if (!Data)
        return -1;
    const QString table = Table();
    CDbQuery query(Connection ? Connection->Name() : QString());
    switch (State) {
    case StateModified:
        OpenQueryGuarded(query, {QStringLiteral("select * from %1 where ID = ?").arg(table), {ID}});
        query.Edit();
        WriteRow(query);
        query.Post();
        return ID;
    case StateDeleted:
        ExecQueryGuarded(query, {QStringLiteral("delete from %1 where ID = ?").arg(table), {ID}});
        return ID;
    case StateNew:
        OpenQueryGuarded(query, {QStringLiteral("select * from %1 where 1<>1").arg(table)});
        query.Append();
        WriteRow(query);
        query.Post(); // reads the new row's ID back
        return query.AsInt(QStringLiteral("ID"));
    default:
        return -1;
    }
}

void CMaterialNode::AcceptSaved(int id)
{
    if (State == StateDeleted) {
        if (!Parent)
            return;
        auto& siblings = Parent->Children;
        const auto self = std::find_if(siblings.begin(), siblings.end(),
                                       [this](const auto& child) { return child.get() == this; });
        if (self != siblings.end())
            siblings.erase(self); // destroys this node: nothing of it is used afterwards
        return;
    }
    ID = id;
    State = StateClean;
}

void CMaterialNode::Save()
{
    if (State == StateClean || !Data)
        return;
    AcceptSaved(WriteState());
}

bool CMaterialNode::HasPending() const
{
    if (State != StateClean)
        return true;
    return std::any_of(Children.begin(), Children.end(), [](const auto& child) { return child->HasPending(); });
}

void CMaterialNode::SaveAll(const std::vector<CMaterialNode*>& roots)
{
    struct SWritten
    {
        CMaterialNode* node;
        int id;
    };
    std::vector<std::unique_ptr<CSavepoint>> savepoints; // one per database
    QStringList databases;
    std::vector<SWritten> written;
    std::vector<CMaterialNode*> categories;
    for (CMaterialNode* root : roots) {
        if (!root || !root->Connection)
            continue;
        const QString database = root->Connection->Name();
        if (!databases.contains(database)) {
            databases << database;
            savepoints.push_back(std::make_unique<CSavepoint>(database));
        }
        root->ForEachPostOrder([&](CMaterialNode& node) {
            if (node.NodeKind == KindCategory && node.State == StateNew)
                categories.push_back(&node);
            if (node.NodeKind != KindRecord || node.State == StateClean || !node.Data)
                return;
            written.push_back({&node, node.WriteState()});
        });
    }
    for (const auto& savepoint : savepoints)
        savepoint->Commit();
    // Post-order: a deleted record has no children, so removing it leaves every later entry valid.
    for (const SWritten& entry : written)
        entry.node->AcceptSaved(entry.id);
    for (CMaterialNode* category : categories)
        category->State = StateClean;
}

CMaterialNode* CMaterialNode::CopyTo(CMaterialNode* targetRoot, bool noQuestion)
{
    if (NodeKind != KindRecord || !targetRoot)
        return nullptr;
    CHvacData* data = GetData();
    if (!data)
        throw Exception(QStringLiteral("材料[%1]不存在，请重新指定材料").arg(Caption));

    CMaterialNode* targetParent = targetRoot;
    if (Parent && Parent->NodeKind == KindCategory) {
        targetParent = targetRoot->FindByCaption(KindCategory, Parent->Caption);
        if (!targetParent) {
            targetParent = new CMaterialNode(targetRoot);
            targetParent->NodeKind = KindCategory;
            targetParent->Caption = Parent->Caption;
            targetParent->State = StateNew;
        }
    }

    if (CMaterialNode* found = targetParent->FindByCaption(KindRecord, Caption); found && !noQuestion) {
        CHvacData* foundData = found->GetData();
        if (foundData && data->IsEqual(*foundData))
            return found;
        const int answer =
            CTool::Current().Select(QStringLiteral("发现有同名但参数不同的材料，请选择操作模式"),
                                    {QStringLiteral("覆盖已有材料"), QStringLiteral("自动更名后添加进去"),
                                     QStringLiteral("不覆盖，使用已有的材料")});
        if (answer == 0) {
            if (!found->Data)
                found->Data = std::make_unique<CHvacData>();
            found->Data->Assign(*data);
            if (found->State == StateClean)
                found->State = StateModified;
            return found;
        }
        if (answer == 2)
            return found;
        if (answer != 1)
            return nullptr; // a closed choice copies nothing (the category existed already)
    }

    QString name = Caption;
    for (int n = 1; targetRoot->NameInUse(name); ++n)
        name = QStringLiteral("%1[副本%2]").arg(Caption).arg(n);

    auto* copy = new CMaterialNode(targetParent);
    copy->NodeKind = KindRecord;
    copy->Caption = name;
    copy->State = StateNew;
    copy->Data = std::make_unique<CHvacData>();
    copy->Data->Assign(*data);

    if (targetRoot->TreeItem) {
        targetRoot->BindTreeItem(targetRoot->TreeItem);
        targetRoot->TreeItem->SortTree();
    }
    return copy;
}
