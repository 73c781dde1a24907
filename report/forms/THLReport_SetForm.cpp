#include "report/forms/THLReport_SetForm.h"

#include "app/controls/TCheckTreeView.h"
#include "calc/CCalMsgOutput.h"
#include "calc/CCalResultBuffer.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CNodeDataBuffer.h"
#include "model/CElementBase.h"
#include "model/CNodeData.h"
#include "model/CNodeFilter.h"
#include "model/CNodeTreeView.h"
#include "model/CProjectTreeHostBase.h"
#include "model/CTreeItem.h"
#include "model/CTreeView2DB.h"
#include "model/TDM_Project.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "report/CCalculationBook.h"
#include "report/CHeatingLoadBookBase.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kRoomType = 3;
constexpr int kStoreyType = 2;
} // namespace

THLReport_SetForm::THLReport_SetForm(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("THLReport_SetForm"));
    setWindowTitle(QStringLiteral("采暖负荷计算书输出设置"));
    resize(298, 441);
    setStyleSheet(QStringLiteral("THLReport_SetForm { background: #E3ECEE; }"));
    auto* group = new QGroupBox(QStringLiteral("选择输出节点"), this);
    CheckTreeView1 = new TCheckTreeView(group);
    CheckTreeView1->setHeaderHidden(true);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(CheckTreeView1);
    FlatButton2 = new QPushButton(QStringLiteral("确定"), this);
    BMPButton1 = new QPushButton(QStringLiteral("取消"), this);
    connect(FlatButton2, &QPushButton::clicked, this, [this] { FlatButton2Click(); });
    connect(BMPButton1, &QPushButton::clicked, this, [this] { done(1); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(FlatButton2);
    buttons->addWidget(BMPButton1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
}

THLReport_SetForm::~THLReport_SetForm() = default;

void THLReport_SetForm::showEvent(QShowEvent* event)
{
    if (!m_filled) {
        m_filled = true;
        FillTree();
    }
    QDialog::showEvent(event);
}

CHLCheckPopData* THLReport_SetForm::ItemOf(QTreeWidgetItem* item) const
{
    const auto found = m_itemData.find(item);
    return found == m_itemData.end() ? nullptr : found->second;
}

void THLReport_SetForm::LoadLevel(const char* table, int type)
{
    CDbQuery query(TDM_Project::Current().ProjectCon);
    OpenQueryGuarded(query, CSQLStatement(QStringLiteral("select ID,bOutputHL from %1").arg(QLatin1String(table))));
    for (query.First(); !query.Eof(); query.Next()) {
        auto item = std::make_unique<CHLCheckPopData>();
        item->Stored = item->Current = query.FieldByName(QStringLiteral("bOutputHL")).toInt();
        m_levels[type][query.FieldByName(QStringLiteral("ID")).toInt()] = item.get();
        m_items.push_back(std::move(item));
    }
}

void THLReport_SetForm::AddItems(QTreeWidgetItem* parent, const CTreeItem& source)
{
    QTreeWidgetItem* item = CheckTreeView1->AddItem(parent, source.Text(), 0);
    if (CNodeData* node = source.Node()) {
        const int type = node->Type();
        if (type >= 1 && type <= kRoomType) {
            const auto found = m_levels[type].find(node->GetElementId());
            if (found != m_levels[type].end()) {
                found->second->Node = node;
                m_itemData[item] = found->second;
            }
        }
    }
    for (int i = 0; i < source.Count(); ++i)
        AddItems(item, *source.Item(i));
}

void THLReport_SetForm::ApplyStates(QTreeWidgetItem* item)
{
    const CHLCheckPopData* data = ItemOf(item);
    if (data)
        CheckTreeView1->SetState(item, data->Current);
    // Expanded down to the storeys: the project, buildings, folders; storeys stay closed.
    item->setExpanded(!data || data->Node == nullptr || data->Node->Type() < kStoreyType);
    for (int i = 0; i < item->childCount(); ++i)
        ApplyStates(item->child(i));
}

void THLReport_SetForm::FillTree()
{
    CheckTreeView1->OnNodeSatueChange = [this](QTreeWidgetItem* node) {
        if (CHLCheckPopData* data = ItemOf(node)) {
            data->Current = TCheckTreeView::State(node);
            data->Changed = true;
        }
    };
    CheckTreeView1->clear();
    m_itemData.clear();
    m_items.clear();
    for (auto& level : m_levels)
        level.clear();
    LoadLevel("Building", 1);
    LoadLevel("Storey", 2);
    LoadLevel("Room", 3);

    CNodeTreeView view;
    CNodeFilter filter(kRoomType);
    CTreeView2DB::Current().FillTreeView(view, &filter, false);
    for (int i = 0; i < view.TopCount(); ++i)
        AddItems(nullptr, *view.TopItem(i));
    CheckTreeView1->ApplyToParent = true;
    CheckTreeView1->ApplyToChild = true;
    for (int i = 0; i < CheckTreeView1->topLevelItemCount(); ++i) {
        QTreeWidgetItem* top = CheckTreeView1->topLevelItem(i);
        ApplyStates(top);
        // The project has no tick of its own: it shows what its buildings hold.
        if (top->childCount() > 0)
            CheckTreeView1->SetParentNodeStatue(top->child(0), TCheckTreeView::State(top->child(0)));
    }
}

int THLReport_SetForm::StoreChanges()
{
    int written = 0;
    for (const auto& [item, data] : m_itemData) {
        if (!data->Changed || data->Current == data->Stored || !data->Node)
            continue;
        data->Stored = data->Current;
        CElementBase* element = data->Node->LoadElement();
        if (!element)
            continue;
        element->SetAttribute(QStringLiteral("bOutputHL"), QString::number(data->Current));
        element->UpdateRecord();
        ++written;
    }
    return written;
}

void THLReport_SetForm::FlatButton2Click()
{
    StoreChanges();
    CProjectTreeHostBase* host = CTreeView2DB::Current().Host();
    CTreeItem* project = host && host->MainTreeView() ? host->MainTreeView()->TopItem(0) : nullptr;
    if (!project)
        return;
    CNodeDataBuffer nodeBuffer;
    CCalResultBuffer resultPool;
    CCalMsgOutput progress(QStringLiteral("正在计算负荷"), this);
    CCalculate_Manager manager;
    manager.BuildCalcStructureFrom(project);
    CCalculationBook::BuildHeatingLoadBook(manager);
}
