// Applying a room use to ticked rooms (TTChangeUseForm) on a copy of the blank project: the tree
// with each room's use, ticking by use ID, the whole record or exactly the ticked fields, and the
// all-or-nothing apply.
#include "tests/bulk/BulkFixture.h"

#include "app/controls/ModalResult.h"
#include "app/controls/TCheckTreeView.h"
#include "bulk/CBulkTree.h"
#include "bulk/TTChangeUseForm.h"
#include "model/CNodeData.h"
#include "model/CPeople.h"
#include "model/CRoom.h"

#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>

namespace {
constexpr int kOffice = 1;   // 办公室 of the blank project, the default use
constexpr int kDesign = 2;   // 高档办公室、设计室
constexpr int kTrial = 100;  // added by the fixture

class ChangeUse : public BulkFixture
{
protected:
    void SetUp() override
    {
        BulkFixture::SetUp();
        // A copy of the office use with values of its own.
        Exec(QStringLiteral("create temp table t as select * from RoomOccupation where ID = 1"));
        Exec(QStringLiteral("update t set ID = 100, Name = '试验用途', TemperatureVariation = 1.5, "
                            "TemperatureVariation_Heating = 2.5, PeopleDensity = 0.2, PeopleDensityUnit = 1, "
                            "FoodPeopleDensity = 0.3, PeopleScheduleName = '试验人员表'"));
        Exec(QStringLiteral("insert into RoomOccupation select * from t"));
        Exec(QStringLiteral("drop table t"));
    }
    // A new room under the storey with its people.
    CNodeData* Room()
    {
        CNodeData* room = Make(m_storey, 3);
        Make(room, 4);
        return room;
    }
    static QTreeWidgetItem* ItemOf(const TTChangeUseForm& form, const CNodeData* node)
    {
        for (QTreeWidgetItem* item : CBulkTree::Items(*form.TreeView1))
            if (CBulkTree::NodeOf(item) == node)
                return item;
        return nullptr;
    }
    static int State(const TTChangeUseForm& form, const CNodeData* node)
    {
        return TCheckTreeView::State(ItemOf(form, node));
    }
    static void ChooseUse(TTChangeUseForm& form, int id) { form.ComboBox1->setCurrentIndex(form.ComboBox1->findData(id)); }
    // The room's row as "RoomUse TemperatureVariation TemperatureVariation_Heating PeopleDensity
    // InputTypeofPeopleDensity ScheduleName" and its people's schedule.
    QString RoomRow(const CNodeData* room)
    {
        return Column(QStringLiteral("select r.RoomUse || ' ' || r.TemperatureVariation || ' ' || "
                                     "r.TemperatureVariation_Heating || ' ' || r.PeopleDensity || ' ' || "
                                     "r.InputTypeofPeopleDensity || ' ' || r.ScheduleName || ' ' || p.ScheduleName "
                                     "from Room r, People p where r.ID = %1 and p.parent_id = r.ID")
                          .arg(room->GetElementId()))
            .value(0);
    }
};

const QString kOfficeRow = QStringLiteral("1 0.5 0.5 0.1 0 办公人员-公共建筑节能标准 办公人员-公共建筑节能标准");

} // namespace

TEST_F(ChangeUse, RoomsShowTheirUseAndAreTickedByTheUseTheyReferTo)
{
    CNodeData* r1 = Room();
    CNodeData* r2 = Room();
    CNodeData* named = Room();
    CNodeData* unknown = Room();
    ASSERT_TRUE(named->RenameNode(QStringLiteral("高档办公室、设计室")));
    dynamic_cast<CRoom*>(r2->LoadElement())->RoomUse = kDesign;
    dynamic_cast<CRoom*>(unknown->LoadElement())->RoomUse = 9999;

    TTChangeUseForm form;
    form.FormShow();
    EXPECT_EQ(ItemOf(form, r1)->text(0), QStringLiteral("房间1---[办公室]"));
    EXPECT_EQ(ItemOf(form, r2)->text(0), QStringLiteral("房间2---[高档办公室、设计室]"));
    EXPECT_EQ(ItemOf(form, named)->text(0), QStringLiteral("高档办公室、设计室---[办公室]"));
    EXPECT_EQ(ItemOf(form, unknown)->text(0), QStringLiteral("房间4---[]"));
    EXPECT_EQ(form.ComboBox1->currentIndex(), -1);
    EXPECT_EQ(form.CheckListBox1->count(), form.ComboBox1->count());

    // Ticking 高档办公室、设计室 ticks the room of that use, not the room that bears its name.
    QListWidgetItem* design = form.CheckListBox1->item(form.ComboBox1->findData(kDesign));
    design->setCheckState(Qt::Checked);
    EXPECT_EQ(State(form, r2), 1);
    EXPECT_EQ(State(form, named), 0);
    EXPECT_EQ(State(form, r1), 0);
    EXPECT_EQ(State(form, m_storey), 2);
    design->setCheckState(Qt::Unchecked);
    EXPECT_EQ(State(form, r2), 0);

    // A preset use is chosen, and its rooms ticked, when the dialog shows.
    TTChangeUseForm preset;
    preset.PresetUseId = kDesign;
    preset.FormShow();
    EXPECT_EQ(preset.ComboBox1->currentData().toInt(), kDesign);
    EXPECT_EQ(State(preset, r2), 1);
    EXPECT_EQ(State(preset, r1), 0);
}

TEST_F(ChangeUse, TheWholeRecordOrExactlyTheTickedFields)
{
    struct Case
    {
        bool whole;
        std::vector<int> rows; // ticked rows of the field list
        const char* expected;
    };
    const Case cases[] = {
        {true, {}, "100 1.5 2.5 0.2 1 办公人员-公共建筑节能标准 试验人员表"},
        {false, {}, "100 1.5 2.5 0.2 1 办公人员-公共建筑节能标准 试验人员表"}, // none ticked: all
        // 允许采暖设计温度波动 alone, not the cooling variation whose name it contains
        {false, {4}, "100 0.5 2.5 0.1 0 办公人员-公共建筑节能标准 办公人员-公共建筑节能标准"},
        // 就餐人数密度 is the diners', not the people density
        {false, {43}, "100 0.5 0.5 0.1 0 办公人员-公共建筑节能标准 办公人员-公共建筑节能标准"},
        // 人员密度 with its unit
        {false, {10}, "100 0.5 0.5 0.2 1 办公人员-公共建筑节能标准 办公人员-公共建筑节能标准"},
        // 人员时间表: the people's schedule, not the room's fresh-air one
        {false, {27}, "100 0.5 0.5 0.1 0 办公人员-公共建筑节能标准 试验人员表"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        CNodeData* room = Room();
        CNodeData* other = Room();
        TTChangeUseForm form;
        form.FormShow();
        form.TreeView1->SetCheck(ItemOf(form, room), false);
        ChooseUse(form, kTrial);
        (c.whole ? form.RadioButton1 : form.RadioButton2)->setChecked(true);
        for (int row : c.rows)
            form.CheckListBox2->item(row)->setCheckState(Qt::Checked);
        form.FlatButton2Click();
        EXPECT_EQ(form.result(), mrOk);
        EXPECT_EQ(RoomRow(room), QString::fromUtf8(c.expected));
        EXPECT_EQ(RoomRow(other), kOfficeRow);
        EXPECT_EQ(dynamic_cast<CRoom*>(room->LoadElement())->RoomUse, kTrial);
    }
    EXPECT_EQ(TTChangeUseForm::FieldName(4), QStringLiteral("TemperatureVariation_Heating"));
    EXPECT_EQ(TTChangeUseForm::FieldLabel(43), QStringLiteral("就餐人数密度"));
}

TEST_F(ChangeUse, TickingTheProjectTicksEveryRoomButTheProjectItselfIsNeverHandled)
{
    CNodeData* r1 = Room();
    CNodeData* r2 = Room();
    TTChangeUseForm form;
    form.FormShow();
    const int items = static_cast<int>(CBulkTree::Items(*form.TreeView1).size());
    form.TreeView1->SetCheck(form.TreeView1->topLevelItem(0), false);
    ChooseUse(form, kTrial);
    form.FlatButton2Click();
    ASSERT_EQ(form.result(), mrOk);
    EXPECT_TRUE(RoomRow(r1).startsWith(QStringLiteral("100 1.5")));
    EXPECT_TRUE(RoomRow(r2).startsWith(QStringLiteral("100 1.5")));
    EXPECT_EQ(Dialogs().ProgressTitles, QStringList{"正在修改数据......"});
    EXPECT_EQ(Dialogs().ProgressSteps, items - 1);
    EXPECT_EQ(Dialogs().OpenProgress, 0);
}

TEST_F(ChangeUse, WithoutAUseOrWhenARoomCannotBeWrittenNothingChanges)
{
    CNodeData* r1 = Room();
    CNodeData* r2 = Room();
    TTChangeUseForm form;
    form.FormShow();
    form.TreeView1->SetCheck(form.TreeView1->topLevelItem(0), false);

    form.FlatButton2Click();
    EXPECT_EQ(form.result(), 0);
    EXPECT_EQ(Dialogs().Messages, QStringList{"请选择要应用的房间用途!"});
    EXPECT_EQ(RoomRow(r1), kOfficeRow);
    EXPECT_TRUE(Dialogs().ProgressTitles.isEmpty());

    // The second room's row is refused: the first room, its people and both objects stay as they were.
    Exec(QStringLiteral("create trigger t before update on Room when new.Name = '房间2' begin select raise(ignore); end"));
    ChooseUse(form, kTrial);
    form.FlatButton2Click();
    EXPECT_EQ(form.result(), 0);
    EXPECT_EQ(Dialogs().Messages.last(), QStringLiteral("房间数据未能写入，工程未作任何修改。"));
    EXPECT_EQ(RoomRow(r1), kOfficeRow);
    EXPECT_EQ(RoomRow(r2), kOfficeRow);
    const auto* room = dynamic_cast<CRoom*>(r1->LoadElement());
    EXPECT_EQ(room->RoomUse, kOffice);
    EXPECT_EQ(room->TemperatureVariation, 0.5);
    EXPECT_EQ(dynamic_cast<CPeople*>(r1->Child(0)->LoadElement())->ScheduleName,
              QStringLiteral("办公人员-公共建筑节能标准"));
    EXPECT_EQ(Dialogs().OpenProgress, 0);
}
