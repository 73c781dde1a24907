#include "report/forms/TECO_OutWindow.h"

#include "report/EnergyChecks.h"

TECO_OutWindow::TECO_OutWindow(QWidget* owner, const QString& buildingName)
    : TEnergyCheckForm(
          owner, buildingName,
          {QStringLiteral("外窗传热系数计算"),
           QStringLiteral("墙朝向或屋顶透明部分"),
           {QStringLiteral("面积加权传热系数\nW/m^2.℃"), QStringLiteral("面积加权遮阳系数"),
            QStringLiteral("传热系数限值\nW/m^2.℃"), QStringLiteral("遮阳系数限值")},
           {QStringLiteral("南"), QStringLiteral("西南"), QStringLiteral("西"), QStringLiteral("西北"),
            QStringLiteral("北"), QStringLiteral("东北"), QStringLiteral("东"), QStringLiteral("东南"),
            QStringLiteral("窗的所有朝向"), QStringLiteral("屋顶透明部分")},
           2,
           OutsideWindowColumns()})
{
    setObjectName(QStringLiteral("ECO_OutWindow"));
}

std::vector<double> TECO_OutWindow::Compute(bool force)
{
    return ComputeOutsideWindowK(BuildingName(), force);
}

QString TECO_OutWindow::RefreshedText(double value) const
{
    return QString::number(value, 'f', 2);
}
