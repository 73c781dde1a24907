#include "report/forms/CLoadCurveDisplay.h"

#include "report/forms/TLoadChartForm.h"
#include "report/forms/TViewLoadCurve.h"

void CLoadCurveDisplay::ShowLoadCurves(const CLoadCurveList& curves)
{
    TViewLoadCurve window(curves, m_owner);
    window.BuildSeries();
    window.ShowPeriod();
    window.showMaximized();
    window.exec();
}

void CLoadCurveDisplay::ShowAnnualChart(const CLoadCurveList& curves)
{
    TLoadChartForm window(curves, m_owner);
    window.FillRangeCombos();
    window.DrawChart();
    window.exec();
}
