#include "bulk/TTChangeUseForm.h"

#include "app/controls/ModalResult.h"
#include "app/controls/TBMPButton.h"
#include "app/controls/TCheckTreeView.h"
#include "bulk/CBulkTree.h"
#include "model/CMaterialParamNameList.h"
#include "model/CNodeData.h"
#include "model/CNodeFilter.h"
#include "model/COccupationFields.h"
#include "model/CRoom.h"
#include "model/CTreeEdit.h"
#include "model/CTreeItem.h"
#include "platform/core/CTool.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kRoomType = 3;
constexpr int kRoomUseKind = 16;
constexpr int kUseIdRole = Qt::UserRole + 42;

struct SField
{
    const char* Label;
    const char* Column;
};
constexpr SField kFields[TTChangeUseForm::FieldCount] = {
    {"夏季空调设计温度", "SummerACTemperature"},
    {"冬季空调设计温度", "WinterACTemperature"},
    {"冬季采暖设计温度", "WinterHeatingTemperature"},
    {"允许空调设计温度波动", "TemperatureVariation"},
    {"允许采暖设计温度波动", "TemperatureVariation_Heating"},
    {"夏季空调设计相对湿度", "SummerACRH"},
    {"冬季空调设计相对湿度", "WinterACRH"},
    {"冬季采暖设计相对湿度", "WinterHeatingRH"},
    {"允许空调设计相对湿度波动", "RHVariation"},
    {"允许采暖设计相对湿度波动", "RHVariation_Heating"},
    {"人员密度", "PeopleDensity"},
    {"照明标准", "LightingPower"},
    {"噪音标准", "Noise"},
    {"新风供应量", "OutsideAirSupply"},
    {"室内允许最大风速", "MaximumAirVelocity"},
    {"总冷指标", "TotalCoolIndex"},
    {"总热指标", "TotalHeatIndex"},
    {"围护冷指标", "EnclosureCoolIndex"},
    {"围护热指标", "EnclosureHeatIndex"},
    {"人员冷指标", "PeopleCoolIndex"},
    {"人员热指标", "PeopleHeatIndex"},
    {"新风冷指标", "OutsideAirCoolIndex"},
    {"新风热指标", "OutsideAirHeatIndex"},
    {"其他冷指标", "OthersCoolIndex"},
    {"其他热指标", "PthersHeatIndex"},
    {"劳动类型", "LaborType"},
    {"新风时间表", "NewWindScheduleName"},
    {"人员时间表", "PeopleScheduleName"},
    {"照明时间表", "LightScheduleName"},
    {"电动设备时间表", "ElectricEquipmentScheduleName"},
    {"电热设备时间表", "HeatingEquipmentScheduleName"},
    {"电子设备时间表", "ElectronicEquipmentScheduleName"},
    {"照明功率", "LightPower"},
    {"电动设备功率", "ElectricEquipmentPower"},
    {"电热设备功率", "HeatingEquipmentPower"},
    {"电子设备功率", "ElectronicEquipmentPower"},
    {"电动设备同时使用系数", "ElectricUseCoefficient"},
    {"电热设备同时使用系数", "HeatingUseCoefficient"},
    {"电子设备同时使用系数", "ElectronicUseCoefficient"},
    {"风机/风管时间表", "Fan_Time"},
    {"化学反应时间表", "Chemistry_Time"},
    {"围护结构时间表", "Maintenance_Time"},
    {"照明同时使用系数", "SimultaneousUseCoefficient"},
    {"就餐人数密度", "FoodPeopleDensity"},
};

QListWidgetItem* AddCheckItem(QListWidget* list, const QString& text)
{
    auto* item = new QListWidgetItem(text, list);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    return item;
}
} // namespace

TTChangeUseForm::TTChangeUseForm(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("TChangeUseForm"));
    setWindowTitle(QStringLiteral("将房间用途应用到工程"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setMinimumSize(437, 442);

    auto* useGroup = new QGroupBox(QStringLiteral("通过房间用途筛选"), this);
    CheckListBox1 = new QListWidget(useGroup);
    (new QVBoxLayout(useGroup))->addWidget(CheckListBox1);
    connect(CheckListBox1, &QListWidget::itemChanged, this, &TTChangeUseForm::CheckListBox1Click);

    auto* roomGroup = new QGroupBox(QStringLiteral("请勾选需要修改的房间"), this);
    TreeView1 = new TCheckTreeView(roomGroup);
    TreeView1->ApplyToParent = true;
    TreeView1->ApplyToChild = true;
    TreeView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    (new QVBoxLayout(roomGroup))->addWidget(TreeView1);

    RadioButton1 = new QRadioButton(QStringLiteral("设置新房间用途"), this);
    RadioButton1->setChecked(true);
    ComboBox1 = new QComboBox(this);
    RadioButton2 = new QRadioButton(QStringLiteral("修改具体参数"), this);
    CheckListBox2 = new QListWidget(this);
    // The fields in rows of equal cells, as many to a row as the width takes: every label whole.
    CheckListBox2->setFlow(QListView::LeftToRight);
    CheckListBox2->setWrapping(true);
    CheckListBox2->setResizeMode(QListView::Adjust);
    int labelWidth = 0;
    for (int i = 0; i < FieldCount; ++i) {
        AddCheckItem(CheckListBox2, FieldLabel(i));
        labelWidth = std::max(labelWidth, CheckListBox2->fontMetrics().horizontalAdvance(FieldLabel(i)));
    }
    const QSize cell(labelWidth + 40, CheckListBox2->fontMetrics().height() + 8);
    CheckListBox2->setGridSize(cell);
    for (int i = 0; i < FieldCount; ++i)
        CheckListBox2->item(i)->setSizeHint(cell);
    CheckListBox2->setMinimumWidth(3 * cell.width() + 24);

    FlatButton2 = new TBMPButton(QStringLiteral("确定"), this);
    FlatButton2->SetDefault(true);
    connect(FlatButton2, &TBMPButton::OnClick, this, &TTChangeUseForm::FlatButton2Click);
    BMPButton1 = new TBMPButton(QStringLiteral("取消"), this);
    BMPButton1->SetCancel(true);
    BMPButton1->SetModalResult(mrCancel);

    auto* lists = new QHBoxLayout;
    lists->addWidget(useGroup, 2);
    lists->addWidget(roomGroup, 3);
    auto* use = new QHBoxLayout;
    use->addWidget(RadioButton1);
    use->addWidget(ComboBox1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(FlatButton2);
    buttons->addWidget(BMPButton1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 3);
    layout->addLayout(use);
    layout->addWidget(RadioButton2);
    layout->addWidget(CheckListBox2, 2);
    layout->addLayout(buttons);
}

QString TTChangeUseForm::FieldLabel(int index)
{
    return index >= 0 && index < FieldCount ? QString::fromUtf8(kFields[index].Label) : QString();
}

QString TTChangeUseForm::FieldName(int index)
{
    return index >= 0 && index < FieldCount ? QString::fromLatin1(kFields[index].Column) : QString();
}

QStringList TTChangeUseForm::TickedFields() const
{
    QStringList fields;
    for (int i = 0; i < CheckListBox2->count() && i < FieldCount; ++i)
        if (CheckListBox2->item(i)->checkState() == Qt::Checked)
            fields << FieldName(i);
    return fields;
}

int TTChangeUseForm::UseIdOf(const QTreeWidgetItem* item)
{
    return item && item->data(0, kUseIdRole).isValid() ? item->data(0, kUseIdRole).toInt() : -1;
}

void TTChangeUseForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TTChangeUseForm::FormShow()
{
    {
        const QSignalBlocker blocker(CheckListBox1);
        CheckListBox1->clear();
        ComboBox1->clear();
        for (const CNameWithId& use : CMaterialParamNameList::Current().GetNameList(kRoomUseKind)) {
            ComboBox1->addItem(use.Name, use.ID);
            AddCheckItem(CheckListBox1, use.Name)->setData(kUseIdRole, use.ID);
        }
        ComboBox1->setCurrentIndex(-1);
    }
    FillTree();

    const int preset = ComboBox1->findData(PresetUseId);
    if (PresetUseId >= 0 && preset >= 0) {
        ComboBox1->setCurrentIndex(preset);
        CheckListBox1->setCurrentRow(preset);
        CheckListBox1->item(preset)->setCheckState(Qt::Checked); // ticks the use's rooms
    }
}

void TTChangeUseForm::FillTree()
{
    const CNameIdList& uses = CMaterialParamNameList::Current().GetNameList(kRoomUseKind);
    const auto useName = [&uses](int id) {
        for (const CNameWithId& use : uses)
            if (use.ID == id)
                return use.Name;
        return QString();
    };
    const CNodeFilter rooms(kRoomType);
    CBulkTree::Fill(*TreeView1, rooms, -1, [&](QTreeWidgetItem* parent, const CTreeItem& source) {
        CNodeData* node = source.Node();
        const CRoom* room = node && node->Type() == kRoomType ? dynamic_cast<const CRoom*>(node->LoadElement())
                                                              : nullptr;
        if (!room)
            return TreeView1->AddItem(parent, source.Text(), 0);
        QTreeWidgetItem* item =
            TreeView1->AddItem(parent, QStringLiteral("%1---[%2]").arg(source.Text(), useName(room->RoomUse)), 0);
        item->setData(0, kUseIdRole, room->RoomUse);
        return item;
    });
    if (QTreeWidgetItem* first = TreeView1->topLevelItem(0)) {
        TreeView1->SetChildNodeStatue(first, 0);
        first->setExpanded(true);
    }
}

void TTChangeUseForm::CheckListBox1Click(QListWidgetItem* entry)
{
    if (!entry)
        return;
    const int useId = entry->data(kUseIdRole).toInt();
    const bool ticked = entry->checkState() == Qt::Checked;
    for (QTreeWidgetItem* item : CBulkTree::Items(*TreeView1))
        if (UseIdOf(item) == useId)
            TreeView1->SetCheck(item, !ticked); // true unticks
}

void TTChangeUseForm::BMPButton1Click()
{
    done(mrCancel);
}

void TTChangeUseForm::FlatButton2Click()
{
    if (ComboBox1->currentIndex() < 0) {
        CTool::Current().ShowMessage(QStringLiteral("请选择要应用的房间用途!"));
        return;
    }
    bool applied = false;
    try {
        applied = Apply(ComboBox1->currentData().toInt());
    } catch (...) {
        // The edit has been rolled back; the error reaches the program's exception display.
        done(mrCancel);
        throw;
    }
    if (!applied) {
        CTool::Current().ShowMessage(QStringLiteral("房间数据未能写入，工程未作任何修改。"));
        return;
    }
    done(mrOk);
}

bool TTChangeUseForm::Apply(int useId)
{
    const COccupationFields fields = RadioButton1->isChecked() ? COccupationFields() : COccupationFields(TickedFields());
    const QList<QTreeWidgetItem*> items = CBulkTree::Items(*TreeView1);
    CProgressScope progress(static_cast<int>(items.size()), QStringLiteral("正在修改数据......"));
    CTreeEdit edit;
    // The first item is the project's.
    for (qsizetype i = 1; i < items.size(); ++i) {
        progress.Step();
        CNodeData* node = CBulkTree::NodeOf(items[i]);
        if (TCheckTreeView::State(items[i]) != 1 || !node || node->Type() != kRoomType)
            continue;
        node->KeepElementsForUndo(true);
        auto* room = dynamic_cast<CRoom*>(node->LoadElement());
        if (!room || !room->ApplyOccupation(useId, false, fields) || room->UpdateRecord() != 1)
            return false;
    }
    edit.Commit();
    return true;
}
