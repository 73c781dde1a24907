#include "platform/core/CTool.h"
#include "report/engine/CQORReport.h"
#include "report/engine/CReportConfig.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/support/CFakeToolDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// A report of rooms with one sub-report of constructions, both with Chinese text.
class ReportExport : public ::testing::Test
{
protected:
    ReportExport() : m_tool(std::make_unique<CFakeToolDialogs>()) { EnsureGuiApplication(); }
    CFakeToolDialogs& Dialogs() { return static_cast<CFakeToolDialogs&>(m_tool.Dialogs()); }

    void SetUp() override
    {
        m_rooms = Report(RoomTemplateXml(), {"Room", "Load", "Note"});
        m_rooms->SetReportParameter(QStringLiteral("ProjectName"), QStringLiteral("科研楼"));
        const char* rooms[][3] = {{"101 办公室", "1250.50", "朝南"}, {"102 会议室", "980", "含,逗号"}};
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 3; ++c)
                m_rooms->SetReportCell(r, c, QString::fromUtf8(rooms[r][c]));
        m_walls = Construction(QStringLiteral("加气混凝土外墙"), QStringLiteral("0.65"));
        m_rooms->AddSubReport(m_walls.get());
    }

    std::unique_ptr<CQORReport> Report(const QString& xml, std::initializer_list<const char*> fields)
    {
        auto report = std::make_unique<CQORReport>();
        report->LoadReportTemplate(m_templates.Write(QStringLiteral("t%1.grf").arg(m_count++), xml));
        for (const char* field : fields)
            report->AddReportField(QString::fromLatin1(field));
        return report;
    }
    std::unique_ptr<CQORReport> Construction(const QString& name, const QString& k)
    {
        auto report = Report(ConstructionTemplateXml(), {"Name", "K"});
        report->SetReportCell(0, 0, name).SetReportCell(0, 1, k);
        return report;
    }
    QString Export(CQORReport& report, ReportExportType type, const QString& name,
                   const CReportConfig* settings = nullptr)
    {
        const QString file = m_out.filePath(name);
        EXPECT_TRUE(report.ExportReport(file, static_cast<int>(type), settings)) << name.toStdString();
        return file;
    }

    CTool m_tool;
    CTemplateFolder m_templates;
    QTemporaryDir m_out;
    int m_count = 0;
    std::unique_ptr<CQORReport> m_rooms;
    std::unique_ptr<CQORReport> m_walls;
};
} // namespace

TEST_F(ReportExport, EveryFormatCarriesTheReportAndItsSubReport)
{
    const QString txt =
        QString::fromUtf8(ReadAll(Export(*m_rooms, ReportExportType::Txt, QStringLiteral("r.txt"))));
    EXPECT_EQ(txt, QStringLiteral(
                       "科研楼冷负荷汇总\n房间名称\t冷负荷 (W)\t备注\n101 办公室\t1250.50\t朝南\n"
                       "102 会议室\t980\t含,逗号\n\n外墙构造\n构造名称\t传热系数\n加气混凝土外墙\t0.65\n\n"));

    const QByteArray csv = ReadAll(Export(*m_rooms, ReportExportType::Csv, QStringLiteral("r.csv")));
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(
        QString::fromUtf8(csv.mid(3)),
        QStringLiteral("科研楼冷负荷汇总\n房间名称,冷负荷 (W),备注\n101 办公室,1250.50,朝南\n"
                       "102 会议室,980,\"含,逗号\"\n\n外墙构造\n构造名称,传热系数\n加气混凝土外墙,0.65\n\n"));

    const QString htm =
        QString::fromUtf8(ReadAll(Export(*m_rooms, ReportExportType::Htm, QStringLiteral("r.htm"))));
    EXPECT_TRUE(htm.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    EXPECT_TRUE(htm.contains(QStringLiteral("<p>科研楼冷负荷汇总</p>")));
    EXPECT_TRUE(htm.contains(QStringLiteral("<th>房间名称</th><th>冷负荷<br>(W)</th><th>备注</th>")));
    EXPECT_TRUE(htm.contains(
        QStringLiteral("<tr><td>101 办公室</td><td class=\"n\">1250.50</td><td>朝南</td></tr>")));
    EXPECT_TRUE(htm.contains(QStringLiteral("<td>加气混凝土外墙</td><td class=\"n\">0.65</td>")));

    const QString rtf = RtfText(ReadAll(Export(*m_rooms, ReportExportType::Rtf, QStringLiteral("r.rtf"))));
    EXPECT_TRUE(rtf.contains(QStringLiteral("科研楼冷负荷汇总\n")));
    EXPECT_TRUE(rtf.contains(QStringLiteral("房间名称|冷负荷\n(W)|备注|\n")));
    EXPECT_TRUE(rtf.contains(QStringLiteral("101 办公室|1250.50|朝南|\n")));
    EXPECT_TRUE(rtf.contains(QStringLiteral("外墙构造\n")));
    EXPECT_TRUE(rtf.contains(QStringLiteral("加气混凝土外墙|0.65|\n")));

    const SWorkbook book = ReadWorkbook(Export(*m_rooms, ReportExportType::Xls, QStringLiteral("r.xlsx")));
    ASSERT_EQ(book.sheets, (QStringList{"房间负荷", "围护结构"}));
    EXPECT_EQ(book.cells[0].value("A1"), QStringLiteral("科研楼冷负荷汇总"));
    EXPECT_EQ(book.cells[0].value("B2"), QStringLiteral("冷负荷\n(W)"));
    EXPECT_EQ(book.cells[0].value("A3"), QStringLiteral("101 办公室"));
    EXPECT_EQ(book.cells[0].value("B3").toDouble(), 1250.5);
    EXPECT_EQ(book.cells[0].value("C4"), QStringLiteral("含,逗号"));
    EXPECT_EQ(book.cells[1].value("A1"), QStringLiteral("外墙构造"));
    EXPECT_EQ(book.cells[1].value("A3"), QStringLiteral("加气混凝土外墙"));
    EXPECT_EQ(book.cells[1].value("B3").toDouble(), 0.65);

    const QString pdf = Export(*m_rooms, ReportExportType::Pdf, QStringLiteral("r.pdf"));
    EXPECT_EQ(PdfPageCount(pdf), 1);
    const QString text = PdfText(pdf);
    for (const char* expected : {"科研楼冷负荷汇总", "房间名称", "101 办公室", "1250.50", "含,逗号",
                                 "外墙构造", "加气混凝土外墙", "0.65", "第1页 共1页"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();

    QImageReader tif(Export(*m_rooms, ReportExportType::Tif, QStringLiteral("r.tif")));
    EXPECT_EQ(tif.imageCount(), 1);
    const QImage page = tif.read();
    EXPECT_EQ(page.size(), QSize(1240, 1754)); // A4 at 150 dpi
    int dark = 0;                              // the caption, 15 mm below the top edge
    for (int y = 88; y < 142; ++y)
        for (int x = 300; x < 940; ++x)
            dark += page.pixelColor(x, y).lightness() < 128;
    EXPECT_GT(dark, 200);
}

TEST_F(ReportExport, WorkbookSheetsFollowTheExportSettings)
{
    auto second = Construction(QStringLiteral("内墙"), QStringLiteral("1.50"));
    auto third = Construction(QStringLiteral("屋面"), QStringLiteral("0.45"));
    auto grandchild = Construction(QStringLiteral("楼板"), QStringLiteral("2.00"));
    m_rooms->AddSubReport(second.get());
    m_rooms->AddSubReport(third.get());
    third->AddSubReport(grandchild.get());
    grandchild->SubReportControl()->newSheet = true;

    struct Case
    {
        const char* newSheet; // null: no settings at all
        const char* sameAsPrint;
        bool sheetsExpected;
        bool sameAsPrintExpected;
    };
    const Case cases[] = {
        {nullptr, nullptr, true, false}, {"1", "2", true, false},  {"01", "1", true, true},
        {"abc", " 1x", false, true},     {"0", "0", false, false},
    };
    m_rooms->m_Landscape = true;
    for (const Case& c : cases) {
        CReportConfig settings;
        if (c.newSheet) {
            settings.m_Values.Set(QStringLiteral("ExportNewSheet"), QString::fromLatin1(c.newSheet));
            settings.m_Values.Set(QStringLiteral("SameAsPrint"), QString::fromLatin1(c.sameAsPrint));
        }
        const QString file = Export(*m_rooms, ReportExportType::Xls, QStringLiteral("s.xlsx"),
                                    c.newSheet ? &settings : nullptr);
        for (CQORReport* child : {m_walls.get(), second.get(), third.get()})
            EXPECT_EQ(child->SubReportControl()->newSheet, c.sheetsExpected) << c.newSheet;
        EXPECT_TRUE(grandchild->SubReportControl()->newSheet) << "only direct sub-reports are switched";
        const SWorkbook book = ReadWorkbook(file);
        // The grandchild keeps its own sheet in every case.
        EXPECT_EQ(book.sheets.size(), c.sheetsExpected ? 5 : 2)
            << c.newSheet << " " << book.sheets.join(',').toStdString();
        const QString setup =
            QString::fromUtf8(RunTool(QStringLiteral("unzip"), {QStringLiteral("-p"), file,
                                                                QStringLiteral("xl/worksheets/sheet1.xml")}));
        EXPECT_EQ(setup.contains(QStringLiteral("orientation=\"landscape\"")), c.sameAsPrintExpected)
            << c.sameAsPrint;
    }
}

TEST_F(ReportExport, PartsWithoutCellExportStayOutOfTheWorkbookOnly)
{
    auto subtitle = Construction(QStringLiteral("小标题"), QString());
    subtitle->m_CellExportFlag = false;
    m_rooms->AddSubReport(subtitle.get());

    const SWorkbook book = ReadWorkbook(Export(*m_rooms, ReportExportType::Xls, QStringLiteral("c.xlsx")));
    EXPECT_EQ(book.sheets.size(), 2);
    for (const auto& cells : book.cells)
        for (const QString& value : cells)
            EXPECT_NE(value, QStringLiteral("小标题"));
    // The switches are back after the export: the next text export has the part.
    EXPECT_TRUE(subtitle->SubReportControl()->cellExport);
    EXPECT_TRUE(subtitle->SubReportControl()->pageBreak);
    EXPECT_TRUE(QString::fromUtf8(ReadAll(Export(*m_rooms, ReportExportType::Txt, QStringLiteral("c.txt"))))
                    .contains(QStringLiteral("小标题")));
}

TEST_F(ReportExport, AFailedExportIsReportedAndWritesNothing)
{
    const QString missingFolder = m_out.filePath(QStringLiteral("no/such/folder/"));
    for (int type = 1; type <= 7; ++type) {
        Dialogs().MessageBoxes.clear();
        const QString file = missingFolder + QStringLiteral("r.out");
        EXPECT_FALSE(m_rooms->ExportReport(file, type, nullptr)) << type;
        ASSERT_EQ(Dialogs().MessageBoxes.size(), 1) << type;
        EXPECT_EQ(Dialogs().MessageBoxes.first().caption, QStringLiteral("错误"));
        EXPECT_TRUE(Dialogs().MessageBoxes.first().message.contains(file)) << type;
        EXPECT_FALSE(QFile::exists(file));
    }
    // The switches of a failed workbook export are back too.
    EXPECT_TRUE(m_walls->SubReportControl()->cellExport);
    EXPECT_TRUE(m_walls->SubReportControl()->pageBreak);

    // A folder standing where the file should go stays as it is.
    const QString folder = m_out.filePath(QStringLiteral("taken.pdf"));
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_FALSE(m_rooms->ExportReport(folder, static_cast<int>(ReportExportType::Pdf), nullptr));
    EXPECT_TRUE(QFileInfo(folder).isDir());

    Dialogs().MessageBoxes.clear();
    EXPECT_FALSE(m_rooms->ExportReport(m_out.filePath(QStringLiteral("r.doc")), 9, nullptr));
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
    EXPECT_TRUE(Dialogs().MessageBoxes.first().message.contains(QStringLiteral("不支持的导出类型9")));
}

TEST(ReportConfig, IntegersReadAsAtolReadsThem)
{
    CReportConfig settings;
    const char* cases[][2] = {{"1", "1"},  {"01", "1"},  {"  7", "7"}, {"-3x", "-3"},
                              {"+4", "4"}, {"abc", "0"}, {"", "0"}};
    for (const auto& c : cases) {
        settings.m_Values.Set(QStringLiteral("k"), QString::fromLatin1(c[0]));
        EXPECT_EQ(GetReportConfigInt(&settings, QStringLiteral("k"), 5), QString::fromLatin1(c[1]).toInt())
            << c[0];
    }
    EXPECT_EQ(GetReportConfigInt(&settings, QStringLiteral("absent"), 5), 5);
    EXPECT_EQ(GetReportConfigInt(nullptr, QStringLiteral("k"), 5), 5);
}
