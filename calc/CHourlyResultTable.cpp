#include "calc/CHourlyResultTable.h"

#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/ResultByType.h"

#include <array>
#include <memory>
#include <vector>

namespace {
constexpr int kDetailedCooling = 3;

const std::array<const char*, 120>& Captions()
{
    static const std::array<const char*, 120> captions{
        "总冷负荷(全热)",
        "总冷负荷(显热)",
        "室内冷负荷(全热)",
        "室内冷负荷(显热)",
        "夏季总湿负荷",
        "夏季新风量(m^3/h)",
        "新风冷负荷(全热)",
        "新风冷负荷(显热)",
        "总冷指标(W/m^2)",
        "总热负荷(全热)",
        "总热负荷(显热)",
        "室内热负荷(全热)",
        "室内热负荷(显热)",
        "冬季室内冷负荷(全热)",
        "冬季室内冷负荷(显热)",
        "新风热负荷(全热)",
        "新风热负荷(显热)",
        "总热指标(W/m^2)",
        "冬季总湿负荷",
        "冬季新风量(m^3/h)",
        "夏季人员冷负荷(全热)",
        "夏季人员冷负荷(显热)",
        "夏季人员湿负荷",
        "冬季人员冷负荷(全热)",
        "冬季人员冷负荷(显热)",
        "冬季人员湿负荷",
        "夏季照明冷负荷",
        "冬季照明冷负荷",
        "夏季电热设备冷负荷",
        "冬季电热设备冷负荷",
        "夏季电热设备湿负荷",
        "冬季电热设备湿负荷",
        "夏季电子设备冷负荷",
        "冬季电子设备冷负荷",
        "夏季电动设备冷负荷",
        "冬季电动设备冷负荷",
        "夏季电动设备湿负荷",
        "冬季电动设备湿负荷",
        "夏季食物冷负荷",
        "冬季食物冷负荷",
        "夏季食物湿负荷",
        "冬季食物湿负荷",
        "夏季水面蒸发冷负荷",
        "冬季水面蒸发冷负荷",
        "夏季水面蒸发湿负荷",
        "冬季水面蒸发湿负荷",
        "空气渗透冷负荷",
        "空气渗透热负荷",
        "夏季空气渗透湿负荷",
        "冬季空气渗透湿负荷",
        "外墙冷负荷(含外门窗)",
        "外墙热负荷(含外门窗)",
        "内墙冷负荷(含内门窗)",
        "内墙热负荷(含内门窗)",
        "外窗冷负荷",
        "外窗热负荷",
        "外窗传热冷负荷",
        "外窗传热热负荷",
        "外窗辐射冷负荷",
        "外窗辐射热负荷",
        "外门冷负荷",
        "外门热负荷",
        "内窗冷负荷",
        "内窗热负荷",
        "内门冷负荷",
        "内门热负荷",
        "屋顶冷负荷(含天窗)",
        "屋顶热负荷(含天窗)",
        "天窗冷负荷",
        "天窗热负荷",
        "天窗传热冷负荷",
        "天窗传热热负荷",
        "天窗辐射冷负荷",
        "天窗辐射热负荷",
        "楼板冷负荷",
        "楼板热负荷",
        "玻璃屋顶冷负荷",
        "玻璃屋顶热负荷",
        "地板冷负荷",
        "地板热负荷",
        "悬空地板冷负荷",
        "悬空地板热负荷",
        "闷顶冷负荷",
        "闷顶热负荷",
        "外墙冷负荷",
        "外墙热负荷",
        "内墙冷负荷",
        "内墙热负荷",
        "屋顶冷负荷",
        "屋顶热负荷",
        "围护冷负荷",
        "围护热负荷",
        "缝墙冷负荷",
        "缝墙热负荷",
        "冬季太阳辐射负荷",
        "夏季太阳辐射负荷",
        "玻璃幕墙冷负荷",
        "玻璃幕墙热负荷",
        "玻璃屋顶传热冷负荷",
        "玻璃屋顶传热热负荷",
        "玻璃屋顶辐射冷负荷",
        "玻璃屋顶辐射热负荷",
        "地面冷负荷",
        "地面热负荷",
        "地下室外墙冷负荷",
        "地下室外墙热负荷",
        "夏季水泵温升和水管温升冷负荷",
        "冬季水泵温升和水管温升冷负荷",
        "夏季风机温升和风管温升冷负荷",
        "冬季风机温升和风管温升冷负荷",
        "夏季化学反应湿负荷",
        "冬季化学反应湿负荷",
        "夏季化学反应全热负荷",
        "冬季化学反应全热负荷",
        "夏季化学反应潜热负荷",
        "冬季化学反应潜热负荷",
        "夏季围护结构湿负荷",
        "冬季围护结构湿负荷",
        "夏季围护结构潜热负荷",
        "冬季围护结构潜热负荷",
    };
    return captions;
}

std::vector<int> RowOrder()
{
    std::vector<int> order;
    const auto range = [&](int first, int last) {
        for (int i = first; i <= last; ++i)
            order.push_back(i);
    };
    range(0, 55);
    range(60, 69);
    range(74, 97);
    range(102, 105);
    range(108, 119);
    range(106, 107);
    range(56, 59);
    range(70, 73);
    range(98, 101);
    return order;
}
} // namespace

QString HourlyArrayCaption(int array)
{
    if (array < 0 || array >= static_cast<int>(Captions().size()))
        return {};
    return QString::fromUtf8(Captions()[static_cast<size_t>(array)]);
}

void FormatHourlyResultTable(const CCalculate_Result_IsACLoadCalculation& result, QStringList& lines)
{
    QString header = QStringLiteral("项目");
    for (int hour = 0; hour < 24; ++hour)
        header += QStringLiteral(",%1:00").arg(hour);
    lines.append(header);

    static const std::vector<int> order = RowOrder();
    for (const int array : order) {
        QString row = QString::fromUtf8(Captions()[static_cast<size_t>(array)]) + QLatin1Char(',');
        // Qt's own printf formatting: a point and no grouping whatever the user's locale.
        for (int hour = 0; hour < 24; ++hour)
            row += QString::asprintf("%f,", static_cast<double>(result.Hourly[array][hour]));
        lines.append(row);
    }
}

void CCalculate_Manager::WriteHourlyResultTable(CTreeItem* item, QStringList& lines)
{
    if (CurrentDesignType() != kDetailedCooling)
        return;
    auto result = std::make_unique<CCalculate_Result_IsACLoadCalculation>();
    result->Reset();
    // A failed or stopped run still leaves what it filled; the table shows that for inspection.
    Calculate(item, result.get());
    FormatHourlyResultTable(*result, lines);
}
