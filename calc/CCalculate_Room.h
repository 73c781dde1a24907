#pragma once
#include "calc/CBaseData.h"
#include "calc/CCalculate_InsideWall.h"
#include "calc/CCalculate_OutsideWall.h"
#include "calc/CCalculate_Roof.h"

#include <array>

// A room of the calculation structure: its own entry, its result record (lent by the run's result
// pool), its people and lighting entries, one list per further element kind, and its roofs and
// walls with their openings. Everything but the result belongs to the room.
class CCalculate_Room
{
public:
    static constexpr int ElementListCount = 16;
    // The element kind of each list, in list order: heating, electronic and electric equipment,
    // food, evaporating water, infiltration, other loads, ceiling, floor, projection floor, glass
    // curtain wall, glass roof, ground, basement wall, gap wall, blind storey.
    static constexpr std::array<int, ElementListCount> ElementListKinds = {6,  7,  8,  25, 26, 27, 28, 16,
                                                                           21, 23, 12, 20, 22, 29, 24, 19};

    explicit CCalculate_Room(const CBaseData& entry) : Entry(entry) {}
    ~CCalculate_Room();
    CCalculate_Room(const CCalculate_Room&) = delete;
    CCalculate_Room& operator=(const CCalculate_Room&) = delete;

    // Position of the kind's list, -1 for a kind that has none.
    static int ElementListIndex(int kind);
    // The list of the kind; raises Exception for a kind without a list.
    CBaseDataList& Elements(int kind);
    const CBaseDataList& Elements(int kind) const;

    // Frees the element lists, roofs and walls and gives the result record back (the people and
    // lighting entries stay until the room is destroyed).
    void Clear();

    CBaseData Entry;
    void* Result = nullptr;
    std::unique_ptr<CBaseData> People;
    std::unique_ptr<CBaseData> Lighting;
    std::array<CBaseDataList, ElementListCount> ElementLists;
    std::vector<std::unique_ptr<CCalculate_Roof>> Roofs;
    std::vector<std::unique_ptr<CCalculate_InsideWall>> InsideWalls;
    std::vector<std::unique_ptr<CCalculate_OutsideWall>> OutsideWalls;
};
