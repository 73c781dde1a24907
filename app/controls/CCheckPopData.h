#pragma once
#include <array>

// The four output flags of one Building, Storey or Room row as loaded and as edited in the
// output-flag drop-down. Flag index 0 is IsOutputIndoorParameter, 1 IsOutputLoadCalculationParameter,
// 2 and 3 the statistics and hourly-data flags of the design type (heating types 6 to 8 have their
// own). A value is a check state: 0 not printed, 1 printed, and after an edit 2 for a building or
// storey whose children are partly ticked.
struct CCheckPopData
{
    std::array<int, 4> StoredFlags{};
    std::array<int, 4> CurrentFlags{};
    bool Modified = false;

    // Whether the node's own output item is printed: only a full tick prints; a partly ticked
    // building or storey (2) prints only what its ticked children print.
    static bool IsPrinted(int flag) { return flag == 1; }
};
