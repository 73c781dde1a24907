// The scheme calculation: every room of a scheme through the daily air-conditioning calculation,
// its operating hours summed by month, day or hour, and the CSV summary of all schemes.
#include "calc/CCalMsgOutput.h"
#include "calc/CCalculateHostBase.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CCalculate_Room.h"
#include "calc/CRunTimeMgr.h"
#include "model/CNodeData.h"
#include "model/CProjectTreeHostBase.h"
#include "model/CTreeView2DB.h"
#include "model/NameTables.h"
#include "platform/core/CGbkCodec.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <cmath>

namespace {
constexpr int kRoomType = 3;
constexpr int kMonths = 12;
// The step-result array of each series.
constexpr int kSeriesArrays[RunTimeSys::SeriesCount] = {0, 1, 6, 7, 16, 51, 5, 2, 3, 8, 9, 4};

using StepRecord = CCalculate_Result_IsACLoadStepCalculation;

void SetSchemeName(const QString& name)
{
    if (CCalculateHostBase* host = CCalculateHostBase::GetCurrent())
        host->SetSchemeName(name);
}

CNodeData* FindNode(int nodeId)
{
    return CTreeView2DB::Exists() ? CTreeView2DB::Current().Root().FindNodeById(nodeId) : nullptr;
}

// Adds the magnitudes of the room's daily loads at the scheme's operating hours into its series.
void AddOperatingHours(RunTimeSys& scheme, const StepRecord* days, int kind)
{
    int d = 0;
    for (int m = 0; m < kMonths; ++m) {
        for (int day = 0; day < DaysOfMonth(m); ++day, ++d) {
            for (int h = 0; h < RunTimeSys::Hours; ++h) {
                if (!scheme.HourFlags[static_cast<size_t>(d * RunTimeSys::Hours + h)])
                    continue;
                const int target = kind == CRunTimeMgr::ByMonth ? m
                                   : kind == CRunTimeMgr::ByDay ? d
                                                                : d * RunTimeSys::Hours + h;
                for (int k = 0; k < RunTimeSys::SeriesCount; ++k)
                    scheme.Sum(k, target) += std::fabs(days[d].Hourly[kSeriesArrays[k]][h]);
            }
        }
    }
}

QString Row(const QString& label, const RunTimeSys& scheme, int entry)
{
    QString row = label;
    for (int k = 0; k < RunTimeSys::SeriesCount; ++k)
        row += QString::asprintf(",%.2f", scheme.Sum(k, entry));
    return row;
}
} // namespace

const QString CRunTimeMgr::CsvHeader = QStringLiteral(
    "时间,总冷全热,总冷显热,室内冷全热,室内冷显热,湿负荷,新风量,新风冷负荷,总热全热,总热显热,室内热全热,"
    "室内热显热,新风热负荷");

bool CRunTimeMgr::ExportSchemeCsv(const QString& path, int kind)
{
    if (!CalculateAllSchemes(kind)) {
        if (CTool::Exists())
            CTool::Current().EndProgress();
        return false;
    }
    QStringList lines;
    for (const auto& scheme : m_schemes) {
        lines << scheme->Name << CsvHeader;
        SetSchemeName(scheme->Name);
        WriteSchemeRows(lines, *scheme, kind);
    }
    CGbkCodec::WriteLines(path, lines);
    if (CTool::Exists())
        CTool::Current().ShowMessage(QStringLiteral("成功导出"));
    if (CTreeView2DB::Exists() && CTreeView2DB::Current().Host())
        CTreeView2DB::Current().Host()->OpenWithShell(path);
    return true;
}

bool CRunTimeMgr::CalculateAllSchemes(int kind)
{
    // One gauge over the rooms of all schemes: a room in two schemes is calculated twice.
    int rooms = 0;
    for (const auto& scheme : m_schemes)
        for (int id : scheme->RoomIds)
            if (const CNodeData* node = FindNode(id); node && node->Type() == kRoomType)
                ++rooms;
    if (CCalMsgOutput* progress = CCalMsgOutput::GetCurrent()) {
        progress->SetCalcMessage(QStringLiteral("正在计算负荷"));
        progress->SetProgressMax(rooms);
    }

    CCalculate_Manager manager;
    manager.SetRoomEngine(m_roomEngine);
    for (const auto& scheme : m_schemes) {
        if (!CalculateScheme(*scheme, manager, kind))
            return false;
        if (CTool::Exists())
            CTool::Current().StepProgress(1);
    }
    return true;
}

bool CRunTimeMgr::CalculateScheme(RunTimeSys& scheme, CCalculate_Manager& manager, int kind)
{
    scheme.ClearSums();
    try {
        SetSchemeName(scheme.Name);
        for (int id : scheme.RoomIds) {
            CNodeData* node = FindNode(id);
            if (!node || !node->TreeItem())
                throw Exception(QStringLiteral("运行方案“%1”的房间%2不在工程中").arg(scheme.Name).arg(id));
            if (node->Type() != kRoomType)
                continue;
            CCalculate_Room room{CBaseData(*node->TreeItem())};
            manager.CalculateSchemeRoom(node->TreeItem(), room);
            if (!room.Result)
                return false;
            AddOperatingHours(scheme, static_cast<const StepRecord*>(room.Result), kind);
        }
        return true;
    } catch (const std::exception&) {
        if (CTool::Exists())
            CTool::Current().ShowMessageBox(QStringLiteral("错误"), QStringLiteral("计算错误。"), 6, 1);
        return false;
    }
}

void CRunTimeMgr::WriteSchemeRows(QStringList& lines, const RunTimeSys& scheme, int kind)
{
    int d = 0;
    for (int m = 0; m < kMonths; ++m) {
        if (kind == ByMonth) {
            lines << Row(QStringLiteral("%1月").arg(m + 1), scheme, m);
            continue;
        }
        for (int day = 0; day < DaysOfMonth(m); ++day, ++d) {
            if (kind == ByDay) {
                lines << Row(QStringLiteral("%1月%2日").arg(m + 1).arg(day + 1), scheme, d);
                continue;
            }
            for (int h = 0; h < RunTimeSys::Hours; ++h) {
                const int t = d * RunTimeSys::Hours + h;
                if (scheme.HourFlags[static_cast<size_t>(t)])
                    lines << Row(QStringLiteral("%1月%2日%3时").arg(m + 1).arg(day + 1).arg(h), scheme, t);
            }
        }
    }
}
