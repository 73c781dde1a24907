#include "calc/CCalMsgOutput.h"
#include "calc/CCalResultBuffer.h"
#include "calc/CCalcLibraryBase.h"
#include "calc/CCalculateHostBase.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CDizedozevLibrary.h"
#include "calc/CIndexArea.h"
#include "calc/ResultByType.h"
#include "climate/CLIB_WeatherParameter.h"
#include "model/CBuilding.h"
#include "model/CDefaultValue.h"
#include "model/CNodeData.h"
#include "model/CRoom.h"
#include "model/CStorey.h"
#include "model/TDM_Project.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <QLibrary>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cmath>

namespace {
constexpr int kHours = 24;
constexpr double kPlusTolerance = 0.0001;

// Captions of the node and its ancestors, top first, joined with "~"; the root's caption only
// when withRoot.
QString NodePath(const CBaseData& entry, bool withRoot)
{
    if (!entry.Node)
        return entry.Caption;
    if (withRoot)
        return entry.Node->GetFullPath(QStringLiteral("~"));
    QStringList captions;
    for (const CNodeData* node = entry.Node; node && node->Parent(); node = node->Parent())
        captions.prepend(node->Caption());
    return captions.join(QLatin1Char('~'));
}

float InitFloat(const QString& name)
{
    return static_cast<float>(CDefaultValue::Real(name));
}

// The leading number of the text as C's atof reads it; 0 when the text starts with none.
double LeadingNumber(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return 0.0;
    const double value = match.captured(0).trimmed().toDouble();
    return std::isfinite(value) ? value : 0.0;
}

double PersonsPerArea(const CRoom& room)
{
    switch (room.InputTypeofPeopleDensity) {
    case 0:
        return room.PeopleDensity;
    case 1:
        return room.PeopleDensity > 0 ? 1.0 / room.PeopleDensity : 0.0;
    case 2:
        return room.Area > 0 ? room.PeopleDensity / room.Area : 0.0;
    default:
        return 0.0;
    }
}

double OutdoorAirVolume(const CRoom& room, float personsPerArea)
{
    switch (room.InputTypeofOutsideAirSupply) {
    case 0:
        return room.OutsideAirSupply * personsPerArea * room.Area;
    case 1:
        return room.Area * room.OutsideAirSupply;
    case 2:
        return room.OutsideAirSupply;
    case 3:
        return room.OutsideAirSupply * room.Area * room.Height;
    default:
        return 0.0;
    }
}

template <typename T> T& RequireElement(const CBaseData& entry, const char* what)
{
    T* element = dynamic_cast<T*>(entry.GetElement());
    if (!element)
        throw Exception(QStringLiteral("%1[%2]没有数据").arg(QLatin1String(what), entry.Caption));
    return *element;
}

using PtRhAll = void (*)(float, float, float, float*, float*, float*, float*, float*, float*, float*, float*);
} // namespace

CCalcLibraryBase& CCalculate_Manager::CalcLibrary() const
{
    return m_calcLibrary ? *m_calcLibrary : CDizedozevLibrary::Instance();
}

void CCalculate_Manager::ApplyDesignContext()
{
    if (m_designContextApplied || !CLIB_WeatherParameter::Exists())
        return;
    const CLIB_WeatherParameter& weather = CLIB_WeatherParameter::Current();
    CalcLibrary().SetDesignContext(
        static_cast<float>(weather.Longitude), static_cast<float>(weather.TimeZone),
        static_cast<float>(weather.SummerTemperatueRange), static_cast<float>(weather.AtmosphereClarity),
        weather.GroundGrade, static_cast<float>(weather.SummerBarometric),
        static_cast<float>(weather.WinterBarometric));
    m_designContextApplied = true;
}

double CCalculate_Manager::GetOutdoorWetBulb()
{
    // Asked for every room. The library is never unloaded, so the entry found in a program folder
    // stays valid for the program's life; a folder without it is looked at again on every call.
    static QString foundIn;
    static PtRhAll found = nullptr;
    const QString folder = CProgramFolder::Path();
    if (!found || folder != foundIn) {
        QLibrary library(CProgramFolder::Resolve(QStringLiteral("librozadizo.so")));
        if (!library.load()) {
            if (CTool::Exists())
                CTool::Current().ShowMessageBox(QStringLiteral("提示"),
                                                QStringLiteral("未找到ROZADIZO.DLL，无法及时室外湿球温度。"),
                                                6, 2);
            return 0.0;
        }
        found = reinterpret_cast<PtRhAll>(library.resolve("ptRH_all"));
        foundIn = folder;
    }
    const PtRhAll ptRhAll = found;
    if (!ptRhAll)
        return 0.0;
    const CLIB_WeatherParameter& weather = CLIB_WeatherParameter::Current();
    const std::array<float, 3> state = {
        static_cast<float>(weather.WinterBarometric),
        static_cast<float>(weather.WinterAirConditioningDesignDrybulbTemperature),
        static_cast<float>(weather.WinterAirConditioningDesignRelativeHumidity * 0.01)};
    // The same weather for every room of a run: its wet bulb is worked out once.
    static std::array<float, 3> lastState{};
    static PtRhAll lastFunction = nullptr;
    static double lastWetBulb = 0.0;
    if (ptRhAll == lastFunction && state == lastState)
        return lastWetBulb;
    float outputs[8] = {};
    ptRhAll(state[0], state[1], state[2], &outputs[0], &outputs[1], &outputs[2], &outputs[3], &outputs[4],
            &outputs[5], &outputs[6], &outputs[7]);
    lastState = state;
    lastFunction = ptRhAll;
    lastWetBulb = outputs[2];
    return lastWetBulb;
}

float CCalculate_Manager::FindAbsPeak24(const float* values)
{
    float peak = values[0];
    for (int hour = 1; hour < kHours; ++hour)
        if (std::fabs(values[hour]) > std::fabs(peak))
            peak = values[hour];
    return peak;
}

bool CCalculate_Manager::SelectDayIndoorState(float, float tempA, float rhA, float tempB, float rhB,
                                              const float* dryBulb24, const float*, float& temp, float& rh)
{
    float peak = dryBulb24[0];
    for (int hour = 1; hour < kHours; ++hour)
        peak = std::max(peak, dryBulb24[hour]);
    const bool bIsHigh = tempB > tempA;
    const float highTemp = bIsHigh ? tempB : tempA;
    const float highRh = bIsHigh ? rhB : rhA;
    const float lowTemp = bIsHigh ? tempA : tempB;
    const float lowRh = bIsHigh ? rhA : rhB;
    const double midpoint = lowTemp + (highTemp - lowTemp) * 0.5;
    const bool high = peak >= midpoint;
    temp = high ? highTemp : lowTemp;
    rh = high ? highRh : lowRh;
    return true;
}

bool CCalculate_Manager::PrepareRoomContext(RoomCalcContext& context, CCalculate_Room& room)
{
    if (!m_currentBuilding)
        throw Exception(QStringLiteral("计算没有当前建筑"));
    ComputeElementArea(m_currentBuilding->Entry);
    ComputeElementArea(room.Entry);
    CRoom& element = RequireElement<CRoom>(room.Entry, "房间");
    context.Room = &element;
    context.HeatRebateFactor =
        element.IsWinterHeatRebateCoefficient == 1 ? element.WinterHeatRebateCoefficient : 1.0;

    CCalResultBuffer* pool = CCalResultBuffer::GetCurrent();
    if (!pool)
        throw Exception(QStringLiteral("计算没有结果缓冲区"));
    pool->AcquireResult(room.Result);

    const int designType = CurrentDesignType();
    if (designType >= 6 && designType <= 8) {
        if (element.HLRoomQuantity == 0)
            return false;
    } else if (designType >= 0 && designType <= 5) {
        if (element.ACRoomQuantity == 0 && element.ACHRoomQuantity == 0)
            return false;
    }

    CBuilding& building = RequireElement<CBuilding>(m_currentBuilding->Entry, "建筑");
    context.Building = &building;
    if (CCalMsgOutput* progress = CCalMsgOutput::GetCurrent())
        progress->StepProgress(QStringLiteral("正在计算[%1]").arg(context.RoomPath));
    if (!m_currentBuilding->StoredAboveGroundHeight)
        m_currentBuilding->StoredAboveGroundHeight = building.GetStoreyHeightSum(0);
    context.AboveGroundHeight = *m_currentBuilding->StoredAboveGroundHeight;
    if (m_storeySourceFlag == 0) {
        TDM_Project& project = TDM_Project::Current();
        if (!m_currentBuilding->StoredStoreyCount)
            m_currentBuilding->StoredStoreyCount = project.QueryInt(
                {QStringLiteral("select count(*) from Storey where parent_id=?"), {building.ID}});
        context.StoreyCount = *m_currentBuilding->StoredStoreyCount;
        if (context.AboveGroundHeight < 1e-15) {
            CDbQuery& query = project.Query;
            OpenQueryGuarded(query, {QStringLiteral("select StoreyHeight from Storey where parent_id=? and "
                                                    "IsBelowGroundStorey=0"),
                                     {building.ID}});
            double sum = 0;
            for (query.First(); !query.Eof(); query.Next())
                sum += query.Field(0).toDouble();
            context.AboveGroundHeight = sum;
        }
    } else {
        context.StoreyCount = static_cast<int>(m_currentBuilding->Storeys.size());
        if (context.AboveGroundHeight < 1e-15) {
            double sum = 0;
            for (const auto& storey : m_currentBuilding->Storeys) {
                CStorey* storeyElement = dynamic_cast<CStorey*>(storey->Entry.GetElement());
                if (!storeyElement || storeyElement->IsBelowGroundStorey != 0)
                    continue;
                ComputeElementArea(storey->Entry);
                sum += storeyElement->StoreyHeight;
            }
            context.AboveGroundHeight = sum;
        }
    }

    context.CoolPlusFactor = 1.0 + InitFloat(QStringLiteral("ACLoadPlusPercent")) * 0.01;
    context.CoolPlusOn = std::fabs(context.CoolPlusFactor - 1.0) > kPlusTolerance;
    context.SteadyFreshAir = CDefaultValue::Int(QStringLiteral("newwind_steadystate")) == 1;
    context.FullYearPlusFactor = 1.0 + LeadingNumber(TInitalizationManage::Current().GetInitValue(
                                           QStringLiteral("ACLoadPlusFullYearPercent"))) *
                                           0.01;
    context.HeatPlusFactor = 1.0 + InitFloat(QStringLiteral("HeatingLoadPlusPercent")) * 0.01;
    context.HeatPlusOn = std::fabs(context.HeatPlusFactor - 1.0) > kPlusTolerance;
    context.SummerCooling = element.ACRoomQuantity == 1;
    context.WinterAC = element.ACHRoomQuantity == 1;
    context.PersonsPerArea = static_cast<float>(PersonsPerArea(element));
    context.OutdoorAirVolume = static_cast<float>(OutdoorAirVolume(element, context.PersonsPerArea));
    context.NetWallArea = CDefaultValue::Int(QStringLiteral("IsGetNetWallArea"));
    context.CalcInfiltration = CDefaultValue::Int(QStringLiteral("IsCalculateAirInfiltration")) == 1;
    context.WinterGainFactor = element.Is_WinterHeatGainCoefficient != 0
                                   ? static_cast<float>(element.WinterHeatGainCoefficient)
                                   : InitFloat(QStringLiteral("WinterHeatGainCoefficient"));
    context.WinterSteady = 0;
    std::fill(std::begin(context.DetailRates), std::end(context.DetailRates), 0.0f);
    std::fill(&context.DetailBlocks[0][0], &context.DetailBlocks[0][0] + 8 * kHours, 0.0f);
    std::fill(std::begin(context.DetailExtra), std::end(context.DetailExtra), 0.0f);
    context.DetailRates[0] = InitFloat(QStringLiteral("IntermittentHeating_LoadRate"));
    return true;
}

bool CCalculate_Manager::CalculateRoomLoadsOwn(CCalculate_Room& room, const CElementDetailCallback& detail)
{
    if (CCalMsgOutput::IsCurrentStopped())
        return false;
    const int designType = CurrentDesignType();
    if (room.Result) {
        if (designType == 3) {
            const auto* result = static_cast<const CCalculate_Result_IsACLoadCalculation*>(room.Result);
            const CRoom* element = dynamic_cast<const CRoom*>(room.Entry.GetElement());
            CIndexArea::AddRoomArea(FindAbsPeak24(result->Hourly[0]), FindAbsPeak24(result->Hourly[9]),
                                    element ? element->Area : 0.0);
        }
        return true;
    }

    RoomCalcContext context;
    context.OutdoorWetBulb = GetOutdoorWetBulb();
    context.RoomPath = NodePath(room.Entry, false);
    context.DetailCallback = detail ? &detail : nullptr;

    try {
        if (!PrepareRoomContext(context, room))
            return true;
        switch (designType) {
        case 0:
            CalculateACLoadSimpleEstimation(context, room);
            break;
        case 1:
            CalculateACLoadItemizedEstimation(context, room);
            break;
        case 2:
            ApplyDesignContext();
            CalculateACLoadIntelligentEstimation(context, room);
            break;
        case 3:
            ApplyDesignContext();
            CalculateACLoadDetailed(context, room);
            break;
        case 4:
            ApplyDesignContext();
            CalculateACLoadMonthly(context, room);
            break;
        case 5:
            ApplyDesignContext();
            CalculateACLoadDaily(context, room);
            break;
        case 6:
        case 7:
        case 8:
            CalculateHeatingLoads(context, room);
            break;
        default:
            break;
        }
    } catch (const Exception& e) {
        CCalculateHostBase::PostMessage(
            QStringLiteral("计算发生异常\n%1\n错误信息:%2").arg(NodePath(room.Entry, true), e.Message()));
        if (CCalMsgOutput* progress = CCalMsgOutput::GetCurrent())
            progress->Stop();
        return false;
    } catch (const std::exception&) {
        CCalculateHostBase::PostMessage(QStringLiteral("计算发生异常\n%1").arg(context.RoomPath));
        if (CCalMsgOutput* progress = CCalMsgOutput::GetCurrent())
            progress->Stop();
        return false;
    }
    return true;
}
