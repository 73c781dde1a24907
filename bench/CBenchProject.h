#pragma once
#include "climate/CLIB_WeatherParameter.h"
#include "model/CElementManage.h"
#include "model/CMaterialParamNameList.h"
#include "model/CNodeClipboard.h"
#include "model/CNodeTreeView.h"
#include "model/CProjectData.h"
#include "model/CProjectTreeHostBase.h"
#include "model/CRoomOccupationCache.h"
#include "model/CTreeView2DB.h"
#include "model/TDM_Project.h"
#include "model/TDM_SysParam.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CTool.h"
#include "tests/support/CTestProgramFolder.h"

#include <QString>

class CNodeData;
class CTreeItem;

// A project of generated office rooms on a private copy of the program folder, open with
// everything a calculation run reads installed: the data modules, the project parameters, the
// element registry, the defaults, the tree store and its view, and the project weather.
//
// The project takes every construction record shipped in the system data database into its own
// library tables, so that the default construction of each element kind (record 1) exists, and
// the Beijing design weather of the weather library together with a synthetic hourly year.
//
// Rooms are 5 x 4 m, 3.3 m high (the storey height), 20 to a storey, facing south, west, north and
// east in turn; each holds 12 elements: an outside wall (15 m², the room's width) with a window
// (2 x 1.5 m) and a door (1 x 2.1 m), an inside wall to the corridor with a door, the floor slab
// (the ground slab on the bottom storey), the ceiling slab (the roof on the top storey), people,
// lighting, electric and electronic equipment, and infiltration. Loads and schedules are those of
// the default room use (office), with its outdoor-air supply; the slabs lie against offices, the
// inside wall against an unheated corridor.
class CBenchProject
{
public:
    static constexpr int RoomsPerStorey = 20;
    static constexpr double RoomArea = 20; // m²

    explicit CBenchProject(int designType);
    ~CBenchProject();
    CBenchProject(const CBenchProject&) = delete;
    CBenchProject& operator=(const CBenchProject&) = delete;

    // One building of `rooms` rooms in storeys of RoomsPerStorey (the last may hold fewer); then
    // the elements are released from memory, as after opening a project, and the view is filled.
    void BuildOfficeBuilding(int rooms);

    // The project node of the view (the tree's top item) and the building built.
    CTreeItem* ProjectItem() const;
    CTreeItem* BuildingItem() const;
    int RoomCount() const { return m_rooms; }

    // Peak resident memory of the process so far (getrusage), KiB.
    static long PeakMemoryKiB();
    // Processor time of the process so far, user and system (getrusage), ms: on a busy machine a
    // steadier figure than the wall clock.
    static double CpuTimeMs();

private:
    class TreeHost : public CProjectTreeHostBase
    {
    public:
        CNodeTreeView* MainTreeView() override { return &View; }
        bool IsElementTypeUsed(int) override { return true; }
        void HideOpenPage() override {}
        void ReloadTreeView() override { CTreeView2DB::Current().FillTreeView(View, nullptr, true); }
        void OpenWithShell(const QString&) override {}
        CNodeTreeView View;
    };

    void OpenProjectCopy();
    void CopyConstructionLibraries();
    void TakeBeijingWeather();
    void AddRoom(CNodeData* storey, int index, bool bottom, bool top);

    CTestProgramFolder m_folder;
    CTool m_tool;
    TDM_SysParam m_sysParam;
    TDM_Project m_project;
    CProjectData m_parameters;
    CElementManage m_registry;
    TInitalizationManage m_defaults;
    CMaterialParamNameList m_names;
    CRoomOccupationCache m_roomUses;
    TreeHost m_treeHost;
    CTreeView2DB m_store;
    CNodeClipboard m_clipboard;
    CLIB_WeatherParameter m_weather{&m_project.WeatherParameter};
    CNodeData* m_building = nullptr;
    int m_rooms = 0;
};
