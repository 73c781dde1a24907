#include "app/controls/TSysOutputPanel.h"

#include "app/controls/CSysOutputDispatch_SearchResult.h"
#include "app/controls/CSysOutputManage.h"
#include "app/controls/TDispatchSysOutputInfo.h"
#include "model/CTreeView2DB.h"
#include "platform/core/CTool.h"

#include <QAbstractListModel>
#include <QAction>
#include <QListView>
#include <QMenu>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

// Reads the rows straight from the model's shown category, so that adding a line copies no text
// and the list box holds no second copy of thousands of lines. The row count is kept apart so
// that it changes only between the begin/end notifications the view expects.
class TSysOutputListModel : public QAbstractListModel
{
public:
    explicit TSysOutputListModel(CSysOutputManage& manage, QObject* parent)
        : QAbstractListModel(parent), m_manage(manage)
    {
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : m_rows;
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows ||
            index.row() >= m_manage.Count(m_manage.ShownCategory()))
            return QVariant();
        return m_manage.LineText(m_manage.ShownCategory(), index.row());
    }

    void Append(int first, int last)
    {
        beginInsertRows(QModelIndex(), first, last);
        m_rows = last + 1;
        endInsertRows();
    }

    void Remove(int index)
    {
        beginRemoveRows(QModelIndex(), index, index);
        --m_rows;
        endRemoveRows();
    }

    void Reset()
    {
        beginResetModel();
        m_rows = m_manage.Count(m_manage.ShownCategory());
        endResetModel();
    }

private:
    CSysOutputManage& m_manage;
    int m_rows = 0;
};

TSysOutputPanel::TSysOutputPanel(CSysOutputManage& manage, QWidget* parent)
    : QWidget(parent), m_manage(manage)
{
    setObjectName(QStringLiteral("Panel5"));
    setMinimumHeight(1);

    m_model = new TSysOutputListModel(manage, this);
    SysOutputInfoListBox = new QListView(this);
    SysOutputInfoListBox->setObjectName(QStringLiteral("SysOutputInfoListBox"));
    SysOutputInfoListBox->setModel(m_model);
    SysOutputInfoListBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    SysOutputInfoListBox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SysOutputInfoListBox->setUniformItemSizes(true);
    SysOutputInfoListBox->setContextMenuPolicy(Qt::NoContextMenu);

    TabSet1 = new QTabBar(this);
    TabSet1->setObjectName(QStringLiteral("TabSet1"));
    TabSet1->setShape(QTabBar::RoundedSouth);
    TabSet1->setExpanding(false);
    TabSet1->setDrawBase(false);
    for (int c = 0; c < CSysOutputManage::CategoryCount; ++c)
        TabSet1->addTab(CSysOutputManage::TabBaseText(c));

    PopupMenu4 = new QMenu(this);
    PopupMenu4->setObjectName(QStringLiteral("PopupMenu4"));
    connect(PopupMenu4->addAction(QStringLiteral("全选")), &QAction::triggered, this, [this] { N32Click(); });
    PopupMenu4->addSeparator();
    connect(PopupMenu4->addAction(QStringLiteral("闲置")), &QAction::triggered, this,
            [this] { N34Click(0); });
    connect(PopupMenu4->addAction(QStringLiteral("激活")), &QAction::triggered, this,
            [this] { N34Click(1); });
    PopupMenu4->addSeparator();
    connect(PopupMenu4->addAction(QStringLiteral("删除")), &QAction::triggered, this, [this] { N33Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(SysOutputInfoListBox, 1);
    layout->addWidget(TabSet1);

    connect(SysOutputInfoListBox, &QListView::clicked, this, [this] { SysOutputInfoListBoxClick(); });
    connect(SysOutputInfoListBox, &QWidget::customContextMenuRequested, this,
            &TSysOutputPanel::OnContextMenu);
    connect(TabSet1, &QTabBar::currentChanged, this, &TSysOutputPanel::TabSet1Change);

    m_manage.SetView(this); // shows the model's current tab and captions
}

TSysOutputPanel::~TSysOutputPanel()
{
    if (m_manage.View() == this)
        m_manage.SetView(nullptr);
}

void TSysOutputPanel::ShowCategory(int category)
{
    if (TabSet1->currentIndex() != category)
        TabSet1->setCurrentIndex(category); // runs TabSet1Change
    else
        TabSet1Change(category);
}

QMenu* TSysOutputPanel::CreateClearMenu(QWidget* parent)
{
    auto* menu = new QMenu(QStringLiteral("清除信息"), parent);
    menu->setObjectName(QStringLiteral("N18"));
    const auto add = [this, menu](const QString& text, int category) {
        QAction* action = menu->addAction(text);
        action->setData(category);
        connect(action, &QAction::triggered, this, [this, category] { N18Click(category); });
    };
    add(QStringLiteral("所有信息"), SysOutputAll);
    menu->addSeparator();
    add(QStringLiteral("警告信息"), SysOutputWarning);
    add(QStringLiteral("错误信息"), SysOutputError);
    add(QStringLiteral("查找信息"), SysOutputSearch);
    add(QStringLiteral("负荷信息"), SysOutputLoad);
    add(QStringLiteral("传热阻校核信息"), SysOutputThermalCheck);
    add(QStringLiteral("其他信息"), SysOutputOther);
    return menu;
}

void TSysOutputPanel::SysOutputInfoListBoxClick()
{
    m_pendingCurrent = -1; // the clicked row is the current one
    const QModelIndex current = SysOutputInfoListBox->currentIndex();
    if (!current.isValid())
        return;
    CSysOutputDispatchBase* action = m_manage.GetLineAction(m_manage.ShownCategory(), current.row());
    if (!action)
        return;
    if (action->HasDetail()) {
        TDispatchSysOutputInfo detail(window());
        detail.SetAction(action);
        detail.exec();
        return;
    }
    action->Dispatch();
}

void TSysOutputPanel::TabSet1Change(int newTab)
{
    if (newTab < 0 || newTab >= CSysOutputManage::CategoryCount)
        return;
    m_manage.SetShownCategory(newTab);
    RowsReset(false);
}

void TSysOutputPanel::N18Click(int category)
{
    m_manage.ClearOutput(category);
}

void TSysOutputPanel::N32Click()
{
    SysOutputInfoListBox->selectAll();
}

QList<int> TSysOutputPanel::SelectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : SysOutputInfoListBox->selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

namespace {

CNodeData* SearchHitNode(const CSysOutputManage& manage, int index)
{
    auto* hit = dynamic_cast<CSysOutputDispatch_SearchResult*>(manage.GetLineAction(SysOutputSearch, index));
    if (!hit || !CTreeView2DB::Exists())
        return nullptr;
    return CTreeView2DB::Current().Root().FindNodeById(hit->NodeId());
}

} // namespace

void TSysOutputPanel::N34Click(int tag)
{
    if (m_manage.ShownCategory() != SysOutputSearch)
        return;
    for (int row : SelectedRows()) {
        if (CNodeData* node = SearchHitNode(m_manage, row))
            node->SetNodeStatus(tag == 1);
    }
}

void TSysOutputPanel::N33Click()
{
    if (m_manage.ShownCategory() != SysOutputSearch)
        return;
    const QList<int> rows = SelectedRows();
    if (rows.isEmpty())
        return;
    if (CTool::Current().ShowMessageBox(QStringLiteral("删除"),
                                        QStringLiteral("删除后无法恢复，确实要删除这些节点?"), 9, 2) != 6)
        return;
    CSysOutputManage::UpdateScope update(m_manage);
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        // A node that went with an ancestor is not found; its line goes all the same. A node that
        // could not be deleted keeps its line, so that the list does not claim it is gone.
        CNodeData* node = SearchHitNode(m_manage, *row);
        if (node && !node->DeleteNodeRows(true))
            continue;
        m_manage.RemoveOutputLine(SysOutputSearch, *row);
    }
}

void TSysOutputPanel::OnContextMenu(const QPoint& pos)
{
    if (m_manage.ShownCategory() == SysOutputSearch)
        PopupMenu4->popup(SysOutputInfoListBox->viewport()->mapToGlobal(pos));
}

void TSysOutputPanel::RowsAppended(int first, int last)
{
    m_model->Append(first, last);
    // Making a row current lays out every row of the list again, so a command that adds thousands
    // of lines one by one would spend quadratic time on it: the newest row becomes current once
    // the event loop runs, before anything is painted.
    QueueCurrent(last);
}

void TSysOutputPanel::QueueCurrent(int row)
{
    m_pendingCurrent = row;
    if (m_currentQueued)
        return;
    m_currentQueued = true;
    QMetaObject::invokeMethod(this, &TSysOutputPanel::ApplyPendingCurrent, Qt::QueuedConnection);
}

void TSysOutputPanel::ApplyPendingCurrent()
{
    m_currentQueued = false;
    const int row = m_pendingCurrent;
    m_pendingCurrent = -1;
    if (row >= 0 && row < m_model->rowCount())
        SysOutputInfoListBox->setCurrentIndex(m_model->index(row));
}

void TSysOutputPanel::RowRemoved(int index)
{
    m_pendingCurrent = -1;
    m_model->Remove(index);
}

void TSysOutputPanel::RowsReset(bool selectLast)
{
    const int shown = m_manage.ShownCategory();
    if (TabSet1->currentIndex() != shown) {
        const QSignalBlocker blocker(TabSet1);
        TabSet1->setCurrentIndex(shown);
    }
    // The search-hit menu belongs to the search tab alone.
    SysOutputInfoListBox->setContextMenuPolicy(shown == SysOutputSearch ? Qt::CustomContextMenu
                                                                        : Qt::NoContextMenu);
    m_pendingCurrent = -1;
    m_model->Reset();
    const int rows = m_model->rowCount();
    if (selectLast && rows > 0)
        QueueCurrent(rows - 1);
}

void TSysOutputPanel::TabCaptionsChanged()
{
    for (int c = 0; c < CSysOutputManage::CategoryCount; ++c) {
        const QString caption = m_manage.TabCaption(c);
        if (TabSet1->tabText(c) != caption)
            TabSet1->setTabText(c, caption);
    }
}
