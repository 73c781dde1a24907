// The minimum thermal-resistance check of envelope elements: one library check per kind, the
// verdict as a line of message category 4, and the command that checks the selected element.
#include "calc/ACEnvelopeArgs.h"
#include "calc/CCalMsgOutput.h"
#include "calc/CCalcLibraryBase.h"
#include "calc/CCalculateHostBase.h"
#include "calc/CCalculate_Manager.h"
#include "climate/CLIB_WeatherParameter.h"
#include "library/CLibraryRecords.h"
#include "model/CAdjacentRoomSlab.h"
#include "model/CBasementWall.h"
#include "model/CBlindStorey.h"
#include "model/CFloor.h"
#include "model/CGapWall.h"
#include "model/CGround.h"
#include "model/CInsideWall.h"
#include "model/CNodeData.h"
#include "model/COutsideDoor.h"
#include "model/COutsideWall.h"
#include "model/CProjectionFloor.h"
#include "model/CRoof.h"
#include "model/CRoom.h"
#include "model/CStorey.h"
#include "model/CTreeItem.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <stdint.h>

using ACEnvelope::ElementOf;
using ACEnvelope::RecordOf;

namespace {

constexpr int kStoreyKind = 2;
constexpr int kFolderKind = 30;
constexpr int kWarningIcon = 0;
constexpr int kNoticeStyle = 6;

enum Kind : int
{
    OutsideWall = 9,
    OutsideDoor = 11,
    InsideWall = 13,
    Ceiling = 16,
    Roof = 17,
    BlindStorey = 19,
    Floor = 21,
    Ground = 22,
    ProjectionFloor = 23,
    GapWall = 24,
    BasementWall = 29,
};

const char* KindText(int kind)
{
    switch (kind) {
    case OutsideWall:
        return "外墙";
    case OutsideDoor:
        return "外门";
    case InsideWall:
        return "内墙";
    case Ceiling:
        return "楼板";
    case Roof:
        return "屋顶";
    case BlindStorey:
        return "闷顶";
    case Floor:
        return "地板";
    case Ground:
        return "地面";
    case ProjectionFloor:
        return "悬空地板";
    case GapWall:
        return "缝墙";
    case BasementWall:
        return "地下室外墙";
    default:
        return nullptr;
    }
}

// The room and climate values every check takes, as the library takes them.
struct SRoomInputs
{
    float Tn, Rhn, Tw, TwMin;
    int32_t Industry;
    float StoreyHeight, Gradient;
    int32_t BuildingType;
};

SRoomInputs ReadRoomInputs(const CRoom& room, const CStorey& storey)
{
    const CLIB_WeatherParameter& weather = CLIB_WeatherParameter::Current();
    return {static_cast<float>(room.WinterHeatingTemperature),
            static_cast<float>(room.WinterHeatingRH),
            static_cast<float>(weather.WinterHeatingDesignDrybulbTemperature),
            static_cast<float>(weather.WinterLowestDesignDrybulbTemperature),
            room.IsIndustryBuilding != 0 ? 1 : 0,
            static_cast<float>(storey.StoreyHeight),
            static_cast<float>(room.TemperatureGradient),
            static_cast<int32_t>(room.BuildingType)};
}

// The storeys of the building in the project, folders looked through. A staircase wall's
// allowance depends on the building's height, which must not change with the part of the tree
// the user selected; the structure holds only the selected part.
int32_t StoreyCountOf(const CCalculate_Building& building)
{
    const CNodeData* node = building.Entry.Node;
    if (!node)
        return static_cast<int32_t>(building.Storeys.size());
    int32_t count = 0;
    auto visit = [&count](const CNodeData* parent, auto& self) -> void {
        for (int i = 0; i < parent->ChildCount(); ++i) {
            const CNodeData* child = parent->Child(i);
            if (child->Type() == kStoreyKind)
                ++count;
            else if (child->Type() == kFolderKind)
                self(child, self);
        }
    };
    visit(node, visit);
    return count;
}

template <typename T> T& SubjectElement(const CCalculate_Manager::CheckSubject& subject)
{
    auto* element = dynamic_cast<T*>(subject.Element);
    if (!element)
        throw Exception(QStringLiteral("传热阻校核缺少构件"));
    return *element;
}

template <typename T> const T& SubjectRecord(const CCalculate_Manager::CheckSubject& subject)
{
    const auto* record = dynamic_cast<const T*>(subject.Record);
    if (!record)
        throw Exception(QStringLiteral("传热阻校核缺少构造"));
    return *record;
}

// The library check of the kind; adjacent is the heated neighbour's temperature where the kind
// has one.
uint8_t CallLibrary(CCalcLibraryBase& library, int kind, const SRoomInputs& in, int32_t storeyCount,
                    const CCalculate_Manager::CheckSubject& subject, double k, double d, float adjacent,
                    float& rMin, float& r)
{
    const float fk = static_cast<float>(k), fd = static_cast<float>(d);
    switch (kind) {
    case OutsideWall:
        return library.CheckMinK_OutWall(fk, fd, in.Tn, in.Rhn, in.Tw, in.TwMin, in.Industry, in.StoreyHeight,
                                         in.Gradient, in.BuildingType, &rMin, &r);
    case OutsideDoor:
        // The wall's minimum arrives in the place the door's minimum is written to.
        return library.CheckMinK_OutDoor(rMin, fk, &rMin, &r);
    case InsideWall: {
        const auto& wall = SubjectElement<CInsideWall>(subject);
        return library.CheckMinK_IndoorWall_v2005(fk, fd, in.Tn, in.Rhn, in.Tw, in.TwMin, storeyCount,
                                                  wall.AdjacentRoomStatus_Heating, adjacent, in.Industry,
                                                  in.StoreyHeight, in.Gradient, in.BuildingType, &rMin, &r,
                                                  -static_cast<float>(wall.Winter_NearRoomDeltaT));
    }
    case Ceiling:
    case Floor: {
        const auto& slab = SubjectElement<CAdjacentRoomSlab>(subject);
        const auto check = kind == Ceiling ? &CCalcLibraryBase::CheckMinK_Ceiling_v2005
                                           : &CCalcLibraryBase::CheckMinK_Floor_v2005;
        return (library.*check)(fk, fd, in.Tn, in.Rhn, in.Tw, in.TwMin, slab.AdjacentRoomStatus_Heating,
                                adjacent, in.Industry, in.StoreyHeight, in.Gradient, in.BuildingType, &rMin,
                                &r, static_cast<float>(slab.Temperature_Range));
    }
    case Roof:
        SubjectElement<CRoof>(subject);
        return library.CheckMinK_Roof(fk, fd, in.Tn, in.Rhn, in.Tw, in.TwMin, in.Industry, in.StoreyHeight,
                                      in.Gradient, in.BuildingType, &rMin, &r);
    case BlindStorey: {
        const auto& attic = SubjectElement<CBlindStorey>(subject);
        return library.CheckMinK_BlindStory(
            fk, fd, static_cast<float>(attic.RibHeight), static_cast<float>(attic.RibDistance), in.Tn, in.Rhn,
            in.Tw, in.TwMin, in.Industry, in.StoreyHeight, in.Gradient, in.BuildingType, &rMin, &r);
    }
    case Ground: {
        const auto& record = SubjectRecord<CLIB_Ground>(subject);
        return library.CheckMinK_Ground(static_cast<float>(record.K_W), record.GroundType, in.Tn, in.Rhn,
                                        in.Tw, in.TwMin, in.Industry, in.StoreyHeight, in.Gradient,
                                        in.BuildingType, &rMin, &r);
    }
    case ProjectionFloor:
        SubjectElement<CProjectionFloor>(subject);
        return library.CheckMinK_OutFloor(fk, fd, in.Tn, in.Rhn, in.Tw, in.TwMin, in.Industry,
                                          in.StoreyHeight, in.Gradient, in.BuildingType, &rMin, &r);
    case GapWall: {
        const auto& gap = SubjectElement<CGapWall>(subject);
        return library.CheckMinK_FengWall(fk, fd, in.Tn, in.Rhn, in.Tw, in.TwMin, in.Industry,
                                          in.StoreyHeight, in.Gradient, in.BuildingType, &rMin, &r,
                                          gap.GapWallType);
    }
    case BasementWall: {
        const auto& record = SubjectRecord<CLIB_BasementWall>(subject);
        return library.CheckMinK_BasementWall(
            fk, fd, static_cast<float>(record.K_W), static_cast<float>(record.D), in.Tn, in.Rhn, in.Tw,
            in.TwMin, in.Industry, in.StoreyHeight, in.Gradient, in.BuildingType, &rMin, &r);
    }
    default:
        return 0;
    }
}

QString VerdictLine(const QString& name, int kind, float r, float rMin, bool conforming)
{
    static const QString good =
        QStringLiteral("%1(%2)的传热阻为%3 m^2℃/W，该围护结构的允许最小传热阻为%4 m^2℃/W，符合规范要求。");
    static const QString bad = QStringLiteral("%1(%2)的传热阻为%3 m^2℃/W，该围护结构的允许最小传热阻为%4 "
                                              "m^2℃/W，不符合规范要求，请重新设计该围护结构。");
    return (conforming ? good : bad)
        .arg(name, QString::fromUtf8(KindText(kind)), QString::number(static_cast<double>(r), 'f', 2),
             QString::number(static_cast<double>(rMin), 'f', 2));
}

// The entry of the node as the structure placed it under the current room, null when it was
// left out (its room outside the operating scheme) or is no element.
const CBaseData* PlacedEntry(const CCalculate_Manager& manager, int kind, const CNodeData* node)
{
    CCalculate_Room* room = manager.CurrentRoom();
    if (!room || !node)
        return nullptr;
    auto find = [node](const CBaseDataList& list) -> const CBaseData* {
        for (const auto& entry : list)
            if (entry->Node == node)
                return entry.get();
        return nullptr;
    };
    auto single = [node](const std::unique_ptr<CBaseData>& entry) -> const CBaseData* {
        return entry && entry->Node == node ? entry.get() : nullptr;
    };
    switch (kind) {
    case 4:
        return single(room->People);
    case 5:
        return single(room->Lighting);
    case OutsideWall:
        for (const auto& wall : room->OutsideWalls)
            if (single(wall->Wall))
                return wall->Wall.get();
        return nullptr;
    case 10:
    case OutsideDoor:
        if (const CCalculate_OutsideWall* wall = manager.CurrentOutsideWall())
            return find(kind == 10 ? wall->Windows : wall->Doors);
        return nullptr;
    case InsideWall:
        for (const auto& wall : room->InsideWalls)
            if (single(wall->Wall))
                return wall->Wall.get();
        return nullptr;
    case 14:
    case 15:
        if (const CCalculate_InsideWall* wall = manager.CurrentInsideWall())
            return find(kind == 14 ? wall->Windows : wall->Doors);
        return nullptr;
    case Roof:
        for (const auto& roof : room->Roofs)
            if (single(roof->Roof))
                return roof->Roof.get();
        return nullptr;
    case 18:
        if (const CCalculate_Roof* roof = manager.CurrentRoof())
            return find(roof->SkyWindows);
        return nullptr;
    default:
        return CCalculate_Room::ElementListIndex(kind) >= 0 ? find(room->Elements(kind)) : nullptr;
    }
}

} // namespace

bool CCalculate_Manager::CheckMinResistance(int kind, const CCalculate_Building& building,
                                            const CCalculate_Storey& storey, CCalculate_Room& room,
                                            const CheckSubject& subject, double k, double d, float& rMin,
                                            float& r, const QString& name)
{
    if (!KindText(kind))
        return false;
    ComputeElementArea(room.Entry);
    const CRoom& roomElement = ElementOf<CRoom>(room.Entry);
    const CStorey& storeyElement = ElementOf<CStorey>(storey.Entry);

    if (kind == Ground && SubjectRecord<CLIB_Ground>(subject).K_W <= 0.0) {
        if (CTool::Exists())
            CTool::Current().ShowMessageBox(QStringLiteral("警告"),
                                            QStringLiteral("地面相关系数勿设为零，请修正！"), kNoticeStyle,
                                            kWarningIcon);
        return true;
    }

    double adjacent = 0.0;
    if (kind == InsideWall || kind == Ceiling || kind == Floor) {
        CElementBase* element = subject.Element;
        const auto* node = element ? dynamic_cast<const CNodeData*>(element->Node) : nullptr;
        if (!GetAdjacentRoom(kind, &building, &storey, element, node ? node->TreeItem() : nullptr, adjacent))
            return false;
    }

    const SRoomInputs inputs = ReadRoomInputs(roomElement, storeyElement);
    const int32_t storeys = kind == InsideWall ? StoreyCountOf(building) : 0;
    const bool conforming = CallLibrary(CalcLibrary(), kind, inputs, storeys, subject, k, d,
                                        static_cast<float>(adjacent), rMin, r) != 0;
    CCalculateHostBase::PostOutputLine(4, VerdictLine(name, kind, r, rMin, conforming));
    return conforming;
}

int CCalculate_Manager::BuildStructureToNode(CTreeItem* item, const CBaseData*& entry)
{
    entry = nullptr;
    if (CCalMsgOutput* progress = CCalMsgOutput::GetCurrent())
        progress->SetCalcMessage(QStringLiteral("正在生成处理结构"));
    ClearCursor();
    int kind = -1;
    int rooms = 0;
    std::vector<std::unique_ptr<CBaseData>> chain = CollectAncestorEntries(item, kind);
    const CNodeData* taken = chain.empty() ? nullptr : chain.back()->Node;
    for (std::unique_ptr<CBaseData>& link : chain)
        AddNode(std::move(link), rooms);
    entry = PlacedEntry(*this, kind, taken);
    return kind;
}

namespace {

// The construction of the element's kind; null when it is missing (the material cache has told
// the user).
template <typename TElement, typename TRecord>
const TRecord* ElementRecord(CCalculate_Manager& manager, const CBaseData& entry, TElement*& element)
{
    element = &ElementOf<TElement>(entry);
    return RecordOf<TRecord>(manager, TRecord::Kind, entry, element->material_id);
}

} // namespace

void CCalculate_Manager::CheckMinThermalResistance(CTreeItem* item)
{
    const CBaseData* entry = nullptr;
    const int kind = BuildStructureToNode(item, entry);
    if (!entry || kind == Ceiling || !KindText(kind))
        return;
    ComputeElementArea(*entry);
    const CCalculate_Building& building = *CurrentBuilding();
    const CCalculate_Storey& storey = *CurrentStorey();
    CCalculate_Room& room = *CurrentRoom();
    float rMin = 0, r = 0;

    // Kinds with a layered construction, checked with its K_W and D.
    auto layered = [&](auto* element, auto* record, bool withElement) {
        if (!record)
            return;
        CheckMinResistance(kind, building, storey, room, {withElement ? element : nullptr, nullptr},
                           record->K_W, record->D, rMin, r, element->MaterialName);
    };
    switch (kind) {
    case OutsideWall: {
        COutsideWall* wall = nullptr;
        const auto* record = ElementRecord<COutsideWall, CLIB_OutsideWall>(*this, *entry, wall);
        layered(wall, record, false);
        return;
    }
    case OutsideDoor: {
        COutsideDoor* door = nullptr;
        const auto* record = ElementRecord<COutsideDoor, CLIB_OutsideDoor>(*this, *entry, door);
        const CCalculate_OutsideWall* wallEntry = CurrentOutsideWall();
        if (!record || !wallEntry)
            return;
        // The door's allowance is a share of its wall's minimum: the wall is worked out as the heating
        // calculation does before its doors, but its verdict is not asked for and gets no line.
        COutsideWall* wall = nullptr;
        const auto* wallRecord = ElementRecord<COutsideWall, CLIB_OutsideWall>(*this, *wallEntry->Wall, wall);
        if (!wallRecord)
            return;
        ComputeElementArea(room.Entry);
        const SRoomInputs inputs =
            ReadRoomInputs(ElementOf<CRoom>(room.Entry), ElementOf<CStorey>(storey.Entry));
        float wallR = 0;
        CallLibrary(CalcLibrary(), OutsideWall, inputs, 0, {}, wallRecord->K_W, wallRecord->D, 0.0f, rMin,
                    wallR);
        CheckMinResistance(kind, building, storey, room, {}, record->K_W, 0.0, rMin, r, door->MaterialName);
        return;
    }
    case InsideWall: {
        CInsideWall* wall = nullptr;
        layered(wall, ElementRecord<CInsideWall, CLIB_InsideWall>(*this, *entry, wall), true);
        return;
    }
    case Roof: {
        CRoof* roof = nullptr;
        layered(roof, ElementRecord<CRoof, CLIB_Roof>(*this, *entry, roof), true);
        return;
    }
    case BlindStorey: {
        CBlindStorey* attic = nullptr;
        layered(attic, ElementRecord<CBlindStorey, CLIB_BlindStorey>(*this, *entry, attic), true);
        return;
    }
    case Floor: {
        CFloor* floor = nullptr;
        layered(floor, ElementRecord<CFloor, CLIB_Floor>(*this, *entry, floor), true);
        return;
    }
    case ProjectionFloor: {
        CProjectionFloor* floor = nullptr;
        layered(floor, ElementRecord<CProjectionFloor, CLIB_ProjectionFloor>(*this, *entry, floor), true);
        return;
    }
    case GapWall: {
        CGapWall* gap = nullptr;
        layered(gap, ElementRecord<CGapWall, CLIB_GapWall>(*this, *entry, gap), true);
        return;
    }
    case Ground: {
        CGround* ground = nullptr;
        if (const auto* record = ElementRecord<CGround, CLIB_Ground>(*this, *entry, ground))
            CheckMinResistance(kind, building, storey, room, {nullptr, record}, 0.0, 0.0, rMin, r,
                               ground->MaterialName);
        return;
    }
    case BasementWall: {
        CBasementWall* wall = nullptr;
        if (const auto* record = ElementRecord<CBasementWall, CLIB_BasementWall>(*this, *entry, wall))
            CheckMinResistance(kind, building, storey, room, {nullptr, record}, 0.0, 0.0, rMin, r,
                               wall->MaterialName);
        return;
    }
    default:
        return;
    }
}
