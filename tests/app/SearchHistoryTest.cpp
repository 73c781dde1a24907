#include "tests/app/MainWindowFixture.h"

#include "app/controls/CHistoryManage.h"
#include "app/controls/CNodeSearch.h"
#include "app/controls/CSysOutputDispatchBase.h"
#include "app/controls/CSysOutputManage.h"
#include "app/controls/TBMPButton.h"
#include "app/controls/TCustomHint.h"
#include "app/controls/TSeachForm.h"
#include "model/CNodeData.h"
#include "model/CNodeTreeView.h"
#include "model/CTreeItem.h"
#include "model/CTreeView2DB.h"
#include "project/CSystemGlobalData.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QTreeWidget>

// --- the search itself, on a tree view without nodes

namespace {

struct SearchCase
{
    const char* name;
    const char* pattern;
    int type;
    bool includeIdle;
    bool stopAtFirst;
    QStringList paths;
};

class NodeSearchTest : public ::testing::TestWithParam<SearchCase>
{
protected:
    // 工程 > 大楼A > 房间A1 (idle) > 人员A
    //            > 子树A > 房间A2
    void SetUp() override
    {
        CTreeItem* project = Add(nullptr, "工程", 0);
        CTreeItem* building = Add(project, "大楼A", 1);
        Add(Add(building, "房间A1", 33), "人员A", 4);
        Add(Add(building, "子树A", 30), "房间A2", 3);
    }
    CTreeItem* Add(CTreeItem* parent, const char* text, int image)
    {
        CTreeItem* item = m_view.AddItem(parent);
        m_view.SetItem(item, QString::fromUtf8(text), image, nullptr);
        return item;
    }
    CNodeTreeView m_view;
};

const QString kP = QStringLiteral("工程~大楼A");

} // namespace

TEST_P(NodeSearchTest, FindsHitsInPreOrder)
{
    const SearchCase& c = GetParam();
    CNodeSearch search({QString::fromUtf8(c.pattern), c.type, c.includeIdle, c.stopAtFirst});
    EXPECT_EQ(search.SearchNode(m_view.TopItem(0), QString()), c.stopAtFirst && !c.paths.isEmpty());
    QStringList paths;
    for (const SNodeSearchHit& hit : search.Hits())
        paths << hit.Path;
    EXPECT_EQ(paths, c.paths);
    EXPECT_EQ(search.HitCount(), c.paths.size());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NodeSearchTest,
    ::testing::Values(
        // The idle room is no hit, but the person below it is still searched.
        SearchCase{"IdleSkippedChildrenSearched",
                   "A",
                   0,
                   false,
                   false,
                   {kP, kP + "~房间A1~人员A", kP + "~子树A", kP + "~子树A~房间A2"}},
        SearchCase{"IdleIncluded", "房间", 3, true, false, {kP + "~房间A1", kP + "~子树A~房间A2"}},
        SearchCase{"StopsAtFirstInPreOrder", "A", 0, false, true, {kP}},
        SearchCase{"SubTreeKind", "A", 30, false, false, {kP + "~子树A"}},
        SearchCase{"ProjectOnlyWithAnyKind", "工程", 0, false, false, {"工程"}},
        SearchCase{"ProjectNotABuilding", "工程", 1, false, false, {}},
        SearchCase{"CaseSensitive", "a", 0, true, false, {}}),
    [](const ::testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });

TEST(NodeSearchPrefixTest, AncestorCaptionsFromTheTop)
{
    CNodeTreeView view;
    CTreeItem* top = view.AddItem(nullptr);
    view.SetItem(top, QStringLiteral("工程"), 0, nullptr);
    CTreeItem* building = view.AddItem(top);
    view.SetItem(building, QStringLiteral("大楼1"), 1, nullptr);
    CTreeItem* storey = view.AddItem(building);
    view.SetItem(storey, QStringLiteral("楼层1"), 2, nullptr);
    EXPECT_EQ(CNodeSearch::AncestorPrefix(storey), QStringLiteral("工程~大楼1"));
    EXPECT_EQ(CNodeSearch::AncestorPrefix(top), QString());
}

// --- the search panel and the history in the main window

class SearchHistoryTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        OpenSmallProject();
        CHistoryManage::Instance().Clear();
    }
    void TearDown() override
    {
        CHistoryManage::Instance().Clear();
        MainWindowFixture::TearDown();
    }
    TSeachForm* OpenSearch()
    {
        if (!m_window->SearchForm())
            Trigger("Action_Find");
        return m_window->SearchForm();
    }
    // Runs "查找" with the text; scope 0 the selected node, 1 all; mode 0 stop, 1 list.
    TSeachForm* Find(const QString& text, int scope = 1, int mode = 1, int kind = 0)
    {
        TSeachForm* form = OpenSearch();
        form->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(text);
        form->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->setCurrentIndex(kind);
        Check(form, "RadioGroup1", scope);
        Check(form, "RadioGroup2", mode);
        form->findChild<TBMPButton*>(QStringLiteral("BMPButton1"))->click();
        return form;
    }
    static void Check(TSeachForm* form, const char* group, int index)
    {
        auto* box = form->findChild<QWidget*>(QString::fromLatin1(group));
        box->findChildren<QRadioButton*>().at(index)->setChecked(true);
    }
    static QString Status(TSeachForm* form)
    {
        return form->findChild<QLabel*>(QStringLiteral("Label3"))->text();
    }
    QString Top() const { return m_window->MainTreeView()->TopItem(0)->Text(); }
    CTreeItem* Room(int i) const { return Node(2, QStringLiteral("楼层1"))->Child(i)->TreeItem(); }
    CSysOutputManage& Output() { return CSysOutputManage::Instance(); }
};

TEST_F(SearchHistoryTest, FindOpensCollapsedAndClosesAgain)
{
    auto* scroll = m_window->findChild<QScrollArea*>(QStringLiteral("ScrollBox2"));
    auto* panel = m_window->findChild<QWidget*>(QStringLiteral("SearchPanel"));
    TSeachForm* form = OpenSearch();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->Collapsed());
    const int collapsed = form->height();
    EXPECT_EQ(scroll->height(), collapsed + 5);
    EXPECT_FALSE(panel->isHidden());
    EXPECT_EQ(form->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->currentText(),
              QStringLiteral("所有"));
    EXPECT_EQ(form->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->count(), 31);

    form->SpeedButton2Click();
    EXPECT_GT(form->height(), collapsed + 150); // the advanced area under the search line
    EXPECT_EQ(scroll->height(), form->height() + 5);

    Trigger("Action_Find");
    EXPECT_EQ(m_window->SearchForm(), nullptr);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(scroll->height(), 2);
}

TEST_F(SearchHistoryTest, ThePanelShowsItsButtonsAndTheResultCountWholeAt1366By768)
{
    m_window->resize(1366, 768 - 40);
    m_window->layout()->activate();
    auto* scroll = m_window->findChild<QScrollArea*>(QStringLiteral("ScrollBox2"));
    for (bool advanced : {false, true}) {
        SCOPED_TRACE(advanced ? "advanced" : "collapsed");
        TSeachForm* form = Find(QStringLiteral("人员"));
        if (form->Collapsed() == advanced)
            form->SpeedButton2Click();
        QCoreApplication::processEvents();
        ASSERT_TRUE(Status(form).startsWith(QStringLiteral("查找到")));
        const QRect visible = scroll->viewport()->rect();
        for (const char* name : {"Edit1", "BMPButton1", "SpeedButton2", "Label3"}) {
            SCOPED_TRACE(name);
            auto* widget = form->findChild<QWidget*>(QString::fromLatin1(name));
            ASSERT_NE(widget, nullptr);
            const QRect at(widget->mapTo(scroll->viewport(), QPoint(0, 0)), widget->size());
            EXPECT_TRUE(visible.contains(at)) << at.x() << "," << at.y() << " " << at.width() << "x" << at.height();
            EXPECT_GE(widget->height(), widget->fontMetrics().height());
        }
        auto* status = form->findChild<QLabel*>(QStringLiteral("Label3"));
        EXPECT_GE(status->width(), status->fontMetrics().horizontalAdvance(status->text()));
        auto* button = form->findChild<TBMPButton*>(QStringLiteral("BMPButton1"));
        EXPECT_GE(button->width(), QFontMetrics(button->GetFont()).horizontalAdvance(button->Caption()));
        // The tree keeps most of the column.
        EXPECT_GE(m_window->TreeWidget()->height(), 150);
        Trigger("Action_Find");
    }
}

TEST_F(SearchHistoryTest, ListModePutsPathsIntoCategoryTwoAndALineSelectsItsNode)
{
    Output().AddOutputLine(SysOutputSearch, QStringLiteral("旧的结果"));
    TSeachForm* form = Find(QStringLiteral(" 人员 "));
    const QString storey = Top() + QStringLiteral("~大楼1~楼层1~");
    EXPECT_EQ(Output().Lines(SysOutputSearch),
              QStringList({storey + QStringLiteral("房间1~人员1"), storey + QStringLiteral("房间2~人员1")}));
    EXPECT_EQ(Output().ShownCategory(), SysOutputSearch);
    EXPECT_EQ(form->Pattern(), QStringLiteral("人员"));
    EXPECT_EQ(Status(form), QStringLiteral("查找到2个记录"));
    EXPECT_TRUE(form->findChild<TBMPButton*>(QStringLiteral("BMPButton1"))->isEnabled());

    Output().GetLineAction(SysOutputSearch, 1)->Dispatch();
    EXPECT_EQ(m_window->SelectedItem(), Room(1)->Item(0));
}

TEST_F(SearchHistoryTest, StopModeSelectsTheFirstHit)
{
    TSeachForm* form = Find(QStringLiteral("房间"), 1, 0);
    EXPECT_EQ(m_window->SelectedItem(), Room(0));
    EXPECT_EQ(form->HitCount(), 1);
    EXPECT_EQ(Status(form), QStringLiteral("查找到1个记录"));
    EXPECT_EQ(Output().Count(SysOutputSearch), 0);
}

TEST_F(SearchHistoryTest, SelectedScopeIncludesTheNodeAndStartsWithItsAncestors)
{
    Select(Room(1));
    Find(QStringLiteral("2"), 0);
    EXPECT_EQ(Output().Lines(SysOutputSearch), QStringList({Top() + QStringLiteral("~大楼1~楼层1~房间2")}));
    Find(QStringLiteral("人员"), 0);
    EXPECT_EQ(Output().Lines(SysOutputSearch),
              QStringList({Top() + QStringLiteral("~大楼1~楼层1~房间2~人员1")}));
}

TEST_F(SearchHistoryTest, NoSearchOrNoHit)
{
    Output().AddOutputLine(SysOutputSearch, QStringLiteral("旧的结果"));
    TSeachForm* form = Find(QStringLiteral("   "));
    EXPECT_EQ(Output().Count(SysOutputSearch), 1) << "a blank text starts no search";
    EXPECT_EQ(Status(form), QString());

    Find(QStringLiteral("不存在"));
    EXPECT_EQ(Output().Count(SysOutputSearch), 0);
    EXPECT_EQ(Status(form), QStringLiteral("没有你需要的结果"));

    Find(QStringLiteral("大楼"), 1, 1, 3);
    EXPECT_EQ(Status(form), QStringLiteral("没有你需要的结果")) << "a building is not a room";
}

TEST_F(SearchHistoryTest, ReViewGoesBackThroughVisitedNodes)
{
    CTreeItem* a = Item(1, QStringLiteral("大楼1"));
    CTreeItem* b = Room(0);
    CTreeItem* c = Room(1);
    Select(a);
    Select(b);
    Select(c);
    Trigger("Action_ReView");
    EXPECT_EQ(m_window->SelectedItem(), b);
    Trigger("Action_ReView");
    EXPECT_EQ(m_window->SelectedItem(), a);
    Trigger("Action_ReView");
    EXPECT_EQ(m_window->SelectedItem(), a);
    EXPECT_EQ(CHistoryManage::Instance().Count(), 0);
}

TEST_F(SearchHistoryTest, HistoryKeepsTheLastTwentyAndSkipsNodesNoLongerShown)
{
    CHistoryManage history;
    QList<int> pushed;
    for (int i = 0; i < 25; ++i) {
        CTreeItem* item = Room(i % 2)->Item(0);
        if (i % 3 == 0)
            item = Room(i % 2);
        history.Push(item);
        pushed << item->Node()->NodeId();
    }
    ASSERT_EQ(history.Count(), 20);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(history.Id(i), pushed[i + 5]) << i;

    history.SetNavigating(true);
    history.Push(Room(0));
    EXPECT_EQ(history.Count(), 20) << "the history's own selection is not pushed";
    history.SetNavigating(false);

    CHistoryManage shortHistory;
    shortHistory.Push(Room(0));
    shortHistory.Push(Room(1));
    shortHistory.Push(Item(1, QStringLiteral("大楼1")));
    // A node the tree does not show (another design type, or deleted) is passed over.
    CTreeItem* hidden = Room(1);
    hidden->Node()->SetTreeItem(nullptr);
    EXPECT_EQ(shortHistory.Back(CTreeView2DB::Current().Root()), Room(0));
    EXPECT_EQ(shortHistory.Back(CTreeView2DB::Current().Root()), nullptr);
    hidden->Node()->SetTreeItem(hidden);
}

TEST_F(SearchHistoryTest, OpeningAnotherProjectClearsHistoryAndSearch)
{
    Select(Room(0));
    Select(Room(1));
    Find(QStringLiteral("人员"));
    ASSERT_EQ(Output().Count(SysOutputSearch), 2);
    ASSERT_EQ(CHistoryManage::Instance().Count(), 2);

    CSystemGlobalData::Current().OpenProject(NewProject(QStringLiteral("另一个.VLZ")));
    ASSERT_TRUE(CSystemGlobalData::Current().IsProjectOpen());
    EXPECT_EQ(Output().Count(SysOutputSearch), 0);
    EXPECT_EQ(m_window->SearchForm(), nullptr);
    // Only the node the new project shows on opening is left; the old ids name other nodes here.
    CTreeItem* shown = m_window->SelectedItem();
    EXPECT_EQ(CHistoryManage::Instance().Count(), shown ? 1 : 0);
    Trigger("Action_ReView");
    EXPECT_EQ(m_window->SelectedItem(), shown);
}

TEST_F(SearchHistoryTest, HoverHintShowsTheItemAndGoesAtTheThirdTick)
{
    TCustomHint* hint = m_window->CustomHint();
    ASSERT_NE(hint, nullptr);
    QTreeWidget* tree = m_window->TreeWidget();
    Select(Room(0));
    Trigger("Action_DisEnabled");
    QTreeWidgetItem* widgetItem = m_window->WidgetItem(Room(0));
    const QRect rect = tree->visualItemRect(widgetItem);
    QCursor::setPos(tree->viewport()->mapToGlobal(rect.center()));
    hint->ShowTreeHint(tree, rect.center());
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->Title(), QStringLiteral("房间"));
    EXPECT_EQ(hint->NameLine(), QStringLiteral("名称: 房间1"));
    EXPECT_EQ(hint->StatusLine(), QStringLiteral("状态: 闲置"));
    EXPECT_GT(hint->x(), tree->viewport()->mapToGlobal(rect.topLeft()).x());

    hint->Timer1Timer();
    hint->Timer1Timer();
    EXPECT_TRUE(hint->isVisible());
    hint->Timer1Timer();
    EXPECT_FALSE(hint->isVisible());

    QCursor::setPos(tree->viewport()->mapToGlobal(rect.center() + QPoint(1, 0)));
    hint->ShowTreeHint(tree, rect.center());
    EXPECT_TRUE(hint->isVisible());
    hint->ShowTreeHint(tree, QPoint(rect.left(), tree->viewport()->height() - 1));
    EXPECT_FALSE(hint->isVisible()) << "below the last item";
}
