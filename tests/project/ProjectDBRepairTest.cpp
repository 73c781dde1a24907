// The check and repair of the open project: element rows, tree nodes and construction references
// that disagree, found, asked about, repaired and reported in repairlog.txt.
#include "project/CProjectDBRepair.h"

#include "model/CElementBase.h"
#include "tests/model/ProjectTreeFixture.h"

#include <QFile>

namespace {
class ProjectDBRepairTest : public ProjectTreeFixture
{
protected:
    void SetUp() override
    {
        ProjectTreeFixture::SetUp();
        Exec("insert into OutsideWall_Lib (ID,Name) values (1,'240砖墙'),(2,'370砖墙')");
        m_building = Make(&Root(), 1);
        m_storey = Make(m_building, 2);
        m_room = Make(m_storey, 3);
        m_wall = Make(m_room, 9);
        m_people = Make(m_room, 4);
    }
    void Exec(const QString& sql) { m_project.ExecSQL(CSQLStatement(sql)); }
    // Runs the check; the lines of the report.
    QStringList Run()
    {
        CProjectDBRepair repair;
        repair.Run();
        QFile log(repair.LogPath());
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    QStringList Questions()
    {
        QStringList questions;
        for (const auto& box : Dialogs().MessageBoxes)
            if (box.style == 9)
                questions << box.message;
        return questions;
    }
    static bool Has(const QStringList& lines, const QString& text)
    {
        return std::any_of(lines.begin(), lines.end(),
                           [&](const QString& line) { return line.contains(text); });
    }

    CNodeData* m_building = nullptr;
    CNodeData* m_storey = nullptr;
    CNodeData* m_room = nullptr;
    CNodeData* m_wall = nullptr;
    CNodeData* m_people = nullptr;
};
} // namespace

// A consistent project asks nothing, says so, and does not open the report.
TEST_F(ProjectDBRepairTest, ConsistentProjectAsksNothing)
{
    const QStringList log = Run();
    EXPECT_TRUE(Questions().isEmpty());
    EXPECT_EQ(Dialogs().Messages, QStringList{"数据正确。"});
    EXPECT_TRUE(m_host.Opened.isEmpty());
    EXPECT_TRUE(Has(log, "数据正确。"));
}

// Every kind of finding at once; the first question is answered yes, so all are repaired without
// further questions, and the report names each finding and what became of it.
TEST_F(ProjectDBRepairTest, FindingsAreRepairedAndReported)
{
    const int storey = m_storey->GetElementId();
    // A surplus room with a surplus person: both go. A surplus room whose person is in the tree
    // (its row links to that room): kept, as deleting it would delete the person.
    Exec(QStringLiteral("insert into Room (ID,Name,parent_id) values (900,'幽灵',%1),(950,'牵连',%1)")
             .arg(storey));
    Exec("insert into People (ID,Name,parent_id) values (901,'幽灵人员',900)");
    Exec(QStringLiteral("update People set parent_id = 950 where ID = %1").arg(m_people->GetElementId()));
    // Three people nodes on one row, and a disabled node of that row, which is no duplicate.
    CNodeData* second = Make(m_room, 4);
    CNodeData* third = Make(m_room, 4);
    CNodeData* disabled = Make(m_room, 4);
    const int shared = m_people->GetElementId();
    for (CNodeData* node : {second, third, disabled})
        Exec(QStringLiteral("delete from People where ID = %1").arg(node->GetElementId()));
    Exec(QStringLiteral("update tbl_tree set f_elementid = %1 where f_nodeid in (%2,%3)")
             .arg(shared)
             .arg(second->NodeId())
             .arg(third->NodeId()));
    Exec(QStringLiteral("update tbl_tree set f_elementid = %1, f_imageindex = 34 where f_nodeid = %2")
             .arg(shared)
             .arg(disabled->NodeId()));
    Exec(QStringLiteral("update People set Name = '共用人员' where ID = %1").arg(shared));
    // A wall whose row is lost, a wall on a deleted construction and one without any.
    CNodeData* lost = Make(m_room, 9);
    CNodeData* dangling = Make(m_room, 9);
    Exec(QStringLiteral("delete from OutsideWall where ID = %1").arg(lost->GetElementId()));
    Exec(QStringLiteral("update OutsideWall set material_id = 77, OutsideWallName = '已删除' where ID = %1")
             .arg(dangling->GetElementId()));
    Exec(QStringLiteral("update OutsideWall set material_id = null where ID = %1")
             .arg(m_wall->GetElementId()));
    // Reloading the tree destroys the nodes: keep what the checks below need.
    const int roomNode = m_room->NodeId();
    const int roomId = m_room->GetElementId();
    const int secondNode = second->NodeId();
    const int wallId = m_wall->GetElementId();
    const int lostId = lost->GetElementId();
    const QString lostCaption = lost->Caption();
    const int danglingId = dangling->GetElementId();
    m_store.LoadTree();

    const QStringList log = Run();
    EXPECT_EQ(Questions(), QStringList{"检测数据库中有冗余数据,是否让软件自动修复这些问题?"});
    EXPECT_EQ(Dialogs().Messages, QStringList{"处理完毕"});
    ASSERT_EQ(m_host.Opened.size(), 1);
    EXPECT_TRUE(m_host.Opened[0].endsWith("User/repairlog.txt")) << m_host.Opened[0].toStdString();

    EXPECT_EQ(Column("select ID from Room where ID >= 900"), QStringList{"950"});
    EXPECT_EQ(Int("select count(*) from People where ID = 901"), 0);
    EXPECT_TRUE(Has(log, "已删除 幽灵 (ID 900) 及其下1个不在目录树中的元素"));
    EXPECT_TRUE(Has(log, "保留 牵连 (ID 950)"));

    // The first node keeps the row; the two later ones get copies under new IDs.
    m_store.LoadTree();
    QStringList ids;
    const CNodeData* roomAfter = Root().FindNodeById(roomNode);
    ASSERT_NE(roomAfter, nullptr);
    for (int i = 0; i < roomAfter->ChildCount(); ++i) {
        const CNodeData* node = roomAfter->Child(i);
        if (node->Type() == 4)
            ids << QString::number(node->GetElementId());
    }
    ASSERT_EQ(ids.size(), 4);
    EXPECT_EQ(ids[0], QString::number(shared));
    EXPECT_EQ(ids[3], QString::number(shared)); // the disabled node
    EXPECT_EQ(QSet<QString>(ids.begin(), ids.end()).size(), 3);
    EXPECT_EQ(Int(QStringLiteral("select count(*) from People where Name = '共用人员' and ID in (%1)")
                      .arg(ids.join(','))),
              3);
    EXPECT_TRUE(Has(log, QStringLiteral("节点 %1 改为指向元素 %2").arg(secondNode).arg(ids[1])));

    // The lost wall is written again under its caption, in its room; both walls take the default
    // construction.
    EXPECT_EQ(
        Column(QStringLiteral("select Name || '@' || parent_id from OutsideWall where ID = %1").arg(lostId)),
        QStringList{lostCaption + '@' + QString::number(roomId)});
    EXPECT_EQ(Column(QStringLiteral(
                         "select material_id || ':' || OutsideWallName from OutsideWall where ID in (%1,%2)")
                         .arg(wallId)
                         .arg(danglingId)),
              (QStringList{"1:240砖墙", "1:240砖墙"}));
    EXPECT_TRUE(Has(log, QStringLiteral("已按缺省值重建 %1").arg(lostCaption)));
    EXPECT_TRUE(Has(log, QStringLiteral("元素 %1 改用缺省构造 240砖墙 (ID 1)").arg(danglingId)));
}

// A no leaves that finding as it is and the next finding asks again.
TEST_F(ProjectDBRepairTest, DeclinedFindingIsLeftAndTheNextOneAsks)
{
    Exec(QStringLiteral("insert into Room (ID,Name,parent_id) values (900,'幽灵',%1)")
             .arg(m_storey->GetElementId()));
    Exec(QStringLiteral("delete from OutsideWall where ID = %1").arg(m_wall->GetElementId()));
    Dialogs().MessageBoxAnswers = {7, 6};
    const QStringList log = Run();
    EXPECT_EQ(Questions(), (QStringList{"检测数据库中有冗余数据,是否让软件自动修复这些问题?",
                                        "检测数据库中存在丢失的数据[1个],是否让软件自动修复这些问题?"}));
    EXPECT_EQ(Int("select count(*) from Room where ID = 900"), 1);
    EXPECT_EQ(
        Int(QStringLiteral("select count(*) from OutsideWall where ID = %1").arg(m_wall->GetElementId())), 1);
    EXPECT_TRUE(Has(log, "未修复。"));
    EXPECT_EQ(Dialogs().Messages, QStringList{"处理完毕"});
}

// A default construction that is no whole number, or names no record of the library, is reported
// and the elements of that kind are left as they are; the run goes on to its end.
TEST_F(ProjectDBRepairTest, UnusableDefaultConstructionIsReported)
{
    for (const QString value : {"abc", "5"}) {
        SCOPED_TRACE(value.toStdString());
        Dialogs().MessageBoxes.clear();
        Dialogs().Messages.clear();
        m_defaults.SetValue(QStringLiteral("OutsideWallName"), value);
        Exec(QStringLiteral("update OutsideWall set material_id = 77 where ID = %1")
                 .arg(m_wall->GetElementId()));
        const QStringList log = Run();
        EXPECT_EQ(Int(QStringLiteral("select material_id from OutsideWall where ID = %1")
                          .arg(m_wall->GetElementId())),
                  77);
        const QString message =
            value == "abc"
                ? QStringLiteral("缺省值OutsideWallName的值“abc”不是整数，OutsideWall类型的材料问题未修复。")
                : QStringLiteral("缺省值OutsideWallName指向的构造(ID 5)在工程材料库中不存在，"
                                 "OutsideWall类型的材料问题未修复。");
        ASSERT_FALSE(Dialogs().MessageBoxes.isEmpty());
        EXPECT_EQ(Dialogs().MessageBoxes.last().message, message);
        EXPECT_TRUE(Has(log, message));
        EXPECT_EQ(Dialogs().Messages, QStringList{"处理完毕"});
    }
}
