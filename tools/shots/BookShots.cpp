#include "tools/shots/CFormShots.h"

#include "app/TVoro_Main.h"
#include "app/controls/TCheckTreeView.h"
#include "calc/CCalMsgOutput.h"
#include "calc/CCalResultBuffer.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CNodeDataBuffer.h"
#include "model/CNodeTreeView.h"
#include "model/CProjectData.h"
#include "report/CCalculationBook.h"
#include "report/engine/CQORReport.h"
#include "report/engine/CReportPage.h"
#include "report/engine/CReportPaginator.h"
#include "report/forms/TOutputParamSet.h"

#include <QAction>
#include <QTreeWidget>

namespace {
constexpr int kBookPages = 3;

// The dialog under the design type of the action, the item of the option ID selected.
std::unique_ptr<QWidget> Dialog(TVoro_Main& window, const QString& designAction, int optionId)
{
    if (QAction* action = window.Action(designAction))
        action->trigger();
    auto dialog = std::make_unique<TOutputParamSet>(&window);
    dialog->show();
    dialog->CheckTreeView1->setCurrentItem(dialog->OptionItem(optionId));
    return dialog;
}

// The first pages of the detailed cooling book of the open project, laid out once.
const QList<CReportPage>& BookPages(TVoro_Main& window)
{
    static QList<CReportPage> pages;
    if (!pages.isEmpty())
        return pages;
    if (QAction* action = window.Action(QStringLiteral("Action_ACLoadDetailedCalculation")))
        action->trigger();
    // Statistics by storey: the demonstration rooms belong to no air system.
    CProjectData::Current().StatisticsType = 1;
    CNodeDataBuffer nodeBuffer;
    CCalResultBuffer resultPool;
    CCalMsgOutput progress(QStringLiteral("正在计算并输出负荷"), nullptr, [&] {
        CCalculate_Manager manager;
        manager.BuildCalcStructureFrom(window.MainTreeView()->TopItem(0));
        CCalculationBook book(manager);
        CQORReport* report = book.OutputCalculationBook();
        report->ApplyPrintSettings();
        pages = CReportPaginator::Paginate(report->ReportObject());
    });
    return pages;
}

// The index of the page offset pages after the first that shows a text holding the marker; the
// number of pages when there is none.
int PageOf(TVoro_Main& window, const QString& marker, int offset)
{
    const QList<CReportPage>& pages = BookPages(window);
    for (int i = 0; i < pages.size(); ++i)
        if (pages.at(i).Texts().join(QLatin1Char('\n')).contains(marker))
            return i + offset;
    return static_cast<int>(pages.size());
}

// One page of the book as printed, at 100 dpi.
std::unique_ptr<QWidget> BookPage(TVoro_Main& window, int index)
{
    const QList<CReportPage>& pages = BookPages(window);
    return PagePicture(index < pages.size() ? &pages.at(index) : nullptr);
}
} // namespace

void AddBookFormShots(FormShotList& shots)
{
    shots.push_back({QStringLiteral("TOutputParamSet"), [](TVoro_Main& window) {
                         return Dialog(window, QStringLiteral("Action_ACLoadDetailedCalculation"), 310);
                     }});
    shots.push_back({QStringLiteral("TOutputParamSet-dt4"), [](TVoro_Main& window) {
                         return Dialog(window, QStringLiteral("Action_ACLoadMonthlyCalculation"), 310);
                     }});
    for (int page = 0; page < kBookPages; ++page)
        shots.push_back({QStringLiteral("CalculationBook-page%1").arg(page + 1),
                         [page](TVoro_Main& window) { return BookPage(window, page); }});
    // The first page of the detailed inputs, the statistics, the hourly loads and the remarks.
    const struct
    {
        const char* name;
        const char* marker;
        int offset;
    } sections[] = {{"details", "负荷详细计算参数", 1},
                    {"statistics", "负荷统计数据 单位", 0},
                    {"hourly", "负荷逐时数据 单位", 1},
                    {"remarks", "计算书说明", 0}};
    for (const auto& section : sections)
        shots.push_back({QStringLiteral("CalculationBook-%1").arg(QString::fromLatin1(section.name)),
                         [section](TVoro_Main& window) {
                             return BookPage(
                                 window, PageOf(window, QString::fromUtf8(section.marker), section.offset));
                         }});
}
