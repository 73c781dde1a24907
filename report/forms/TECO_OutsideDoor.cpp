#include "report/forms/TECO_OutsideDoor.h"

#include "report/EnergyChecks.h"

TECO_OutsideDoor::TECO_OutsideDoor(QWidget* owner, const QString& buildingName)
    : TEnergyCheckForm(
          owner, buildingName,
          {QStringLiteral("外墙传热系数计算"),
           QString(),
           {QStringLiteral("面积加权传热系数\nW/m^2.℃"), QStringLiteral("传热系数限值\nW/m^2.℃")},
           {QStringLiteral("外墙(包括各朝向外墙的非透明部分和非透明幕墙)："),
            QStringLiteral("屋顶非透明部分："), QStringLiteral("底面结束室外空气的架空或外挑楼板："),
            QStringLiteral("非采暖空调房间与采暖空调房间的隔墙或楼板："), QStringLiteral("周边地面："),
            QStringLiteral("非周边地面："), QStringLiteral("地下室外墙：")},
           1,
           OutsideWallColumns()})
{
    setObjectName(QStringLiteral("ECO_OutsideDoor"));
}

std::vector<double> TECO_OutsideDoor::Compute(bool force)
{
    return ComputeOutsideWallK(BuildingName(), force);
}
