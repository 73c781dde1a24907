#pragma once
#include "calc/CCalculate_Building.h"
#include "calc/CCalculate_MaterialManager.h"
#include "calc/CEstimateIndexCheck.h"
#include "calc/CRoomLoadEngineBase.h"
#include "calc/CScheduleDayCache.h"
#include "calc/RoomCalcContext.h"

#include <QStringList>
#include <array>
#include <memory>
#include <vector>

class CCalcLibraryBase;
class CCalculate_Result_IsACLoadCalculation;
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
    // the index areas. A completed estimate run warns of rooms whose load indexes are all 0.
    int Calculate(CTreeItem* item, void* total);
    // Design type 3 only: calculates the item into a fresh detailed cooling record and appends its
    // hourly table (FormatHourlyResultTable) to the lines, also after a failed or stopped run; any
    // other design type appends nothing.
    void WriteHourlyResultTable(CTreeItem* item, QStringList& lines);
    // One room of an operating scheme: the structure of the room's item alone, replacing the one
    // held before so that it never grows, calculated room by room as the driver does; unless the
    // room failed or the run was stopped, the result of the room with target's id and kind moves
    // to target. Messages and the gauge are the caller's.
    void CalculateSchemeRoom(CTreeItem* item, CCalculate_Room& target);

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

    // --- Room engine ---------------------------------------------------------------------------
    // The calculation library the room engine calls: the real one unless a test installed another
    // (not owned; null restores the real one).
    CCalcLibraryBase& CalcLibrary() const;
    void SetCalcLibrary(CCalcLibraryBase* library) { m_calcLibrary = library; }
    // Hands the project weather's location and climate to the library; done once per manager,
    // before its first room is calculated.
    void ApplyDesignContext();
    // The winter outdoor wet bulb (℃) of the project weather from the psychrometric library; 0,
    // after a notice, when the library cannot be loaded.
    double GetOutdoorWetBulb();
    // The value of largest magnitude of the 24, sign kept; the earlier hour wins a tie.
    static float FindAbsPeak24(const float* values);
    // The indoor state of one day: the warmer of (tempA, rhA) and (tempB, rhB) when the day's
    // highest outdoor value reaches their midpoint, else the cooler. pressure and wetBulb24 are
    // ignored. Always true.
    static bool SelectDayIndoorState(float pressure, float tempA, float rhA, float tempB, float rhB,
                                     const float* dryBulb24, const float* wetBulb24, float& temp, float& rh);

    // Design types 0 and 1: loads as the room's indexes times its area.
    void CalculateACLoadSimpleEstimation(RoomCalcContext& context, CCalculate_Room& room);
    void CalculateACLoadItemizedEstimation(RoomCalcContext& context, CCalculate_Room& room);
    // Design type 2: internal gains and outdoor air hour by hour, the envelope from its indexes.
    void CalculateACLoadIntelligentEstimation(RoomCalcContext& context, CCalculate_Room& room);
    // The pump and pipe load of a building under design type 3, into its result record.
    void CalculatePumpAndPipeLoadOwn(CCalculate_Building& building);

    // Design type 3: the detailed air-conditioning loads of the room, element kind by kind.
    void CalculateACLoadDetailed(RoomCalcContext& context, CCalculate_Room& room);
    // Reads the design weather and the branch's Initialization settings; sets context.WinterSteady.
    ACDesignConditions ReadACDesignConditions(RoomCalcContext& context);
    // Summer outputs: times CoolPlusFactor when CoolPlusOn.
    static void ApplyACSummerFactors(const RoomCalcContext& context, float* values24);
    // Winter outputs: times HeatRebateFactor when rebate (envelope, outdoor air, infiltration),
    // then times CoolPlusFactor when CoolPlusOn.
    static void ApplyACWinterFactors(const RoomCalcContext& context, float* values24, bool rebate);
    // Winter solar arrays: zeroed unless "ContainSunSolarWinter" is 1.
    static void ApplyACWinterSolarSwitch(const ACDesignConditions& conditions, float* values24);
    // Adds summer24 to each summer destination when SummerCooling, winter24 to each winter
    // destination when WinterAC (null destinations are skipped).
    static void AddACSeasonPair(const RoomCalcContext& context, float* summerDestination,
                                const float* summer24, float* winterDestination, const float* winter24);
    // The area of an element passed to the library: SelectArea(areaType, length, widthOrHeight,
    // area, the room's Area).
    static double ACElementArea(const RoomCalcContext& context, int areaType, double length,
                                double widthOrHeight, double area);
    // A wall's or roof's area less its openings when NetWallArea is set (never below 0).
    static double ACNetArea(const RoomCalcContext& context, double grossArea, double openingsArea);
    // Fan and duct temperature rise and enclosure moisture of the room (arrays 108, 109, 116-119).
    void CalculateACRoomLevelLoads(RoomCalcContext& context, CCalculate_Result_IsACLoadCalculation& result);
    // The room totals, the unit conversion and the room's share of the index areas.
    void CalculateACTotals(RoomCalcContext& context, CCalculate_Result_IsACLoadCalculation& result);

    // Detailed passes: outdoor air and internal loads.
    void CalculateACOutdoorAir(RoomCalcContext& context, const ACDesignConditions& conditions,
                               CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result);
    void CalculateACPeople(RoomCalcContext& context, const ACDesignConditions& conditions,
                           CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result);
    void CalculateACLighting(RoomCalcContext& context, const ACDesignConditions& conditions,
                             CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result);
    void CalculateACHeatingEquipment(RoomCalcContext& context, const ACDesignConditions& conditions,
                                     CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result);
    void CalculateACElectricEquipment(RoomCalcContext& context, const ACDesignConditions& conditions,
                                      CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result);
    void CalculateACElectronicEquipment(RoomCalcContext& context, const ACDesignConditions& conditions,
                                        CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result);
    // Food with its chemical reaction.
    void CalculateACFood(RoomCalcContext& context, const ACDesignConditions& conditions,
                         CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result);
    void CalculateACEvaporating(RoomCalcContext& context, const ACDesignConditions& conditions,
                                CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result);
    void CalculateACInfiltration(RoomCalcContext& context, const ACDesignConditions& conditions,
                                 CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result);

    // Detailed passes: outside walls with their doors and windows; glass curtain walls.
    void CalculateACOutsideWalls(RoomCalcContext& context, const ACDesignConditions& conditions,
                                 CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result);
    void CalculateACGlassCurtainWalls(RoomCalcContext& context, const ACDesignConditions& conditions,
                                      CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result);

    // Detailed passes: floors, roofs, ground and inner envelope.
    void CalculateACCeilings(RoomCalcContext& context, const ACDesignConditions& conditions,
                             CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result);
    void CalculateACFloors(RoomCalcContext& context, const ACDesignConditions& conditions,
                           CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result);
    void CalculateACBlindStoreys(RoomCalcContext& context, const ACDesignConditions& conditions,
                                 CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result);
    void CalculateACGlassRoofs(RoomCalcContext& context, const ACDesignConditions& conditions,
                               CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result);
    void CalculateACGrounds(RoomCalcContext& context, const ACDesignConditions& conditions,
                            CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result);
    void CalculateACBasementWalls(RoomCalcContext& context, const ACDesignConditions& conditions,
                                  CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result);
    void CalculateACProjectionFloors(RoomCalcContext& context, const ACDesignConditions& conditions,
                                     CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result);
    void CalculateACGapWalls(RoomCalcContext& context, const ACDesignConditions& conditions,
                             CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result);
    void CalculateACInsideWalls(RoomCalcContext& context, const ACDesignConditions& conditions,
                                CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result);
    void CalculateACRoofs(RoomCalcContext& context, const ACDesignConditions& conditions,
                          CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result);

    // --- Air-conditioning loads by month and by day ----------------------------------------------
    // The values of one step (a month's design day or a day of the year), of one pass of the
    // element routines over its steps, and the daily climate of a room (CCalculate_Manager_ACStep.h).
    struct ACStep;
    struct ACStepPass;
    struct ACDailyClimate;
    // Design type 4: the design day of every month into the room's 12 step records, from the
    // monthly climate the library derives from the design weather.
    void CalculateACLoadMonthly(RoomCalcContext& context, CCalculate_Room& room);
    // Design type 5: every day of the year into the room's 365 step records, from the project's
    // annual hourly weather: two passes (winter and summer indoor state), each hour taken from the
    // pass that needs conditioning, then the operating scheme's hours. Raises when the project has
    // no usable annual hourly weather (the user has been told).
    void CalculateACLoadDaily(RoomCalcContext& context, CCalculate_Room& room);
    // One pass of every element over the 365 days with the indoor state of day d at
    // passTemperature[d] (℃), passHumidity[d] (%): loads times FullYearPlusFactor, then the indoor
    // sums of each record (SumIndoorLoads) and the record converted to the project's unit.
    void CalculateRoomDailyACLoads(CCalculate_Room& room, const RoomCalcContext& context,
                                   const ACDailyClimate& climate, const float* passTemperature,
                                   const float* passHumidity,
                                   class CCalculate_Result_IsACLoadStepCalculation* result);
    // The element passes of the monthly and daily types, in the order of the detailed calculation:
    // every element of the room once per step, added into records[step] (people and lighting
    // written into it). Leaves the sums to the caller.
    void CalculateACStepElements(const RoomCalcContext& context, CCalculate_Room& room,
                                 const ACStepPass& pass,
                                 class CCalculate_Result_IsACLoadStepCalculation* records);
    // The room's day d hour h from the winter pass W or the summer pass S: on a winter day W when
    // it has an indoor heating load, else S when that has an indoor cooling load, else W with the
    // room loads cleared; on other days the same with S first. Every day is summed afterwards.
    static void MergeACDailyPasses(const int* winterDay,
                                   const class CCalculate_Result_IsACLoadStepCalculation* winterPass,
                                   const class CCalculate_Result_IsACLoadStepCalculation* summerPass,
                                   class CCalculate_Result_IsACLoadStepCalculation* room);

    // --- Heating loads (design types 6, 7 and 8) -----------------------------------------------
    // The heating losses of the room, element kind by kind, into its result record: the winter
    // design day (6) with the plus factor, the element-detail callback and the heat exchanged with
    // adjacent rooms; a design day per month (7) or every day of the project's hourly weather (8)
    // into the room's 12 or 365 records. Raises when the daily type finds no hourly weather (the
    // user has been told), a construction record is missing or an Initialization value does not
    // convert.
    void CalculateHeatingLoads(RoomCalcContext& context, CCalculate_Room& room);
    // The state of one room's heating calculation, shared by its passes.
    struct SHeatingRun;
    // Outside walls, each with its doors and then its windows.
    void CalculateHeatingOutsideWalls(SHeatingRun& run);
    void CalculateHeatingGlassCurtainWalls(SHeatingRun& run);
    // Inside walls, each after its doors and windows; skipped with them when the adjacent room
    // named by the wall is missing.
    void CalculateHeatingInsideWalls(SHeatingRun& run);
    // Floor slabs (kind 16) or floors (21); skipped when the adjacent room they name is missing.
    void CalculateHeatingSlabs(SHeatingRun& run, int kind);
    // Roofs, each after its skylights.
    void CalculateHeatingRoofs(SHeatingRun& run);
    // The kinds with one array: attics (19), glass roofs (20), ground (22), basement walls (29),
    // projection floors (23), gap walls (24).
    void CalculateHeatingElements(SHeatingRun& run, int kind);
    void CalculateHeatingOtherLoads(SHeatingRun& run);
    // Air-tightness grade index of a construction: 0..4 for "I".."V" exactly, else -1.
    static int HeatingTightnessGrade(const QString& grade);

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

    // --- Minimum thermal resistance -----------------------------------------------------------
    // What a check reads beside K and D, at most one of the two: the element of an inside wall,
    // ceiling, roof, attic, floor, projection floor or gap wall; the construction record of a
    // ground or basement wall; neither for outside walls and doors.
    struct CheckSubject
    {
        CElementBase* Element = nullptr;
        const class CMaterialBase* Record = nullptr;
    };
    // Checks one envelope element of kind 9, 11, 13, 16, 17, 19, 21, 22, 23, 24 or 29 of the room
    // against its allowed minimum thermal resistance through the calculation library and writes
    // the verdict into message category 4. k and d: the construction's winter K (W/(m²·℃)) and
    // thermal inertia. rMin receives the allowed minimum and r the element's resistance
    // (m²·℃/W); for an outside door rMin brings in the minimum of its wall. name: the element's
    // construction name shown in the line. True when the element conforms, and for a ground whose
    // K_W is not positive (after a warning box, no line); false when it does not conform, for an
    // inside wall, ceiling or floor whose heated adjacent room is missing (warned in category 0,
    // no line) and for any other kind (no line). A missing element or record of the kind raises.
    bool CheckMinResistance(int kind, const CCalculate_Building& building, const CCalculate_Storey& storey,
                            CCalculate_Room& room, const CheckSubject& subject, double k, double d,
                            float& rMin, float& r, const QString& name);
    // The command "传热阻校核": checks the one element of the item (an outside wall or door, inside
    // wall, roof, attic, floor, ground, projection floor, gap wall or basement wall whose room the
    // operating scheme keeps) into category 4; writes nothing for any other item. An outside door
    // takes the minimum of its wall, worked out by the library without a line of its own.
    void CheckMinThermalResistance(CTreeItem* item);

    // --- Air systems and the condition-analysis file -------------------------------------------
    // Calculates every room of the structure (built beforehand from the whole project) that names
    // an air system and writes the condition-analysis file (GBK, CR LF): the project's outdoor
    // design states, then per primary-air and outdoor-air system its rooms' design states and peak
    // loads. The rooms keep their results. Needs the current result pool, project parameters and
    // project weather. False, and no file (an existing one is left as it was), when the user
    // stopped, a room failed, no room names a system or the file cannot be written.
    bool ExportConditionAnalysisFile(const QString& path);
    // --- Load summary ----------------------------------------------------------------------------
    // Calculates the item under the current design type and writes its load totals into message
    // category 3 (below the header line the command has written): for the node's kind the peaks,
    // peak hours and indexes (W/m^2, also in a kcal/h project) of the design type, one block per
    // month or day for the monthly and daily types. A run that ended early prints the estimates'
    // partial values, the step types' labels only, and nothing else. A design type outside 0..8 or
    // no item prints nothing. The run's result is freed also when an exception passes.
    void OutputLoadSummary(CTreeItem* item);
    // The lines of one day of air-conditioning (heating) loads for the node kind: kinds 0..3 the
    // totals and every element kind, an element kind its own lines, any other kind none. The
    // record's totals are computed first when it has none.
    static void OutputStepLoadSummary(class CCalculate_Result_IsACLoadStepCalculation& result, int kind);
    static void OutputHeatingLoadSummary(class CCalculate_Result_IsHeatingLoadStepCalculation& result,
                                         int kind);

    // --- Load curves ---------------------------------------------------------------------------
    // Calculates the item under the current design type (2 to 8) into records of the command and
    // returns the hourly curves of the node's kind (LoadCurveTables); null for design types 0 and
    // 1, without an item, and when the run was stopped or a room failed.
    std::unique_ptr<class CLoadCurveList> BuildLoadCurves(CTreeItem* item);
    // The command "负荷曲线": the curves of the item shown in the load-curve window, or in the
    // annual chart for the daily cooling type (CLoadCurveDisplayBase); nothing is shown when
    // BuildLoadCurves gives none.
    void ShowLoadCurves(CTreeItem* item);

    // --- Text pages --------------------------------------------------------------------------
    // Appends the line to the last page; a new page is opened when there is none or the last
    // already holds more than 100 lines.
    void AddTextLine(const QString& text);
    void AddBlankLines(int count);
    void ClearTextPages();
    const QList<QStringList>& TextPages() const { return m_textPages; }

private:
    // The structure of the item and its ancestors alone (folders left out), the item's building,
    // storey and room current. Returns the kind of the first node taken (-1 without one); entry
    // receives that node's entry as placed in the structure, null when it is no element or was
    // left out.
    int BuildStructureToNode(CTreeItem* item, const CBaseData*& entry);
    // The item's ancestors and enabled subtree placed with a fresh cursor; the kind as
    // BuildCalcStructure returns it.
    int PlaceItemAndAncestors(CTreeItem* item, int& roomCount);
    void ClearCursor();
    // Makes the storey current with its elevation, as the program places it.
    void EnterStorey(CCalculate_Storey& storey);
    // The entries of the item and its ancestors that are not folders, topmost first, up to the
    // project (not taken); kind receives the code of the first one met, -1 without any.
    static std::vector<std::unique_ptr<CBaseData>> CollectAncestorEntries(CTreeItem* item, int& kind);
    // The manager's own room engine: the early exits, the room context, the dispatch on the design
    // type and the failure path.
    bool CalculateRoomLoadsOwn(CCalculate_Room& room, const CElementDetailCallback& detail);
    // Takes the room's result record and fills the context (path and wet bulb already set); false,
    // with the record reset, for a room the design type does not concern. Raises on a failed query
    // or a value that does not convert.
    bool PrepareRoomContext(RoomCalcContext& context, CCalculate_Room& room);
    void OpenScheduleQueries();

    int m_textLineCount = 0;
    std::vector<std::unique_ptr<CCalculate_Building>> m_buildings;
    CCalculate_MaterialManager m_materialManager;
    std::array<std::unique_ptr<CDbQuery>, 3> m_scheduleQueries;
    std::vector<std::unique_ptr<CScheduleData>> m_schedules;
    std::vector<std::unique_ptr<CDayScheduleData>> m_daySchedules;
    CScheduleDayCache m_scheduleDays;
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
    CCalcLibraryBase* m_calcLibrary = nullptr;
    bool m_designContextApplied = false;
    // Rooms of the estimate types whose indexes are all 0, reported when Calculate ends.
    CEstimateIndexCheck m_indexCheck;

    // Positions of the previous hits, shared by every manager of the program.
    static inline int s_lastSchedule = -1;
    static inline int s_lastDaySchedule = -1;
};
