#pragma once
#include "calc/CLoadCurveDisplayBase.h"

class QWidget;

// The load-curve windows of the program: TViewLoadCurve and, for the daily cooling type,
// TLoadChartForm, each shown modally over the owner and destroyed when closed.
class CLoadCurveDisplay : public CLoadCurveDisplayBase
{
public:
    explicit CLoadCurveDisplay(QWidget* owner) : m_owner(owner) {}

    void ShowLoadCurves(const CLoadCurveList& curves) override;
    void ShowAnnualChart(const CLoadCurveList& curves) override;

private:
    QWidget* m_owner;
};
