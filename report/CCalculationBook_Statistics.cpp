// The load statistics section of the calculation book: the peak loads of the rooms, storeys and
// buildings (or of the air systems) of the project under the current design type.
#include "report/CCalculationBook.h"

#include "calc/CCalMsgOutput.h"
#include "calc/CCalResultBuffer.h"
#include "calc/CCalculateHostBase.h"
#include "calc/CCalculate_Building.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_System_Manage.h"
#include "calc/CIndexArea.h"
#include "calc/ResultAccumulation.h"
#include "calc/ResultByType.h"
#include "model/CBuilding.h"
#include "model/CMaterialParamNameList.h"
#include "model/CProjectData.h"
#include "model/CRoom.h"
#include "model/CStorey.h"
#include "model/NameTables.h"
#include "model/TInitalizationManage.h"
#include "platform/core/Exception.h"
#include "report/COutputParams.h"
#include "report/LoadStatisticsRow.h"
#include "report/engine/CQORReport.h"

namespace {
constexpr const char* kRealFormat = "%.2f";
constexpr int kRoomUseKind = 16;
constexpr int kDetailedType = 3;
constexpr int kMonthFirstDay[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool HeatingDesignType(int designType)
{
    return designType >= 6;
}

// The statistics flag of an element for the design type.
template <typename Element> bool StatisticsFlag(const Element* element, int designType)
{
    if (!element)
        return false;
    return (HeatingDesignType(designType) ? element->HIsOutputLoadStatisticsData
                                          : element->IsOutputLoadStatisticsData) != 0;
}

// A result record the section owns (the project total), freed on every exit.
class COwnedResult
{
public:
    explicit COwnedResult(int designType) { AllocResultByType(m_result, designType); }
    ~COwnedResult() { FreeResultByType(m_result); }
    COwnedResult(const COwnedResult&) = delete;
    COwnedResult& operator=(const COwnedResult&) = delete;
    void* Get() const { return m_result; }

private:
    void* m_result = nullptr;
};

// "Initialization" AreaTypeForCalIndex 1: one index area for cooling and heating.
bool OneIndexArea()
{
    const QString text = TInitalizationManage::Current().GetInitValue(QStringLiteral("AreaTypeForCalIndex"));
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw Exception(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value == 1;
}
} // namespace

std::vector<std::pair<int, QString>> CCalculationBook::ChosenSteps(int designType, const std::array<int, 12>& months,
                                                                 const std::array<int, 365>& days)
{
    std::vector<std::pair<int, QString>> steps;
    if (designType == 4 || designType == 7) {
        for (int m = 0; m < 12; ++m)
            if (months[static_cast<size_t>(m)])
                steps.emplace_back(m, ChineseNumeral(m + 1) + QStringLiteral("月"));
    } else if (designType == 5 || designType == 8) {
        for (int m = 0; m < 12; ++m)
            for (int d = 0; d < kMonthDays[m]; ++d)
                if (days[static_cast<size_t>(kMonthFirstDay[m] + d)])
                    steps.emplace_back(kMonthFirstDay[m] + d, ChineseNumeral(m + 1) + QStringLiteral("月") +
                                                                  ChineseNumeral(d + 1) + QStringLiteral("日"));
    } else {
        steps.emplace_back(0, QString());
    }
    return steps;
}

void CCalculationBook::EnterStatisticsStorey(CCalculate_Storey& storey)
{
    m_manager.SetCurrentStorey(&storey);
    const CCalculateHostBase* host = CCalculateHostBase::GetCurrent();
    m_manager.SetStoreyElevation(host && storey.Entry.Node ? host->GetElevation(*storey.Entry.Node) : 0.0);
}

CQORReport* CCalculationBook::BuildLoadStatisticsSection()
{
    if (!m_options.IsOutput(192))
        return nullptr;
    const int designType = CurrentDesignType();
    const CProjectData& project = CProjectData::Current();
    SStatisticsCursor& cursor = StatisticsCursor();
    CQORReport* report = NewSectionReport(StatisticsTemplate(designType).toLatin1().constData(), "TotalCal");
    cursor.Report = report;
    // The table is too wide for a portrait page whatever the setting.
    report->m_Landscape = true;
    cursor.Row = 0;
    const int areaColumn = StatisticsAreaColumn(designType);
    for (int field = 0; field < areaColumn; ++field)
        report->AddReportField(StatisticsFieldName(designType, field));
    report->AddReportField(QStringLiteral("Room_Area")).AddReportField(QStringLiteral("Room_Use"));
    const bool engineering = project.Unit != 0;
    report->SetReportParameter(QStringLiteral("IndexUnit"),
                               engineering ? QStringLiteral("(kcal/m^2)") : QStringLiteral("(W/m^2)"));
    Progress(QStringLiteral("正在处理负荷统计数据"));

    CCalculate_System_Manage primarySystems;
    CCalculate_System_Manage outsideSystems;
    COwnedResult projectTotal(kDetailedType);
    ResetResultByType(projectTotal.Get());
    const bool oneArea = OneIndexArea();
    CIndexArea::Reset();
    const bool bySystem = project.StatisticsType == 0;
    const int peakMode = project.StatisticalStyle;
    const auto steps = ChosenSteps(designType, project.MonthCheck_Total, project.DayCheck_Total);
    CCalResultBuffer* pool = CCalResultBuffer::GetCurrent();
    const bool stepType = ResultStepCount(designType) > 1;

    // Writes the rows of one node, one per step, with the cells after the value columns.
    auto writeRows = [&](void* result, const QString& name, const QString& separator, float coolingArea,
                         float heatingArea, double areaCell, const QString* roomUse) {
        if (!result)
            return;
        for (const auto& [step, date] : steps) {
            cursor.RowName = date.isEmpty() ? name : date + separator + name;
            FillLoadStatisticsRow(result, coolingArea, step, heatingArea);
            report->SetReportCellFormat(cursor.Row, areaColumn, areaCell, kRealFormat);
            if (roomUse)
                report->SetReportCell(cursor.Row, areaColumn + 1, *roomUse);
            ++cursor.Row;
        }
    };
    auto addInto = [&](void* total, void* member, int level) {
        if (HeatingDesignType(designType))
            AddHeatingResultToTotal(total, member, peakMode, level, designType);
        else
            AddResultToTotal(total, member, peakMode, designType);
    };
    auto stop = [&]() -> CQORReport* {
        cursor.Row = 0;
        cursor.Report = nullptr;
        return nullptr;
    };

    int printedBuildings = 0;
    double printedArea = 0;
    double printedCooling = 0;
    double printedHeating = 0;
    for (const auto& building : m_manager.Buildings()) {
        m_manager.SetCurrentBuilding(building.get());
        m_manager.ComputeElementArea(building->Entry);
        auto* buildingElement = dynamic_cast<CBuilding*>(building->Entry.GetElement());
        CIndexArea::Reset();
        const bool buildingFlag = StatisticsFlag(buildingElement, designType);
        if (buildingFlag && pool) {
            pool->AcquireResult(building->Result);
            m_manager.CalculatePumpAndPipeLoad(*building);
            if (designType == kDetailedType)
                AddResultToTotal(projectTotal.Get(), building->Result, peakMode, designType);
        }
        for (const auto& storey : building->Storeys) {
            EnterStatisticsStorey(*storey);
            m_manager.ComputeElementArea(storey->Entry);
            auto* storeyElement = dynamic_cast<CStorey*>(storey->Entry.GetElement());
            CIndexArea::Reset();
            const bool storeyFlag = StatisticsFlag(storeyElement, designType);
            if (storeyFlag && pool)
                pool->AcquireResult(storey->Result);
            for (const auto& room : storey->Rooms) {
                m_manager.SetCurrentRoom(room.get());
                m_manager.ComputeElementArea(room->Entry);
                const auto* roomElement = dynamic_cast<CRoom*>(room->Entry.GetElement());
                const bool roomFlag = StatisticsFlag(roomElement, designType);
                if (!roomElement || (!buildingFlag && !storeyFlag && !roomFlag))
                    continue;
                m_manager.CalculateRoomLoads(*room, CElementDetailCallback());
                if (CCalMsgOutput::IsCurrentStopped())
                    return stop();
                if (peakMode != 0)
                    ComputeResultTotals(room->Result, designType);
                if (bySystem) {
                    primarySystems.AddRoom(roomElement->PrimaryAirSystemName, *room);
                    outsideSystems.AddRoom(roomElement->OutsideAirSystemName, *room);
                    continue;
                }
                if (buildingFlag) {
                    addInto(building->Result, room->Result, 0);
                    if (designType == kDetailedType)
                        AddResultToTotal(projectTotal.Get(), room->Result, peakMode, designType);
                }
                if (storeyFlag)
                    addInto(storey->Result, room->Result, 1);
                if (roomFlag) {
                    if (peakMode == 0)
                        ComputeResultTotals(room->Result, designType);
                    const QString use =
                        CMaterialParamNameList::Current().GetNameById(kRoomUseKind, roomElement->RoomUse);
                    const float area = static_cast<float>(roomElement->Area);
                    writeRows(room->Result,
                              building->Entry.Caption + QStringLiteral("~") + storey->Entry.Caption +
                                  QStringLiteral("~") + room->Entry.Caption,
                              QStringLiteral("~"), area, -1.0f, roomElement->Area, &use);
                }
                // The 12 or 365 records of a room are summed and printed by now: only the room in
                // hand holds them.
                if (stepType && pool) {
                    pool->ReleaseResult(room->Result);
                    room->Result = nullptr;
                }
            }
            if (!storeyElement)
                continue;
            double cooling = 0;
            double heating = 0;
            if (oneArea)
                cooling = heating = storeyElement->GetIndexArea(-1);
            else
                storeyElement->GetIndexAreas(cooling, heating, -1);
            if (!bySystem && storeyFlag) {
                if (peakMode == 0)
                    ComputeResultTotals(storey->Result, designType);
                writeRows(storey->Result, building->Entry.Caption + QStringLiteral("~") + storey->Entry.Caption,
                          QStringLiteral("  "), static_cast<float>(cooling), static_cast<float>(heating),
                          storeyElement->GetIndexArea(-1), nullptr);
            }
        }
        if (!buildingElement)
            continue;
        double cooling = 0;
        double heating = 0;
        if (oneArea)
            cooling = heating = buildingElement->GetIndexArea(-1);
        else
            buildingElement->GetIndexAreas(cooling, heating, -1);
        if (!bySystem && buildingFlag) {
            if (peakMode == 0)
                ComputeResultTotals(building->Result, designType);
            ++printedBuildings;
            const double indexArea = buildingElement->GetIndexArea(-1);
            printedArea += indexArea;
            printedCooling += cooling;
            printedHeating += heating;
            writeRows(building->Result, building->Entry.Caption, QStringLiteral("  "), static_cast<float>(cooling),
                      static_cast<float>(heating), indexArea, nullptr);
        }
    }

    if (!bySystem && designType == kDetailedType && printedBuildings > 1) {
        // The summary's indexes rest on the buildings it sums, never on buildings left out of it.
        cursor.RowName = QStringLiteral("大楼汇总");
        if (peakMode == 0)
            ComputeResultTotals(projectTotal.Get(), designType);
        report->SetReportCellFormat(cursor.Row, areaColumn, printedArea, kRealFormat);
        FillLoadStatisticsRow(projectTotal.Get(), static_cast<float>(printedCooling), 0,
                              static_cast<float>(printedHeating));
        ++cursor.Row;
    } else if (bySystem) {
        const int stepCount = ResultStepCount(designType);
        const bool daily = designType == 5 || designType == 8;
        const CProjectData& parameters = project;
        // The daily types list the ticked days, as the by-storey rows do, not all 365 of them.
        auto writeSystemRow = [&](const QString& label, void* result, float area, int step, int, float heatArea) {
            if (daily && !parameters.DayCheck_Total[static_cast<size_t>(step)])
                return;
            cursor.RowName = label;
            FillLoadStatisticsRow(result, area, step, heatArea);
            ++cursor.Row;
        };
        primarySystems.WriteStatistics(nullptr, stepCount, writeSystemRow);
        outsideSystems.WriteStatistics(nullptr, stepCount, writeSystemRow);
    }
    cursor.Row = 0;
    report->SetReportParameter(QStringLiteral("subtitle"),
                               NumberedTitle(QStringLiteral("负荷统计数据 单位:%1")
                                                 .arg(engineering ? QStringLiteral("kcal/h") : QStringLiteral("W"))));
    return report;
}
