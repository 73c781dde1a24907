// Room mirror (TMirrorForm) on a copy of the blank project: the orientation table with its
// deviation, the copy of the source room into the target, the dialog's choice and the
// all-or-nothing mirror.
#include "tests/bulk/BulkFixture.h"

#include "app/controls/ModalResult.h"
#include "bulk/CBulkTree.h"
#include "bulk/TMirrorForm.h"
#include "model/CElementBase.h"
#include "model/CNodeData.h"

#include <QTreeWidget>

namespace {

class Mirror : public BulkFixture
{
protected:
    // A child of the type with the orientation written to its row.
    CNodeData* Oriented(CNodeData* room, int type, int direction, double angle)
    {
        CNodeData* node = Make(room, type);
        CElementBase* element = node->LoadElement();
        element->SetAttribute(QStringLiteral("Direction"), QString::number(direction));
        element->SetAttribute(QStringLiteral("Direction_Angle"), QString::number(angle));
        EXPECT_EQ(element->UpdateRecord(), 1);
        return node;
    }
    // "Name code angle" of every element of the table under the room, in ID order.
    QStringList Orientations(const QString& table, const CNodeData* room)
    {
        return Column(QStringLiteral("select Name || ' ' || Direction || ' ' || Direction_Angle from %1 "
                                     "where parent_id = %2 order by ID")
                          .arg(table)
                          .arg(room->GetElementId()));
    }
    static QTreeWidgetItem* ItemOf(const QTreeWidget& tree, const CNodeData* node)
    {
        for (QTreeWidgetItem* item : CBulkTree::Items(tree))
            if (CBulkTree::NodeOf(item) == node)
                return item;
        return nullptr;
    }
};

} // namespace

TEST_F(Mirror, OrientationCodesFollowTheMirrorTables)
{
    // Old code 1..8 (南, 西南, 西, 西北, 北, 东北, 东, 东南) to new code, per mode.
    const int table[3][8] = {
        {5, 6, 7, 8, 1, 2, 3, 4}, // 点镜像
        {5, 4, 3, 2, 1, 8, 7, 6}, // 南北镜像
        {1, 8, 7, 6, 5, 4, 3, 2}, // 东西镜像
    };
    for (int type : {9, 12, 17, 20})
        for (int mode = 0; mode < 3; ++mode)
            for (int code = 1; code <= 8; ++code) {
                int direction = code;
                double angle = 0;
                ASSERT_TRUE(TMirrorForm::MirrorDirection(mode, type, direction, angle));
                EXPECT_EQ(direction, table[mode][code - 1]) << type << " " << mode << " " << code;
                EXPECT_EQ(angle, 0.0);
            }
    // Horizontal, codes out of range and every other element type keep what they have.
    for (const auto& [type, code] : {std::pair{17, 0}, {20, 0}, {9, 0}, {9, 9}, {10, 1}, {11, 5}, {3, 1}}) {
        int direction = code;
        double angle = 12;
        EXPECT_FALSE(TMirrorForm::MirrorDirection(1, type, direction, angle)) << type << " " << code;
        EXPECT_EQ(direction, code);
        EXPECT_EQ(angle, 12.0);
    }
}

TEST_F(Mirror, TheTargetTakesTheSourceWithItsFullAnglesMirrored)
{
    CNodeData* source = Make(m_storey, 3);
    CNodeData* target = Make(m_storey, 3);
    Make(target, 5);
    // Clockwise from south: the wall at 10°, the curtain wall at 110°, the glass roof at 230°.
    Oriented(source, 9, 1, 10);   // 外墙1: 南 + 10
    Oriented(source, 9, 0, 0);    // 外墙2: horizontal code, kept
    Oriented(source, 12, 3, 20);  // 玻璃幕墙1: 西 + 20
    Oriented(source, 17, 0, 7);   // 屋顶1: horizontal, kept
    Oriented(source, 20, 6, 5);   // 玻璃屋顶1: 东北 + 5
    Make(source, 4);
    const QStringList sourceWalls = Orientations(QStringLiteral("OutsideWall"), source);

    struct Case
    {
        int mode;
        QStringList walls, curtain, roofs, glassRoofs;
    };
    const Case cases[] = {
        {0, {"外墙1 5 10.0", "外墙2 0 0.0"}, {"玻璃幕墙1 7 20.0"}, {"屋顶1 0 7.0"}, {"玻璃屋顶1 2 5.0"}},
        {1, {"外墙1 4 35.0", "外墙2 0 0.0"}, {"玻璃幕墙1 2 25.0"}, {"屋顶1 0 7.0"}, {"玻璃屋顶1 7 40.0"}},
        {2, {"外墙1 8 35.0", "外墙2 0 0.0"}, {"玻璃幕墙1 6 25.0"}, {"屋顶1 0 7.0"}, {"玻璃屋顶1 3 40.0"}},
    };
    const int targetId = target->GetElementId();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        ASSERT_TRUE(TMirrorForm::MirrorCopy(c.mode, *source, *target));
        EXPECT_EQ(Orientations(QStringLiteral("OutsideWall"), target), c.walls);
        EXPECT_EQ(Orientations(QStringLiteral("GlassCurtainWall"), target), c.curtain);
        EXPECT_EQ(Orientations(QStringLiteral("Roof"), target), c.roofs);
        EXPECT_EQ(Orientations(QStringLiteral("GlassRoof"), target), c.glassRoofs);
    }
    // The target keeps its name and ID and holds copies of the source's children; the source is
    // only read.
    EXPECT_EQ(target->Caption(), QStringLiteral("房间2"));
    EXPECT_EQ(target->GetElementId(), targetId);
    EXPECT_EQ(Captions(target), Captions(source));
    EXPECT_NE(target->Child(0)->GetElementId(), source->Child(0)->GetElementId());
    EXPECT_EQ(Orientations(QStringLiteral("OutsideWall"), source), sourceWalls);
    EXPECT_EQ(Int(QStringLiteral("select count(*) from Lighting")), 0);
}

TEST_F(Mirror, TheDialogOffersEveryRoomButTheTargetAndWantsARoom)
{
    CNodeData* r1 = Make(m_storey, 3);
    CNodeData* target = Make(m_storey, 3);
    CNodeData* r3 = Make(m_storey, 3);
    Oriented(r1, 9, 2, 0);

    TMirrorForm form;
    form.SetTarget(target);
    form.FormShow();
    QTreeWidget& tree = *form.MirrorTreeView;
    EXPECT_NE(ItemOf(tree, r1), nullptr);
    EXPECT_NE(ItemOf(tree, r3), nullptr);
    EXPECT_EQ(ItemOf(tree, target), nullptr);
    // Expanded down to the storeys.
    EXPECT_TRUE(ItemOf(tree, m_building)->isExpanded());
    EXPECT_FALSE(ItemOf(tree, m_storey)->isExpanded());

    form.MirrorOKClick();
    ItemOf(tree, m_storey)->setSelected(true);
    form.MirrorOKClick();
    EXPECT_EQ(Dialogs().Messages, (QStringList{"请选择镜像的房间源!", "请选择镜像的房间源!"}));
    EXPECT_EQ(form.result(), 0);
    EXPECT_EQ(target->ChildCount(), 0);

    ItemOf(tree, m_storey)->setSelected(false);
    ItemOf(tree, r1)->setSelected(true);
    form.SetMode(1);
    form.MirrorOKClick();
    EXPECT_EQ(form.result(), mrOk);
    EXPECT_EQ(Orientations(QStringLiteral("OutsideWall"), target), QStringList{"外墙1 4 0.0"});
}

TEST_F(Mirror, AFailedMirrorLeavesTheTargetAsItWas)
{
    CNodeData* source = Make(m_storey, 3);
    CNodeData* target = Make(m_storey, 3);
    Oriented(source, 9, 1, 10);
    CNodeData* lighting = Make(target, 5);
    const int treeRows = Int(QStringLiteral("select count(*) from tbl_tree"));

    // The turned wall's row is refused after the copy was made.
    Exec(QStringLiteral("create trigger t before update on OutsideWall begin select raise(ignore); end"));
    TMirrorForm form;
    form.SetTarget(target);
    form.FormShow();
    for (QTreeWidgetItem* item : CBulkTree::Items(*form.MirrorTreeView))
        item->setSelected(CBulkTree::NodeOf(item) == source);
    form.MirrorOKClick();
    EXPECT_EQ(form.result(), 0);
    EXPECT_EQ(Dialogs().Messages.last(), QStringLiteral("房间镜像未能完成，工程未作任何修改。"));
    EXPECT_EQ(Captions(target), QStringList{"照明1"});
    EXPECT_EQ(target->Child(0), lighting);
    EXPECT_EQ(Int(QStringLiteral("select count(*) from tbl_tree")), treeRows);
    EXPECT_EQ(Int(QStringLiteral("select count(*) from OutsideWall")), 1);
    EXPECT_EQ(Int(QStringLiteral("select count(*) from Lighting")), 1);
}
