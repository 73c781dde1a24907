#include "app/CProgramStart.h"
#include "app/TVoro_Main.h"
#include "app/controls/CSysOutputManage.h"
#include "app/controls/TLoadTypeChooseForm.h"
#include "app/controls/TSysOutputPanel.h"
#include "app/controls/TViewMaxLoadForm.h"
#include "calc/CCalMsgOutput.h"
#include "calc/forms/TMsgOutputForm.h"
#include "model/CNodeData.h"
#include "model/COutsideWall.h"
#include "model/CProjectData.h"
#include "model/CRoom.h"
#include "model/CTreeItem.h"
#include "model/CTreeView2DB.h"
#include "project/CSystemGlobalData.h"
#include "tests/app/TestApplication.h"
#include "tests/support/CFakeToolDialogs.h"
#include "tests/support/CTestProgramFolder.h"
#include "tools/CDemoProject.h"

#include <algorithm>
#include <cmath>

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
constexpr int kSimpleEstimate = 0;
constexpr int kDetailedAC = 3;
const QString kSIHeader = QStringLiteral("====================国际单位制[W]====================");

// Answers the modal windows of the commands as a user would and records what they showed: the
// load list is read and closed, the load-kind choice answered, and with StopProgress the progress
// window's "终止" is pressed as soon as the window lets input through.
class ModalAnswerer : public QObject
{
public:
    ModalAnswerer()
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::Poll);
        m_timer.start(1);
    }

    QList<QStringList> LoadLists; // memo lines of each load list window
    int LoadKind = -1;            // index chosen in the load-kind dialog; -1 cancels it
    int LoadKindDialogs = 0;
    bool StopProgress = false;

private:
    void Poll()
    {
        if (StopProgress) {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* progress = dynamic_cast<TMsgOutputForm*>(widget); progress && progress->isVisible())
                    progress->Button1->click();
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* list = qobject_cast<TViewMaxLoadForm*>(modal)) {
            LoadLists << list->Lines();
            list->reject();
        } else if (auto* chooser = qobject_cast<TLoadTypeChooseForm*>(modal)) {
            ++LoadKindDialogs;
            if (LoadKind < 0) {
                chooser->reject();
            } else {
                chooser->ComboBox1->setCurrentIndex(LoadKind);
                chooser->accept();
            }
        }
    }

    QTimer m_timer;
};

// The program started on a demonstration project (one building, one storey, two rooms), as
// "didivov <project>" starts it.
class MaxLoadRoadTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        ASSERT_TRUE(m_folder.AddLibrary(QStringLiteral("librozadizo.so")));
        m_projectPath = m_folder.File(QStringLiteral("User/示范 工程.VLZ"));
        CDemoProject::Write(m_projectPath, kSimpleEstimate, std::make_unique<CFakeToolDialogs>());

        auto dialogs = std::make_unique<CFakeToolDialogs>();
        m_dialogs = dialogs.get();
        m_start = std::make_unique<CProgramStart>(std::move(dialogs));
        m_window = std::make_unique<TVoro_Main>();
        ASSERT_TRUE(m_start->Start());
        // Counts the progress windows the commands open.
        CCalMsgOutput::SetFormFactory([this](QObject* owner) -> std::unique_ptr<CMsgOutputFormBase> {
            ++m_progressWindows;
            return std::make_unique<TMsgOutputForm>(qobject_cast<QWidget*>(owner));
        });
        m_window->SetCommandLine(QDir::toNativeSeparators(m_projectPath).split(QLatin1Char(' ')));
        m_window->show();
        ASSERT_TRUE(CSystemGlobalData::Current().IsProjectOpen());
    }
    void TearDown() override
    {
        if (m_window)
            m_window->close();
        m_window.reset();
        m_start.reset();
    }

    CSysOutputManage& Output() { return CSysOutputManage::Instance(); }
    CTreeItem* ItemOf(int type, const QString& caption = QString())
    {
        CNodeData* node = CTreeView2DB::Current().Root().FindNodeByCaption(type, caption);
        return node ? node->TreeItem() : nullptr;
    }
    void Select(CTreeItem* item) { m_window->MainTreeView()->Select(item); }
    void Trigger(const char* action)
    {
        QAction* command = m_window->Action(QString::fromLatin1(action));
        ASSERT_NE(command, nullptr) << action;
        command->trigger();
    }
    QStringList ListRows()
    {
        QStringList rows;
        const QAbstractItemModel* model = m_window->MessagePanel()->SysOutputInfoListBox->model();
        for (int row = 0; row < model->rowCount(); ++row)
            rows << model->index(row, 0).data().toString();
        return rows;
    }
    // The notices of the command ("错误" and "信息"), as "caption|text"; the calculation's own
    // hints (such as the missing psychrometric library of the private program folder) are left out.
    QString CommandNotices()
    {
        QStringList notices;
        for (const auto& box : m_dialogs->MessageBoxes)
            if (box.caption == QStringLiteral("错误") || box.caption == QStringLiteral("信息"))
                notices << box.caption + QLatin1Char('|') + box.message;
        return notices.join(QLatin1Char('\n'));
    }

    CTestProgramFolder m_folder;
    QString m_projectPath;
    CFakeToolDialogs* m_dialogs = nullptr;
    std::unique_ptr<CProgramStart> m_start;
    std::unique_ptr<TVoro_Main> m_window;
    int m_progressWindows = 0;
};

TEST_F(MaxLoadRoadTest, DetailedMaximumLoadsOfABuildingFillTheLoadTabAndTheListWindow)
{
    ASSERT_NE(ItemOf(1, CDemoProject::BuildingCaption()), nullptr) << "the tree shows the building";

    Trigger("Action_ACLoadDetailedCalculation");
    EXPECT_EQ(CSystemGlobalData::Current().DesignType, kDetailedAC);
    EXPECT_TRUE(m_window->Action(QStringLiteral("Action_ACLoadDetailedCalculation"))->isChecked());

    CTreeItem* building = ItemOf(1, CDemoProject::BuildingCaption());
    ASSERT_NE(building, nullptr) << "the building is shown again after the tree was refilled";
    Select(building);
    ModalAnswerer answerer;
    Trigger("ToolButton1");

    const QStringList lines = Output().Lines(SysOutputLoad);
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.first(), kSIHeader);
    ASSERT_TRUE(lines.at(1).startsWith(QStringLiteral("总冷负荷(全热): "))) << lines.at(1).toStdString();
    // Two south- and north-facing offices of 30 m² in Beijing: some kilowatts, not zero.
    const double cooling = lines.at(1).section(QLatin1Char(' '), 1, 1).toDouble();
    EXPECT_GT(cooling, 1000.0) << lines.at(1).toStdString();
    EXPECT_LT(cooling, 50000.0) << lines.at(1).toStdString();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const QString& line) {
        return line.startsWith(QStringLiteral("冬季总热负荷(全热): "));
    }));

    EXPECT_EQ(Output().Subject(), CDemoProject::BuildingCaption());
    EXPECT_EQ(Output().ShownCategory(), int(SysOutputLoad));
    EXPECT_EQ(ListRows(), lines);
    ASSERT_EQ(answerer.LoadLists.size(), 1);
    EXPECT_EQ(answerer.LoadLists.first(), lines);
    EXPECT_EQ(m_progressWindows, 1);
    EXPECT_TRUE(m_window->isEnabled()) << "the progress window gave the main window back";
    EXPECT_EQ(m_window->SelectedItem(), building);
    // Warnings of the run are announced once, and only when there are some.
    const bool warned = m_dialogs->Messages.contains(
        QStringLiteral("负荷计算过程中有警告信息，\n请查看软件下方给出的具体信息，确保负荷准确性。"));
    EXPECT_EQ(warned, Output().Count(SysOutputWarning) > 0);
}

// The demonstration's two offices of 30 m² take the office use's indexes: 105 W/m² of cooling and
// 109.5 W/m² of heating, the middle of the handbook's office ranges.
TEST_F(MaxLoadRoadTest, EstimatesOfTheDemonstrationAreNotZero)
{
    const struct
    {
        const char* action;
        const char* coolingLine;
        const char* heatingLine;
        double cooling, heating; // W; 0: only plausible
    } cases[] = {
        {"Action_ACLoadSimpleEstimation", "总冷负荷：", "总热负荷：", 6300, 6570},
        {"Action_ACLoadItemizedEstimation", "总冷 负 荷:", "总热 负 荷:", 6300, 6570},
        {"Action_ACLoadIntelligentEstimation", "总冷负荷(全热):", "总热负荷(全热):", 0, 0},
    };
    const auto value = [](const QStringList& lines, const QString& caption) {
        for (const QString& line : lines)
            if (line.startsWith(caption))
                return line.mid(caption.size()).simplified().section(QLatin1Char(' '), 0, 0).toDouble();
        return std::nan("");
    };
    for (const auto& c : cases) {
        Trigger(c.action);
        Select(ItemOf(1, CDemoProject::BuildingCaption()));
        ModalAnswerer answerer;
        Trigger("ToolButton1");
        const QStringList lines = Output().Lines(SysOutputLoad);
        const double cooling = value(lines, QString::fromUtf8(c.coolingLine));
        const double heating = std::abs(value(lines, QString::fromUtf8(c.heatingLine)));
        if (c.cooling > 0) {
            EXPECT_NEAR(cooling, c.cooling, 0.5) << c.action;
            EXPECT_NEAR(heating, c.heating, 0.5) << c.action;
        } else {
            // Between 50 and 300 W/m² of the 60 m².
            EXPECT_GT(cooling, 3000) << c.action << '\n' << lines.join('\n').toStdString();
            EXPECT_LT(cooling, 18000) << c.action;
            EXPECT_GT(heating, 3000) << c.action << '\n' << lines.join('\n').toStdString();
            EXPECT_LT(heating, 18000) << c.action;
        }
        for (const QString& warning : Output().Lines(SysOutputWarning))
            EXPECT_FALSE(warning.contains(QStringLiteral("均为0"))) << warning.toStdString();
    }
}

TEST_F(MaxLoadRoadTest, EngineeringUnitsNameKcalInTheHeader)
{
    CProjectData::Current().Unit = 1;
    Select(ItemOf(3, QStringLiteral("办公室1")));
    ModalAnswerer answerer;
    Trigger("ToolButton1");

    const QStringList lines = Output().Lines(SysOutputLoad);
    ASSERT_EQ(lines.size(), 3) << "the simple estimate prints two lines";
    EXPECT_EQ(lines.at(0), QStringLiteral("====================工程单位制[kcal/h]===================="));
    EXPECT_TRUE(lines.at(1).startsWith(QStringLiteral("总冷负荷：\t")));
    EXPECT_TRUE(lines.at(2).startsWith(QStringLiteral("总热负荷：\t")));
}

TEST_F(MaxLoadRoadTest, WithoutASelectionAllCategoriesAreClearedAndNoListWindowOpens)
{
    for (int category = 0; category < CSysOutputManage::CategoryCount; ++category)
        Output().AddOutputLine(category, QStringLiteral("旧信息"));
    Select(nullptr);
    ModalAnswerer answerer;
    Trigger("ToolButton1");

    for (int category = 0; category < CSysOutputManage::CategoryCount; ++category)
        EXPECT_EQ(Output().Count(category), 0) << "category " << category;
    EXPECT_TRUE(answerer.LoadLists.isEmpty());
    EXPECT_TRUE(m_window->isEnabled());
}

TEST_F(MaxLoadRoadTest, AStoppedRunEmptiesTheLoadTabAndOpensNoListWindow)
{
    Trigger("Action_ACLoadDetailedCalculation");
    Select(ItemOf(1, CDemoProject::BuildingCaption()));
    ModalAnswerer answerer;
    answerer.StopProgress = true;
    Trigger("ToolButton1");

    EXPECT_EQ(Output().Count(SysOutputLoad), 0);
    EXPECT_TRUE(answerer.LoadLists.isEmpty());
    EXPECT_TRUE(m_window->isEnabled());
}

TEST_F(MaxLoadRoadTest, OnlyTheDailyCoolingTypeEnablesOperatingSchemes)
{
    QAction* schemes = m_window->Action(QStringLiteral("act_LoadCalculation"));
    ASSERT_NE(schemes, nullptr);
    const struct
    {
        const char* action;
        int designType;
        bool schemesEnabled;
    } cases[] = {
        {"Action_ACLoadDailyCalculation", 5, true},
        {"Action_ACLoadDailyCalculation", 5, true}, // the current type again
        {"Action_HeatingLoadDailyCalculation", 8, false},
        {"Action_ACLoadSimpleEstimation", 0, false},
    };
    for (const auto& c : cases) {
        Trigger(c.action);
        EXPECT_EQ(CSystemGlobalData::Current().DesignType, c.designType) << c.action;
        EXPECT_EQ(schemes->isEnabled(), c.schemesEnabled) << c.action;
        EXPECT_TRUE(m_window->Action(QString::fromLatin1(c.action))->isChecked()) << c.action;
    }

    // Outside the daily type the command does nothing, not even a notice.
    const int notices = m_dialogs->MessageBoxes.size();
    m_window->act_LoadCalculationExecuteExecute();
    EXPECT_EQ(m_dialogs->MessageBoxes.size(), notices);
    EXPECT_EQ(CSystemGlobalData::Current().CurRunSolInfo.Mode, 0);
}

TEST_F(MaxLoadRoadTest, ThermalCheckEndsOnItsTabAlsoWhenItWasShownBefore)
{
    Trigger("Action_HeatingLoadDetailedCalculation");
    m_window->MessagePanel()->ShowCategory(SysOutputThermalCheck);
    Output().AddOutputLine(SysOutputThermalCheck, QStringLiteral("旧的校核结果"));
    CTreeItem* wall = ItemOf(COutsideWall::TypeCode);
    ASSERT_NE(wall, nullptr);
    Select(wall);
    Trigger("ToolButton3");

    const QStringList lines = Output().Lines(SysOutputThermalCheck);
    ASSERT_EQ(lines.size(), 1) << "the old result was cleared and the wall checked once";
    EXPECT_NE(lines.first(), QStringLiteral("旧的校核结果"));
    EXPECT_EQ(Output().ShownCategory(), int(SysOutputThermalCheck));
    EXPECT_EQ(ListRows(), lines);
    EXPECT_EQ(m_progressWindows, 0) << "the check runs without a progress window";
}

// The condition-analysis program is looked up in the settings that stand in for its installer's
// registry entry; here they live in a private folder.
class ConditionAnalysisTest : public MaxLoadRoadTest
{
protected:
    void SetUp() override
    {
        MaxLoadRoadTest::SetUp();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           m_settings.filePath(QStringLiteral("user")));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope,
                           m_settings.filePath(QStringLiteral("system")));
        m_inputFile = QFileInfo(m_projectPath).absolutePath() + QStringLiteral("/system_id.txt");
        Trigger("Action_ACLoadDetailedCalculation"); // offers the condition analysis
    }
    void TearDown() override
    {
        MaxLoadRoadTest::TearDown();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("/etc/xdg"));
    }
    void SetProgramFolder(const QString& folder)
    {
        QSettings(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("QOR"),
                  QStringLiteral("Path"))
            .setValue(QStringLiteral("DOVOVoravoPath"), folder);
    }
    // Every room joins the air system, so that the export has something to write.
    void AssignRoomsToASystem()
    {
        CTreeView2DB::Current().Root().Traverse([](CNodeData* node) {
            if (node->Type() == CRoom::TypeCode) {
                auto* room = dynamic_cast<CRoom*>(node->LoadElement());
                room->PrimaryAirSystemName = QStringLiteral("系统1");
                EXPECT_EQ(room->UpdateRecord(), 1);
            }
            return false;
        });
    }

    QTemporaryDir m_settings;
    QString m_inputFile;
};

TEST_F(ConditionAnalysisTest, MissingPartsAreReportedAndTheFileWrittenOnlyWhenItCanBe)
{
    QTemporaryDir programFolder; // holds no program
    const struct
    {
        const char* name;
        int loadKind;
        bool programFolderSet;
        bool systems;
        QString notice; // "caption|text", empty for none
        int progressWindows;
        bool fileWritten;
    } cases[] = {
        {"cancelled", -1, true, false, QString(), 0, false},
        {"not installed", 0, false, false, QStringLiteral("错误|本机没有安装相关软件"), 1, false},
        {"no systems", 1, true, false, QStringLiteral("信息|您还没有完整地划分系统或者无法创建系统文件! "), 1,
         false},
        {"program missing", 2, true, true, QStringLiteral("错误|对不起，您的机器上没有安装此项功能!"), 1,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(m_inputFile);
        SetProgramFolder(c.programFolderSet ? programFolder.path() : QString());
        if (c.systems)
            AssignRoomsToASystem();
        m_dialogs->MessageBoxes.clear();
        m_progressWindows = 0;
        ModalAnswerer answerer;
        answerer.LoadKind = c.loadKind;
        Trigger("Action_RetailDesign_AirCase");

        EXPECT_EQ(answerer.LoadKindDialogs, 1);
        EXPECT_EQ(CommandNotices(), c.notice);
        EXPECT_EQ(m_progressWindows, c.progressWindows);
        EXPECT_EQ(QFile::exists(m_inputFile), c.fileWritten);
        EXPECT_TRUE(m_window->isEnabled());
    }
}
} // namespace
