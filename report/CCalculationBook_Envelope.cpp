// The envelope parameters and the calculation method and formulas of the calculation book.
#include "report/CCalculationBook.h"

#include "calc/CCalculate_Building.h"
#include "calc/CCalculate_Manager.h"
#include "calc/ResultByType.h"
#include "library/CLibraryRecords.h"
#include "model/CEnvelopeElement.h"
#include "platform/core/CGbkCodec.h"
#include "platform/core/CProgramFolder.h"
#include "report/COutputParams.h"
#include "report/engine/CQORReport.h"

#include <QSet>
#include <array>

namespace {
constexpr const char* kRealFormat = "%.2f";
const char* const kEnvelopeFields[] = {"EncloseName", "Name", "Deta", "K",  "Beta",      "v",
                                       "Kesi",        "vn",   "Kesin", "D", "ChuanReZhu"};
constexpr int kSeenListCount = 17;

enum class RowShape
{
    Layered,
    Glazing,
    Ground,
    BasementWall
};

// One envelope kind of the table: its library, its list of constructions already printed, the text
// that opens its rows and the shape of its rows.
struct SEnvelopeKind
{
    int LibraryKind;
    int SeenList;
    const char* Text;
    RowShape Shape;
};
constexpr SEnvelopeKind kOutsideWall{0, 0, "外墙", RowShape::Layered};
constexpr SEnvelopeKind kOutsideDoor{7, 12, "外门", RowShape::Glazing};
constexpr SEnvelopeKind kOutsideWindow{6, 13, "外窗", RowShape::Glazing};
constexpr SEnvelopeKind kInsideWall{1, 1, "内墙", RowShape::Layered};
constexpr SEnvelopeKind kInsideDoor{11, 14, "内门", RowShape::Glazing};
constexpr SEnvelopeKind kInsideWindow{10, 15, "内窗", RowShape::Glazing};
constexpr SEnvelopeKind kRoof{4, 2, "屋顶", RowShape::Layered};
constexpr SEnvelopeKind kSkyWindow{12, 16, "天窗", RowShape::Glazing};
// The room's further envelope lists, by element type, in the order of the table.
constexpr std::pair<int, SEnvelopeKind> kRoomLists[] = {
    {16, {2, 3, "楼板", RowShape::Layered}},      {21, {3, 4, "地板", RowShape::Layered}},
    {23, {14, 5, "悬空地板", RowShape::Layered}}, {24, {15, 6, "缝墙", RowShape::Layered}},
    {19, {5, 7, "闷顶", RowShape::Layered}},      {22, {13, 8, "地面", RowShape::Ground}},
    {29, {19, 9, "地下室外墙", RowShape::BasementWall}}, {12, {8, 10, "玻璃幕墙", RowShape::Glazing}},
    {20, {9, 11, "玻璃屋顶", RowShape::Glazing}}};

QString Season(bool summer)
{
    return summer ? QStringLiteral("(夏季)") : QStringLiteral("(冬季)");
}

// A construction without heat transfer has no finite resistance; the book prints 0 for it.
double Resistance(double k)
{
    return k == 0 ? 0 : 1 / k;
}

// The summer and winter K of a glazing or door record; false for any other record.
bool GlazingK(const CMaterialBase* record, double& summerK, double& winterK)
{
    auto take = [&](const auto* r) {
        if (!r)
            return false;
        summerK = r->K_S;
        winterK = r->K_W;
        return true;
    };
    return take(dynamic_cast<const CLIB_OutsideWindow*>(record)) ||
           take(dynamic_cast<const CLIB_OutsideDoor*>(record)) ||
           take(dynamic_cast<const CLIB_GlassCurtainWall*>(record)) ||
           take(dynamic_cast<const CLIB_GlassRoof*>(record)) ||
           take(dynamic_cast<const CLIB_InsideOpening*>(record)) ||
           take(dynamic_cast<const CLIB_SkyWindow*>(record));
}

// Reads the formula text: one printed row per line, empty lines kept.
bool ReadFormulaLines(const QString& path, QStringList& lines)
{
    QString text;
    if (!CGbkCodec::ReadTextFile(path, text))
        return false;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return true;
}
} // namespace

std::array<bool, CCalculationBook::kEnvelopeColumns> CCalculationBook::EnvelopeColumns()
{
    constexpr int firstOption = 68;
    std::array<bool, kEnvelopeColumns> ticked{};
    for (int c = 0; c < kEnvelopeColumns; ++c)
        ticked[static_cast<size_t>(c)] = m_options.IsOutput(firstOption + c);
    return ticked;
}

void CCalculationBook::EnvelopeCell(CQORReport& report, int row, int column, const QString& text, bool declare)
{
    report.SetReportCell(row, column, text);
    const QString field = QString::fromLatin1(kEnvelopeFields[column]);
    if (declare && !UsedFieldNames.contains(field))
        UsedFieldNames << field;
}

void CCalculationBook::EnvelopeValue(CQORReport& report, int row, int column, double value, bool declare)
{
    EnvelopeCell(report, row, column, QString::asprintf(kRealFormat, value), declare);
}

void CCalculationBook::AddEnvelopeRows(const QString& kindText, const CLIB_LayeredConstruction& record,
                                       CQORReport& report)
{
    const bool cooling = CoolingDesignType();
    const std::array<bool, kEnvelopeColumns> ticked = EnvelopeColumns();
    for (int season = cooling ? 0 : 1, row = EncloseRowCounter; season < 2; ++season, ++row) {
        const bool summer = season == 0;
        const double k = summer ? record.K_S : record.K_W;
        const double values[] = {record.Deta,
                                 k,
                                 record.Beta,
                                 summer ? record.v_S : record.v_W,
                                 summer ? record.Kesi_S : record.Kesi_W,
                                 summer ? record.vn_S : record.vn_W,
                                 summer ? record.Kesin_S : record.Kesin_W,
                                 record.D,
                                 Resistance(k)};
        if (ticked[0])
            EnvelopeCell(report, row, 0, kindText + Season(summer), true);
        if (ticked[1])
            EnvelopeCell(report, row, 1, record.Name, true);
        for (int c = 2; c < 11; ++c)
            if (ticked[static_cast<size_t>(c)])
                EnvelopeValue(report, row, c, values[c - 2], true);
    }
    EncloseRowCounter += cooling ? 2 : 1;
}

void CCalculationBook::AddGlazingRows(const QString& kindText, const QString& name, float summerK, float winterK,
                                      CQORReport& report)
{
    const bool cooling = CoolingDesignType();
    const std::array<bool, kEnvelopeColumns> ticked = EnvelopeColumns();
    const bool dashes = ticked[2] || ticked[4] || ticked[5] || ticked[6] || ticked[7] || ticked[8] || ticked[9];
    for (int season = cooling ? 0 : 1, row = EncloseRowCounter; season < 2; ++season, ++row) {
        const bool summer = season == 0;
        const double k = summer ? summerK : winterK;
        if (ticked[0])
            EnvelopeCell(report, row, 0, kindText + Season(summer), true);
        if (ticked[1])
            EnvelopeCell(report, row, 1, name, true);
        if (dashes) {
            EnvelopeCell(report, row, 2, QStringLiteral("-"), false);
            for (int c = 4; c <= 9; ++c)
                EnvelopeCell(report, row, c, QStringLiteral("-"), false);
        }
        if (ticked[3])
            EnvelopeValue(report, row, 3, k, true);
        if (ticked[10])
            EnvelopeValue(report, row, 10, Resistance(k), true);
    }
    EncloseRowCounter += cooling ? 2 : 1;
}

void CCalculationBook::AddGroundRows(const QString& kindText, const QString& name, double deta, double summerK,
                                     double winterK, const double* d, CQORReport& report)
{
    const bool cooling = CoolingDesignType();
    const std::array<bool, kEnvelopeColumns> ticked = EnvelopeColumns();
    // Ground slabs have no values in columns 4 to 9, basement walls none in 4 to 8 but their D.
    const int lastDash = d ? 8 : 9;
    bool dashes = false;
    for (int c = 4; c <= lastDash; ++c)
        dashes = dashes || ticked[static_cast<size_t>(c)];
    for (int season = cooling ? 0 : 1, row = EncloseRowCounter; season < 2; ++season, ++row) {
        const bool summer = season == 0;
        const double k = summer ? summerK : winterK;
        if (ticked[0])
            EnvelopeCell(report, row, 0, kindText + Season(summer), true);
        if (ticked[1])
            EnvelopeCell(report, row, 1, name, true);
        if (ticked[2])
            EnvelopeValue(report, row, 2, deta, true);
        if (ticked[3])
            EnvelopeValue(report, row, 3, k, true);
        if (dashes)
            for (int c = 4; c <= lastDash; ++c)
                EnvelopeCell(report, row, c, QStringLiteral("-"), false);
        if (d && ticked[9])
            EnvelopeValue(report, row, 9, *d, true);
        if (ticked[10])
            EnvelopeValue(report, row, 10, Resistance(k), true);
    }
    EncloseRowCounter += cooling ? 2 : 1;
}

CQORReport* CCalculationBook::BuildEnvelopeSection()
{
    EncloseRowCounter = 0;
    if (!m_options.IsOutput(67))
        return nullptr;
    Progress(QStringLiteral("正在处理围护结构参数"));
    UsedFieldNames.clear();
    CQORReport* report = NewSectionReport("lib/Report/EncloseParam.grf", "EncloseParam");
    // The table is too wide for a portrait page, whatever the setting says.
    report->m_Landscape = true;
    report->m_PageBreakFlag = false;
    report->SetReportParameter(QStringLiteral("subtitle"), NumberedTitle(QStringLiteral("围护结构参数")));
    for (const char* field : kEnvelopeFields)
        report->AddReportField(QString::fromLatin1(field));

    // Each construction gives its rows once in the book: constructions are told apart by their
    // record, so two records that share a name both appear.
    std::array<QSet<int>, kSeenListCount> seen;
    auto print = [&](const CBaseData& entry, const SEnvelopeKind& kind) {
        m_manager.ComputeElementArea(entry);
        const auto* element = dynamic_cast<const CEnvelopeElement*>(entry.GetElement());
        if (!element)
            return;
        QSet<int>& printed = seen[static_cast<size_t>(kind.SeenList)];
        if (printed.contains(element->material_id))
            return;
        printed.insert(element->material_id);
        const CMaterialBase* record =
            m_manager.MaterialManager().GetMaterial(kind.LibraryKind, entry.Node, element->material_id);
        if (!record)
            return;
        const QString text = QString::fromUtf8(kind.Text);
        double summerK = 0;
        double winterK = 0;
        switch (kind.Shape) {
        case RowShape::Layered:
            if (const auto* layered = dynamic_cast<const CLIB_LayeredConstruction*>(record))
                AddEnvelopeRows(text, *layered, *report);
            break;
        case RowShape::Glazing:
            if (GlazingK(record, summerK, winterK))
                AddGlazingRows(text, record->Name, static_cast<float>(summerK), static_cast<float>(winterK),
                               *report);
            break;
        case RowShape::Ground:
            if (const auto* ground = dynamic_cast<const CLIB_Ground*>(record))
                AddGroundRows(text, element->MaterialName, ground->Deta, ground->K_S, ground->K_W, nullptr,
                              *report);
            break;
        case RowShape::BasementWall:
            if (const auto* wall = dynamic_cast<const CLIB_BasementWall*>(record))
                AddGroundRows(text, element->MaterialName, wall->Deta, wall->K_S, wall->K_W, &wall->D, *report);
            break;
        }
    };

    // A wall's doors and then its windows follow the wall.
    auto printWalls = [&](const auto& walls, const SEnvelopeKind& wallKind, const SEnvelopeKind& doorKind,
                          const SEnvelopeKind& windowKind) {
        for (const auto& wall : walls) {
            print(*wall->Wall, wallKind);
            for (const auto& door : wall->Doors)
                print(*door, doorKind);
            for (const auto& window : wall->Windows)
                print(*window, windowKind);
        }
    };

    for (const auto& building : m_manager.Buildings()) {
        m_manager.ComputeElementArea(building->Entry);
        for (const auto& storey : building->Storeys) {
            m_manager.ComputeElementArea(storey->Entry);
            for (const auto& room : storey->Rooms) {
                m_manager.ComputeElementArea(room->Entry);
                printWalls(room->OutsideWalls, kOutsideWall, kOutsideDoor, kOutsideWindow);
                printWalls(room->InsideWalls, kInsideWall, kInsideDoor, kInsideWindow);
                for (const auto& roof : room->Roofs) {
                    print(*roof->Roof, kRoof);
                    for (const auto& window : roof->SkyWindows)
                        print(*window, kSkyWindow);
                }
                for (const auto& [type, kind] : kRoomLists)
                    for (const auto& entry : room->Elements(type))
                        print(*entry, kind);
            }
        }
    }
    report->SetUsedFields(UsedFieldNames, static_cast<int>(UsedFieldNames.size()));
    return report;
}

CQORReport* CCalculationBook::BuildFormulaSection()
{
    if (!m_options.IsOutput(79))
        return nullptr;
    Progress(QStringLiteral("正在处理计算方法及公式"));
    CQORReport* report = NewSectionReport("lib/Report/Loadformula.grf", "Loadformula");
    report->SetReportParameter(QStringLiteral("subtitle"), NumberedTitle(QStringLiteral("负荷计算方法及公式")));
    report->AddReportField(QStringLiteral("Field1"));
    const char* file = CoolingDesignType() ? "lib/Loadformula.txt" : "lib/Loadformula_Heat.txt";
    const QString path = CProgramFolder::Resolve(QString::fromLatin1(file));
    QStringList lines;
    // A missing text costs this section its text, not the rest of the book.
    if (!ReadFormulaLines(path, lines))
        lines = QStringList{QStringLiteral("无法读取计算方法及公式文件%1").arg(path)};
    for (int i = 0; i < lines.size(); ++i)
        report->SetReportCell(i, 0, lines.at(i));
    return report;
}
