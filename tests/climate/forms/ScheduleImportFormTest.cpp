// The schedule exchange of the manager: schedules with their day schedules copied from another
// project, overwrites asked about once per name; a partner file that is missing.
#include "app/controls/ModalResult.h"
#include "app/controls/TBMPButton.h"
#include "climate/CScheduleData.h"
#include "climate/forms/TImportDayScheduleForm.h"
#include "climate/forms/TImportScheduleForm.h"
#include "platform/core/CDbConnection.h"
#include "tests/climate/forms/ScheduleFormsFixture.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>

namespace {

const QString OfficePeople = QStringLiteral("办公人员-公共建筑节能标准");
const QString OfficeNight = QStringLiteral("办公人员-公共建筑节能标准_7");

class ScheduleImportForm : public ScheduleFormsFixture
{
protected:
    // Another project: the blank one with three new day schedules, two new schedules and changes
    // to a shipped schedule and a shipped day schedule.
    QString WritePartner()
    {
        const QString path = m_folder.File(QStringLiteral("User/Other.VLZ"));
        EXPECT_TRUE(QFile::copy(m_folder.File(QStringLiteral("Project/ProjectModule.dat")), path));
        CDbConnection connection(QStringLiteral("partner"));
        connection.Open(path);
        CDbQuery query(connection);
        for (const char* day : {"甲日", "乙日", "丙日"}) {
            query.SetSQL(CSQLStatement("insert into DaySchedule (DayScheduleName, Value_0) values (?, 10)",
                                       {QString::fromUtf8(day)}));
            query.ExecSQL();
        }
        query.SetSQL(CSQLStatement("update DaySchedule set Value_0=55 where DayScheduleName=?", {OfficeNight}));
        query.ExecSQL();
        const struct
        {
            const char* name;
            const char* day;
        } schedules[] = {{"新时间表1", "甲日"}, {"新时间表2", "乙日"}};
        for (const auto& s : schedules) {
            CScheduleData schedule;
            schedule.DataSet = &query;
            schedule.Name = QString::fromUtf8(s.name);
            for (auto& month : schedule.DayNames) {
                month.fill(QString::fromUtf8(s.day));
                month[8] = OfficeNight; // Sunday: a day schedule both projects hold
                month[9] = QStringLiteral("缺失日"); // holiday: a day schedule that is gone
            }
            EXPECT_TRUE(schedule.Insert());
        }
        // The shipped office schedule names a day schedule only the partner holds.
        query.SetSQL(CSQLStatement("update WeekSchedule set DaySchedule_Monday='丙日' where ID in (select "
                                   "WeekSchedule_1 from Schedule where Name=?)",
                                   {OfficePeople}));
        query.ExecSQL();
        return path;
    }
    static void Select(QListWidget* list, const QStringList& names)
    {
        for (const QString& name : names) {
            const auto items = list->findItems(name, Qt::MatchExactly);
            ASSERT_EQ(items.size(), 1) << name.toStdString();
            items.first()->setSelected(true);
        }
    }
    int Count(const QString& sql, const QVariantList& values = {})
    {
        return m_project.QueryInt(CSQLStatement(sql, values));
    }
};

TEST_F(ScheduleImportForm, SchedulesFromAnotherProjectTakeTheirDaySchedulesEachAskedOnce)
{
    const QString partner = WritePartner();
    TImportScheduleForm form(m_project.Schedule);
    form.ListBox1->addItems(ProjectColumn(QStringLiteral("select Name from Schedule")));
    ASSERT_TRUE(form.LoadPartner());
    EXPECT_EQ(form.ComboBox1->itemText(0), QStringLiteral("系统数据")) << "a project is open";
    Dialogs().FileAnswers = {partner};
    form.ComboBox1->setCurrentIndex(1);
    form.ComboBox1Change(1);
    ASSERT_EQ(form.ListBox2->count(), 12);

    // The office schedule is declined; the shared day schedule is overwritten.
    Select(form.ListBox2, {OfficePeople, QStringLiteral("新时间表1"), QStringLiteral("新时间表2")});
    Dialogs().MessageBoxAnswers = {2, 6};
    form.Button3Click();

    QStringList shown;
    for (const auto& box : Dialogs().MessageBoxes)
        shown << QStringLiteral("%1|%2|%3|%4").arg(box.caption, box.message).arg(box.style).arg(box.icon);
    EXPECT_EQ(shown, QStringList({QStringLiteral("信息|发现已经存在%1\n是否覆盖? |9|2").arg(OfficePeople),
                                  QStringLiteral("信息|发现已经存在日时间表%1\n是否覆盖? |9|2").arg(OfficeNight),
                                  QStringLiteral("成功复制|复制了2条数据|6|2")}));

    EXPECT_EQ(Count("select count(*) from DaySchedule where DayScheduleName in ('甲日', '乙日')"), 2);
    EXPECT_EQ(Count("select count(*) from DaySchedule where DayScheduleName = '丙日'"), 0)
        << "a declined schedule brings none of its day schedules";
    EXPECT_EQ(Count("select count(*) from DaySchedule where coalesce(DayScheduleName, '') in ('', '缺失日')"), 0)
        << "a day schedule the source lacks is not made up";
    EXPECT_EQ(Real("select Value_0 from DaySchedule where DayScheduleName=?", {OfficeNight}), 55.0);
    EXPECT_EQ(Count("select count(*) from WeekSchedule where DaySchedule_Monday='丙日'"), 0);
    EXPECT_EQ(Count("select count(*) from WeekSchedule where DaySchedule_Monday='甲日' and "
                    "DaySchedule_Sunday=?",
                    {OfficeNight}),
              12);
    EXPECT_EQ(Count("select count(*) from Schedule where Name like '新时间表_'"), 2);
    EXPECT_EQ(form.ListBox1->count(), 12) << "the copied names join the project's list";
}

TEST_F(ScheduleImportForm, MissingPartnerIsToldAndClosesTheForm)
{
    const struct
    {
        const char* name;
        bool projectOpen;
        QString file; // chosen in the file dialog; empty for the release data
    } cases[] = {
        {"release data", false, QString()},
        {"other project", true, QStringLiteral("/nonexistent/其它.VLZ")},
    };
    QFile::remove(m_folder.File(QStringLiteral("IssueData/SysData.dat")));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Dialogs().MessageBoxes.clear();
        TImportDayScheduleForm form(c.projectOpen ? m_project.Schedule : m_sysParam.Schedule);
        form.show();
        if (c.file.isEmpty()) {
            EXPECT_EQ(form.ComboBox1->currentText(), QStringLiteral("发行数据"));
            EXPECT_FALSE(form.LoadPartner());
        } else {
            ASSERT_TRUE(form.LoadPartner());
            Dialogs().FileAnswers = {c.file};
            form.ComboBox1->setCurrentIndex(1);
            form.ComboBox1Change(1);
        }
        ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
        EXPECT_EQ(Dialogs().MessageBoxes.first().caption, QStringLiteral("错误"));
        EXPECT_EQ(Dialogs().MessageBoxes.first().message,
                  QStringLiteral("系统找不到文件\n") + form.PartnerFile());
        EXPECT_TRUE(form.PartnerFile().endsWith(c.file.isEmpty() ? QStringLiteral("IssueData/SysData.dat") : c.file));
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(form.result(), mrCancel);
    }
}

TEST_F(ScheduleImportForm, ReleaseDataIsASourceOnly)
{
    TImportDayScheduleForm form(m_sysParam.Schedule);
    ASSERT_TRUE(form.LoadPartner());
    EXPECT_EQ(form.GroupBox1->title(), QStringLiteral("系统数据"));
    EXPECT_FALSE(form.Button1->isEnabled()) << "nothing is copied into the release data";
    EXPECT_GT(form.ListBox2->count(), 0);
}

} // namespace
