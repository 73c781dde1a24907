// The record operations of the editor library tree: the table changes first, the items follow
// only when it succeeded.
#include "library/forms/TMetrailTree.h"

#include "library/CLibraryTable.h"
#include "model/CMaterialParamNameList.h"
#include "platform/core/CDbConnection.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <QTreeWidget>

namespace {
const QString kInUse = QStringLiteral("该材料正在被工程(或参数初始化)使用，不可删除!!!");
constexpr int ProjectRoot = 1;
} // namespace

void TMetrailTree::ClearNameLists()
{
    if (CMaterialParamNameList::Exists())
        CMaterialParamNameList::Current().ClearAll();
}

bool TMetrailTree::Guarded(const std::function<void()>& work)
{
    try {
        work();
        return true;
    } catch (const Exception& e) {
        CTool::Current().ShowMessage(e.Message());
        return false;
    }
}

bool TMetrailTree::IsRecordInUse(int id)
{
    CDbConnection* project = GetConnection(ProjectRoot);
    bool inUse = false;
    // A test that cannot be answered counts as in use: nothing is deleted on a guess.
    if (project && !Guarded([&] { inUse = Table().IsRecordInUse(*project, id); }))
        return true;
    return inUse;
}

bool TMetrailTree::DeleteSelected(int id, const QString& category)
{
    CDbConnection* project = GetConnection(ProjectRoot);
    QTreeWidgetItem* selected = TreeView1->currentItem();
    if (!project)
        return false;
    const bool wholeCategory = category != QLatin1String("0");
    QList<int> ids{id};
    if (wholeCategory && !Guarded([&] { ids = Table().CategoryIds(*project, category); }))
        return false;
    for (int each : ids)
        if (IsRecordInUse(each)) {
            CTool::Current().ShowMessage(kInUse);
            return false;
        }
    if (CTool::Current().ShowMessageBox(QStringLiteral("删除材料"), QStringLiteral("确实需要删除吗!!!"), 9, 2,
                                        QStringLiteral("确定"), QStringLiteral("取消")) != 6)
        return false;
    if (!Guarded([&] { Table().DeleteRecords(*project, ids); }))
        return false;
    delete selected;
    if (!wholeCategory)
        ClearNameLists();
    return true;
}

bool TMetrailTree::RenameRecord(const QString& newName, const QString& oldName, int id)
{
    CDbConnection* project = GetConnection(ProjectRoot);
    if (newName == oldName || !project)
        return false;
    int changed = 0;
    // By ID, also in the flat libraries: another row of the old name keeps it.
    if (!Guarded([&] { changed = Table().RenameRecord(*project, id, newName); }) || changed == 0)
        return false;
    if (QTreeWidgetItem* item = TreeView1->currentItem())
        item->setText(0, newName);
    return true;
}

bool TMetrailTree::RenameCategory(const QString& newCategory, const QString& oldCategory, int)
{
    CDbConnection* project = GetConnection(ProjectRoot);
    if (newCategory == oldCategory || !project || FlatLibrary)
        return false;
    int changed = 0;
    if (!Guarded([&] { changed = Table().RenameCategory(*project, oldCategory, newCategory); }) || changed == 0)
        return false;
    if (QTreeWidgetItem* item = TreeView1->currentItem())
        item->setText(0, newCategory);
    return true;
}

int TMetrailTree::AddRecord(const QString& name, const QString& category)
{
    CDbConnection* project = GetConnection(ProjectRoot);
    if (!project)
        return 0;
    int id = 0;
    if (!Guarded([&] { id = Table().FindRecord(*project, name, category); }))
        return 0;
    if (id > 0) {
        CTool::Current().ShowMessage(QStringLiteral("该材料已经存在!!!"));
        return 0;
    }
    if (!Guarded([&] { id = Table().AddRecord(*project, name, category); }))
        return 0;
    QTreeWidgetItem* root = RootItem(ProjectRoot);
    QTreeWidgetItem* parent = FlatLibrary ? root : CategoryItem(root, category, true);
    SelectItem(AddItem(parent, name, ImageRecord, id));
    ClearNameLists();
    return id;
}

int TMetrailTree::CloneRecord(int sourceRoot, int sourceId, int targetRoot, const QString& category, const QString& name)
{
    ClearNameLists();
    CDbConnection* source = GetConnection(sourceRoot);
    CDbConnection* target = GetConnection(targetRoot);
    if (!source || !target)
        return 0;
    QVariantMap set;
    if (!FlatLibrary && !category.isEmpty() && category != QLatin1String("0"))
        set.insert(QStringLiteral("catergory"), category);
    if (!name.isEmpty() && name != QLatin1String("0"))
        set.insert(QStringLiteral("Name"), name);
    int id = 0;
    Guarded([&] { id = Table().CloneRow(*source, sourceId, *target, set); });
    return id;
}

int TMetrailTree::CopyRecord(int sourceRoot, int sourceId, int targetRoot)
{
    if (sourceRoot == ProjectRoot)
        return -1;
    ClearNameLists();
    CDbConnection* source = GetConnection(sourceRoot);
    CDbConnection* target = GetConnection(targetRoot);
    if (!source || !target)
        return 0;
    int id = 0;
    bool appended = false;
    QString name;
    QString category;
    const bool done = Guarded([&] {
        CDbQuery row(*source);
        OpenQueryGuarded(row, CSQLStatement(QStringLiteral("select * from %1 where ID = ?").arg(GetTableName()), {sourceId}));
        if (row.RecordCount() == 0)
            throw Exception(QStringLiteral("%1中没有ID为%2的记录").arg(GetTableName()).arg(sourceId));
        name = row.AsString(QStringLiteral("Name"));
        category = FlatLibrary ? QString() : row.AsString(QStringLiteral("catergory"));
        id = Table().FindRecord(*target, name, category);
        if (id > 0) {
            Table().OverwriteRow(*source, sourceId, *target, id, {});
        } else {
            id = Table().CloneRow(*source, sourceId, *target, {});
            appended = true;
        }
    });
    if (!done)
        return 0;
    if (appended && targetRoot == ProjectRoot) {
        QTreeWidgetItem* root = RootItem(ProjectRoot);
        SelectItem(AddItem(FlatLibrary ? root : CategoryItem(root, category, true), name, ImageRecord, id));
    }
    return id;
}

void TMetrailTree::OverwriteRecord(int sourceRoot, int sourceId, int targetRoot, int targetId)
{
    if (sourceRoot == ProjectRoot)
        return;
    CDbConnection* source = GetConnection(sourceRoot);
    CDbConnection* target = GetConnection(targetRoot);
    if (!source || !target)
        return;
    QString name;
    QString category;
    if (!Guarded([&] {
            Table().OverwriteRow(*source, sourceId, *target, targetId, {});
            CDbQuery row(*target);
            OpenQueryGuarded(row, CSQLStatement(QStringLiteral("select * from %1 where ID = ?").arg(GetTableName()), {targetId}));
            name = row.AsString(QStringLiteral("Name"));
            category = FlatLibrary ? QString() : row.AsString(QStringLiteral("catergory"));
        }))
        return;
    SelectRecordByName(category, name);
    ClearNameLists();
}

void TMetrailTree::OverwriteFields(int sourceRoot, int sourceId, int targetRoot, int targetId)
{
    CDbConnection* source = GetConnection(sourceRoot);
    CDbConnection* target = GetConnection(targetRoot);
    if (!source || !target)
        return;
    Guarded([&] {
        Table().OverwriteRow(*source, sourceId, *target, targetId,
                             {QStringLiteral("id"), QStringLiteral("name"), QStringLiteral("catergory")});
    });
    ClearNameLists();
}

QString TMetrailTree::FreeCopyName(const QTreeWidgetItem* item, const QString& name) const
{
    for (int n = 1;; ++n) {
        const QString candidate = QStringLiteral("%1 [副本%2]").arg(name).arg(n);
        if (!FindInRoot(item, candidate))
            return candidate;
    }
}

void TMetrailTree::Action_CopyExecute()
{
    const SNodeInfo info = GetNodeInfo(TreeView1->currentItem());
    m_copied = info;
    m_hasCopied = info.IsRecord;
    UpdateActions(true);
}

void TMetrailTree::Action_PastExecute()
{
    QTreeWidgetItem* target = TreeView1->currentItem();
    if (!m_hasCopied || !m_copied.IsRecord || !target)
        return;
    if (ImageOf(target) == ImageRecord)
        target = target->parent();
    const int targetRoot = GetRootIndex(target);

    QString candidate = m_copied.Name;
    QTreeWidgetItem* overwrite = nullptr;
    bool asked = false;
    while (QTreeWidgetItem* found = FindInRoot(target, candidate)) {
        // Only a record can be overwritten; a category of that name just takes the next name.
        if (!asked && ImageOf(found) == ImageRecord) {
            asked = true;
            if (CTool::Current().ShowMessageBox(QStringLiteral("覆盖"),
                                                QStringLiteral("已经包含该名称的数据，是否覆盖?\n\n是 - 覆盖\n否 - 更名新增"), 9, 3,
                                                QStringLiteral("是"), QStringLiteral("否"), 2) == 6) {
                overwrite = found;
                break;
            }
        }
        candidate = FreeCopyName(target, m_copied.Name);
    }
    if (overwrite) {
        OverwriteFields(m_copied.Root, m_copied.ID, targetRoot, overwrite->data(0, IdRole).toInt());
        SelectItem(overwrite);
    } else {
        const int id = CloneRecord(m_copied.Root, m_copied.ID, targetRoot, target->text(0), candidate);
        if (id > 0)
            SelectItem(AddItem(target, candidate, ImageRecord, id));
    }
    ClearNameLists();
}

void TMetrailTree::Action_ReNameExecute()
{
    QTreeWidgetItem* item = TreeView1->currentItem();
    const SNodeInfo info = GetNodeInfo(item);
    CDbConnection* connection = GetConnection(info.Root);
    if (!info.IsRecord || !connection)
        return;
    QString text = item->text(0);
    for (;;) {
        if (CTool::Current().Input(QStringLiteral("新名称:  "), text, 0, QStringLiteral("更名  ")) != 6)
            return;
        if (!text.isEmpty() && !FindInRoot(item, text))
            break;
        CTool::Current().ShowMessage(QStringLiteral("重名(或为空)，请重新录入"));
    }
    int changed = 0;
    if (!Guarded([&] { changed = Table().RenameRecord(*connection, info.ID, text); }) || changed == 0)
        return;
    item->setText(0, text);
    ClearNameLists();
}

void TMetrailTree::Action_cloneExecute()
{
    QTreeWidgetItem* item = TreeView1->currentItem();
    const SNodeInfo info = GetNodeInfo(item);
    if (!info.IsRecord)
        return;
    const QString name = FreeCopyName(item, info.Name);
    const int id = CloneRecord(info.Root, info.ID, info.Root, QString(), name);
    if (id > 0)
        SelectItem(AddItem(item->parent(), name, ImageRecord, id));
}

void TMetrailTree::Action_DelExecute()
{
    const SNodeInfo info = GetSelectedRecord();
    if (info.IsRecord && DeleteSelected(info.ID, QStringLiteral("0")))
        CTool::Current().ShowMessage(QStringLiteral("成功删除"));
}
