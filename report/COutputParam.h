#pragma once
#include <QString>
#include <array>
#include <vector>

// One item of the calculation book's output options (one row of table OutputOption): a section,
// a row or a column of the book, switched per design type. A flag is -1 when the item does not
// exist for that design type, 0 off, 1 on and 2 partly on (a parent some of whose items are on);
// an item counts as printed when its flag is above 0.
class COutputParam
{
public:
    static constexpr int DesignTypeCount = 9;
    // The flag columns of table OutputOption, in design-type order 0 to 8.
    static const std::array<const char*, DesignTypeCount>& FlagColumns();

    int ID = 0;
    int FatherID = 0;
    QString OutputOptionName;
    QString Comments;
    std::array<int, DesignTypeCount> OutputFlags{};
    int FirstLine_Count = 0;
    int SecondLine_Count = 0;
    // A flag was changed in memory and is not yet written back.
    bool Changed = false;
    // The items whose FatherID is this item's ID, in ascending ID; owned by the tree.
    std::vector<COutputParam*> Children;

    // The flag of the design type; -1 for a type outside 0..8.
    int Flag(int designType) const;
};
