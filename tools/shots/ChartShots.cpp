#include "tools/shots/CFormShots.h"

#include "app/TVoro_Main.h"
#include "calc/CCalMsgOutput.h"
#include "calc/CCalResultBuffer.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CLoadCurveList.h"
#include "calc/CNodeDataBuffer.h"
#include "model/CActionState.h"
#include "model/CNodeData.h"
#include "model/CTreeView2DB.h"
#include "report/CHLDReport.h"
#include "report/engine/CQORReport.h"
#include "report/engine/CReportPage.h"
#include "report/engine/CReportPaginator.h"
#include "report/engine/CReportPreviewBase.h"
#include "report/forms/THLReport_SetForm.h"
#include "report/forms/TLoadChartForm.h"
#include "report/forms/TViewLoadCurve.h"

#include <QAction>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979;

void Choose(TVoro_Main& window, int designType)
{
    if (QAction* action = window.Action(CActionState::DesignTypeActionName(designType)))
        action->trigger();
}

// The curves of the demonstration building under the detailed cooling calculation, kept for the
// window that shows them.
const CLoadCurveList& BuildingCurves(TVoro_Main& window)
{
    static std::unique_ptr<CLoadCurveList> curves;
    if (curves)
        return *curves;
    Choose(window, 3);
    CNodeDataBuffer nodeBuffer;
    CCalResultBuffer resultPool;
    CCalMsgOutput progress(QStringLiteral("正在计算负荷"), nullptr, [&] {
        CCalculate_Manager manager;
        CNodeData* building = CTreeView2DB::Current().Root().FindNodeByCaption(1, QString());
        curves = manager.BuildLoadCurves(building ? building->TreeItem() : nullptr);
    });
    if (!curves)
        curves = std::make_unique<CLoadCurveList>(3);
    return *curves;
}

// A daily cooling year of an office, made up: the cooling load follows the season and the working
// hours, the outdoor air and the envelope follow the outdoor temperature of a Beijing-like year.
const CLoadCurveList& SyntheticYear()
{
    static std::unique_ptr<CLoadCurveList> curves;
    if (curves)
        return *curves;
    curves = std::make_unique<CLoadCurveList>(5);
    const char* names[] = {"总负荷(全热)", "室内负荷(全热)", "新风负荷", "围护负荷"};
    float day[24];
    for (int component = 0; component < 4; ++component)
        for (int d = 0; d < 365; ++d) {
            const double season = std::cos(2 * kPi * (d - 198) / 365.0);
            for (int h = 0; h < 24; ++h) {
                const double outdoor = 12 + 15 * season + 5 * std::cos(2 * kPi * (h - 15) / 24.0);
                const bool working = h >= 8 && h < 18 && d % 7 < 5;
                const double envelope = 120 * (outdoor - 22);
                const double air = working ? 90 * (outdoor - 24) : 0;
                const double internal = working ? 2500 + 15 * (outdoor - 22) : 0;
                const double values[] = {internal + air + envelope, internal + envelope, air, envelope};
                day[h] = static_cast<float>(values[component]);
            }
            curves->AddCurve(QString::fromUtf8(names[component]), day, d);
        }
    return *curves;
}

// Lays out the first page of each book the heating-load book would preview.
class CPagePreview : public CReportPreviewBase
{
public:
    void ShowPreview(CQORReport& report) override
    {
        report.ApplyPrintSettings();
        Pages = CReportPaginator::Paginate(report.ReportObject());
    }
    QList<CReportPage> Pages;
};

std::unique_ptr<QWidget> HeatingBookPage(TVoro_Main& window)
{
    Choose(window, 6);
    CPagePreview preview;
    {
        CNodeDataBuffer nodeBuffer;
        CCalResultBuffer resultPool;
        CCalMsgOutput progress(QStringLiteral("正在计算负荷"), nullptr, [&] {
            CCalculate_Manager manager;
            manager.BuildCalcStructureFrom(window.MainTreeView()->TopItem(0));
            CHLDReport book;
            book.BuildReport(manager);
        });
    }
    return PagePicture(preview.Pages.isEmpty() ? nullptr : &preview.Pages.first());
}
} // namespace

void AddChartFormShots(FormShotList& shots)
{
    shots.push_back({QStringLiteral("TViewLoadCurve-dt3"), [](TVoro_Main& window) {
                         auto curves = std::make_unique<TViewLoadCurve>(BuildingCurves(window));
                         curves->resize(1280, 720);
                         curves->BuildSeries();
                         curves->ShowPeriod();
                         curves->show();
                         return std::unique_ptr<QWidget>(std::move(curves));
                     }});
    shots.push_back({QStringLiteral("TLoadChartForm-dt5"), [](TVoro_Main&) {
                         auto chart = std::make_unique<TLoadChartForm>(SyntheticYear());
                         chart->FillRangeCombos();
                         chart->DrawChart();
                         chart->show();
                         return std::unique_ptr<QWidget>(std::move(chart));
                     }});
    shots.push_back({QStringLiteral("THLReport_SetForm"), [](TVoro_Main& window) {
                         Choose(window, 6);
                         auto dialog = std::make_unique<THLReport_SetForm>(&window);
                         dialog->show();
                         return std::unique_ptr<QWidget>(std::move(dialog));
                     }});
    shots.push_back(
        {QStringLiteral("CHLDReport-page1"), [](TVoro_Main& window) { return HeatingBookPage(window); }});
}
