#include "report/engine/CReportTemplate.h"

#include "platform/core/CProgramFolder.h"

#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
const QString DefaultFamily = QStringLiteral("Noto Sans CJK SC");

double Number(const QDomElement& e, const char* name, double fallback)
{
    bool ok = false;
    const double value = e.attribute(QString::fromLatin1(name)).toDouble(&ok);
    return ok ? value : fallback;
}

bool Flag(const QDomElement& e, const char* name, bool fallback)
{
    const QString text = e.attribute(QString::fromLatin1(name)).trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return fallback;
}

CReportTemplate::Align AlignOf(const QDomElement& e, CReportTemplate::Align fallback)
{
    const QString text = e.attribute(QStringLiteral("align")).trimmed().toLower();
    if (text == QLatin1String("left"))
        return CReportTemplate::Align::Left;
    if (text == QLatin1String("center"))
        return CReportTemplate::Align::Center;
    if (text == QLatin1String("right"))
        return CReportTemplate::Align::Right;
    return fallback;
}

CReportTemplate::SFont FontOf(const QDomElement& e, const CReportTemplate::SFont& base, const char* sizeName)
{
    CReportTemplate::SFont font = base;
    const QString family = e.attribute(QStringLiteral("fontFamily")).trimmed();
    if (!family.isEmpty())
        font.family = family;
    font.pointSize = Number(e, sizeName, base.pointSize);
    if (font.pointSize <= 0)
        font.pointSize = base.pointSize;
    font.bold = Flag(e, "bold", base.bold);
    return font;
}

// A picture file named by a template is looked up beside the template, case-insensitively.
QByteArray ReadPicture(const QString& folder, const QString& file)
{
    if (file.isEmpty())
        return {};
    QFile f(QFileInfo(file).isAbsolute() ? file : CProgramFolder::ResolveIn(folder, file));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

std::unique_ptr<CReportTemplate::SBand> ReadBand(const QDomElement& e, CReportTemplate::BandKind kind,
                                                 const CReportTemplate::SFont& font, const QString& folder)
{
    auto band = std::make_unique<CReportTemplate::SBand>();
    band->kind = kind;
    band->height = qMax(0.0, Number(e, "height", 0));
    band->newPage = static_cast<int>(Number(e, "newPage", 0));
    for (QDomElement c = e.firstChildElement(); !c.isNull(); c = c.nextSiblingElement()) {
        auto control = std::make_unique<CReportTemplate::SControl>();
        if (c.tagName() == QLatin1String("Text"))
            control->kind = CReportTemplate::ControlKind::Text;
        else if (c.tagName() == QLatin1String("Picture"))
            control->kind = CReportTemplate::ControlKind::Picture;
        else
            continue;
        control->name = c.attribute(QStringLiteral("name"));
        control->left = Number(c, "left", 0);
        control->top = Number(c, "top", 0);
        control->width = qMax(0.0, Number(c, "width", 0));
        control->height = qMax(0.0, Number(c, "height", 0));
        control->text = c.text().trimmed();
        control->font = FontOf(c, font, "fontSize");
        control->align = AlignOf(c, CReportTemplate::Align::Left);
        control->border = Flag(c, "border", false);
        control->background = c.attribute(QStringLiteral("background")).trimmed();
        if (control->kind == CReportTemplate::ControlKind::Picture)
            control->picture = ReadPicture(folder, c.attribute(QStringLiteral("file")).trimmed());
        band->controls.push_back(std::move(control));
    }
    return band;
}
} // namespace

CReportTemplate::CReportTemplate()
{
    Clear();
}

CReportTemplate::~CReportTemplate() = default;

void CReportTemplate::Clear()
{
    m_title.clear();
    m_paper = QStringLiteral("A4");
    m_landscape = false;
    m_margins[0] = m_margins[1] = m_margins[2] = m_margins[3] = 15;
    m_font = SFont{DefaultFamily, 9, false};
    m_parameters.clear();
    m_fields.clear();
    m_reportHeaders.clear();
    m_pageHeader.reset();
    m_pageFooter.reset();
    m_groupHeader.reset();
    m_groupFooter.reset();
    m_groupField.clear();
    m_slotBeforeDetail = false;
    m_hasDetailGrid = false;
    m_columns.clear();
    m_titleHeight = 8;
    m_rowHeight = 6;
    m_cellFont = m_font;
    m_titleFont = m_font;
    m_titleBackground = QStringLiteral("#E8E8E8");
    m_cellBorder = true;
    m_showTitles = true;
    m_records.clear();
}

bool CReportTemplate::LoadFromFile(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("无法打开报表模板%1").arg(path);
        return false;
    }
    if (!LoadFromXml(file.readAll(), QFileInfo(path).absolutePath(), error)) {
        error = QStringLiteral("报表模板%1格式错误：%2").arg(path, error);
        return false;
    }
    return true;
}

bool CReportTemplate::LoadFromXml(const QByteArray& xml, const QString& folder, QString& error)
{
    QDomDocument doc;
    QString message;
    int line = 0;
    if (!doc.setContent(xml, &message, &line)) {
        error = QStringLiteral("第%1行：%2").arg(line).arg(message);
        return false;
    }
    const QDomElement root = doc.documentElement();
    if (root.tagName() != QLatin1String("Report")) {
        error = QStringLiteral("根元素不是Report");
        return false;
    }

    // Parse completely before touching the current content, so a bad file changes nothing.
    CReportTemplate t;
    t.m_title = root.attribute(QStringLiteral("title"));
    const QString paper = root.attribute(QStringLiteral("paper")).trimmed();
    if (!paper.isEmpty())
        t.m_paper = paper;
    t.m_landscape =
        root.attribute(QStringLiteral("orientation")).trimmed().toLower() == QLatin1String("landscape");
    t.m_margins[0] = qMax(0.0, Number(root, "leftMargin", 15));
    t.m_margins[1] = qMax(0.0, Number(root, "topMargin", 15));
    t.m_margins[2] = qMax(0.0, Number(root, "rightMargin", 15));
    t.m_margins[3] = qMax(0.0, Number(root, "bottomMargin", 15));
    t.m_font = FontOf(root, SFont{DefaultFamily, 9, false}, "fontSize");

    bool seenDetail = false;
    for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        const QString tag = e.tagName();
        if (tag == QLatin1String("Parameters")) {
            for (QDomElement p = e.firstChildElement(QStringLiteral("Parameter")); !p.isNull();
                 p = p.nextSiblingElement(QStringLiteral("Parameter")))
                t.m_parameters.append(SParameter{p.attribute(QStringLiteral("name")), p.text()});
        } else if (tag == QLatin1String("Fields")) {
            for (QDomElement f = e.firstChildElement(QStringLiteral("Field")); !f.isNull();
                 f = f.nextSiblingElement(QStringLiteral("Field")))
                t.m_fields.append(f.attribute(QStringLiteral("name")));
        } else if (tag == QLatin1String("ReportHeader")) {
            t.m_reportHeaders.push_back(ReadBand(e, BandKind::ReportHeader, t.m_font, folder));
        } else if (tag == QLatin1String("PageHeader")) {
            t.m_pageHeader = ReadBand(e, BandKind::PageHeader, t.m_font, folder);
        } else if (tag == QLatin1String("PageFooter")) {
            t.m_pageFooter = ReadBand(e, BandKind::PageFooter, t.m_font, folder);
        } else if (tag == QLatin1String("SubReportSlot")) {
            t.m_slotBeforeDetail = !seenDetail;
        } else if (tag == QLatin1String("DetailGrid")) {
            seenDetail = true;
            t.m_hasDetailGrid = true;
            t.m_titleHeight = qMax(0.0, Number(e, "titleHeight", 8));
            t.m_rowHeight = qMax(1.0, Number(e, "rowHeight", 6));
            t.m_cellFont = FontOf(e, t.m_font, "fontSize");
            t.m_cellFont.bold = false;
            t.m_titleFont = FontOf(e, t.m_cellFont, "titleFontSize");
            t.m_titleFont.bold = Flag(e, "titleBold", true);
            const QString background = e.attribute(QStringLiteral("titleBackground")).trimmed();
            if (e.hasAttribute(QStringLiteral("titleBackground")))
                t.m_titleBackground = background;
            t.m_cellBorder = Flag(e, "border", true);
            t.m_showTitles = Flag(e, "titles", true);
            for (QDomElement c = e.firstChildElement(); !c.isNull(); c = c.nextSiblingElement()) {
                if (c.tagName() == QLatin1String("Column")) {
                    SColumn column;
                    column.name = c.attribute(QStringLiteral("name"));
                    column.dataField = c.attribute(QStringLiteral("field"), column.name);
                    column.title = c.attribute(QStringLiteral("title"), column.name);
                    column.width = qMax(0.0, Number(c, "width", 20));
                    column.align = AlignOf(c, Align::Auto);
                    t.m_columns.push_back(column);
                } else if (c.tagName() == QLatin1String("GroupHeader")) {
                    t.m_groupField = c.attribute(QStringLiteral("by"));
                    t.m_groupHeader = ReadBand(c, BandKind::GroupHeader, t.m_cellFont, folder);
                } else if (c.tagName() == QLatin1String("GroupFooter")) {
                    t.m_groupFooter = ReadBand(c, BandKind::GroupFooter, t.m_cellFont, folder);
                }
            }
        }
    }

    m_title = t.m_title;
    m_paper = t.m_paper;
    m_landscape = t.m_landscape;
    std::copy(std::begin(t.m_margins), std::end(t.m_margins), std::begin(m_margins));
    m_font = t.m_font;
    m_parameters = t.m_parameters;
    m_fields = t.m_fields;
    m_reportHeaders = std::move(t.m_reportHeaders);
    m_pageHeader = std::move(t.m_pageHeader);
    m_pageFooter = std::move(t.m_pageFooter);
    m_groupHeader = std::move(t.m_groupHeader);
    m_groupFooter = std::move(t.m_groupFooter);
    m_groupField = t.m_groupField;
    m_slotBeforeDetail = t.m_slotBeforeDetail;
    m_hasDetailGrid = t.m_hasDetailGrid;
    m_columns = std::move(t.m_columns);
    m_titleHeight = t.m_titleHeight;
    m_rowHeight = t.m_rowHeight;
    m_cellFont = t.m_cellFont;
    m_titleFont = t.m_titleFont;
    m_titleBackground = t.m_titleBackground;
    m_cellBorder = t.m_cellBorder;
    m_showTitles = t.m_showTitles;
    m_records.clear();
    return true;
}

bool CReportTemplate::HasParameter(const QString& name) const
{
    for (const SParameter& p : m_parameters)
        if (p.name == name)
            return true;
    return false;
}

bool CReportTemplate::SetParameter(const QString& name, const QString& value)
{
    for (SParameter& p : m_parameters) {
        if (p.name == name) {
            p.value = value;
            return true;
        }
    }
    return false;
}

int CReportTemplate::FieldIndex(const QString& name) const
{
    return m_fields.indexOf(name);
}

CReportTemplate::SControl* CReportTemplate::FindControl(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    auto inBand = [&name](const SBand* band) -> SControl* {
        if (band)
            for (const auto& c : band->controls)
                if (c->name == name)
                    return c.get();
        return nullptr;
    };
    for (const auto& band : m_reportHeaders)
        if (SControl* c = inBand(band.get()))
            return c;
    for (const SBand* band :
         {m_pageHeader.get(), m_pageFooter.get(), m_groupHeader.get(), m_groupFooter.get()})
        if (SControl* c = inBand(band))
            return c;
    return nullptr;
}

CReportTemplate::SBand& CReportTemplate::AddReportHeader(double height)
{
    auto band = std::make_unique<SBand>();
    band->kind = BandKind::ReportHeader;
    band->height = height;
    m_reportHeaders.push_back(std::move(band));
    return *m_reportHeaders.back();
}

CReportTemplate::SColumn* CReportTemplate::FindColumn(const QString& name)
{
    for (SColumn& c : m_columns)
        if (c.name == name)
            return &c;
    return nullptr;
}

void CReportTemplate::FetchRecords()
{
    m_records.clear();
    if (m_fetch)
        m_fetch();
}

QString CReportTemplate::ResolveText(const QString& text, const QStringList* record,
                                     const Resolver& extra) const
{
    if (!text.contains(QLatin1String("[#")))
        return text;
    static const QRegularExpression placeholder(QStringLiteral("\\[#(.*?)#\\]"));
    QString result;
    int last = 0;
    auto it = placeholder.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString name = m.captured(1);
        QString value;
        bool found = extra && extra(name, value);
        if (!found && record) {
            const int index = m_fields.indexOf(name);
            if (index >= 0) {
                value = index < record->size() ? record->at(index) : QString();
                found = true;
            }
        }
        if (!found) {
            for (const SParameter& p : m_parameters) {
                if (p.name == name) {
                    value = p.value;
                    found = true;
                    break;
                }
            }
        }
        if (!found && m_variables)
            found = m_variables(name, value);
        result += text.mid(last, m.capturedStart() - last);
        result += found ? value : m.captured(0);
        last = m.capturedEnd();
    }
    result += text.mid(last);
    return result;
}
