#pragma once
#include "calc/CCalculate_Building.h"
#include "calc/CCalculate_MaterialManager.h"
#include "calc/CRoomLoadEngineBase.h"

#include <QStringList>
#include <array>
#include <memory>
#include <vector>

class CDayScheduleData;
class CDbQuery;
class CElementBase;
class CScheduleData;
class CTreeItem;

// One calculation run of one command: the calculation structure of the buildings, storeys and
// rooms below the selected tree node, the cursor of the walkers, the run's caches of library
// records and schedules, the text pages of the calculation book, and the driver that walks the
// structure room by room. A manager serves one run: the driver consumes the structure as it goes.
//
// While it calculates, a run needs the command's result pool (CCalResultBuffer) and progress
// reporter (CCalMsgOutput); the manager must be destroyed before them, since clearing the
// structure gives result records back to the pool.
class CCalculate_Manager
{
public:
    CCalculate_Manager();
    ~CCalculate_Manager();
    CCalculate_Manager(const CCalculate_Manager&) = delete;
    CCalculate_Manager& operator=(const CCalculate_Manager&) = delete;

    // --- Structure ---------------------------------------------------------------------------
    // Builds the structure for the selected item: its ancestors (folders left out, disabled nodes
    // taken), then the enabled part of its subtree. Returns the type code of the item or of its
    // nearest ancestor that is not a folder, 0 for the project or folders under it. The progress
    // gauge's maximum becomes the number of rooms placed.
    int BuildCalcStructure(CTreeItem* item);
    // Builds the structure from the item's enabled subtree alone (the item itself included),
    // without walking up and without touching the cursor.
    void BuildCalcStructureFrom(CTreeItem* item);
    // Adds the item and its enabled descendants; a disabled item is left out with its subtree.
    void AddSubtree(CTreeItem* item, int& roomCount);
    // Places the entry by its kind under the cursor, or discards it when it has no place.
    void AddNode(std::unique_ptr<CBaseData> entry, int& roomCount);

    std::vector<std::unique_ptr<CCalculate_Building>>& Buildings() { return m_buildings; }

    // The cursor: set by the builders and the walkers, read by the room engine.
    CCalculate_Building* CurrentBuilding() const { return m_currentBuilding; }
    CCalculate_Storey* CurrentStorey() const { return m_currentStorey; }
    CCalculate_Room* CurrentRoom() const { return m_currentRoom; }
    CCalculate_Roof* CurrentRoof() const { return m_currentRoof; }
    CCalculate_InsideWall* CurrentInsideWall() const { return m_currentInsideWall; }
    CCalculate_OutsideWall* CurrentOutsideWall() const { return m_currentOutsideWall; }
    void SetCurrentBuilding(CCalculate_Building* building) { m_currentBuilding = building; }
    void SetCurrentStorey(CCalculate_Storey* storey) { m_currentStorey = storey; }
    void SetCurrentRoom(CCalculate_Room* room) { m_currentRoom = room; }

    // --- Driver ------------------------------------------------------------------------------
    // Builds the structure for the item and calculates every room into the caller's total (a
    // result object of the current design type; for the step types the first of its records).
    // Returns the selected node's kind as BuildCalcStructure does, or -1 when a room failed or the
    // user stopped the run (the room in hand is then not added). Hands the node's floor area to
    // the index areas.
    int Calculate(CTreeItem* item, void* total);

    // The loads of one room into its result record, through the installed room engine.
    bool CalculateRoomLoads(CCalculate_Room& room, const CElementDetailCallback& detail);
    // The pump and pipe load of a building into its result record, through the room engine.
    void CalculatePumpAndPipeLoad(CCalculate_Building& building);
    // Replaces the manager's own room engine (not owned; null restores it).
    void SetRoomEngine(CRoomLoadEngineBase* engine) { m_roomEngine = engine; }

    // 1 after construction: the room engine counts a building's storeys in the structure; the
    // driver sets 0, and the engine then reads them from the project database.
    int StoreySourceFlag() const { return m_storeySourceFlag; }
    void SetStoreySourceFlag(int flag) { m_storeySourceFlag = flag; }
    // Elevation (m) of the current storey, set by the walkers before its rooms are calculated.
    double StoreyElevation() const { return m_storeyElevation; }
    void SetStoreyElevation(double elevation) { m_storeyElevation = elevation; }
    // Load type of the condition-analysis export: 0 total, 1 sensible, 2 latent heat.
    int ConditionLoadType() const { return m_conditionLoadType; }
    void SetConditionLoadType(int type) { m_conditionLoadType = type; }

    // --- Areas -------------------------------------------------------------------------------
    // Writes the element's Area from its size input (IsLWInputArea 1 keeps the entered area,
    // otherwise length x width or height) for rooms and the envelope kinds with a size; other
    // kinds are left alone.
    void ComputeElementArea(const CBaseData& entry);
    // a x b for mode 0, d for mode 2, c otherwise.
    static double SelectArea(int mode, double a, double b, double c, double d);
    // The entered area for mode 1, length x width otherwise.
    static double CalcArea(int mode, double length, double width, double area);

    // --- Caches ------------------------------------------------------------------------------
    CCalculate_MaterialManager& MaterialManager() { return m_materialManager; }
    // The 24 hourly factors (fractions) of the schedule for the month (1..12) and day type
    // (1..10); 24 zeros when the schedule, its day-schedule name or the day schedule is missing.
    // Names match exactly. A month or day type out of range is a programming error and raises.
    void GetDaySchedule(const QString& name, int month, int dayType, float* values);
    // Index in the run's schedule list, read on first use; -1 when no schedule has the name.
    int FindSchedule(const QString& name);
    int FindDaySchedule(const QString& name);

    // --- Adjacent rooms ----------------------------------------------------------------------
    // The winter heating temperature of the heated room next to an inside wall (13), ceiling (16)
    // or floor (21). True when the caller can go on: 0.0 when the element's heating option is not
    // "采暖房间", else the adjacent room's temperature. False when that room is missing (a warning
    // goes to the message panel) or for any other kind (temperature untouched).
    bool GetAdjacentRoom(int kind, const CCalculate_Building* building, const CCalculate_Storey* storey,
                         CElementBase* element, const CTreeItem* item, double& temperature);

    // --- Text pages --------------------------------------------------------------------------
    // Appends the line to the last page; a new page is opened when there is none or the last
    // already holds more than 100 lines.
    void AddTextLine(const QString& text);
    void AddBlankLines(int count);
    void ClearTextPages();
    const QList<QStringList>& TextPages() const { return m_textPages; }

private:
    void ClearCursor();
    // The entries of the item and its ancestors that are not folders, topmost first, up to the
    // project (not taken); kind receives the code of the first one met, -1 without any.
    static std::vector<std::unique_ptr<CBaseData>> CollectAncestorEntries(CTreeItem* item, int& kind);
    // The manager's own room engine, until the room calculation exists: the room fails.
    bool CalculateRoomLoadsOwn(CCalculate_Room& room);
    void OpenScheduleQueries();

    int m_textLineCount = 0;
    std::vector<std::unique_ptr<CCalculate_Building>> m_buildings;
    CCalculate_MaterialManager m_materialManager;
    std::array<std::unique_ptr<CDbQuery>, 3> m_scheduleQueries;
    std::vector<std::unique_ptr<CScheduleData>> m_schedules;
    std::vector<std::unique_ptr<CDayScheduleData>> m_daySchedules;
    QList<QStringList> m_textPages;
    double m_storeyElevation = 0;
    CCalculate_Roof* m_currentRoof = nullptr;
    CCalculate_InsideWall* m_currentInsideWall = nullptr;
    CCalculate_OutsideWall* m_currentOutsideWall = nullptr;
    CCalculate_Building* m_currentBuilding = nullptr;
    CCalculate_Storey* m_currentStorey = nullptr;
    CCalculate_Room* m_currentRoom = nullptr;
    int m_storeySourceFlag = 1;
    int m_conditionLoadType = 0;
    CRoomLoadEngineBase* m_roomEngine = nullptr;

    // Positions of the previous hits, shared by every manager of the program.
    static inline int s_lastSchedule = -1;
    static inline int s_lastDaySchedule = -1;
};
