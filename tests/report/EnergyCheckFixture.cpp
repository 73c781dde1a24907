#include "tests/report/EnergyCheckFixture.h"

#include "model/NameTables.h"
#include "platform/core/CDbQuery.h"

int EnergyCheckFixture::Insert(const QString& table, const QVariantMap& values)
{
    QStringList marks(values.size(), QStringLiteral("?"));
    CDbQuery& query = m_project.qryTemp;
    query.Close();
    ExecQueryGuarded(query, CSQLStatement(QStringLiteral("insert into %1 (%2) values (%3)")
                                              .arg(table, values.keys().join(QLatin1Char(',')),
                                                   marks.join(QLatin1Char(','))),
                                          values.values()));
    return Int(QStringLiteral("select max(ID) from %1").arg(table));
}

int EnergyCheckFixture::AddBuilding(const QString& name)
{
    return Insert(QStringLiteral("Building"), {{"Name", name}, {"parent_id", -1}});
}

int EnergyCheckFixture::AddStorey(int buildingId, double height, bool belowGround)
{
    return Insert(
        QStringLiteral("Storey"),
        {{"parent_id", buildingId}, {"StoreyHeight", height}, {"IsBelowGroundStorey", belowGround ? 1 : 0}});
}

int EnergyCheckFixture::AddRoom(int storeyId, double length, double width, double area, int mode)
{
    return Insert(QStringLiteral("Room"), {{"parent_id", storeyId},
                                           {"IsLWInputArea", mode},
                                           {"Length", length},
                                           {"Width", width},
                                           {"Area", area}});
}

int EnergyCheckFixture::AddRoomInNewBuilding(const QString& name)
{
    return AddRoom(AddStorey(AddBuilding(name), 3), 5, 4);
}

int EnergyCheckFixture::AddByArea(const QString& table, int parentId, double area, const QVariantMap& more)
{
    QVariantMap values = more;
    values.insert(QStringLiteral("parent_id"), parentId);
    values.insert(QStringLiteral("IsLWInputArea"), 1);
    values.insert(QStringLiteral("Area"), area);
    if (!values.contains(QStringLiteral("Quantity")) &&
        (table == "OutsideWindow" || table == "OutsideDoor" || table == "SkyWindow"))
        values.insert(QStringLiteral("Quantity"), 1);
    return Insert(table, values);
}

int EnergyCheckFixture::AddConstruction(int kind, double kSummer, double kWinter, double g)
{
    QVariantMap values{{"Name", QStringLiteral("构造%1").arg(kSummer)}, {"K_S", kSummer}, {"K_W", kWinter}};
    if (g >= 0)
        values.insert(QStringLiteral("g"), g);
    return Insert(LibraryTableName(kind), values);
}

void EnergyCheckFixture::SetAutoRefresh(const QString& value)
{
    m_defaults.SetValue(QStringLiteral("autorefresh"), value);
}

void EnergyCheckFixture::SetStored(int buildingId, const QString& column, double value)
{
    ExecQueryGuarded(m_project.qryTemp,
                     CSQLStatement(QStringLiteral("update Building set %1 = ? where ID = ?").arg(column),
                                   {value, buildingId}));
}
