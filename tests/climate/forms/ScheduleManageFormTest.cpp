// The schedule manager on the project's schedules: a day profile edited with the profile editor,
// the hour value and the range "设置"; a rectangle of the month-by-day-type grid filled from the
// strip; both stored at the form's store points.
#include "app/controls/ModalResult.h"
#include "app/controls/TBMPButton.h"
#include "app/controls/TControlEdit.h"
#include "app/controls/TWorkTime.h"
#include "climate/CDayScheduleData.h"
#include "climate/CScheduleData.h"
#include "climate/forms/TScheduleManageForm.h"
#include "tests/climate/forms/ScheduleFormsFixture.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableWidget>

namespace {

const QString OfficePeople = QStringLiteral("办公人员-公共建筑节能标准");
const QString OfficeWeekday = QStringLiteral("办公人员-公共建筑节能标准_0");
const QString OfficeNight = QStringLiteral("办公人员-公共建筑节能标准_7");

class ScheduleManageForm : public ScheduleFormsFixture
{
protected:
    void SetUp() override
    {
        ScheduleFormsFixture::SetUp();
        m_form = std::make_unique<TScheduleManageForm>();
        m_form->SetDataSet(&m_project.Schedule);
        m_form->show();
    }
    void TearDown() override
    {
        m_form.reset();
        ScheduleFormsFixture::TearDown();
    }
    static int Row(const QListWidget* list, const QString& text)
    {
        const auto items = list->findItems(text, Qt::MatchExactly);
        return items.isEmpty() ? -1 : list->row(items.first());
    }
    double Hour(const QString& day, int hour)
    {
        return Real(QStringLiteral("select Value_%1 from DaySchedule where DayScheduleName=?").arg(hour), {day});
    }
    static void Press(QWidget* widget, QPoint at, QEvent::Type type = QEvent::MouseButtonPress)
    {
        QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }

    std::unique_ptr<TScheduleManageForm> m_form;
};

TEST_F(ScheduleManageForm, DayProfileEditedByMouseHourAndRangeIsStoredOnLeavingThePage)
{
    TScheduleManageForm& form = *m_form;
    ASSERT_EQ(form.Pages->currentIndex(), TScheduleManageForm::SchedulePage) << "opens on the schedules";
    form.FlatTabControl1->setCurrentIndex(TScheduleManageForm::DayPage);
    form.ListBox1->setCurrentRow(Row(form.ListBox1, OfficeWeekday));
    ASSERT_EQ(form.DaySchedule(form.CurrentDaySchedule())->Name, OfficeWeekday);
    const double shipped = Hour(OfficeWeekday, 5);
    ASSERT_NE(shipped, 40.0);

    // A click at a quarter of the value area's height in hour 3's column sets it to 25 %.
    const QRect area = form.WorkTime_Edit->ValueArea();
    const int column = form.WorkTime_Edit->ColumnWidth();
    Press(form.WorkTime_Edit, {area.left() + 3 * column + column / 2, area.top() + area.height() * 3 / 4});
    const float clicked = form.WorkTime_Edit->Values[3];
    EXPECT_NEAR(clicked, 25.0, 1.0);
    EXPECT_EQ(form.CSpinEdit1->value(), 3) << "the clicked hour becomes the edited one";

    // The hour value box, then a value out of range, which sets the hour to 0.
    form.CSpinEdit1->setValue(5);
    form.ControlEdit1->setText(QStringLiteral("40"));
    form.ControlEdit1Change();
    form.CSpinEdit1->setValue(6);
    form.ControlEdit1->setText(QStringLiteral("150"));
    form.ControlEdit1Change();

    // "设置" over 8..10, then refused values that change nothing.
    form.CSpinEdit2->setValue(8);
    form.CSpinEdit3->setValue(10);
    form.ControlEdit2->setText(QStringLiteral("75"));
    form.Button7Click();
    for (const char* refused : {"150", "abc"}) {
        form.ControlEdit2->setText(QString::fromLatin1(refused));
        form.Button7Click();
    }
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 2);
    for (const auto& box : Dialogs().MessageBoxes) {
        EXPECT_EQ(box.caption, QStringLiteral("警告"));
        EXPECT_EQ(box.message, QStringLiteral("请输入正确的数字(0~100)"));
    }
    EXPECT_EQ(form.StringGrid2->item(1, 9)->text(), QStringLiteral("75"));
    EXPECT_EQ(Hour(OfficeWeekday, 5), shipped) << "nothing is written before a store point";

    // Leaving the page stores first; showing the stored values afterwards keeps the edits.
    form.FlatTabControl1->setCurrentIndex(TScheduleManageForm::SchedulePage);
    EXPECT_NEAR(Hour(OfficeWeekday, 3), clicked, 1e-4);
    EXPECT_EQ(Hour(OfficeWeekday, 5), 40.0);
    EXPECT_EQ(Hour(OfficeWeekday, 6), 0.0);
    for (int hour = 8; hour <= 10; ++hour)
        EXPECT_EQ(Hour(OfficeWeekday, hour), 75.0) << hour;
    EXPECT_EQ(form.WorkTime_Edit->Values[9], 75.0f);
    EXPECT_EQ(form.DaySchedule(form.CurrentDaySchedule())->Values[5], 40.0f);
}

TEST_F(ScheduleManageForm, RectangleFilledFromTheStripIsStoredInTheTwelveWeekRowsOnClosing)
{
    const struct
    {
        const char* name;
        bool closeBox;
        int result;
    } cases[] = {{"确定", false, mrOk}, {"close box", true, mrCancel}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TScheduleManageForm form;
        form.SetDataSet(&m_project.Schedule);
        form.SetPresetName(OfficePeople);
        form.show();
        ASSERT_EQ(form.SelectedSchedule(), OfficePeople);
        CScheduleData shipped = *form.Schedule(form.CurrentSchedule());
        const int id = shipped.ID;

        // Rows 0 to 2 (the design day of the year, of each month, Monday) over all twelve months.
        form.StringGrid1->setCurrentCell(2, 0);
        form.StringGrid1->setRangeSelected(QTableWidgetSelectionRange(0, 0, 2, 11), true);
        int night = -1;
        for (int i = 0; form.DaySchedule(i); ++i)
            if (form.DaySchedule(i)->Name == OfficeNight)
                night = i;
        ASSERT_GE(night, 0);
        form.ScrollBar1->setValue(night / TScheduleManageForm::StripSize);
        TWorkTime* profile = form.WorkTime[night % TScheduleManageForm::StripSize];
        Press(profile, profile->rect().center());
        Press(profile, profile->rect().center(), QEvent::MouseButtonRelease);
        EXPECT_EQ(form.StringGrid1->item(1, 4)->text(), OfficeNight);
        form.RadioGroup1Items->button(1)->click();

        if (c.closeBox)
            form.reject();
        else
            form.Button9->click();
        EXPECT_EQ(form.result(), c.result);

        CScheduleData stored;
        stored.DataSet = &m_project.Schedule;
        ASSERT_TRUE(stored.LoadByName(OfficePeople));
        EXPECT_EQ(stored.ID, id);
        EXPECT_EQ(stored.ScheduleType, 1);
        CTool::OpenQuery(m_project.Schedule, CSQLStatement("select * from WeekSchedule "));
        stored.LoadWeekSchedules();
        for (int month = 0; month < CScheduleData::Months; ++month) {
            SCOPED_TRACE(month + 1);
            // The design day of the year is read in January and July only: its other cells are
            // not offered and keep their names.
            const bool designDay = month == 0 || month == 6;
            EXPECT_EQ(stored.DayNames[month][0] == OfficeNight, designDay);
            EXPECT_EQ(stored.DayNames[month][1], OfficeNight);
            EXPECT_EQ(stored.DayNames[month][2], OfficeNight);
            EXPECT_EQ(stored.DayNames[month][3], QStringLiteral("办公人员-公共建筑节能标准_2")) << "Tuesday stays";
        }
        // Back to the shipped names for the next case.
        shipped.DataSet = &m_project.Schedule;
        ASSERT_TRUE(shipped.Save(shipped.Name));
    }
}

TEST_F(ScheduleManageForm, ScheduleRenamedInTheFormReachesTheProgramsScheduleNames)
{
    // The default values name schedules by ID; new elements take the name the list holds then.
    const int id = m_project.QueryInt(CSQLStatement("select ID from Schedule where Name=?", {OfficePeople}));
    EXPECT_EQ(m_names.GetScheduleNameById(id), OfficePeople);
    m_form->ListBox2->setCurrentRow(Row(m_form->ListBox2, OfficePeople));
    Dialogs().InputAnswers = {QStringLiteral("办公人员")};
    m_form->Button2Click();
    EXPECT_EQ(m_form->SelectedSchedule(), QStringLiteral("办公人员"));
    m_form->Button9->click();
    EXPECT_EQ(m_names.GetScheduleNameById(id), QStringLiteral("办公人员"));
}

} // namespace
