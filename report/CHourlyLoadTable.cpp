#include "report/CHourlyLoadTable.h"

#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Result_IsACLoadIntelligentEstimation.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CCalculate_Result_IsHeatingLoadStepCalculation.h"
#include "calc/SeriesStatistics.h"
#include "model/CMaterialParamNameList.h"
#include "model/CProjectData.h"
#include "model/CRegistry.h"
#include "model/CRoom.h"
#include "model/CStorey.h"
#include "model/TDM_Project.h"
#include "platform/core/CTool.h"
#include "report/COutputParam.h"
#include "report/COutputParams.h"
#include "report/engine/CQORReport.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kHours = 24;
constexpr int kHourlyOption = 310;
constexpr int kDetailedType = 3;
constexpr int kCellWidth = 10;
constexpr int kCaptionWidth = 24;
constexpr int kRoomUseKind = 16;
constexpr int kStoreyUseKind = 18;
// The detailed record keeps its further arrays (pump and pipe, fan and duct, chemical reaction,
// enclosure moisture) after its first 106.
constexpr int kFurtherArrays = 106;

// Option IDs first..last show the arrays from firstArray on.
struct SRange
{
    int First;
    int Last;
    int FirstArray;
};

constexpr SRange kIntelligent[] = {{311, 317, 0},  {318, 325, 8},  {326, 334, 17}, {515, 515, 26}, {339, 339, 27},
                                   {335, 336, 28}, {340, 343, 30}, {337, 337, 34}, {514, 514, 35}, {344, 355, 36},
                                   {387, 387, 48}, {389, 389, 49}};
constexpr SRange kDetailed[] = {{311, 317, 0},   {318, 322, 8},   {325, 325, 15},  {326, 326, 17},  {323, 324, 18},
                                {327, 334, 20},  {515, 515, 28},  {339, 339, 29},  {335, 336, 30},  {340, 343, 32},
                                {337, 337, 36},  {514, 514, 37},  {344, 361, 38},  {655, 658, 56},  {362, 365, 60},
                                {475, 476, 64},  {366, 369, 66},  {663, 666, 70},  {370, 385, 74},  {387, 387, 90},
                                {389, 389, 91},  {402, 403, 92},  {581, 581, 94},  {580, 580, 95},  {609, 610, 96},
                                {671, 674, 98},  {587, 588, 102}, {597, 598, 104},
                                {643, 644, kFurtherArrays},       {631, 642, kFurtherArrays + 2}};
constexpr SRange kACStep[] = {{311, 312, 0},   {319, 320, 2},   {325, 325, 4},   {317, 317, 5},  {313, 314, 6},
                              {321, 322, 8},   {520, 520, 16},  {522, 554, 17},  {582, 582, 50}, {590, 590, 52},
                              {600, 600, 53}};
constexpr SRange kHeatingStep[] = {{555, 574, 0}, {601, 601, 20}, {575, 576, 21}};

template <size_t N> int Find(const SRange (&ranges)[N], int option)
{
    for (const SRange& range : ranges)
        if (option >= range.First && option <= range.Last)
            return range.FirstArray + option - range.First;
    return -1;
}

// The detail lists an option prints, in order: the outside walls' cooling or heating rows, or the
// windows' whole, conduction and radiation rows of cooling or heating; -1 ends the list.
std::array<int, 3> DetailListsOf(int option)
{
    switch (option) {
    case 611:
        return {0, -1, -1};
    case 612:
        return {1, -1, -1};
    case 679:
        return {6, 2, 3};
    default:
        return {7, 4, 5};
    }
}

// The 24-hour arrays of a record of the design type.
const float (*HourlyOf(void* record, int designType))[kHours]
{
    switch (designType) {
    case 2:
        return static_cast<CCalculate_Result_IsACLoadIntelligentEstimation*>(record)->Hourly;
    case 3:
        return static_cast<CCalculate_Result_IsACLoadCalculation*>(record)->Hourly;
    case 4:
    case 5:
        return static_cast<CCalculate_Result_IsACLoadStepCalculation*>(record)->Hourly;
    case 7:
    case 8:
        return static_cast<CCalculate_Result_IsHeatingLoadStepCalculation*>(record)->Hourly;
    default:
        return nullptr;
    }
}

// A value as a whole number centred in ten characters, the odd blank after it (as
// PadTextFixedWidth centres, without its byte count: the digits are one byte each).
QString CellText(float value)
{
    const double rounded = std::round(static_cast<double>(value));
    const QString digits = QString::number(rounded == 0 ? 0.0 : rounded, 'f', 0);
    if (digits.size() >= kCellWidth)
        return QLatin1Char(' ') + digits + QLatin1Char(' ');
    const qsizetype before = (kCellWidth - digits.size()) / 2;
    return QString(before, QLatin1Char(' ')) + digits + QString(kCellWidth - digits.size() - before, QLatin1Char(' '));
}

QString Caption(const QString& name)
{
    return QStringLiteral("\t") + name.leftJustified(kCaptionWidth, QLatin1Char(' '));
}

QString Whole(float value)
{
    const double rounded = std::round(static_cast<double>(value));
    return QString::number(rounded == 0 ? 0.0 : rounded, 'f', 0);
}

} // namespace

int CHourlyLoadTable::RegistryValue(const char* key)
{
    CDbQuery& query = TDM_Project::Current().qryTemp;
    if (CTool::OpenQuery(query, CSQLStatement(QStringLiteral("Select f_value from tbl_registry where f_key=?"),
                                              {QString::fromLatin1(key)})) <= 0)
        return 0;
    return query.AsString(QStringLiteral("f_value")).trimmed().toInt();
}
int CHourlyLoadTable::ArrayOf(int designType, int option)
{
    switch (designType) {
    case 2:
        return Find(kIntelligent, option);
    case 3:
        if (option == 611 || option == 612 || option == 679 || option == 680)
            return DetailLists;
        return Find(kDetailed, option);
    case 4:
    case 5:
        return Find(kACStep, option);
    case 7:
    case 8:
        return Find(kHeatingStep, option);
    default:
        return -1;
    }
}

void CHourlyLoadTable::SelectOutputHours(const CProjectData& project, int peakHour, Hours& hours)
{
    hours.fill(0);
    const int interval = std::max(1, project.HourInterval);
    if (project.TimePeriodType != 0) {
        const int window = std::clamp(project.HourfromMaximumLoad, 0, kHours);
        const int peak = std::clamp(peakHour, 0, kHours - 1);
        hours[static_cast<size_t>(peak)] = 1;
        for (int h = peak; h <= peak + window; h += interval)
            hours[static_cast<size_t>(h % kHours)] = 1;
        for (int h = peak; h >= peak - window; h -= interval)
            hours[static_cast<size_t>((h + kHours) % kHours)] = 1;
        return;
    }
    const int begin = std::clamp(project.TimeBeginning, 0, kHours - 1);
    const int end = std::clamp(project.TimeEnd, 0, kHours - 1);
    for (int h = begin; h <= end; h += interval)
        hours[static_cast<size_t>(h)] = 1;
}

CHourlyLoadTable::CHourlyLoadTable(CQORReport& section, int designType, ReportFactory factory,
                                   UnhandledOption unhandled)
    : HourlyReport(&section), m_designType(designType), m_factory(std::move(factory)),
      m_unhandled(std::move(unhandled))
{
    if (designType == kDetailedType)
        m_showZeroRows = RegistryValue("ShowZeroRow") != 0;
}

void CHourlyLoadTable::WriteHourlyLoadRows(void* record, const Hours& hours, int firstHour, CElementBase* element,
                                           int kind)
{
    // With 24 columns every selected hour is listed at once: no continuation table ever follows.
    int listed[kHours];
    std::fill(std::begin(listed), std::end(listed), -1);
    int count = 0;
    for (int h = std::max(0, firstHour); h < kHours; ++h)
        if (hours[static_cast<size_t>(h)])
            listed[count++] = h;
    const auto* hourly = HourlyOf(record, m_designType);
    if (count == 0 || !hourly)
        return;

    CQORReport* node = nullptr;
    if (m_designType == kDetailedType) {
        node = m_factory("lib/Report/AirConditionLoadDetailedData_Data.grf");
        node->m_Landscape = HourlyReport->m_Landscape;
        node->SetReportParameter(QStringLiteral("Name"), HourlyRowTitle);
        WriteDetailedHead(*node, record, element, kind);
        node->AddReportField(QStringLiteral("Field2"));
        for (int h = 0; h < kHours; ++h)
            node->AddReportField(QStringLiteral("%1:00").arg(h));
        HourlyRow = 0;
    }

    // The peak of the table, the same in every row of the monthly and daily types.
    QString maxValue;
    QString maxTime;
    if (m_designType == 4 || m_designType == 5) {
        const int cooling = FindPeakIndex(hourly[0], kHours, 0);
        const int heating = FindPeakIndex(hourly[2], kHours, 0);
        const float coolingValue = FindPeakValue(hourly[0], kHours, 0);
        const float heatingValue = FindPeakValue(hourly[2], kHours, 0);
        const bool heatingWins = std::fabs(heatingValue) > std::fabs(coolingValue);
        maxValue = QString::asprintf("%.2f", static_cast<double>(heatingWins ? heatingValue : coolingValue));
        maxTime = QStringLiteral("%1:00").arg(heatingWins ? heating : cooling);
    } else if (m_designType == 7 || m_designType == 8) {
        const int peak = FindPeakIndex(hourly[0], kHours, 0);
        maxValue = QString::asprintf("%.2f", static_cast<double>(hourly[0][std::max(peak, 0)]));
        maxTime = QStringLiteral("%1:00").arg(std::max(peak, 0));
    }

    COutputParam* parent = COutputParams::Current().FindOutputParam(kHourlyOption);
    if (!parent)
        return;
    for (const COutputParam* item : parent->Children) {
        if (item->Flag(m_designType) <= 0)
            continue;
        const int array = ArrayOf(m_designType, item->ID);
        if (array == -1) {
            m_unhandled(item->ID);
            continue;
        }
        if (node) {
            if (array == DetailLists) {
                auto& detailed = *static_cast<CCalculate_Result_IsACLoadCalculation*>(record);
                for (int list : DetailListsOf(item->ID)) {
                    if (list < 0)
                        break;
                    for (int i = 0; i < detailed.DetailList[list].Count(); ++i) {
                        const OutSideWall_Detail_Data* entry = detailed.DetailList[list].Get(i);
                        WriteNodeRow(*node, Caption(entry->Caption), entry->Value, listed);
                    }
                }
            } else {
                WriteNodeRow(*node, item->OutputOptionName, hourly[array], listed);
            }
            continue;
        }
        CQORReport& report = *HourlyReport;
        report.SetReportCell(HourlyRow, 0, HourlyRowTitle);
        report.SetReportCell(HourlyRow, 1, Caption(item->OutputOptionName));
        for (int i = 0; i < count; ++i)
            report.SetReportCell(HourlyRow, listed[i] + 2, CellText(hourly[array][listed[i]]));
        if (!maxTime.isEmpty()) {
            report.SetReportCell(HourlyRow, 26, maxValue);
            report.SetReportCell(HourlyRow, 27, maxTime);
        }
        ++HourlyRow;
    }
    if (node)
        HourlyReport->AddSubReport(node);
}

void CHourlyLoadTable::WriteNodeRow(CQORReport& node, const QString& caption, const float* values,
                                    const int* listed)
{
    if (!m_showZeroRows) {
        bool carries = false;
        for (int i = 0; i < kHours && listed[i] >= 0; ++i)
            carries = carries || std::trunc(values[listed[i]]) != 0;
        if (!carries)
            return;
    }
    node.SetReportCell(HourlyRow, 0, caption);
    for (int i = 0; i < kHours && listed[i] >= 0; ++i)
        node.SetReportCell(HourlyRow, listed[i] + 1, CellText(values[listed[i]]));
    ++HourlyRow;
}

void CHourlyLoadTable::WriteDetailedHead(CQORReport& node, void* record, CElementBase* element, int kind) const
{
    auto& detailed = *static_cast<CCalculate_Result_IsACLoadCalculation*>(record);
    const float* totals = detailed.EnsureTotals().Value;
    const QString unit = CProjectData::Current().Unit != 0 ? QStringLiteral("kcal/h") : QStringLiteral("W");
    CRegistry output;
    output.LoadRegistrySection(QStringLiteral("Output"));
    const bool winter = output.ReadRegistryBool(QStringLiteral("Head_Winter"), true);
    const bool roomDetail = output.ReadRegistryBool(QStringLiteral("Head_RoomDetail"), true);
    auto two = [](double value) { return QString::number(value, 'f', 2); };

    QString head;
    if (const auto* room = kind == 3 ? dynamic_cast<const CRoom*>(element) : nullptr) {
        static const char* const densityUnits[] = {"人/m^2", "m^2/人", "人"};
        const int type = room->InputTypeofPeopleDensity;
        head += QStringLiteral("房间用途:%1 面积:%2m^2 人员密度:%3%4")
                    .arg(CMaterialParamNameList::Current().GetNameById(kRoomUseKind, room->RoomUse), two(room->Area),
                         two(room->PeopleDensity),
                         type >= 0 && type <= 2 ? QString::fromUtf8(densityUnits[type]) : QString());
        if (roomDetail)
            head += QStringLiteral("\n室内设计温度:%1℃(夏)/%2℃(冬) 相对湿度:%3%(夏)/%4%(冬)")
                        .arg(two(room->SummerACTemperature), two(room->WinterACTemperature), two(room->SummerACRH),
                             two(room->WinterACRH));
    } else if (const auto* storey = kind == 2 ? dynamic_cast<const CStorey*>(element) : nullptr) {
        head += QStringLiteral("楼层用途:%1  面积:%2m^2")
                    .arg(CMaterialParamNameList::Current().GetNameById(kStoreyUseKind, storey->StoreyUse),
                         two(storey->StoreyArea));
    }
    struct SPeakLine
    {
        const char* Text;
        int Total;
        int Array;
        int Filter;
        bool Winter;
    };
    static const SPeakLine lines[] = {
        {"\n夏季最大总冷负荷(含新风)为:%1%2  发生时刻:%3\n", 0, 0, 1, false},
        {"夏季最大室内冷负荷为:%1%2  发生时刻:%3\n", 2, 2, 1, false},
        {"夏季新风冷负荷为:%1%2  发生时刻:%3\n", 6, 6, 1, false},
        {"冬季最大总热负荷(含新风)为:%1%2  发生时刻:%3\n", 9, 9, 2, true},
        {"冬季最大室内热负荷为:%1%2  发生时刻:%3\n", 11, 11, 2, true},
        {"冬季新风热负荷为:%1%2  发生时刻:%3\n", 17, 15, 2, true},
        {"冬季最大室内冷负荷为:%1%2  发生时刻:%3\n", 12, 13, 1, true}};
    for (const SPeakLine& line : lines)
        if (!line.Winter || winter)
            head += QString::fromUtf8(line.Text).arg(Whole(totals[line.Total]), unit,
                                                      FormatPeakHourText(detailed.Hourly[line.Array], kHours,
                                                                         line.Filter));
    head += QStringLiteral("夏季室内湿负荷为:%1g/h").arg(Whole(totals[4]));
    if (winter)
        head += QStringLiteral("  冬季室内湿负荷为:%1g/h\n").arg(Whole(totals[15]));
    node.SetReportParameter(QStringLiteral("strParams"), head);
}
