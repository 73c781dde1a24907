#include "platform/core/CGbkCodec.h"
#include "report/engine/CQORReport.h"
#include "report/engine/HtmlEscapeText.h"
#include "tests/report/ReportTestSupport.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {
class ReportHtml : public ::testing::Test
{
protected:
    // A report on a template with the given columns (name:width) and fields, and a settings file
    // beside it when settings are given.
    std::unique_ptr<CQORReport> Report(const QString& name, const QStringList& columns,
                                       const QStringList& fields, const QString& settings = QString())
    {
        QString xml = QStringLiteral("<Report><DetailGrid>");
        for (const QString& column : columns) {
            const QStringList parts = column.split(QLatin1Char(':'));
            xml += QStringLiteral("<Column name=\"%1\" field=\"%1\" title=\"%1 列\" width=\"%2\"/>")
                       .arg(parts.at(0), parts.at(1));
        }
        xml += QStringLiteral("</DetailGrid></Report>");
        auto report = std::make_unique<CQORReport>();
        report->LoadReportTemplate(m_templates.Write(name + QStringLiteral(".grf"), xml));
        if (!settings.isNull())
            WriteFile(m_templates.Path(name + QStringLiteral(".config")), CGbkCodec::ToGbk(settings));
        for (const QString& field : fields)
            report->AddReportField(field);
        return report;
    }
    static QString Html(CQORReport& report, const QString& style = QString())
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(report.WriteHtmlReport(buffer, style, QStringLiteral("DID-IVOV 4.0")));
        return CGbkCodec::FromGbk(bytes);
    }
    // The part of the page between the head and the foot.
    static QString Body(const QString& html)
    {
        const int begin = html.indexOf(QStringLiteral("<body>\n")) + 7;
        return html.mid(begin, html.lastIndexOf(QStringLiteral("<br><br><br><h5>")) - begin);
    }

    CTemplateFolder m_templates;
};
} // namespace

TEST(HtmlEscapeText, EscapesAndWrapsInParagraphs)
{
    const char* cases[][2] = {
        {"a b", "<p>a&nbsp;b</p>"},
        {"line\n", "<p>line</p>"},
        {"one\ntwo", "<p>one</p><p>two</p>"},
        {"&", "<p>&amp;</p>"},
        {"   ", "&nbsp;"},
        {"", "&nbsp;"},
        {"<b>\"x\"</b>\r", "<p>&lt;b&gt;\"x\"&lt;/b&gt;</p>"},
        {"a\rb", "<p>a\rb</p>"},
        {"外墙 K值", "<p>外墙&nbsp;K值</p>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HtmlEscapeText(QString::fromUtf8(c[0])), QString::fromUtf8(c[1])) << c[0];
}

TEST_F(ReportHtml, RowsWithEqualKeysShareATableUnderTheirHeading)
{
    auto report = Report(QStringLiteral("grouped"), {"Storey:30", "Room:70"}, {"Storey", "Room", "Unused"},
                         QStringLiteral("[grp]\nparams=Project; Missing\nfields=Storey\n"
                                        "titleformat=[#Project#] 第[#Storey#]层 [#Missing#] [#Other#]\n"
                                        "remarkformat=备注 [#Storey#]\n"));
    report->SetReportParameter(QStringLiteral("Project"), QStringLiteral("A&B"));
    const char* rows[][2] = {{"1", "101"}, {"1", "102"}, {"2", "201"}, {"1", "103"}};
    for (int r = 0; r < 4; ++r)
        report->SetReportCell(r, 0, QString::fromLatin1(rows[r][0]))
            .SetReportCell(r, 1, QString::fromLatin1(rows[r][1]));

    const QString head = QStringLiteral("<table cellpadding='0' cellspacing='0' class=\"htb\"><thead><tr>"
                                        "<th style='width:30%'><p>Storey&nbsp;列</p></th>"
                                        "<th style='width:70%'><p>Room&nbsp;列</p></th></tr></thead><tbody>");
    const auto heading = [](const char* storey) {
        return QStringLiteral("<h5><p>A&amp;B&nbsp;第%1层&nbsp;0&nbsp;[#Other#]</p></"
                              "h5><small><p>备注&nbsp;%1</p></small>")
            .arg(QString::fromLatin1(storey));
    };
    const auto row = [](const char* storey, const char* room) {
        return QStringLiteral("<tr><td><p>%1</p></td><td><p>%2</p></td></tr>")
            .arg(QString::fromLatin1(storey), QString::fromLatin1(room));
    };
    EXPECT_EQ(Body(Html(*report)), heading("1") + head + row("1", "101") + row("1", "102") +
                                       QStringLiteral("</tbody></table><br>") + heading("2") + head +
                                       row("2", "201") + QStringLiteral("</tbody></table><br>") +
                                       heading("1") + head + row("1", "103") +
                                       QStringLiteral("</tbody></table><br>"));
}

TEST_F(ReportHtml, WithoutGroupFieldsAllRowsShareOneTable)
{
    auto report = Report(QStringLiteral("plain"), {"A:1", "B:1", "C:1"}, {"A", "B", "C"},
                         QStringLiteral("[grp]\nparams=P\ntitleformat=[#P#]\n"));
    report->SetReportParameter(QStringLiteral("P"), QStringLiteral("标题"));
    for (int r = 0; r < 3; ++r)
        report->SetReportCell(r, 0, QString::number(r))
            .SetReportCell(r, 1, QStringLiteral("  x \t"))
            .SetReportCell(r, 2, QStringLiteral("y"));
    const QString body = Body(Html(*report));
    EXPECT_EQ(body.count(QStringLiteral("<table")), 1);
    EXPECT_EQ(body.count(QStringLiteral("<h5><p>标题</p></h5>")), 1);
    EXPECT_EQ(body.count(QStringLiteral("<th style='width:33%'>")), 3);
    EXPECT_TRUE(body.contains(QStringLiteral("<td><p>x</p></td>"))) << "cells are trimmed";
}

TEST_F(ReportHtml, QuotedNamesAndOnlyUsedColumns)
{
    auto report = Report(
        QStringLiteral("quoted"), {"Room Name:10", "Load:10", "Note:10"}, {"Room Name", "Load", "Note"},
        QStringLiteral("[grp]\nfields=\"Room Name\";Load\ntitleformat=[#Room Name#]/[#Load#]\n"));
    report->SetReportCell(0, 0, QStringLiteral("会议室")).SetReportCell(0, 1, QStringLiteral("12"));
    const QString body = Body(Html(*report));
    EXPECT_TRUE(body.startsWith(QStringLiteral("<h5><p>会议室/12</p></h5>")));
    EXPECT_EQ(body.count(QStringLiteral("<th ")), 2) << "Note got no value";
    EXPECT_TRUE(body.contains(QStringLiteral("<th style='width:50%'><p>Load&nbsp;列</p></th>")));
}

TEST_F(ReportHtml, SingleColumnsGiveLinesOrPlainTables)
{
    auto lines = Report(QStringLiteral("lines"), {"Text:100"}, {"Text"});
    lines->SetReportCell(0, 0, QStringLiteral("第一段")).SetReportCell(1, 0, QStringLiteral("a<b"));
    EXPECT_EQ(Body(Html(*lines)), QStringLiteral("<div class='singleline'><p>第一段</p></div>"
                                                 "<div class='singleline'><p>a&lt;b</p></div>"));

    auto pairs = Report(QStringLiteral("pairs"), {"Text:100"}, {"Key", "Value"});
    pairs->SetReportCell(0, 0, QStringLiteral("面积")).SetReportCell(0, 1, QStringLiteral("12.5"));
    EXPECT_EQ(Body(Html(*pairs)), QStringLiteral("<div align='center'><table class=\"htbzeroboder\"><tbody>"
                                                 "<tr><td><p>面积</p></td><td><p>12.5</p></td></tr>"
                                                 "</tbody></table></div><br>"));
}

TEST_F(ReportHtml, APageIsOneGb2312DocumentWithCoverSectionsAndFoot)
{
    auto book = Report(QStringLiteral("main"), {}, {});
    book->SetReportParameter(QStringLiteral("DesignerName"), QStringLiteral("某设计院"));
    book->SetReportParameter(QStringLiteral("DesignTypeName"), QStringLiteral("夏季冷负荷"));
    auto section = Report(QStringLiteral("section"), {"A:30", "B:70"}, {"A", "B"});
    section->SetReportParameter(QStringLiteral("subtitle"), QStringLiteral("一、 房间"));
    section->SetReportCell(0, 0, QStringLiteral("101")).SetReportCell(0, 1, QStringLiteral("办公室"));
    auto empty = Report(QStringLiteral("empty"), {"A:30", "B:70"}, {"A", "B"});
    book->AddSubReport(section.get());
    book->AddSubReport(empty.get());

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(book->WriteHtmlReport(buffer, QString(), QStringLiteral("DID-IVOV 4.0")));
    EXPECT_TRUE(bytes.contains(CGbkCodec::ToGbk(QStringLiteral("暖通空调负荷计算书"))));
    const QString html = CGbkCodec::FromGbk(bytes);
    EXPECT_TRUE(html.startsWith(QStringLiteral("<html><head><meta content=\"text/html; charset=GB2312\" "
                                               "http-equiv=\"content-type\"><title>负荷计算报表</title>"
                                               "<style type=\"text/css\">\nbody {margin: 0;")));
    EXPECT_EQ(html.count(QStringLiteral("<html>")), 1);
    const QString body = Body(html);
    EXPECT_TRUE(body.startsWith(
        QStringLiteral("<p>&nbsp;</p>").repeated(6) +
        QStringLiteral("<div align='center'><h3>某设计院</h3></div>"
                       "<div align='center'><h1>暖通空调负荷计算书</h1></div>"
                       "<div align='center'><h3>夏季冷负荷</h3></div>") +
        QStringLiteral("<p>&nbsp;</p>").repeated(10) +
        QStringLiteral("<br clear=all style='mso-special-character:line-break;page-break-before:"
                       "always'><p><h3><p>一、&nbsp;房间</p></h3></p>")));
    EXPECT_TRUE(body.endsWith(QStringLiteral("<td><p>办公室</p></td></tr></tbody></table><br>")))
        << "a section without rows writes nothing";
    EXPECT_TRUE(html.contains(QStringLiteral("<br><br><br><h5>设计软件：DID-IVOV 4.0<h5><h5>鉴定情况：")));
    EXPECT_EQ(html.count(QStringLiteral("<h5>鉴定情况：")), 2);
    EXPECT_TRUE(html.endsWith(QStringLiteral("</body></html>")));
}

TEST_F(ReportHtml, AStyleSheetReplacesTheBuiltInRules)
{
    auto report = Report(QStringLiteral("styled"), {}, {});
    const QString style = m_templates.Path(QStringLiteral("normal.sty"));
    WriteFile(style, QByteArray("p {color: red;}\r\nh5 {font: 9pt 宋体;}\n"));
    const QString html = Html(*report, style);
    EXPECT_TRUE(html.contains(
        QStringLiteral("<style type=\"text/css\">\np {color: red;}h5 {font: 9pt 宋体;}</style></head>")));
    EXPECT_FALSE(html.contains(QStringLiteral(".htb{")));
}
