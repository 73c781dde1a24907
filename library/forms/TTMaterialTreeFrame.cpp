#include "library/forms/TTMaterialTreeFrame.h"

#include "library/CMaterialNode.h"
#include "library/CMaterialTreeItemBase.h"
#include "library/LibraryCaptionOrder.h"
#include "model/NameTables.h"
#include "model/TDM_Project.h"
#include "model/TDM_SysParam.h"
#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <QApplication>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <QUuid>
#include <QVBoxLayout>

namespace {
constexpr int NodeRole = Qt::UserRole;
constexpr int ImageRole = Qt::UserRole + 1;

QIcon ImageIcon(int image)
{
    const QStyle::StandardPixmap pixmaps[] = {QStyle::SP_DriveHDIcon, QStyle::SP_DirIcon, QStyle::SP_FileIcon,
                                              QStyle::SP_DialogOpenButton};
    return QApplication::style()->standardIcon(pixmaps[image >= 0 && image <= 3 ? image : 2]);
}

// A tree widget item that shows one node and sorts: categories and roots first in their own order,
// then records by caption, the open item last.
class CMaterialTreeItem : public QTreeWidgetItem, public CMaterialTreeItemBase
{
public:
    CMaterialTreeItem() = default;

    void SetText(const QString& text) override { setText(0, text); }
    void SetImageIndex(int index) override
    {
        setData(0, ImageRole, index);
        setIcon(0, ImageIcon(index));
    }
    void SetNode(CMaterialNode* node) override { setData(0, NodeRole, QVariant::fromValue<void*>(node)); }
    void DeleteChildren() override { qDeleteAll(takeChildren()); }
    CMaterialTreeItemBase* AddChild() override
    {
        auto* item = new CMaterialTreeItem;
        addChild(item);
        return item;
    }
    void Delete() override { delete this; }
    void SortTree() override
    {
        if (treeWidget())
            treeWidget()->sortItems(0, Qt::AscendingOrder);
    }

    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int rankA = Rank(*this);
        const int rankB = Rank(other);
        if (rankA != rankB)
            return rankA < rankB;
        return rankA == 1 && LibraryCaptionLess(text(0), other.text(0));
    }

private:
    static int Rank(const QTreeWidgetItem& item)
    {
        const int image = item.data(0, ImageRole).toInt();
        if (image == TTMaterialTreeFrame::ImageOpenItem)
            return 2;
        return image == CMaterialNode::KindRecord ? 1 : 0;
    }
};

bool ProjectIsOpen()
{
    return TDM_Project::Exists() && TDM_Project::Current().ProjectCon.IsOpen();
}
} // namespace

TTMaterialTreeFrame::TTMaterialTreeFrame(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TMaterialTreeFrame"));
    resize(320, 240);
    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(TreeView1);
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, &TTMaterialTreeFrame::CurrentItemChanged);
}

TTMaterialTreeFrame::~TTMaterialTreeFrame()
{
    // Items point at nodes: remove them first.
    const QSignalBlocker blocker(TreeView1);
    TreeView1->clear();
}

void TTMaterialTreeFrame::Clear()
{
    {
        const QSignalBlocker blocker(TreeView1);
        TreeView1->clear();
    }
    m_openItem = nullptr;
    m_roots.clear();
    m_connections.clear();
    m_ownConnections.clear();
}

void TTMaterialTreeFrame::LoadTree(int kind)
{
    Loading = true;
    TreeView1->setUpdatesEnabled(false);
    struct SDone
    {
        TTMaterialTreeFrame* frame;
        ~SDone()
        {
            frame->TreeView1->setUpdatesEnabled(true);
            frame->Loading = false;
        }
    } done{this};

    LibKind = kind;
    Clear();
    if (TDM_SysParam::Exists())
        AddRoot(&TDM_SysParam::Current().ADOConnection2, QStringLiteral("系统数据"));
    if (TDM_Project::Exists())
        AddRoot(&TDM_Project::Current().ProjectCon, QStringLiteral("当前工程数据"));

    m_openItem = new QTreeWidgetItem;
    m_openItem->setText(0, QStringLiteral("打开其它负荷计算工程"));
    m_openItem->setData(0, ImageRole, ImageOpenItem);
    m_openItem->setIcon(0, ImageIcon(ImageOpenItem));
    {
        const QSignalBlocker blocker(TreeView1);
        TreeView1->addTopLevelItem(m_openItem);
    }
    if (!m_roots.empty()) {
        CMaterialNode* shown = m_roots.size() >= 2 ? m_roots[1].get() : m_roots[0].get();
        auto* item = dynamic_cast<CMaterialTreeItem*>(shown->TreeItem);
        item->setExpanded(true);
        TreeView1->setCurrentItem(item);
    }
}

CMaterialNode* TTMaterialTreeFrame::AddRoot(CDbConnection* connection, const QString& caption)
{
    if (!connection || !connection->IsOpen())
        return nullptr;
    auto root = std::make_unique<CMaterialNode>();
    root->Caption = caption;
    root->NodeKind = CMaterialNode::KindRoot;
    root->Connection = connection;
    root->LibKind = LibKind;

    const bool flat = LibraryShape(LibKind) == 1;
    CDbQuery query(*connection);
    const QString sql = flat ? QStringLiteral("select '' as catergory,Name,ID from %1 order by ID")
                             : QStringLiteral("select catergory,Name,ID from %1 order by ID");
    if (CTool::OpenQuery(query, CSQLStatement(sql.arg(LibraryTableName(LibKind)))) > 0) {
        QHash<QString, CMaterialNode*> categories;
        for (query.First(); !query.Eof(); query.Next()) {
            const QString category = query.AsString(QStringLiteral("catergory"));
            CMaterialNode* parent = root.get();
            if (!category.isEmpty()) {
                parent = categories.value(category);
                if (!parent) {
                    parent = new CMaterialNode(root.get());
                    parent->NodeKind = CMaterialNode::KindCategory;
                    parent->Caption = category;
                    categories.insert(category, parent);
                }
            }
            auto* record = new CMaterialNode(parent);
            record->NodeKind = CMaterialNode::KindRecord;
            record->Caption = query.AsString(QStringLiteral("Name"));
            record->ID = query.AsInt(QStringLiteral("ID"));
        }
    }

    auto* item = new CMaterialTreeItem;
    {
        const QSignalBlocker blocker(TreeView1);
        // Roots stand before the open item, in the order added.
        const int at = m_openItem ? TreeView1->indexOfTopLevelItem(m_openItem) : TreeView1->topLevelItemCount();
        TreeView1->insertTopLevelItem(at, item);
        root->BindTreeItem(item);
        TreeView1->sortItems(0, Qt::AscendingOrder);
    }
    m_connections.push_back(connection);
    m_roots.push_back(std::move(root));
    return m_roots.back().get();
}

CMaterialNode* TTMaterialTreeFrame::GetProjectRoot() const
{
    if (!ProjectIsOpen())
        return nullptr;
    for (const auto& root : m_roots)
        if (root->Connection == &TDM_Project::Current().ProjectCon)
            return root.get();
    return nullptr;
}

CMaterialNode* TTMaterialTreeFrame::GetSystemRoot() const
{
    for (const auto& root : m_roots)
        if (TDM_SysParam::Exists() && root->Connection == &TDM_SysParam::Current().ADOConnection2)
            return root.get();
    return nullptr;
}

CMaterialNode* TTMaterialTreeFrame::NodeOf(const QTreeWidgetItem* item)
{
    return item ? static_cast<CMaterialNode*>(item->data(0, NodeRole).value<void*>()) : nullptr;
}

CMaterialNode* TTMaterialTreeFrame::SelectedNode() const
{
    return NodeOf(TreeView1->currentItem());
}

void TTMaterialTreeFrame::SelectNode(CMaterialNode* node)
{
    if (auto* item = node ? dynamic_cast<CMaterialTreeItem*>(node->TreeItem) : nullptr) {
        TreeView1->setCurrentItem(item);
        TreeView1->scrollToItem(item);
    }
}

void TTMaterialTreeFrame::SelectById(int id)
{
    CMaterialNode* root = GetProjectRoot() ? GetProjectRoot() : GetSystemRoot();
    if (root)
        SelectNode(root->FindById(CMaterialNode::KindRecord, id));
}

CMaterialNode* TTMaterialTreeFrame::GetSelectedMaterial()
{
    CMaterialNode* node = SelectedNode();
    if (!node || node->NodeKind != CMaterialNode::KindRecord)
        return nullptr;
    CMaterialNode* project = GetProjectRoot();
    if (!project || node->GetSource() == CMaterialNode::SourceProject)
        return node;
    CMaterialNode* copy = node->CopyTo(project, false);
    if (copy) {
        copy->Save();
        // A category made for the copy is in the database now, through its record.
        if (copy->Parent && copy->Parent->NodeKind == CMaterialNode::KindCategory &&
            copy->Parent->State == CMaterialNode::StateNew)
            copy->Parent->State = CMaterialNode::StateClean;
    }
    return copy;
}

void TTMaterialTreeFrame::SaveAll()
{
    std::vector<CMaterialNode*> roots;
    for (const auto& root : m_roots)
        roots.push_back(root.get());
    CMaterialNode::SaveAll(roots);
}

bool TTMaterialTreeFrame::HasModified() const
{
    return std::any_of(m_roots.begin(), m_roots.end(), [](const auto& root) { return root->HasPending(); });
}

void TTMaterialTreeFrame::OpenOtherProject()
{
    QString file;
    if (!CTool::Current().GetOpenFileName(QStringLiteral("打开其它负荷计算工程"),
                                          QStringLiteral("DID-IVOV 工程文件(*.vlz *.VLZ)"), file))
        return;
    auto connection = std::make_unique<CDbConnection>(
        QStringLiteral("LibraryTree_%1").arg(QUuid::createUuid().toString(QUuid::Id128)));
    try {
        connection->Open(file);
    } catch (const Exception& e) {
        CTool::Current().ShowMessage(e.Message());
        return;
    }
    CDbConnection* opened = connection.get();
    m_ownConnections.push_back(std::move(connection));
    AddRoot(opened, QFileInfo(file).fileName());
}

void TTMaterialTreeFrame::CurrentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous)
{
    if (current && current == m_openItem) {
        // The open item is never selected: it only opens another project.
        {
            const QSignalBlocker blocker(TreeView1);
            TreeView1->setCurrentItem(previous);
        }
        if (!Loading)
            OpenOtherProject();
        return;
    }
    if (OnSelect)
        OnSelect(current);
}
