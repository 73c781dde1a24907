#include "model/NameTables.h"
#include "platform/core/Exception.h"
#include "report/TMatReport.h"
#include "report/engine/CQORReport.h"
#include "report/engine/CReportPreviewBase.h"
#include "tests/model/ProjectTreeFixture.h"
#include "tests/report/ReportTestSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QVariantMap>

namespace {
// The preview window as the material preview sees it: records what it was given and, when asked,
// exports the previewed document to PDF while it is still alive.
class CFakePreview : public CReportPreviewBase
{
public:
    void ShowPreview(CQORReport& report) override
    {
        ++Shown;
        Wall = Rows(report);
        Glass = report.SubReportCount() == 1 ? Rows(*report.SubReport(0)) : QList<QStringList>();
        if (!PdfFile.isEmpty())
            Exported = report.ExportReport(PdfFile, static_cast<int>(ReportExportType::Pdf), nullptr);
    }
    static QList<QStringList> Rows(const CQORReport& report)
    {
        QList<QStringList> rows;
        for (int r = 0; r < report.RecordCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < report.FieldCount(); ++c)
                cells << report.Cell(r, c);
            rows << cells;
        }
        return rows;
    }

    int Shown = 0;
    QList<QStringList> Wall;
    QList<QStringList> Glass;
    QString PdfFile;
    bool Exported = false;
};

// A small project: building 办公楼, storey 一层 with the rooms 101 and 102, their walls, windows and
// doors, each construction taken from the project's library copies.
class MaterialReport : public ProjectTreeFixture
{
protected:
    MaterialReport() { EnsureGuiApplication(); }

    void SetUp() override
    {
        ProjectTreeFixture::SetUp();
        m_building = Make(&Root(), 1, QStringLiteral("办公楼"));
        m_storey = Make(m_building, 2, QStringLiteral("一层"));
        m_room101 = Make(m_storey, 3, QStringLiteral("101 办公室"));
        m_room102 = Make(m_storey, 3, QStringLiteral("102 会议室"));
        m_empty = Make(m_storey, 3, QStringLiteral("103 空房间"));

        const int wall = Lib(QStringLiteral("OutsideWall_Lib"), {{"Name", "加气混凝土砌块外墙"},
                                                                 {"InsulationMaterials", "岩棉板"},
                                                                 {"Deta", 3.14159},
                                                                 {"Beta", 0.35},
                                                                 {"D", 4.2},
                                                                 {"K_S", 0.6},
                                                                 {"K_W", 0.62},
                                                                 {"v_S", 18.5},
                                                                 {"v_W", 17.25},
                                                                 {"Kesi_S", 9.5},
                                                                 {"Kesi_W", 9.25},
                                                                 {"vn_S", 1.5},
                                                                 {"vn_W", 1.4},
                                                                 {"Kesin_S", 2},
                                                                 {"Kesin_W", -1}});
        const int partition =
            Lib(QStringLiteral("InsideWall_Lib"), {{"Name", "轻钢龙骨石膏板隔墙"}, {"K_S", 1.8}});
        const int ground = Lib(QStringLiteral("Ground_Lib"), {{"Name", "混凝土地面"},
                                                              {"InsulationMaterials", "挤塑板"},
                                                              {"Deta", 50},
                                                              {"K_S", 0.3},
                                                              {"K_W", 0.35}});
        const int window = Lib(QStringLiteral("OutsideWindow_Lib"), {{"Name", "断桥铝合金中空玻璃窗"},
                                                                     {"Pane", "2"},
                                                                     {"GlassType", "6+12A+6"},
                                                                     {"FrameType", "断桥铝合金"},
                                                                     {"K_S", 2.8},
                                                                     {"K_W", 2.9},
                                                                     {"g", 0.7},
                                                                     {"ExfiltrationGrade", "6"},
                                                                     {"ExfiltrationCoefficient", 0.5},
                                                                     {"Inside_Sunshade", 0.6},
                                                                     {"Outside_Sunshade", 0.8},
                                                                     {"Glass_Revise", 0.9}});
        const int door = Lib(QStringLiteral("OutsideDoor_Lib"), {{"Name", "节能外门"},
                                                                 {"Pane", "1"},
                                                                 {"GlassType", "无"},
                                                                 {"FrameType", "钢"},
                                                                 {"K_S", 2.5},
                                                                 {"K_W", 2.5},
                                                                 {"g", 0.2},
                                                                 {"ExfiltrationGrade", "4"},
                                                                 {"ExfiltrationCoefficient", 1.1}});
        const int innerDoor = Lib(QStringLiteral("InsideDoor_Lib"), {{"Name", "木质夹板门"},
                                                                     {"Pane", "1"},
                                                                     {"GlassType", "无"},
                                                                     {"FrameType", "木"},
                                                                     {"K_S", 2},
                                                                     {"K_W", 2.1}});

        CNodeData* wall101 = Make(m_room101, 9);
        Use(wall101, wall);
        Use(Make(wall101, 10), window);
        CNodeData* partition101 = Make(m_room101, 13);
        Use(partition101, partition);
        Use(Make(partition101, 15), innerDoor);
        Use(Make(m_room101, 22), ground);
        CNodeData* wall102 = Make(m_room102, 9);
        Use(wall102, wall);
        Use(Make(wall102, 11), door);
        Use(Make(wall102, 10), window);
    }

    int Lib(const QString& table, const QVariantMap& values)
    {
        QStringList marks;
        for (int i = 0; i < values.size(); ++i)
            marks << QStringLiteral("?");
        m_project.ExecSQL(CSQLStatement(QStringLiteral("insert into %1 (%2) values (%3)")
                                            .arg(table, values.keys().join(','), marks.join(',')),
                                        values.values()));
        return m_project.QueryInt(CSQLStatement(QStringLiteral("select max(ID) from %1").arg(table)));
    }
    void Use(CNodeData* node, int libraryId)
    {
        m_project.ExecSQL(CSQLStatement(
            QStringLiteral("update %1 set material_id = ? where ID = ?").arg(ElementTableName(node->Type())),
            {libraryId, node->GetElementId()}));
    }
    // Wall and glass rows of the preview of the element.
    CFakePreview& Preview(CNodeData* node, int level, const QString& pdf = QString())
    {
        m_preview.PdfFile = pdf;
        TMatReport report;
        report.LoadMaterials(node->GetElementId(), level);
        report.ShowReports();
        return m_preview;
    }

    CFakePreview m_preview;
    CNodeData* m_building = nullptr;
    CNodeData* m_storey = nullptr;
    CNodeData* m_room101 = nullptr;
    CNodeData* m_room102 = nullptr;
    CNodeData* m_empty = nullptr;
};
} // namespace

TEST_F(MaterialReport, AStoreyListsEachConstructionOnceInBothTables)
{
    const QString folder = QStringLiteral(REPORT_TEST_OUTPUT_DIR);
    QDir().mkpath(folder);
    const QString pdf = folder + QStringLiteral("/material_storey.pdf");
    QFile::remove(pdf);
    const CFakePreview& preview = Preview(m_storey, 2, pdf);

    EXPECT_EQ(preview.Shown, 1);
    EXPECT_EQ(Dialogs().ProgressTitles, QStringList{QStringLiteral("正在修改数据......")});
    EXPECT_EQ(Dialogs().ProgressSteps, 21);
    EXPECT_EQ(Dialogs().OpenProgress, 0);

    // Type, name, insulation, then δ β D K_S K_W v_S v_W ξ_S ξ_W νn_S νn_W ξn_S ξn_W.
    const QList<QStringList> wall = {
        {"外墙", "加气混凝土砌块外墙", "岩棉板", "3.14", "0.35", "4.20", "0.60", "0.62", "18.50", "17.25",
         "9.50", "9.25", "1.50", "1.40", "2.00", ""},
        {"内墙", "轻钢龙骨石膏板隔墙", "", "0.00", "0.00", "0.00", "1.80", "0.00", "0.00", "0.00", "0.00",
         "0.00", "0.00", "0.00", "0.00", "0.00"},
        {"地面", "混凝土地面", "挤塑板", "50.00", "", "", "0.30", "0.35", "", "", "", "", "", "", "", ""},
    };
    EXPECT_EQ(preview.Wall, wall);
    // Type, name, panes, glass, frame, grade, K_S, K_W, g, infiltration, inside and outside shading, glass.
    const QList<QStringList> glass = {
        {"外窗", "断桥铝合金中空玻璃窗", "2", "6+12A+6", "断桥铝合金", "6", "2.80", "2.90", "0.70", "0.50",
         "0.60", "0.80", "0.90"},
        {"外门", "节能外门", "1", "无", "钢", "4", "2.50", "2.50", "0.20", "1.10", "", "", ""},
        {"内门", "木质夹板门", "1", "无", "木", "", "2.00", "2.10", "", "", "", "", ""},
    };
    EXPECT_EQ(preview.Glass, glass);

    // The document exports to PDF; its first page carries both tables.
    ASSERT_TRUE(preview.Exported);
    const QString first = PdfText(pdf, 1, 1);
    for (const char* text : {"围护结构材料表", "一、不透明围护结构", "加气混凝土砌块外墙", "混凝土地面",
                             "二、门窗及透明围护结构", "断桥铝合金中空玻璃窗", "木质夹板门", "第1页 共1页"})
        EXPECT_TRUE(first.contains(QString::fromUtf8(text))) << text << "\n" << first.toStdString();
    const QImage png(PdfPageToPng(pdf, 1, 100));
    ASSERT_FALSE(png.isNull());
    EXPECT_NEAR(png.width(), 827, 1); // A4 at 100 dpi
    EXPECT_NEAR(png.height(), 1169, 1);
    int dark = 0;
    for (int y = 0; y < png.height() / 2; y += 2)
        for (int x = 0; x < png.width(); x += 2)
            dark += png.pixelColor(x, y).lightness() < 128;
    EXPECT_GT(dark, 2000) << "the upper half holds the tables";
}

TEST_F(MaterialReport, BuildingStoreyAndRoomScopes)
{
    const QList<QStringList> storeyWall = Preview(m_storey, 2).Wall;
    const QList<QStringList> storeyGlass = m_preview.Glass;
    EXPECT_EQ(Preview(m_building, 1).Wall, storeyWall);
    EXPECT_EQ(m_preview.Glass, storeyGlass);

    Preview(m_room102, 3);
    ASSERT_EQ(m_preview.Wall.size(), 1);
    EXPECT_EQ(m_preview.Wall.first().at(1), QStringLiteral("加气混凝土砌块外墙"));
    ASSERT_EQ(m_preview.Glass.size(), 2);
    EXPECT_EQ(m_preview.Glass.at(0).at(1), QStringLiteral("断桥铝合金中空玻璃窗"));
    EXPECT_EQ(m_preview.Glass.at(1).at(1), QStringLiteral("节能外门"));
}

TEST_F(MaterialReport, ARoomWithoutElementsStillPreviewsTwoEmptyTables)
{
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("empty.pdf"));
    Preview(m_empty, 3, pdf);
    EXPECT_EQ(m_preview.Shown, 1);
    EXPECT_TRUE(m_preview.Wall.isEmpty());
    EXPECT_TRUE(m_preview.Glass.isEmpty());
    ASSERT_TRUE(m_preview.Exported);
    const QString text = PdfText(pdf);
    EXPECT_EQ(text.count(QStringLiteral("构造名称")), 2);
    EXPECT_TRUE(text.contains(QStringLiteral("玻璃类型")));
}

TEST_F(MaterialReport, AQueryFailureEndsTheScanAndClosesTheProgress)
{
    m_project.ExecSQL(CSQLStatement(QStringLiteral("drop table Roof_Lib")));
    TMatReport report;
    try {
        report.LoadMaterials(m_storey->GetElementId(), 2);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("查询SQL发生异常:\n")))
            << e.Message().toStdString();
        EXPECT_TRUE(e.Message().contains(QStringLiteral("Roof_Lib")));
    }
    EXPECT_EQ(Dialogs().OpenProgress, 0);
    EXPECT_EQ(Dialogs().ProgressSteps, 9) << "types 9 to 17 were stepped";
}
