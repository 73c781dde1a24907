#include "tools/shots/CFormShots.h"

#include "app/TVoro_Main.h"
#include "climate/CScheduleData.h"
#include "climate/CStoreyGroups.h"
#include "climate/forms/TAirSystemForm.h"
#include "climate/forms/TImportDayScheduleForm.h"
#include "climate/forms/TImportScheduleForm.h"
#include "climate/forms/TScheduleFram.h"
#include "climate/forms/TScheduleManageForm.h"
#include "climate/forms/TStoreyGroupForm.h"
#include "model/CNodeData.h"
#include "model/CTreeView2DB.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"

#include <QListWidget>
#include <QTabBar>

namespace {
const QString OfficePeople = QStringLiteral("办公人员-公共建筑节能标准");

std::unique_ptr<TScheduleManageForm> Manager(TVoro_Main& window)
{
    auto form = std::make_unique<TScheduleManageForm>(&window);
    form->SetDataSet(&CScheduleData::CurrentQuery());
    form->SetPresetName(OfficePeople);
    return form;
}

template <typename Form> std::unique_ptr<QWidget> Exchange(TVoro_Main& window, bool schedules)
{
    CDbQuery& dataSet = CScheduleData::CurrentQuery();
    auto form = std::make_unique<Form>(dataSet, &window);
    CTool::OpenQuery(dataSet, CSQLStatement(schedules ? QStringLiteral("select Name from Schedule")
                                                      : QStringLiteral("select DayScheduleName from DaySchedule")));
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next())
        form->ListBox1->addItem(dataSet.Field(0).toString());
    form->LoadPartner();
    return form;
}

// The demonstration's storey as the member and base storey of a group.
void AddStoreyGroup()
{
    CStoreyGroups groups;
    if (!groups.Names().isEmpty())
        return;
    groups.NewName(QStringLiteral("标准层"));
    for (const SBuildingRef& building : groups.Buildings()) {
        const QList<SStoreyRef> storeys = groups.FreeStoreys(building.ID);
        if (storeys.isEmpty())
            continue;
        groups.Assign(QStringLiteral("标准层"), {storeys.first().ID});
        groups.SetBaseStorey(QStringLiteral("标准层"), storeys.first().ID);
        return;
    }
}
} // namespace

void AddScheduleFormShots(FormShotList& shots)
{
    shots.push_back({QStringLiteral("TScheduleManageForm"),
                     [](TVoro_Main& window) { return std::unique_ptr<QWidget>(Manager(window)); }});
    shots.push_back({QStringLiteral("TScheduleManageForm-day"), [](TVoro_Main& window) {
                         auto form = Manager(window);
                         form->show();
                         form->FlatTabControl1->setCurrentIndex(TScheduleManageForm::DayPage);
                         return std::unique_ptr<QWidget>(std::move(form));
                     }});
    shots.push_back({QStringLiteral("TImportScheduleForm"),
                     [](TVoro_Main& window) { return Exchange<TImportScheduleForm>(window, true); }});
    shots.push_back({QStringLiteral("TImportDayScheduleForm"),
                     [](TVoro_Main& window) { return Exchange<TImportDayScheduleForm>(window, false); }});
    shots.push_back({QStringLiteral("TScheduleFram"), [](TVoro_Main&) {
                         auto frame = std::make_unique<TScheduleFram>();
                         CNodeData* people = CTreeView2DB::Current().Root().FindNodeByCaption(4, QString());
                         frame->SetElement(people ? people->LoadElement() : nullptr);
                         frame->LoadNames();
                         frame->resize(364, 26);
                         return std::unique_ptr<QWidget>(std::move(frame));
                     }});
    shots.push_back({QStringLiteral("TStoreyGroupForm"), [](TVoro_Main& window) {
                         AddStoreyGroup();
                         return std::unique_ptr<QWidget>(new TStoreyGroupForm(&window));
                     }});
    for (int outsideAir : {0, 1}) {
        shots.push_back({outsideAir ? QStringLiteral("TAirSystemForm-outdoor") : QStringLiteral("TAirSystemForm"),
                         [outsideAir](TVoro_Main& window) {
                             CAirSystems systems(outsideAir);
                             if (systems.Names().isEmpty())
                                 systems.NewName(outsideAir ? QStringLiteral("新风系统1") : QStringLiteral("回风系统1"));
                             const QList<SBuildingRef> buildings = systems.Buildings();
                             const QList<SRoomRef> rooms =
                                 buildings.isEmpty() ? QList<SRoomRef>() : systems.FreeRooms(buildings.first().ID);
                             if (!rooms.isEmpty())
                                 systems.Assign(systems.Names().first(), {rooms.first().ID});
                             return std::unique_ptr<QWidget>(new TAirSystemForm(outsideAir, &window));
                         }});
    }
}
