#include "app/controls/CSysOutputDispatch_SearchResult.h"
#include "app/controls/CSysOutputManage.h"
#include "app/controls/TDispatchSysOutputInfo.h"
#include "app/controls/TMsgListForm.h"
#include "app/controls/TSysOutputPanel.h"
#include "platform/core/Exception.h"
#include "tests/app/TestApplication.h"
#include "tests/model/ProjectTreeFixture.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QStringList Rows(const TSysOutputPanel& panel)
{
    QStringList rows;
    const QAbstractItemModel* model = panel.SysOutputInfoListBox->model();
    for (int i = 0; i < model->rowCount(); ++i)
        rows << model->index(i, 0).data().toString();
    return rows;
}

QStringList Captions(const TSysOutputPanel& panel)
{
    QStringList captions;
    for (int i = 0; i < panel.TabSet1->count(); ++i)
        captions << panel.TabSet1->tabText(i);
    return captions;
}

// The current row once the event loop has run, as the user sees it.
int CurrentRow(const TSysOutputPanel& panel)
{
    QApplication::processEvents();
    return panel.SysOutputInfoListBox->currentIndex().row();
}

void SelectRows(TSysOutputPanel& panel, const QList<int>& rows)
{
    QItemSelectionModel* selection = panel.SysOutputInfoListBox->selectionModel();
    selection->clearSelection();
    for (int row : rows)
        selection->select(panel.SysOutputInfoListBox->model()->index(row, 0), QItemSelectionModel::Select);
}

// Makes the clicked line current, as a mouse click does, and runs the click handler.
void ClickRow(TSysOutputPanel& panel, int row)
{
    panel.SysOutputInfoListBox->setCurrentIndex(panel.SysOutputInfoListBox->model()->index(row, 0));
    panel.SysOutputInfoListBoxClick();
}

class CountingAction : public CSysOutputDispatchBase
{
public:
    explicit CountingAction(int& runs, bool detail = false) : m_runs(runs), m_detail(detail) {}
    ~CountingAction() override { ++Destroyed; }
    void Dispatch() override { ++m_runs; }
    bool HasDetail() const override { return m_detail; }
    QString GetButtonText() const override { return m_detail ? QStringLiteral("定位") : QString(); }
    QString GetCaption() const override { return QStringLiteral("详细信息"); }
    QString GetDetailText() const override { return QStringLiteral("房间1 缺少材料"); }

    static inline int Destroyed = 0;

private:
    int& m_runs;
    bool m_detail;
};

class MessagePanel : public ::testing::Test
{
protected:
    void SetUp() override { EnsureTestApplication(); }

    CSysOutputManage m_manage;
};

} // namespace

TEST_F(MessagePanel, TabCaptionsCountTheLinesOfTheirCategory)
{
    TSysOutputPanel panel(m_manage);
    m_manage.ClearOutput(SysOutputAll);
    EXPECT_EQ(Captions(panel), QStringList({"警告信息[无]", "错误信息[无]", "查找信息[无]", "负荷信息[无]",
                                            "传热阻校核[无]", "其它信息[无]"}));
    for (int i = 0; i < 3; ++i)
        m_manage.AddOutputLine(SysOutputWarning, QStringLiteral("警告%1").arg(i));
    EXPECT_EQ(panel.TabSet1->tabText(0), QStringLiteral("警告信息[3]"));
    EXPECT_EQ(Rows(panel), QStringList({"警告0", "警告1", "警告2"}));
    EXPECT_EQ(CurrentRow(panel), 2);

    m_manage.RemoveOutputLine(SysOutputWarning, 1);
    EXPECT_EQ(Rows(panel), QStringList({"警告0", "警告2"}));
    EXPECT_EQ(panel.TabSet1->tabText(0), QStringLiteral("警告信息[2]"));
}

TEST_F(MessagePanel, LinesOfAHiddenCategoryShowOnlyInItsCaptionUntilItsTabIsChosen)
{
    TSysOutputPanel panel(m_manage);
    m_manage.AddOutputLine(SysOutputWarning, QStringLiteral("警告"));
    m_manage.AddOutputLine(SysOutputLoad, QStringLiteral("负荷A"));
    m_manage.AddOutputLine(SysOutputLoad, QStringLiteral("负荷B"));
    EXPECT_EQ(Rows(panel), QStringList({"警告"}));
    EXPECT_EQ(Captions(panel).mid(1),
              QStringList({"错误信息[无]", "查找信息[无]", "负荷信息[2]", "传热阻校核[无]", "其它信息[无]"}));

    panel.TabSet1->setCurrentIndex(SysOutputLoad);
    EXPECT_EQ(m_manage.ShownCategory(), SysOutputLoad);
    EXPECT_EQ(Rows(panel), QStringList({"负荷A", "负荷B"}));

    // Showing a category from the model (as the commands do) moves the tab with it.
    m_manage.SetShownCategory(SysOutputWarning);
    EXPECT_EQ(panel.TabSet1->currentIndex(), SysOutputWarning);
    EXPECT_EQ(Rows(panel), QStringList({"警告"}));
}

TEST_F(MessagePanel, ClearingTouchesTheListBoxOnlyForTheShownCategory)
{
    TSysOutputPanel panel(m_manage);
    m_manage.AddOutputLine(SysOutputWarning, QStringLiteral("警告"));
    m_manage.AddOutputLine(SysOutputLoad, QStringLiteral("负荷"));

    m_manage.ClearOutput(SysOutputLoad);
    EXPECT_EQ(Rows(panel), QStringList({"警告"}));
    EXPECT_EQ(panel.TabSet1->tabText(3), QStringLiteral("负荷信息[无]"));

    m_manage.AddOutputLine(SysOutputLoad, QStringLiteral("负荷"));
    m_manage.ClearOutput(SysOutputWarning);
    EXPECT_TRUE(Rows(panel).isEmpty());
    EXPECT_EQ(m_manage.Count(SysOutputLoad), 1);

    m_manage.AddOutputLine(SysOutputWarning, QStringLiteral("警告"));
    m_manage.ClearOutput(SysOutputAll);
    EXPECT_TRUE(Rows(panel).isEmpty());
    for (int c = 0; c < CSysOutputManage::CategoryCount; ++c)
        EXPECT_EQ(m_manage.Count(c), 0) << c;
}

TEST_F(MessagePanel, ClearMenuClearsTheCategoryOfEachItem)
{
    TSysOutputPanel panel(m_manage);
    std::unique_ptr<QMenu> menu(panel.CreateClearMenu(nullptr));
    EXPECT_EQ(menu->title(), QStringLiteral("清除信息"));
    QList<QAction*> items;
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            items << action;
    ASSERT_EQ(items.size(), 7);
    EXPECT_EQ(items[0]->text(), QStringLiteral("所有信息"));
    EXPECT_EQ(items[5]->text(), QStringLiteral("传热阻校核信息"));
    EXPECT_EQ(items[6]->text(), QStringLiteral("其他信息"));

    for (int c = 0; c < CSysOutputManage::CategoryCount; ++c)
        m_manage.AddOutputLine(c, QStringLiteral("行"));
    items[1 + SysOutputThermalCheck]->trigger();
    EXPECT_EQ(m_manage.Count(SysOutputThermalCheck), 0);
    EXPECT_EQ(m_manage.Count(SysOutputOther), 1);
    items[0]->trigger();
    for (int c = 0; c < CSysOutputManage::CategoryCount; ++c)
        EXPECT_EQ(m_manage.Count(c), 0) << c;
}

TEST_F(MessagePanel, ASuspendedUpdateShowsTheWholeBatchAtItsEnd)
{
    TSysOutputPanel panel(m_manage);
    panel.ShowCategory(SysOutputLoad);
    m_manage.AddOutputLine(SysOutputLoad, QStringLiteral("旧行"));
    {
        CSysOutputManage::UpdateScope update(m_manage);
        m_manage.ClearOutput(SysOutputLoad);
        for (int i = 0; i < 16000; ++i)
            m_manage.AddOutputLine(SysOutputLoad, QStringLiteral("房间%1").arg(i));
        EXPECT_EQ(panel.TabSet1->tabText(3), QStringLiteral("负荷信息[1]"));
        EXPECT_EQ(panel.SysOutputInfoListBox->model()->rowCount(), 1);
    }
    EXPECT_EQ(panel.TabSet1->tabText(3), QStringLiteral("负荷信息[16000]"));
    const QStringList rows = Rows(panel);
    ASSERT_EQ(rows.size(), 16000);
    EXPECT_EQ(rows.first(), QStringLiteral("房间0"));
    EXPECT_EQ(rows.last(), QStringLiteral("房间15999"));
    EXPECT_EQ(CurrentRow(panel), 15999);

    // Appends alone within a later batch arrive as appended rows after the old ones.
    {
        CSysOutputManage::UpdateScope update(m_manage);
        m_manage.AddOutputLine(SysOutputLoad, QStringLiteral("合计"));
    }
    EXPECT_EQ(Rows(panel).size(), 16001);
    EXPECT_EQ(CurrentRow(panel), 16000);
    QStringList filled;
    m_manage.FillListBox(SysOutputLoad, filled);
    EXPECT_EQ(filled, Rows(panel));
}

TEST_F(MessagePanel, LinesOwnTheirActionsAndAClickRunsTheLinesAction)
{
    TSysOutputPanel panel(m_manage);
    int runs = 0;
    CountingAction::Destroyed = 0;
    m_manage.AddOutputLine(SysOutputWarning, QStringLiteral("无动作"));
    m_manage.AddOutputLine(SysOutputWarning, QStringLiteral("有动作"),
                           std::make_unique<CountingAction>(runs));

    ClickRow(panel, 0);
    EXPECT_EQ(runs, 0);
    ClickRow(panel, 1);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(m_manage.GetLineAction(SysOutputWarning, 2), nullptr);
    EXPECT_EQ(m_manage.GetLineAction(SysOutputWarning, -1), nullptr);

    // A click on an empty list does nothing.
    m_manage.ClearOutput(SysOutputWarning);
    EXPECT_EQ(CountingAction::Destroyed, 1);
    panel.SysOutputInfoListBoxClick();
    EXPECT_EQ(runs, 1);
}

TEST_F(MessagePanel, ALineWithDetailOpensTheDetailWindowWhoseButtonRunsTheAction)
{
    TSysOutputPanel panel(m_manage);
    int runs = 0;
    m_manage.AddOutputLine(SysOutputError, QStringLiteral("错误"),
                           std::make_unique<CountingAction>(runs, true));
    panel.ShowCategory(SysOutputError);

    QString caption, detail, button;
    bool buttonVisible = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<TDispatchSysOutputInfo*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        caption = window->windowTitle();
        detail = window->RichEdit1->toPlainText();
        button = window->Button2->text();
        buttonVisible = !window->Button2->isHidden();
        EXPECT_EQ(runs, 0);
        window->Button2->click();
    });
    ClickRow(panel, 0);
    EXPECT_EQ(caption, QStringLiteral("详细信息"));
    EXPECT_EQ(detail, QStringLiteral("房间1 缺少材料"));
    EXPECT_EQ(button, QStringLiteral("定位"));
    EXPECT_TRUE(buttonVisible);
    EXPECT_EQ(runs, 1);

    // Without a button text the action button is hidden; "关闭" runs nothing.
    TDispatchSysOutputInfo plain;
    CSysOutputDispatchBase base;
    plain.SetAction(&base);
    plain.show();
    EXPECT_TRUE(plain.Button2->isHidden());
    plain.Button1->click();
    EXPECT_EQ(plain.result(), 2);
}

TEST_F(MessagePanel, BadCategoriesAreRefused)
{
    EXPECT_THROW(m_manage.AddOutputLine(6, QStringLiteral("行")), Exception);
    EXPECT_THROW(m_manage.AddOutputLine(SysOutputAll, QStringLiteral("行")), Exception);
    EXPECT_THROW(m_manage.ClearOutput(-2), Exception);
    EXPECT_NO_THROW(m_manage.RemoveOutputLine(SysOutputWarning, 0));
}

TEST_F(MessagePanel, TheMessageListWindowShowsOnANewMessageAndClosingClearsIt)
{
    TMsgListForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("消息列表"));
    EXPECT_FALSE(form.isVisible());
    form.AddMessage(QStringLiteral("房间1计算出错"));
    form.AddMessage(QStringLiteral("材料[ID:5]不存在"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.Messages(), QStringList({"房间1计算出错", "材料[ID:5]不存在"}));

    form.close();
    EXPECT_FALSE(form.isVisible());
    form.AddMessage(QStringLiteral("新消息"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.Messages(), QStringList({"新消息"}));
    form.close();
}

// Search hits over a real project tree.
class MessagePanelSearchHits : public ProjectTreeFixture
{
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        ProjectTreeFixture::SetUp();
        m_building = Make(&Root(), 1);
        m_storey = Make(m_building, 2);
        m_room1 = Make(m_storey, 3);
        m_room2 = Make(m_storey, 3);
        Show();
        m_panel = std::make_unique<TSysOutputPanel>(m_manage);
        for (CNodeData* node : {m_room1, m_storey, m_room2})
            m_manage.AddOutputLine(SysOutputSearch, node->Caption(),
                                   std::make_unique<CSysOutputDispatch_SearchResult>(node->NodeId()));
        m_panel->ShowCategory(SysOutputSearch);
    }

    CSysOutputManage m_manage;
    std::unique_ptr<TSysOutputPanel> m_panel;
    CNodeData* m_building = nullptr;
    CNodeData* m_storey = nullptr;
    CNodeData* m_room1 = nullptr;
    CNodeData* m_room2 = nullptr;
};

TEST_F(MessagePanelSearchHits, ClickingAHitSelectsItsNodeAndAGoneNodeSelectsNothing)
{
    EXPECT_EQ(m_panel->SysOutputInfoListBox->contextMenuPolicy(), Qt::CustomContextMenu);
    ClickRow(*m_panel, 2);
    ASSERT_NE(m_host.View.Selected(), nullptr);
    EXPECT_EQ(m_host.View.Selected()->Node(), m_room2);

    const int goneId = m_room1->NodeId();
    ASSERT_TRUE(m_room1->DeleteNodeRows(true));
    EXPECT_EQ(Root().FindNodeById(goneId), nullptr);
    ClickRow(*m_panel, 0);
    EXPECT_EQ(m_host.View.Selected()->Node(), m_room2);

    // The search-hit menu belongs to the search tab alone.
    m_panel->ShowCategory(SysOutputWarning);
    EXPECT_EQ(m_panel->SysOutputInfoListBox->contextMenuPolicy(), Qt::NoContextMenu);
}

TEST_F(MessagePanelSearchHits, IdleAndActivateSetTheStatusOfTheSelectedHits)
{
    SelectRows(*m_panel, {0, 2});
    m_panel->N34Click(0);
    EXPECT_FALSE(m_room1->IsActive());
    EXPECT_TRUE(m_storey->IsActive());
    EXPECT_FALSE(m_room2->IsActive());
    EXPECT_EQ(Int(QStringLiteral("select Status from Room where ID = %1").arg(m_room1->GetElementId())), 0);

    m_panel->N32Click();
    m_panel->N34Click(1);
    EXPECT_TRUE(m_room1->IsActive());
    EXPECT_TRUE(m_room2->IsActive());
}

TEST_F(MessagePanelSearchHits, DeletingHitsAsksFirstAndRemovesTheirLines)
{
    SelectRows(*m_panel, {0, 1});
    Dialogs().MessageBoxAnswers << 7;
    m_panel->N33Click();
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
    EXPECT_EQ(Dialogs().MessageBoxes[0].caption, QStringLiteral("删除"));
    EXPECT_EQ(Dialogs().MessageBoxes[0].message, QStringLiteral("删除后无法恢复，确实要删除这些节点?"));
    EXPECT_EQ(Dialogs().MessageBoxes[0].style, 9);
    EXPECT_EQ(m_manage.Count(SysOutputSearch), 3);
    EXPECT_EQ(m_storey->ChildCount(), 2);

    // The storey goes with the first room below it; the room's hit is removed all the same.
    const int roomId = m_room1->NodeId();
    Dialogs().MessageBoxAnswers << 6;
    m_panel->N33Click();
    EXPECT_EQ(Root().FindNodeById(roomId), nullptr);
    EXPECT_EQ(m_building->ChildCount(), 0);
    EXPECT_EQ(Int(QStringLiteral("select count(*) from Room")), 0);
    EXPECT_EQ(Rows(*m_panel), QStringList({m_manage.LineText(SysOutputSearch, 0)}));
    EXPECT_EQ(m_manage.Count(SysOutputSearch), 1);
    EXPECT_EQ(m_panel->TabSet1->tabText(2), QStringLiteral("查找信息[1]"));

    // Nothing selected: no question.
    m_panel->SysOutputInfoListBox->clearSelection();
    m_panel->N33Click();
    EXPECT_EQ(Dialogs().MessageBoxes.size(), 2);
}
