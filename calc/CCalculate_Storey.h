#pragma once
#include "calc/CBaseData.h"
#include "calc/CCalculate_Room.h"

// A storey of the calculation structure with its rooms in tree order. The result record, when a
// walker gave it one, is lent by the run's result pool.
class CCalculate_Storey
{
public:
    explicit CCalculate_Storey(const CBaseData& entry) : Entry(entry) {}
    ~CCalculate_Storey();
    CCalculate_Storey(const CCalculate_Storey&) = delete;
    CCalculate_Storey& operator=(const CCalculate_Storey&) = delete;

    // Deletes the rooms and gives the result record back.
    void Clear();

    void* Result = nullptr;
    CBaseData Entry;
    std::vector<std::unique_ptr<CCalculate_Room>> Rooms;
};
