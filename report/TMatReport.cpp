#include "report/TMatReport.h"

#include "model/NameTables.h"
#include "model/TDM_Project.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CTool.h"
#include "report/engine/CQORReport.h"

#include <QStringList>

namespace {
const char* const WallFields[] = {"Type",   "Name",   "InsulationMaterials",
                                  "Deta",   "Beta",   "D",
                                  "K_S",    "K_W",    "v_S",
                                  "v_W",    "Kesi_S", "Kesi_W",
                                  "vn_S",   "vn_W",   "Kesin_S",
                                  "Kesin_W"};
const char* const GlassFields[] = {"Type",
                                   "Name",
                                   "Pane",
                                   "GlassType",
                                   "FrameType",
                                   "ExfiltrationGrade",
                                   "K_S",
                                   "K_W",
                                   "g",
                                   "ExfiltrationCoefficient",
                                   "Inside_Sunshade",
                                   "Outside_Sunshade",
                                   "Glass_Revise"};
const char* const WallReals[] = {"Deta",   "Beta",   "D",    "K_S",  "K_W",     "v_S",    "v_W",
                                 "Kesi_S", "Kesi_W", "vn_S", "vn_W", "Kesin_S", "Kesin_W"};
const char* const GlassReals[] = {
    "K_S", "K_W", "g", "ExfiltrationCoefficient", "Inside_Sunshade", "Outside_Sunshade", "Glass_Revise"};

// What the scan reads for one element type: its report, the wall or roof its elements sit in (empty
// when they sit in the room), and the library columns read besides Name.
struct SScan
{
    bool glass;
    const char* parentTable;
    QStringList texts;
    QStringList reals;
};

QStringList Names(std::initializer_list<const char*> names)
{
    QStringList list;
    for (const char* n : names)
        list << QString::fromLatin1(n);
    return list;
}

SScan ScanOf(int type)
{
    const QStringList allWall = Names({"Deta", "Beta", "D", "K_S", "K_W", "v_S", "v_W", "Kesi_S", "Kesi_W",
                                       "vn_S", "vn_W", "Kesin_S", "Kesin_W"});
    const QStringList wallTexts = Names({"InsulationMaterials"});
    const QStringList glassTexts = Names({"Pane", "GlassType", "FrameType"});
    const QStringList glassGradeTexts = Names({"Pane", "GlassType", "FrameType", "ExfiltrationGrade"});
    switch (type) {
    case 10:
        return {true, "OutsideWall", glassGradeTexts,
                Names({"K_S", "K_W", "g", "ExfiltrationCoefficient", "Inside_Sunshade", "Outside_Sunshade",
                       "Glass_Revise"})};
    case 11:
        return {true, "OutsideWall", glassGradeTexts, Names({"K_S", "K_W", "g", "ExfiltrationCoefficient"})};
    case 12:
        return {true, nullptr, glassGradeTexts, Names({"K_S", "K_W", "g", "ExfiltrationCoefficient"})};
    case 14:
    case 15:
        return {true, "InsideWall", glassTexts, Names({"K_S", "K_W"})};
    case 18:
        return {true, "Roof", glassTexts, Names({"K_S", "K_W", "g"})};
    case 20:
        return {true, nullptr, glassTexts, Names({"K_S", "K_W", "g"})};
    case 22:
        return {false, nullptr, wallTexts, Names({"Deta", "K_S", "K_W"})};
    case 29:
        return {false, nullptr, wallTexts, Names({"Deta", "D", "K_S", "K_W"})};
    default:
        return {false, nullptr, wallTexts, allWall};
    }
}

// The library records used by the elements of the type under the element, each once.
CSQLStatement MaterialQuery(int type, const char* parentTable, int elementId, int level)
{
    const QString element = ElementTableName(type);
    const QString library = element + QStringLiteral("_Lib");
    QString sql = QStringLiteral(" select * from %1 where %1.ID in ").arg(library);
    sql += QStringLiteral(" (select distinct %1.material_id from %1 ").arg(element);
    int open = 1;
    QString current = element;
    const auto descend = [&](const QString& table) {
        sql += QStringLiteral(" where %1.parent_id in ").arg(current);
        sql += QStringLiteral(" (select distinct %1.ID from %1 ").arg(table);
        ++open;
        current = table;
    };
    if (parentTable)
        descend(QString::fromLatin1(parentTable));
    descend(QStringLiteral("Room"));
    if (level != 3)
        descend(QStringLiteral("Storey"));
    if (level == 1)
        descend(QStringLiteral("Building"));
    sql += QStringLiteral(" where %1.ID = ? ").arg(current);
    sql += QString(open, QLatin1Char(')'));
    sql += QLatin1Char(';');
    return CSQLStatement(sql, {elementId});
}

int IndexOf(const char* const* names, int count, const QString& name)
{
    for (int i = 0; i < count; ++i)
        if (name == QLatin1String(names[i]))
            return i;
    return -1;
}
} // namespace

TMatReport::TMatReport()
{
    ADOQuery1.SetConnection(TDM_Project::Current().ProjectCon);
    m_wallReport = std::make_unique<CQORReport>();
    m_wallReport->LoadReportTemplate(CProgramFolder::Resolve(QStringLiteral("lib\\report\\Wall_Lab.grf")));
    for (const char* field : WallFields)
        m_wallReport->AddReportField(QString::fromLatin1(field));
    m_glassReport = std::make_unique<CQORReport>();
    m_glassReport->LoadReportTemplate(CProgramFolder::Resolve(QStringLiteral("lib\\report\\Glass_Lab.grf")));
    for (const char* field : GlassFields)
        m_glassReport->AddReportField(QString::fromLatin1(field));
    ResetRows();
}

TMatReport::~TMatReport() = default;

void TMatReport::LoadMaterials(int elementId, int level)
{
    CProgressScope progress(21, QStringLiteral("正在修改数据......"));
    for (int type = 9; type <= 29; ++type) {
        progress.Step(1);
        if (type >= 25 && type <= 28)
            continue;
        const SScan scan = ScanOf(type);
        OpenQueryGuarded(ADOQuery1, MaterialQuery(type, scan.parentTable, elementId, level));
        for (ADOQuery1.First(); !ADOQuery1.Eof(); ADOQuery1.Next()) {
            ResetRows();
            QString* texts = scan.glass ? m_glassTexts : m_wallTexts;
            float* reals = scan.glass ? m_glassReals : m_wallReals;
            texts[0] = ElementTypeName(type);
            texts[1] = ADOQuery1.AsString(QStringLiteral("Name"));
            for (int i = 0; i < scan.texts.size(); ++i)
                texts[2 + i] = ADOQuery1.AsString(scan.texts.at(i));
            for (const QString& name : scan.reals) {
                const int at = scan.glass ? IndexOf(GlassReals, 7, name) : IndexOf(WallReals, 13, name);
                reals[at] = static_cast<float>(ADOQuery1.AsDouble(name));
            }
            if (scan.glass)
                AddGlassRow();
            else
                AddWallRow();
        }
    }
}

void TMatReport::ShowReports()
{
    // Both reports go when the preview closes, also when it fails.
    std::unique_ptr<CQORReport> glass = std::move(m_glassReport);
    std::unique_ptr<CQORReport> wall = std::move(m_wallReport);
    if (!wall)
        return;
    wall->AddSubReport(glass.get());
    wall->PreviewReport();
}

void TMatReport::ResetRows()
{
    for (float& value : m_wallReals)
        value = -1;
    for (float& value : m_glassReals)
        value = -1;
    m_glassTexts[5].clear();
}

void TMatReport::AddWallRow()
{
    if (!m_wallReport)
        return;
    for (int c = 0; c < 3; ++c)
        m_wallReport->SetReportCell(m_wallRowCount, c, m_wallTexts[c]);
    for (int i = 0; i < 13; ++i)
        if (m_wallReals[i] != -1)
            m_wallReport->SetReportCellFormat(m_wallRowCount, 3 + i, m_wallReals[i], "%.2f");
    ++m_wallRowCount;
}

void TMatReport::AddGlassRow()
{
    if (!m_glassReport)
        return;
    for (int c = 0; c < 6; ++c)
        m_glassReport->SetReportCell(m_glassRowCount, c, m_glassTexts[c]);
    for (int i = 0; i < 12; ++i)
        if (m_glassReals[i] != -1)
            m_glassReport->SetReportCellFormat(m_glassRowCount, 6 + i, m_glassReals[i], "%.2f");
    ++m_glassRowCount;
}
