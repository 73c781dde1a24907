#include "report/forms/TTQORPreviewForm_5.h"

#include "report/engine/CQORReport.h"
#include "report/engine/CReportPaginator.h"
#include "report/forms/TReportPrintViewer.h"

#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

TTQORPreviewForm_5::TTQORPreviewForm_5(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TQORPreviewForm_5"));
    setWindowTitle(QStringLiteral("报表预览"));
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowState(Qt::WindowMaximized);
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC")});
    font.setPixelSize(13);
    setFont(font);

    GRPrintViewer1 = new TReportPrintViewer;
    GRPrintViewer1->setObjectName(QStringLiteral("GRPrintViewer1"));
    auto* scroll = new QScrollArea;
    scroll->setWidget(GRPrintViewer1);
    scroll->setWidgetResizable(true);

    auto* bar = new QToolBar;
    bar->addAction(QStringLiteral("打印"), this, &TTQORPreviewForm_5::PrintPages);
    bar->addSeparator();
    bar->addAction(QStringLiteral("首页"), this, [this] { GRPrintViewer1->SetCurrentPage(0); });
    bar->addAction(QStringLiteral("上一页"), this,
                   [this] { GRPrintViewer1->SetCurrentPage(GRPrintViewer1->CurrentPage() - 1); });
    bar->addAction(QStringLiteral("下一页"), this,
                   [this] { GRPrintViewer1->SetCurrentPage(GRPrintViewer1->CurrentPage() + 1); });
    bar->addAction(QStringLiteral("末页"), this,
                   [this] { GRPrintViewer1->SetCurrentPage(GRPrintViewer1->PageCount() - 1); });
    bar->addSeparator();
    bar->addAction(QStringLiteral("放大"), this, [this] { GRPrintViewer1->ZoomBy(1.25); });
    bar->addAction(QStringLiteral("缩小"), this, [this] { GRPrintViewer1->ZoomBy(0.8); });
    bar->addAction(QStringLiteral("适合页面"), this, [this] { GRPrintViewer1->ZoomToFit(); });
    bar->addSeparator();
    m_pageLabel = new QLabel;
    bar->addWidget(m_pageLabel);
    bar->addSeparator();
    bar->addAction(QStringLiteral("关闭"), this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(scroll, 1);
    connect(GRPrintViewer1, &TReportPrintViewer::PageChanged, this, &TTQORPreviewForm_5::ShowPageNumber);
    ShowPageNumber(0, 0);
}

void TTQORPreviewForm_5::SetReport(CQORReport* report)
{
    m_report = report;
    m_reportObject = report ? &report->ReportObject() : nullptr;
    GRPrintViewer1->SetPages(m_reportObject ? CReportPaginator::Paginate(*m_reportObject)
                                            : QList<CReportPage>());
    GRPrintViewer1->ZoomToFit();
}

void TTQORPreviewForm_5::ShowPageNumber(int index, int count)
{
    m_pageLabel->setText(count > 0 ? QStringLiteral(" 第 %1 页 / 共 %2 页 ").arg(index + 1).arg(count)
                                   : QString());
}

void TTQORPreviewForm_5::PrintPages()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("打印"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    GRPrintViewer1->Print(printer);
}
