#include "bulk/CStoreyRoomSeries.h"

#include "model/CElementBase.h"
#include "model/CNodeData.h"
#include "model/CTreeEdit.h"
#include "platform/core/CTool.h"

#include <QtGlobal>
#include <algorithm>
#include <limits>

namespace {
constexpr int kStoreyType = 2;
constexpr int kRoomType = 3;

int ProgressTotal(qint64 rooms)
{
    return static_cast<int>(std::clamp<qint64>(rooms, 0, std::numeric_limits<int>::max()));
}
} // namespace

bool CStoreyRoomSeries::CreateStoreys(CNodeData& building)
{
    CProgressScope progress(ProgressTotal((qint64(BelowCount) + AboveCount) * RoomCount),
                            QString::fromUtf8(ProgressTitle));
    CTreeEdit edit;
    if (Overwrite && !building.DeleteChildren())
        return false;
    // The base of below-ground storeys is never empty, so they never take the type's own name.
    const QString below = StoreyPrefix + QLatin1Char('-');
    for (int i = 0; i < BelowCount; ++i)
        if (!AddStorey(building, below, true, progress))
            return false;
    for (int i = 0; i < AboveCount; ++i)
        if (!AddStorey(building, StoreyPrefix, false, progress))
            return false;
    edit.Commit();
    return true;
}

bool CStoreyRoomSeries::CreateRooms(CNodeData& storey)
{
    CProgressScope progress(RoomCount, QString::fromUtf8(ProgressTitle));
    CTreeEdit edit;
    if (Overwrite && !storey.DeleteChildren())
        return false;
    if (!AddRooms(storey, progress))
        return false;
    edit.Commit();
    return true;
}

int CStoreyRoomSeries::NumberWidth(int count)
{
    return static_cast<int>(QString::number(count).size());
}

bool CStoreyRoomSeries::AddStorey(CNodeData& building, const QString& name, bool below, CProgressScope& progress)
{
    // A building that refuses storeys is passed over, as a refused element is.
    if (!CNodeData::CanBeChildOf(kStoreyType, &building))
        return true;
    CNodeData* storey = building.CreateChild(kStoreyType, name, nullptr, 0);
    if (!storey)
        return false;
    if (below) {
        CElementBase* element = storey->LoadElement();
        if (!element)
            return false;
        element->SetAttribute(QStringLiteral("IsBelowGroundStorey"), QStringLiteral("1"));
        if (element->UpdateRecord() != 1)
            return false;
    }
    return AddRooms(*storey, progress);
}

bool CStoreyRoomSeries::AddRooms(CNodeData& storey, CProgressScope& progress)
{
    if (!CNodeData::CanBeChildOf(kRoomType, &storey))
        return true;
    const int width = NumberWidth(RoomCount);
    for (int i = 0; i < RoomCount; ++i) {
        CNodeData* room = storey.CreateChild(kRoomType, RoomPrefix, nullptr, width);
        if (!room)
            return false;
        for (const SCommonElement& element : Elements) {
            if (!CNodeData::CanBeChildOf(element.Type, room))
                continue;
            for (int n = 0; n < element.Count; ++n)
                if (!room->CreateChild(element.Type, QString(), nullptr, 0))
                    return false;
        }
        progress.Step();
    }
    return true;
}
