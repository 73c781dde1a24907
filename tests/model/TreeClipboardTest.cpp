// Copy, cut and paste of tree nodes on a small project, each paste all or nothing.
#include "tests/model/ProjectTreeFixture.h"

#include "model/CElementBase.h"
#include "platform/core/Exception.h"

namespace {

// 大楼1 / 楼层1 { 房间1 (人员1, 照明1; Area 20), 房间2 }, 楼层2 { 房间1 (照明1) }, shown in the main view.
class TreeClipboard : public ProjectTreeFixture
{
protected:
    void SetUp() override
    {
        ProjectTreeFixture::SetUp();
        m_building = Make(&Root(), 1);
        m_s1 = Make(m_building, 2);
        m_s2 = Make(m_building, 2);
        m_room = Make(m_s1, 3);
        Make(m_room, 4);
        Make(m_room, 5);
        m_room->LoadElement()->SetAttribute(QStringLiteral("Area"), QStringLiteral("20"));
        ASSERT_EQ(m_room->LoadElement()->UpdateRecord(), 1);
        m_room2 = Make(m_s1, 3);
        m_other = Make(m_s2, 3);
        Make(m_other, 5);
        Show();
    }

    void Select(CNodeData* node) { m_host.View.Select(node ? node->TreeItem() : nullptr); }
    QString Counts()
    {
        return QStringLiteral("%1 %2 %3 %4")
            .arg(Int("select count(*) from tbl_tree"))
            .arg(Int("select count(*) from Room"))
            .arg(Int("select count(*) from People"))
            .arg(Int("select count(*) from Lighting"));
    }
    static QStringList Captions(const CNodeData* node)
    {
        QStringList captions;
        for (int i = 0; i < node->ChildCount(); ++i)
            captions << node->Child(i)->Caption();
        return captions;
    }

    CNodeData* m_building = nullptr;
    CNodeData* m_s1 = nullptr;
    CNodeData* m_s2 = nullptr;
    CNodeData* m_room = nullptr;
    CNodeData* m_room2 = nullptr;
    CNodeData* m_other = nullptr;
};

} // namespace

TEST_F(TreeClipboard, ACopiedRoomPastesAsANewLastChildAgainAndAgain)
{
    Select(m_room);
    m_clipboard.Copy();
    EXPECT_EQ(m_clipboard.Mode(), 0);
    EXPECT_EQ(m_clipboard.ContentType(), 3);
    EXPECT_EQ(m_clipboard.CanPaste(m_s1->TreeItem()), 2);

    Select(m_s1);
    m_clipboard.Paste(2);
    Select(m_s1);
    m_clipboard.Paste(2);
    EXPECT_EQ(Captions(m_s1), QStringList({"房间1", "房间2", "房间1[副本1]", "房间1[副本2]"}));
    CNodeData* copy = m_s1->Child(3);
    EXPECT_EQ(Captions(copy), QStringList({"人员1", "照明1"}));
    EXPECT_EQ(m_host.View.Selected(), copy->TreeItem());
    EXPECT_EQ(m_host.View.Selected()->Text(), QStringLiteral("房间1[副本2]"));
    EXPECT_EQ(m_host.Reloads, 2);
    EXPECT_EQ(Int(QStringLiteral("select Area from Room where ID=%1").arg(copy->GetElementId())), 20);
    EXPECT_EQ(m_clipboard.Mode(), 0);
    EXPECT_TRUE(Dialogs().Messages.isEmpty()) << Dialogs().Messages.join('\n').toStdString();
}

TEST_F(TreeClipboard, PastingOverARoomKeepsItsPlaceAndTakesTheContent)
{
    const int nodeId = m_other->NodeId();
    const int elementId = m_other->GetElementId();
    const int oldLighting = m_other->Child(0)->GetElementId();
    m_room->SetNodeStatus(false);
    Select(m_room);
    m_clipboard.Copy();
    ASSERT_EQ(m_clipboard.CanPaste(m_other->TreeItem()), 1);

    Select(m_other);
    m_clipboard.Paste(1);
    ASSERT_EQ(m_s2->ChildCount(), 1);
    EXPECT_EQ(m_s2->Child(0), m_other);
    EXPECT_EQ(m_other->NodeId(), nodeId);
    EXPECT_EQ(m_other->GetElementId(), elementId);
    EXPECT_EQ(m_other->Caption(), QStringLiteral("房间1"));
    EXPECT_EQ(
        Column(QStringLiteral("select Name||','||Area||','||Status from Room where ID=%1").arg(elementId)),
        QStringList{"房间1,20.0,0"});
    // The idle state comes along, so the image agrees with the element's Status.
    EXPECT_EQ(m_other->ImageIndex(), 33);
    EXPECT_EQ(Int(QStringLiteral("select f_imageindex from tbl_tree where f_nodeid=%1").arg(nodeId)), 33);
    EXPECT_EQ(Captions(m_other), QStringList({"人员1", "照明1"}));
    EXPECT_EQ(Int(QStringLiteral("select count(*) from Lighting where ID=%1").arg(oldLighting)), 0);
    EXPECT_EQ(Int(QStringLiteral("select count(*) from Lighting where parent_id=%1").arg(elementId)), 1);
    EXPECT_EQ(m_host.View.Selected(), m_other->TreeItem());
}

TEST_F(TreeClipboard, RefusalsSayWhyAndChangeNothing)
{
    const QString before = Counts();
    Select(m_s1);
    m_clipboard.Copy();
    EXPECT_EQ(m_clipboard.CanPaste(m_other->TreeItem()), 0);
    EXPECT_EQ(m_clipboard.CanPaste(m_room2->TreeItem()), 0);
    EXPECT_EQ(m_clipboard.CanPaste(m_s1->TreeItem()), 0);
    EXPECT_EQ(m_clipboard.CanPaste(m_s2->TreeItem()), 1);
    EXPECT_EQ(m_clipboard.CanPaste(m_building->TreeItem()), 2);
    m_clipboard.Paste(2);
    Select(m_room2);
    m_clipboard.Paste(1);
    EXPECT_EQ(
        Dialogs().Messages,
        QStringList({"不可以粘贴，请确认粘贴的位置", "不可粘贴本节点或上游节点", "不可粘贴本节点或上游节点",
                     "不可对同一对象进行'复制'、'粘贴'操作", "类型不一致，不可以同层粘贴"}));
    EXPECT_EQ(Counts(), before);
    EXPECT_EQ(m_host.Reloads, 0);
}

TEST_F(TreeClipboard, ACutRoomMovesAndEmptiesTheClipboard)
{
    const QString before = Counts();
    const int oldRoomId = m_room->GetElementId();
    Select(m_room);
    m_clipboard.Cut();
    EXPECT_EQ(m_clipboard.Mode(), 1);
    Select(m_s2);
    m_clipboard.Paste(2);

    EXPECT_EQ(Captions(m_s1), QStringList{"房间2"});
    EXPECT_EQ(m_room2->Index(), 0);
    EXPECT_EQ(Int(QStringLiteral("select f_index from tbl_tree where f_nodeid=%1").arg(m_room2->NodeId())),
              0);
    EXPECT_EQ(Captions(m_s2), QStringList({"房间1", "房间1[副本1]"}));
    CNodeData* moved = m_s2->Child(1);
    EXPECT_NE(moved->GetElementId(), oldRoomId);
    EXPECT_EQ(Int(QStringLiteral("select count(*) from Room where ID=%1").arg(oldRoomId)), 0);
    EXPECT_EQ(
        Int(QStringLiteral("select count(*) from People where parent_id=%1").arg(moved->GetElementId())), 1);
    EXPECT_EQ(Counts(), before);
    EXPECT_EQ(m_clipboard.Mode(), -1);
    EXPECT_EQ(m_clipboard.NodeId(), -1);

    const int reloads = m_host.Reloads;
    m_clipboard.Paste(2);
    EXPECT_EQ(m_host.Reloads, reloads);
    EXPECT_EQ(m_s2->ChildCount(), 2);
}

TEST_F(TreeClipboard, ACutWhoseCopyFailsLeavesTheSourceInPlace)
{
    const QString before = Counts();
    Select(m_room);
    m_clipboard.Cut();
    m_project.ExecSQL(
        CSQLStatement("create trigger t before insert on Lighting begin select raise(ignore); end"));
    Select(m_s2);
    m_clipboard.Paste(2);

    EXPECT_EQ(Counts(), before);
    EXPECT_EQ(Captions(m_s1), QStringList({"房间1", "房间2"}));
    EXPECT_EQ(m_s1->Child(0), m_room);
    EXPECT_EQ(m_room->Index(), 0);
    EXPECT_EQ(Captions(m_room), QStringList({"人员1", "照明1"}));
    EXPECT_EQ(Captions(m_s2), QStringList{"房间1"});
    EXPECT_EQ(m_clipboard.Mode(), 1);
    // The tree is as it was, so the view is neither rebuilt nor loses its selection.
    EXPECT_EQ(m_host.Reloads, 0);
    EXPECT_EQ(m_host.View.Selected(), m_s2->TreeItem());
    EXPECT_EQ(Texts(m_room->TreeItem()), QStringList({"人员1", "照明1"}));
}

TEST_F(TreeClipboard, AFolderPastesWhereItsFirstContentMay)
{
    CNodeData* folder = Make(m_s1, 30);
    Make(Make(folder, 30), 3);
    CNodeData* empty = Make(m_s1, 30);
    Make(empty, 30);
    Show();

    m_clipboard.CopyNode(folder->TreeItem());
    EXPECT_EQ(m_clipboard.ContentType(), 3);
    EXPECT_EQ(m_clipboard.CanPaste(m_s2->TreeItem()), 2);
    EXPECT_EQ(m_clipboard.CanPaste(m_building->TreeItem()), 0);
    Select(m_s2);
    m_clipboard.Paste(2);
    ASSERT_EQ(m_s2->ChildCount(), 2);
    EXPECT_EQ(m_s2->Child(1)->Child(0)->Child(0)->Caption(), QStringLiteral("房间3"));

    m_clipboard.CopyNode(empty->TreeItem());
    EXPECT_EQ(m_clipboard.ContentType(), 30);
    EXPECT_EQ(m_clipboard.CanPaste(m_building->TreeItem()), 2);
    EXPECT_EQ(m_clipboard.CanPaste(m_other->TreeItem()), 2);
}

TEST_F(TreeClipboard, ADeletedNodeIsNotPastedAndACutWithoutSelectionKeepsTheCopy)
{
    Select(m_room2);
    m_clipboard.Copy();
    m_host.View.Select(nullptr);
    m_clipboard.Cut();
    EXPECT_EQ(m_clipboard.Mode(), 0);

    ASSERT_TRUE(m_room2->DeleteNodeRows(true));
    const QString before = Counts();
    Select(m_s1);
    EXPECT_EQ(m_clipboard.CanPaste(m_s1->TreeItem()), 0);
    m_clipboard.Paste(2);
    EXPECT_EQ(Counts(), before);
    EXPECT_EQ(m_host.Reloads, 0);
    EXPECT_TRUE(Dialogs().Messages.isEmpty());

    m_clipboard.Clear();
    EXPECT_EQ(m_clipboard.NodeId(), -1);
    EXPECT_EQ(m_clipboard.Mode(), -1);
}

TEST_F(TreeClipboard, PasteMirroredHandsTheCopyToTheMirrorInsideTheEdit)
{
    m_clipboard.CopyNode(m_room->TreeItem());
    QStringList seen;
    CNodeData* result =
        m_clipboard.PasteMirrored(m_s2->TreeItem(), 2, 1, [&](int mode, CNodeData& source, CNodeData& copy) {
            seen << QStringLiteral("%1 %2 %3").arg(mode).arg(source.Caption(), copy.Caption());
        });
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(seen, QStringList{"1 房间1 房间1[副本1]"});
    EXPECT_EQ(m_host.Reloads, 0);
    EXPECT_EQ(result->Parent(), m_s2);

    const QString before = Counts();
    EXPECT_THROW(m_clipboard.PasteMirrored(
                     m_s2->TreeItem(), 2, 2,
                     [](int, CNodeData&, CNodeData&) { throw Exception(QStringLiteral("镜像失败")); }),
                 Exception);
    EXPECT_EQ(Counts(), before);
    EXPECT_EQ(m_s2->ChildCount(), 2);
}
