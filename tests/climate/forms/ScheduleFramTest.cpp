// The schedule field of a page: the manager opened from it gives the chosen schedule to the column
// the field stands for, in the element it was given.
#include "app/controls/TBMPButton.h"
#include "climate/forms/TScheduleFram.h"
#include "climate/forms/TScheduleManageForm.h"
#include "model/CRoom.h"
#include "tests/climate/forms/CModalSteps.h"
#include "tests/climate/forms/ScheduleFormsFixture.h"

#include <QComboBox>
#include <QListWidget>

namespace {

const QString AlwaysOn = QStringLiteral("全天运行");

class ScheduleFram : public ScheduleFormsFixture
{
protected:
    void SetUp() override
    {
        ScheduleFormsFixture::SetUp();
        m_room = Make(Make(Make(&Root(), 1), 2), 3);
        ASSERT_TRUE(m_room);
        m_frame = std::make_unique<TScheduleFram>();
        m_frame->SetElement(m_room->LoadElement(), QStringLiteral("Fan_Time"));
        m_frame->LoadNames();
        QObject::connect(m_frame.get(), &TScheduleFram::CommitPage, [this] { ++m_commits; });
        QObject::connect(m_frame.get(), &TScheduleFram::ReloadPage, [this] { ++m_reloads; });
    }
    void TearDown() override
    {
        m_frame.reset();
        ScheduleFormsFixture::TearDown();
    }
    QString Stored(const QString& column)
    {
        return Text(QStringLiteral("select %1 from Room where ID=?").arg(column), {m_room->GetElementId()});
    }
    // In the manager: chooses the schedule, then runs the closing step.
    static void Choose(TScheduleManageForm& form, const QString& name)
    {
        const auto items = form.ListBox2->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        form.ListBox2->setCurrentItem(items.first());
    }

    CNodeData* m_room = nullptr;
    std::unique_ptr<TScheduleFram> m_frame;
    int m_commits = 0;
    int m_reloads = 0;
};

TEST_F(ScheduleFram, ChosenScheduleGoesIntoTheColumnOfTheGivenElement)
{
    const QString roomSchedule = Stored(QStringLiteral("ScheduleName"));
    const QString fanTime = Stored(QStringLiteral("Fan_Time"));
    ASSERT_NE(fanTime, AlwaysOn);
    EXPECT_EQ(m_frame->Edit_ScheduleName->currentText(), fanTime);

    CModalSteps steps;
    QString preset;
    steps.On<TScheduleManageForm>([&](TScheduleManageForm& form) {
        preset = form.SelectedSchedule();
        Choose(form, AlwaysOn);
        form.Button9->click();
    });
    m_frame->FlatButton1Click();
    EXPECT_EQ(steps.Pending(), 0);
    EXPECT_EQ(preset, fanTime) << "the manager opens on the field's schedule";
    EXPECT_EQ(Stored(QStringLiteral("Fan_Time")), AlwaysOn);
    EXPECT_EQ(Stored(QStringLiteral("ScheduleName")), roomSchedule) << "the other schedule column stays";
    EXPECT_EQ(m_room->LoadElement()->GetAttribute(QStringLiteral("Fan_Time")), AlwaysOn);
    EXPECT_EQ(m_frame->Edit_ScheduleName->currentText(), AlwaysOn);
    EXPECT_EQ(m_commits, 1);
    EXPECT_EQ(m_reloads, 1);
}

TEST_F(ScheduleFram, ScheduleRenamedInTheManagerReachesTheElementUnderItsNewName)
{
    // The rename releases every loaded element; the field finds its element again by its node.
    CModalSteps steps;
    steps.On<TScheduleManageForm>([&](TScheduleManageForm& form) {
        Choose(form, AlwaysOn);
        Dialogs().InputAnswers = {QStringLiteral("整天运行")};
        form.Button2Click();
        form.Button8->click();
    });
    m_frame->FlatButton1Click();
    EXPECT_EQ(steps.Pending(), 0);
    EXPECT_EQ(Stored(QStringLiteral("Fan_Time")), QStringLiteral("整天运行"));
    EXPECT_EQ(m_frame->Edit_ScheduleName->currentText(), QStringLiteral("整天运行"));
    EXPECT_EQ(m_frame->Edit_ScheduleName->findText(AlwaysOn), -1) << "the list holds the new name only";
}

TEST_F(ScheduleFram, ClosingTheManagerWithTheCloseBoxChangesNothing)
{
    const QString fanTime = Stored(QStringLiteral("Fan_Time"));
    CModalSteps steps;
    steps.On<TScheduleManageForm>([&](TScheduleManageForm& form) {
        Choose(form, AlwaysOn);
        form.reject();
    });
    m_frame->FlatButton1Click();
    EXPECT_EQ(steps.Pending(), 0);
    EXPECT_EQ(Stored(QStringLiteral("Fan_Time")), fanTime);
    EXPECT_EQ(m_frame->Edit_ScheduleName->currentText(), fanTime);
    EXPECT_EQ(m_reloads, 1) << "the page is shown again all the same";
}

} // namespace
