#pragma once
#include "report/forms/TEnergyCheckForm.h"

// "外墙传热系数计算": area-weighted heat-transfer coefficients of the opaque envelope by group
// (walls, roofs, projection floors, partitions, perimeter and other ground, basement walls).
class TECO_OutsideDoor : public TEnergyCheckForm
{
    Q_OBJECT
public:
    TECO_OutsideDoor(QWidget* owner, const QString& buildingName);

protected:
    std::vector<double> Compute(bool force) override;
};
