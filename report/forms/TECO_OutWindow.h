#pragma once
#include "report/forms/TEnergyCheckForm.h"

// "外窗传热系数计算": area-weighted heat-transfer and shading coefficients of the openings of each
// wall orientation, of all openings and of the roof's transparent part. After "刷新" the values
// show two decimals; on opening they are trimmed.
class TECO_OutWindow : public TEnergyCheckForm
{
    Q_OBJECT
public:
    TECO_OutWindow(QWidget* owner, const QString& buildingName);

protected:
    std::vector<double> Compute(bool force) override;
    QString RefreshedText(double value) const override;
};
