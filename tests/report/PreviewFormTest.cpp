#include "platform/core/CTool.h"
#include "report/engine/CQORReport.h"
#include "report/engine/CReportPaginator.h"
#include "report/forms/TReportPreviewer.h"
#include "report/forms/TReportPrintViewer.h"
#include "report/forms/TTQORPreviewForm_5.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/support/CFakeToolDialogs.h"

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {
void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "test_report_forms";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QApplication(argc, argv);
}

class PreviewForm : public ::testing::Test
{
protected:
    PreviewForm() : m_tool(std::make_unique<CFakeToolDialogs>()) { EnsureApplication(); }

    void SetUp() override
    {
        m_report.LoadReportTemplate(m_templates.Write(QStringLiteral("rooms.grf"), RoomTemplateXml()));
        m_report.AddReportField(QStringLiteral("Room")).AddReportField(QStringLiteral("Load"));
        for (int r = 0; r < 90; ++r)
            m_report.SetReportCell(r, 0, QStringLiteral("房间%1").arg(r + 1)).SetReportCellInt(r, 1, 500 + r);
    }
    QAction* Action(TTQORPreviewForm_5& form, const QString& text)
    {
        for (QAction* action : form.findChild<QToolBar*>()->actions())
            if (action->text() == text)
                return action;
        ADD_FAILURE() << text.toStdString();
        return nullptr;
    }

    CTool m_tool;
    CTemplateFolder m_templates;
    CQORReport m_report;
};
} // namespace

TEST_F(PreviewForm, ShowsThePagesAndPrintsThemAsLaidOut)
{
    TTQORPreviewForm_5 form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("报表预览"));
    form.SetReport(&m_report);
    form.resize(800, 600);
    form.show();
    TReportPrintViewer* viewer = form.GRPrintViewer1;
    const int pages = CReportPaginator::Paginate(m_report.ReportObject()).size();
    ASSERT_GE(pages, 2);
    EXPECT_EQ(viewer->PageCount(), pages);

    Action(form, QStringLiteral("末页"))->trigger();
    EXPECT_EQ(viewer->CurrentPage(), pages - 1);
    Action(form, QStringLiteral("下一页"))->trigger();
    EXPECT_EQ(viewer->CurrentPage(), pages - 1);
    Action(form, QStringLiteral("首页"))->trigger();
    Action(form, QStringLiteral("上一页"))->trigger();
    EXPECT_EQ(viewer->CurrentPage(), 0);

    // The page fits the window and shows ink.
    const QImage image = viewer->PageImage();
    EXPECT_LE(image.deviceIndependentSize().height(), viewer->height());
    int dark = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            dark += image.pixelColor(x, y).lightness() < 128;
    EXPECT_GT(dark, 100);
    Action(form, QStringLiteral("放大"))->trigger();
    EXPECT_GT(viewer->PageImage().deviceIndependentSize().height(), image.deviceIndependentSize().height());

    QTemporaryDir out;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out.filePath(QStringLiteral("printed.pdf")));
    ASSERT_TRUE(viewer->Print(printer));
    const QString printed = out.filePath(QStringLiteral("printed.pdf"));
    EXPECT_EQ(PdfPageCount(printed), pages);
    const QString exported = out.filePath(QStringLiteral("exported.pdf"));
    ASSERT_TRUE(m_report.ExportReport(exported, static_cast<int>(ReportExportType::Pdf), nullptr));
    EXPECT_EQ(PdfText(printed), PdfText(exported));
}

TEST_F(PreviewForm, PreviewReportOpensAModalWindowAndReturnsWhenItCloses)
{
    TReportPreviewer previewer;
    m_report.m_Landscape = true;
    QString title;
    int pages = 0;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<TTQORPreviewForm_5*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        title = form->windowTitle();
        pages = form->GRPrintViewer1->PageCount();
        EXPECT_TRUE(form->GRPrintViewer1->Pages().first().landscape);
        form->close();
    });
    m_report.PreviewReport();
    EXPECT_EQ(title, QStringLiteral("报表预览"));
    EXPECT_GE(pages, 2);
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TTQORPreviewForm_5*>(widget), nullptr) << "the window is destroyed";
}
