#include "app/controls/TCheckPopupTree.h"
#include "app/controls/TCheckTreeView.h"
#include "app/controls/TPopupTree.h"
#include "model/CProjectData.h"
#include "platform/core/Exception.h"
#include "tests/app/TestApplication.h"
#include "tests/model/ProjectTreeFixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTreeWidgetItemIterator>

namespace {
void SendMouse(QAbstractScrollArea* tree, QEvent::Type type, const QPoint& at,
               Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent event(type, at, tree->viewport()->mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(tree->viewport(), &event);
}

// A click where the item's picture is, or would be when it shows none.
void ClickPicture(TCheckTreeView& tree, QTreeWidgetItem* item)
{
    const QRect picture = tree.PictureRect(item);
    const QRect row = tree.visualItemRect(item);
    const QPoint at = picture.isEmpty() ? QPoint(row.left() + 6, row.center().y()) : picture.center();
    SendMouse(&tree, QEvent::MouseButtonPress, at);
    SendMouse(&tree, QEvent::MouseButtonRelease, at);
}

void ClickLabel(TCheckTreeView& tree, QTreeWidgetItem* item)
{
    const QRect picture = tree.PictureRect(item);
    const QRect row = tree.visualItemRect(item);
    const QPoint at(picture.right() + 12, row.center().y());
    ASSERT_FALSE(picture.contains(at));
    SendMouse(&tree, QEvent::MouseButtonPress, at);
}

// Widgets of a fixture are members: the application must exist before they are built.
struct ApplicationFirst
{
    ApplicationFirst() { EnsureTestApplication(); }
};

// State of every item in index order, as "text:state".
QStringList States(QTreeWidget& tree)
{
    QStringList states;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        states << QStringLiteral("%1:%2").arg((*it)->text(0)).arg(TCheckTreeView::State(*it));
    return states;
}
} // namespace

// A small check tree: 全部 > (甲 > 甲1 甲2 甲3), (乙 > 乙1); all unchecked.
class CheckTreeViewTest : private ApplicationFirst, public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_tree.resize(300, 400);
        m_all = m_tree.AddItem(nullptr, QStringLiteral("全部"), 0);
        m_a = m_tree.AddItem(m_all, QStringLiteral("甲"), 0);
        for (const char* text : {"甲1", "甲2", "甲3"})
            m_aChildren << m_tree.AddItem(m_a, QString::fromUtf8(text), 0);
        m_b = m_tree.AddItem(m_all, QStringLiteral("乙"), 0);
        m_b1 = m_tree.AddItem(m_b, QStringLiteral("乙1"), 0);
        m_tree.expandAll();
        m_tree.show();
        m_tree.OnNodeSatueChange = [this](QTreeWidgetItem* item) { m_changed << item->text(0); };
        m_tree.OnManualStatueChanged = [this](QTreeWidgetItem* item) { m_manual << item->text(0); };
    }

    TCheckTreeView m_tree;
    QTreeWidgetItem* m_all = nullptr;
    QTreeWidgetItem* m_a = nullptr;
    QList<QTreeWidgetItem*> m_aChildren;
    QTreeWidgetItem* m_b = nullptr;
    QTreeWidgetItem* m_b1 = nullptr;
    QStringList m_changed;
    QStringList m_manual;
};

TEST_F(CheckTreeViewTest, ClickOnThePictureTogglesAndPartlyCheckedBecomesUnchecked)
{
    ClickPicture(m_tree, m_b1);
    EXPECT_EQ(TCheckTreeView::State(m_b1), 1);
    EXPECT_EQ(TCheckTreeView::State(m_b), 0) << "no propagation without ApplyToParent";
    EXPECT_EQ(m_tree.currentItem(), m_b1);
    EXPECT_EQ(m_changed, QStringList({"乙1"}));
    EXPECT_EQ(m_manual, QStringList({"乙1"}));

    m_tree.SetState(m_a, 2);
    m_changed.clear();
    ClickPicture(m_tree, m_a);
    EXPECT_EQ(TCheckTreeView::State(m_a), 0);
    EXPECT_EQ(m_changed, QStringList({"甲"}));

    // The label only selects.
    m_changed.clear();
    m_manual.clear();
    ClickLabel(m_tree, m_b1);
    EXPECT_EQ(TCheckTreeView::State(m_b1), 1);
    EXPECT_EQ(m_tree.currentItem(), m_b1);
    EXPECT_TRUE(m_changed.isEmpty());
    EXPECT_TRUE(m_manual.isEmpty());
}

TEST_F(CheckTreeViewTest, ParentFollowsItsChildrenWithApplyToParent)
{
    m_tree.ApplyToParent = true;
    const struct
    {
        int child;
        int expectedParent;
        int expectedTop;
    } steps[] = {
        {0, 2, 2}, {1, 2, 2}, {2, 1, 2}, // all of 甲 ticked; 乙 still unticked
        {1, 2, 2},                       // one unticked again
        {0, 2, 2}, {2, 0, 0},            // all unticked
    };
    for (const auto& step : steps) {
        ClickPicture(m_tree, m_aChildren[step.child]);
        EXPECT_EQ(TCheckTreeView::State(m_a), step.expectedParent) << "child " << step.child;
        EXPECT_EQ(TCheckTreeView::State(m_all), step.expectedTop) << "child " << step.child;
    }
    // The top item is recomputed once 乙 is ticked as well.
    for (int i = 0; i < 3; ++i)
        ClickPicture(m_tree, m_aChildren[i]);
    ClickPicture(m_tree, m_b1);
    EXPECT_EQ(TCheckTreeView::State(m_all), 1);
}

TEST_F(CheckTreeViewTest, ClickGivesItsStateToTheSubtreeWithApplyToChild)
{
    m_tree.ApplyToChild = true;
    m_tree.SetState(m_aChildren[1], 1);
    ClickPicture(m_tree, m_a);
    EXPECT_EQ(States(m_tree), QStringList({"全部:0", "甲:1", "甲1:1", "甲2:1", "甲3:1", "乙:0", "乙1:0"}));
    // Only items whose state changed are reported; the manual event comes last, once.
    EXPECT_EQ(m_changed, QStringList({"甲", "甲1", "甲3"}));
    EXPECT_EQ(m_manual, QStringList({"甲"}));
}

TEST_F(CheckTreeViewTest, NotCheckableItemsIgnoreClicksAndStopUpwardPropagation)
{
    m_tree.ApplyToParent = true;
    m_tree.SetState(m_a, 5);
    ClickPicture(m_tree, m_a);
    EXPECT_EQ(TCheckTreeView::State(m_a), 5);
    EXPECT_TRUE(m_changed.isEmpty());

    ClickPicture(m_tree, m_aChildren[0]);
    EXPECT_EQ(TCheckTreeView::State(m_a), 5);
    EXPECT_EQ(TCheckTreeView::State(m_all), 0) << "propagation stops below the not-checkable item";

    // A parent whose children are all not checkable is unchecked.
    m_tree.SetState(m_b1, 4);
    m_tree.SetState(m_b, 1);
    m_tree.SetParentNodeStatue(m_b1, 4);
    EXPECT_EQ(TCheckTreeView::State(m_b), 0);

    // SetCheck on an ancestor overwrites them.
    m_tree.SetCheck(m_all, false);
    EXPECT_EQ(States(m_tree), QStringList({"全部:1", "甲:1", "甲1:1", "甲2:1", "甲3:1", "乙:1", "乙1:1"}));
}

TEST_F(CheckTreeViewTest, SetCheckTrueUnchecksAndFalseChecksBothWays)
{
    // Propagation happens whatever the Apply flags say.
    m_tree.SetCheck(m_a, false);
    EXPECT_EQ(States(m_tree), QStringList({"全部:2", "甲:1", "甲1:1", "甲2:1", "甲3:1", "乙:0", "乙1:0"}));
    EXPECT_EQ(m_changed, QStringList({"甲", "甲1", "甲2", "甲3", "全部"}));
    EXPECT_TRUE(m_manual.isEmpty());

    m_tree.SetCheck(m_aChildren[1], true);
    EXPECT_EQ(States(m_tree), QStringList({"全部:2", "甲:2", "甲1:1", "甲2:0", "甲3:1", "乙:0", "乙1:0"}));
    m_tree.SetCheck(m_all, true);
    EXPECT_EQ(States(m_tree), QStringList({"全部:0", "甲:0", "甲1:0", "甲2:0", "甲3:0", "乙:0", "乙1:0"}));
}

// Project: 大楼1 > 楼层1 > (房间1 > 外墙1), 房间2; 楼层2 > 房间3.
class PopupTreeTest : private ApplicationFirst, public ProjectTreeFixture
{
protected:
    void SetUp() override
    {
        ProjectTreeFixture::SetUp();
        m_building = Make(&Root(), 1);
        CNodeData* storey1 = Make(m_building, 2);
        m_room1 = Make(storey1, 3);
        m_wall = Make(m_room1, 4);
        Make(storey1, 3);
        Make(Make(m_building, 2), 3);
        Show();
        m_popup.resize(200, 300);
        m_popup.OnCloseUp = [this](QObject* sender) {
            ++m_closeUps;
            m_acceptedAtClose = m_popup.Accepted;
            m_countAtClose = m_popup.topLevelItemCount();
            m_picked = sender == &m_popup ? TPopupTree::NodeOf(m_popup.currentItem()) : nullptr;
        };
    }

    // The drop-down's items as "text" lines indented by depth.
    QStringList Items()
    {
        QStringList lines;
        for (QTreeWidgetItemIterator it(&m_popup); *it; ++it) {
            int depth = 0;
            for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent())
                ++depth;
            lines << QString(depth, QLatin1Char('-')) + (*it)->text(0);
        }
        return lines;
    }
    QTreeWidgetItem* Find(const QString& text)
    {
        const auto found = m_popup.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    void Open()
    {
        ASSERT_TRUE(m_popup.AssignTree(1, m_wall->TreeItem()));
        m_popup.expandAll();
        m_popup.show();
    }

    TPopupTree m_popup;
    CNodeData* m_building = nullptr;
    CNodeData* m_room1 = nullptr;
    CNodeData* m_wall = nullptr;
    int m_closeUps = 0;
    bool m_acceptedAtClose = false;
    int m_countAtClose = -1;
    CNodeData* m_picked = nullptr;
};

TEST_F(PopupTreeTest, CopiesTheBranchWithRoomsAsLeaves)
{
    Open();
    EXPECT_EQ(Items(),
              QStringList({"建筑元素", "-大楼1", "--楼层1", "---房间1", "---房间2", "--楼层2", "---房间1"}));
    EXPECT_EQ(TPopupTree::NodeOf(m_popup.topLevelItem(0)), nullptr);
    EXPECT_EQ(TPopupTree::NodeOf(m_popup.topLevelItem(0)->child(0)), m_building);

    // The item itself is never the branch: a building item has no building above it.
    EXPECT_FALSE(m_popup.AssignTree(1, m_building->TreeItem()));
    EXPECT_EQ(m_popup.topLevelItemCount(), 0);
    // From a storey upward.
    ASSERT_TRUE(m_popup.AssignTree(2, m_wall->TreeItem()));
    EXPECT_EQ(Items(), QStringList({"建筑元素", "-楼层1", "--房间1", "--房间2"}));
}

TEST_F(PopupTreeTest, ReleasingOnARoomAcceptsAndOutsideCancels)
{
    Open();
    QTreeWidgetItem* storey = Find(QStringLiteral("楼层1"));
    SendMouse(&m_popup, QEvent::MouseButtonRelease, m_popup.visualItemRect(storey).center());
    EXPECT_TRUE(m_popup.isVisible());
    EXPECT_EQ(m_closeUps, 0);
    QTreeWidgetItem* room = Find(QStringLiteral("房间1"));
    SendMouse(&m_popup, QEvent::MouseButtonRelease, m_popup.visualItemRect(room).center(), Qt::RightButton);
    EXPECT_TRUE(m_popup.isVisible());

    SendMouse(&m_popup, QEvent::MouseButtonRelease, m_popup.visualItemRect(room).center());
    EXPECT_FALSE(m_popup.isVisible());
    EXPECT_EQ(m_closeUps, 1);
    EXPECT_TRUE(m_acceptedAtClose);
    EXPECT_EQ(m_countAtClose, 1) << "the handler still sees the items";
    EXPECT_EQ(m_picked, m_room1);
    EXPECT_EQ(m_popup.topLevelItemCount(), 0);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    // The right and bottom edges count as inside; one pixel beyond is outside.
    Open();
    const QPoint origin = m_popup.viewport()->mapTo(&m_popup, QPoint(0, 0));
    SendMouse(&m_popup, QEvent::MouseButtonRelease, QPoint(m_popup.width(), m_popup.height()) - origin);
    EXPECT_TRUE(m_popup.isVisible());
    SendMouse(&m_popup, QEvent::MouseButtonRelease, QPoint(m_popup.width() + 1, 0) - origin);
    EXPECT_FALSE(m_popup.isVisible());
    EXPECT_EQ(m_closeUps, 2);
    EXPECT_FALSE(m_acceptedAtClose);
    EXPECT_EQ(m_popup.topLevelItemCount(), 0);

    Open();
    SendMouse(&m_popup, QEvent::MouseButtonRelease, QPoint(-1, 5) - origin);
    EXPECT_EQ(m_closeUps, 3);
    EXPECT_FALSE(m_acceptedAtClose);
}

// Project: 大楼1 > 楼层1 > 房间1, 房间2, (folder > 房间3); 楼层2 > 房间1; all flags 1 as created.
class CheckPopupTreeTest : private ApplicationFirst, public ProjectTreeFixture
{
protected:
    void SetUp() override
    {
        ProjectTreeFixture::SetUp();
        CProjectData::SetCurrent(&m_parameters);
        m_building = Make(&Root(), 1);
        m_storey1 = Make(m_building, 2);
        m_room1 = Make(m_storey1, 3);
        m_room2 = Make(m_storey1, 3);
        m_room3 = Make(Make(m_storey1, 30), 3);
        m_storey2 = Make(m_building, 2);
        Make(m_storey2, 3);
        for (const char* table : {"Building", "Storey", "Room"})
            m_project.ExecSQL(CSQLStatement(
                QStringLiteral(
                    "update %1 set IsOutputIndoorParameter = 1, IsOutputLoadCalculationParameter = 1, "
                    "IsOutputLoadStatisticsData = 1, IsOutputLoadHourlyData = 1, "
                    "HIsOutputLoadStatisticsData = 1, HIsOutputLoadHourlyData = 1")
                    .arg(QString::fromLatin1(table))));
    }
    void TearDown() override { CProjectData::SetCurrent(nullptr); }

    void Construct(TCheckPopupTree& tree, bool expandAll = true)
    {
        tree.resize(300, 400);
        tree.ConstructTree();
        tree.ApplyToChild = true;
        tree.ApplyToParent = true;
        tree.UpdateNodeImageIndex();
        if (expandAll)
            tree.expandAll();
        tree.show();
    }
    QTreeWidgetItem* ItemOf(TCheckPopupTree& tree, const CNodeData* node)
    {
        for (QTreeWidgetItemIterator it(&tree); *it; ++it)
            if (TCheckPopupTree::NodeIdOf(*it) == node->NodeId())
                return *it;
        return nullptr;
    }
    CCheckPopData* RecordOf(TCheckPopupTree& tree, const CNodeData* node)
    {
        return tree.Record(node->Type(), node->GetElementId());
    }

    CProjectData m_parameters;
    CNodeData* m_building = nullptr;
    CNodeData* m_storey1 = nullptr;
    CNodeData* m_room1 = nullptr;
    CNodeData* m_room2 = nullptr;
    CNodeData* m_room3 = nullptr;
    CNodeData* m_storey2 = nullptr;
};

TEST_F(CheckPopupTreeTest, ShowsBuildingsStoreysAndRoomsWithTheStoredFlags)
{
    m_project.ExecSQL(
        CSQLStatement(QStringLiteral("update Room set IsOutputIndoorParameter = 0 where ID = %1")
                          .arg(m_room2->GetElementId())));
    TCheckPopupTree tree;
    Construct(tree, false);
    // The folder passes its room up; the storey keeps its own stored flag although one room is off.
    EXPECT_EQ(States(tree), QStringList({"工程:1", "大楼1:1", "楼层1:1", "房间1:1", "房间2:0", "房间3:1",
                                         "楼层2:1", "房间1:1"}));
    EXPECT_TRUE(tree.topLevelItem(0)->isExpanded());
    EXPECT_TRUE(ItemOf(tree, m_building)->isExpanded());
    EXPECT_FALSE(ItemOf(tree, m_storey1)->isExpanded());
    EXPECT_EQ(tree.RecordOf(tree.topLevelItem(0)), nullptr);
    ASSERT_NE(RecordOf(tree, m_room2), nullptr);
    EXPECT_EQ(RecordOf(tree, m_room2)->StoredFlags, (std::array<int, 4>{0, 1, 1, 1}));
    EXPECT_FALSE(RecordOf(tree, m_room2)->Modified);
}

TEST_F(CheckPopupTreeTest, PartlyTickedBuildingIsStoredAsPartlyAndNotPrinted)
{
    TCheckPopupTree tree;
    tree.SetOutputColumn(2);
    Construct(tree);
    ClickPicture(tree, ItemOf(tree, m_room1));

    EXPECT_EQ(RecordOf(tree, m_room1)->CurrentFlags[2], 0);
    for (const CNodeData* node : {m_storey1, m_building}) {
        const CCheckPopData* record = RecordOf(tree, node);
        EXPECT_EQ(record->CurrentFlags[2], 2) << node->Caption().toStdString();
        EXPECT_EQ(record->StoredFlags[2], 1);
        EXPECT_TRUE(record->Modified);
        EXPECT_FALSE(CCheckPopData::IsPrinted(record->CurrentFlags[2]));
    }
    EXPECT_EQ(RecordOf(tree, m_room1)->CurrentFlags[0], 1) << "other columns untouched";
    EXPECT_FALSE(RecordOf(tree, m_storey2)->Modified);
    EXPECT_FALSE(RecordOf(tree, m_room2)->Modified);
    EXPECT_TRUE(CCheckPopData::IsPrinted(RecordOf(tree, m_room2)->CurrentFlags[2]));
    // The project nodes carry nothing of the drop-down.
    EXPECT_EQ(m_building->Record(), nullptr);
    EXPECT_EQ(m_room1->Record(), nullptr);
}

TEST_F(CheckPopupTreeTest, TwoDropDownsKeepTheirOwnEdits)
{
    auto first = std::make_unique<TCheckPopupTree>();
    Construct(*first);
    {
        TCheckPopupTree second;
        Construct(second);
        ClickPicture(second, ItemOf(second, m_room2));
        EXPECT_EQ(RecordOf(second, m_room2)->CurrentFlags[0], 0);
    }
    // The second drop-down is gone; the first still records into its own records.
    EXPECT_FALSE(RecordOf(*first, m_room2)->Modified);
    ClickPicture(*first, ItemOf(*first, m_room3));
    EXPECT_EQ(RecordOf(*first, m_room3)->CurrentFlags[0], 0);
    EXPECT_TRUE(RecordOf(*first, m_room3)->Modified);
    EXPECT_EQ(RecordOf(*first, m_storey1)->CurrentFlags[0], 2);
}

TEST_F(CheckPopupTreeTest, SwitchingTheColumnShowsItsEditedStates)
{
    TCheckPopupTree tree;
    tree.SetOutputColumn(1);
    Construct(tree);
    ClickPicture(tree, ItemOf(tree, m_storey2));
    tree.SetOutputColumn(3);
    tree.UpdateNodeImageIndex();
    EXPECT_EQ(TCheckTreeView::State(ItemOf(tree, m_storey2)), 1);
    tree.SetOutputColumn(1);
    tree.UpdateNodeImageIndex();
    EXPECT_EQ(TCheckTreeView::State(ItemOf(tree, m_storey2)), 0);
    EXPECT_EQ(TCheckTreeView::State(ItemOf(tree, m_building)), 2);
    EXPECT_EQ(TCheckTreeView::State(tree.topLevelItem(0)), 2);

    tree.SetOutputColumn(7);
    EXPECT_EQ(tree.OutputColumn(), 1);
}

TEST_F(CheckPopupTreeTest, HeatingDesignTypesEditTheHeatingColumns)
{
    const struct
    {
        int designType;
        int statistics;
        int hourly;
    } cases[] = {{0, 0, 1}, {5, 0, 1}, {6, 1, 0}, {8, 1, 0}};
    m_project.ExecSQL(CSQLStatement(QStringLiteral("update Room set IsOutputLoadStatisticsData = 0, "
                                                   "HIsOutputLoadHourlyData = 0")));
    for (const auto& c : cases) {
        m_parameters.DesignType = c.designType;
        TCheckPopupTree tree;
        tree.ConstructTree();
        const CCheckPopData* record = RecordOf(tree, m_room1);
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->StoredFlags[2], c.statistics) << "design type " << c.designType;
        EXPECT_EQ(record->StoredFlags[3], c.hourly) << "design type " << c.designType;
    }
}

TEST_F(CheckPopupTreeTest, RoomWithoutRowCannotBeTickedAndEmptyProjectShowsOnlyTheProject)
{
    m_project.ExecSQL(
        CSQLStatement(QStringLiteral("delete from Room where ID = %1").arg(m_room1->GetElementId())));
    TCheckPopupTree tree;
    Construct(tree);
    QTreeWidgetItem* item = ItemOf(tree, m_room1);
    EXPECT_EQ(TCheckTreeView::State(item), 3);
    ClickPicture(tree, item);
    EXPECT_EQ(TCheckTreeView::State(item), 3);
    EXPECT_EQ(tree.RecordOf(item), nullptr);

    ASSERT_TRUE(m_building->DeleteNodeRows(true));
    TCheckPopupTree empty;
    Construct(empty);
    EXPECT_EQ(States(empty), QStringList({"工程:0"}));
}

TEST_F(CheckPopupTreeTest, FailingLoadRaisesAndKeepsWhatWasLoaded)
{
    TCheckPopupTree tree;
    tree.LoadData(QStringLiteral("Building"), 1);
    EXPECT_THROW(tree.LoadData(QStringLiteral("NoSuchTable"), 2), Exception);
    EXPECT_NE(tree.Record(1, m_building->GetElementId()), nullptr);
    EXPECT_EQ(tree.Map(2).Count(), 0);
}

TEST_F(CheckPopupTreeTest, ReleaseOutsideClosesTheDropDown)
{
    TCheckPopupTree tree;
    int closeUps = 0;
    tree.OnCloseUp = [&closeUps](QObject*) { ++closeUps; };
    Construct(tree);
    EXPECT_EQ(QWidget::mouseGrabber(), tree.viewport());
    ClickPicture(tree, ItemOf(tree, m_room2));
    EXPECT_TRUE(tree.isVisible());
    SendMouse(&tree, QEvent::MouseButtonRelease, QPoint(-5, -5));
    EXPECT_FALSE(tree.isVisible());
    EXPECT_EQ(closeUps, 1);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}
