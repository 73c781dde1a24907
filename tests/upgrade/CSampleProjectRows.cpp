#include "tests/upgrade/CSampleProjectRows.h"

#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "upgrade/ProjectSchemaSteps.h"

#include <QHash>

namespace {
// The parent table of each element table below the room.
const QHash<QString, QString>& OpeningParents()
{
    static const QHash<QString, QString> parents{{"OutsideWindow", "OutsideWall"},
                                                 {"OutsideDoor", "OutsideWall"},
                                                 {"InsideWindow", "InsideWall"},
                                                 {"InsideDoor", "InsideWall"},
                                                 {"SkyWindow", "Roof"}};
    return parents;
}

class CTreeWriter
{
public:
    explicit CTreeWriter(CDbQuery& query) : m_query(query) {}

    // Adds a node below the parent node (-1: the top) and returns its node id.
    int Add(int parent, int image, int elementId, const QString& caption)
    {
        const int node = m_next++;
        const int index = m_childCounts[parent]++;
        const int level = parent < 0 ? 0 : m_levels.value(parent) + 1;
        m_levels.insert(node, level);
        ExecQueryGuarded(m_query, {"insert into tbl_tree (f_level,f_index,f_nodeid,f_parentid,f_caption,"
                                   "f_imageindex,f_elementid) values(?,?,?,?,?,?,?)",
                                   {level, index, node, parent, caption, image, elementId}});
        return node;
    }

private:
    CDbQuery& m_query;
    int m_next = 0;
    QHash<int, int> m_childCounts;
    QHash<int, int> m_levels;
};

void InsertElement(CDbQuery& query, const QString& table, int id, const QString& name, int parentId)
{
    ExecQueryGuarded(query, {QStringLiteral("insert into %1 (ID,Name,parent_id) values(?,?,?)").arg(table),
                             {id, name, parentId}});
    if (ProjectSchemaSteps::ConstructionKinds().contains(table))
        ExecQueryGuarded(query,
                         {QStringLiteral("update %1 set material_id = 2,%1Name = ? where ID = ?").arg(table),
                          {table + QStringLiteral("乙"), id}});
}
} // namespace

const QList<std::pair<QString, int>>& CSampleProjectRows::ElementTables()
{
    static const QList<std::pair<QString, int>> tables{{"People", 4},
                                                       {"Lighting", 5},
                                                       {"HeatingEquipment", 6},
                                                       {"ElectronicEquipment", 7},
                                                       {"ElectricEquipment", 8},
                                                       {"OutsideWall", 9},
                                                       {"OutsideWindow", 10},
                                                       {"OutsideDoor", 11},
                                                       {"GlassCurtainWall", 12},
                                                       {"InsideWall", 13},
                                                       {"InsideWindow", 14},
                                                       {"InsideDoor", 15},
                                                       {"Ceiling", 16},
                                                       {"Roof", 17},
                                                       {"SkyWindow", 18},
                                                       {"BlindStorey", 19},
                                                       {"GlassRoof", 20},
                                                       {"Floor", 21},
                                                       {"Ground", 22},
                                                       {"ProjectionFloor", 23},
                                                       {"GapWall", 24},
                                                       {"Food", 25},
                                                       {"Evaporating", 26},
                                                       {"Infiltration", 27},
                                                       {"Others", 28},
                                                       {"BasementWall", 29}};
    return tables;
}

void CSampleProjectRows::Insert(CDbQuery& query)
{
    for (const QString& kind : ProjectSchemaSteps::ConstructionKinds()) {
        for (const auto& [id, suffix] : QList<std::pair<int, QString>>{{1, "甲"}, {2, "乙"}})
            ExecQueryGuarded(
                query, {QStringLiteral("insert into %1_Lib (ID,Name,catergory) values(?,?,?)").arg(kind),
                        {id, kind + suffix, QStringLiteral("标准材料")}});
    }

    CTreeWriter tree(query);
    const int project = tree.Add(-1, 0, 0, QStringLiteral("工程"));
    ExecQueryGuarded(query, "insert into Building (ID,Name,parent_id) values(1,'B1',-1),(2,'B2',-1)");
    ExecQueryGuarded(query, "insert into Storey (ID,Name,parent_id,StoreyHeight,StoreyUse) values"
                            "(1,'1F',1,3.3,'1'),(2,'2F',1,3.6,'1'),(3,'1F',2,4.2,'1')");
    ExecQueryGuarded(query, "insert into Room (ID,Name,parent_id,RoomUse,ACRoomQuantity,ScheduleName,"
                            "SummerACTemperature,WinterACTemperature,SummerACRH,WinterACRH) values"
                            "(1,'R1',1,'1',1,'办公人员-公共建筑节能标准',26,20,60,40),"
                            "(2,'R2',1,'1',1,'办公人员-公共建筑节能标准',26,20,60,40),"
                            "(3,'R1',2,'1',1,'办公人员-公共建筑节能标准',25,18,55,35),"
                            "(4,'R1',3,'1',1,'办公人员-公共建筑节能标准',24,22,50,30)");
    const int b1 = tree.Add(project, 1, 1, QStringLiteral("B1"));
    const int b1f1 = tree.Add(b1, 2, 1, QStringLiteral("1F"));
    const int room1 = tree.Add(b1f1, 3, 1, QStringLiteral("R1"));

    QHash<QString, int> nodes;
    for (const auto& [table, type] : ElementTables()) {
        const QString parentTable = OpeningParents().value(table, QStringLiteral("Room"));
        const QString name = table + QStringLiteral("1");
        InsertElement(query, table, 1, name, 1);
        const int parentNode = parentTable == QStringLiteral("Room") ? room1 : nodes.value(parentTable);
        const int image = table == QStringLiteral("Lighting") ? type + 30 : type;
        nodes.insert(table, tree.Add(parentNode, image, 1, name));
    }
    ExecQueryGuarded(query, "update People set ScheduleName = '办公设备-公共建筑节能标准' where ID = 1");
    ExecQueryGuarded(query, "update Ceiling set AdjacentRoomStoreyName = '2F',AdjacentRoomName = 'R1',"
                            "AdjacentRoomID = 3 where ID = 1");
    ExecQueryGuarded(query, "update InsideWall set AdjacentRoomName = 'R2',AdjacentRoomID = 2 where ID = 1");

    tree.Add(b1f1, 3, 2, QStringLiteral("R2"));
    const int b1f2 = tree.Add(b1, 2, 2, QStringLiteral("2F"));
    tree.Add(b1f2, 3, 3, QStringLiteral("R1"));
    const int b2 = tree.Add(project, 1, 2, QStringLiteral("B2"));
    const int b2f1 = tree.Add(b2, 2, 3, QStringLiteral("1F"));
    const int room4 = tree.Add(b2f1, 3, 4, QStringLiteral("R1"));
    InsertElement(query, QStringLiteral("People"), 2, QStringLiteral("P-B2"), 4);
    tree.Add(room4, 4, 2, QStringLiteral("P-B2"));
    InsertElement(query, QStringLiteral("Ceiling"), 2, QStringLiteral("Ceiling-B2"), 4);
    ExecQueryGuarded(query,
                     "update Ceiling set AdjacentRoomStoreyName = '2F',AdjacentRoomName = 'R1' where ID = 2");
    tree.Add(room4, 16, 2, QStringLiteral("Ceiling-B2"));
}

void CSampleProjectRows::InsertOfficeBuilding(CDbQuery& query, int rooms)
{
    for (const QString& kind : ProjectSchemaSteps::ConstructionKinds())
        ExecQueryGuarded(query,
                         {QStringLiteral("insert into %1_Lib (ID,Name,catergory) values(1,?,?)").arg(kind),
                          {kind + QStringLiteral("甲"), QStringLiteral("标准材料")}});
    CTreeWriter tree(query);
    const int project = tree.Add(-1, 0, 0, QStringLiteral("工程"));
    ExecQueryGuarded(query, "insert into Building (ID,Name,parent_id) values(1,'办公楼',-1)");
    const int building = tree.Add(project, 1, 1, QStringLiteral("办公楼"));
    constexpr int perStorey = 20;
    int storeyNode = -1;
    int nextId = 1;
    const QList<std::pair<QString, int>> inRoom{
        {"OutsideWall", 9},  {"InsideWall", 13}, {"Ceiling", 16},          {"Floor", 21},
        {"People", 4},       {"Lighting", 5},    {"ElectricEquipment", 8}, {"ElectronicEquipment", 7},
        {"Infiltration", 27}};
    for (int room = 1; room <= rooms; ++room) {
        const int storey = (room - 1) / perStorey + 1;
        const QString storeyName = QStringLiteral("%1F").arg(storey);
        if ((room - 1) % perStorey == 0) {
            ExecQueryGuarded(
                query, {"insert into Storey (ID,Name,parent_id,StoreyHeight,StoreyUse) values(?,?,1,3.3,'1')",
                        {storey, storeyName}});
            storeyNode = tree.Add(building, 2, storey, storeyName);
        }
        const QString roomName = QStringLiteral("R%1").arg(room);
        ExecQueryGuarded(query, {"insert into Room (ID,Name,parent_id,RoomUse,ACRoomQuantity,ScheduleName,"
                                 "SummerACTemperature,WinterACTemperature,SummerACRH,WinterACRH) "
                                 "values(?,?,?,'1',1,'办公人员-公共建筑节能标准',26,20,60,40)",
                                 {room, roomName, storey}});
        const int roomNode = tree.Add(storeyNode, 3, room, roomName);
        for (const auto& [table, type] : inRoom) {
            const int id = nextId++;
            ExecQueryGuarded(query,
                             {QStringLiteral("insert into %1 (ID,Name,parent_id) values(?,?,?)").arg(table),
                              {id, table, room}});
            if (ProjectSchemaSteps::ConstructionKinds().contains(table))
                ExecQueryGuarded(
                    query,
                    {QStringLiteral("update %1 set material_id = 1,%1Name = ? where ID = ?").arg(table),
                     {table + QStringLiteral("甲"), id}});
            const int node = tree.Add(roomNode, type, id, table);
            const QList<std::pair<QString, int>> openings =
                table == QStringLiteral("OutsideWall")
                    ? QList<std::pair<QString, int>>{{"OutsideWindow", 10}, {"OutsideDoor", 11}}
                : table == QStringLiteral("InsideWall") ? QList<std::pair<QString, int>>{{"InsideDoor", 15}}
                                                        : QList<std::pair<QString, int>>{};
            for (const auto& [opening, openingType] : openings) {
                ExecQueryGuarded(query,
                                 {QStringLiteral("insert into %1 (ID,Name,parent_id,material_id,%1Name) "
                                                 "values(?,?,?,1,?)")
                                      .arg(opening),
                                  {id, opening, id, opening + QStringLiteral("甲")}});
                tree.Add(node, openingType, id, opening);
            }
        }
        ExecQueryGuarded(
            query,
            {"update Ceiling set AdjacentRoomStoreyName = ?,AdjacentRoomName = ? where parent_id = ?",
             {QStringLiteral("%1F").arg(storey + 1), QStringLiteral("R%1").arg(room + perStorey), room}});
        ExecQueryGuarded(query,
                         {"update InsideWall set AdjacentRoomName = ? where parent_id = ?",
                          {QStringLiteral("R%1").arg(room % perStorey == 0 ? room - 1 : room + 1), room}});
    }
}
