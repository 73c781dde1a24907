// The main window's schedule, storey-group and air-system commands, up to the condition-analysis
// file that the groups and systems built in their forms reach.
#include "app/controls/TBMPButton.h"
#include "app/controls/TControlEdit.h"
#include "app/controls/TLoadTypeChooseForm.h"
#include "climate/forms/TAirSystemForm.h"
#include "climate/forms/TScheduleManageForm.h"
#include "climate/forms/TStoreyGroupForm.h"
#include "model/CNodeData.h"
#include "model/CTreeItem.h"
#include "model/TDM_Project.h"
#include "model/TDM_SysParam.h"
#include "platform/core/CGbkCodec.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/climate/forms/CModalSteps.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

class ScheduleCommands : public MainWindowFixture
{
protected:
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("/etc/xdg"));
    }
    // The condition-analysis program as its installer registers it, in a folder that holds none.
    void RegisterConditionProgram()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.filePath("user"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, m_settings.filePath("system"));
        QSettings(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("QOR"), QStringLiteral("Path"))
            .setValue(QStringLiteral("DOVOVoravoPath"), m_settings.path());
    }
    static void SelectLine(QListWidget* list, const QString& text)
    {
        const auto items = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << text.toStdString();
        items.first()->setSelected(true);
    }

    QTemporaryDir m_settings;
};

TEST_F(ScheduleCommands, StoreyGroupAndAirSystemBuiltInTheFormsReachTheConditionAnalysisFile)
{
    OpenSmallProject();
    // A second storey whose room the base storey's rooms replace.
    CNodeData* second = Node(1, QStringLiteral("大楼1"))->CreateChild(2, QString(), nullptr, 0);
    ASSERT_NE(second, nullptr);
    CNodeData* oldRoom = second->CreateChild(3, QStringLiteral("旧房间"), nullptr, 0);
    ASSERT_NE(oldRoom, nullptr);
    const QString secondCaption = second->Caption();
    m_window->ReloadTreeView();
    Select(oldRoom->TreeItem());

    CModalSteps steps;
    steps.On<TStoreyGroupForm>([&](TStoreyGroupForm& form) {
        form.ControlEdit2->setText(QStringLiteral("标准层"));
        form.Button9Click();
        form.ListBox1->selectAll();
        form.Button2Click();
        SelectLine(form.ListBox2, QStringLiteral("大楼1~楼层1"));
        form.Button1Click();
        form.Button6Click();
        form.FlatButton2->click();
    });
    Trigger("Action_GroupFloor");
    ASSERT_EQ(steps.Pending(), 0);
    EXPECT_EQ(WidgetChildren(Item(2, secondCaption)), QStringList({"房间1", "房间2"}));
    ASSERT_NE(m_window->SelectedItem(), nullptr);
    EXPECT_EQ(m_window->SelectedItem()->Node(), Node(2, secondCaption))
        << "the selected room is gone: its storey is selected";

    steps.On<TAirSystemForm>([&](TAirSystemForm& form) {
        EXPECT_EQ(form.OutsideAir, 0);
        form.ControlEdit2->setText(QStringLiteral("系统1"));
        form.Button9Click();
        form.ListBox1->selectAll();
        form.Button2Click();
        EXPECT_EQ(form.ListBox2->count(), 4);
        form.FlatButton2->click();
    });
    Trigger("Action_AirSystem");
    ASSERT_EQ(steps.Pending(), 0);
    EXPECT_EQ(TDM_Project::Current().QueryInt(
                  CSQLStatement("select count(*) from Room where PrimaryAirSystemName='系统1'")),
              4);

    RegisterConditionProgram();
    Trigger("Action_ACLoadDetailedCalculation");
    steps.On<TLoadTypeChooseForm>([](TLoadTypeChooseForm& chooser) {
        chooser.ComboBox1->setCurrentIndex(0);
        chooser.accept();
    });
    Trigger("Action_RetailDesign_AirCase");
    ASSERT_EQ(steps.Pending(), 0);

    QFile file(QFileInfo(m_projectPath).absolutePath() + QStringLiteral("/system_id.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = CGbkCodec::FromGbk(file.readAll());
    EXPECT_EQ(text.count(QStringLiteral("SYSTEM\r\n系统1\r\n")), 1);
    for (const QString& storey : {QStringLiteral("楼层1"), secondCaption})
        for (const char* room : {"房间1", "房间2"})
            EXPECT_TRUE(text.contains(QStringLiteral("ROOM\r\n%1~%2(大楼1)\r\n").arg(storey, QString::fromUtf8(room))))
                << storey.toStdString() << room;
    EXPECT_FALSE(text.contains(QStringLiteral("旧房间")));
}

TEST_F(ScheduleCommands, ScheduleManagerOpensOnTheSystemDataWithoutAProject)
{
    ShowWindow();
    CModalSteps steps;
    int schedules = 0;
    steps.On<TScheduleManageForm>([&](TScheduleManageForm& form) {
        EXPECT_EQ(form.DataSet(), &TDM_SysParam::Current().Schedule);
        schedules = form.ListBox2->count();
        form.reject();
    });
    Trigger("Action_WorkScheduleButton");
    EXPECT_EQ(steps.Pending(), 0);
    EXPECT_EQ(schedules, 10) << "the shipped schedules of the system data";
}

} // namespace
