#include "tests/app/MainWindowFixture.h"

#include "app/TNodeInfoPage.h"
#include "app/controls/TBMPButton.h"
#include "bulk/TStorey_Room_Form.h"
#include "model/CNodeData.h"
#include "model/CTreeItem.h"
#include "model/CTreeView2DB.h"
#include "platform/core/CTool.h"
#include "project/CSystemGlobalData.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <QTreeWidget>

class TreeCommandsTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        OpenSmallProject();
        m_dialogs = &static_cast<CFakeToolDialogs&>(CTool::Current().Dialogs());
    }
    QStringList Children(int type, const QString& caption) const
    {
        QStringList captions;
        CNodeData* node = Node(type, caption);
        for (int i = 0; node && i < node->ChildCount(); ++i)
            captions << node->Child(i)->Caption();
        return captions;
    }
    // The window's tree widget shows the same children, in the same order, as the node tree.
    void ExpectMirrored(int type, const QString& caption)
    {
        EXPECT_EQ(WidgetChildren(Item(type, caption)), Children(type, caption)) << caption.toStdString();
    }
    void Press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(target, &press);
    }
    void FocusTree()
    {
        QApplication::setActiveWindow(m_window.get());
        m_window->TreeWidget()->setFocus();
        ASSERT_TRUE(m_window->TreeWidget()->hasFocus());
    }
    void ClickLabel(CTreeItem* item, Qt::MouseButton button)
    {
        QTreeWidget* tree = m_window->TreeWidget();
        const QPoint at = tree->visualItemRect(m_window->WidgetItem(item)).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, tree->viewport()->mapToGlobal(at), button, button,
                          Qt::NoModifier);
        QApplication::sendEvent(tree->viewport(), &press);
    }
};

TEST_F(TreeCommandsTest, RenameKeepsTheOldNameWhenRefused)
{
    const struct
    {
        const char* text;
        const char* expected;
        bool refused;
    } cases[] = {
        {"会议室", "会议室", false}, {"房间@2", "会议室", true},
        {"房间2", "会议室", true},                                // used by the other room
        {"   ", "会议室", true},     {"会议室", "会议室", false}, // unchanged: nothing is written or shown
    };
    CNodeData* room = Node(3, QStringLiteral("房间1"));
    Select(room->TreeItem());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        m_dialogs->MessageBoxes.clear();
        Trigger("act_edit");
        ASSERT_TRUE(m_window->IsRenaming());
        QTreeWidgetItem* widgetItem = m_window->WidgetItem(room->TreeItem());
        auto* editor = m_window->TreeWidget()->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->setText(QString::fromUtf8(c.text));
        Press(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(m_window->IsRenaming());
        EXPECT_EQ(room->Caption(), QString::fromUtf8(c.expected));
        EXPECT_EQ(widgetItem->text(0), QString::fromUtf8(c.expected));
        EXPECT_EQ(m_dialogs->MessageBoxes.size(), c.refused ? 1 : 0);
        if (c.refused) {
            EXPECT_EQ(m_dialogs->MessageBoxes.first().caption, QStringLiteral("更名失败"));
        }
    }
    EXPECT_EQ(m_window->PathCaption(), QStringLiteral("大楼1~楼层1~会议室"));
}

TEST_F(TreeCommandsTest, DeleteAsksAndRemovesTheSubtreeOnlyOnYes)
{
    CNodeData* storey = Node(2, QStringLiteral("楼层1"));
    Select(Item(3, QStringLiteral("房间1")));
    m_dialogs->MessageBoxAnswers = {7};
    Trigger("Action_Delete");
    ASSERT_EQ(m_dialogs->MessageBoxes.size(), 1);
    EXPECT_EQ(m_dialogs->MessageBoxes.first().message, QStringLiteral("是否删除?（删除后无法恢复）"));
    EXPECT_EQ(storey->ChildCount(), 2);

    m_dialogs->MessageBoxAnswers = {6};
    Trigger("Action_Delete");
    EXPECT_EQ(Children(2, QStringLiteral("楼层1")), QStringList{QStringLiteral("房间2")});
    ExpectMirrored(2, QStringLiteral("楼层1"));
    EXPECT_EQ(m_window->OpenPage(), nullptr);

    // The project node cannot be deleted.
    Select(m_window->MainTreeView()->TopItem(0));
    EXPECT_FALSE(m_window->Action(QStringLiteral("Action_Delete"))->isEnabled());
}

TEST_F(TreeCommandsTest, CopyAndPasteAddAMirroredRoom)
{
    Select(Item(3, QStringLiteral("房间1")));
    Trigger("Action_Copy");
    Select(Item(2, QStringLiteral("楼层1")));
    Trigger("Action_Paste");
    EXPECT_EQ(Node(2, QStringLiteral("楼层1"))->ChildCount(), 3);
    ExpectMirrored(2, QStringLiteral("楼层1"));
    EXPECT_TRUE(m_dialogs->MessageBoxes.isEmpty());
}

TEST_F(TreeCommandsTest, MovingAmongSiblingsKeepsTheSelectionOnTheMovedNode)
{
    const struct
    {
        const char* action;
        const char* room;
        const char* firstAfter;
    } cases[] = {
        {"Action_Top", "房间1", "房间1"},   // already first
        {"Action_Heir", "房间2", "房间1"},  // already last
        {"Action_Front", "房间2", "房间2"}, // one place up
        {"Action_Heir", "房间2", "房间1"},  // and back
        {"Action_Top", "房间2", "房间2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.action) + " " + c.room);
        CNodeData* room = Node(3, QString::fromUtf8(c.room));
        Select(room->TreeItem());
        Trigger(c.action);
        EXPECT_EQ(Children(2, QStringLiteral("楼层1")).first(), QString::fromUtf8(c.firstAfter));
        ExpectMirrored(2, QStringLiteral("楼层1"));
        ASSERT_NE(m_window->SelectedItem(), nullptr);
        EXPECT_EQ(m_window->SelectedItem()->Node(), room);
        EXPECT_EQ(m_window->TreeWidget()->currentItem(), m_window->WidgetItem(room->TreeItem()));
    }
}

TEST_F(TreeCommandsTest, IdleAndActivateSwapTheActionsAndThePageState)
{
    CNodeData* room = Node(3, QStringLiteral("房间1"));
    Select(room->TreeItem());
    QAction* activate = m_window->Action(QStringLiteral("Action_Enabled"));
    QAction* idle = m_window->Action(QStringLiteral("Action_DisEnabled"));
    EXPECT_FALSE(activate->isEnabled());
    EXPECT_TRUE(idle->isEnabled());

    idle->trigger();
    EXPECT_FALSE(room->IsActive());
    EXPECT_TRUE(activate->isEnabled());
    EXPECT_FALSE(idle->isEnabled());
    for (QWidget* control : m_window->OpenPage()->findChildren<QWidget*>())
        EXPECT_FALSE(control->isEnabled());
    // Selecting it again shows it idle.
    Select(Item(3, QStringLiteral("房间2")));
    Select(room->TreeItem());
    EXPECT_TRUE(activate->isEnabled());
    for (QWidget* control : m_window->OpenPage()->findChildren<QWidget*>())
        EXPECT_FALSE(control->isEnabled());

    activate->trigger();
    EXPECT_TRUE(room->IsActive());
    EXPECT_FALSE(activate->isEnabled());
    for (QWidget* control : m_window->OpenPage()->findChildren<QWidget*>())
        EXPECT_TRUE(control->isEnabled());
}

TEST_F(TreeCommandsTest, ElementToolPlacesARoomOnlyWhereItMayGoAndReturnsToTheArrow)
{
    // Room button, then a click on the storey's label.
    m_window->ElementToolClick(3);
    ASSERT_EQ(m_window->ActionState().CurrentElementTool(), 3);
    ClickLabel(Item(2, QStringLiteral("楼层1")), Qt::LeftButton);
    EXPECT_EQ(m_window->ActionState().CurrentElementTool(), -1);
    EXPECT_EQ(Children(2, QStringLiteral("楼层1")).last(), QStringLiteral("房间3"));
    EXPECT_EQ(Children(3, QStringLiteral("房间3")),
              (QStringList{QStringLiteral("人员1"), QStringLiteral("照明1")}));
    ExpectMirrored(2, QStringLiteral("楼层1"));

    // On a room's label nothing is added, and the bar is back on the arrow all the same.
    m_window->ElementToolClick(3);
    ClickLabel(Item(3, QStringLiteral("房间1")), Qt::LeftButton);
    EXPECT_EQ(m_window->ActionState().CurrentElementTool(), -1);
    EXPECT_EQ(Node(2, QStringLiteral("楼层1"))->ChildCount(), 3);
    EXPECT_EQ(Children(3, QStringLiteral("房间1")), QStringList{QStringLiteral("人员1")});
}

TEST_F(TreeCommandsTest, PlacingABuildingOrAStoreyOpensTheSeriesDialog)
{
    CancelBatchDialogs = false;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<TStorey_Room_Form*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        title = form->windowTitle();
        form->Storey_Count->setText(QStringLiteral("2"));
        form->Room_Count->setText(QStringLiteral("3"));
        form->BMPButton3->click();
    });
    CNodeData& root = CTreeView2DB::Current().Root();
    m_window->AddElementUnderNode(root.TreeItem(), 1);
    EXPECT_EQ(title, QStringLiteral("批量设置楼层"));
    EXPECT_EQ(Children(1, QStringLiteral("大楼2")), (QStringList{"楼层1", "楼层2"}));
    EXPECT_EQ(Node(1, QStringLiteral("大楼2"))->Child(1)->ChildCount(), 3);
    ExpectMirrored(1, QStringLiteral("大楼2"));
    EXPECT_TRUE(m_dialogs->MessageBoxes.isEmpty());

    // A storey opens it for its rooms; cancelled, the storey stays empty.
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<TStorey_Room_Form*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        title = form->windowTitle();
        form->BMPButton2->click();
    });
    m_window->AddElementUnderNode(Item(1, QStringLiteral("大楼1")), 2);
    EXPECT_EQ(title, QStringLiteral("批量设置房间"));
    EXPECT_EQ(Children(1, QStringLiteral("大楼1")), (QStringList{"楼层1", "楼层2"}));
    EXPECT_EQ(Node(1, QStringLiteral("大楼1"))->Child(1)->ChildCount(), 0);
}

TEST_F(TreeCommandsTest, KeysReachTheTreeCommandsOnlyFromTheTree)
{
    FocusTree();
    QTreeWidget* tree = m_window->TreeWidget();
    CNodeData* room = Node(3, QStringLiteral("房间1"));
    Select(room->TreeItem());

    // F without Ctrl does nothing; Ctrl+V with nothing to paste does nothing.
    Press(tree, Qt::Key_F);
    Press(tree, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(m_dialogs->MessageBoxes.isEmpty());
    EXPECT_EQ(Node(2, QStringLiteral("楼层1"))->ChildCount(), 2);

    // Delete while the label is edited deletes a character, not the node.
    Press(tree, Qt::Key_Return);
    ASSERT_TRUE(m_window->IsRenaming());
    auto* editor = tree->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setCursorPosition(0);
    Press(editor, Qt::Key_Delete);
    EXPECT_EQ(editor->text(), QStringLiteral("间1"));
    EXPECT_TRUE(m_dialogs->MessageBoxes.isEmpty());
    ASSERT_EQ(Node(3, QStringLiteral("房间1")), room);
    Press(editor, Qt::Key_Escape);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(m_window->IsRenaming());
    EXPECT_EQ(room->Caption(), QStringLiteral("房间1"));

    // From the tree, Delete asks.
    FocusTree();
    m_dialogs->MessageBoxAnswers = {7};
    Press(tree, Qt::Key_Delete);
    EXPECT_EQ(m_dialogs->MessageBoxes.size(), 1);
}

TEST_F(TreeCommandsTest, HeaderPageAndCommandsFollowRenameIdleAndDeleteAtOnce)
{
    CNodeData* room = Node(3, QStringLiteral("房间1"));
    Select(room->TreeItem());
    auto page = [this] { return qobject_cast<TNodeInfoPage*>(m_window->OpenPage()); };
    QAction* activate = m_window->Action(QStringLiteral("Action_Enabled"));
    QAction* idle = m_window->Action(QStringLiteral("Action_DisEnabled"));

    // Rename in the tree: the header and the page name the new caption.
    Trigger("act_edit");
    auto* editor = m_window->TreeWidget()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("会议室"));
    Press(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(m_window->PathCaption(), QStringLiteral("大楼1~楼层1~会议室"));
    ASSERT_NE(page(), nullptr);
    EXPECT_EQ(page()->PathText(), QStringLiteral("大楼1~楼层1~会议室"));
    // An ancestor renamed elsewhere changes the selected node's path too.
    ASSERT_TRUE(Node(2, QStringLiteral("楼层1"))->RenameNode(QStringLiteral("一层")));
    EXPECT_EQ(m_window->PathCaption(), QStringLiteral("大楼1~一层~会议室"));
    EXPECT_EQ(page()->PathText(), QStringLiteral("大楼1~一层~会议室"));

    // Idling the selected node greys its row at once, though the row is highlighted.
    QTreeWidget* tree = m_window->TreeWidget();
    auto row = [&] { return tree->viewport()->grab(tree->visualItemRect(m_window->WidgetItem(room->TreeItem()))).toImage(); };
    const QImage activeRow = row();
    idle->trigger();
    EXPECT_NE(row(), activeRow);
    activate->trigger();
    EXPECT_EQ(row(), activeRow);
    // Status changed outside the tree's commands (the message panel's): commands and page follow.
    room->SetNodeStatus(false);
    EXPECT_TRUE(activate->isEnabled());
    EXPECT_FALSE(idle->isEnabled());
    for (QWidget* control : page()->findChildren<QWidget*>())
        EXPECT_FALSE(control->isEnabled());
    EXPECT_NE(row(), activeRow);

    // Deleting the selected node leaves no header and no node commands behind.
    m_dialogs->MessageBoxAnswers = {6};
    Trigger("Action_Delete");
    ASSERT_EQ(Node(3, QStringLiteral("会议室")), nullptr);
    EXPECT_EQ(m_window->SelectedItem(), nullptr);
    EXPECT_EQ(m_window->PathCaption(), QString());
    EXPECT_EQ(m_window->OpenPage(), nullptr);
    for (const char* name : {"Action_Delete", "Action_Enabled", "Action_DisEnabled"})
        EXPECT_FALSE(m_window->Action(QString::fromLatin1(name))->isEnabled()) << name;
    EXPECT_FALSE(m_window->findChild<QGroupBox*>(QStringLiteral("GroupBox2"))->isVisibleTo(m_window.get()));
}
