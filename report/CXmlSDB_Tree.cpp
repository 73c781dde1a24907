// The "project" section of the exchange file: the tree below the project node, one element per node
// with its element row and the areas, heights and counts computed from the database.
#include "report/CXmlSDB.h"

#include "model/CEleAttrs.h"
#include "model/CNodeData.h"
#include "model/TDM_Project.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "report/CXmlAttributeList.h"

#include <QXmlStreamWriter>

namespace {
constexpr int BuildingType = 1;
constexpr int StoreyType = 2;
constexpr int RoomType = 3;

// A storey counts with the larger of its own area and the sum of its rooms; storeys without rooms
// count for nothing.
QString StoreysAreaSql(int belowGround)
{
    return QStringLiteral("select sum(area) from (select case when z.StoreyArea < s.airarea then s.airarea "
                          "else z.StoreyArea end as area from (select a.ID as id, sum(b.Area) as airarea "
                          "from Storey as a, Room as b where a.ID = b.parent_id and a.parent_id = ? and "
                          "a.IsBelowGroundStorey = %1 group by a.ID) s, Storey z where s.id = z.ID)")
        .arg(belowGround);
}

// The statement whose result replaces the stored value of the column when it is larger; empty for
// the columns written as stored. Its one parameter is the row's ID.
QString ComputedColumnSql(int type, const QString& column)
{
    if (type == BuildingType) {
        if (column == QLatin1String("OverGroundBuildingArea"))
            return StoreysAreaSql(0);
        if (column == QLatin1String("BelowGroundBuildingArea"))
            return StoreysAreaSql(1);
        if (column == QLatin1String("BuildingHeight"))
            return QStringLiteral(
                "select sum(StoreyHeight) from Storey where parent_id = ? and IsBelowGroundStorey = 0");
    } else if (type == StoreyType && column == QLatin1String("StoreyArea")) {
        return QStringLiteral("select sum(Area) from Room where parent_id = ?");
    }
    return QString();
}

// The air-conditioned area of a building (its storeys' rooms), a storey or a room: the rooms whose
// cooling or heating flag is 1. Empty for other elements.
QString AirAreaSql(int type)
{
    switch (type) {
    case BuildingType:
        return QStringLiteral("select sum(b.Area) from Storey as a, Room as b where a.ID = b.parent_id and "
                              "a.parent_id = ? and (b.ACRoomQuantity = 1 or b.ACHRoomQuantity = 1)");
    case StoreyType:
        return QStringLiteral("select sum(Area) from Room where parent_id = ? and (ACRoomQuantity = 1 or "
                              "ACHRoomQuantity = 1)");
    case RoomType:
        return QStringLiteral("select sum(Area) from Room where ID = ? and (ACRoomQuantity = 1 or "
                              "ACHRoomQuantity = 1)");
    default:
        return QString();
    }
}
} // namespace

void CXmlSDB::ExportTree(const CNodeData& node)
{
    for (int i = 0; i < node.ChildCount(); ++i) {
        const CNodeData& child = *node.Child(i);
        const QString name = ElementTagName(child.Type());
        StartElement(name);
        CXmlAttributeList attributes;
        ExportElement(child, name, attributes);
        attributes.WriteTo(*m_writer);
        ExportTree(child);
        EndElement();
    }
}

void CXmlSDB::ExportElement(const CNodeData& node, const QString& name, CXmlAttributeList& attributes)
{
    TDM_Project& project = TDM_Project::Current();
    CDbQuery row(project.ProjectCon);
    OpenQueryGuarded(
        row, CSQLStatement(QStringLiteral("select * from %1 where ID = ?").arg(name), {node.GetElementId()}));
    if (row.Eof())
        return;
    const int type = node.Type();
    const int id = row.AsInt(QStringLiteral("ID"));
    for (int i = 0; i < row.FieldCount(); ++i) {
        const QString& column = row.FieldNames()[i];
        if (column == QLatin1String("ID")) {
            attributes.Set(QStringLiteral("key"), name + FieldText(name, row, i));
            continue;
        }
        if (IsSkippedColumn(column))
            continue;
        const QString computed = ComputedColumnSql(type, column);
        if (!computed.isEmpty())
            attributes.Set(column, EleAttrRealText(qMax(row.Field(i).toDouble(),
                                                        project.QueryDouble(CSQLStatement(computed, {id})))));
        else if (type == RoomType && column == QLatin1String("RoomUse"))
            attributes.Set(column,
                           project.QueryString(CSQLStatement("select Name from RoomOccupation where ID = ?",
                                                             {FieldText(name, row, i)})));
        else
            attributes.Set(column, FieldText(name, row, i));
    }

    if (type == BuildingType)
        for (int below = 0; below <= 1; ++below)
            attributes.Set(below ? QStringLiteral("BelowGroundStorey") : QStringLiteral("upGroundStorey"),
                           QString::number(project.QueryInt(CSQLStatement(
                               "select count(*) from Storey where IsBelowGroundStorey = ? and parent_id = ?",
                               {below, id}))));
    const QString airArea = AirAreaSql(type);
    if (!airArea.isEmpty())
        attributes.Set(QStringLiteral("AirArea"),
                       QString::asprintf("%.2f", project.QueryDouble(CSQLStatement(airArea, {id}))));
}
