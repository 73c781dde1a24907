// The project tree on a copy of the blank project: nodes written through to tbl_tree and the
// element tables, each edit all or nothing; the loader with its orphan check; tree views, the
// node filter and the selection keeper.
#include "tests/model/ProjectTreeFixture.h"

#include "model/CElementBase.h"
#include "model/CNodeFilter.h"
#include "model/CNodeStateKeep.h"
#include "platform/core/Exception.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <vector>

namespace {

class ProjectTree : public ProjectTreeFixture
{
protected:
    QString TreeRow(const CNodeData* node)
    {
        return Column(QStringLiteral("select f_level||','||f_index||','||f_parentid||','||f_caption||','||"
                                     "f_imageindex||','||f_elementid from tbl_tree where f_nodeid=%1")
                          .arg(node->NodeId()))
            .value(0);
    }
    void Exec(const QString& sql) { m_project.ExecSQL(CSQLStatement(sql)); }
    void InsertTreeRow(int nodeId, int parentId, int level, int index, const QString& caption, int image,
                       int elementId)
    {
        m_project.ExecSQL({"insert into tbl_tree (f_level,f_index,f_nodeid,f_parentid,f_caption,f_imageindex,"
                           "f_elementid) values (?,?,?,?,?,?,?)",
                           {level, index, nodeId, parentId, caption, image, elementId}});
    }
};

} // namespace

TEST_F(ProjectTree, BlankProjectGetsItsProjectRowAndNewNodesLoadBack)
{
    EXPECT_TRUE(Dialogs().MessageBoxes.isEmpty());
    EXPECT_EQ(TreeRow(&Root()), QStringLiteral("0,0,-1,工程,0,0"));
    CNodeData* building = Make(&Root(), 1);
    Make(building, 2);

    m_store.LoadTree();
    EXPECT_EQ(Root().Caption(), QStringLiteral("工程"));
    ASSERT_EQ(Root().ChildCount(), 1);
    EXPECT_EQ(Root().Child(0)->Caption(), QStringLiteral("大楼1"));
    EXPECT_EQ(Root().Child(0)->Child(0)->Caption(), QStringLiteral("楼层1"));
    EXPECT_EQ(m_store.GetNextNodeId(), 4);
}

TEST_F(ProjectTree, CreateChildNumbersCaptionsAndWritesBothRows)
{
    CNodeData* building = Make(&Root(), 1);
    CNodeData* storey = Make(building, 2);
    CNodeData* r1 = Make(storey, 3);
    CNodeData* r2 = Make(storey, 3);
    CNodeData* r3 = Make(storey, 3);
    EXPECT_EQ(QStringList({r1->Caption(), r2->Caption(), r3->Caption()}),
              QStringList({"房间1", "房间2", "房间3"}));
    // Empty element tables: the first new ID is 2.
    EXPECT_EQ(building->GetElementId(), 2);
    EXPECT_EQ(r2->GetElementId(), 3);
    EXPECT_EQ(TreeRow(r2), QStringLiteral("3,1,%1,房间2,3,3").arg(storey->NodeId()));
    EXPECT_EQ(Column(QStringLiteral("select Name||','||parent_id from Room where ID=3")),
              QStringList{QStringLiteral("房间2,%1").arg(storey->GetElementId())});
    EXPECT_EQ(Int(QStringLiteral("select parent_id from Building where ID=2")), -1);
    EXPECT_EQ(r2->LoadElement()->Node, r2);

    ASSERT_TRUE(r2->DeleteNodeRows(true));
    EXPECT_EQ(r3->Index(), 1);
    EXPECT_EQ(Int(QStringLiteral("select f_index from tbl_tree where f_nodeid=%1").arg(r3->NodeId())), 1);
    EXPECT_EQ(Make(storey, 3)->Caption(), QStringLiteral("房间2"));
    EXPECT_EQ(storey->CreateChild(3, QString(), nullptr, 3)->Caption(), QStringLiteral("房间001"));
    EXPECT_EQ(storey->CreateChild(3, QStringLiteral("会议室"), nullptr, 0)->Caption(),
              QStringLiteral("会议室1"));

    // A room belongs under a storey, not a building; nothing is written.
    const int rows = Int(QStringLiteral("select count(*) from tbl_tree"));
    EXPECT_EQ(building->CreateChild(3, QString(), nullptr, 0), nullptr);
    EXPECT_EQ(Int(QStringLiteral("select count(*) from tbl_tree")), rows);
    EXPECT_TRUE(Dialogs().Messages.isEmpty()) << Dialogs().Messages.join('\n').toStdString();
}

TEST_F(ProjectTree, CaptionsAreUniqueAcrossFoldersAndParentIdSkipsThem)
{
    CNodeData* storey = Make(Make(&Root(), 1), 2);
    CNodeData* f1 = Make(storey, 30);
    CNodeData* f2 = Make(storey, 30);
    EXPECT_EQ(f2->Caption(), QStringLiteral("子树2"));
    Make(f1, 3);
    CNodeData* room = Make(f2, 3);
    EXPECT_EQ(room->Caption(), QStringLiteral("房间2"));
    EXPECT_EQ(room->ParentElementId(), storey->GetElementId());
    EXPECT_EQ(Int(QStringLiteral("select parent_id from Room where ID=%1").arg(room->GetElementId())),
              storey->GetElementId());
    EXPECT_EQ(Int(QStringLiteral("select count(*) from SubTree where ID=%1").arg(f2->GetElementId())), 1);
}

TEST_F(ProjectTree, AFailedCreationLeavesNoRowAndNoNode)
{
    CNodeData* storey = Make(Make(&Root(), 1), 2);
    const int treeRows = Int(QStringLiteral("select count(*) from tbl_tree"));
    auto nothingLeft = [&] {
        EXPECT_EQ(Int(QStringLiteral("select count(*) from tbl_tree")), treeRows);
        EXPECT_EQ(Int(QStringLiteral("select count(*) from Room")), 0);
        EXPECT_EQ(storey->ChildCount(), 0);
    };

    // The element row affects no row.
    Exec(QStringLiteral("create trigger t before insert on Room begin select raise(ignore); end"));
    EXPECT_EQ(storey->CreateChild(3, QString(), nullptr, 0), nullptr);
    nothingLeft();
    EXPECT_EQ(Dialogs().Messages.value(0), QStringLiteral("创建实体记录工程~大楼1~楼层1~房间1失败"));
    Exec(QStringLiteral("drop trigger t"));

    // The element row raises.
    Exec(QStringLiteral("create trigger t before insert on Room begin select raise(abort, 'refused'); end"));
    EXPECT_THROW(storey->CreateChild(3, QString(), nullptr, 0), Exception);
    nothingLeft();
    Exec(QStringLiteral("drop trigger t"));

    // The tree row affects no row.
    Exec(QStringLiteral("create trigger t before insert on tbl_tree begin select raise(ignore); end"));
    EXPECT_EQ(storey->CreateChild(3, QString(), nullptr, 0), nullptr);
    nothingLeft();
    EXPECT_EQ(Dialogs().Messages.value(1), QStringLiteral("创建目录记录工程~大楼1~楼层1失败"));
    Exec(QStringLiteral("drop trigger t"));

    // The defaults fail after the tree row was written: the room reads its storey, whose table is
    // out of reach.
    storey->ReleaseElements(false, true);
    Exec(QStringLiteral("alter table Storey rename to Storey_away"));
    EXPECT_THROW(storey->CreateChild(3, QString(), nullptr, 0), Exception);
    Exec(QStringLiteral("alter table Storey_away rename to Storey"));
    nothingLeft();

    EXPECT_EQ(Make(storey, 3)->Caption(), QStringLiteral("房间1"));
}

TEST_F(ProjectTree, CopyUnderNamesCopiesAndCopiesTheSubtree)
{
    CNodeData* building = Make(&Root(), 1);
    CNodeData* s1 = Make(building, 2);
    CNodeData* s2 = Make(building, 2);
    CNodeData* room = Make(s1, 3);
    ASSERT_TRUE(room->RenameNode(QStringLiteral("会议室")));
    Make(room, 4);
    Make(room, 5);
    room->LoadElement()->SetAttribute(QStringLiteral("Area"), QStringLiteral("12.5"));
    ASSERT_EQ(room->LoadElement()->UpdateRecord(), 1);
    room->SetNodeStatus(false);

    CNodeData* c1 = room->CopyUnder(s1, true);
    ASSERT_NE(c1, nullptr);
    EXPECT_EQ(c1->Caption(), QStringLiteral("会议室[副本1]"));
    EXPECT_EQ(c1->Index(), 1);
    EXPECT_EQ(c1->ImageIndex(), 33); // an idle source gives an idle copy
    EXPECT_NE(c1->GetElementId(), room->GetElementId());
    EXPECT_EQ(Column(QStringLiteral("select Area||','||Status||','||Name from Room where ID=%1")
                         .arg(c1->GetElementId())),
              QStringList{QStringLiteral("12.5,0,会议室[副本1]")});
    ASSERT_EQ(c1->ChildCount(), 2);
    const CNodeData* people = c1->Child(0);
    EXPECT_EQ(people->Caption(), QStringLiteral("人员1"));
    EXPECT_EQ(Int(QStringLiteral("select parent_id from People where ID=%1").arg(people->GetElementId())),
              c1->GetElementId());
    EXPECT_EQ(Int(QStringLiteral("select f_parentid from tbl_tree where f_nodeid=%1").arg(people->NodeId())),
              c1->NodeId());

    EXPECT_EQ(room->CopyUnder(s1, false)->Caption(), QStringLiteral("会议室[副本2]"));
    EXPECT_EQ(room->CopyUnder(s2, true)->Caption(), QStringLiteral("会议室"));
    EXPECT_EQ(Int(QStringLiteral("select count(*) from Room")), 4);
    EXPECT_EQ(Int(QStringLiteral("select count(*) from People")), 3);

    // Refused: a room under a room, a folder into its own subtree.
    EXPECT_EQ(room->CopyUnder(c1, true), nullptr);
    CNodeData* folder = Make(s1, 30);
    EXPECT_EQ(folder->CopyUnder(folder, true), nullptr);
    EXPECT_EQ(folder->CopyUnder(Make(folder, 30), true), nullptr);
}

TEST_F(ProjectTree, DeleteRemovesTheSubtreeRowsRenumbersAndDropsTheItem)
{
    CNodeData* storey = Make(Make(&Root(), 1), 2);
    CNodeData* r1 = Make(storey, 3);
    CNodeData* r2 = Make(storey, 3);
    CNodeData* r3 = Make(storey, 3);
    Make(r1, 4);
    Make(r1, 5);
    Show();
    m_host.View.Select(r1->TreeItem());
    RecordingObserver observer;
    m_host.View.SetObserver(&observer);
    const int r1NodeId = r1->NodeId();

    ASSERT_TRUE(r1->DeleteNodeRows(true));
    EXPECT_EQ(Root().FindNodeById(r1NodeId), nullptr);
    EXPECT_EQ(Int(QStringLiteral("select count(*) from Room")), 2);
    EXPECT_EQ(Int(QStringLiteral("select count(*) from People")) +
                  Int(QStringLiteral("select count(*) from Lighting")),
              0);
    EXPECT_EQ(
        Int(QStringLiteral("select count(*) from tbl_tree where f_parentid=%1 or f_nodeid=%1").arg(r1NodeId)),
        0);
    EXPECT_EQ(QList<int>({r2->Index(), r3->Index()}), QList<int>({0, 1}));
    EXPECT_EQ(Column(QStringLiteral("select f_index from tbl_tree where f_parentid=%1 order by f_index")
                         .arg(storey->NodeId())),
              QStringList({"0", "1"}));
    EXPECT_EQ(m_host.PagesHidden, 1);
    EXPECT_EQ(Texts(storey->TreeItem()), QStringList({"房间2", "房间3"}));
    EXPECT_EQ(m_host.View.Selected(), nullptr);
    EXPECT_EQ(observer.Events,
              QStringList({"removing 人员1", "removing 照明1", "removing 房间1", "selected -"}));
    m_host.View.SetObserver(nullptr);
}

TEST_F(ProjectTree, AFailedDeleteKeepsEveryRowAndNode)
{
    CNodeData* storey = Make(Make(&Root(), 1), 2);
    CNodeData* r1 = Make(storey, 3);
    Make(storey, 3);
    Make(r1, 4);
    Make(r1, 5);
    Show();
    Exec(QStringLiteral("create trigger t before delete on Lighting begin select raise(abort, 'kept'); end"));

    EXPECT_THROW(r1->DeleteNodeRows(true), Exception);
    EXPECT_EQ(storey->ChildCount(), 2);
    EXPECT_EQ(storey->Child(0), r1);
    EXPECT_EQ(r1->ChildCount(), 2);
    EXPECT_EQ(r1->Child(0)->Caption(), QStringLiteral("人员1"));
    EXPECT_EQ(Int(QStringLiteral("select count(*) from People")), 1);
    EXPECT_EQ(Int(QStringLiteral("select count(*) from Room")), 2);
    EXPECT_EQ(Int(QStringLiteral("select count(*) from tbl_tree")), 7);
    ASSERT_NE(r1->Child(0)->TreeItem(), nullptr);
    EXPECT_EQ(Texts(r1->TreeItem()), QStringList({"人员1", "照明1"}));
}

TEST_F(ProjectTree, RenameRefusesBadOrTakenNamesAndWritesBothRows)
{
    CNodeData* building = Make(&Root(), 1);
    CNodeData* s1 = Make(building, 2);
    CNodeData* s2 = Make(building, 2);
    CNodeData* r1 = Make(s1, 3);
    Make(Make(s1, 30), 3); // 房间2 inside a folder of the same storey
    CNodeData* other = Make(s2, 3);
    Show();

    const QString refused[] = {QStringLiteral("一二三四五六七八九十一二三"), // 26 bytes
                               QStringLiteral("a~b"), QStringLiteral("a@b"), QStringLiteral("   "),
                               QStringLiteral("房间2")};
    for (const QString& name : refused) {
        EXPECT_FALSE(r1->RenameNode(name)) << name.toStdString();
        EXPECT_EQ(r1->Caption(), QStringLiteral("房间1"));
    }
    EXPECT_EQ(Column(QStringLiteral("select Name from Room where ID=%1").arg(r1->GetElementId())),
              QStringList{"房间1"});
    EXPECT_FALSE(Root().RenameNode(QStringLiteral("新工程")));

    const QString longest = QStringLiteral("一二三四五六七八九十一二A"); // 25 bytes
    EXPECT_TRUE(r1->RenameNode(longest));
    EXPECT_EQ(r1->LoadElement()->Name, longest);
    EXPECT_EQ(r1->TreeItem()->Text(), longest);

    EXPECT_TRUE(other->RenameNode(QStringLiteral("房间2"))); // taken only in another storey
    EXPECT_EQ(Column(QStringLiteral("select f_caption from tbl_tree where f_nodeid=%1").arg(other->NodeId())),
              QStringList{"房间2"});
    EXPECT_EQ(Column(QStringLiteral("select Name from Room where ID=%1").arg(other->GetElementId())),
              QStringList{"房间2"});
}

TEST_F(ProjectTree, MoveByClampsAndRewritesOnlyChangedIndexes)
{
    Exec(QStringLiteral("delete from tbl_tree"));
    InsertTreeRow(1, -1, 0, 0, QStringLiteral("工程"), 0, 0);
    const int indexes[] = {0, 2, 5, 7};
    for (int i = 0; i < 4; ++i)
        InsertTreeRow(2 + i, 1, 1, indexes[i], QString(QChar('A' + i)), 30, 2 + i);
    m_store.LoadTree();
    ASSERT_EQ(Root().ChildCount(), 4);
    EXPECT_EQ(Root().Child(3)->Index(), 3);
    auto stored = [&] {
        return Column(
            QStringLiteral("select f_caption||f_index from tbl_tree where f_parentid=1 order by f_nodeid"));
    };
    EXPECT_EQ(stored(), QStringList({"A0", "B2", "C5", "D7"}));

    CNodeData* d = Root().Child(3);
    EXPECT_TRUE(d->MoveBy(-1));
    EXPECT_EQ(stored(), QStringList({"A0", "B2", "C3", "D2"})); // B's row keeps its old index
    EXPECT_TRUE(d->MoveBy(-100000));
    EXPECT_EQ(Root().Child(0), d);
    EXPECT_EQ(stored(), QStringList({"A1", "B2", "C3", "D0"}));
    CNodeData* c = Root().Child(3);
    EXPECT_TRUE(c->MoveBy(1));
    EXPECT_EQ(Root().Child(3), c);
    EXPECT_FALSE(Root().MoveBy(1));
}

TEST_F(ProjectTree, StatusChangesImageAndRow)
{
    CNodeData* room = Make(Make(Make(&Root(), 1), 2), 3);
    Show();
    RecordingObserver observer;
    m_host.View.SetObserver(&observer);

    room->SetNodeStatus(false);
    EXPECT_EQ(room->ImageIndex(), 33);
    EXPECT_FALSE(room->IsActive());
    EXPECT_EQ(room->LoadElement()->Status, 0);
    EXPECT_EQ(Int(QStringLiteral("select Status from Room where ID=%1").arg(room->GetElementId())), 0);
    EXPECT_EQ(Int(QStringLiteral("select f_imageindex from tbl_tree where f_nodeid=%1").arg(room->NodeId())),
              33);
    room->SetNodeStatus(true);
    EXPECT_EQ(Int(QStringLiteral("select f_imageindex from tbl_tree where f_nodeid=%1").arg(room->NodeId())),
              3);
    EXPECT_EQ(observer.Events, QStringList({"image 房间1 33", "image 房间1 3"}));
    m_host.View.SetObserver(nullptr);
}

TEST_F(ProjectTree, ALostElementRowIsWrittenAgainOnce)
{
    CNodeData* room = Make(Make(Make(&Root(), 1), 2), 3);
    const int id = room->GetElementId();
    room->ReleaseElements(false, true);
    Exec(QStringLiteral("delete from Room where ID=%1").arg(id));

    CElementBase* element = room->LoadElement();
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(Column(QStringLiteral("select Name from Room where ID=%1").arg(id)), QStringList{"房间1"});
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
    EXPECT_EQ(Dialogs().MessageBoxes[0].caption, QStringLiteral("警告"));
    EXPECT_EQ(
        Dialogs().MessageBoxes[0].message,
        QStringLiteral("当前节点(工程~大楼1~楼层1~房间1)数据丢失，软件已经自动重新创建，请认真校对一下数据"));
    EXPECT_EQ(room->LoadElement(), element);
    EXPECT_EQ(Dialogs().MessageBoxes.size(), 1);

    // Cannot be written again: reported, and the object with its defaults stays.
    room->ReleaseElements(false, true);
    Exec(QStringLiteral("delete from Room where ID=%1").arg(id));
    Exec(QStringLiteral("create trigger t before insert on Room begin select raise(ignore); end"));
    EXPECT_EQ(room->LoadElement(), nullptr);
    EXPECT_EQ(Dialogs().MessageBoxes.last().message,
              QStringLiteral("很抱歉，无法恢复数据(工程~大楼1~楼层1~房间1)，请联系软件供应商"));
    EXPECT_EQ(Dialogs().MessageBoxes.last().icon, 1);
    EXPECT_NE(room->LoadElement(), nullptr);
}

// A project tree with problems: an orphan storey with its room, a room listed with a lower level
// than its parent, an orphan building with the highest node id, and an idle room.
class ProjectTreeLoad : public ProjectTree
{
protected:
    void SetUp() override
    {
        ProjectTree::SetUp();
        Exec(QStringLiteral("delete from tbl_tree"));
        InsertTreeRow(1, -1, 0, 0, QStringLiteral("工程"), 0, 0);
        InsertTreeRow(2, 1, 1, 0, QStringLiteral("B"), 1, 2);
        InsertTreeRow(3, 2, 2, 0, QStringLiteral("S"), 2, 2);
        InsertTreeRow(14, 3, 3, 0, QStringLiteral("Idle"), 33, 10);
        InsertTreeRow(10, 99, 2, 0, QStringLiteral("O"), 2, 5);
        InsertTreeRow(11, 10, 3, 0, QStringLiteral("R"), 33, 7);
        InsertTreeRow(13, 2, 2, 1, QStringLiteral("Y"), 2, 6);
        InsertTreeRow(12, 13, 1, 0, QStringLiteral("X"), 3, 8);
        InsertTreeRow(57, 98, 1, 0, QStringLiteral("Z"), 1, 9);
        for (int id : {2, 9})
            Exec(QStringLiteral("insert into Building (ID, Name, parent_id) values (%1, 'b', -1)").arg(id));
        for (int id : {2, 5, 6})
            Exec(QStringLiteral("insert into Storey (ID, Name, parent_id) values (%1, 's', 2)").arg(id));
        Exec(QStringLiteral("insert into Room (ID, Name, parent_id) values (7, 'r', 5)"));
        Exec(QStringLiteral("insert into Room (ID, Name, parent_id) values (8, 'r', 6)"));
        Exec(QStringLiteral("insert into Room (ID, Name, parent_id) values (10, 'r', 2)"));
        Dialogs().MessageBoxes.clear();
    }

    void ExpectLoadedTree()
    {
        ASSERT_EQ(Root().ChildCount(), 1);
        const CNodeData* b = Root().Child(0);
        ASSERT_EQ(b->ChildCount(), 2);
        EXPECT_EQ(b->Child(0)->Caption(), QStringLiteral("S"));
        EXPECT_EQ(b->Child(1)->Caption(), QStringLiteral("Y"));
        EXPECT_EQ(b->Child(1)->ChildCount(), 0);
        const CNodeData* idle = b->Child(0)->Child(0);
        EXPECT_EQ(idle->Type(), 3);
        EXPECT_FALSE(idle->IsActive());
        ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
        EXPECT_EQ(Dialogs().MessageBoxes[0].caption, QStringLiteral("工程异常"));
        EXPECT_EQ(Dialogs().MessageBoxes[0].style, 9);
        // Enter must not delete rows: the question icon, and "否" is the default.
        EXPECT_EQ(Dialogs().MessageBoxes[0].icon, 3);
        EXPECT_EQ(Dialogs().MessageBoxes[0].defaultButton, 2);
    }
};

TEST_F(ProjectTreeLoad, OrphansAreDeletedWithTheirElementRowsOnYes)
{
    Dialogs().MessageBoxAnswers = {6};
    m_store.LoadTree();
    ExpectLoadedTree();
    EXPECT_EQ(Column(QStringLiteral("select f_nodeid from tbl_tree order by f_nodeid")),
              QStringList({"1", "2", "3", "13", "14"}));
    EXPECT_EQ(Column(QStringLiteral("select ID from Building")), QStringList{"2"});
    EXPECT_EQ(Column(QStringLiteral("select ID from Storey order by ID")), QStringList({"2", "6"}));
    EXPECT_EQ(Column(QStringLiteral("select ID from Room")), QStringList{"10"});
    EXPECT_EQ(m_store.GetNextNodeId(), 58);
    // The ID counters start again from the table: max(ID) + 2.
    EXPECT_EQ(Make(&Root(), 1)->GetElementId(), 4);
}

TEST_F(ProjectTreeLoad, OrphansAreLoggedAndKeptOnNo)
{
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    Dialogs().MessageBoxAnswers = {7};
    m_store.LoadTree();
    Dialogs().MessageBoxes.clear();
    Dialogs().MessageBoxAnswers = {7};
    m_store.LoadTree();
    QDir::setCurrent(previous);

    ExpectLoadedTree();
    EXPECT_EQ(Int(QStringLiteral("select count(*) from tbl_tree")), 9);
    QFile log(folder.filePath(QStringLiteral("msg.log")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 10); // appended by both loads
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("-----------------")));
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("---------------------")));
    EXPECT_EQ(lines.mid(1, 4), QStringList({"节点X (ID：12)找不到父节点", "节点Z (ID：57)找不到父节点",
                                            "节点O (ID：10)找不到父节点", "节点R (ID：11)找不到父节点"}));
    EXPECT_EQ(m_host.Opened.size(), 2);
    EXPECT_EQ(m_host.Opened.value(0), QFileInfo(log).absoluteFilePath());
    EXPECT_EQ(m_store.GetNextNodeId(), 58);
}

TEST_F(ProjectTree, TheLaterProjectRowWinsAndKeepsBothFamilies)
{
    Exec(QStringLiteral("delete from tbl_tree"));
    InsertTreeRow(1, -1, 0, 0, QStringLiteral("甲"), 0, 0);
    InsertTreeRow(5, -1, 0, 1, QStringLiteral("乙"), 0, 0);
    InsertTreeRow(2, 1, 1, 0, QStringLiteral("B1"), 1, 2);
    InsertTreeRow(6, 5, 1, 0, QStringLiteral("B2"), 1, 3);
    m_store.LoadTree();
    EXPECT_EQ(Root().Caption(), QStringLiteral("乙"));
    EXPECT_EQ(Root().NodeId(), 5);
    EXPECT_EQ(Root().ChildCount(), 2);
    EXPECT_TRUE(Dialogs().MessageBoxes.isEmpty());
}

// Building 大楼1 / storey 楼层1 / room 房间1 (people, an outside wall with a window) and a folder
// holding 房间2.
class ProjectTreeView : public ProjectTree
{
protected:
    void SetUp() override
    {
        ProjectTree::SetUp();
        m_storey = Make(Make(&Root(), 1), 2);
        m_room = Make(m_storey, 3);
        Make(m_room, 4);
        Make(Make(m_room, 9), 10);
        m_folder = Make(m_storey, 30);
        m_room2 = Make(m_folder, 3);
    }
    CNodeData* m_storey = nullptr;
    CNodeData* m_room = nullptr;
    CNodeData* m_folder = nullptr;
    CNodeData* m_room2 = nullptr;
};

TEST_F(ProjectTreeView, TypesTheDesignTypeLeavesOutHideTheirSubtrees)
{
    m_host.HiddenTypes = {9};
    Show();
    EXPECT_EQ(Texts(ItemAt(m_host.View, QStringLiteral("大楼1/楼层1"))), QStringList({"房间1", "子树1"}));
    EXPECT_EQ(Texts(m_room->TreeItem()), QStringList{"人员1"});
    EXPECT_EQ(m_room->Child(1)->TreeItem(), nullptr);
    EXPECT_EQ(m_room2->TreeItem()->Parent(), m_folder->TreeItem());
    EXPECT_EQ(m_room->TreeItem()->ImageIndex(), 3);
    EXPECT_EQ(m_room->TreeItem()->Node(), m_room);
}

TEST_F(ProjectTreeView, FilterShowsATypeWithItsAncestorsAndHiddenFoldersPassChildrenUp)
{
    Show();
    CNodeTreeView dialogView;
    CNodeFilter rooms(3);
    m_store.FillTreeView(dialogView, &rooms, false);
    EXPECT_EQ(Texts(ItemAt(dialogView, QStringLiteral("大楼1/楼层1"))), QStringList({"房间1", "房间2"}));
    EXPECT_EQ(Texts(ItemAt(dialogView, QStringLiteral("大楼1/楼层1/房间1"))), QStringList());
    // Without bind the nodes keep their items in the main view.
    EXPECT_EQ(m_room2->TreeItem()->View(), &m_host.View);

    rooms.SetCallback([this](const CNodeData& node) { return &node != m_room; });
    m_store.FillTreeView(dialogView, &rooms, false);
    EXPECT_EQ(Texts(ItemAt(dialogView, QStringLiteral("大楼1/楼层1"))), QStringList{"房间2"});

    CNodeFilter parents;
    parents.SetType(2, false);
    EXPECT_TRUE(parents.IsTypeSet(0) && parents.IsTypeSet(1));
    EXPECT_FALSE(parents.IsTypeSet(2) || parents.IsTypeSet(3) || parents.IsTypeSet(30));
    m_store.FillTreeView(dialogView, &parents, false);
    EXPECT_EQ(Texts(ItemAt(dialogView, QStringLiteral("大楼1"))), QStringList());
    EXPECT_EQ(dialogView.TopCount(), 1);
}

TEST_F(ProjectTreeView, ExpandStopsAtTheTypeButEntersFolders)
{
    Show();
    m_store.ExpandTreeToLevel(m_host.View.TopItem(0), 3);
    EXPECT_TRUE(m_host.View.TopItem(0)->Expanded());
    EXPECT_TRUE(m_storey->TreeItem()->Expanded());
    EXPECT_TRUE(m_folder->TreeItem()->Expanded());
    EXPECT_FALSE(m_room->TreeItem()->Expanded());
    EXPECT_FALSE(m_room2->TreeItem()->Expanded());
}

TEST_F(ProjectTreeView, AFolderTakesTheTypeOfItsNearestNonFolderAncestor)
{
    Show();
    EXPECT_EQ(m_folder->TreeItem()->Type(), 30);
    EXPECT_EQ(m_folder->TreeItem()->EffectiveType(), 2);
    EXPECT_EQ(m_room2->TreeItem()->EffectiveType(), 3);
    EXPECT_TRUE(m_folder->TreeItem()->IsActive());
}

TEST_F(ProjectTreeView, KeeperSelectsTheDeepestSurvivingShownNode)
{
    Show();
    CNodeData* building = m_storey->Parent();
    m_host.View.Select(m_room->TreeItem());
    {
        CNodeStateKeep keep;
        EXPECT_EQ(m_host.View.UpdateDepth(), 1);
        m_room->DeleteNodeRows(true);
        Show();
    }
    EXPECT_EQ(m_host.View.Selected(), m_storey->TreeItem());
    EXPECT_EQ(m_host.View.UpdateDepth(), 0);
    {
        CNodeStateKeep keep;
        m_storey->DeleteNodeRows(true);
        Show();
    }
    EXPECT_EQ(m_host.View.Selected(), building->TreeItem());
    {
        CNodeStateKeep keep;
        building->DeleteNodeRows(true);
        Show();
    }
    EXPECT_EQ(m_host.View.Selected(), Root().TreeItem());
}

TEST_F(ProjectTreeView, KeeperSkipsANodeTheRebuiltViewHides)
{
    Show();
    m_host.View.Select(m_room->Child(0)->TreeItem());
    {
        CNodeStateKeep keep;
        m_host.HiddenTypes = {4};
        Show();
    }
    EXPECT_EQ(m_host.View.Selected(), m_room->TreeItem());
}

TEST_F(ProjectTree, KeeperRemembersOnlyTheNearest49Nodes)
{
    std::vector<CNodeData*> chain;
    CNodeData* parent = &Root();
    for (int depth = 1; depth <= 60; ++depth)
        chain.push_back(parent = Make(parent, 30));
    Show();
    m_host.View.Select(chain.back()->TreeItem());
    {
        CNodeStateKeep keep;
        chain[11]->DeleteNodeRows(true); // depths 12 to 60 go; 1 to 11 stay
        Show();
    }
    ASSERT_NE(chain[10]->TreeItem(), nullptr);
    EXPECT_EQ(m_host.View.Selected(), Root().TreeItem());
}
