#include "library/forms/TMetrailTree.h"

#include "library/CLibraryTable.h"
#include "library/LibraryCaptionOrder.h"
#include "platform/core/CDbConnection.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenu>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QUuid>

namespace {
// Records sort by their captions (numbered ones by number); other items keep their order.
class CMetrailItem : public QTreeWidgetItem
{
public:
    bool operator<(const QTreeWidgetItem& other) const override
    {
        if (TMetrailTree::ImageOf(this) != TMetrailTree::ImageRecord ||
            TMetrailTree::ImageOf(&other) != TMetrailTree::ImageRecord)
            return false;
        return LibraryCaptionLess(text(0), other.text(0));
    }
};
} // namespace

int TMetrailTree::ImageOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, ImageRole).toInt() : -1;
}

TMetrailTree::TMetrailTree(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MetrailTree"));
    resize(355, 264);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setOrientation(Qt::Vertical);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setFixedWidth(25);
    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setIndentation(19);
    TreeView1->setContextMenuPolicy(Qt::NoContextMenu);
    layout->addWidget(ToolBar1);
    layout->addWidget(TreeView1);

    auto* style = QApplication::style();
    auto makeAction = [this](const QString& name, const QString& caption, const QIcon& icon, const QKeySequence& key,
                             void (TMetrailTree::*handler)()) {
        auto* action = new QAction(icon, caption, this);
        action->setObjectName(name);
        action->setToolTip(caption);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
        return action;
    };
    Action_Copy = makeAction("Action_Copy", QStringLiteral("拷贝"), style->standardIcon(QStyle::SP_FileLinkIcon),
                             QKeySequence(Qt::CTRL | Qt::Key_C), &TMetrailTree::Action_CopyExecute);
    Action_Past = makeAction("Action_Past", QStringLiteral("粘贴"), style->standardIcon(QStyle::SP_ArrowDown),
                             QKeySequence(Qt::CTRL | Qt::Key_V), &TMetrailTree::Action_PastExecute);
    Action_ReName = makeAction("Action_ReName", QStringLiteral("更名"), style->standardIcon(QStyle::SP_FileDialogDetailedView),
                               QKeySequence(Qt::CTRL | Qt::Key_R), &TMetrailTree::Action_ReNameExecute);
    Action_clone = makeAction("Action_clone", QStringLiteral("创建副本"), style->standardIcon(QStyle::SP_FileDialogNewFolder), QKeySequence(),
                              &TMetrailTree::Action_cloneExecute);
    Action_Del = makeAction("Action_Del", QStringLiteral("删除"), style->standardIcon(QStyle::SP_TrashIcon),
                            QKeySequence(Qt::Key_Delete), &TMetrailTree::Action_DelExecute);
    Action_NewCon = makeAction("Action_NewCon", QStringLiteral("打开新链接"),
                               style->standardIcon(QStyle::SP_DialogOpenButton), QKeySequence(Qt::CTRL | Qt::Key_N),
                               &TMetrailTree::Action_NewConExecute);
    ToolBar1->addActions({Action_Copy, Action_Past, Action_ReName, Action_clone, Action_Del});
    ToolBar1->addSeparator();
    ToolBar1->addAction(Action_NewCon);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addActions({Action_Copy, Action_Past});
    PopupMenu1->addSeparator();
    PopupMenu1->addActions({Action_Del, Action_ReName});
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(Action_clone);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(Action_NewCon);

    connect(TreeView1, &QTreeWidget::currentItemChanged, this, &TMetrailTree::TreeView1Change);
    UpdateActions(true);
}

TMetrailTree::~TMetrailTree() = default;

CLibraryTable TMetrailTree::Table() const
{
    return CLibraryTable(m_kindWord, FlatLibrary);
}

QTreeWidgetItem* TMetrailTree::AddItem(QTreeWidgetItem* parent, const QString& caption, int image, int id)
{
    auto* item = new CMetrailItem;
    item->setText(0, caption);
    item->setData(0, ImageRole, image);
    item->setData(0, IdRole, id);
    const QStyle::StandardPixmap pixmaps[] = {QStyle::SP_DriveHDIcon, QStyle::SP_DirIcon, QStyle::SP_FileIcon};
    item->setIcon(0, QApplication::style()->standardIcon(pixmaps[image]));
    if (parent)
        parent->addChild(item);
    else
        TreeView1->addTopLevelItem(item);
    return item;
}

void TMetrailTree::LoadTree(CDbConnection* systemLibrary, CDbConnection* project, const QString& kindWord)
{
    TreeView1->clear();
    m_connections.clear();
    m_ownConnections.clear();
    m_hasCopied = false;
    m_kindWord = kindWord;
    QTreeWidgetItem* system = AddItem(nullptr, QStringLiteral("系统数据"), ImageRoot);
    QTreeWidgetItem* current = AddItem(nullptr, QStringLiteral("当前工程数据"), ImageRoot);
    m_connections.resize(2, nullptr);
    LoadRoot(systemLibrary, system);
    LoadRoot(project, current);
    (m_connections[1] ? current : system)->setExpanded(true);
    UpdateActions(true);
}

void TMetrailTree::LoadRoot(CDbConnection* connection, QTreeWidgetItem* root)
{
    const int index = TreeView1->indexOfTopLevelItem(root);
    if (index < 0 || !connection || !connection->IsOpen())
        return;
    CDbQuery query(*connection);
    const QString sql = FlatLibrary ? QStringLiteral("select Name, ID from %1 order by ID").arg(GetTableName())
                                    : QStringLiteral("select catergory, Name, ID from %1 order by ID").arg(GetTableName());
    if (CTool::OpenQuery(query, CSQLStatement(sql)) < 0)
        return;
    for (query.First(); !query.Eof(); query.Next()) {
        QTreeWidgetItem* parent =
            FlatLibrary ? root : CategoryItem(root, query.AsString(QStringLiteral("catergory")), true);
        AddItem(parent, query.AsString(QStringLiteral("Name")), ImageRecord, query.AsInt(QStringLiteral("ID")));
    }
    if (static_cast<int>(m_connections.size()) <= index)
        m_connections.resize(index + 1, nullptr);
    m_connections[index] = connection;
    root->sortChildren(0, Qt::AscendingOrder);
    for (int c = 0; c < root->childCount(); ++c)
        root->child(c)->sortChildren(0, Qt::AscendingOrder);
}

QTreeWidgetItem* TMetrailTree::CategoryItem(QTreeWidgetItem* root, const QString& category, bool create)
{
    for (int c = 0; c < root->childCount(); ++c)
        if (ImageOf(root->child(c)) == ImageCategory && root->child(c)->text(0) == category)
            return root->child(c);
    return create ? AddItem(root, category, ImageCategory) : nullptr;
}

int TMetrailTree::GetRootIndex(const QTreeWidgetItem* item) const
{
    if (!item)
        return -1;
    while (item->parent())
        item = item->parent();
    return TreeView1->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item));
}

QTreeWidgetItem* TMetrailTree::RootItem(int rootIndex) const
{
    return TreeView1->topLevelItem(rootIndex);
}

TMetrailTree::SNodeInfo TMetrailTree::GetNodeInfo(const QTreeWidgetItem* item) const
{
    SNodeInfo info;
    if (!item)
        return info;
    info.Root = GetRootIndex(item);
    if (ImageOf(item) == ImageCategory) {
        info.Category = item->text(0);
    } else if (ImageOf(item) == ImageRecord) {
        info.IsRecord = true;
        info.Name = item->text(0);
        info.ID = item->data(0, IdRole).toInt();
        if (!FlatLibrary && item->parent())
            info.Category = item->parent()->text(0);
    }
    return info;
}

TMetrailTree::SNodeInfo TMetrailTree::GetSelectedRecord() const
{
    SNodeInfo info = GetNodeInfo(TreeView1->currentItem());
    return info.IsRecord ? info : SNodeInfo{false, info.Root, {}, {}, 0};
}

QString TMetrailTree::GetSelectedCategory() const
{
    const QTreeWidgetItem* item = TreeView1->currentItem();
    if (item && item->parent() && !item->parent()->parent() && item->parent()->text(0) == QStringLiteral("当前工程数据"))
        return item->text(0);
    return QStringLiteral("0");
}

CDbConnection* TMetrailTree::GetConnection(int rootIndex) const
{
    return rootIndex >= 0 && rootIndex < static_cast<int>(m_connections.size()) ? m_connections[rootIndex] : nullptr;
}

QString TMetrailTree::GetTableName() const
{
    return Table().TableName();
}

CDbQuery& TMetrailTree::OpenRecord(int rootIndex, int id)
{
    m_query1.Close();
    if (CDbConnection* connection = GetConnection(rootIndex)) {
        m_query1.SetConnection(*connection);
        CTool::OpenQuery(m_query1, CSQLStatement(QStringLiteral("select * from %1_Lib where ID = ?").arg(m_kindWord), {id}));
    }
    return m_query1;
}

void TMetrailTree::SelectItem(QTreeWidgetItem* item)
{
    if (!item)
        return;
    TreeView1->setCurrentItem(item);
    TreeView1->scrollToItem(item);
}

void TMetrailTree::SelectRecordById(int id)
{
    QTreeWidgetItem* project = RootItem(1);
    if (id < 0 || !project)
        return;
    for (int c = 0; c < project->childCount(); ++c)
        for (int r = 0; r < project->child(c)->childCount(); ++r)
            if (project->child(c)->child(r)->data(0, IdRole).toInt() == id)
                return SelectItem(project->child(c)->child(r));
}

void TMetrailTree::SelectRecordByName(const QString& category, const QString& name)
{
    QTreeWidgetItem* project = RootItem(1);
    if (name.isEmpty() || !project)
        return;
    for (int c = 0; c < project->childCount(); ++c) {
        QTreeWidgetItem* child = project->child(c);
        if (category.isEmpty()) {
            if (child->text(0) == name)
                return SelectItem(child);
            continue;
        }
        if (ImageOf(child) != ImageCategory || child->text(0) != category)
            continue;
        for (int r = 0; r < child->childCount(); ++r)
            if (child->child(r)->text(0) == name)
                return SelectItem(child->child(r));
    }
}

void TMetrailTree::UpdateActions(bool enabled)
{
    const QTreeWidgetItem* item = TreeView1->currentItem();
    const SNodeInfo info = GetNodeInfo(item);
    const int root = GetRootIndex(item);
    // The project library is the one that changes, and only while its database is open.
    const bool inProject = root == 1 && GetConnection(1);
    const bool pasteTarget = ImageOf(item) == ImageCategory || info.IsRecord || (FlatLibrary && ImageOf(item) == ImageRoot);
    Action_Past->setEnabled(enabled && m_hasCopied && inProject && pasteTarget);
    Action_Copy->setEnabled(enabled && info.IsRecord);
    const bool projectRecord = enabled && info.IsRecord && inProject;
    Action_clone->setEnabled(projectRecord);
    Action_Del->setEnabled(projectRecord);
    Action_ReName->setEnabled(projectRecord);
    Action_NewCon->setEnabled(true);
}

void TMetrailTree::TreeView1Change()
{
    if (OnSelect)
        OnSelect();
    UpdateActions(true);
}

void TMetrailTree::contextMenuEvent(QContextMenuEvent* event)
{
    const QPoint inTree = TreeView1->viewport()->mapFrom(this, event->pos());
    QTreeWidgetItem* item = TreeView1->itemAt(inTree);
    QPoint position = event->globalPos();
    if (item) {
        TreeView1->setCurrentItem(item);
        const QRect rect = TreeView1->visualItemRect(item);
        position = TreeView1->viewport()->mapToGlobal(rect.bottomLeft());
        UpdateActions(true);
    } else {
        // Empty space: only opening another project makes sense there.
        UpdateActions(false);
    }
    PopupMenu1->popup(position);
}

QTreeWidgetItem* TMetrailTree::FindInRoot(const QTreeWidgetItem* item, const QString& text) const
{
    if (!item)
        return nullptr;
    while (item->parent())
        item = item->parent();
    std::function<QTreeWidgetItem*(const QTreeWidgetItem*)> search = [&](const QTreeWidgetItem* parent) -> QTreeWidgetItem* {
        for (int c = 0; c < parent->childCount(); ++c) {
            QTreeWidgetItem* child = parent->child(c);
            if (child->text(0) == text)
                return child;
            if (QTreeWidgetItem* found = search(child))
                return found;
        }
        return nullptr;
    };
    return search(item);
}

void TMetrailTree::Action_NewConExecute()
{
    QString file;
    if (!CTool::Current().GetOpenFileName(QStringLiteral("打开新链接"), QStringLiteral("DID-IVOV 工程文件(*.vlz *.VLZ)"),
                                          file))
        return;
    auto connection =
        std::make_unique<CDbConnection>(QStringLiteral("MetrailTree_%1").arg(QUuid::createUuid().toString(QUuid::Id128)));
    try {
        connection->Open(file);
    } catch (const Exception& e) {
        CTool::Current().ShowMessage(e.Message());
        return;
    }
    QTreeWidgetItem* root = AddItem(nullptr, QFileInfo(file).fileName(), ImageRoot);
    LoadRoot(connection.get(), root);
    m_ownConnections.push_back(std::move(connection));
}
