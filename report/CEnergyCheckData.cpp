#include "report/CEnergyCheckData.h"

#include "calc/CCalculate_MaterialManager.h"
#include "library/CLibraryRecords.h"
#include "model/TDM_Project.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "report/EnergyChecks.h"

namespace {
// Rows of a select on the shared temporary query, read whole so that nothing else can move it
// while they are used.
QList<QVector<QVariant>> SelectRows(const CSQLStatement& statement)
{
    CDbQuery& query = TDM_Project::Current().qryTemp;
    query.Close();
    OpenQueryGuarded(query, statement);
    QList<QVector<QVariant>> rows;
    for (query.First(); !query.Eof(); query.Next()) {
        QVector<QVariant> row(query.FieldCount());
        for (int i = 0; i < row.size(); ++i)
            row[i] = query.Field(i);
        rows << row;
    }
    query.Close();
    return rows;
}

template <typename Record> bool ReadK(const CMaterialBase* record, SConstructionValues& values)
{
    const auto* typed = dynamic_cast<const Record*>(record);
    if (!typed)
        return false;
    values.K = (typed->K_S + typed->K_W) / 2;
    if constexpr (requires(const Record& r) { r.g; })
        values.g = typed->g;
    return true;
}
} // namespace

int CEnergyCheckData::FindBuildingIdByName(const QString& name)
{
    const QList<QVector<QVariant>> rows =
        SelectRows(CSQLStatement(QStringLiteral("select ID from Building where Name = ?"), {name}));
    return rows.isEmpty() ? 0 : rows.first().at(0).toInt();
}

bool CEnergyCheckData::AutoRefresh()
{
    return TInitalizationManage::Exists() &&
           TInitalizationManage::Current().GetInitValue(QStringLiteral("autorefresh")) == QLatin1String("1");
}

QList<SEnvelopeElement> CEnergyCheckData::Elements(const SEnvelopeSource& source, int buildingId)
{
    const QString table = QString::fromLatin1(source.Table);
    const QString direction = source.Host           ? QStringLiteral("h.Direction")
                              : source.HasDirection ? QStringLiteral("e.Direction")
                                                    : QStringLiteral("0");
    const QString host =
        source.Host ? QStringLiteral(" join %1 h on h.ID = e.parent_id").arg(source.Host) : QString();
    const QString sql =
        QStringLiteral("select %1, e.IsLWInputArea, e.Length, e.%2, e.Area, %3, e.material_id, e.%4Name, "
                       "Room.IsLWInputArea, Room.Length, Room.Width, Room.Area, Room.ID from %4 e%5 "
                       "join Room on Room.ID = %6.parent_id join Storey on Storey.ID = Room.parent_id "
                       "where Storey.parent_id = ? order by e.ID")
            .arg(direction, QString::fromLatin1(source.Second),
                 source.HasQuantity ? QStringLiteral("e.Quantity") : QStringLiteral("1"), table, host,
                 source.Host ? QStringLiteral("h") : QStringLiteral("e"));
    QList<SEnvelopeElement> elements;
    for (const QVector<QVariant>& row : SelectRows(CSQLStatement(sql, {buildingId}))) {
        SEnvelopeElement element;
        element.Direction = row.at(0).toInt();
        const int mode = row.at(1).toInt();
        if (mode == 1) {
            element.Area = row.at(4).toDouble();
        } else if (mode == 2) {
            element.Area =
                row.at(8).toInt() != 0 ? row.at(11).toDouble() : row.at(9).toDouble() * row.at(10).toDouble();
        } else {
            element.Area = row.at(2).toDouble() * row.at(3).toDouble();
        }
        element.Area *= row.at(5).toDouble();
        element.MaterialId = row.at(6).toInt();
        element.MaterialName = row.at(7).toString();
        element.RoomId = row.at(12).toInt();
        elements << element;
    }
    return elements;
}

bool CEnergyCheckData::Construction(CCalculate_MaterialManager& materials, int kind,
                                    const SEnvelopeElement& element, SConstructionValues& values)
{
    const CMaterialBase* record =
        materials.LoadMaterial(kind, element.MaterialName, element.MaterialId, QString());
    values = SConstructionValues();
    return ReadK<CLIB_LayeredConstruction>(record, values) || ReadK<CLIB_OutsideWindow>(record, values) ||
           ReadK<CLIB_OutsideDoor>(record, values) || ReadK<CLIB_GlassCurtainWall>(record, values) ||
           ReadK<CLIB_GlassRoof>(record, values) || ReadK<CLIB_SkyWindow>(record, values) ||
           ReadK<CLIB_InsideOpening>(record, values) || ReadK<CLIB_Ground>(record, values) ||
           ReadK<CLIB_BasementWall>(record, values);
}

QStringList CEnergyCheckData::ColumnNames(const QString& prefix, int columns, int rows)
{
    QStringList names;
    for (int column = 0; column < columns; ++column)
        for (int row = 0; row < rows; ++row)
            names << QStringLiteral("%1%2_%3").arg(prefix).arg(column).arg(row);
    return names;
}

std::vector<double> CEnergyCheckData::ReadStored(int buildingId, const QStringList& columns)
{
    std::vector<double> values(columns.size(), 0.0);
    const QList<QVector<QVariant>> rows = SelectRows(CSQLStatement(
        QStringLiteral("select %1 from Building where ID = ?").arg(columns.join(QLatin1Char(','))),
        {buildingId}));
    if (rows.isEmpty())
        return values;
    for (int i = 0; i < columns.size(); ++i)
        values[i] = rows.first().at(i).toDouble();
    return values;
}

bool CEnergyCheckData::StartValues(int buildingId, const QStringList& columns, int count, bool force,
                                   std::vector<double>& values)
{
    values.assign(count, 0.0);
    if (force || AutoRefresh())
        return true;
    const std::vector<double> stored = ReadStored(buildingId, columns);
    std::copy(stored.begin(), stored.end(), values.begin());
    return false;
}

void CEnergyCheckData::Store(int buildingId, const QStringList& columns, const std::vector<double>& values)
{
    QStringList assignments;
    QVariantList bound;
    for (int i = 0; i < columns.size(); ++i) {
        assignments << columns.at(i) + QStringLiteral(" = ?");
        bound << (i < static_cast<int>(values.size()) ? values[i] : 0.0);
    }
    bound << buildingId;
    CDbQuery& query = TDM_Project::Current().qryTemp;
    query.Close();
    ExecQueryGuarded(
        query,
        CSQLStatement(
            QStringLiteral("update Building set %1 where ID = ?").arg(assignments.join(QStringLiteral(", "))),
            bound));
    query.Close();
}

void StoreCheckValues(const QString& name, const QStringList& columns, const std::vector<double>& values)
{
    CEnergyCheckData::Store(CEnergyCheckData::FindBuildingIdByName(name), columns, values);
}
