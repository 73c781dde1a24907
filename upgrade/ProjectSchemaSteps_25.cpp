#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "upgrade/CTableDefinition.h"
#include "upgrade/CVersionControl.h"
#include "upgrade/ProjectSchemaSteps.h"
#include "upgrade/SchemaStatements.h"

using namespace SchemaStatements;

namespace {
// An element table that named its owners and now links to its parent: the parent table, the
// condition that finds the parent row from the child's names, and the name columns dropped.
struct SParentLink
{
    QString Child;
    QString Parent;
    QString Condition;
    QStringList Dropped;
};

QList<SParentLink> ParentLinks()
{
    const QStringList owners{"BuildingName", "StoreyName", "RoomName"};
    // The parent in the same room, building and storey as the child names them.
    const auto sameRoom = [](const QString& parent, const QString& child) {
        const QString room =
            parent == QStringLiteral("Room") ? QStringLiteral("Name") : QStringLiteral("RoomName");
        return QStringLiteral("%1.%3 = %2.RoomName and %1.StoreyName = %2.StoreyName and "
                              "%1.BuildingName = %2.BuildingName")
            .arg(parent, child, room);
    };
    QList<SParentLink> links{
        {"Room",
         "Storey",
         "Storey.Name = Room.StoreyName and Storey.BuildingName = Room.BuildingName",
         {"BuildingName", "StoreyName"}},
        {"Storey", "Building", "Building.Name = Storey.BuildingName", {"BuildingName"}},
    };
    for (const QString& element : ProjectSchemaSteps::RoomElementTables())
        links.append({element, "Room", sameRoom("Room", element), owners});
    const QList<std::pair<QString, QString>> openings{{"SkyWindow", "Roof"},
                                                      {"OutsideWindow", "OutsideWall"},
                                                      {"OutsideDoor", "OutsideWall"},
                                                      {"InsideWindow", "InsideWall"},
                                                      {"InsideDoor", "InsideWall"}};
    for (const auto& [opening, wall] : openings)
        links.append({opening, wall,
                      QStringLiteral("%1.Name = %2.%1Name and ").arg(wall, opening) + sameRoom(wall, opening),
                      owners + QStringList{wall + QStringLiteral("Name")}});
    links.append({"Others", "Room", sameRoom("Room", "Others"), owners});
    return links;
}

// The table gets an ID numbered in the order of its rows as its key; the key it had goes.
void AddNumericKey(CDbQuery& query, const QString& table)
{
    CTableDefinition definition = CTableDefinition::Read(query, table);
    definition.RemovePrimaryKey();
    definition.InsertColumn(0, QStringLiteral("ID"), QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT"));
    definition.Rebuild(query);
}

// Default values that named a record now hold its ID, where a record of that name exists.
void DefaultNameToId(CDbQuery& query, const QString& defaultName, const QString& table)
{
    ExecQueryGuarded(
        query, {QStringLiteral("update Initialization set I_Value = (select cast(l.ID as text) from %1 l "
                               "where l.Name = Initialization.I_Value order by l.ID limit 1) "
                               "where I_Name = ? and exists (select 1 from %1 l where "
                               "l.Name = Initialization.I_Value)")
                    .arg(table),
                {defaultName}});
}

// The use column of rooms or storeys holds the use record's ID as text instead of its name.
void UseNameToId(CDbQuery& query, const QString& table, const QString& column, const QString& uses)
{
    ExecQueryGuarded(query, QStringLiteral("update %1 set %2 = (select cast(u.ID as text) from %3 u where "
                                           "u.Name = %1.%2 order by u.ID limit 1) where exists (select 1 "
                                           "from %3 u where u.Name = %1.%2)")
                                .arg(table, column, uses));
}
} // namespace

namespace ProjectSchemaSteps {
const QStringList& RoomElementTables()
{
    static const QStringList tables{"BasementWall",
                                    "Ceiling",
                                    "ElectricEquipment",
                                    "BlindStorey",
                                    "ElectronicEquipment",
                                    "Evaporating",
                                    "Floor",
                                    "Food",
                                    "GapWall",
                                    "GlassCurtainWall",
                                    "GlassRoof",
                                    "Ground",
                                    "HeatingEquipment",
                                    "Infiltration",
                                    "InsideWall",
                                    "Lighting",
                                    "OutsideWall",
                                    "People",
                                    "ProjectionFloor",
                                    "Roof"};
    return tables;
}

const QStringList& ConstructionKinds()
{
    static const QStringList kinds{
        "BasementWall", "BlindStorey",   "Ceiling",         "Floor",        "GapWall",    "GlassCurtainWall",
        "GlassRoof",    "Ground",        "InsideDoor",      "InsideWindow", "InsideWall", "OutsideDoor",
        "OutsideWall",  "OutsideWindow", "ProjectionFloor", "Roof",         "SkyWindow"};
    return kinds;
}

void Step25(CVersionControl& context)
{
    CDbQuery& query = context.Query;
    const QList<SParentLink> links = ParentLinks();

    // Parent links, filled while the names still stand, then the names give way to the links.
    // Buildings hang under the project, which has no row: -1, as for a new building.
    AddColumnSet(query, "Building", "parent_id", "INTEGER", -1);
    for (const SParentLink& link : links)
        AddColumn(query, link.Child, "parent_id", "INTEGER");
    for (const SParentLink& link : links)
        ExecQueryGuarded(query, QStringLiteral("update %1 set parent_id = (select %2.ID from %2 where %3 "
                                               "order by %2.ID limit 1)")
                                    .arg(link.Child, link.Parent, link.Condition));
    for (const SParentLink& link : links) {
        CTableDefinition definition = CTableDefinition::Read(query, link.Child);
        for (const QString& column : link.Dropped)
            definition.DropColumn(column);
        definition.SetColumnDefinition(
            QStringLiteral("parent_id"),
            QStringLiteral("INTEGER REFERENCES %1 (ID) ON UPDATE CASCADE ON DELETE CASCADE")
                .arg(link.Parent));
        definition.Rebuild(query);
    }

    // The construction libraries are keyed by ID; elements refer to their construction by it.
    for (const QString& kind : ConstructionKinds()) {
        const QString library = kind + QStringLiteral("_Lib");
        AddColumnSet(query, library, "catergory", "TEXT COLLATE NOCASE", QStringLiteral("标准材料"));
        AddNumericKey(query, library);
    }
    for (const QString& kind : ConstructionKinds()) {
        AddColumn(query, kind, "material_id", "INTEGER");
        ExecQueryGuarded(query, QStringLiteral("update %1 set material_id = (select l.ID from %1_Lib l where "
                                               "l.Name = %1.%1Name order by l.ID limit 1)")
                                    .arg(kind));
    }
    for (const char* table : {"RoomOccupation", "StoreyOccupation", "Schedule"})
        AddNumericKey(query, table);

    for (const QString& kind : ConstructionKinds())
        DefaultNameToId(query, kind + QStringLiteral("Name"), kind + QStringLiteral("_Lib"));
    DefaultNameToId(query, QStringLiteral("RoomUse"), QStringLiteral("RoomOccupation"));
    DefaultNameToId(query, QStringLiteral("StoreyUse"), QStringLiteral("StoreyOccupation"));
    for (const char* schedule :
         {"People", "Lighting", "HeatingEquipment", "ElectronicEquipment", "ElectricEquipment", "Food",
          "Evaporating", "Infiltration", "Others", "OutsideAir"})
        DefaultNameToId(query, QStringLiteral("ScheduleName_") + QString::fromUtf8(schedule),
                        QStringLiteral("Schedule"));

    ExecQueryGuarded(query, "create table MaterialEdit (struct_id INTEGER NOT NULL,type INTEGER NOT NULL,"
                            "basematerial_id INTEGER NOT NULL)");
    ExecQueryGuarded(query,
                     "create table Material_detail (ID INTEGER PRIMARY KEY AUTOINCREMENT,"
                     "StructID INTEGER NOT NULL,MaterialID INTEGER NOT NULL,Type INTEGER NOT NULL,"
                     "ComType INTEGER NOT NULL,Name TEXT NOT NULL,deta REAL NOT NULL,lamda REAL NOT NULL,"
                     "pho REAL NOT NULL,cp REAL NOT NULL,ItemIndex INTEGER NOT NULL)");

    UseNameToId(query, QStringLiteral("Room"), QStringLiteral("RoomUse"), QStringLiteral("RoomOccupation"));
    UseNameToId(query, QStringLiteral("Storey"), QStringLiteral("StoreyUse"),
                QStringLiteral("StoreyOccupation"));
}
} // namespace ProjectSchemaSteps
