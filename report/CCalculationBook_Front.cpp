// The cover and the project, outdoor weather and indoor design sections of the calculation book.
#include "report/CCalculationBook.h"

#include "calc/CCalculate_Building.h"
#include "calc/CCalculate_Manager.h"
#include "calc/ResultByType.h"
#include "climate/CLIB_WeatherParameter.h"
#include "model/CBuilding.h"
#include "model/CLIB_RoomOccupation.h"
#include "model/CMaterialParamNameList.h"
#include "model/CProjectData.h"
#include "model/CRoom.h"
#include "model/CStorey.h"
#include "model/NameTables.h"
#include "model/TInitalizationManage.h"
#include "report/COutputParams.h"
#include "report/engine/CQORReport.h"

#include <QSet>
#include <algorithm>

namespace {
constexpr const char* kRealFormat = "%.2f";
constexpr int kRoomUseKind = 16;
constexpr int kAboveGround = 0;
constexpr int kBelowGround = 1;

// The indoor design values a room and a room use both carry, in the columns 4 to 18 of the indoor
// design table (options 52 to 66); the people density stands as stored.
struct SIndoorValues
{
    double SummerACTemperature, WinterACTemperature, TemperatureVariation, SummerACRH, WinterACRH, RHVariation,
        PeopleDensity, LightingPower, OutsideAirSupply, Noise, MaximumAirVelocity, WinterHeatingTemperature,
        TemperatureVariation_Heating, WinterHeatingRH, RHVariation_Heating;

    template <typename T> static SIndoorValues Of(const T& s)
    {
        return {s.SummerACTemperature,      s.WinterACTemperature,          s.TemperatureVariation,
                s.SummerACRH,               s.WinterACRH,                   s.RHVariation,
                s.PeopleDensity,            s.LightingPower,                s.OutsideAirSupply,
                s.Noise,                    s.MaximumAirVelocity,           s.WinterHeatingTemperature,
                s.TemperatureVariation_Heating, s.WinterHeatingRH,          s.RHVariation_Heating};
    }
    // Option 52 + i prints value i in column 4 + i.
    double At(int i) const
    {
        const double values[] = {SummerACTemperature,      WinterACTemperature, TemperatureVariation,
                                 SummerACRH,               WinterACRH,          RHVariation,
                                 PeopleDensity,            LightingPower,       OutsideAirSupply,
                                 Noise,                    MaximumAirVelocity,  WinterHeatingTemperature,
                                 TemperatureVariation_Heating, WinterHeatingRH, RHVariation_Heating};
        return values[i];
    }
};
constexpr int kFirstIndoorValueOption = 52;
constexpr int kIndoorValueCount = 15;

// People per square metre of a room, by the way its density was entered.
double PeoplePerSquareMetre(const CRoom& room)
{
    switch (room.InputTypeofPeopleDensity) {
    case 0:
        return room.PeopleDensity;
    case 1:
        return room.PeopleDensity == 0 ? 0 : 1 / room.PeopleDensity;
    case 2:
        return room.Area == 0 ? 0 : room.PeopleDensity / room.Area;
    default:
        return 0;
    }
}

QString RoomTypeName(int type)
{
    switch (type) {
    case 0:
        return QStringLiteral("轻型");
    case 1:
        return QStringLiteral("中型");
    case 2:
        return QStringLiteral("重型");
    default:
        return QStringLiteral("-");
    }
}

// Writes the two-column rows (option caption, value) of the project and weather sections.
class CCaptionRows
{
public:
    CCaptionRows(COutputParams& options, CQORReport& report) : m_options(options), m_report(report) {}
    void Text(int id, const QString& value)
    {
        if (!Caption(id))
            return;
        m_report.SetReportCell(m_row++, 1, value);
    }
    void Real(int id, double value)
    {
        if (!Caption(id))
            return;
        m_report.SetReportCellFormat(m_row++, 1, value, kRealFormat);
    }
    void Count(int id, int value)
    {
        if (!Caption(id))
            return;
        m_report.SetReportCellInt(m_row++, 1, value);
    }

private:
    bool Caption(int id)
    {
        if (!m_options.IsOutput(id))
            return false;
        m_report.SetReportCell(m_row, 0, m_options.GetOutputName(id));
        return true;
    }

    COutputParams& m_options;
    CQORReport& m_report;
    int m_row = 0;
};
} // namespace

CQORReport* CCalculationBook::BuildCoverSection()
{
    Progress(QStringLiteral("正在处理封面"));
    CQORReport* report = NewSectionReport("lib/Report/cover.grf", "cover");
    report->SetReportParameter(QStringLiteral("DesignerName"),
                               TInitalizationManage::Current().GetInitValue(QStringLiteral("DesignerName")));
    report->SetReportParameter(QStringLiteral("DesignTypeName"), DesignTypeName(CurrentDesignType()));
    report->AddReportField(QStringLiteral("Field1"))
        .AddReportField(QStringLiteral("Field2"))
        .AddReportField(QStringLiteral("Field3"));

    const CProjectData& project = CProjectData::Current();
    int row = 0;
    const std::pair<int, const QString*> lines[] = {
        {2, &project.ProjectName}, {3, &project.ProjectNumber}, {5, &project.Owner}};
    for (const auto& [id, value] : lines)
        if (m_options.IsOutput(id)) {
            report->SetReportCell(row, 0, m_options.GetOutputName(id) + QStringLiteral(":"));
            report->SetReportCell(row, 1, *value);
            report->SetReportCell(row++, 2, QString());
        }
    const QString date = m_options.IsOutput(9) ? QStringLiteral("日期:") : QString();
    const std::tuple<int, const char*, const QString*> signatures[] = {
        {6, "计算人 :", &project.Designer}, {7, "校对人 :", &project.Checker}, {8, "审定人 :", &project.Examiner}};
    for (const auto& [id, role, name] : signatures)
        if (m_options.IsOutput(id)) {
            report->SetReportCell(row, 0, QString::fromUtf8(role) + *name);
            report->SetReportCell(row, 1, QStringLiteral("签名："));
            report->SetReportCell(row++, 2, date);
        }
    return report;
}

CQORReport* CCalculationBook::BuildProjectInfoSection()
{
    if (!m_options.IsOutput(10))
        return nullptr;
    Progress(QStringLiteral("正在处理工程信息"));
    CQORReport* report = NewSectionReport("lib/Report/ProjectInfo.grf", "ProjectInfo");
    report->SetReportParameter(QStringLiteral("subtitle"), NumberedTitle(QStringLiteral("建筑概况")));
    report->AddReportField(QStringLiteral("Field1")).AddReportField(QStringLiteral("Field2"));

    CCaptionRows rows(m_options, *report);
    rows.Count(11, static_cast<int>(m_manager.Buildings().size()));
    for (const auto& building : m_manager.Buildings()) {
        m_manager.ComputeElementArea(building->Entry);
        auto* element = dynamic_cast<CBuilding*>(building->Entry.GetElement());
        if (!element)
            continue;
        int storeys = 0;
        int belowGround = 0;
        for (const auto& storey : building->Storeys) {
            m_manager.ComputeElementArea(storey->Entry);
            const auto* storeyElement = dynamic_cast<CStorey*>(storey->Entry.GetElement());
            ++storeys;
            if (storeyElement && storeyElement->IsBelowGroundStorey != 0)
                ++belowGround;
        }
        rows.Text(12, element->Name);
        rows.Count(13, storeys - belowGround);
        rows.Count(14, belowGround);
        rows.Real(15, element->GroundArea);
        if (m_options.IsOutput(16))
            rows.Real(16, std::max(element->GetStoreyAreaSum(kAboveGround), element->OverGroundBuildingArea));
        if (m_options.IsOutput(17))
            rows.Real(17, std::max(element->GetStoreyAreaSum(kBelowGround), element->BelowGroundBuildingArea));
        // A building's height is measured from the ground: storeys below it do not count.
        if (m_options.IsOutput(18))
            rows.Real(18, element->UpdateBuildingHeight(kAboveGround));
    }
    return report;
}

CQORReport* CCalculationBook::BuildWeatherSection()
{
    if (!m_options.IsOutput(19))
        return nullptr;
    Progress(QStringLiteral("正在处理气象信息"));
    CQORReport* report = NewSectionReport("lib/Report/Weather.grf", "Weather");
    report->SetReportParameter(QStringLiteral("subtitle"), NumberedTitle(QStringLiteral("室外气象参数")));
    report->AddReportField(QStringLiteral("Field1")).AddReportField(QStringLiteral("Field2"));

    const CLIB_WeatherParameter& weather = CLIB_WeatherParameter::Current();
    CCaptionRows rows(m_options, *report);
    rows.Text(20, weather.Country);
    rows.Text(21, weather.Area);
    rows.Text(22, weather.City);
    const double values[] = {weather.Latitude,
                             weather.Longitude,
                             weather.Altitude,
                             weather.WinterBarometric,
                             weather.SummerBarometric,
                             weather.WinterWindSpeed,
                             weather.SummerWindSpeed,
                             weather.WinterAirConditioningDesignDrybulbTemperature,
                             weather.SummerAirConditioningDesignDrybulbTemperature,
                             weather.WinterVentilationDesignDrybulbTemperature,
                             weather.SummerVentilationDesignDrybulbTemperature,
                             weather.WinterHeatingDesignDrybulbTemperature,
                             weather.SummerAirConditioningDesignWetbulbTemperature,
                             weather.WinterAirConditioningDesignRelativeHumidity,
                             weather.MaximumFrozenEarthDepth};
    int id = 23;
    for (double value : values)
        rows.Real(id++, value);
    return report;
}

CQORReport* CCalculationBook::BuildIndoorDesignSection()
{
    if (!m_options.IsOutput(38))
        return nullptr;
    Progress(QStringLiteral("正在处理室内设计参数"));
    CQORReport* report = NewSectionReport("lib/Report/IndoorDesignParam.grf", "IndoorDesignParam");
    report->SetReportParameter(QStringLiteral("subtitle"), NumberedTitle(QStringLiteral("室内设计参数")));
    for (const char* field :
         {"RoomName", "RoomUse", "RoomArea", "RoomType", "SummerACTemperature", "WinterACTemperature",
          "TemperatureVariation", "SummerACRH", "WinterACRH", "RHVariation", "PeopleDensity", "LightingPower",
          "OutsideAirSupply", "Noise", "MaximumAirVelocity", "TemperatureHL", "TemperatureHLVAR", "RHHL",
          "RHHLVAR"})
        report->AddReportField(QString::fromLatin1(field));

    const bool byRoom = CProjectData::Current().InRoomDesignParamType == 0;
    // Which columns are ticked, asked once per column rather than once per room.
    const bool useColumn = m_options.IsOutput(39);
    const bool areaColumn = m_options.IsOutput(40);
    const bool typeColumn = m_options.IsOutput(51);
    bool valueColumns[kIndoorValueCount];
    for (int i = 0; i < kIndoorValueCount; ++i)
        valueColumns[i] = m_options.IsOutput(kFirstIndoorValueOption + i);

    QSet<QString> usesPrinted;
    int row = 0;
    for (const auto& building : m_manager.Buildings()) {
        m_manager.ComputeElementArea(building->Entry);
        const auto* buildingElement = dynamic_cast<CBuilding*>(building->Entry.GetElement());
        for (const auto& storey : building->Storeys) {
            m_manager.ComputeElementArea(storey->Entry);
            QString prefix;
            if (byRoom && !storey->Rooms.empty()) {
                const auto* storeyElement = dynamic_cast<CStorey*>(storey->Entry.GetElement());
                if (buildingElement && buildingElement->IsOutputIndoorParameter != 0)
                    prefix = building->Entry.Caption;
                if (storeyElement && storeyElement->IsOutputIndoorParameter != 0)
                    prefix += QStringLiteral("~") + storey->Entry.Caption;
            }
            for (const auto& room : storey->Rooms) {
                m_manager.ComputeElementArea(room->Entry);
                const auto* element = dynamic_cast<CRoom*>(room->Entry.GetElement());
                if (!element || element->IsOutputIndoorParameter == 0)
                    continue;
                const QString useName = CMaterialParamNameList::Current().GetNameById(kRoomUseKind, element->RoomUse);
                if (useName.isEmpty())
                    continue;
                SIndoorValues values{};
                if (byRoom) {
                    report->SetReportCell(row, 0,
                                          prefix.isEmpty() ? room->Entry.Caption
                                                           : prefix + QStringLiteral("~") + room->Entry.Caption);
                    values = SIndoorValues::Of(*element);
                    values.PeopleDensity = PeoplePerSquareMetre(*element);
                } else {
                    if (usesPrinted.contains(useName))
                        continue;
                    usesPrinted.insert(useName);
                    const auto* use = dynamic_cast<const CLIB_RoomOccupation*>(
                        m_manager.MaterialManager().GetMaterial(kRoomUseKind, room->Entry.Node, element->RoomUse));
                    if (!use)
                        continue;
                    values = SIndoorValues::Of(*use);
                }
                if (useColumn)
                    report->SetReportCell(row, 1, useName);
                if (byRoom && areaColumn)
                    report->SetReportCellFormat(row, 2, element->Area, kRealFormat);
                if (byRoom && typeColumn)
                    report->SetReportCell(row, 3, RoomTypeName(element->RoomType));
                for (int i = 0; i < kIndoorValueCount; ++i)
                    if (valueColumns[i])
                        report->SetReportCellFormat(row, 4 + i, values.At(i), kRealFormat);
                ++row;
            }
        }
    }
    return report;
}
