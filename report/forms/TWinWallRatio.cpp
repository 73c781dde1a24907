#include "report/forms/TWinWallRatio.h"

#include "app/controls/CNumberText.h"
#include "app/controls/TControlEdit.h"
#include "report/EnergyChecks.h"

TWinWallRatio::TWinWallRatio(QWidget* owner, const QString& buildingName)
    : TEnergyCheckForm(
          owner, buildingName,
          {QStringLiteral("窗墙面积比计算"),
           QStringLiteral("墙朝向或屋顶"),
           {QStringLiteral("透明部分面积\n(m^2)"), QStringLiteral("墙或屋顶总面积\n(m^2)"),
            QStringLiteral("窗墙比或屋顶\nM"), QStringLiteral("窗墙比或屋顶M的限值")},
           {QStringLiteral("南"), QStringLiteral("西南"), QStringLiteral("西"), QStringLiteral("西北"),
            QStringLiteral("北"), QStringLiteral("东北"), QStringLiteral("东"), QStringLiteral("东南"),
            QStringLiteral("墙的所有朝向"), QStringLiteral("屋顶")},
           2,
           WindowWallColumns()})
{
    setObjectName(QStringLiteral("WinWallRatio"));
}

std::vector<double> TWinWallRatio::Compute(bool force)
{
    return ComputeWindowWallRatio(BuildingName(), force);
}

void TWinWallRatio::a0Change(int row)
{
    if (Filling() || !Edit(2, row))
        return;
    const double transparent = CNumberText::ToDouble(Edit(0, row)->text().trimmed()).value_or(0);
    const double total = CNumberText::ToDouble(Edit(1, row)->text().trimmed()).value_or(0);
    Edit(2, row)->setText(total != 0 ? QString::number(transparent / total, 'g', 15) : QStringLiteral("0"));
}
