// The output options dialog: where each setting is stored, the landscape keys, the option tree and
// its defaults, the day grids and the per-level flags of the drop-down tree.
#include "app/controls/TCheckPopupTree.h"
#include "app/controls/TCheckTreeView.h"
#include "app/controls/TControlEdit.h"
#include "app/controls/TRadioGroup.h"
#include "model/CRoom.h"
#include "model/CStorey.h"
#include "report/forms/TOutputParamSet.h"
#include "tests/app/TestApplication.h"
#include "tests/report/BookFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTreeWidgetItemIterator>

namespace {
class OutputParamSetTest : public BookFixture
{
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        BookFixture::SetUp();
        Building = Make(&Root(), 1);
        Storey = Make(Building, 2);
        Rooms[0] = Make(Storey, 3);
        Rooms[1] = Make(Storey, 3);
        Show();
    }
    std::unique_ptr<TOutputParamSet> Open()
    {
        auto dialog = std::make_unique<TOutputParamSet>();
        dialog->show();
        QApplication::processEvents();
        return dialog;
    }
    QString Registry(const QString& key)
    {
        return m_project.QueryString(CSQLStatement("select f_value from tbl_registry where f_key = ?", {key}));
    }
    int Registered(const QString& key)
    {
        return m_project.QueryInt(CSQLStatement("select count(*) from tbl_registry where f_key = ?", {key}));
    }
    int Flag(int id)
    {
        return m_project.QueryInt(CSQLStatement("select IsACLoadCalculation_Output from OutputOption where ID = ?", {id}));
    }
    void Select(TOutputParamSet& dialog, int optionId)
    {
        dialog.CheckTreeView1->setCurrentItem(dialog.OptionItem(optionId));
    }

    CNodeData* Building = nullptr;
    CNodeData* Storey = nullptr;
    CNodeData* Rooms[2] = {};
};
} // namespace

TEST_F(OutputParamSetTest, EverySettingIsStoredWhereTheProgramReadsIt)
{
    // A project that holds none of the keys yet: they are added, not lost.
    m_project.ExecSQL(CSQLStatement("delete from tbl_registry where f_key in "
                                    "('maxtime','ShowZeroRow','DetailedPrintStype','PrintAllBuilding')"));
    // An interval stored as 0 is taken as the least, one hour: the same hour would print over and over.
    m_parameters.HourInterval = 0;
    auto dialog = Open();
    EXPECT_EQ(dialog->ControlEdit2->AsInt(), 1);
    dialog->RadioGroup2->SetItemIndex(1);
    dialog->RadioGroup3->SetItemIndex(1);
    dialog->RadioGroup4->SetItemIndex(1);
    dialog->RadioButton6->setChecked(true);
    dialog->ComboBox1->setCurrentIndex(7);
    dialog->ComboBox2->setCurrentIndex(19);
    dialog->ControlEdit1->setText(QStringLiteral("5"));
    dialog->RadioGroup6->SetItemIndex(1);
    dialog->RadioGroup8->SetItemIndex(1);
    dialog->CheckBox5->setChecked(false);
    dialog->CheckBox6->setChecked(true);
    dialog->reject();

    const struct
    {
        const char* setting;
        QString stored;
        QString expected;
    } rows[] = {
        {"InRoomDesignParamType", QString::number(m_parameters.InRoomDesignParamType), "1"},
        {"StatisticsType", QString::number(m_parameters.StatisticsType), "1"},
        {"StatisticalStyle", QString::number(m_parameters.StatisticalStyle), "1"},
        {"TimePeriodType", QString::number(m_parameters.TimePeriodType), "1"},
        {"TimeBeginning", QString::number(m_parameters.TimeBeginning), "7"},
        {"TimeEnd", QString::number(m_parameters.TimeEnd), "19"},
        {"HourfromMaximumLoad", QString::number(m_parameters.HourfromMaximumLoad), "5"},
        {"HourInterval", QString::number(m_parameters.HourInterval), "1"},
        {"maxtime", Registry(QStringLiteral("maxtime")), "24"},
        {"MaxTime()", QString::number(CProjectData::MaxTime()), "24"},
        {"ShowZeroRow", Registry(QStringLiteral("ShowZeroRow")), "1"},
        {"DetailedPrintStype", Registry(QStringLiteral("DetailedPrintStype")), "1"},
        {"PrintAllBuilding", Registry(QStringLiteral("PrintAllBuilding")), "1"},
        {"Output_Head_Winter", Registry(QStringLiteral("Output_Head_Winter")), "FALSE"},
        {"Output_Head_RoomDetail", Registry(QStringLiteral("Output_Head_RoomDetail")), "TRUE"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.stored, row.expected) << row.setting;

    // Shown again, the dialog reads what was stored.
    auto again = Open();
    EXPECT_EQ(again->RadioGroup6->ItemIndex(), 1);
    EXPECT_EQ(again->ComboBox2->currentIndex(), 19);
    EXPECT_FALSE(again->CheckBox5->isChecked());
    EXPECT_FALSE(again->RadioGroup6->isHidden());
}

TEST_F(OutputParamSetTest, ASectionsLandscapeKeyIsMadeWhenFirstSelectedAndFollowsTheBox)
{
    m_project.ExecSQL(CSQLStatement("delete from tbl_registry where f_key like 'Landscape%'"));
    auto dialog = Open();
    Select(*dialog, 10);
    EXPECT_EQ(Registry(QStringLiteral("Landscape_ProjectInfo")), QStringLiteral("0"));
    EXPECT_TRUE(dialog->Panel3->isVisible());
    EXPECT_FALSE(dialog->PageControl1->isVisible());
    dialog->CheckBox4->click();
    EXPECT_EQ(Registry(QStringLiteral("Landscape_ProjectInfo")), QStringLiteral("1"));

    // The detailed parameters have neither settings nor a landscape box.
    Select(*dialog, 80);
    EXPECT_FALSE(dialog->Panel3->isVisible());
    EXPECT_EQ(Registered(QStringLiteral("Landscape_DetailCal")), 0);
    Select(*dialog, 38);
    EXPECT_EQ(dialog->PageControl1->currentWidget(), dialog->TabSheet2);

    dialog->CheckBox4->setChecked(true);
    dialog->BMPButton1Click();
    for (const char* key : TOutputParamSet::SectionKeys())
        EXPECT_EQ(Registry(QStringLiteral("Landscape_") + QString::fromUtf8(key)), QStringLiteral("1")) << key;
}

TEST_F(OutputParamSetTest, TheTreeShowsTheOptionsOfTheDesignTypeAndEveryCloseKeepsTheirFlags)
{
    auto dialog = Open();
    EXPECT_NE(dialog->OptionItem(52), nullptr);
    EXPECT_EQ(dialog->OptionItem(63), nullptr); // heating only
    ASSERT_NE(dialog->ArrowButtons[0], nullptr);
    ASSERT_NE(dialog->ArrowButtons[1], nullptr); // the detailed parameters have their arrow

    dialog->CheckTreeView1->SetCheck(dialog->OptionItem(70), true);
    EXPECT_EQ(TCheckTreeView::State(dialog->OptionItem(67)), 2);
    dialog->reject();
    EXPECT_EQ(Flag(70), 0);
    EXPECT_EQ(Flag(67), 2);

    // The defaults come back from the system data.
    auto restored = Open();
    Dialogs().MessageBoxAnswers << 6;
    restored->Button1Click();
    EXPECT_EQ(Flag(70), 1);
    EXPECT_EQ(TCheckTreeView::State(restored->OptionItem(70)), 1);
    EXPECT_EQ(Dialogs().MessageBoxes.last().message, QStringLiteral("是否需要恢复缺省值..."));
}

TEST_F(OutputParamSetTest, DayGridsShowTheMonthAndCopyItsPattern)
{
    m_parameters.DesignType = 5;
    m_options.LoadOutputParams();
    auto dialog = Open();
    QTableWidget* grid = dialog->StringGrid1;
    dialog->ComboBox3->setCurrentIndex(1); // February: 28 days
    EXPECT_EQ(grid->item(3, 6)->text(), QStringLiteral("28"));
    EXPECT_TRUE(grid->item(4, 0)->text().isEmpty());
    EXPECT_EQ(grid->item(4, 0)->flags(), Qt::NoItemFlags);
    dialog->ToggleDay(grid, 4, 0); // no day: nothing happens
    m_parameters.DayCheck.fill(1);
    dialog->ToggleDay(grid, 0, 0);
    EXPECT_EQ(m_parameters.DayCheck[31], 0);
    EXPECT_EQ(grid->item(0, 0)->foreground().color(), QColor(Qt::red));

    dialog->ApplyToOtherMonths(grid);
    EXPECT_EQ(m_parameters.DayCheck[0], 0);  // 1 January
    EXPECT_EQ(m_parameters.DayCheck[1], 1);  // 2 January
    EXPECT_EQ(m_parameters.DayCheck[28], 0); // 29 January: February has none
    EXPECT_EQ(m_parameters.DayCheck[30], 0); // 31 January
    EXPECT_EQ(m_parameters.DayCheck[59 + 27], 1); // 28 March
    EXPECT_EQ(m_parameters.DayCheck[59 + 28], 0); // 29 March

    grid->setRangeSelected(QTableWidgetSelectionRange(0, 0, 4, 6), true);
    dialog->SetSelectedDays(grid, true);
    EXPECT_EQ(m_parameters.DayCheck[31], 1);
    EXPECT_EQ(m_parameters.DayCheck[59], 0); // 1 March is not in the grid
}

TEST_F(OutputParamSetTest, TickingAStoreyForHeatingStatisticsWritesItAndItsRooms)
{
    m_parameters.DesignType = 6;
    m_options.LoadOutputParams();
    Element<CStorey>(Storey).IsOutputLoadStatisticsData = 0;
    Element<CStorey>(Storey).HIsOutputLoadStatisticsData = 0;
    Element<CStorey>(Storey).HIsOutputLoadHourlyData = 0;
    Element<CStorey>(Storey).UpdateRecord();
    for (CNodeData* room : Rooms) {
        Element<CRoom>(room).IsOutputLoadStatisticsData = 0;
        Element<CRoom>(room).HIsOutputLoadStatisticsData = 0;
        Element<CRoom>(room).HIsOutputLoadHourlyData = 0;
        Element<CRoom>(room).UpdateRecord();
    }
    auto dialog = Open();
    dialog->MyClick(2);
    ASSERT_TRUE(dialog->PopupTree->isVisible());
    QTreeWidgetItem* storeyItem = nullptr;
    for (QTreeWidgetItemIterator it(dialog->PopupTree); *it; ++it)
        if (TCheckPopupTree::NodeIdOf(*it) == Storey->NodeId())
            storeyItem = *it;
    ASSERT_NE(storeyItem, nullptr);
    dialog->PopupTree->SetCheck(storeyItem, false);
    dialog->PopupTree->hide();
    dialog->reject();

    for (CNodeData* node : {Storey, Rooms[0], Rooms[1]}) {
        const QString table = node == Storey ? QStringLiteral("Storey") : QStringLiteral("Room");
        EXPECT_EQ(m_project.QueryString(CSQLStatement(
                      QStringLiteral("select HIsOutputLoadStatisticsData || '/' || IsOutputLoadStatisticsData || '/' "
                                     "|| HIsOutputLoadHourlyData from %1 where ID = ?")
                          .arg(table),
                      {node->GetElementId()})),
                  QStringLiteral("1/0/0"))
            << table.toStdString();
    }
}
