// The hourly load data section of the calculation book: the hour-by-hour loads of the flagged
// buildings, storeys and rooms, for the design types with hourly results.
#include "report/CCalculationBook.h"

#include "calc/CCalMsgOutput.h"
#include "calc/CCalResultBuffer.h"
#include "calc/CCalculate_Building.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Result_IsACLoadIntelligentEstimation.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CCalculate_Result_IsHeatingLoadStepCalculation.h"
#include "calc/CIndexArea.h"
#include "calc/ResultByType.h"
#include "calc/SeriesStatistics.h"
#include "model/CBuilding.h"
#include "model/CNodeData.h"
#include "model/CProjectData.h"
#include "model/CRoom.h"
#include "model/CStorey.h"
#include "model/TInitalizationManage.h"
#include "report/CHourlyLoadTable.h"
#include "report/COutputParams.h"
#include "report/engine/CQORReport.h"

namespace {
constexpr int kHours = 24;
constexpr int kIntelligentType = 2;
constexpr int kDetailedType = 3;
constexpr int kCoolingIndexArray = 8;
constexpr int kHeatingIndexArray = 17;

template <typename Element> bool HourlyFlag(const Element* element, int designType)
{
    if (!element)
        return false;
    return (designType >= 6 ? element->HIsOutputLoadHourlyData : element->IsOutputLoadHourlyData) != 0;
}

bool OneIndexArea()
{
    return TInitalizationManage::Current().GetInitValue(QStringLiteral("AreaTypeForCalIndex")).trimmed().toInt() == 1;
}

// The hourly arrays of a single-record result of design type 2 or 3.
float (*HourlyArrays(void* result, int designType))[kHours]
{
    if (designType == kIntelligentType)
        return static_cast<CCalculate_Result_IsACLoadIntelligentEstimation*>(result)->Hourly;
    return static_cast<CCalculate_Result_IsACLoadCalculation*>(result)->Hourly;
}

// Index arrays 8 and 17: the total cooling and heating loads per square metre of the areas; an
// area too small to divide by gives 0.
void SetIndexArrays(void* result, int designType, double coolingArea, double heatingArea)
{
    float(*hourly)[kHours] = HourlyArrays(result, designType);
    const double smallest = designType == kIntelligentType ? 1e-15 : 0.0;
    for (int h = 0; h < kHours; ++h) {
        hourly[kCoolingIndexArray][h] =
            coolingArea > smallest ? static_cast<float>(hourly[0][h] / coolingArea) : 0.0f;
        hourly[kHeatingIndexArray][h] =
            heatingArea > smallest ? static_cast<float>(hourly[9][h] / heatingArea) : 0.0f;
    }
}

// Adds the room's result into a storey's or building's, step by step for the step types.
void AddHourly(void* total, void* member, int designType)
{
    switch (designType) {
    case 2:
        static_cast<CCalculate_Result_IsACLoadIntelligentEstimation*>(total)->Add(
            *static_cast<CCalculate_Result_IsACLoadIntelligentEstimation*>(member));
        break;
    case 3:
        static_cast<CCalculate_Result_IsACLoadCalculation*>(total)->Add(
            *static_cast<CCalculate_Result_IsACLoadCalculation*>(member));
        break;
    case 4:
    case 5:
        for (int i = 0; i < ResultStepCount(designType); ++i)
            static_cast<CCalculate_Result_IsACLoadStepCalculation*>(total)[i].Add(
                static_cast<CCalculate_Result_IsACLoadStepCalculation*>(member)[i]);
        break;
    case 7:
    case 8:
        for (int i = 0; i < ResultStepCount(designType); ++i)
            static_cast<CCalculate_Result_IsHeatingLoadStepCalculation*>(total)[i].Add(
                static_cast<CCalculate_Result_IsHeatingLoadStepCalculation*>(member)[i]);
        break;
    default:
        break;
    }
}

// The record of step i of a step-type result, and the array its peak is searched in.
void* StepRecord(void* result, int designType, int step)
{
    if (designType == 4 || designType == 5)
        return &static_cast<CCalculate_Result_IsACLoadStepCalculation*>(result)[step];
    return &static_cast<CCalculate_Result_IsHeatingLoadStepCalculation*>(result)[step];
}

const float* StepPeakArray(void* record, int designType)
{
    if (designType == 4 || designType == 5)
        return static_cast<CCalculate_Result_IsACLoadStepCalculation*>(record)->Hourly[10];
    return static_cast<CCalculate_Result_IsHeatingLoadStepCalculation*>(record)->Hourly[0];
}

int PeakHour(const float* values)
{
    return std::max(0, FindPeakIndex(values, kHours, 0));
}
} // namespace

CQORReport* CCalculationBook::BuildHourlyLoadSection()
{
    if (!m_options.IsOutput(310))
        return nullptr;
    Progress(QStringLiteral("正在处理负荷逐时数据"));
    const int designType = CurrentDesignType();
    const CProjectData& project = CProjectData::Current();
    const bool printAllBuildings = CHourlyLoadTable::RegistryValue("PrintAllBuilding") != 0;
    const bool detailed = designType == kDetailedType;
    const bool stepType = designType == 4 || designType == 5 || designType == 7 || designType == 8;

    CQORReport* section = detailed ? NewSectionReport("", "DetailedCal")
                                   : NewSectionReport("lib/Report/AirConditionLoadDetailedData.grf", "DetailedCal");
    // 24 hour columns do not fit a portrait page whatever the setting.
    section->m_Landscape = true;
    if (!detailed) {
        section->AddReportField(QStringLiteral("Name")).AddReportField(QStringLiteral("Field2"));
        for (int h = 0; h < kHours; ++h)
            section->AddReportField(QStringLiteral("%1:00").arg(h));
    }
    if (designType != kIntelligentType && !detailed && !stepType)
        return section;
    if (stepType)
        section->AddReportField(QStringLiteral("MaxValue")).AddReportField(QStringLiteral("MaxTime"));

    const auto steps = ChosenSteps(designType, project.MonthCheck, project.DayCheck);
    if (stepType && steps.empty())
        return nullptr;

    CHourlyLoadTable table(
        *section, designType, [this](const char* path) { return NewReport(path); },
        [this](int option) { ReportUnhandledOption(option); });
    const bool oneArea = OneIndexArea();
    CHourlyLoadTable::Hours hours{};

    // The tables of one node: its index arrays (from the areas given) and totals first for the
    // single-record types, one table per chosen step for the others.
    auto writeNode = [&](void* result, const QString& title, bool setIndexes, double coolingArea,
                         double heatingArea, CElementBase* element, int kind) {
        // Without a result pool a node has no record to print.
        if (!result)
            return;
        if (!stepType) {
            if (setIndexes)
                SetIndexArrays(result, designType, coolingArea, heatingArea);
            CHourlyLoadTable::SelectOutputHours(project, PeakHour(HourlyArrays(result, designType)[0]), hours);
            if (detailed)
                static_cast<CCalculate_Result_IsACLoadCalculation*>(result)->ComputeTotals();
            table.HourlyRowTitle = title;
            table.WriteHourlyLoadRows(result, hours, 0, element, kind);
            return;
        }
        for (const auto& [step, date] : steps) {
            void* record = StepRecord(result, designType, step);
            CHourlyLoadTable::SelectOutputHours(project, PeakHour(StepPeakArray(record, designType)), hours);
            table.HourlyRowTitle = date + QStringLiteral("  ") + title;
            table.WriteHourlyLoadRows(record, hours, 0, nullptr, -1);
        }
    };
    auto indexAreas = [&](auto* element, double& cooling, double& heating) {
        if (oneArea)
            cooling = heating = element->GetIndexArea(-1);
        else
            element->GetIndexAreas(cooling, heating, -1);
    };

    CCalResultBuffer* pool = CCalResultBuffer::GetCurrent();
    if (detailed)
        CIndexArea::Reset();
    for (const auto& building : m_manager.Buildings()) {
        if (detailed)
            CIndexArea::Reset();
        m_manager.SetCurrentBuilding(building.get());
        m_manager.ComputeElementArea(building->Entry);
        auto* buildingElement = dynamic_cast<CBuilding*>(building->Entry.GetElement());
        const bool buildingFlag = HourlyFlag(buildingElement, designType);
        if (buildingFlag && pool) {
            pool->AcquireResult(building->Result);
            if (detailed)
                m_manager.CalculatePumpAndPipeLoad(*building);
        }
        for (const auto& storey : building->Storeys) {
            if (detailed)
                CIndexArea::Reset();
            EnterStatisticsStorey(*storey);
            m_manager.ComputeElementArea(storey->Entry);
            auto* storeyElement = dynamic_cast<CStorey*>(storey->Entry.GetElement());
            const bool storeyFlag = HourlyFlag(storeyElement, designType);
            if (storeyFlag && pool)
                pool->AcquireResult(storey->Result);
            for (const auto& room : storey->Rooms) {
                m_manager.SetCurrentRoom(room.get());
                m_manager.ComputeElementArea(room->Entry);
                auto* roomElement = dynamic_cast<CRoom*>(room->Entry.GetElement());
                const bool roomFlag = HourlyFlag(roomElement, designType);
                if (roomElement && (buildingFlag || storeyFlag || roomFlag)) {
                    m_manager.CalculateRoomLoads(*room, CElementDetailCallback());
                    if (CCalMsgOutput::IsCurrentStopped())
                        return nullptr;
                    if (buildingFlag)
                        AddHourly(building->Result, room->Result, designType);
                    if (storeyFlag)
                        AddHourly(storey->Result, room->Result, designType);
                    if (roomFlag) {
                        // A room without area keeps the index arrays its calculation left.
                        const double area = roomElement->Area;
                        writeNode(room->Result,
                                  building->Entry.Caption + QStringLiteral("~") + storey->Entry.Caption +
                                      QStringLiteral("~") + room->Entry.Caption,
                                  area > 1e-15, area, area, roomElement, 3);
                    }
                }
                if (stepType) {
                    // 12 or 365 records a room: only the room in hand keeps them.
                    room->Clear();
                    if (room->Entry.Node)
                        room->Entry.Node->ReleaseElements(true, true);
                }
            }
            if (storeyFlag && storeyElement) {
                double cooling = 0;
                double heating = 0;
                if (!stepType)
                    indexAreas(storeyElement, cooling, heating);
                writeNode(storey->Result, building->Entry.Caption + QStringLiteral("~") + storey->Entry.Caption,
                          true, cooling, heating, storeyElement, 2);
            }
        }
        if (buildingFlag && buildingElement) {
            double cooling = 0;
            double heating = 0;
            if (!stepType)
                indexAreas(buildingElement, cooling, heating);
            writeNode(building->Result, building->Entry.Caption, true, cooling, heating, nullptr, -1);
        }
    }

    if (detailed && printAllBuildings)
        WriteHourlySummary(table, oneArea);
    return section;
}

void CCalculationBook::WriteHourlySummary(CHourlyLoadTable& table, bool oneArea)
{
    void* sum = nullptr;
    AllocResultByType(sum, kDetailedType);
    auto& total = *static_cast<CCalculate_Result_IsACLoadCalculation*>(sum);
    total.Reset();
    int counted = 0;
    double cooling = 0;
    double heating = 0;
    for (const auto& building : m_manager.Buildings()) {
        auto* element = dynamic_cast<CBuilding*>(building->Entry.GetElement());
        if (!HourlyFlag(element, kDetailedType) || !building->Result)
            continue;
        total.AddHourlyValues(*static_cast<CCalculate_Result_IsACLoadCalculation*>(building->Result));
        double c = 0;
        double h = 0;
        if (oneArea)
            c = h = element->GetIndexArea(-1);
        else
            element->GetIndexAreas(c, h, -1);
        cooling += c;
        heating += h;
        ++counted;
    }
    if (counted > 1) {
        // The summary's indexes are its loads over the areas of the buildings it sums; the sum of
        // the buildings' own indexes would mean nothing.
        SetIndexArrays(sum, kDetailedType, cooling, heating);
        CHourlyLoadTable::Hours hours{};
        CHourlyLoadTable::SelectOutputHours(CProjectData::Current(), std::max(0, FindPeakIndex(total.Hourly[0], kHours, 0)),
                                            hours);
        total.ComputeTotals();
        table.HourlyRowTitle = QStringLiteral("大楼汇总");
        table.WriteHourlyLoadRows(sum, hours, 0, nullptr, -1);
    }
    FreeResultByType(sum);
}
