#include "report/engine/CQORReport.h"

#include "platform/core/CGbkCodec.h"
#include "platform/core/CIniFile.h"
#include "platform/core/CProgramFolder.h"
#include "report/engine/HtmlEscapeText.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <cmath>

namespace {
bool IsBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

QString TrimControls(const QString& text)
{
    int begin = 0;
    int end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

// A list of names as the settings file writes them: separated by ";" or blanks, a name in double
// quotes may hold blanks and ";" (a doubled quote stands for one), a ";" at the very end adds an
// empty name.
QStringList SplitNames(const QString& value)
{
    QStringList names;
    const int n = value.size();
    int i = 0;
    while (i < n && IsBlank(value.at(i)))
        ++i;
    while (i < n) {
        QString name;
        if (value.at(i) == QLatin1Char('"')) {
            ++i;
            while (i < n) {
                if (value.at(i) == QLatin1Char('"')) {
                    if (i + 1 < n && value.at(i + 1) == QLatin1Char('"')) {
                        name += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                name += value.at(i++);
            }
        } else {
            const int start = i;
            while (i < n && value.at(i).unicode() > 32 && value.at(i) != QLatin1Char(';'))
                ++i;
            name = value.mid(start, i - start);
        }
        names.append(name);
        while (i < n && IsBlank(value.at(i)))
            ++i;
        if (i < n && value.at(i) == QLatin1Char(';')) {
            if (i + 1 == n)
                names.append(QString());
            ++i;
            while (i < n && IsBlank(value.at(i)))
                ++i;
        }
    }
    return names;
}

// The settings file of a template: its name with the extension replaced by ".config".
QString SettingsFileOf(const QString& templateFile)
{
    if (templateFile.isEmpty())
        return QString();
    const QFileInfo info(templateFile);
    QString name = info.fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    return CProgramFolder::ResolveIn(info.path(), name + QStringLiteral(".config"));
}

const char* const DefaultStyle[] = {
    "body {margin: 0;padding: 0;background-color: #FFFFFF;font:normal normal 8 宋体;color: black;}",
    ".htb{font-size:80%;text-align: left;width: 100%;padding:0px;margin: 4px;border-top: 1px solid "
    "#A8A8A8;border-right: 1px solid #A8A8A8;border-bottom: 1px solid #A8A8A8;}",
    ".htb thead th{background-color:blue;font-weight: bold;padding: 2px;background: #b9c9fe;border-left: 1px "
    "solid #A8A8A8;text-align:center;or: #039;}",
    ".htb tbody td{border-left: 1px solid #A8A8A8;border-top: 1px solid #A8A8A8;padding-left: 4px;}",
};

const char* const AppraisalLines[] = {
    "DID-IVOV 暖通空调负荷计算软件 软件测评报告 编号 DIDIVOV-CP-2026-01",
    "DID-IVOV 暖通空调负荷计算软件 计算方法验证报告 编号 DIDIVOV-YZ-2026-01",
};

class CHtmlPage
{
public:
    explicit CHtmlPage(QIODevice& out) : m_out(out) {}
    void Put(const QString& text)
    {
        if (m_ok && m_out.write(CGbkCodec::ToGbk(text)) < 0)
            m_ok = false;
    }
    bool Ok() const { return m_ok; }

private:
    QIODevice& m_out;
    bool m_ok = true;
};
} // namespace

QString HtmlEscapeText(const QString& text)
{
    int end = text.size();
    while (end > 0 && text.at(end - 1).unicode() <= 32)
        --end;
    if (end == 0)
        return QStringLiteral("&nbsp;");
    QString result;
    result.reserve(2 * end + 7);
    result += QLatin1String("<p>");
    for (int i = 0; i < end; ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case ' ':
            result += QLatin1String("&nbsp;");
            break;
        case '&':
            result += QLatin1String("&amp;");
            break;
        case '<':
            result += QLatin1String("&lt;");
            break;
        case '>':
            result += QLatin1String("&gt;");
            break;
        case '\n':
            result += QLatin1String("</p><p>");
            break;
        default:
            result += c;
        }
    }
    result += QLatin1String("</p>");
    return result;
}

bool CQORReport::WriteHtmlReport(QIODevice& out, const QString& styleSheetPath, const QString& programName)
{
    CHtmlPage page(out);

    QStringList params;
    QStringList fields;
    QString titleFormat;
    QString remarkFormat;
    const QString settings = SettingsFileOf(m_TemplateFile);
    if (!settings.isEmpty() && QFileInfo::exists(settings)) {
        const CIniFile ini(settings);
        params = SplitNames(ini.ReadString(QStringLiteral("grp"), QStringLiteral("params")));
        fields = SplitNames(ini.ReadString(QStringLiteral("grp"), QStringLiteral("fields")));
        titleFormat = ini.ReadString(QStringLiteral("grp"), QStringLiteral("titleformat"));
        remarkFormat = ini.ReadString(QStringLiteral("grp"), QStringLiteral("remarkformat"));
    }

    if (!m_Parent) {
        page.Put(QStringLiteral(
            "<html><head><meta content=\"text/html; charset=GB2312\" http-equiv=\"content-type\">"
            "<title>负荷计算报表</title><style type=\"text/css\">\n"));
        QString style;
        if (!styleSheetPath.isEmpty() && QFileInfo::exists(styleSheetPath) &&
            CGbkCodec::ReadTextFile(styleSheetPath, style)) {
            for (QString line : style.split(QLatin1Char('\n'))) {
                if (line.endsWith(QLatin1Char('\r')))
                    line.chop(1);
                page.Put(line);
            }
        } else {
            for (const char* rule : DefaultStyle)
                page.Put(QString::fromUtf8(rule) + QLatin1Char('\n'));
        }
        page.Put(QStringLiteral("</style></head>\n<body>\n"));
    }

    const bool cover = m_Parameters.Contains(QStringLiteral("DesignerName")) &&
                       m_Parameters.Contains(QStringLiteral("DesignTypeName"));
    if (cover) {
        for (int i = 0; i < 6; ++i)
            page.Put(QStringLiteral("<p>&nbsp;</p>"));
        page.Put(QStringLiteral("<div align='center'><h3>%1</h3></div>")
                     .arg(m_Parameters.Get(QStringLiteral("DesignerName"))));
        page.Put(QStringLiteral("<div align='center'><h1>暖通空调负荷计算书</h1></div>"));
        page.Put(QStringLiteral("<div align='center'><h3>%1</h3></div>")
                     .arg(m_Parameters.Get(QStringLiteral("DesignTypeName"))));
        for (int i = 0; i < 10; ++i)
            page.Put(QStringLiteral("<p>&nbsp;</p>"));
    } else if (m_Parameters.Contains(QStringLiteral("subtitle"))) {
        page.Put(QStringLiteral("<p><h3>%1</h3></p>")
                     .arg(HtmlEscapeText(m_Parameters.Get(QStringLiteral("subtitle")))));
    }

    if (m_Report->HasDetailGrid()) {
        const auto& columns = m_Report->Columns();
        const int n = static_cast<int>(columns.size());
        const auto cellOf = [this](int row, const QString& fieldName) {
            const CQORReportField* field = m_FieldMap.Get(fieldName);
            return field ? Cell(row, field->m_Index) : QString();
        };
        if (n == 1 && m_Fields.Count() == 1) {
            for (int r = 0; r < m_Records.Count(); ++r)
                page.Put(QStringLiteral("<div class='singleline'>%1</div>").arg(HtmlEscapeText(Cell(r, 0))));
        } else if (n == 1) {
            page.Put(QStringLiteral("<div align='center'><table class=\"htbzeroboder\"><tbody>"));
            for (int r = 0; r < m_Records.Count(); ++r) {
                page.Put(QStringLiteral("<tr>"));
                for (int f = 0; f < m_Fields.Count(); ++f)
                    page.Put(QStringLiteral("<td>%1</td>").arg(HtmlEscapeText(Cell(r, f))));
                page.Put(QStringLiteral("</tr>"));
            }
            page.Put(QStringLiteral("</tbody></table></div><br>"));
        } else if (n >= 2 && m_Records.Count() > 0) {
            struct SChosen
            {
                QString title;
                double width;
                int field;
            };
            QString previous = QStringLiteral("[INIT]");
            QList<SChosen> chosen;
            for (int r = 0; r < m_Records.Count(); ++r) {
                QString key;
                for (const QString& name : fields)
                    key += QLatin1Char(';') + cellOf(r, name);
                if (key != previous) {
                    if (r >= 1)
                        page.Put(QStringLiteral("</tbody></table><br>"));
                    const auto fill = [&](QString text) {
                        for (const QString& name : fields)
                            text.replace(QStringLiteral("[#%1#]").arg(name), cellOf(r, name));
                        for (const QString& name : params)
                            text.replace(QStringLiteral("[#%1#]").arg(name), m_Parameters.Get(name));
                        return text;
                    };
                    if (!titleFormat.isEmpty())
                        page.Put(QStringLiteral("<h5>%1</h5>").arg(HtmlEscapeText(fill(titleFormat))));
                    if (!remarkFormat.isEmpty())
                        page.Put(QStringLiteral("<small>%1</small>").arg(HtmlEscapeText(fill(remarkFormat))));
                    page.Put(
                        QStringLiteral("<table cellpadding='0' cellspacing='0' class=\"htb\"><thead><tr>"));
                    chosen.clear();
                    double total = 0;
                    for (int c = 0; c < n && chosen.size() < 300; ++c) {
                        const CQORReportField* field = m_FieldMap.Get(columns.at(c).dataField);
                        if (!field || !field->m_Used)
                            continue;
                        chosen.append(SChosen{HtmlEscapeText(columns.at(c).title), columns.at(c).width,
                                              field->m_Index});
                        total += columns.at(c).width;
                    }
                    for (const SChosen& column : chosen) {
                        const int percent =
                            total > 0 ? static_cast<int>(std::floor(column.width * 100 / total + 1e-9)) : 0;
                        page.Put(
                            QStringLiteral("<th style='width:%1%'>%2</th>").arg(percent).arg(column.title));
                    }
                    page.Put(QStringLiteral("</tr></thead><tbody>"));
                    previous = key;
                }
                page.Put(QStringLiteral("<tr>"));
                for (const SChosen& column : chosen)
                    page.Put(QStringLiteral("<td>%1</td>")
                                 .arg(HtmlEscapeText(TrimControls(Cell(r, column.field)))));
                page.Put(QStringLiteral("</tr>"));
            }
            page.Put(QStringLiteral("</tbody></table><br>"));
        }
    }

    if (cover)
        page.Put(QStringLiteral(
            "<br clear=all style='mso-special-character:line-break;page-break-before:always'>"));

    bool ok = page.Ok();
    for (int i = 0; i < m_SubReports.Count(); ++i)
        if (CQORReport* child = m_SubReports.Get(i))
            ok = child->WriteHtmlReport(out, QString(), QString()) && ok;

    if (!m_Parent) {
        CHtmlPage foot(out);
        foot.Put(QStringLiteral("<br><br><br>"));
        foot.Put(QStringLiteral("<h5>设计软件："));
        foot.Put(programName);
        foot.Put(QStringLiteral("<h5>"));
        for (const char* line : AppraisalLines)
            foot.Put(QStringLiteral("<h5>鉴定情况：") + QString::fromUtf8(line) + QStringLiteral("<h5>"));
        foot.Put(QStringLiteral("</body></html>"));
        ok = foot.Ok() && ok;
    }
    return ok;
}
