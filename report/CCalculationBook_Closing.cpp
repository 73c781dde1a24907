// The closing sections of the calculation book: the condition-analysis answer, the storey groups,
// the return-air and fresh-air systems and the remarks.
#include "report/CCalculationBook.h"

#include "calc/CCalculate_Building.h"
#include "calc/CCalculate_Manager.h"
#include "calc/SAirSystemOrStoreyGroupStruct.h"
#include "model/CBuilding.h"
#include "model/CRoom.h"
#include "model/CStorey.h"
#include "model/TDM_Project.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CGbkCodec.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "report/COutputParams.h"
#include "report/engine/CQORReport.h"

#include <QFileInfo>
#include <algorithm>
#include <vector>

namespace {
// A default value of the open project as a number; one that is missing or no number raises, which
// ends the book through its error handling rather than printing a made-up value.
double DefaultNumber(const char* name)
{
    const QString text = TInitalizationManage::Current().GetInitValue(QString::fromLatin1(name));
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        throw Exception(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

int DefaultInteger(const char* name)
{
    const QString text = TInitalizationManage::Current().GetInitValue(QString::fromLatin1(name));
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw Exception(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

QString BuildingName(const CCalculate_Building& building)
{
    const auto* element = dynamic_cast<CBuilding*>(building.Entry.GetElement());
    return element ? element->Name : building.Entry.Caption;
}
} // namespace

CQORReport* CCalculationBook::BuildConditionAnalysisSection()
{
    if (!m_options.IsOutput(457))
        return nullptr;
    Progress(QStringLiteral("正在处理工况分析"));
    const QString projectFile = TDM_Project::Current().ProjectCon.FileName();
    const QString answer = QFileInfo(projectFile).absolutePath() + QStringLiteral("/return_id.txt");
    if (projectFile.isEmpty() || !QFileInfo::exists(answer))
        return nullptr;
    CQORReport* report = NewSectionReport("lib/Report/AirConditionRetailDesign.grf", "RetailDesign");
    report->AddReportField(QStringLiteral("Field1"));
    QString text;
    if (!CGbkCodec::ReadTextFile(answer, text))
        return nullptr;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (int row = 0; row < lines.size(); ++row)
        report->SetReportCell(row, 0, lines[row]);
    report->SetReportParameter(QStringLiteral("subtitle"), NumberedTitle(QStringLiteral("空调工况分析结果")));
    return report;
}

CQORReport* CCalculationBook::BuildStoreyGroupSection()
{
    if (!m_options.IsOutput(467))
        return nullptr;
    Progress(QStringLiteral("正在处理楼层组管理"));
    CDbQuery& query = TDM_Project::Current().Element;
    // A failed query has been reported to the user (-1); like an empty table it prints nothing.
    if (CTool::OpenQuery(query, CSQLStatement(QStringLiteral("select * from StoreyGroup "))) <= 0)
        return nullptr;
    std::vector<SAirSystemOrStoreyGroupStruct> groups;
    for (query.First(); !query.Eof(); query.Next()) {
        SAirSystemOrStoreyGroupStruct group;
        group.Name = query.AsString(QStringLiteral("StoreyGroupName"));
        group.BaseStorey = query.AsString(QStringLiteral("BaseStorey"));
        groups.push_back(std::move(group));
    }
    CQORReport* report = NewSectionReport("lib/Report/StoreyGroup.grf", "StoreyGroup");
    report->AddReportField(QStringLiteral("StoreyGroupName"))
        .AddReportField(QStringLiteral("BaseStoreyName"))
        .AddReportField(QStringLiteral("StoreyName"));
    report->SetReportParameter(QStringLiteral("subtitle"), NumberedTitle(QStringLiteral("楼层组管理")));
    int row = 0;
    for (const auto& building : m_manager.Buildings())
        for (const auto& storey : building->Storeys) {
            const auto* element = dynamic_cast<CStorey*>(storey->Entry.GetElement());
            if (!element || element->StoreyGroupName.isEmpty())
                continue;
            const auto group = std::find_if(groups.begin(), groups.end(), [&](const auto& g) {
                return g.Name == element->StoreyGroupName;
            });
            if (group == groups.end())
                continue;
            report->SetReportCell(row, 0, element->StoreyGroupName);
            report->SetReportCell(row, 1, group->BaseStorey);
            report->SetReportCell(row, 2, BuildingName(*building) + QStringLiteral("~") + element->Name);
            ++row;
        }
    return report;
}

CQORReport* CCalculationBook::BuildReturnAirSystemSection()
{
    if (!m_options.IsOutput(468))
        return nullptr;
    Progress(QStringLiteral("正在处理回风系统划分"));
    return BuildAirSystemSection(true);
}

CQORReport* CCalculationBook::BuildFreshAirSystemSection()
{
    if (!m_options.IsOutput(469))
        return nullptr;
    Progress(QStringLiteral("正在处理新风系统划分"));
    return BuildAirSystemSection(false);
}

CQORReport* CCalculationBook::BuildAirSystemSection(bool primary)
{
    CQORReport* report = primary ? NewSectionReport("lib/Report/ReboundAirSystem.grf", "ReboundAirSystem")
                                 : NewSectionReport("lib/Report/NewAirSystem.grf", "NewAirSystem");
    report->AddReportField(QStringLiteral("SystemName")).AddReportField(QStringLiteral("RoomName"));
    int row = 0;
    for (const auto& building : m_manager.Buildings())
        for (const auto& storey : building->Storeys) {
            const auto* storeyElement = dynamic_cast<CStorey*>(storey->Entry.GetElement());
            const QString storeyName = storeyElement ? storeyElement->Name : storey->Entry.Caption;
            for (const auto& room : storey->Rooms) {
                const auto* element = dynamic_cast<CRoom*>(room->Entry.GetElement());
                if (!element)
                    continue;
                const QString& system = primary ? element->PrimaryAirSystemName : element->OutsideAirSystemName;
                if (system.isEmpty())
                    continue;
                report->SetReportCell(row, 0, system);
                report->SetReportCell(row, 1, BuildingName(*building) + QStringLiteral("~") + storeyName +
                                                  QStringLiteral("~") + room->Entry.Caption);
                ++row;
            }
        }
    if (row == 0)
        return nullptr;
    report->SetReportParameter(QStringLiteral("subtitle"),
                               NumberedTitle(primary ? QStringLiteral("回风系统划分") : QStringLiteral("新风系统划分")));
    return report;
}

CQORReport* CCalculationBook::BuildRemarksSection()
{
    if (!m_options.IsOutput(613))
        return nullptr;
    Progress(QStringLiteral("正在处理计算书说明"));
    CQORReport* report = NewReport("lib/Report/prjremark.grf");
    report->AddReportField(QStringLiteral("Field1"));
    QStringList rows;
    rows << QStringLiteral("1，本报告中，正值表示冷负荷，负值表示热负荷")
         << QStringLiteral("2，本报告采用%1面积冷（热）指标")
                .arg(DefaultInteger("AreaTypeForCalIndex") == 0 ? QStringLiteral("空调") : QStringLiteral("建筑"));
    if (m_options.IsOutput(614))
        rows << QStringLiteral("%1，本报告中，冬季得热修正系数为 %2")
                    .arg(rows.size() + 1)
                    .arg(QString::number(DefaultNumber("WinterHeatGainCoefficient"), 'f', 2));
    auto method = [](int steady) { return steady != 0 ? QStringLiteral("稳态") : QStringLiteral("动态"); };
    if (m_options.IsOutput(615))
        rows << QStringLiteral("%1，本报告冬季空调负荷采用%2计算法")
                    .arg(rows.size() + 1)
                    .arg(method(DefaultInteger("IsWinterACLoadSteady")));
    if (m_options.IsOutput(616))
        rows << QStringLiteral("%1，本报告新风负荷采用%2计算法")
                    .arg(rows.size() + 1)
                    .arg(method(DefaultInteger("newwind_steadystate")));
    for (int row = 0; row < rows.size(); ++row)
        report->SetReportCell(row, 0, rows[row]);
    report->SetReportParameter(QStringLiteral("subtitle"), NumberedTitle(QStringLiteral("计算书说明")));
    return report;
}
