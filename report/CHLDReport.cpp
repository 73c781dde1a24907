#include "report/CHLDReport.h"

#include "calc/CCalMsgOutput.h"
#include "calc/CCalculateHostBase.h"
#include "calc/CCalculate_Manager.h"
#include "climate/CLIB_WeatherParameter.h"
#include "model/CBuilding.h"
#include "model/CMaterialParamNameList.h"
#include "model/CNodeData.h"
#include "model/CProjectData.h"
#include "model/CRoom.h"
#include "model/CStorey.h"
#include "platform/core/CProgramFolder.h"
#include "report/engine/CQORReport.h"

#include <cmath>
#include <cstring>

namespace {
constexpr int kHours = 24;
constexpr float kKcalPerW = 0.8598452f;
constexpr int kProjectKind = 99;
constexpr int kOtherLoads = 28;
constexpr int kRoomUseLibrary = 16;

// Columns of the row.
constexpr int kSourceName = 3, kLong = 4, kWide = 5, kArea = 6, kFirstParameter = 7, kFirstPeak = 12;
constexpr int kQTotal = 17, kQg = 19;
constexpr int kRoomData = 20, kRoomBase = 26, kStoreyArea = 42, kStoreyBase = 43, kBuildingArea = 59,
              kBuildingBase = 60, kProjectText = 76, kProjectArea = 77, kProjectBase = 78;

const char* const kDirections[] = {"\n[水平]", "\n[南]", "\n[西南]", "\n[西]", "\n[西北]",
                                   "\n[北]",   "\n[东北]", "\n[东]",   "\n[东南]"};

QString Fixed2(double value)
{
    return QString::asprintf("%.2f", value);
}

int IntAttribute(const CElementBase& element, const char* name)
{
    return static_cast<int>(element.GetAttribute(QString::fromLatin1(name)).toDouble());
}

void AddTable(CHLDReport::HourTable& sums, const CHLDReport::HourTable& table)
{
    for (int row = 0; row < CHLDReport::HourRows; ++row)
        for (int hour = 0; hour < kHours; ++hour)
            sums[row][hour] += table[row][hour];
}

void Clear(CHLDReport::HourTable& table)
{
    std::memset(table, 0, sizeof table);
}

bool WallLike(int kind)
{
    return kind == 9 || kind == 10 || kind == 11 || kind == 12 || kind == 13 || kind == 24;
}

// People in the room (whole part) and its outdoor air (m³/h) by the room's input types; 0 where
// the input type or its condition gives none.
int PeopleCount(const CRoom& room)
{
    switch (room.InputTypeofPeopleDensity) {
    case 0: return static_cast<int>(room.PeopleDensity * room.Area);
    case 1: return room.PeopleDensity > 0 ? static_cast<int>(room.Area / room.PeopleDensity) : 0;
    case 2: return room.Area > 0 ? static_cast<int>(room.PeopleDensity) : 0;
    default: return 0;
    }
}

float OutdoorAir(const CRoom& room)
{
    switch (room.InputTypeofOutsideAirSupply) {
    case 0: return static_cast<float>(room.OutsideAirSupply * room.PeopleDensity * room.Area);
    case 1: return static_cast<float>(room.OutsideAirSupply * room.Area);
    case 2: return static_cast<float>(room.OutsideAirSupply);
    case 3: return static_cast<float>(room.OutsideAirSupply * room.Area * room.Height);
    default: return 0;
    }
}

template <typename T> T* ElementOf(const CBaseData& entry)
{
    return dynamic_cast<T*>(entry.GetElement());
}
} // namespace

const QStringList& CHLDReport::FieldNames()
{
    static const QStringList names = [] {
        QStringList list = {QStringLiteral("BuildingName"), QStringLiteral("FloorName"), QStringLiteral("RoomName"),
                            QStringLiteral("SourceName"),   QStringLiteral("Long"),      QStringLiteral("Wide"),
                            QStringLiteral("Area"),         QStringLiteral("K"),         QStringLiteral("α"),
                            QStringLiteral("Xch"),          QStringLiteral("Xf"),        QStringLiteral("Xm")};
        const QStringList peaks = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                                   QStringLiteral("5"), QStringLiteral("总"), QStringLiteral("6"), QStringLiteral("g")};
        const auto addPeaks = [&](const QString& prefix) {
            for (const QString& suffix : peaks)
                list << prefix + suffix;
        };
        addPeaks(QStringLiteral("Q"));
        list << QStringLiteral("OutsideTemperature") << QStringLiteral("InsidTemperature")
             << QStringLiteral("RoomDempness") << QStringLiteral("PeopleNumber") << QStringLiteral("NewWind")
             << QStringLiteral("RArea");
        addPeaks(QStringLiteral("RoomQ"));
        addPeaks(QStringLiteral("AreaQ"));
        list << QStringLiteral("FArea");
        addPeaks(QStringLiteral("FloorQ"));
        addPeaks(QStringLiteral("FAreaQ"));
        list << QStringLiteral("BArea");
        addPeaks(QStringLiteral("BQ"));
        addPeaks(QStringLiteral("BAQ"));
        list << QStringLiteral("Toal") << QStringLiteral("ToalA");
        addPeaks(QStringLiteral("Toal"));
        addPeaks(QStringLiteral("ToalA"));
        return list;
    }();
    return names;
}

std::unique_ptr<CHeatingLoadBookBase> CHeatingLoadBookBase::Create()
{
    return Maker() ? Maker()() : std::make_unique<CHLDReport>();
}

CHLDReport::CHLDReport() : m_report(std::make_unique<CQORReport>()) {}

CHLDReport::~CHLDReport() = default;

float CHLDReport::PeakOf24(const float* values)
{
    float peak = 0;
    for (int hour = 0; hour < kHours; ++hour)
        if (std::fabs(values[hour]) > std::fabs(peak))
            peak = values[hour];
    return peak;
}

std::array<float, CHLDReport::HourRows> CHLDReport::LevelPeaks(const HourTable& sums, bool kcal)
{
    std::array<float, HourRows> peaks{};
    for (int row = 0; row < HourRows; ++row) {
        float peak = sums[row][0];
        for (int hour = 1; hour < kHours; ++hour)
            if (std::fabs(sums[row][hour]) >= std::fabs(peak))
                peak = sums[row][hour];
        peaks[static_cast<size_t>(row)] = kcal ? peak * kKcalPerW : peak;
    }
    return peaks;
}

void CHLDReport::WriteSummary(CRptRecord& row, const HourTable& sums, int base, double x) const
{
    const std::array<float, HourRows> peaks = LevelPeaks(sums, m_kcal);
    for (int r = 0; r < HourRows; ++r) {
        row.Texts[static_cast<size_t>(base + r)] = Fixed2(peaks[static_cast<size_t>(r)]);
        if (x != 0)
            row.Texts[static_cast<size_t>(base + HourRows + r)] = Fixed2(peaks[static_cast<size_t>(r)] / x);
    }
}

void CHLDReport::WriteRoomData(CRptRecord& row, const CElementBase& element) const
{
    const double outdoor =
        CLIB_WeatherParameter::Exists() ? CLIB_WeatherParameter::Current().WinterHeatingDesignDrybulbTemperature : 0;
    row.Texts[kRoomData] = QString::number(outdoor);
    row.Texts[kRoomData + 1] = element.GetAttribute(QStringLiteral("WinterHeatingTemperature"));
    row.Texts[kRoomData + 2] = element.GetAttribute(QStringLiteral("WinterHeatingRH"));
    if (const auto* room = dynamic_cast<const CRoom*>(&element)) {
        row.Texts[kRoomData + 3] = QString::number(PeopleCount(*room));
        row.Texts[kRoomData + 4] = QString::number(OutdoorAir(*room));
    }
    row.Texts[kRoomData + 5] = element.GetAttribute(QStringLiteral("Area"));
}

void CHLDReport::WriteRow(CElementBase* element, const float* p, HourTable& table, const float* a, const float* b,
                          double x, int kind)
{
    // Two decimals cut toward zero, the small lift carrying 2.999999 over to 3.
    for (auto& row : table)
        for (float& value : row)
            value = static_cast<float>(std::trunc((static_cast<double>(value) + 0.000005) * 100) * 0.01);

    const bool summary = kind == 1 || kind == 2 || kind == 3 || kind == kProjectKind;
    CRptRecord scratch;
    CRptRecord* row = &scratch;
    if (summary) {
        if (m_current)
            row = m_current;
    } else if (RoomSelected) {
        m_rows.push_back(std::make_unique<CRptRecord>());
        m_current = row = m_rows.back().get();
        row->Texts[0] = BuildingLabel;
        row->Texts[1] = StoreyLabel;
        row->Texts[2] = RoomLabel;
    }
    auto& texts = row->Texts;

    if (!summary && element) {
        m_elementState = 3;
        for (int hour = 0; hour < kHours; ++hour) {
            table[4][hour] = b[hour];
            table[7][hour] = a[hour] + b[hour];
        }
        if (kind == kOtherLoads) {
            for (int column = kFirstParameter; column <= 18; ++column)
                texts[static_cast<size_t>(column)] = QStringLiteral("0");
            for (int r = 0; r <= 6; ++r)
                std::fill(table[r], table[r] + kHours, 0.0f);
            std::copy(a, a + kHours, table[5]);
            std::copy(a, a + kHours, table[7]);
            texts[kQTotal] = Fixed2(PeakOf24(a));
            texts[kQg] = Fixed2(PeakOf24(a));
        } else {
            texts[kWide] = element->GetAttribute(WallLike(kind) ? QStringLiteral("Height") : QStringLiteral("Width"));
            texts[kSourceName] = element->Name;
            texts[kLong] = element->GetAttribute(QStringLiteral("Length"));
            texts[kArea] = element->GetAttribute(QStringLiteral("Area"));
            const bool between = kind == 13 || kind == 14 || kind == 15 || kind == 16 || kind == 21;
            if (between) {
                const int t = (kind == 14 || kind == 15) ? static_cast<int>(p[6])
                                                         : IntAttribute(*element, "TransHeat_Between");
                for (int hour = 0; hour < kHours; ++hour) {
                    table[5][hour] = t == 1 ? 0.0f : a[hour];
                    table[6][hour] = t == 1 ? a[hour] : 0.0f;
                    if (t == 1 && (kind == 16 || kind == 21)) {
                        m_storeySums[5][hour] += a[hour];
                        m_storeySums[6][hour] -= a[hour];
                    }
                }
            } else {
                for (int hour = 0; hour < kHours; ++hour) {
                    table[5][hour] = a[hour] + b[hour];
                    table[6][hour] = 0;
                }
            }
            for (int i = 1; i <= 5; ++i)
                texts[static_cast<size_t>(kFirstParameter + i - 1)] = Fixed2(p[i]);
            for (int r = 0; r < HourRows; ++r)
                texts[static_cast<size_t>(kFirstPeak + r)] = Fixed2(PeakOf24(table[r]));
        }
        AddTable(m_roomSums, table);
        AddTable(m_storeySums, table);
        AddTable(m_buildingSums, table);
        AddTable(m_projectSums, table);
    }
    Clear(table);

    const auto addDirection = [&] {
        if (m_direction >= 0 && m_direction <= 8)
            texts[kSourceName] += QString::fromUtf8(kDirections[m_direction]);
    };
    switch (kind) {
    case 1:
        texts[kBuildingArea] = Fixed2(x);
        WriteSummary(*row, m_buildingSums, kBuildingBase, x);
        break;
    case 2:
        texts[kStoreyArea] = Fixed2(x);
        WriteSummary(*row, m_storeySums, kStoreyBase, x);
        break;
    case 3:
        m_elementState = -1;
        if (element)
            WriteRoomData(*row, *element);
        WriteSummary(*row, m_roomSums, kRoomBase, x);
        break;
    case 9:
    case 17:
        m_direction = IntAttribute(*element, "Direction");
        addDirection();
        break;
    case 10:
    case 11:
        addDirection();
        break;
    case 18:
        m_direction = static_cast<int>(p[6]);
        addDirection();
        break;
    case kOtherLoads:
        texts[kSourceName] = QStringLiteral("其他");
        break;
    case kProjectKind:
        texts[kProjectText] =
            m_failedRooms.isEmpty() ? QStringLiteral("大楼汇总") : QStringLiteral("大楼汇总(不完整)");
        texts[kProjectArea] = Fixed2(x);
        WriteSummary(*row, m_projectSums, kProjectBase, x);
        break;
    default:
        break;
    }
}

void CHLDReport::AddFailedRoom(const QString& caption)
{
    m_failedRooms << caption;
    m_rows.push_back(std::make_unique<CRptRecord>());
    m_current = m_rows.back().get();
    m_current->Texts[0] = BuildingLabel;
    m_current->Texts[1] = StoreyLabel;
    m_current->Texts[2] = RoomLabel;
    m_current->Texts[kSourceName] = QStringLiteral("计算失败，汇总不完整");
    m_projectState = 99;
}

CQORReport* CHLDReport::BuildReport(CCalculate_Manager& manager)
{
    if (CCalMsgOutput* progress = CCalMsgOutput::GetCurrent())
        progress->SetCalcMessage(QStringLiteral("正在处理热负荷计算书"));
    m_kcal = CProjectData::Exists() && CProjectData::Current().Unit != 0;
    m_report->LoadReportTemplate(CProgramFolder::Resolve(QStringLiteral("lib\\Report\\HLOutput.grf")));
    for (const QString& name : FieldNames())
        m_report->AddReportField(name);
    m_report->m_PageBreakFlag = false;
    m_report->m_Landscape = true;

    Clear(m_projectSums);
    float totalArea = 0;
    CElementBase* lastBuilding = nullptr;
    float p[7]{};
    HourTable zero{};
    float none[kHours]{};
    const CElementDetailCallback rowWriter = [this](CElementBase* element, float* rates, float (*blocks)[24],
                                                    float* loads, float* extra, int, double factor) {
        WriteRow(element, rates, *reinterpret_cast<HourTable*>(blocks), loads, extra, factor,
                 element ? element->Type() : -1);
    };
    bool stopped = false;
    for (const auto& building : manager.Buildings()) {
        if (stopped)
            break;
        m_buildingState = 0;
        manager.SetCurrentBuilding(building.get());
        manager.ComputeElementArea(building->Entry);
        BuildingLabel = building->Entry.Caption + QStringLiteral("总计");
        Clear(m_buildingSums);
        CBuilding* buildingElement = ElementOf<CBuilding>(building->Entry);
        for (const auto& storey : building->Storeys) {
            if (stopped)
                break;
            m_storeyState = 0;
            manager.SetCurrentStorey(storey.get());
            manager.ComputeElementArea(storey->Entry);
            const CCalculateHostBase* host = CCalculateHostBase::GetCurrent();
            manager.SetStoreyElevation(host && storey->Entry.Node ? host->GetElevation(*storey->Entry.Node) : 0.0);
            StoreyLabel = storey->Entry.Caption + QLatin1Char('/') + building->Entry.Caption + QStringLiteral("小计");
            Clear(m_storeySums);
            for (const auto& room : storey->Rooms) {
                m_elementState = -1;
                manager.SetCurrentRoom(room.get());
                manager.ComputeElementArea(room->Entry);
                CRoom* roomElement = ElementOf<CRoom>(room->Entry);
                const QString use = roomElement && CMaterialParamNameList::Exists()
                                        ? CMaterialParamNameList::Current().GetNameById(kRoomUseLibrary,
                                                                                        roomElement->RoomUse)
                                        : QString();
                RoomLabel = room->Entry.Caption + QStringLiteral("\n[") + use + QLatin1Char(']');
                Clear(m_roomSums);
                RoomSelected = roomElement && roomElement->bOutputHL != 0;
                if (!manager.CalculateRoomLoads(*room, rowWriter)) {
                    // Also a stop of the user: what was summed so far is kept and marked incomplete.
                    AddFailedRoom(room->Entry.Caption);
                    stopped = true;
                    break;
                }
                if (RoomSelected && m_elementState == 3) {
                    WriteRow(roomElement, p, zero, none, none, roomElement->Area, 3);
                    m_storeyState = 2;
                    m_buildingState = 1;
                    m_projectState = 99;
                }
                room->Clear();
                if (room->Entry.Node)
                    room->Entry.Node->ReleaseElements(true, true);
            }
            if (m_storeyState == 2)
                WriteRow(storey->Entry.GetElement(), p, zero, none, none,
                         ElementOf<CStorey>(storey->Entry) ? ElementOf<CStorey>(storey->Entry)->GetIndexArea(-1) : 0,
                         2);
        }
        const double buildingArea = buildingElement ? buildingElement->GetIndexArea(-1) : 0.0;
        if (m_buildingState == 1)
            WriteRow(buildingElement, p, zero, none, none, buildingArea, 1);
        m_buildingState = -1;
        totalArea += static_cast<float>(buildingArea);
        lastBuilding = buildingElement;
    }
    if (m_projectState == 99) {
        WriteRow(lastBuilding, p, zero, none, none, totalArea, kProjectKind);
        Clear(m_projectSums);
        FillReport();
    }
    return m_report.get();
}

void CHLDReport::FillReport()
{
    for (int row = 0; row < RowCount(); ++row)
        for (int column = 0; column < CRptRecord::FieldCount; ++column)
            m_report->SetReportCell(row, column, m_rows[static_cast<size_t>(row)]->Texts[static_cast<size_t>(column)]);
    m_report->PreviewReport();
}
