// Storey groups on a small project tree: two buildings, storeys chosen by ID, base storeys kept as
// keys, and applying the groups through the tree.
#include "climate/CStoreyGroups.h"
#include "model/CStorey.h"
#include "tests/model/ProjectTreeFixture.h"

namespace {

class StoreyGroups : public ProjectTreeFixture
{
protected:
    void SetUp() override
    {
        ProjectTreeFixture::SetUp();
        m_b1 = Make(&Root(), 1);
        m_s1 = Make(m_b1, 2);
        m_s2 = Make(m_b1, 2);
        m_s3 = Make(m_b1, 2);
        m_b2 = Make(&Root(), 1);
        m_t1 = Make(m_b2, 2);
    }
    void Exec(const QString& sql, const QVariantList& values = {})
    {
        m_project.ExecSQL(CSQLStatement(sql, values));
    }
    QString GroupOf(const CNodeData* storey)
    {
        return m_project.QueryString(
            CSQLStatement("select StoreyGroupName from Storey where ID=?", {storey->GetElementId()}));
    }
    static QList<int> Ids(const QList<SStoreyRef>& storeys)
    {
        QList<int> ids;
        for (const SStoreyRef& storey : storeys)
            ids << storey.ID;
        return ids;
    }
    static int Id(const CNodeData* node) { return node->GetElementId(); }
    static QStringList Captions(const CNodeData* node)
    {
        QStringList captions;
        for (int i = 0; i < node->ChildCount(); ++i)
            captions << node->Child(i)->Caption();
        return captions;
    }

    CStoreyGroups m_groups;
    CNodeData* m_b1 = nullptr;
    CNodeData* m_s1 = nullptr;
    CNodeData* m_s2 = nullptr;
    CNodeData* m_s3 = nullptr;
    CNodeData* m_b2 = nullptr;
    CNodeData* m_t1 = nullptr;
};

} // namespace

TEST_F(StoreyGroups, StoreysJoinAndLeaveByIdNotByName)
{
    ASSERT_TRUE(m_groups.NewName(QStringLiteral("Std")));
    // Two storeys of one name in one building: only the chosen one joins.
    Exec("update Storey set Name='楼层1' where ID=?", {Id(m_s2)});
    EXPECT_EQ(Ids(m_groups.FreeStoreys(Id(m_b1))), QList<int>({Id(m_s1), Id(m_s2), Id(m_s3)}));
    ASSERT_NE(m_s1->LoadElement(), nullptr);

    m_groups.Assign(QStringLiteral("Std"), {Id(m_s1)});
    EXPECT_EQ(GroupOf(m_s1), QStringLiteral("Std"));
    EXPECT_EQ(GroupOf(m_s2), QString());
    EXPECT_EQ(Ids(m_groups.FreeStoreys(Id(m_b1))), QList<int>({Id(m_s2), Id(m_s3)}));
    EXPECT_EQ(m_s1->Element(), nullptr);
    EXPECT_EQ(static_cast<CStorey*>(m_s1->LoadElement())->StoreyGroupName, QStringLiteral("Std"));

    // Membership matches the group name in any letter case; a vanished group frees its storeys.
    Exec("update Storey set StoreyGroupName='STD' where ID=?", {Id(m_t1)});
    Exec("update Storey set StoreyGroupName='旧组' where ID=?", {Id(m_s3)});
    const QList<SStoreyRef> members = m_groups.Members(QStringLiteral("std"));
    ASSERT_EQ(members.size(), 2);
    EXPECT_EQ(members[0].Key(), QStringLiteral("大楼1~楼层1"));
    EXPECT_EQ(members[1].Key(), QStringLiteral("大楼2~楼层1"));
    EXPECT_EQ(Ids(m_groups.FreeStoreys(Id(m_b1))), QList<int>({Id(m_s2), Id(m_s3)}));

    // Leaving: a storey outside the group is passed over.
    m_groups.Remove(QStringLiteral("Std"), {Id(m_s3), Id(m_s1)});
    EXPECT_EQ(GroupOf(m_s1), QString());
    EXPECT_EQ(GroupOf(m_s3), QStringLiteral("旧组"));
}

TEST_F(StoreyGroups, GroupNamesAreUniqueInAnyLetterCaseAndKeptAsTyped)
{
    struct
    {
        const char* name;
        bool added;
    } cases[] = {{"", false},    {"   ", false},   {"Std", true},
                 {"STD", false}, {" Std2 ", true}, {"O'Brien", true}};
    for (const auto& c : cases)
        EXPECT_EQ(m_groups.NewName(QString::fromUtf8(c.name)), c.added) << c.name;
    EXPECT_EQ(m_groups.Names(), QStringList({"Std", " Std2 ", "O'Brien"}));

    m_groups.Assign(QStringLiteral("Std"), {Id(m_s1)});
    Exec("update Storey set StoreyGroupName='STD' where ID=?", {Id(m_t1)});
    EXPECT_FALSE(m_groups.Rename(QStringLiteral("Std"), QStringLiteral("Std")));
    EXPECT_FALSE(m_groups.Rename(QStringLiteral("Std"), QStringLiteral("o'brien")));
    EXPECT_FALSE(m_groups.Rename(QStringLiteral("Std"), QStringLiteral(" ")));
    ASSERT_TRUE(m_groups.Rename(QStringLiteral("Std"), QStringLiteral("标准'层")));
    EXPECT_EQ(m_groups.Names(), QStringList({"标准'层", " Std2 ", "O'Brien"}));
    EXPECT_EQ(GroupOf(m_s1), QStringLiteral("标准'层"));
    EXPECT_EQ(GroupOf(m_t1), QStringLiteral("标准'层"));

    m_groups.Delete(QStringLiteral("标准'层"));
    EXPECT_EQ(m_groups.Names(), QStringList({" Std2 ", "O'Brien"}));
    EXPECT_EQ(GroupOf(m_s1), QString());
    EXPECT_EQ(GroupOf(m_t1), QString());
}

TEST_F(StoreyGroups, TheBaseStoreyIsAMemberKeptAsItsKey)
{
    const QString std = QStringLiteral("Std");
    m_groups.NewName(std);
    m_groups.Assign(std, {Id(m_s1), Id(m_s2), Id(m_s3)});
    EXPECT_FALSE(m_groups.SetBaseStorey(std, Id(m_t1)));
    EXPECT_EQ(m_groups.BaseStorey(std), QString());
    ASSERT_TRUE(m_groups.SetBaseStorey(std, Id(m_s2)));
    EXPECT_EQ(m_groups.BaseStorey(std), QStringLiteral("大楼1~楼层2"));

    m_groups.Remove(std, {Id(m_s3)});
    EXPECT_EQ(m_groups.BaseStorey(std), QStringLiteral("大楼1~楼层2"));
    m_groups.Remove(std, {Id(m_s2)});
    EXPECT_EQ(m_groups.BaseStorey(std), QString());

    ASSERT_TRUE(m_groups.SetBaseStorey(std, Id(m_s1)));
    m_groups.Clear(std);
    EXPECT_EQ(m_groups.BaseStorey(std), QString());
    EXPECT_TRUE(m_groups.Members(std).isEmpty());
}

TEST_F(StoreyGroups, ApplyingCopiesTheBaseStoreyOverEveryOtherMember)
{
    CNodeData* a = Make(m_s1, 3, QStringLiteral("会议室"));
    Make(m_s1, 3, QStringLiteral("会议室"));
    Make(m_s2, 3);
    Exec("update Room set OutsideAirSystemName='新风1' where ID=?", {Id(a)});
    auto* base = static_cast<CStorey*>(m_s1->LoadElement());
    base->StoreyHeight = 4.5;
    ASSERT_EQ(base->UpdateRecord(), 1);
    const QString std = QStringLiteral("Std");
    m_groups.NewName(std);
    m_groups.Assign(std, {Id(m_s1), Id(m_s2), Id(m_t1)});
    ASSERT_TRUE(m_groups.SetBaseStorey(std, Id(m_s1)));
    const int s2Id = Id(m_s2);

    EXPECT_TRUE(m_groups.Apply());
    for (CNodeData* member : {m_s2, m_t1}) {
        EXPECT_EQ(Captions(member), QStringList({"会议室1", "会议室2"}));
        EXPECT_NE(Id(member->Child(0)), Id(a));
    }
    EXPECT_EQ(Id(m_s2), s2Id);
    EXPECT_EQ(Column(QStringLiteral("select Name||','||StoreyHeight from Storey where ID=%1").arg(s2Id)),
              QStringList{"楼层2,4.5"});
    EXPECT_EQ(Column(QStringLiteral(
                         "select Name||','||OutsideAirSystemName from Room where parent_id=%1 order by ID")
                         .arg(s2Id)),
              QStringList({"会议室1,新风1", "会议室2,"}));
    EXPECT_EQ(Dialogs().ProgressTitles, QStringList{"正在处理组:Std... "});
    EXPECT_EQ(Dialogs().ProgressSteps, 2);
    EXPECT_EQ(Dialogs().OpenProgress, 0);
    EXPECT_TRUE(Dialogs().MessageBoxes.isEmpty());
}

TEST_F(StoreyGroups, ApplyingAsksWhenABaseStoreyIsNotAmongItsMembers)
{
    for (const char* name : {"Lost", "NoMembers", "NoBase", "Good"})
        m_groups.NewName(QString::fromUtf8(name));
    m_groups.Assign(QStringLiteral("Lost"), {Id(m_s1), Id(m_s2)});
    Exec("update StoreyGroup set BaseStorey='大楼1~楼层9' where StoreyGroupName in ('Lost', 'NoMembers')");
    m_groups.Assign(QStringLiteral("NoBase"), {Id(m_s3)});
    m_groups.Assign(QStringLiteral("Good"), {Id(m_t1)});
    Exec("update StoreyGroup set BaseStorey='  ' where StoreyGroupName='NoBase'");
    // "Good" takes its base storey over from "Lost".
    Make(m_s2, 3);
    Exec("update StoreyGroup set BaseStorey='大楼1~楼层2' where StoreyGroupName='Good'");
    m_groups.Assign(QStringLiteral("Good"), {Id(m_s2)});

    Dialogs().MessageBoxAnswers = {7};
    EXPECT_FALSE(m_groups.Apply());
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
    EXPECT_EQ(Dialogs().MessageBoxes[0].message, QStringLiteral("找不到基础楼层，请检查!\n 是否继续？"));
    EXPECT_EQ(m_t1->ChildCount(), 0);

    Dialogs().MessageBoxes.clear();
    Dialogs().MessageBoxAnswers = {6};
    EXPECT_TRUE(m_groups.Apply());
    EXPECT_EQ(Dialogs().MessageBoxes.size(), 1);
    EXPECT_EQ(Captions(m_t1), QStringList{"房间1"});
    EXPECT_EQ(m_s3->ChildCount(), 0);
}
