#pragma once
#include <QString>
#include <vector>

class CNodeData;
class CProgressScope;

// Storeys and rooms made in series under a building or a storey. Below-ground storeys are named
// StoreyPrefix + "-" + number and marked IsBelowGroundStorey, above-ground ones StoreyPrefix +
// number; rooms RoomPrefix + number, zero-padded to the digits of RoomCount. Every number is the
// first free one, so gaps are filled first. Every new room gets the common elements, in the order
// given, each named after its type with the first free number; a type the tree does not allow
// under a room is left out. An empty prefix is the type's own name.
//
// A run is one edit: when a step fails nothing of it stays, neither rows nor nodes (the children
// that overwriting deleted included), and the run returns false. The CTool progress window counts
// the rooms made.
class CStoreyRoomSeries
{
public:
    struct SCommonElement
    {
        int Type;
        int Count;
    };

    QString StoreyPrefix;
    int BelowCount = 0;
    int AboveCount = 0;
    QString RoomPrefix;
    int RoomCount = 0;
    // Delete every child of the building or storey, whatever its type, before making the new ones.
    bool Overwrite = false;
    std::vector<SCommonElement> Elements;

    static constexpr const char* ProgressTitle = "数据创建中，请稍候...";

    // BelowCount + AboveCount storeys under the building, each with RoomCount rooms.
    bool CreateStoreys(CNodeData& building);
    // RoomCount rooms under the storey.
    bool CreateRooms(CNodeData& storey);
    // Digits of the count in decimal: the width of the room numbers.
    static int NumberWidth(int count);

private:
    bool AddStorey(CNodeData& building, const QString& name, bool below, CProgressScope& progress);
    bool AddRooms(CNodeData& storey, CProgressScope& progress);
};
