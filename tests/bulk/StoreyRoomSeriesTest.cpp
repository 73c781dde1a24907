// Storeys and rooms in series (TStorey_Room_Form with CStoreyRoomSeries) on a copy of the blank
// project: names, numbering, common elements, the count checks and the all-or-nothing run.
#include "tests/bulk/BulkFixture.h"

#include "app/controls/ModalResult.h"
#include "bulk/TStorey_Room_Form.h"
#include "model/CNodeData.h"
#include "platform/core/Exception.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

class StoreyRoomSeries : public BulkFixture
{
protected:
    // Presses "确定" on a dialog for the node with the counts typed as given; the dialog's result.
    int Run(CNodeData* node, const QString& kind, const QString& rooms, const QString& above = QString(),
            const QString& below = QString(), bool overwrite = false)
    {
        TStorey_Room_Form form(nullptr, node, kind);
        form.Room_Count->setText(rooms);
        form.Storey_Count->setText(above);
        form.Low_Count->setText(below);
        form.isClearCheckBox->setChecked(overwrite);
        if (m_plainRooms) {
            form.eCheckBox21->setChecked(false);
            form.eCheckBox21Click();
        }
        form.BMPButton3Click();
        return form.result();
    }
    int Rows(const QString& table) { return Int(QStringLiteral("select count(*) from %1").arg(table)); }

    bool m_plainRooms = false; // no common elements
};

} // namespace

TEST_F(StoreyRoomSeries, StoreysBelowThenAboveEachWithItsRoomsAndTheDefaultElements)
{
    CNodeData* building = Make(&Root(), 1);
    ASSERT_EQ(Run(building, QStringLiteral("Storey"), QStringLiteral("4"), QStringLiteral("3"), QStringLiteral("2")),
              mrOk);

    EXPECT_EQ(Captions(building), (QStringList{"楼层-1", "楼层-2", "楼层1", "楼层2", "楼层3"}));
    EXPECT_EQ(Column(QStringLiteral("select Name || ':' || IsBelowGroundStorey from Storey where parent_id = %1 "
                                    "order by ID")
                         .arg(building->GetElementId())),
              (QStringList{"楼层-1:1", "楼层-2:1", "楼层1:0", "楼层2:0", "楼层3:0"}));
    for (int i = 0; i < building->ChildCount(); ++i) {
        const CNodeData* storey = building->Child(i);
        EXPECT_EQ(Captions(storey), (QStringList{"房间1", "房间2", "房间3", "房间4"})) << i;
        for (int r = 0; r < storey->ChildCount(); ++r)
            EXPECT_EQ(Captions(storey->Child(r)), (QStringList{"人员1", "照明1"}));
    }
    EXPECT_EQ(Dialogs().ProgressTitles, QStringList{"数据创建中，请稍候..."});
    EXPECT_EQ(Dialogs().ProgressSteps, 20);
    EXPECT_EQ(Dialogs().OpenProgress, 0);
    EXPECT_EQ(Rows(QStringLiteral("Room")), 20);
    EXPECT_EQ(Rows(QStringLiteral("People")), 20);
}

TEST_F(StoreyRoomSeries, RoomNumbersArePaddedToTheDigitsOfTheCountAndFillGapsFirst)
{
    m_plainRooms = true;
    struct Case
    {
        int rooms;
        const char* first;
        const char* last;
    };
    for (const Case& c : {Case{9, "房间1", "房间9"}, Case{10, "房间01", "房间10"}, Case{100, "房间001", "房间100"}}) {
        CNodeData* storey = Make(m_building, 2);
        ASSERT_EQ(Run(storey, QStringLiteral("Room"), QString::number(c.rooms)), mrOk) << c.rooms;
        ASSERT_EQ(storey->ChildCount(), c.rooms);
        EXPECT_EQ(storey->Child(0)->Caption(), QString::fromUtf8(c.first));
        EXPECT_EQ(storey->Child(c.rooms - 1)->Caption(), QString::fromUtf8(c.last));
    }

    // 房间1 and 房间3 stand: three more rooms take 2, 4 and 5.
    Make(m_storey, 3);
    CNodeData* second = Make(m_storey, 3);
    Make(m_storey, 3);
    ASSERT_TRUE(second->DeleteNodeRows(true));
    ASSERT_EQ(Run(m_storey, QStringLiteral("Room"), QStringLiteral("3")), mrOk);
    EXPECT_EQ(Captions(m_storey), (QStringList{"房间1", "房间3", "房间2", "房间4", "房间5"}));
}

TEST_F(StoreyRoomSeries, CountsThatMakeNothingSayWhyAndLeaveTheDialogOpen)
{
    struct Case
    {
        const char* kind;
        const char* rooms;
        const char* above;
        const char* below;
        const char* message;
    };
    const Case cases[] = {
        {"Room", "0", "", "", "房间数量为零，请调整设置"},
        {"Room", "abc", "", "", "房间数量为零，请调整设置"}, // no digits count 0
        {"Room", "-3", "", "", "房间数量为零，请调整设置"},
        {"Storey", "5", "0", "0", "地上/下楼层数量为零，请调整设置"},
        {"Storey", "5", "x", "", "地上/下楼层数量为零，请调整设置"},
        {"Storey", "x", "2", "1", "房间数量为零，请调整设置"},
        {"Storey", "0", "3", "0", "房间数量为零，请调整设置"},
    };
    const int treeRows = Rows(QStringLiteral("tbl_tree"));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " " + c.rooms + " " + c.above + " " + c.below);
        Dialogs().Messages.clear();
        CNodeData* node = QLatin1String(c.kind) == QLatin1String("Room") ? m_storey : m_building;
        EXPECT_EQ(Run(node, QString::fromUtf8(c.kind), QString::fromUtf8(c.rooms), QString::fromUtf8(c.above),
                      QString::fromUtf8(c.below)),
                  0);
        EXPECT_EQ(Dialogs().Messages, QStringList{QString::fromUtf8(c.message)});
        EXPECT_EQ(Rows(QStringLiteral("tbl_tree")), treeRows);
    }
    EXPECT_TRUE(Dialogs().ProgressTitles.isEmpty());
    EXPECT_EQ(TStorey_Room_Form::ReadCount(QStringLiteral(" 12个")), 12);
    EXPECT_EQ(TStorey_Room_Form::ReadCount(QStringLiteral("99999999999999")), 999999999);
}

TEST_F(StoreyRoomSeries, CommonElementsComeInTypeOrderAsOftenAsTheirCountSays)
{
    TStorey_Room_Form form(nullptr, m_storey, QStringLiteral("Room"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("批量设置房间"));
    EXPECT_FALSE(form.GroupBox1->isVisibleTo(&form));
    EXPECT_EQ(form.Label11->text(), QStringLiteral("该层房间数量"));
    EXPECT_EQ(form.isClearCheckBox->text(), QStringLiteral("覆盖现有房间"));

    // A count edit is enabled exactly while its box is ticked; "全选/全不选" ticks every box.
    EXPECT_FALSE(form.CountEdit(9)->isEnabled());
    form.eCheckBox21->setChecked(true);
    form.eCheckBox21Click();
    for (int type = 0; type < TStorey_Room_Form::TypeCount; ++type) {
        if (QCheckBox* box = form.CommonBox(type)) {
            EXPECT_TRUE(box->isChecked()) << type;
        }
    }
    EXPECT_TRUE(form.CountEdit(9)->isEnabled());
    form.eCheckBox21->setChecked(false);
    form.eCheckBox21Click();
    EXPECT_FALSE(form.CommonBox(4)->isChecked());
    EXPECT_FALSE(form.CountEdit(9)->isEnabled());

    form.CommonBox(22)->setChecked(true); // 地面
    form.CommonBox(9)->setChecked(true);  // 外墙 × 3
    form.CountEdit(9)->setText(QStringLiteral("3"));
    form.CommonBox(13)->setChecked(true); // 内墙 × a text that is no number: none
    form.CountEdit(13)->setText(QStringLiteral("两"));
    form.CommonBox(4)->setChecked(true); // 人员
    form.Room_Count->setText(QStringLiteral("1"));
    form.BMPButton3Click();
    ASSERT_EQ(form.result(), mrOk);
    ASSERT_EQ(m_storey->ChildCount(), 1);
    EXPECT_EQ(Captions(m_storey->Child(0)), (QStringList{"人员1", "外墙1", "外墙2", "外墙3", "地面1"}));
}

TEST_F(StoreyRoomSeries, OverwriteDeletesEveryChildWhateverItsType)
{
    CNodeData* old = Make(m_storey, 3);
    Make(old, 4);
    Make(m_building, 30);
    Make(m_building, 2);
    m_plainRooms = true;
    ASSERT_EQ(Run(m_building, QStringLiteral("Storey"), QStringLiteral("1"), QStringLiteral("1"), QString(), true),
              mrOk);
    EXPECT_EQ(Captions(m_building), QStringList{"楼层1"});
    EXPECT_EQ(Captions(m_building->Child(0)), QStringList{"房间1"});
    EXPECT_EQ(Rows(QStringLiteral("Storey")), 1);
    EXPECT_EQ(Rows(QStringLiteral("Room")), 1);
    EXPECT_EQ(Rows(QStringLiteral("People")), 0);
    EXPECT_EQ(Rows(QStringLiteral("SubTree")), 0);
}

TEST_F(StoreyRoomSeries, AFailedStepLeavesTheProjectAsItWas)
{
    CNodeData* old = Make(m_storey, 3);
    Make(old, 4);
    const int treeRows = Rows(QStringLiteral("tbl_tree"));

    // Deleting the present rooms fails: nothing is added after it.
    Exec(QStringLiteral("create trigger t before delete on People begin select raise(abort, 'kept'); end"));
    m_plainRooms = true;
    EXPECT_THROW(Run(m_storey, QStringLiteral("Room"), QStringLiteral("2"), QString(), QString(), true), Exception);
    EXPECT_EQ(Captions(m_storey), QStringList{"房间1"});
    EXPECT_EQ(Rows(QStringLiteral("tbl_tree")), treeRows);
    EXPECT_EQ(Rows(QStringLiteral("Room")), 1);
    EXPECT_EQ(Dialogs().OpenProgress, 0);
    Exec(QStringLiteral("drop trigger t"));

    // The fourth new room writes no row: the three before it and the deleted room's removal go too.
    Exec(QStringLiteral("create trigger t before insert on Room when (select count(*) from Room) >= 3 "
                        "begin select raise(ignore); end"));
    EXPECT_EQ(Run(m_storey, QStringLiteral("Room"), QStringLiteral("5"), QString(), QString(), true), 0);
    EXPECT_EQ(Dialogs().Messages.last(), QStringLiteral("数据创建失败，工程未作任何修改。"));
    EXPECT_EQ(Captions(m_storey), QStringList{"房间1"});
    EXPECT_EQ(m_storey->Child(0), old);
    EXPECT_EQ(Captions(old), QStringList{"人员1"});
    EXPECT_EQ(Rows(QStringLiteral("tbl_tree")), treeRows);
    EXPECT_EQ(Rows(QStringLiteral("Room")), 1);
    EXPECT_EQ(Rows(QStringLiteral("People")), 1);
    EXPECT_EQ(Dialogs().OpenProgress, 0);
}
