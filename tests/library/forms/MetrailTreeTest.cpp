// The editor library tree on the system library and a copy of the blank project: its roots and
// answers, paste with a taken name, clone, the in-use refusal, deleting a category, renames by ID
// and the failures that must leave rows and items in place.
#include "tests/library/forms/LibraryFormsFixture.h"

#include "library/forms/TMetrailTree.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CDbQuery.h"

#include <QAction>
#include <QTreeWidget>

namespace {
const QString kSystemWall = QStringLiteral("240粘土砖墙(内外抹灰)"); // ID 5, 标准材料
const QString kInUse = QStringLiteral("该材料正在被工程(或参数初始化)使用，不可删除!!!");

class MetrailTree : public LibraryFormsFixture
{
protected:
    void SetUp() override
    {
        LibraryFormsFixture::SetUp();
        ExecProject("insert into OutsideWall_Lib (ID, Name, catergory, K_S) values "
                    "(1, 'A', '工程', 0.5), (2, '10', '工程', 0.6), (3, '9', '工程', 0.7), (4, 'E', '', 0.8), "
                    "(5, 'A', '其它', 0.9)");
    }
    std::unique_ptr<TMetrailTree> Tree(const QString& kindWord = QStringLiteral("OutsideWall"), bool flat = false)
    {
        auto tree = std::make_unique<TMetrailTree>();
        tree->FlatLibrary = flat;
        tree->LoadTree(&m_sysParam.ADOConnection2, &m_project.ProjectCon, kindWord);
        return tree;
    }
    // The item at a path of captions under the root.
    static QTreeWidgetItem* Item(TMetrailTree& tree, int root, const QStringList& path)
    {
        QTreeWidgetItem* item = tree.RootItem(root);
        for (const QString& caption : path) {
            QTreeWidgetItem* next = nullptr;
            for (int c = 0; item && c < item->childCount() && !next; ++c)
                if (item->child(c)->text(0) == caption)
                    next = item->child(c);
            item = next;
        }
        EXPECT_NE(item, nullptr) << path.join('/').toStdString();
        return item;
    }
    static QStringList Children(const QTreeWidgetItem* item)
    {
        QStringList captions;
        for (int c = 0; item && c < item->childCount(); ++c)
            captions << item->child(c)->text(0);
        return captions;
    }
    QStringList Walls() { return ProjectColumn("select catergory || ':' || Name || '=' || K_S from OutsideWall_Lib order by ID"); }
};
} // namespace

TEST_F(MetrailTree, RootsCategoriesAndTheSelectedCategory)
{
    auto tree = Tree();
    ASSERT_EQ(tree->TreeView1->topLevelItemCount(), 2);
    EXPECT_EQ(tree->RootItem(0)->text(0), QStringLiteral("系统数据"));
    EXPECT_TRUE(tree->RootItem(1)->isExpanded());
    EXPECT_EQ(Children(tree->RootItem(1)), QStringList({"工程", "", "其它"}));
    EXPECT_EQ(Children(Item(*tree, 1, {"工程"})), QStringList({"9", "10", "A"}));

    struct SCase
    {
        int root;
        QStringList path;
        const char* category;
    };
    const SCase cases[] = {{1, {"工程"}, "工程"},        {1, {""}, ""},     {0, {"标准材料"}, "0"},
                           {1, {"工程", "A"}, "0"}, {1, {}, "0"}};
    for (const SCase& c : cases) {
        tree->TreeView1->setCurrentItem(Item(*tree, c.root, c.path));
        EXPECT_EQ(tree->GetSelectedCategory(), QString::fromUtf8(c.category)) << c.path.join('/').toStdString();
    }
    const auto record = tree->GetNodeInfo(Item(*tree, 1, {"其它", "A"}));
    EXPECT_TRUE(record.IsRecord);
    EXPECT_EQ(record.ID, 5);
    EXPECT_EQ(record.Category, QStringLiteral("其它"));
    EXPECT_EQ(record.Root, 1);

    tree->SelectRecordById(-1);
    EXPECT_EQ(tree->GetSelectedRecord().ID, 0);
    tree->SelectRecordById(3);
    EXPECT_EQ(tree->GetSelectedRecord().Name, QStringLiteral("9"));
}

TEST_F(MetrailTree, WithoutAProjectTheSystemRootIsOpenAndNothingChanges)
{
    m_project.ProjectCon.Close();
    auto tree = Tree();
    EXPECT_EQ(tree->RootItem(1)->childCount(), 0);
    EXPECT_TRUE(tree->RootItem(0)->isExpanded());
    EXPECT_EQ(tree->GetConnection(1), nullptr);
    EXPECT_EQ(tree->AddRecord(QStringLiteral("X"), QStringLiteral("工程")), 0);
}

TEST_F(MetrailTree, ActionsFollowTheSelection)
{
    auto tree = Tree();
    auto state = [&] {
        QString s;
        for (QAction* a : {tree->Action_Copy, tree->Action_Past, tree->Action_ReName, tree->Action_clone,
                           tree->Action_Del, tree->Action_NewCon})
            s += a->isEnabled() ? '1' : '0';
        return s;
    };
    tree->TreeView1->setCurrentItem(Item(*tree, 0, {"标准材料", kSystemWall}));
    EXPECT_EQ(state(), "100001");
    tree->Action_CopyExecute();
    tree->TreeView1->setCurrentItem(Item(*tree, 1, {"工程"}));
    EXPECT_EQ(state(), "010001");
    tree->TreeView1->setCurrentItem(Item(*tree, 1, {"工程", "A"}));
    EXPECT_EQ(state(), "111111");
    tree->TreeView1->setCurrentItem(tree->RootItem(1));
    EXPECT_EQ(state(), "000001");
    tree->UpdateActions(false); // right click on empty space
    EXPECT_EQ(state(), "000001");
}

TEST_F(MetrailTree, PasteIntoATakenNameAsksThenNumbersTheCopy)
{
    ExecProject("update OutsideWall_Lib set Name = 'Y''s' where ID = 1");
    ExecProject("insert into OutsideWall_Lib (ID, Name, catergory, K_S) values (6, 'Y''s [副本1]', '工程', 0.1)");
    auto tree = Tree();
    // The system record is copied, then pasted twice into 工程 (no: a new name), once more (yes:
    // its values over the record of that name, which keeps its name and category).
    CDbQuery system(m_sysParam.ADOConnection2);
    ExecQueryGuarded(system, CSQLStatement("insert into OutsideWall_Lib (Name, catergory, K_S) values ('Y''s', '系统', 2.5)"));
    tree->LoadTree(&m_sysParam.ADOConnection2, &m_project.ProjectCon, "OutsideWall");
    tree->TreeView1->setCurrentItem(Item(*tree, 0, {"系统", "Y's"}));
    tree->Action_CopyExecute();
    Dialogs().MessageBoxAnswers = {7, 7, 6};
    for (int paste = 0; paste < 3; ++paste) {
        tree->TreeView1->setCurrentItem(Item(*tree, 1, {"工程"}));
        tree->Action_PastExecute();
    }
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 3);
    EXPECT_EQ(Dialogs().MessageBoxes[0].caption, QStringLiteral("覆盖"));
    EXPECT_EQ(Dialogs().MessageBoxes[0].defaultButton, 2);
    EXPECT_EQ(ProjectColumn("select Name || '=' || K_S from OutsideWall_Lib where catergory = '工程' order by ID"),
              QStringList({"Y's=2.5", "10=0.6", "9=0.7", "Y's [副本1]=0.1", "Y's [副本2]=2.5", "Y's [副本3]=2.5"}));
    EXPECT_EQ(Children(Item(*tree, 1, {"工程"})).filter("Y's").size(), 4);
    EXPECT_EQ(tree->GetSelectedRecord().ID, 1);
}

TEST_F(MetrailTree, CloneNamesTheCopiesInTurnAndCopyFromTheSystemUpdatesTheRowOfThatName)
{
    auto tree = Tree();
    tree->TreeView1->setCurrentItem(Item(*tree, 1, {"工程", "A"}));
    tree->Action_cloneExecute();
    tree->TreeView1->setCurrentItem(Item(*tree, 1, {"工程", "A"}));
    tree->Action_cloneExecute();
    EXPECT_EQ(ProjectColumn("select Name from OutsideWall_Lib where K_S = 0.5 order by ID"),
              QStringList({"A", "A [副本1]", "A [副本2]"}));
    EXPECT_EQ(tree->GetSelectedRecord().Name, QStringLiteral("A [副本2]"));

    EXPECT_EQ(tree->CopyRecord(1, 1, 1), -1);
    const int first = tree->CopyRecord(0, 5, 1);
    ExecProject("update OutsideWall_Lib set K_S = 99 where Name = '240粘土砖墙(内外抹灰)'");
    EXPECT_EQ(tree->CopyRecord(0, 5, 1), first);
    EXPECT_NE(ProjectColumn("select K_S from OutsideWall_Lib where ID = " + QString::number(first)), QStringList({"99.0"}));
    EXPECT_EQ(Children(Item(*tree, 1, {"标准材料"})), QStringList({kSystemWall}));
}

TEST_F(MetrailTree, ARecordInUseIsNotDeleted)
{
    ExecProject("insert into OutsideWall (ID, material_id) values (100, 2)");
    TInitalizationManage defaults;
    CDbQuery query(m_project.ProjectCon);
    defaults.Load(query);
    defaults.SetValue(QStringLiteral("OutsideWallName"), QStringLiteral("3"));
    auto tree = Tree();
    for (const QString& name : {QStringLiteral("10"), QStringLiteral("9")}) {
        Dialogs().Messages.clear();
        tree->TreeView1->setCurrentItem(Item(*tree, 1, {"工程", name}));
        tree->Action_DelExecute();
        EXPECT_EQ(Dialogs().Messages, QStringList({kInUse})) << name.toStdString();
    }
    // Cancelling the question deletes nothing; confirming deletes the row and its item.
    tree->TreeView1->setCurrentItem(Item(*tree, 1, {"工程", "A"}));
    Dialogs().MessageBoxAnswers = {2, 6};
    tree->Action_DelExecute();
    EXPECT_EQ(Walls().size(), 5);
    tree->Action_DelExecute();
    EXPECT_EQ(Dialogs().Messages.last(), QStringLiteral("成功删除"));
    EXPECT_EQ(Children(Item(*tree, 1, {"工程"})), QStringList({"9", "10"}));
    EXPECT_EQ(Walls(), QStringList({"工程:10=0.6", "工程:9=0.7", ":E=0.8", "其它:A=0.9"}));
}

TEST_F(MetrailTree, ACategoryIsDeletedOnlyWhenNoneOfItsRecordsIsInUse)
{
    auto tree = Tree();
    ExecProject("insert into OutsideWall (ID, material_id) values (100, 3)");
    tree->TreeView1->setCurrentItem(Item(*tree, 1, {"工程"}));
    EXPECT_FALSE(tree->DeleteSelected(1, tree->GetSelectedCategory()));
    EXPECT_EQ(Dialogs().Messages, QStringList({kInUse}));
    EXPECT_EQ(Walls().size(), 5);

    // A DELETE the database refuses leaves the rows and the item, with the message.
    ExecProject("delete from OutsideWall");
    ExecProject("create trigger NoDelete before delete on OutsideWall_Lib begin select raise(abort, '不可删除'); end");
    EXPECT_FALSE(tree->DeleteSelected(1, QStringLiteral("工程")));
    EXPECT_TRUE(Dialogs().Messages.last().contains(QStringLiteral("不可删除")));
    EXPECT_EQ(Walls().size(), 5);
    EXPECT_EQ(Children(tree->RootItem(1)).size(), 3);

    ExecProject("drop trigger NoDelete");
    tree->TreeView1->setCurrentItem(Item(*tree, 1, {"工程"}));
    EXPECT_TRUE(tree->DeleteSelected(1, tree->GetSelectedCategory()));
    EXPECT_EQ(Walls(), QStringList({":E=0.8", "其它:A=0.9"}));
    EXPECT_EQ(Children(tree->RootItem(1)), QStringList({"", "其它"}));
}

TEST_F(MetrailTree, RenamesChangeOneRowByItsIdAndAskAgainForATakenName)
{
    // Two uses of one name: renaming one leaves the other.
    ExecProject("update RoomOccupation set Name = '同名' where ID in (1, 2)");
    auto uses = Tree(QStringLiteral("RoomOccupation"), true);
    QTreeWidgetItem* first = nullptr;
    for (int c = 0; c < uses->RootItem(1)->childCount() && !first; ++c)
        if (uses->RootItem(1)->child(c)->data(0, TMetrailTree::IdRole).toInt() == 1)
            first = uses->RootItem(1)->child(c);
    ASSERT_NE(first, nullptr);
    uses->TreeView1->setCurrentItem(first);
    EXPECT_FALSE(uses->RenameRecord(QStringLiteral("同名"), QStringLiteral("同名"), 1));
    EXPECT_TRUE(uses->RenameRecord(QStringLiteral("新名"), QStringLiteral("同名"), 1));
    EXPECT_EQ(ProjectColumn("select Name from RoomOccupation where ID in (1, 2) order by ID"), QStringList({"新名", "同名"}));

    // The command refuses an empty or taken name and asks again; a quote is stored as typed.
    auto tree = Tree();
    tree->TreeView1->setCurrentItem(Item(*tree, 1, {"工程", "A"}));
    Dialogs().InputAnswers = {QString(""), QStringLiteral("10"), QStringLiteral("A"), QStringLiteral("O'Neil")};
    tree->Action_ReNameExecute();
    EXPECT_EQ(Dialogs().Messages.size(), 3);
    EXPECT_EQ(Walls().first(), QStringLiteral("工程:O'Neil=0.5"));
    EXPECT_EQ(Walls().last(), QStringLiteral("其它:A=0.9"));

    tree->TreeView1->setCurrentItem(Item(*tree, 1, {"工程"}));
    EXPECT_TRUE(tree->RenameCategory(QStringLiteral("工程2"), QStringLiteral("工程"), 0));
    EXPECT_EQ(tree->RootItem(1)->child(0)->text(0), QStringLiteral("工程2"));
}

TEST_F(MetrailTree, AddRefusesANameTakenInItsCategory)
{
    auto tree = Tree();
    EXPECT_EQ(tree->AddRecord(QStringLiteral("A"), QStringLiteral("工程")), 0);
    EXPECT_EQ(Dialogs().Messages, QStringList({"该材料已经存在!!!"}));
    const int id = tree->AddRecord(QStringLiteral("A"), QStringLiteral("新类"));
    EXPECT_GT(id, 5);
    EXPECT_EQ(tree->GetSelectedRecord().ID, id);
    EXPECT_EQ(tree->GetSelectedRecord().Category, QStringLiteral("新类"));
}
