#include "platform/core/CTool.h"
#include "report/engine/CQORReport.h"
#include "report/engine/CReportPaginator.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/support/CFakeToolDialogs.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class ReportPagination : public ::testing::Test
{
protected:
    ReportPagination() : m_tool(std::make_unique<CFakeToolDialogs>()) { EnsureGuiApplication(); }

    std::unique_ptr<CQORReport> Rooms(int rows, const QString& orientation = QStringLiteral("portrait"))
    {
        auto report = std::make_unique<CQORReport>();
        report->LoadReportTemplate(
            m_templates.Write(QStringLiteral("rooms%1.grf").arg(m_count++), RoomTemplateXml(orientation)));
        report->AddReportField(QStringLiteral("Room"))
            .AddReportField(QStringLiteral("Load"))
            .AddReportField(QStringLiteral("Note"));
        for (int r = 0; r < rows; ++r)
            report->SetReportCell(r, 0, QStringLiteral("房间%1").arg(r + 1)).SetReportCellInt(r, 1, 1000 + r);
        return report;
    }
    std::unique_ptr<CQORReport> Constructions(const QString& name)
    {
        auto report = std::make_unique<CQORReport>();
        report->LoadReportTemplate(
            m_templates.Write(QStringLiteral("c%1.grf").arg(m_count++), ConstructionTemplateXml()));
        report->AddReportField(QStringLiteral("Name")).AddReportField(QStringLiteral("K"));
        report->SetReportCell(0, 0, name).SetReportCell(0, 1, QStringLiteral("0.50"));
        return report;
    }
    QString Pdf(CQORReport& report, const QString& name)
    {
        const QString file = m_out.filePath(name);
        EXPECT_TRUE(report.ExportReport(file, static_cast<int>(ReportExportType::Pdf), nullptr));
        return file;
    }
    static int PageOf(const QList<CReportPage>& pages, const QString& text)
    {
        for (int p = 0; p < pages.size(); ++p)
            if (pages.at(p).Texts().contains(text))
                return p;
        return -1;
    }

    CTool m_tool;
    CTemplateFolder m_templates;
    QTemporaryDir m_out;
    int m_count = 0;
};
} // namespace

TEST_F(ReportPagination, LongTablesBreakWithTheTitlesRepeatedOnEveryPage)
{
    auto report = Rooms(120);
    const QList<CReportPage> pages = CReportPaginator::Paginate(report->ReportObject());
    ASSERT_GE(pages.size(), 3);
    QStringList rows;
    for (int p = 0; p < pages.size(); ++p) {
        const QStringList texts = pages.at(p).Texts();
        EXPECT_EQ(texts.count(QStringLiteral("房间名称")), 1) << "page " << p + 1;
        EXPECT_TRUE(texts.contains(QStringLiteral("第%1页 共%2页").arg(p + 1).arg(pages.size()))) << p + 1;
        for (const QString& text : texts)
            if (text.startsWith(QStringLiteral("房间")) && text != QStringLiteral("房间名称"))
                rows << text;
        // Nothing crosses the bottom margin.
        for (const CReportPage::SItem& item : pages.at(p).items)
            EXPECT_LE(item.rect.bottom(), pages.at(p).size.height() - 15 + 1e-6);
    }
    QStringList expected;
    for (int r = 0; r < 120; ++r)
        expected << QStringLiteral("房间%1").arg(r + 1);
    EXPECT_EQ(rows, expected);

    // PDF and TIF print the very same pages.
    const QString pdf = Pdf(*report, QStringLiteral("long.pdf"));
    EXPECT_EQ(PdfPageCount(pdf), pages.size());
    const QString second = PdfText(pdf, 2, 2);
    EXPECT_TRUE(second.contains(QStringLiteral("房间名称")));
    EXPECT_TRUE(second.contains(QStringLiteral("第2页 共%1页").arg(pages.size())));
    const QString tif = m_out.filePath(QStringLiteral("long.tif"));
    ASSERT_TRUE(report->ExportReport(tif, static_cast<int>(ReportExportType::Tif), nullptr));
    EXPECT_EQ(QImageReader(tif).imageCount(), pages.size());
}

TEST_F(ReportPagination, LandscapeWhereTheBuilderAsksEvenWithoutAPreview)
{
    auto report = Rooms(3);
    report->m_Landscape = true;
    const QString pdf = Pdf(*report, QStringLiteral("landscape.pdf"));
    const QSizeF size = PdfPageSize(pdf, 1);
    EXPECT_NEAR(size.width(), 841.89, 0.5);
    EXPECT_NEAR(size.height(), 595.28, 0.5);

    // A portrait request turns a landscape template upright.
    auto upright = Rooms(3, QStringLiteral("landscape"));
    EXPECT_NEAR(PdfPageSize(Pdf(*upright, QStringLiteral("upright.pdf")), 1).width(), 595.28, 0.5);
}

TEST_F(ReportPagination, ASubReportOfAnotherOrientationStartsItsOwnPage)
{
    auto report = Rooms(3);
    auto wide = Constructions(QStringLiteral("横向构造"));
    wide->m_Landscape = true;
    report->AddSubReport(wide.get());
    report->ApplyPrintSettings();
    const QList<CReportPage> pages = CReportPaginator::Paginate(report->ReportObject());
    ASSERT_EQ(pages.size(), 2);
    EXPECT_FALSE(pages.at(0).landscape);
    EXPECT_TRUE(pages.at(1).landscape);
    EXPECT_EQ(PageOf(pages, QStringLiteral("横向构造")), 1);
    // The sub-report has no page footer of its own and takes its parent's.
    EXPECT_TRUE(pages.at(1).Texts().contains(QStringLiteral("第2页 共2页")));

    const QString pdf = Pdf(*report, QStringLiteral("mixed.pdf"));
    EXPECT_LT(PdfPageSize(pdf, 1).width(), PdfPageSize(pdf, 1).height());
    EXPECT_GT(PdfPageSize(pdf, 2).width(), PdfPageSize(pdf, 2).height());
}

TEST_F(ReportPagination, PageBreaksFollowTheSubReportFlagsAndTheFirstHeader)
{
    struct Case
    {
        bool pageBreak;
        bool firstHeaderOnNewPage;
        int secondPage; // page of the second sub-report
    };
    const Case cases[] = {{true, false, 1}, {false, false, 0}, {false, true, 1}};
    for (const Case& c : cases) {
        auto report = Rooms(2);
        auto first = Constructions(QStringLiteral("第一构造"));
        auto second = Constructions(QStringLiteral("第二构造"));
        first->m_PageBreakFlag = c.pageBreak;
        second->m_PageBreakFlag = c.pageBreak;
        if (c.firstHeaderOnNewPage)
            second->SetFirstHeaderProperty();
        report->AddSubReport(first.get());
        report->AddSubReport(second.get());
        report->ApplyPrintSettings();
        const QList<CReportPage> pages = CReportPaginator::Paginate(report->ReportObject());
        EXPECT_EQ(PageOf(pages, QStringLiteral("第一构造")), 0) << c.pageBreak << c.firstHeaderOnNewPage;
        EXPECT_EQ(PageOf(pages, QStringLiteral("第二构造")), c.secondPage)
            << c.pageBreak << c.firstHeaderOnNewPage;
        // A break after the last sub-report adds no empty page.
        EXPECT_EQ(pages.size(), c.secondPage + 1);
    }
}

TEST_F(ReportPagination, TablesFitThePageWidthAndLongTextWraps)
{
    auto report = Rooms(1);
    const QString longNote = QString(60, QChar(0x5899)) + QStringLiteral(" end");
    report->SetReportCell(0, 2, longNote);
    for (auto& column : report->ReportObject().Columns())
        column.width = 100; // 300 mm on a 180 mm wide page
    const QList<CReportPage> pages = CReportPaginator::Paginate(report->ReportObject());
    ASSERT_EQ(pages.size(), 1);
    double rowHeight = 0;
    QString wrapped;
    for (const CReportPage::SItem& item : pages.first().items) {
        EXPECT_GE(item.rect.left(), 15 - 1e-6);
        EXPECT_LE(item.rect.right(), 210 - 15 + 1e-6);
        if (item.lines.size() > 1 && item.lines.first().startsWith(QChar(0x5899))) {
            rowHeight = item.rect.height();
            wrapped = item.lines.join(QString());
        }
    }
    EXPECT_GT(rowHeight, 6.0) << "the row grows for the wrapped note";
    EXPECT_EQ(wrapped.remove(QLatin1Char(' ')), QString(longNote).remove(QLatin1Char(' ')));

    const QStringList lines = CReportPaginator::BreakLines(QStringLiteral("第一行\n第二行"), {}, 100);
    EXPECT_EQ(lines, (QStringList{"第一行", "第二行"}));
    EXPECT_EQ(CReportPaginator::BreakLines(QString(), {}, 100), QStringList{QString()});
}

TEST_F(ReportPagination, AnEmptyReportStillHasItsTitlesOnOnePage)
{
    auto report = Rooms(0);
    const QList<CReportPage> pages = CReportPaginator::Paginate(report->ReportObject());
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages.first().Texts().contains(QStringLiteral("房间名称")));

    CQORReport bare; // no template at all
    EXPECT_EQ(CReportPaginator::Paginate(bare.ReportObject()).size(), 1);
    EXPECT_EQ(PdfPageCount(Pdf(bare, QStringLiteral("bare.pdf"))), 1);
}
