#include "library/CMatInOut.h"

#include "calclib/dizedozev.h"
#include "library/LibrarySchema.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CSavepoint.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "upgrade/CSQLMaker.h"

#include <array>

namespace {
const QString kStandardCategory = QStringLiteral("标准材料");

// The first row's ID of the select, 0 when none.
int FirstId(CDbQuery& query, const CSQLStatement& statement)
{
    OpenQueryGuarded(query, statement);
    return query.RecordCount() > 0 ? query.AsInt(QStringLiteral("ID")) : 0;
}

double LayerNumber(const QString& text, const QString& caption, const QString& construction)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        throw Exception(QStringLiteral("构造“%1”的%2“%3”不是数字").arg(construction, caption, text));
    return value;
}
} // namespace

void CMatInOut::ImportRecords(CDbQuery& query, const QByteArray& flags, const QString& tableName)
{
    CProgressScope progress(GetRecordCount() + 1, QStringLiteral("请稍候......"));
    CSavepoint transaction(query.ConnectionName());

    // Numbers are bound as numbers only where the table stores numbers, so that a name like
    // "007" stays a text and a real keeps every digit of its text.
    m_columnTypes.clear();
    OpenQueryGuarded(query, CSQLStatement(QStringLiteral("pragma table_info(\"%1\")").arg(tableName)));
    for (query.First(); !query.Eof(); query.Next())
        m_columnTypes.insert(query.AsString(QStringLiteral("name")).toCaseFolded(),
                             query.AsString(QStringLiteral("type")).toUpper());
    if (m_columnTypes.isEmpty())
        throw Exception(QStringLiteral("库表%1不存在").arg(tableName));
    progress.Step();

    const bool hasKs = HasCaption(LibColumnCaption(m_libraryIndex, QStringLiteral("K_S")).Text);
    int flag = 0;
    for (int r = 0; r < GetRecordCount(); ++r) {
        if (GetRecordName(r).isEmpty())
            continue;
        const bool ticked = flag < flags.size() && flags.at(flag);
        ++flag;
        if (!ticked)
            continue;
        if (m_libraryIndex == LibIndexWeather) {
            ImportWeather(query, r, tableName);
        } else if (m_libraryIndex == LibIndexRoomUse || m_libraryIndex == LibIndexStoreyUse) {
            ImportUse(query, r, tableName);
        } else if (hasKs) {
            if (!Value(r, LibColumnCaption(m_libraryIndex, QStringLiteral("K_S")).Text).isEmpty())
                ImportPlainConstruction(query, r, tableName);
        } else {
            r = ImportLayeredConstruction(query, r, tableName);
        }
        progress.Step();
    }
    transaction.Commit();
}

void CMatInOut::Merge(CDbQuery& query, int record, const QString& table, const QString& where,
                      const QVariantList& whereValues, bool constructionCategory)
{
    CSQLMaker maker(table);
    QString category;
    for (int p = 0; p < m_captions.size(); ++p) {
        const SLibColumn column = LibColumnKey(m_libraryIndex, m_captions.at(p));
        if (column.Position < 0)
            continue;
        const QString value = m_records[record].Values.value(p);
        if (constructionCategory && column.Text == QLatin1String("catergory")) {
            category = value;
            continue;
        }
        if (value.isEmpty())
            continue; // an empty value never overwrites a stored one
        const QString type = m_columnTypes.value(column.Text.toCaseFolded());
        const bool numeric = type.contains(QLatin1String("REAL")) || type.contains(QLatin1String("INT")) ||
                             type.contains(QLatin1String("FLOA")) || type.contains(QLatin1String("DOUB"));
        maker.AddSQLField(column.Text, value, !numeric);
    }
    if (constructionCategory) {
        if (category.isEmpty())
            category = kStandardCategory;
        maker.AddSQLField(QStringLiteral("catergory"), category, true);
    }

    QVariantList values = whereValues;
    if (constructionCategory)
        values.push_back(category);
    const int id = FirstId(query, CSQLStatement(QStringLiteral("select ID from \"%1\" where %2").arg(table, where), values));
    // The row found is updated by its ID: a name shared by rows of other categories stays theirs.
    if (id > 0)
        ExecQueryGuarded(query, maker.MakeUpdateSQL(QStringLiteral(" where ID = ?"), {id}));
    else
        ExecQueryGuarded(query, maker.MakeInsertSQL());
}

void CMatInOut::ImportWeather(CDbQuery& query, int record, const QString& table)
{
    const QString libName = Value(record, LibColumnCaption(m_libraryIndex, QStringLiteral("Lib_name")).Text);
    const QString city = Value(record, LibColumnCaption(m_libraryIndex, QStringLiteral("City")).Text);
    Merge(query, record, table, QStringLiteral("Lib_name = ? and City = ?"), {libName, city}, false);
}

void CMatInOut::ImportUse(CDbQuery& query, int record, const QString& table)
{
    Merge(query, record, table, QStringLiteral("Name = ?"), {GetRecordName(record)}, false);
}

void CMatInOut::ImportPlainConstruction(CDbQuery& query, int record, const QString& table)
{
    Merge(query, record, table, QStringLiteral("Name = ? and catergory = ?"), {GetRecordName(record)}, true);
}

int CMatInOut::ImportLayeredConstruction(CDbQuery& query, int record, const QString& table)
{
    const QString name = GetRecordName(record);
    QString category = Value(record, LibColumnCaption(m_libraryIndex, QStringLiteral("catergory")).Text);
    if (category.isEmpty())
        category = kStandardCategory;
    for (int c = 0; c < LibLayerCaptionCount; ++c)
        if (!HasCaption(LibLayerCaption(c)))
            throw Exception(QStringLiteral("库文件缺少材料层的列“%1”").arg(LibLayerCaption(c)));

    QStringList materials;
    // thickness, conductivity, correction, density, specific heat: stored as the file gives them,
    // handed to the calculation library in single precision
    std::array<std::array<double, MaxLayers>, 5> layers{};
    std::array<std::array<float, MaxLayers>, 5> single{};
    int last = record;
    for (int r = record; r < GetRecordCount() && (r == record || GetRecordName(r).isEmpty()); ++r) {
        if (materials.size() == MaxLayers)
            throw Exception(QStringLiteral("构造“%1”的材料层多于%2层").arg(name).arg(MaxLayers));
        const int n = static_cast<int>(materials.size());
        materials.push_back(Value(r, LibLayerCaption(0)));
        for (int v = 0; v < 5; ++v) {
            layers[v][n] = LayerNumber(Value(r, LibLayerCaption(v + 1)), LibLayerCaption(v + 1), name);
            single[v][n] = static_cast<float>(layers[v][n]);
        }
        last = r;
    }
    const int n = static_cast<int>(materials.size());
    float delta = 0, k = 0, beta = 0, nu = 0, xi = 0, nuInner = 0, xiInner = 0, inertia = 0;
    Get_WallParameters_D_Multiplier(n, single[0].data(), single[1].data(), single[2].data(), single[3].data(),
                                    single[4].data(), &delta, &k, &beta, &nu, &xi, &nuInner, &xiInner, &inertia);

    const CSQLStatement find(QStringLiteral("select ID from \"%1\" where Name = ? and catergory = ?").arg(table),
                             {name, category});
    int id = FirstId(query, find);
    CSQLMaker maker(table);
    const std::pair<const char*, float> values[] = {
        {"Deta", delta},    {"K_S", k},       {"K_W", k},       {"Beta", beta},     {"v_S", nu},
        {"v_W", nu},        {"Kesi_S", xi},   {"Kesi_W", xi},   {"vn_S", nuInner},  {"vn_W", nuInner},
        {"Kesin_S", xiInner}, {"Kesin_W", xiInner}, {"D", inertia}};
    const int kind = GetLibraryKind();
    if (id > 0) {
        for (const auto& [column, value] : values)
            maker.AddFloatField(QString::fromLatin1(column), value);
        ExecQueryGuarded(query, maker.MakeUpdateSQL(QStringLiteral(" where ID = ?"), {id}));
        ExecQueryGuarded(query, CSQLStatement("delete from Material_detail where StructID = ? and Type = ?", {id, kind}));
    } else {
        maker.AddSQLField(QStringLiteral("Name"), name, true);
        maker.AddSQLField(QStringLiteral("catergory"), category, true);
        for (const auto& [column, value] : values)
            maker.AddFloatField(QString::fromLatin1(column), value);
        ExecQueryGuarded(query, maker.MakeInsertSQL());
        id = FirstId(query, find);
    }
    for (int layer = 0; layer < n; ++layer)
        ExecQueryGuarded(query, CSQLStatement("insert into Material_detail (StructID, Name, MaterialID, deta, lamda, "
                                              "pho, cp, Type, ComType, Multiplier, ItemIndex) "
                                              "values (?, ?, 0, ?, ?, ?, ?, ?, 0, ?, ?)",
                                              {id, materials.at(layer), layers[0][layer], layers[1][layer],
                                               layers[3][layer], layers[4][layer], kind, layers[2][layer], layer}));
    return last;
}
