#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "report/engine/CQORReport.h"
#include "report/engine/CReportFlow.h"
#include "report/engine/CReportTextWriter.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/support/CFakeToolDialogs.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

namespace {
class ReportModel : public ::testing::Test
{
protected:
    ReportModel() : m_tool(std::make_unique<CFakeToolDialogs>()) {}
    CFakeToolDialogs& Dialogs() { return static_cast<CFakeToolDialogs&>(m_tool.Dialogs()); }

    // A report of rooms on the rooms template, fields Room, Load, Note.
    std::unique_ptr<CQORReport> RoomReport()
    {
        auto report = std::make_unique<CQORReport>();
        report->LoadReportTemplate(m_templates.Write(QStringLiteral("rooms.grf"), RoomTemplateXml()));
        report->AddReportField(QStringLiteral("Room"))
            .AddReportField(QStringLiteral("Load"))
            .AddReportField(QStringLiteral("Note"));
        return report;
    }
    static QString Txt(CQORReport& report)
    {
        return QString::fromUtf8(CReportTextWriter::Render(CReportFlow::Build(report.ReportObject()),
                                                           CReportTextWriter::Format::Txt));
    }
    static QStringList Visible(const CQORReport& report)
    {
        QStringList names;
        for (const auto& column : report.ReportObject().Columns())
            if (column.visible)
                names << column.name;
        return names;
    }

    CTool m_tool;
    CTemplateFolder m_templates;
};
} // namespace

TEST_F(ReportModel, CellsAppendOneRowPastTheEndAndMarkTheirField)
{
    CQORReport report;
    report.AddReportField(QStringLiteral("A")).AddReportField(QStringLiteral("B"));
    report.SetReportCellInt(0, 1, 42);
    EXPECT_EQ(report.RecordCount(), 1);
    EXPECT_EQ(report.Cell(0, 0), QString());
    EXPECT_EQ(report.Cell(0, 1), QStringLiteral("42"));
    EXPECT_FALSE(report.Field(0)->m_Used);
    EXPECT_TRUE(report.Field(1)->m_Used);

    report.SetReportCell(1, 0, QStringLiteral("第二行"));
    report.SetReportCell(report.RecordCount() + 5, 0, QStringLiteral("追加"));
    EXPECT_EQ(report.RecordCount(), 3);
    EXPECT_EQ(report.Cell(2, 0), QStringLiteral("追加"));

    report.SetReportCellFormat(0, 0, 3.14159, "%.2f");
    EXPECT_EQ(report.Cell(0, 0), QStringLiteral("3.14"));

    // A field added after a row exists has no cell in that row; writing there is dropped, not a crash.
    report.AddReportField(QStringLiteral("C"));
    report.SetReportCell(0, 2, QStringLiteral("x"));
    EXPECT_EQ(report.Cell(0, 2), QString());
    EXPECT_TRUE(report.Field(2)->m_Used);
}

TEST_F(ReportModel, SetUsedFieldsMarksExactlyTheNamedFields)
{
    CQORReport report;
    for (const char* name : {"A", "B", "C"})
        report.AddReportField(QString::fromLatin1(name));
    report.SetReportCell(0, 0, QStringLiteral("a"));
    report.SetUsedFields({QStringLiteral("B"), QStringLiteral("C")}, 1);
    EXPECT_FALSE(report.FindField(QStringLiteral("A"))->m_Used);
    EXPECT_TRUE(report.FindField(QStringLiteral("B"))->m_Used);
    EXPECT_FALSE(report.FindField(QStringLiteral("C"))->m_Used);
}

TEST_F(ReportModel, DuplicateFieldNamesFeedTheSameTemplateField)
{
    auto report = RoomReport();
    report->AddReportField(QStringLiteral("Room"));
    EXPECT_EQ(report->FieldCount(), 4);
    EXPECT_EQ(report->FindField(QStringLiteral("Room"))->m_Index, 3);
    report->SetReportCell(0, 0, QStringLiteral("first")).SetReportCell(0, 3, QStringLiteral("second"));
    report->ReportObject().FetchRecords();
    ASSERT_EQ(report->ReportObject().Records().size(), 1);
    EXPECT_EQ(report->ReportObject().Records().first().at(0), QStringLiteral("second"));
}

TEST_F(ReportModel, ParametersPrintWhereTheTemplateDeclaresThem)
{
    auto report = RoomReport();
    report->SetReportParameter(QStringLiteral("ProjectName"), QStringLiteral("科研楼"));
    report->SetReportParameter(QStringLiteral("Undeclared"), QStringLiteral("值"));
    EXPECT_TRUE(Txt(*report).startsWith(QStringLiteral("科研楼冷负荷汇总\n")));
    EXPECT_TRUE(report->HasParameter(QStringLiteral("Undeclared")));
    EXPECT_EQ(report->Parameter(QStringLiteral("Undeclared")), QStringLiteral("值"));
    EXPECT_EQ(report->Parameter(QStringLiteral("Never")), QStringLiteral("0"));
}

TEST_F(ReportModel, TemplatesLoadTheirTitleOnceAndReportFailures)
{
    auto report = RoomReport();
    EXPECT_EQ(report->Title(), QStringLiteral("房间负荷"));
    report->LoadReportTemplate(m_templates.Write(QStringLiteral("c.grf"), ConstructionTemplateXml()));
    EXPECT_EQ(report->Title(), QStringLiteral("房间负荷"));
    EXPECT_EQ(report->ReportObject().Title(), QStringLiteral("围护结构"));
    EXPECT_TRUE(Dialogs().Messages.isEmpty());

    CQORReport missing;
    missing.LoadReportTemplate(m_templates.Path(QStringLiteral("none.grf")));
    ASSERT_EQ(Dialogs().Messages.size(), 1);
    EXPECT_TRUE(Dialogs().Messages.first().contains(QStringLiteral("none.grf")));
    EXPECT_EQ(missing.TemplateFile(), m_templates.Path(QStringLiteral("none.grf")));

    // A broken file leaves the template loaded before as it was.
    report->LoadReportTemplate(
        m_templates.Write(QStringLiteral("bad.grf"), QStringLiteral("<Report><Fields>")));
    EXPECT_EQ(Dialogs().Messages.size(), 2);
    EXPECT_EQ(report->ReportObject().Title(), QStringLiteral("围护结构"));
}

TEST_F(ReportModel, HideUnusedColumnsShowsOnlyFieldsThatGotValues)
{
    const QString xml = RoomTemplateXml().replace(
        QStringLiteral("</DetailGrid>"),
        QStringLiteral("<Column name=\"Extra\" field=\"Other\" width=\"10\"/></DetailGrid>"));
    auto top = std::make_unique<CQORReport>();
    top->LoadReportTemplate(m_templates.Write(QStringLiteral("top.grf"), xml));
    auto child = RoomReport();
    child->LoadReportTemplate(m_templates.Write(QStringLiteral("child.grf"), xml));
    child->SetReportCell(0, 0, QStringLiteral("101")).SetReportCell(0, 2, QStringLiteral("说明"));
    child->ReportObject().FindColumn(QStringLiteral("Extra"))->visible = false;
    top->ReportObject().FindColumn(QStringLiteral("Load"))->visible = false;
    top->AddSubReport(child.get());

    top->HideUnusedColumns(true);
    // The top report has no fields: its columns stay as they were, its sub-reports are still done.
    EXPECT_EQ(Visible(*top), (QStringList{"Room", "Note", "Extra"}));
    // Load got no value; Extra shows a field the report does not have, so it is shown again.
    EXPECT_EQ(Visible(*child), (QStringList{"Room", "Note", "Extra"}));

    child->SetReportCell(0, 1, QStringLiteral("1200"));
    child->HideUnusedColumns(false);
    EXPECT_EQ(Visible(*child), (QStringList{"Room", "Load", "Note", "Extra"}));
}

TEST_F(ReportModel, ColumnTitlesAndControlsAreFoundByName)
{
    auto report = RoomReport();
    report->SetColumnTitle(QStringLiteral("Load"), QStringLiteral("热负荷(W)"));
    EXPECT_EQ(report->ReportObject().FindColumn(QStringLiteral("Load"))->title, QStringLiteral("热负荷(W)"));
    try {
        report->SetColumnTitle(QStringLiteral("Nope"), QStringLiteral("x"));
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("无法找到列Nope"));
    }

    int width = -7, height = -7;
    EXPECT_FALSE(report->GetControlSize(QStringLiteral("Nope"), width, height));
    EXPECT_EQ(width, -7);
    ASSERT_TRUE(report->GetControlSize(QStringLiteral("Caption"), width, height));
    EXPECT_EQ(width, 680); // 180 mm at 96 pixels per inch
    EXPECT_EQ(height, 34);

    EnsureGuiApplication();
    QImage picture(8, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString file = m_templates.Path(QStringLiteral("logo.png"));
    ASSERT_TRUE(picture.save(file));
    report->SetPictureFile(QStringLiteral("Logo"), file);
    EXPECT_FALSE(report->ReportObject().FindControl(QStringLiteral("Logo"))->picture.isEmpty());
    // A text control is no picture box: nothing happens.
    report->SetPictureFile(QStringLiteral("Caption"), file);
    EXPECT_TRUE(report->ReportObject().FindControl(QStringLiteral("Caption"))->picture.isEmpty());
}

TEST_F(ReportModel, RowsReachTheTemplateOnlyWhenEveryFieldIsDeclared)
{
    auto report = RoomReport();
    report->SetReportCell(0, 0, QStringLiteral("101")).SetReportCell(0, 1, QStringLiteral("900"));
    report->AddSubReport(nullptr);
    EXPECT_EQ(report->SubReportCount(), 0);
    EXPECT_EQ(Txt(*report), QStringLiteral("默认工程冷负荷汇总\n房间名称\t冷负荷 (W)\t备注\n101\t900\t\n\n"));
    EXPECT_TRUE(Dialogs().Messages.isEmpty());

    auto undeclared = RoomReport();
    undeclared->AddReportField(QStringLiteral("Area"));
    undeclared->SetReportCell(0, 0, QStringLiteral("101"));
    EXPECT_EQ(Txt(*undeclared), QStringLiteral("默认工程冷负荷汇总\n房间名称\t冷负荷 (W)\t备注\n\n"));
    EXPECT_EQ(Dialogs().Messages,
              QStringList{QStringLiteral("报表传入数据越界 in GridppReport1FetchRecord")});

    CQORReport noFields;
    noFields.LoadReportTemplate(m_templates.Write(QStringLiteral("rooms.grf"), RoomTemplateXml()));
    noFields.SetReportCell(0, 0, QStringLiteral("lost"));
    noFields.SetReportCell(1, 0, QStringLiteral("lost"));
    noFields.ReportObject().FetchRecords();
    EXPECT_EQ(noFields.ReportObject().Records().size(), 2);
    EXPECT_EQ(noFields.ReportObject().Records().first(), (QStringList{"", "", ""}));
}

TEST_F(ReportModel, SubReportsHangBelowAndPrintSettingsReachThem)
{
    auto top = RoomReport();
    auto child = RoomReport();
    auto grandchild = RoomReport();
    top->AddSubReport(child.get());
    child->AddSubReport(grandchild.get());
    ASSERT_EQ(top->SubReportCount(), 1);
    EXPECT_EQ(child->Parent(), top.get());
    ASSERT_NE(child->SubReportControl(), nullptr);
    EXPECT_EQ(child->SubReportControl()->subReport, &child->ReportObject());
    EXPECT_FALSE(child->SubReportControl()->pageBreak);

    top->m_Landscape = true;
    child->m_PageBreakFlag = false;
    top->ApplyPrintSettings();
    EXPECT_TRUE(top->ReportObject().Landscape());
    EXPECT_FALSE(child->ReportObject().Landscape());
    EXPECT_FALSE(child->SubReportControl()->pageBreak);
    EXPECT_TRUE(grandchild->SubReportControl()->pageBreak);

    top->SetCellExportMode(true);
    child->m_CellExportFlag = false;
    top->SetCellExportMode(true);
    EXPECT_FALSE(child->SubReportControl()->cellExport);
    EXPECT_FALSE(grandchild->SubReportControl()->pageBreak);
    top->SetCellExportMode(false);
    EXPECT_TRUE(child->SubReportControl()->cellExport);
    EXPECT_TRUE(child->SubReportControl()->pageBreak);
}

TEST_F(ReportModel, ParentAndChildMayBeDeletedInEitherOrder)
{
    auto top = RoomReport();
    auto child = RoomReport();
    auto other = RoomReport();
    top->AddSubReport(child.get());
    top->AddSubReport(other.get());
    child.reset();
    EXPECT_EQ(top->SubReportCount(), 1);
    EXPECT_EQ(Txt(*top).count(QStringLiteral("房间名称")), 2);

    top.reset();
    EXPECT_EQ(other->Parent(), nullptr);
    EXPECT_EQ(other->SubReportControl(), nullptr);
    other->ApplyPrintSettings();
}

TEST_F(ReportModel, VariablesAndGroupBandsResolveTheirPlaceholders)
{
    const QString xml = QStringLiteral(R"(<Report title="分组">
      <Fields><Field name="Storey"/><Field name="Room"/></Fields>
      <ReportHeader height="8"><Text left="0" top="0" width="100" height="6">设计：[#Designer#] [#Unknown#]</Text></ReportHeader>
      <DetailGrid>
        <GroupHeader by="Storey" height="6"><Text left="0" top="0" width="100" height="6">楼层 [#Storey#]</Text></GroupHeader>
        <Column name="Room" field="Room" width="40" title="房间"/>
        <GroupFooter height="6"><Text left="0" top="0" width="100" height="6">[#Storey#]小计</Text></GroupFooter>
      </DetailGrid></Report>)");
    CQORReport report;
    report.LoadReportTemplate(m_templates.Write(QStringLiteral("group.grf"), xml));
    report.AddReportField(QStringLiteral("Storey")).AddReportField(QStringLiteral("Room"));
    const char* rows[][2] = {{"1层", "101"}, {"1层", "102"}, {"2层", "201"}};
    for (int r = 0; r < 3; ++r)
        report.SetReportCell(r, 0, QString::fromUtf8(rows[r][0]))
            .SetReportCell(r, 1, QString::fromUtf8(rows[r][1]));
    report.SetVariableCallback([](const QString& name, QString& value) {
        if (name != QLatin1String("Designer"))
            return false;
        value = QStringLiteral("张工");
        return true;
    });
    EXPECT_EQ(Txt(report),
              QStringLiteral("设计：张工 [#Unknown#]\n房间\n楼层 1层\n101\n102\n1层小计\n楼层 2层\n201\n"
                             "2层小计\n\n"));
}

TEST(ReportFlow, NumbersAreDecimalsWithoutLeadingZerosOrSigns)
{
    for (const char* number : {"0", "-0", "12", "-12.5", "0.25", "230", "3.0"})
        EXPECT_TRUE(CReportFlow::IsNumber(QString::fromLatin1(number))) << number;
    for (const char* text : {"", "-", "01", "1.", ".5", "+1", "1e3", "1,5", " 1", "12:00", "1.2.3", "-.5"})
        EXPECT_FALSE(CReportFlow::IsNumber(QString::fromLatin1(text))) << text;
}
