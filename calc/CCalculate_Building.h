#pragma once
#include "calc/CBaseData.h"
#include "calc/CCalculate_Storey.h"

#include <optional>

// A building of the calculation structure with its storeys in tree order. The result record, when
// a walker gave it one, is lent by the run's result pool.
class CCalculate_Building
{
public:
    explicit CCalculate_Building(const CBaseData& entry) : Entry(entry) {}
    ~CCalculate_Building();
    CCalculate_Building(const CCalculate_Building&) = delete;
    CCalculate_Building& operator=(const CCalculate_Building&) = delete;

    // Deletes the storeys (with their rooms) and gives the result record back.
    void Clear();

    void* Result = nullptr;
    CBaseData Entry;
    // What the room engine reads of the building from the project database, once per run since
    // the database does not change while it runs: the summed height of its above-ground storeys
    // (m) and the number of its storeys.
    std::optional<double> StoredAboveGroundHeight;
    std::optional<int> StoredStoreyCount;
    std::vector<std::unique_ptr<CCalculate_Storey>> Storeys;
};
