#include "app/controls/TCheckPopupTree.h"

#include "app/controls/CDropDownCapture.h"
#include "model/CNodeData.h"
#include "model/CNodeFilter.h"
#include "model/CNodeTreeView.h"
#include "model/CProjectData.h"
#include "model/CTreeItem.h"
#include "model/CTreeView2DB.h"
#include "model/TDM_Project.h"
#include "platform/core/CTool.h"
#include "platform/core/CWaitCursor.h"

#include <QMouseEvent>
#include <QQueue>
#include <QTreeWidgetItemIterator>

namespace {
constexpr int kNodeIdRole = Qt::UserRole + 23;
constexpr int kTypeRole = Qt::UserRole + 24;
constexpr int kElementIdRole = Qt::UserRole + 25;
constexpr int kRoomType = 3;
} // namespace

TCheckPopupTree::TCheckPopupTree(QWidget* owner) : TCheckTreeView(owner)
{
    CDropDownCapture::MakeDropDown(this);
}

// The maps point into the record list: they go first.
TCheckPopupTree::~TCheckPopupTree()
{
    m_byNodeId.clear();
    for (auto& map : m_maps)
        map.Clear();
    m_records.Clear();
}

void TCheckPopupTree::SetOutputColumn(int column)
{
    if (column >= 0 && column < 4)
        m_outputColumn = column;
}

void TCheckPopupTree::ConstructTree()
{
    OnNodeSatueChange = [this](QTreeWidgetItem* item) { MyNodeSatueChange(item); };

    clear();
    m_byNodeId.clear();
    CNodeTreeView source;
    const CNodeFilter filter(kRoomType);
    CTreeView2DB::Current().FillTreeView(source, &filter, false);
    for (int i = 0; i < source.TopCount(); ++i)
        CopyItems(source.TopItem(i), nullptr);

    LoadData(QStringLiteral("Building"), 1);
    LoadData(QStringLiteral("Storey"), 2);
    LoadData(QStringLiteral("Room"), 3);

    QQueue<QTreeWidgetItem*> queue;
    for (int i = 0; i < topLevelItemCount(); ++i)
        queue.enqueue(topLevelItem(i));
    while (!queue.isEmpty()) {
        QTreeWidgetItem* item = queue.dequeue();
        const int type = item->data(0, kTypeRole).toInt();
        if (type >= 0 && type < static_cast<int>(m_maps.size()))
            if (CCheckPopData* record =
                    m_maps[static_cast<size_t>(type)].Get(item->data(0, kElementIdRole).toInt()))
                m_byNodeId.insert(NodeIdOf(item), record);
        for (int i = 0; i < item->childCount(); ++i)
            queue.enqueue(item->child(i));
    }
}

void TCheckPopupTree::CopyItems(CTreeItem* source, QTreeWidgetItem* parent)
{
    QTreeWidgetItem* item = AddItem(parent, source->Text(), source->ImageIndex());
    const CNodeData* node = source->Node();
    item->setData(0, kNodeIdRole, node ? node->NodeId() : -1);
    item->setData(0, kTypeRole, node ? node->Type() : source->Type());
    item->setData(0, kElementIdRole, node ? node->GetElementId() : -1);
    for (int i = 0; i < source->Count(); ++i)
        CopyItems(source->Item(i), item);
}

void TCheckPopupTree::LoadData(const QString& tableName, int mapIndex)
{
    if (mapIndex < 0 || mapIndex >= static_cast<int>(m_maps.size()))
        return;
    const int designType = CProjectData::Current().DesignType;
    const bool heating = designType >= 6 && designType <= 8;
    const QString sql =
        heating ? QStringLiteral("select ID,IsOutputIndoorParameter,IsOutputLoadCalculationParameter,    "
                                 "HIsOutputLoadStatisticsData,HIsOutputLoadHourlyData from ")
                : QStringLiteral("select ID,IsOutputIndoorParameter,IsOutputLoadCalculationParameter,    "
                                 "IsOutputLoadStatisticsData,IsOutputLoadHourlyData from ");
    CDbQuery& query = TDM_Project::Current().qryTemp;
    OpenQueryGuarded(query, CSQLStatement(sql + tableName));
    auto& map = m_maps[static_cast<size_t>(mapIndex)];
    for (query.First(); !query.Eof(); query.Next()) {
        auto* record = new CCheckPopData;
        for (int flag = 0; flag < 4; ++flag)
            record->StoredFlags[static_cast<size_t>(flag)] = query.Field(flag + 1).toInt();
        record->CurrentFlags = record->StoredFlags;
        m_records.Add(record);
        map.Set(query.Field(0).toInt(), record);
    }
}

void TCheckPopupTree::UpdateNodeImageIndex()
{
    CWaitCursor wait;
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        if (const CCheckPopData* record = RecordOf(*it))
            SetState(*it, record->CurrentFlags[static_cast<size_t>(m_outputColumn)]);
    QTreeWidgetItem* first = topLevelItem(0);
    if (first && first->childCount() > 0)
        SetParentNodeStatue(first->child(0), State(first->child(0)));
    ExpandToLevel(first, 2);
}

void TCheckPopupTree::ExpandToLevel(QTreeWidgetItem* item, int type)
{
    if (!item || item->data(0, kTypeRole).toInt() >= type)
        return;
    item->setExpanded(true);
    for (int i = 0; i < item->childCount(); ++i)
        ExpandToLevel(item->child(i), type);
}

void TCheckPopupTree::MyNodeSatueChange(QTreeWidgetItem* item)
{
    if (CCheckPopData* record = RecordOf(item)) {
        record->CurrentFlags[static_cast<size_t>(m_outputColumn)] = State(item);
        record->Modified = true;
    }
}

void TCheckPopupTree::MyAddition(QObject*, QTreeWidgetItem*) {}

CCheckPopData* TCheckPopupTree::Record(int type, int elementId) const
{
    if (type < 0 || type >= static_cast<int>(m_maps.size()))
        return nullptr;
    return m_maps[static_cast<size_t>(type)].Get(elementId);
}

CCheckPopData* TCheckPopupTree::RecordOf(const QTreeWidgetItem* item) const
{
    return item ? m_byNodeId.value(NodeIdOf(item)) : nullptr;
}

int TCheckPopupTree::NodeIdOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kNodeIdRole).toInt() : -1;
}

void TCheckPopupTree::setVisible(bool visible)
{
    if (!visible)
        CDropDownCapture::Hiding(this);
    TCheckTreeView::setVisible(visible);
    if (visible)
        CDropDownCapture::Shown(this);
}

void TCheckPopupTree::mouseReleaseEvent(QMouseEvent* event)
{
    TCheckTreeView::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    if (CDropDownCapture::IsOutside(this, at.x(), at.y())) {
        hide();
        if (OnCloseUp)
            OnCloseUp(this);
    }
}

void TCheckPopupTree::enterEvent(QEnterEvent* event)
{
    TCheckTreeView::enterEvent(event);
    CDropDownCapture::PointerEntered(this);
}

void TCheckPopupTree::leaveEvent(QEvent* event)
{
    TCheckTreeView::leaveEvent(event);
    CDropDownCapture::PointerLeft(this);
}
