#include "library/forms/TTMaterial_RoomOccupation.h"

#include "app/controls/TBMPButton.h"
#include "app/controls/TControlEdit.h"
#include "climate/forms/TScheduleFram.h"
#include "library/CMaterialNode.h"
#include "library/forms/CRoomUseApplierBase.h"
#include "library/forms/TTLibManageForm.h"
#include "model/CMaterialParamNameList.h"
#include "model/CRoomOccupationCache.h"
#include "platform/core/CTool.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace {
struct SSchedule
{
    const char* key;
    const char* name;
    QString caption;
};
} // namespace

TTMaterial_RoomOccupation::TTMaterial_RoomOccupation(QWidget* owner)
    : TTOccupationFrameBase(owner, {736, 436}, QStringLiteral("人员密度值"), QStringLiteral("新风供应量值"))
{
    setObjectName(QStringLiteral("TMaterial_RoomOccupation"));
    QGridLayout* grid = m_grid;
    const int top = m_nextRow;
    auto schedule = [&](const SSchedule& entry, int slot) {
        auto* frame = new TScheduleFram(this);
        frame->setObjectName(QString::fromLatin1(entry.name));
        frame->Label1->setText(entry.caption);
        frame->Edit_ScheduleName->setMinimumWidth(0);
        frame->FlatButton1->hide(); // its action works on project elements, not on a library record
        grid->addWidget(frame, top + slot / 3, 2 * (slot % 3), 1, 2);
        Bind(QString::fromLatin1(entry.key), frame->Edit_ScheduleName, ValueKind::ListByText, entry.caption);
        ScheduleFrames.push_back(frame);
    };
    const SSchedule first[] = {
        {"NewWindScheduleName", "NewWindSchedule", QStringLiteral("新风时间表:")},
        {"PeopleScheduleName", "PeopleSchedule", QStringLiteral("人员时间表:")},
        {"LightScheduleName", "LightSchedule", QStringLiteral("照明时间表:")},
        {"ElectricEquipmentScheduleName", "ElectricEquipmentSchedule", QStringLiteral("电动设备时间表:")},
        {"HeatingEquipmentScheduleName", "HeatingEquipmentSchedule", QStringLiteral("电热设备时间表:")},
        {"ElectronicEquipmentScheduleName", "ElectronicEquipmentSchedule", QStringLiteral("电子设备时间表:")},
    };
    int slot = 0;
    for (const SSchedule& entry : first)
        schedule(entry, slot++);

    // Equipment: power and its unit, and the simultaneous-use coefficient, one row per kind.
    const int equipment = top + 3;
    auto* lightPower = AddNumber(grid, top + 8, 0, QStringLiteral("LightPower"), QStringLiteral("LightPower"),
                                 QStringLiteral("照明设备功率(W)"));
    lightPower->hide();
    for (QLabel* label : findChildren<QLabel*>())
        if (label->text() == QStringLiteral("照明设备功率(W)"))
            label->hide();
    AddNumber(grid, equipment, 0, QStringLiteral("ElectricEquipmentPower"), QStringLiteral("ElectricEquipmentPower"),
              QStringLiteral("电动设备功率"));
    AddNumber(grid, equipment + 1, 0, QStringLiteral("HeatingEquipmentPower"), QStringLiteral("HeatingEquipmentPower"),
              QStringLiteral("电热设备功率"));
    AddNumber(grid, equipment + 2, 0, QStringLiteral("ElectronicEquipmentPower"),
              QStringLiteral("ElectronicEquipmentPower"), QStringLiteral("电子设备功率"));
    AddNumber(grid, equipment, 4, QStringLiteral("ElectricUseCoefficient"),
              QStringLiteral("ElectricSimultaneousUseCoefficient"), QStringLiteral("电动设备同时使用系数"));
    AddNumber(grid, equipment + 1, 4, QStringLiteral("HeatingUseCoefficient"),
              QStringLiteral("HeatingSimultaneousUseCoefficient"), QStringLiteral("电热设备同时使用系数"));
    AddNumber(grid, equipment + 2, 4, QStringLiteral("ElectronicUseCoefficient"),
              QStringLiteral("ElectronicSimultaneousUseCoefficient"), QStringLiteral("电子设备同时使用系数"));

    const SSchedule second[] = {
        {"Fan_Time", "schdlfrm1_Fan_Time", QStringLiteral("风机/风管时间表:")},
        {"Chemistry_Time", "schdlfrm2_Chemistry_Time", QStringLiteral("化学反应时间表:")},
        {"Maintenance_Time", "schdlfrm3_Maintenance_Time", QStringLiteral("围护结构时间表:")},
    };
    slot = 18; // below the equipment rows
    for (const SSchedule& entry : second)
        schedule(entry, slot++);

    const QStringList power{QStringLiteral("W"), QStringLiteral("W/m^2")};
    AddList(grid, equipment + 2, 2, QStringLiteral("ElecUnit"), QStringLiteral("ComboBox2"), QStringLiteral("单位"),
            ValueKind::ListByIndex, power);
    AddList(grid, equipment, 2, QStringLiteral("ElecPowerUnit"), QStringLiteral("ComBox0"), QStringLiteral("单位"),
            ValueKind::ListByIndex, power);
    AddList(grid, equipment + 1, 2, QStringLiteral("ElecHeatUnit"), QStringLiteral("ComboBox1"), QStringLiteral("单位"),
            ValueKind::ListByIndex, power);
    AddList(grid, top + 2, 2, QStringLiteral("NewWindUnit"), QStringLiteral("ComboBox4"),
            QStringLiteral("新风供应量单位"), ValueKind::ListByIndex,
            {QStringLiteral("m^3/p.h"), QStringLiteral("m^3/h.m^2"), QStringLiteral("m^3/h")});
    AddList(grid, top + 2, 0, QStringLiteral("PeopleDensityUnit"), QStringLiteral("ComboBox3"),
            QStringLiteral("人员密度单位"), ValueKind::ListByIndex,
            {QStringLiteral("人/m^2"), QStringLiteral("m^2/人"), QStringLiteral("人")});
    AddNumber(grid, top + 7, 0, QStringLiteral("SimultaneousUseCoefficient"),
              QStringLiteral("Edit_SimultaneousUseCoefficient"), QStringLiteral("照明同时使用系数"));
    auto* food = AddNumber(grid, top + 7, 2, QStringLiteral("FoodPeopleDensity"), QStringLiteral("Edit_FoodPeopleDensity"),
                           QStringLiteral("就餐人数密度,人/m^2"));
    food->setToolTip(QStringLiteral("食物及其它"));

    BMPButton1 = new TBMPButton(QStringLiteral("应用于工程"), this);
    BMPButton1->setObjectName(QStringLiteral("BMPButton1"));
    BMPButton1->setFixedSize(90, 24);
    grid->addWidget(BMPButton1, top + 7, 5, Qt::AlignRight);
    connect(BMPButton1, &TBMPButton::OnClick, this, &TTMaterial_RoomOccupation::BMPButton1Click);
    FitDesignSize();
}

void TTMaterial_RoomOccupation::RefreshLists()
{
    QStringList names;
    if (CMaterialParamNameList::Exists())
        for (const CNameWithId& entry : CMaterialParamNameList::Current().GetNameList(CMaterialParamNameList::ScheduleKind))
            names << entry.Name;
    for (TScheduleFram* frame : ScheduleFrames) {
        frame->Edit_ScheduleName->clear();
        frame->Edit_ScheduleName->addItems(names);
        frame->Edit_ScheduleName->setCurrentIndex(-1);
    }
}

void TTMaterial_RoomOccupation::ExchangeData(CHvacData& bag, bool load)
{
    if (load)
        m_shown.Assign(bag);
    BMPButton1->setVisible(ShownNode && ShownNode->GetSource() == CMaterialNode::SourceProject);
    TTMaterial_BaseForm::ExchangeData(bag, load);
}

QStringList TTMaterial_RoomOccupation::ChangedFields()
{
    static const QHash<QString, QString> valueOfUnit{
        {QStringLiteral("ElecUnit"), QStringLiteral("ElectronicEquipmentPower")},
        {QStringLiteral("ElecPowerUnit"), QStringLiteral("ElectricEquipmentPower")},
        {QStringLiteral("ElecHeatUnit"), QStringLiteral("HeatingEquipmentPower")},
        {QStringLiteral("NewWindUnit"), QStringLiteral("OutsideAirSupply")},
        {QStringLiteral("PeopleDensityUnit"), QStringLiteral("PeopleDensity")},
    };
    CHvacData now;
    TTMaterial_BaseForm::ExchangeData(now, false);
    QStringList fields;
    for (auto it = now.Values.cbegin(); it != now.Values.cend(); ++it) {
        QString shown;
        m_shown.ExchangeValue(it.key(), shown, false);
        if (shown == it.value())
            continue;
        const QString field = valueOfUnit.value(it.key(), it.key());
        if (!fields.contains(field))
            fields << field;
    }
    return fields;
}

void TTMaterial_RoomOccupation::BMPButton1Click()
{
    if (Manager && Manager->HasChanges()) {
        CTool::Current().ShowMessageBox(QStringLiteral("警告"), QStringLiteral("数据已经被编辑，请保存一下，再应用到工程中"), 6, 0);
        return;
    }
    if (CRoomOccupationCache::Exists())
        ClearRoomOccupationCache();
    if (CMaterialParamNameList::Exists())
        CMaterialParamNameList::Current().ClearAll();
    if (!ShownNode)
        return;
    const QStringList fields = ChangedFields();
    if (CRoomUseApplierBase::Exists())
        CRoomUseApplierBase::Current().Run(ShownNode->ID, fields);
    if (Manager)
        Manager->UpdateActionStates();
}
