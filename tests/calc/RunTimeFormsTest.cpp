// The scheme manager "运行方案管理", the operating-hours editor "运行方案配置" and the date-range
// dialog "时间段设置".
#include "tests/calc/CalcFixture.h"

#include "app/controls/TBMPButton.h"
#include "app/controls/TCheckTreeView.h"
#include "app/controls/TRadioGroup.h"
#include "bulk/CBulkTree.h"
#include "calc/CRunTimeMgr.h"
#include "calc/CSchemePlugInBase.h"
#include "calc/forms/TLoadCalculationForm.h"
#include "calc/forms/TSetRunTimeModule.h"
#include "calc/forms/TTSetRunTimeCopyLevels.h"
#include "tests/app/TestApplication.h"
#include "tests/climate/forms/CModalSteps.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {
// An output plug-in that records what the scheme manager asks of it.
class FakeSchemePlugIn : public CSchemePlugInBase
{
public:
    FakeSchemePlugIn(const QString& name, int index) : m_name(name), m_index(index) {}

    QString Name() const override { return m_name; }
    int Index() const override { return m_index; }
    void OutPutOrMainForm(int mode) override { Calls << QStringLiteral("mode %1").arg(mode); }
    bool RunConfig() override
    {
        Calls << QStringLiteral("config");
        return ConfigAnswer;
    }
    bool HasReport() const override { return false; }
    CQORReport* GetReport() override { return nullptr; }
    void RunExe() override
    {
        Calls << QStringLiteral("run");
        Ran(*this);
    }

    QStringList Calls;
    bool ConfigAnswer = true;
    std::function<void(FakeSchemePlugIn&)> Ran = [](FakeSchemePlugIn&) {};

private:
    QString m_name;
    int m_index;
};

// The calculation host with output plug-ins and the scheme selection of the program.
class SchemeDialogHost : public FakeCalcHost
{
public:
    std::vector<CSchemePlugInBase*> SchemePlugIns() const override { return PlugIns; }
    void SetSchemePlugInIndex(int index) override { PlugInIndex = index; }
    QString SchemeName() const override { return Name; }
    void SetSchemeName(const QString& name) override { Name = name; }

    std::vector<CSchemePlugInBase*> PlugIns;
    int PlugInIndex = -1;
    QString Name;
};

int OnHours(const std::array<unsigned char, RunTimeSys::HourCount>& flags)
{
    return static_cast<int>(std::count(flags.begin(), flags.end(), 1));
}
} // namespace

class RunTimeEditorTest : public ::testing::Test
{
protected:
    void SetUp() override { EnsureTestApplication(); }

    CFakeToolDialogs& Dialogs() { return static_cast<CFakeToolDialogs&>(m_tool.Dialogs()); }
    QString DayAt(int row, int column) const { return m_editor->TimeGrid->item(row, column)->text(); }
    void Select(int dayNumber)
    {
        const QPoint cell = m_editor->DayCell(dayNumber);
        m_editor->TimeGrid->setRangeSelected(QTableWidgetSelectionRange(cell.y(), cell.x(), cell.y(), cell.x()), true);
    }

    CTool m_tool{std::make_unique<CFakeToolDialogs>()};
    std::unique_ptr<TSetRunTimeModule> m_editor = [] {
        EnsureTestApplication();
        return std::make_unique<TSetRunTimeModule>();
    }();
};

TEST_F(RunTimeEditorTest, AMonthBeginningOnSundayFillsSixRows)
{
    // 1 January is a Sunday: day 1 in the last column, day 31 on the sixth row, Tuesday.
    m_editor->ts1Change(0);
    EXPECT_EQ(DayAt(0, 6), QStringLiteral("1"));
    EXPECT_EQ(DayAt(0, 5), QString());
    EXPECT_EQ(DayAt(1, 0), QStringLiteral("2"));
    EXPECT_EQ(DayAt(5, 1), QStringLiteral("31"));
    EXPECT_EQ(DayAt(5, 2), QString());
    EXPECT_EQ(m_editor->TimeGrid->item(0, 0)->flags() & Qt::ItemIsSelectable, 0) << "empty cells take no selection";
    // February begins on a Wednesday and ends on row 4.
    m_editor->ts1Change(1);
    EXPECT_EQ(DayAt(0, 2), QStringLiteral("1"));
    EXPECT_EQ(DayAt(4, 1), QStringLiteral("28"));
    EXPECT_EQ(m_editor->TimeGrid->horizontalHeaderItem(6)->text(), QStringLiteral("星期日"));
}

TEST_F(RunTimeEditorTest, SelectedDaysShareTheHourBoxes)
{
    m_editor->ts1Change(0);
    EXPECT_TRUE(m_editor->HourBoxes[8]->isHidden()) << "no day selected";
    m_editor->DayFlags(3)[8] = 1;
    Select(2);
    Select(3);
    m_editor->RefreshHourBoxes();
    EXPECT_EQ(m_editor->CollectSelectedDays(), (QList<int>{2, 3}));
    EXPECT_FALSE(m_editor->HourBoxes[8]->isHidden());
    EXPECT_EQ(m_editor->HourBoxes[8]->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(m_editor->HourBoxes[9]->checkState(), Qt::Unchecked);

    m_editor->HourBoxes[8]->click();
    EXPECT_EQ(m_editor->HourBoxes[8]->checkState(), Qt::Checked);
    EXPECT_EQ(m_editor->DayFlags(2)[8], 1);
    EXPECT_EQ(m_editor->DayFlags(3)[8], 1);
    m_editor->HourBoxes[8]->click();
    EXPECT_EQ(m_editor->HourBoxes[8]->checkState(), Qt::Unchecked) << "a click never grays a box";
    EXPECT_EQ(m_editor->DayFlags(2)[8] + m_editor->DayFlags(3)[8], 0);

    // The picture button switches every hour of the selected days on, then off.
    m_editor->BitBtn4Click();
    EXPECT_EQ(OnHours(m_editor->Flags), 48);
    m_editor->BitBtn4Click();
    EXPECT_EQ(OnHours(m_editor->Flags), 0);
}

TEST_F(RunTimeEditorTest, WholeMonthWeekdaysAndWeekendSelections)
{
    m_editor->ts1Change(0);
    m_editor->btnWeekdayButtonClick();
    EXPECT_EQ(m_editor->CollectSelectedDays().size(), 22) << "January: 2nd Monday to 31st Tuesday";
    m_editor->btnWeekendButtonClick();
    EXPECT_EQ(m_editor->CollectSelectedDays().first(), 1);
    EXPECT_EQ(m_editor->CollectSelectedDays().size(), 9);
    m_editor->Button3Click();
    EXPECT_EQ(m_editor->CollectSelectedDays().size(), 31);
    m_editor->Button3Click();
    EXPECT_TRUE(m_editor->CollectSelectedDays().isEmpty());
    EXPECT_TRUE(m_editor->HourBoxes[0]->isHidden());
    EXPECT_TRUE(m_editor->Label1->isHidden());
}

TEST_F(RunTimeEditorTest, CopyingAMonthSaysSoOnlyWhenDaysWereCopied)
{
    m_editor->Flags.fill(1);
    m_editor->ts1Change(0);
    const auto before = m_editor->Flags;
    m_editor->ApplyToOtherMonths(100, 50);
    EXPECT_EQ(m_editor->Flags, before);
    ASSERT_EQ(Dialogs().Messages.size(), 1);
    EXPECT_NE(Dialogs().Messages[0], QStringLiteral("应用成功！！"));

    m_editor->SpeedButton2Click();
    EXPECT_EQ(OnHours(m_editor->Flags), (365 - 105) * 24);
    std::fill_n(m_editor->DayFlags(2), 24, 0); // January's first Monday now off
    m_editor->ApplyToOtherMonths(0, 364);
    EXPECT_EQ(OnHours(m_editor->Flags), 0);
    EXPECT_EQ(Dialogs().Messages.last(), QStringLiteral("应用成功！！"));
}

TEST_F(RunTimeEditorTest, TheDateRangeStartsAsTheWholeYear)
{
    TTSetRunTimeCopyLevels range;
    EXPECT_EQ(range.FirstDay(), 0);
    EXPECT_EQ(range.LastDay(), 364);
    EXPECT_EQ(range.cbb4->currentText(), QStringLiteral("31日"));
    range.cbb3->setCurrentIndex(1);
    range.cbb3Change();
    EXPECT_EQ(range.cbb4->count(), 28);
    EXPECT_EQ(range.LastDay(), 58);
    range.cbb1->setCurrentIndex(2);
    range.cbb1Change();
    range.cbb2->setCurrentIndex(4);
    EXPECT_EQ(range.FirstDay(), 59 + 4);
}

// The dialog on the calculation fixture's tree (B1/S1: R1, R2, R3 in a folder; B1/S2: R4; B2/S3:
// R5, R6).
class SchemeManagerTest : public CalcFixture
{
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        CalcFixture::SetUp();
        SetDesignType(5);
        Show();
    }

    void Open()
    {
        m_form = std::make_unique<TLoadCalculationForm>();
        m_form->FormShow();
    }
    QTreeWidgetItem* ItemOf(const CNodeData* node) const
    {
        for (QTreeWidgetItem* item : CBulkTree::Items(*m_form->CheckTreeView1))
            if (CBulkTree::NodeOf(item) == node)
                return item;
        return nullptr;
    }
    int State(const CNodeData* node) const { return TCheckTreeView::State(ItemOf(node)); }
    // A click on the node's box.
    void Tick(const CNodeData* node)
    {
        QTreeWidgetItem* item = ItemOf(node);
        m_form->CheckTreeView1->SetCheck(item, TCheckTreeView::State(item) == 1);
        m_form->CheckTreeView1ManualStatueChanged();
    }
    void AddScheme(const QString& name)
    {
        Dialogs().InputAnswers << name;
        m_form->bmpbtnAddNewModelNameClick();
    }

    SchemeDialogHost m_dialogHost;
    CRunTimeMgr m_schemes;
    std::unique_ptr<TLoadCalculationForm> m_form;
};

TEST_F(SchemeManagerTest, NewSchemesAreSelectedAndNamesUniqueIgnoringCase)
{
    Open();
    EXPECT_EQ(m_form->cbbModelName->count(), 0);
    EXPECT_EQ(State(B1), 0);
    AddScheme(QStringLiteral(" Office "));
    AddScheme(QStringLiteral(" OFFICE "));
    Dialogs().InputAnswers << QString(); // cancelled
    m_form->bmpbtnAddNewModelNameClick();
    AddScheme(QStringLiteral("   "));
    ASSERT_EQ(m_schemes.Count(), 1);
    EXPECT_EQ(m_schemes.SchemeAt(0)->Name, QStringLiteral(" Office ")) << "blanks are kept";
    EXPECT_EQ(m_form->cbbModelName->currentText(), QStringLiteral(" Office "));
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
    EXPECT_EQ(Dialogs().MessageBoxes[0].message, QStringLiteral("使用了相同的模式名称"));

    // A rename onto another scheme's name is ignored; a change of letter case is not.
    AddScheme(QStringLiteral("Hall"));
    Dialogs().InputAnswers << QStringLiteral(" office ") << QStringLiteral("HALL");
    m_form->bmpbtnUpdateModelNameClick();
    EXPECT_EQ(m_schemes.SchemeAt(1)->Name, QStringLiteral("Hall"));
    m_form->bmpbtnUpdateModelNameClick();
    EXPECT_EQ(m_schemes.SchemeAt(1)->Name, QStringLiteral("HALL"));
    EXPECT_EQ(m_schemes.ListName(1), QStringLiteral("HALL"));
    EXPECT_EQ(m_form->cbbModelName->currentText(), QStringLiteral("HALL"));
}

TEST_F(SchemeManagerTest, TicksAreStoredOnSaveWithEachRoomInOneSchemeOnly)
{
    Open();
    AddScheme(QStringLiteral("甲"));
    EXPECT_FALSE(m_form->BMPButton2->isEnabled());
    Tick(R1);
    Tick(R4);
    EXPECT_EQ(State(S1), 2) << "partly checked";
    EXPECT_EQ(State(S2), 1);
    EXPECT_TRUE(m_form->BMPButton2->isEnabled());
    EXPECT_TRUE(m_form->BMPButton2Click());
    EXPECT_EQ(m_schemes.SchemeAt(0)->RoomIds, (QList<int>{R1->NodeId(), R4->NodeId()}));
    EXPECT_FALSE(m_form->BMPButton2->isEnabled());

    // A second scheme may not take R1.
    AddScheme(QStringLiteral("乙"));
    EXPECT_EQ(State(R1), 0);
    Tick(S1);
    EXPECT_FALSE(m_form->BMPButton2Click());
    EXPECT_TRUE(m_schemes.SchemeAt(1)->RoomIds.isEmpty());
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
    EXPECT_TRUE(Dialogs().MessageBoxes[0].message.contains(QStringLiteral("同一房间只能添加到一个运行方案中")));
    EXPECT_TRUE(Dialogs().MessageBoxes[0].message.contains(R1->Caption() + QStringLiteral("（甲）")));
    Tick(R1);
    EXPECT_TRUE(m_form->BMPButton2Click());
    EXPECT_EQ(m_schemes.SchemeAt(1)->RoomIds.size(), 2);

    // Pending ticks are dropped by "重置" and by choosing another scheme.
    Tick(R5);
    m_form->BMPButton3Click();
    EXPECT_EQ(State(R5), 0);
    m_form->cbbModelName->setCurrentIndex(0);
    m_form->cbbModelNameChange();
    EXPECT_EQ(State(R1), 1);
    EXPECT_EQ(State(R2), 0);
}

TEST_F(SchemeManagerTest, DeletingSelectsTheFirstScheme)
{
    Open();
    for (const char* name : {"一", "二", "三"})
        AddScheme(QString::fromUtf8(name));
    Dialogs().MessageBoxAnswers << 2 << 6 << 6 << 6 << 6;
    m_form->bmpbtnDeleteModelClick();
    EXPECT_EQ(m_schemes.Count(), 3) << "declined";
    EXPECT_EQ(Dialogs().MessageBoxes.last().caption, QStringLiteral("删除方案"));
    m_form->bmpbtnDeleteModelClick();
    EXPECT_EQ(m_schemes.Count(), 2);
    EXPECT_EQ(m_form->cbbModelName->currentText(), QStringLiteral("一"));
    m_form->bmpbtnDeleteModelClick();
    m_form->bmpbtnDeleteModelClick();
    EXPECT_EQ(m_schemes.Count(), 0);
    EXPECT_EQ(m_form->cbbModelName->currentIndex(), -1);
    m_form->bmpbtnDeleteModelClick();
    EXPECT_EQ(Dialogs().MessageBoxes.size(), 4) << "nothing to delete, nothing asked";

    m_form->bmpbtnOutputClick();
    EXPECT_EQ(Dialogs().Messages.last(), QStringLiteral("请先设置方案"));
    EXPECT_TRUE(Dialogs().FileDialogs.isEmpty());
}

TEST_F(SchemeManagerTest, TheHoursEditorChangesTheSchemeOnlyOnOk)
{
    Open();
    AddScheme(QStringLiteral("甲"));
    const RunTimeSys& scheme = *m_schemes.SchemeAt(0);
    {
        CModalSteps steps;
        steps.On<TSetRunTimeModule>([](TSetRunTimeModule& editor) {
            editor.SpeedButton2Click();
            editor.Button2->click();
        });
        m_form->bmpbtnSchemeSetClick();
        EXPECT_EQ(steps.Pending(), 0);
    }
    EXPECT_EQ(OnHours(scheme.HourFlags), 365 * 11);
    {
        CModalSteps steps;
        steps.On<TSetRunTimeModule>([](TSetRunTimeModule& editor) {
            EXPECT_EQ(editor.DisplayedMonth(), 0);
            editor.SpeedButton2Click();
            editor.Button1->click();
        });
        m_form->bmpbtnSchemeSetClick();
        EXPECT_EQ(steps.Pending(), 0);
    }
    EXPECT_EQ(OnHours(scheme.HourFlags), (365 - 105) * 11);
}

TEST_F(SchemeManagerTest, AReportRunsTheChosenPlugInOnTheStoredRooms)
{
    Open();
    AddScheme(QStringLiteral("甲"));
    EXPECT_EQ(m_form->RadioGroup3->Count(), 0);
    m_form->BMPButton1Click();
    EXPECT_EQ(Dialogs().Messages.last(), QStringLiteral("请在右侧选择方案输出类型!!!"));

    FakeSchemePlugIn areas(QStringLiteral("房间面积"), 3);
    FakeSchemePlugIn energy(QStringLiteral("建筑日能耗"), 5);
    m_dialogHost.PlugIns = {&areas, &energy};
    Open();
    ASSERT_EQ(m_form->RadioGroup3->Count(), 2);
    EXPECT_EQ(m_form->RadioGroup3->ItemIndex(), 0);
    m_form->RadioGroup3->SetItemIndex(1);

    // Pending ticks are stored before the plug-in runs; it reports with the progress window up.
    Tick(R2);
    energy.Ran = [this](FakeSchemePlugIn&) {
        EXPECT_EQ(m_schemes.SchemeAt(0)->RoomIds, QList<int>{R2->NodeId()});
        EXPECT_NE(CCalResultBuffer::GetCurrent(), nullptr);
        EXPECT_EQ(CalcFixture::m_form.Caption, QStringLiteral("负荷计算"));
        EXPECT_FALSE(CalcFixture::m_form.CancelEnabled);
    };
    m_form->BMPButton1Click();
    EXPECT_EQ(energy.Calls, (QStringList{QStringLiteral("mode 2"), QStringLiteral("config"), QStringLiteral("run")}));
    EXPECT_EQ(m_dialogHost.PlugInIndex, 5);
    EXPECT_EQ(m_dialogHost.Name, QStringLiteral("甲"));
    EXPECT_FALSE(m_form->BMPButton2->isEnabled());

    // Cancelled settings run nothing; any other plug-in reports in mode 1.
    m_form->RadioGroup3->SetItemIndex(0);
    areas.ConfigAnswer = false;
    m_form->BMPButton1Click();
    EXPECT_EQ(areas.Calls, (QStringList{QStringLiteral("mode 1"), QStringLiteral("config")}));
}
