#include "tools/shots/CFormShots.h"

#include "app/TVoro_Main.h"
#include "app/controls/TCheckTreeView.h"
#include "calc/CRunTimeCalendar.h"
#include "calc/CRunTimeMgr.h"
#include "calc/forms/TLoadCalculationForm.h"
#include "calc/forms/TSetRunTimeModule.h"
#include "calc/forms/TTSetRunTimeCopyLevels.h"
#include "model/CNodeData.h"
#include "model/CTreeView2DB.h"

#include <QTabBar>
#include <QTableWidget>

namespace {
void CollectRooms(const CNodeData& node, QList<int>& rooms)
{
    if (node.Type() == 3)
        rooms << node.NodeId();
    for (int i = 0; i < node.ChildCount(); ++i)
        CollectRooms(*node.Child(i), rooms);
}

// Two schemes of the demonstration project: the offices on working days and the rest all week.
void AddSchemes()
{
    CRunTimeMgr& schemes = CRunTimeMgr::Current();
    if (schemes.Count() > 0)
        return;
    QList<int> rooms;
    CollectRooms(CTreeView2DB::Current().Root(), rooms);
    auto offices = std::make_unique<RunTimeSys>();
    offices->Name = QStringLiteral("办公区工作日");
    offices->RoomIds = rooms.mid(0, (rooms.size() + 1) / 2);
    CRunTimeCalendar::ClearWeekends(offices->HourFlags.data());
    auto rest = std::make_unique<RunTimeSys>();
    rest->Name = QStringLiteral("公共区全周");
    rest->RoomIds = rooms.mid((rooms.size() + 1) / 2);
    schemes.AddScheme(offices->Name, offices);
    schemes.AddScheme(rest->Name, rest);
}
} // namespace

void AddSchemeFormShots(FormShotList& shots)
{
    shots.push_back({QStringLiteral("TLoadCalculationForm"), [](TVoro_Main& window) {
                         AddSchemes();
                         auto form = std::make_unique<TLoadCalculationForm>(&window);
                         form->show();
                         form->CheckTreeView1->expandAll();
                         return std::unique_ptr<QWidget>(std::move(form));
                     }});
    shots.push_back({QStringLiteral("TSetRunTimeModule"), [](TVoro_Main& window) {
                         AddSchemes();
                         auto editor = std::make_unique<TSetRunTimeModule>(&window);
                         editor->Flags = CRunTimeMgr::Current().SchemeAt(0)->HourFlags;
                         editor->show();
                         editor->ts1->setCurrentIndex(2);
                         editor->btnWeekdayButtonClick();
                         return std::unique_ptr<QWidget>(std::move(editor));
                     }});
    shots.push_back({QStringLiteral("TTSetRunTimeCopyLevels"), [](TVoro_Main& window) {
                         return std::unique_ptr<QWidget>(std::make_unique<TTSetRunTimeCopyLevels>(&window));
                     }});
}
