// The storey-group and air-system forms over a small project: what their lists show, the name
// commands and which group is chosen after a deletion.
#include "app/controls/TControlEdit.h"
#include "climate/forms/TAirSystemForm.h"
#include "climate/forms/TStoreyGroupForm.h"
#include "tests/climate/forms/ScheduleFormsFixture.h"

#include <QComboBox>
#include <QListWidget>

namespace {

class GroupingForms : public ScheduleFormsFixture
{
protected:
    static QStringList Lines(const QListWidget* list)
    {
        QStringList lines;
        for (int row = 0; row < list->count(); ++row)
            lines << list->item(row)->text();
        return lines;
    }
    static QStringList Items(const QComboBox* box)
    {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    }
};

TEST_F(GroupingForms, ListsFollowTheProjectAndTheKind)
{
    Exec("insert into StoreyGroup (StoreyGroupName) values ('标准层')");
    Exec("insert into PrimaryAirSystem (PrimaryAirSystemName) values ('回风1')");
    {
        // Without buildings there are no storeys to group: no group is listed either.
        TStoreyGroupForm form;
        EXPECT_EQ(form.windowTitle(), QStringLiteral("楼层组管理"));
        EXPECT_EQ(form.ComboBox1->count(), 0);
        EXPECT_EQ(form.ComboBox2->count(), 0);
    }
    CNodeData* storey = Make(Make(&Root(), 1), 2);
    Make(storey, 3);
    Make(storey, 3);
    const struct
    {
        int outsideAir;
        const char* caption;
        const char* system;
    } kinds[] = {{0, "回风系统管理", "回风1"}, {1, "新风系统管理", nullptr}};
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.caption);
        TAirSystemForm form(kind.outsideAir);
        EXPECT_EQ(form.windowTitle(), QString::fromUtf8(kind.caption));
        EXPECT_EQ(Lines(form.ListBox1), QStringList({"楼层1~房间1", "楼层1~房间2"}));
        EXPECT_EQ(Items(form.ComboBox2), kind.system ? QStringList{QString::fromUtf8(kind.system)} : QStringList());
        if (!kind.system)
            continue;
        form.ListBox1->item(1)->setSelected(true);
        form.Button2Click();
        EXPECT_EQ(Lines(form.ListBox1), QStringList({"楼层1~房间1"}));
        EXPECT_EQ(Lines(form.ListBox2), QStringList({"大楼1~楼层1~房间2"}));
    }
    // A room of a return-air system is still free for the outdoor-air systems.
    TAirSystemForm outdoor(1);
    EXPECT_EQ(Lines(outdoor.ListBox1).size(), 2);
}

TEST_F(GroupingForms, NameCommandsAndTheChoiceAfterADeletion)
{
    CNodeData* building = Make(&Root(), 1);
    Make(building, 2);
    Make(building, 2);
    TStoreyGroupForm form;
    for (const char* name : {"A", "B", "C", "b", "  "}) {
        form.ControlEdit2->setText(QString::fromUtf8(name));
        form.Button9Click();
    }
    EXPECT_EQ(Items(form.ComboBox2), QStringList({"A", "B", "C"})) << "taken and blank names do nothing";
    EXPECT_EQ(form.ChosenGroup(), QStringLiteral("C"));

    // Members, a base storey, and a rename that moves both with the group.
    form.ListBox1->selectAll();
    form.Button2Click();
    EXPECT_EQ(Lines(form.ListBox2), QStringList({"大楼1~楼层1", "大楼1~楼层2"}));
    EXPECT_TRUE(Lines(form.ListBox1).isEmpty());
    form.ListBox2->item(0)->setSelected(true);
    form.Button1Click();
    EXPECT_EQ(form.ControlEdit1->text(), QStringLiteral("大楼1~楼层1"));
    form.ControlEdit2->setText(QStringLiteral("A"));
    form.Button10Click();
    EXPECT_EQ(form.ChosenGroup(), QStringLiteral("C")) << "the name of another group is refused";
    form.ControlEdit2->setText(QStringLiteral("标准层"));
    form.Button10Click();
    EXPECT_EQ(Items(form.ComboBox2), QStringList({"A", "B", "标准层"}));
    EXPECT_EQ(m_project.QueryInt(CSQLStatement("select count(*) from Storey where StoreyGroupName='标准层'")), 2);

    // Removing the base storey clears it.
    form.ListBox2->clearSelection();
    form.ListBox2->item(0)->setSelected(true);
    form.Button3Click();
    EXPECT_EQ(Lines(form.ListBox2), QStringList({"大楼1~楼层2"}));
    EXPECT_TRUE(form.ControlEdit1->text().isEmpty());

    // Deleting the first group chooses the new first, a later one the one before it, the last none.
    form.ComboBox2->setCurrentIndex(0);
    form.Button11Click();
    EXPECT_EQ(form.ChosenGroup(), QStringLiteral("B"));
    form.ComboBox2->setCurrentIndex(1);
    form.Button11Click();
    EXPECT_EQ(form.ChosenGroup(), QStringLiteral("B"));
    EXPECT_EQ(Lines(form.ListBox1), QStringList({"楼层1", "楼层2"})) << "the members are free again";
    form.Button11Click();
    EXPECT_EQ(form.ComboBox2->currentIndex(), -1);
    EXPECT_TRUE(form.ControlEdit2->text().isEmpty());
    EXPECT_TRUE(Lines(form.ListBox2).isEmpty());
}

} // namespace
