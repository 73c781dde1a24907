#include "calc/CCalculate_System_Manage.h"

#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Result_IsACLoadIntelligentEstimation.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CCalculate_Room.h"
#include "calc/ResultAccumulation.h"
#include "calc/SeriesStatistics.h"
#include "model/CNodeData.h"
#include "model/CProjectData.h"
#include "model/CRoom.h"
#include "platform/core/CGbkCodec.h"

#include <QIODevice>
#include <algorithm>
#include <cmath>

namespace {
constexpr int kHours = 24;
constexpr int kStoreyKind = 2;
constexpr int kBuildingKind = 1;
// The design day of July and of January among the 12 monthly records, and 22 July (the first day
// of July, 181, plus 21) and 22 January among the 365 daily records.
constexpr int kMonthlySummerStep = 6;
constexpr int kMonthlyWinterStep = 0;
constexpr int kDailySummerStep = 202;
constexpr int kDailyWinterStep = 21;

// The 24-hour arrays behind one load line; Sensible is used for summer only.
struct SSeasonArrays
{
    const float* Total = nullptr;
    const float* Sensible = nullptr;
    const float* Moisture = nullptr; // g/h
    const float* Air = nullptr;      // m³/h
};

// The peaks that the two load lines print, before any unit factor.
struct SLinePeaks
{
    float SummerTotal = 0;
    float SummerSensible = 0;
    float SummerLatent = 0;
    float SummerMoisture = 0;
    float SummerAir = 0;
    float WinterTotal = 0;
    float WinterMoisture = 0;
    float WinterAir = 0;

    SLinePeaks& operator+=(const SLinePeaks& other)
    {
        SummerTotal += other.SummerTotal;
        SummerSensible += other.SummerSensible;
        SummerLatent += other.SummerLatent;
        SummerMoisture += other.SummerMoisture;
        SummerAir += other.SummerAir;
        WinterTotal += other.WinterTotal;
        WinterMoisture += other.WinterMoisture;
        WinterAir += other.WinterAir;
        return *this;
    }
};

template <typename Record>
void SetArrays(const Record& record, int total, int sensible, int moisture, int air, SSeasonArrays& arrays)
{
    arrays.Total = record.Hourly[total];
    arrays.Sensible = sensible >= 0 ? record.Hourly[sensible] : nullptr;
    arrays.Moisture = record.Hourly[moisture];
    arrays.Air = record.Hourly[air];
}

// False for the design types whose results the file does not carry.
bool SeasonArraysOf(const void* result, int designType, SSeasonArrays& summer, SSeasonArrays& winter)
{
    switch (designType) {
    case 2: {
        const auto& record = *static_cast<const CCalculate_Result_IsACLoadIntelligentEstimation*>(result);
        SetArrays(record, 2, 3, 4, 5, summer);
        SetArrays(record, 11, -1, 13, 14, winter);
        return true;
    }
    case 3: {
        const auto& record = *static_cast<const CCalculate_Result_IsACLoadCalculation*>(result);
        SetArrays(record, 2, 3, 4, 5, summer);
        SetArrays(record, 11, -1, 18, 19, winter);
        return true;
    }
    case 4:
    case 5: {
        const auto* steps = static_cast<const CCalculate_Result_IsACLoadStepCalculation*>(result);
        SetArrays(steps[designType == 4 ? kMonthlySummerStep : kDailySummerStep], 14, 15, 16, 51, summer);
        SetArrays(steps[designType == 4 ? kMonthlyWinterStep : kDailyWinterStep], 14, -1, 16, 51, winter);
        return true;
    }
    default:
        return false;
    }
}

float Peak(const float* values)
{
    return FindPeakValue(values, kHours, 0);
}

bool ReadLinePeaks(const void* result, SLinePeaks& peaks)
{
    SSeasonArrays summer;
    SSeasonArrays winter;
    if (!result || !SeasonArraysOf(result, CurrentDesignType(), summer, winter))
        return false;
    float latent[kHours];
    for (int h = 0; h < kHours; ++h)
        latent[h] = summer.Total[h] - summer.Sensible[h];
    peaks.SummerTotal = Peak(summer.Total);
    peaks.SummerSensible = Peak(summer.Sensible);
    peaks.SummerLatent = Peak(latent);
    peaks.SummerMoisture = Peak(summer.Moisture);
    peaks.SummerAir = Peak(summer.Air);
    peaks.WinterTotal = Peak(winter.Total);
    peaks.WinterMoisture = Peak(winter.Moisture);
    peaks.WinterAir = Peak(winter.Air);
    return true;
}

QString LoadLinesText(const SLinePeaks& peaks, int loadType)
{
    // Loads go out in kW from a W project, in kcal/h as they are from a kcal/h project.
    const float factor = CProjectData::Current().Unit == 0 ? 0.001f : 1.0f;
    const float summerLoad = loadType == CCalculate_System_Manage::SensibleHeat ? peaks.SummerSensible
                             : loadType == CCalculate_System_Manage::LatentHeat ? peaks.SummerLatent
                                                                                : peaks.SummerTotal;
    const float winterLoad =
        loadType == CCalculate_System_Manage::LatentHeat ? 0.0f : std::fabs(peaks.WinterTotal * factor);
    return QString::asprintf("%f %f %f\n", static_cast<double>(summerLoad * factor),
                             static_cast<double>(peaks.SummerMoisture) * 0.001,
                             static_cast<double>(peaks.SummerAir)) +
           QString::asprintf("%f %f %f\n", static_cast<double>(winterLoad),
                             static_cast<double>(peaks.WinterMoisture) * 0.001,
                             static_cast<double>(peaks.WinterAir));
}

const CRoom* RoomElement(const CCalculate_Room& room)
{
    return dynamic_cast<const CRoom*>(room.Entry.GetElement());
}

// "N", summer state, "N", winter state; zeros for a room whose element cannot be read.
QString DesignStatesText(const CCalculate_Room& room)
{
    const CRoom* element = RoomElement(room);
    const auto state = [](double temperature, double humidity) {
        return QStringLiteral("N\n") + QString::asprintf("1 %f 0 %f\n", temperature, humidity * 0.01);
    };
    if (!element)
        return state(0, 0) + state(0, 0);
    return state(element->SummerACTemperature, element->SummerACRH) +
           state(element->WinterACTemperature, element->WinterACRH);
}

QString AncestorCaption(const CCalculate_Room& room, int kind)
{
    const CNodeData* node = room.Entry.Node ? room.Entry.Node->GetAncestorOfType(kind) : nullptr;
    return node ? node->Caption() : QString();
}

// Storey~room(building), so that rooms of the same name in other storeys stay apart.
QString RoomLabel(const CCalculate_Room& room)
{
    return AncestorCaption(room, kStoreyKind) + QLatin1Char('~') + room.Entry.Caption + QLatin1Char('(') +
           AncestorCaption(room, kBuildingKind) + QLatin1Char(')');
}

bool PeakMode()
{
    return CProjectData::Current().StatisticalStyle != 0;
}
} // namespace

void CCalculate_System_Manage::AddRoom(const QString& name, CCalculate_Room& room)
{
    if (name.isEmpty())
        return;
    const auto found = std::find_if(m_systems.begin(), m_systems.end(),
                                    [&](const auto& system) { return system->Name() == name; });
    CCalculate_System* system = nullptr;
    if (found != m_systems.end()) {
        system = found->get();
    } else {
        m_systems.push_back(std::make_unique<CCalculate_System>(name));
        system = m_systems.back().get();
    }
    system->AppendRoom(room);
    AddResultToTotal(system->Result(), room.Result, PeakMode() ? 1 : 0);
}

void CCalculate_System_Manage::WriteStatistics(QStringList* lists, int n, const StatisticsRowWriter& writeRow)
{
    // With summed peaks the totals already are the figures; computing them would replace them.
    const bool computeTotals = !PeakMode();
    for (const auto& system : m_systems) {
        for (int j = 0; lists && j < n; ++j)
            lists[j].append(QStringLiteral(" "));
        float areaSum = 0;
        for (CCalculate_Room* room : system->Rooms()) {
            if (computeTotals)
                ComputeResultTotals(room->Result);
            const CRoom* element = RoomElement(*room);
            const float area = element ? static_cast<float>(element->Area) : 0.0f;
            for (int j = 0; j < n; ++j)
                writeRow(room->Entry.Caption, room->Result, area, j, 1, -1.0f);
            areaSum += area;
        }
        if (computeTotals)
            ComputeResultTotals(system->Result());
        for (int j = 0; j < n; ++j)
            writeRow(system->Name(), system->Result(), areaSum, j, 0, -1.0f);
    }
}

void CCalculate_System_Manage::WriteConditionBlocks(QIODevice& file) const
{
    const bool peakMode = PeakMode();
    for (const auto& system : m_systems) {
        const std::vector<CCalculate_Room*>& rooms = system->Rooms();
        if (rooms.empty())
            continue;
        QString text = QStringLiteral("SYSTEM\n") + system->Name() + QStringLiteral("\nROOM\n") +
                       system->RoomNames() + QLatin1Char('\n') + DesignStatesText(*rooms.front());
        if (peakMode) {
            // The system's record then holds summed totals over untouched hourly arrays: its lines
            // are the sums of its rooms' peaks.
            SLinePeaks sum;
            bool any = false;
            for (const CCalculate_Room* room : rooms) {
                SLinePeaks peaks;
                if (ReadLinePeaks(room->Result, peaks)) {
                    sum += peaks;
                    any = true;
                }
            }
            if (any)
                text += LoadLinesText(sum, m_loadType);
        } else if (SLinePeaks peaks; ReadLinePeaks(system->Result(), peaks)) {
            text += LoadLinesText(peaks, m_loadType);
        }
        WriteFileText(file, text);
        for (const CCalculate_Room* room : rooms) {
            WriteFileText(file, QStringLiteral("ROOM\n") + RoomLabel(*room) + QLatin1Char('\n') +
                                    DesignStatesText(*room));
            WriteLoadLines(file, room->Result);
        }
        WriteFileText(file, QStringLiteral("EndRoom\n"));
    }
}

void CCalculate_System_Manage::WriteLoadLines(QIODevice& file, const void* result) const
{
    if (SLinePeaks peaks; ReadLinePeaks(result, peaks))
        WriteFileText(file, LoadLinesText(peaks, m_loadType));
}

void CCalculate_System_Manage::WriteFileText(QIODevice& file, const QString& text)
{
    // GBK trail bytes are never 0x0A, so the line ends can be widened after encoding.
    QByteArray bytes = CGbkCodec::ToGbk(text);
    bytes.replace("\n", "\r\n");
    file.write(bytes);
}
