// Library tree nodes: searching and walking a tree, binding it to tree items, the source of a node,
// the delete permission, renaming, saving each state, and copying a record into another root.
#include "tests/model/ModelFixture.h"

#include "library/CHvacData.h"
#include "library/CMaterialNode.h"
#include "library/CMaterialTreeItemBase.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/Exception.h"

#include <QTemporaryDir>
#include <algorithm>

namespace {

// A tree item that keeps what the node sets on it; child items are owned by their parent item.
class FakeItem : public CMaterialTreeItemBase
{
public:
    explicit FakeItem(FakeItem* up = nullptr) : m_up(up) {}

    void SetText(const QString& text) override { m_text = text; }
    void SetImageIndex(int index) override { m_image = index; }
    void SetNode(CMaterialNode* node) override { m_node = node; }
    void DeleteChildren() override { m_items.clear(); }
    CMaterialTreeItemBase* AddChild() override
    {
        m_items.push_back(std::make_unique<FakeItem>(this));
        return m_items.back().get();
    }
    void Delete() override
    {
        if (!m_up) {
            m_deleted = true;
            return;
        }
        auto& siblings = m_up->m_items;
        siblings.erase(std::find_if(siblings.begin(), siblings.end(),
                                    [this](const auto& item) { return item.get() == this; }));
    }
    void SortTree() override { ++Root().m_sorts; }

    // "caption/image" of the item and every item below it, in pre-order.
    QStringList Shown() const
    {
        QStringList shown{QStringLiteral("%1/%2").arg(m_text).arg(m_image)};
        for (const auto& item : m_items)
            shown << item->Shown();
        return shown;
    }
    FakeItem& Root() { return m_up ? m_up->Root() : *this; }

    QString m_text;
    int m_image = -1;
    CMaterialNode* m_node = nullptr;
    bool m_deleted = false;
    int m_sorts = 0;

private:
    FakeItem* m_up;
    std::vector<std::unique_ptr<FakeItem>> m_items;
};

CMaterialNode* Add(CMaterialNode* parent, int kind, const QString& caption, int id = -1)
{
    auto* node = new CMaterialNode(parent);
    node->NodeKind = kind;
    node->Caption = caption;
    node->ID = id;
    return node;
}

class MaterialNodeTest : public ModelFixture
{
protected:
    // The kind's table of the database as a tree, categories in the order they first occur.
    std::unique_ptr<CMaterialNode> LoadRoot(CDbConnection& connection, int kind, const QString& table)
    {
        auto root = std::make_unique<CMaterialNode>();
        root->Caption = QStringLiteral("根");
        root->Connection = &connection;
        root->LibKind = kind;
        CDbQuery query(connection);
        const bool uses = kind == 16 || kind == 18;
        OpenQueryGuarded(query, {QStringLiteral("select %1 as catergory, Name, ID from %2 order by ID")
                                     .arg(uses ? QStringLiteral("''") : QStringLiteral("catergory"), table)});
        for (query.First(); !query.Eof(); query.Next()) {
            CMaterialNode* parent = root.get();
            const QString category = query.AsString("catergory");
            if (!category.isEmpty()) {
                parent = root->FindByCaption(CMaterialNode::KindCategory, category);
                if (!parent)
                    parent = Add(root.get(), CMaterialNode::KindCategory, category);
            }
            Add(parent, CMaterialNode::KindRecord, query.AsString("Name"), query.AsInt("ID"));
        }
        return root;
    }

    int ProjectInsert(const CSQLStatement& statement, const QString& table)
    {
        m_project.ExecSQL(statement);
        return m_project.QueryInt({QStringLiteral("select max(ID) from %1").arg(table)});
    }

    static QStringList Captions(CMaterialNode& root)
    {
        QStringList captions;
        root.ForEachPostOrder([&](CMaterialNode& node) { captions << node.Caption; });
        return captions;
    }

    TInitalizationManage m_defaults;
};

// Root R: category C1 (records a 1, b 2), category C2 (record a 3), record d 4.
std::unique_ptr<CMaterialNode> SmallTree()
{
    auto root = std::make_unique<CMaterialNode>();
    root->Caption = "R";
    CMaterialNode* c1 = Add(root.get(), CMaterialNode::KindCategory, "C1");
    Add(c1, CMaterialNode::KindRecord, "a", 1);
    Add(c1, CMaterialNode::KindRecord, "b", 2);
    CMaterialNode* c2 = Add(root.get(), CMaterialNode::KindCategory, "C2");
    Add(c2, CMaterialNode::KindRecord, "a", 3);
    Add(root.get(), CMaterialNode::KindRecord, "d", 4);
    return root;
}

TEST(MaterialNodeTree, SearchesWalksAndBindsTheLiveNodes)
{
    auto root = SmallTree();
    EXPECT_EQ(root->FindById(CMaterialNode::KindRecord, 3)->Parent->Caption, "C2");
    EXPECT_EQ(root->FindByCaption(CMaterialNode::KindRecord, "A")->ID, 1);
    EXPECT_EQ(root->FindByCaption(CMaterialNode::KindCategory, "a"), nullptr);
    EXPECT_EQ(root->FindById(CMaterialNode::KindRecord, 3)->GetRoot(), root.get());

    QStringList order;
    root->ForEachPostOrder(
        [&](CMaterialNode& node) { order << QStringLiteral("%1%2").arg(node.Caption).arg(node.ID); });
    EXPECT_EQ(order, (QStringList{"d4", "a3", "C2-1", "b2", "a1", "C1-1", "R-1"}));

    FakeItem item;
    root->BindTreeItem(&item);
    EXPECT_EQ(item.Shown(), (QStringList{"R/0", "C1/1", "a/2", "b/2", "C2/1", "a/2", "d/2"}));
    EXPECT_EQ(item.m_node, root.get());

    CMaterialNode* first = root->FindById(CMaterialNode::KindRecord, 1);
    first->Parent->MarkDeleted(); // the category and its records
    EXPECT_EQ(first->State, CMaterialNode::StateDeleted);
    EXPECT_EQ(first->TreeItem, nullptr);
    EXPECT_EQ(item.Shown(), (QStringList{"R/0", "C2/1", "a/2", "d/2"}));
    EXPECT_EQ(root->FindById(CMaterialNode::KindRecord, 1), nullptr);
    EXPECT_EQ(root->FindByCaption(CMaterialNode::KindRecord, "a")->ID, 3);
    EXPECT_FALSE(root->NameInUse("b"));

    root->BindTreeItem(&item);
    EXPECT_EQ(item.Shown(), (QStringList{"R/0", "C2/1", "a/2", "d/2"}));
}

TEST_F(MaterialNodeTest, SourceFollowsTheNodesDatabase)
{
    QTemporaryDir dir;
    CDbConnection other(QStringLiteral("OtherProject"));
    other.Open(dir.filePath("other.vlz"), true);
    CMaterialNode node;
    const QList<QPair<CDbConnection*, int>> cases{{&m_sysParam.ADOConnection2, CMaterialNode::SourceSystem},
                                                  {&m_project.ProjectCon, CMaterialNode::SourceProject},
                                                  {&other, CMaterialNode::SourceOther},
                                                  {&m_sysParam.ADOConnection1, CMaterialNode::SourceOther}};
    for (const auto& [connection, source] : cases) {
        node.Connection = connection;
        EXPECT_EQ(node.GetSource(), source);
    }
}

TEST_F(MaterialNodeTest, DataIsReadOnceFromTheRecordsRow)
{
    auto root = LoadRoot(m_sysParam.ADOConnection2, 0, "OutsideWall_Lib");
    CMaterialNode* wall = root->FindById(CMaterialNode::KindRecord, 1);
    CHvacData* data = wall->GetData();
    ASSERT_TRUE(data);
    EXPECT_FALSE(data->Values.contains("Name") || data->Values.contains("ID") ||
                 data->Values.contains("catergory"));
    CDbQuery query(m_sysParam.ADOConnection2);
    OpenQueryGuarded(query, {"select K_S, Kesin_W from OutsideWall_Lib where ID = 1"});
    EXPECT_DOUBLE_EQ(data->Values["K_S"].toDouble(), query.AsDouble("K_S"));
    EXPECT_DOUBLE_EQ(data->Values["Kesin_W"].toDouble(), query.AsDouble("Kesin_W"));
    EXPECT_EQ(wall->GetData(), data);

    EXPECT_EQ(root->FindByCaption(CMaterialNode::KindCategory, "标准材料")->GetData(), nullptr);
    CMaterialNode* gone = Add(root.get(), CMaterialNode::KindRecord, "已删除", 999999);
    EXPECT_EQ(gone->GetData(), nullptr);
}

TEST_F(MaterialNodeTest, RecordsInUseOrNamedByADefaultCannotBeDeleted)
{
    m_defaults.Load(m_project.Initialization);
    // Not ID 1, which the project's default OutsideWallName names.
    const int wallId = ProjectInsert(
        {"insert into OutsideWall_Lib (ID, Name, catergory) values (50, '项目墙', '类')"}, "OutsideWall_Lib");
    const int elementId =
        ProjectInsert({"insert into OutsideWall (ID, Name, material_id) values (500, '外墙1', ?)", {wallId}},
                      "OutsideWall");
    const int spareUse =
        ProjectInsert({"insert into RoomOccupation (Name) values ('备用')"}, "RoomOccupation");
    auto walls = LoadRoot(m_project.ProjectCon, 0, "OutsideWall_Lib");
    auto uses = LoadRoot(m_project.ProjectCon, 16, "RoomOccupation");
    auto system = LoadRoot(m_sysParam.ADOConnection2, 0, "OutsideWall_Lib");

    CMaterialNode* wall = walls->FindById(CMaterialNode::KindRecord, wallId);
    EXPECT_FALSE(wall->CanDelete());
    m_project.ExecSQL({"update OutsideWall set material_id = -5 where ID = ?", {elementId}});
    EXPECT_TRUE(wall->CanDelete());

    // RoomUse's default names use 1 although no room uses it.
    EXPECT_FALSE(uses->FindById(CMaterialNode::KindRecord, 1)->CanDelete());
    CMaterialNode* spare = uses->FindById(CMaterialNode::KindRecord, spareUse);
    EXPECT_TRUE(spare->CanDelete());
    m_project.ExecSQL(
        {"insert into Room (ID, Name, RoomUse) values (600, '房间', ?)", {QString::number(spareUse)}});
    EXPECT_FALSE(spare->CanDelete());

    // With a project open only its records may go; a new node always may.
    EXPECT_FALSE(system->FindById(CMaterialNode::KindRecord, 2)->CanDelete());
    Add(system.get(), CMaterialNode::KindRecord, "新")->State = CMaterialNode::StateNew;
    EXPECT_TRUE(system->FindByCaption(CMaterialNode::KindRecord, "新")->CanDelete());

    QTemporaryDir dir;
    CDbConnection other(QStringLiteral("OtherProject"));
    ASSERT_TRUE(QFile::copy(m_folder.File("Project/ProjectModule.dat"), dir.filePath("other.vlz")));
    other.Open(dir.filePath("other.vlz"));
    CDbQuery insert(other);
    ExecQueryGuarded(insert, {"insert into OutsideWall_Lib (Name) values ('别的工程')"});
    EXPECT_FALSE(LoadRoot(other, 0, "OutsideWall_Lib")
                     ->FindByCaption(CMaterialNode::KindRecord, "别的工程")
                     ->CanDelete());
}

TEST_F(MaterialNodeTest, WithoutAProjectSystemRecordsMayGoUnlessADefaultNamesThem)
{
    m_project.ProjectCon.Close();
    m_defaults.Load(m_sysParam.Initialization);
    auto system = LoadRoot(m_sysParam.ADOConnection2, 0, "OutsideWall_Lib");
    EXPECT_FALSE(system->FindById(CMaterialNode::KindRecord, 1)->CanDelete()); // OutsideWallName
    EXPECT_TRUE(system->FindById(CMaterialNode::KindRecord, 2)->CanDelete());
}

TEST_F(MaterialNodeTest, RenameRefusesANameTheTreeHasInAnyCase)
{
    ProjectInsert(
        {"insert into Roof_Lib (Name, catergory) values ('平屋面', '屋面类'), ('坡屋面', '屋面类')"},
        "Roof_Lib");
    auto roofs = LoadRoot(m_project.ProjectCon, 4, "Roof_Lib");
    FakeItem item;
    roofs->BindTreeItem(&item);
    CMaterialNode* flat = roofs->FindByCaption(CMaterialNode::KindRecord, "平屋面");

    for (const QString& taken : {QStringLiteral("屋面类"), QStringLiteral("坡屋面"), QStringLiteral("根")}) {
        EXPECT_FALSE(flat->Rename(taken));
        EXPECT_EQ(flat->Caption, "平屋面");
    }
    EXPECT_EQ(Dialogs().Messages, QStringList(3, "该名称已经被使用"));
    EXPECT_EQ(flat->State, CMaterialNode::StateClean);

    EXPECT_TRUE(flat->Rename("Flat"));
    EXPECT_TRUE(flat->Rename("FLAT")); // its own name in another case
    EXPECT_EQ(flat->State, CMaterialNode::StateModified);
    EXPECT_TRUE(item.Shown().contains("FLAT/2"));
    CMaterialNode* pitched = roofs->FindByCaption(CMaterialNode::KindRecord, "坡屋面");
    EXPECT_FALSE(pitched->Rename("flat"));

    pitched->State = CMaterialNode::StateNew;
    EXPECT_TRUE(pitched->Rename("坡屋面2"));
    EXPECT_EQ(pitched->State, CMaterialNode::StateNew);
    EXPECT_TRUE(roofs->FindByCaption(CMaterialNode::KindCategory, "屋面类")->Rename("其它"));
    EXPECT_EQ(roofs->FindByCaption(CMaterialNode::KindCategory, "屋面类")->Caption, "屋面类");
}

// The library manager stores a record frame's fields in a fresh bag, and saves when it differs.
TEST_F(MaterialNodeTest, SavingAModifiedRecordWritesItsFieldsNameAndCategoryOnly)
{
    const int id =
        ProjectInsert({"insert into OutsideWindow_Lib (Name, catergory, K_S, Inside_Sunshade, BMP) "
                       "values ('窗', '旧类', 2.8, 0.6, ?)",
                       {QByteArray("AAAA")}},
                      "OutsideWindow_Lib");
    auto windows = LoadRoot(m_project.ProjectCon, 6, "OutsideWindow_Lib");
    CMaterialNode* window = windows->FindById(CMaterialNode::KindRecord, id);
    window->GetData();

    CHvacData frame; // what the window frame shows: no shading factors
    frame.Values = {{"K_S", "2.4"}, {"Pane", "双层"}};
    frame.Blob = "BBBB";
    ASSERT_FALSE(window->Data->IsEqual(frame));
    window->Data->Assign(frame);
    window->State = CMaterialNode::StateModified;
    window->Rename("新窗");
    windows->FindByCaption(CMaterialNode::KindCategory, "旧类")->Caption = "新类";
    window->Save();

    EXPECT_EQ(window->State, CMaterialNode::StateClean);
    CDbQuery row(m_project.ProjectCon);
    OpenQueryGuarded(row, {"select * from OutsideWindow_Lib where ID = ?", {id}});
    EXPECT_EQ(row.AsString("Name"), "新窗");
    EXPECT_EQ(row.AsString("catergory"), "新类");
    EXPECT_DOUBLE_EQ(row.AsDouble("K_S"), 2.4);
    EXPECT_EQ(row.AsString("Pane"), "双层");
    EXPECT_DOUBLE_EQ(row.AsDouble("Inside_Sunshade"), 0.6);
    EXPECT_EQ(row.FieldByName("BMP").toByteArray(), QByteArray("BBBB"));
}

TEST_F(MaterialNodeTest, SavingNewAndDeletedRecords)
{
    auto system = LoadRoot(m_sysParam.ADOConnection2, 13, "Ground_Lib");
    auto project = LoadRoot(m_project.ProjectCon, 13, "Ground_Lib");
    CMaterialNode* source = system->FindById(CMaterialNode::KindRecord, 1);

    CMaterialNode* copy = source->CopyTo(project.get(), false);
    ASSERT_EQ(copy->State, CMaterialNode::StateNew);
    EXPECT_EQ(copy->Parent->State, CMaterialNode::StateNew); // the category, made for it
    copy->Save();
    EXPECT_EQ(copy->State, CMaterialNode::StateClean);
    EXPECT_EQ(copy->ID, m_project.QueryInt({"select max(ID) from Ground_Lib"}));
    CDbQuery row(m_project.ProjectCon);
    OpenQueryGuarded(row, {"select * from Ground_Lib where ID = ?", {copy->ID}});
    EXPECT_EQ(row.AsString("Name"), source->Caption);
    EXPECT_EQ(row.AsString("catergory"), source->Parent->Caption);
    EXPECT_DOUBLE_EQ(row.AsDouble("K_W"), source->GetData()->Values["K_W"].toDouble());

    // Directly under its root a record has no category.
    QList<int> looseIds;
    for (const QString& name : {QStringLiteral("散放1"), QStringLiteral("散放2")}) {
        CMaterialNode* loose = Add(project.get(), CMaterialNode::KindRecord, name);
        loose->State = CMaterialNode::StateNew;
        loose->Data = std::make_unique<CHvacData>();
        loose->Save();
        EXPECT_EQ(m_project.QueryString({"select catergory from Ground_Lib where ID = ?", {loose->ID}}), "");
        looseIds << loose->ID;
        loose->MarkDeleted();
    }

    // Saving every record of the tree, as the library manager does, removes the deleted ones.
    project->ForEachPostOrder([](CMaterialNode& node) {
        if (node.NodeKind == CMaterialNode::KindRecord)
            node.Save();
    });
    for (int id : looseIds) {
        EXPECT_EQ(project->FindById(CMaterialNode::KindRecord, id), nullptr);
        EXPECT_EQ(m_project.QueryInt({"select count(*) from Ground_Lib where ID = ?", {id}}), 0);
    }
    EXPECT_EQ(project->Children.size(), 1u); // the category of the copy

    // A node whose values were never read is not written.
    CMaterialNode* unread = project->FindById(CMaterialNode::KindRecord, copy->ID);
    unread->Data.reset();
    unread->MarkDeleted();
    unread->Save();
    EXPECT_EQ(m_project.QueryInt({"select count(*) from Ground_Lib"}), 1);
}

TEST_F(MaterialNodeTest, AFailingStatementRaisesTheGuardedMessageAndKeepsTheState)
{
    QTemporaryDir dir;
    CDbConnection empty(QStringLiteral("EmptyDatabase"));
    empty.Open(dir.filePath("empty.vlz"), true);
    CMaterialNode root;
    root.Connection = &empty;
    root.LibKind = 0;
    CMaterialNode* record = Add(&root, CMaterialNode::KindRecord, "墙", 5);
    record->Data = std::make_unique<CHvacData>();

    const QList<QPair<int, QString>> cases{{CMaterialNode::StateModified, "查询SQL发生异常:\n"},
                                           {CMaterialNode::StateNew, "查询SQL发生异常:\n"},
                                           {CMaterialNode::StateDeleted, "执行数据发生异常:\n"}};
    for (const auto& [state, message] : cases) {
        record->State = state;
        try {
            record->Save();
            FAIL() << "no exception";
        } catch (const Exception& e) {
            EXPECT_TRUE(e.Message().startsWith(message)) << e.Message().toStdString();
            EXPECT_TRUE(e.Message().contains("执行的语句:")) << e.Message().toStdString();
        }
        EXPECT_EQ(record->State, state);
    }
}

class MaterialNodeCopyTest : public MaterialNodeTest
{
protected:
    void SetUp() override
    {
        MaterialNodeTest::SetUp();
        m_system = LoadRoot(m_sysParam.ADOConnection2, 0, "OutsideWall_Lib");
        m_source = m_system->FindById(CMaterialNode::KindRecord, 1);
        m_name = m_source->Caption;
        m_category = m_source->Parent->Caption;
    }

    // A project record of the source's name and category with the source's values but K_S.
    void AddProjectTwin(const QString& kS)
    {
        CDbQuery query(m_sysParam.ADOConnection2);
        OpenQueryGuarded(query, {"select * from OutsideWall_Lib where ID = 1"});
        CDbQuery target(m_project.ProjectCon);
        OpenQueryGuarded(target, {"select * from OutsideWall_Lib where 1<>1"});
        target.Append();
        for (const QString& field : query.FieldNames())
            if (field != "ID")
                target.SetFieldValue(field, query.FieldByName(field));
        target.SetFieldValue("K_S", kS.toDouble());
        target.Post();
    }

    std::unique_ptr<CMaterialNode> ProjectRoot()
    {
        return LoadRoot(m_project.ProjectCon, 0, "OutsideWall_Lib");
    }

    std::unique_ptr<CMaterialNode> m_system;
    CMaterialNode* m_source = nullptr;
    QString m_name;
    QString m_category;
};

TEST_F(MaterialNodeCopyTest, ARecordOfTheSameNameAndValuesIsTakenAsItIs)
{
    AddProjectTwin(m_source->GetData()->Values["K_S"]);
    auto project = ProjectRoot();
    CMaterialNode* twin = project->FindByCaption(CMaterialNode::KindRecord, m_name);
    const int nodes = static_cast<int>(project->Children.size());
    EXPECT_EQ(m_source->CopyTo(project.get(), false), twin);
    EXPECT_EQ(static_cast<int>(project->Children.size()), nodes);
    EXPECT_EQ(twin->State, CMaterialNode::StateClean);
}

TEST_F(MaterialNodeCopyTest, OtherValuesUnderTheSameNameAskWhatToDo)
{
    AddProjectTwin("9.5");
    struct SCase
    {
        int answer;
        bool answersTwin;
        int twinState;
        QString twinKs;
    };
    const QString sourceKs = m_source->GetData()->Values["K_S"];
    const SCase cases[] = {
        {0, true, CMaterialNode::StateModified, sourceKs}, // overwrite
        {2, true, CMaterialNode::StateClean, "9.5"},       // keep the project's
        {1, false, CMaterialNode::StateClean, "9.5"},      // a copy under a new name
        {-1, false, CMaterialNode::StateClean, "9.5"},     // the choice was closed: nothing copied
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.answer);
        auto project = ProjectRoot();
        CMaterialNode* twin = project->FindByCaption(CMaterialNode::KindRecord, m_name);
        twin->GetData();
        Dialogs().SelectAnswers = {c.answer};
        CMaterialNode* answer = m_source->CopyTo(project.get(), false);
        EXPECT_TRUE(Dialogs().SelectAnswers.isEmpty());
        EXPECT_EQ(answer == twin, c.answersTwin);
        EXPECT_EQ(twin->State, c.twinState);
        EXPECT_EQ(twin->Data->Values["K_S"], c.twinKs);
        if (c.answer == -1) {
            EXPECT_EQ(answer, nullptr);
            EXPECT_EQ(project->FindByCaption(CMaterialNode::KindRecord, m_name + "[副本1]"), nullptr);
        } else if (!c.answersTwin) {
            EXPECT_EQ(answer->Caption, m_name + "[副本1]");
            EXPECT_EQ(answer->Parent, twin->Parent);
            EXPECT_EQ(answer->Data->Values["K_S"], sourceKs);
        }
    }
}

TEST_F(MaterialNodeCopyTest, ANameTakenAnywhereInTheTargetGetsTheFirstFreeCounter)
{
    auto project = ProjectRoot();
    CMaterialNode* other = Add(project.get(), CMaterialNode::KindCategory, "别的类");
    Add(other, CMaterialNode::KindRecord, m_name.toUpper());
    FakeItem item;
    project->BindTreeItem(&item);

    CMaterialNode* first = m_source->CopyTo(project.get(), false);
    EXPECT_EQ(first->Caption, m_name + "[副本1]");
    EXPECT_EQ(first->Parent->Caption, m_category);
    EXPECT_TRUE(Dialogs().SelectAnswers.isEmpty());
    // Without questions even the same category gets a new name.
    EXPECT_EQ(m_source->CopyTo(project.get(), true)->Caption, m_name + "[副本2]");
    EXPECT_EQ(first->Parent, project->FindByCaption(CMaterialNode::KindRecord, m_name + "[副本2]")->Parent);

    EXPECT_EQ(item.Shown(), (QStringList{"根/0", "别的类/1", m_name.toUpper() + "/2", m_category + "/1",
                                         m_name + "[副本1]/2", m_name + "[副本2]/2"}));
    EXPECT_EQ(item.m_sorts, 2);

    EXPECT_EQ(m_source->Parent->CopyTo(project.get(), false), nullptr);
    CMaterialNode* vanished = Add(m_system.get(), CMaterialNode::KindRecord, "消失", 999999);
    EXPECT_THROW(vanished->CopyTo(project.get(), false), Exception);
}

} // namespace
