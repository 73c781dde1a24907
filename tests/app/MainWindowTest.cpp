#include "tests/app/MainWindowFixture.h"

#include "app/CDesktopProgramsBase.h"
#include "app/TNodeInfoPage.h"
#include "app/controls/TSysOutputPanel.h"
#include "library/forms/TTLibManageForm.h"
#include "model/CNodeData.h"
#include "model/CProjectData.h"
#include "model/CTreeItem.h"
#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CSQLStatement.h"
#include "platform/core/CTool.h"
#include "project/CSystemGlobalData.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>

namespace {
// Counts the saves of the open project: each one writes the building list back.
class CountingWindow : public TVoro_Main
{
public:
    void FillCurrentBuildingActions() override
    {
        ++Fills;
        TVoro_Main::FillCurrentBuildingActions();
    }
    int Fills = 0;
};

QString ProjectValue(const QString& path, const QString& sql)
{
    CDbConnection con(QStringLiteral("MainWindowTestRead"));
    con.Open(path);
    CDbQuery query(con);
    OpenQueryGuarded(query, CSQLStatement(sql));
    const QString value = query.Eof() ? QString() : query.Field(0).toString();
    query.Close();
    con.Close();
    return value;
}
} // namespace

class MainWindowTest : public MainWindowFixture
{
};

TEST_F(MainWindowTest, CommandLineJoinsSplitParametersAndIgnoresAMissingFile)
{
    const QString path = NewProject(QStringLiteral("有 空格.VLZ"));
    ShowWindow(QDir::toNativeSeparators(path).split(QLatin1Char(' ')));
    EXPECT_TRUE(CSystemGlobalData::Current().IsProjectOpen());
    EXPECT_EQ(CSystemGlobalData::Current().ProjectFilePath(), path);
    EXPECT_TRUE(m_window->windowTitle().startsWith(QStringLiteral("DID-IVOV V4.0 工程文件:")));
    EXPECT_EQ(m_window->TreeWidget()->topLevelItemCount(), 1);
    EXPECT_TRUE(m_window->Action(QStringLiteral("Action_Save"))->isEnabled());
    EXPECT_TRUE(m_window->StatusText(2).startsWith(QStringLiteral("设计类型:")));
    EXPECT_GT(m_window->StatusText(2).size(), 5);
    EXPECT_TRUE(m_dialogs->MessageBoxes.isEmpty());

    m_window.reset();
    m_start = std::make_unique<CProgramStart>(std::make_unique<CFakeToolDialogs>());
    ShowWindow({m_folder.File(QStringLiteral("User/没有.VLZ"))});
    EXPECT_FALSE(CSystemGlobalData::Current().IsProjectOpen());
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("DID-IVOV V4.0"));
    EXPECT_FALSE(m_window->Action(QStringLiteral("Action_Save"))->isEnabled());
    EXPECT_TRUE(m_window->Action(QStringLiteral("Action_OpenProject"))->isEnabled());
}

TEST(MainWindowStart, OldWeatherWarningOnlyForAKnownVersionOf45AndBelow)
{
    const struct
    {
        int version;
        bool warned;
    } cases[] = {{-1, false}, {0, true}, {45, true}, {46, false}, {57, false}};
    for (const auto& c : cases)
        EXPECT_EQ(TVoro_Main::NeedsNewWeatherWarning(c.version), c.warned) << c.version;
}

TEST_F(MainWindowTest, ExitAndWindowCloseSaveOnceWithoutAQuestion)
{
    for (bool byExit : {true, false}) {
        SCOPED_TRACE(byExit ? "exit" : "close");
        m_window.reset();
        m_start = std::make_unique<CProgramStart>(std::make_unique<CFakeToolDialogs>());
        auto* window = new CountingWindow;
        m_window.reset(window);
        OpenSmallProject();
        auto& dialogs = static_cast<CFakeToolDialogs&>(CTool::Current().Dialogs());
        CNodeData* room = Node(3, QStringLiteral("房间2"));
        Select(room->TreeItem());
        const QString roomId = QString::number(room->NodeId()); // the node goes with the project
        const int fillsBefore = window->Fills;

        if (byExit)
            Trigger("Action_Exit");
        else
            m_window->close();

        EXPECT_EQ(window->Fills - fillsBefore, 1);
        EXPECT_FALSE(m_window->isVisible());
        EXPECT_FALSE(CSystemGlobalData::Current().IsProjectOpen());
        EXPECT_TRUE(dialogs.MessageBoxes.isEmpty());
        // The selection made before leaving was saved with the project parameters.
        EXPECT_EQ(ProjectValue(m_projectPath, QStringLiteral("select NodeFullPath from ProjectParameter")),
                  roomId);
    }
}

TEST_F(MainWindowTest, ExitWithoutProjectSavesNothing)
{
    auto* window = new CountingWindow;
    m_window.reset(window);
    ShowWindow();
    Trigger("Action_Exit");
    EXPECT_EQ(window->Fills, 0);
    EXPECT_TRUE(m_dialogs->MessageBoxes.isEmpty());
}

TEST_F(MainWindowTest, FitsBothScreenSizesWithSplittersBetweenTreePageAndPanel)
{
    ShowWindow();
    const QSize minimum = m_window->minimumSizeHint().expandedTo(m_window->minimumSize());
    EXPECT_LE(minimum.width(), 1366);
    EXPECT_LE(minimum.height(), 768 - 40); // room for a task bar
    auto* tree = m_window->TreeWidget();
    auto* page = m_window->findChild<QGroupBox*>(QStringLiteral("GroupBox1"));
    auto* panel = m_window->MessagePanel();
    ASSERT_TRUE(tree && page && panel);
    auto* vertical = m_window->findChild<QSplitter*>(QStringLiteral("Splitter2"));
    auto* horizontal = m_window->findChild<QSplitter*>(QStringLiteral("Splitter1"));
    ASSERT_TRUE(vertical && horizontal);
    EXPECT_EQ(vertical->indexOf(panel), 1);
    EXPECT_EQ(vertical->indexOf(horizontal), 0);
    for (QSize size : {QSize(1366, 728), QSize(1920, 1040)}) {
        SCOPED_TRACE(size.width());
        m_window->resize(size);
        m_window->layout()->activate();
        horizontal->setSizes({440, size.width() - 440});
        EXPECT_GE(tree->width(), 150);
        EXPECT_GE(page->width(), 600);
        EXPECT_GE(tree->height(), 300);
        EXPECT_GE(panel->height(), 60);
        // Dragging the vertical splitter gives the panel more room.
        vertical->setSizes({size.height() / 2, size.height() / 2});
        EXPECT_GE(panel->height(), size.height() / 2 - 120);
    }
}

TEST_F(MainWindowTest, SelectionShowsThePageWithPathAndTypeAndSetsNodeActions)
{
    OpenSmallProject();
    auto* coordinates = m_window->findChild<QGroupBox*>(QStringLiteral("GroupBox2"));
    CTreeItem* root = m_window->MainTreeView()->TopItem(0);
    Select(root);
    EXPECT_FALSE(coordinates->isVisibleTo(m_window.get()));
    EXPECT_FALSE(m_window->Action(QStringLiteral("Action_Delete"))->isEnabled());
    EXPECT_FALSE(m_window->Action(QStringLiteral("Action_Enabled"))->isEnabled());
    EXPECT_FALSE(m_window->Action(QStringLiteral("Action_DisEnabled"))->isEnabled());

    CNodeData* storey = Node(2, QStringLiteral("楼层1"));
    Select(storey->TreeItem());
    EXPECT_EQ(m_window->PathCaption(), QStringLiteral("大楼1~楼层1"));
    auto* page = qobject_cast<TNodeInfoPage*>(m_window->OpenPage());
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->isVisibleTo(m_window.get()));
    EXPECT_EQ(page->PathText(), QStringLiteral("大楼1~楼层1"));
    EXPECT_EQ(page->TypeText(), QStringLiteral("楼层"));
    EXPECT_TRUE(coordinates->isVisibleTo(m_window.get()));
    EXPECT_TRUE(m_window->Action(QStringLiteral("Action_Delete"))->isEnabled());
    EXPECT_TRUE(m_window->Action(QStringLiteral("Action_CAD"))->isEnabled());
    EXPECT_EQ(CSystemGlobalData::Current().ProjectData().NodeFullPath, QString::number(storey->NodeId()));

    Select(Item(3, QStringLiteral("房间1")));
    EXPECT_FALSE(m_window->Action(QStringLiteral("Action_CAD"))->isEnabled());
    // The user's click in the tree widget reaches the same road.
    QTreeWidgetItem* widgetItem = m_window->WidgetItem(storey->TreeItem());
    m_window->TreeWidget()->setCurrentItem(widgetItem);
    EXPECT_EQ(m_window->SelectedItem(), storey->TreeItem());
    EXPECT_EQ(m_window->PathCaption(), QStringLiteral("大楼1~楼层1"));
}

TEST_F(MainWindowTest, CoordinateModeIsWrittenOnlyWhenTheModeChanges)
{
    OpenSmallProject();
    QAction* absolute = m_window->Action(QStringLiteral("Action_AbsoluteCoordinate"));
    QAction* relative = m_window->Action(QStringLiteral("Action_RelativeCoordinate"));
    const int before = CSystemGlobalData::Current().ProjectData().Coordinate;
    (before ? absolute : relative)->trigger();
    const int mode = before ? 0 : 1;
    EXPECT_EQ(CSystemGlobalData::Current().ProjectData().Coordinate, mode);
    EXPECT_EQ(absolute->isChecked(), mode == 0);
    EXPECT_EQ(relative->isChecked(), mode == 1);
    EXPECT_EQ(ProjectValue(m_projectPath, QStringLiteral("select Coordinate from ProjectParameter")).toInt(),
              mode);

    // The checked action again: nothing changes, it stays checked.
    (mode ? relative : absolute)->trigger();
    EXPECT_EQ(CSystemGlobalData::Current().ProjectData().Coordinate, mode);
    EXPECT_TRUE((mode ? relative : absolute)->isChecked());
    EXPECT_FALSE((mode ? absolute : relative)->isChecked());
}

TEST_F(MainWindowTest, CommandsWithoutTheirSubsystemTellTheUser)
{
    ShowWindow();
    for (const char* name : {"Action_ParamInit", "act_base_material"}) {
        SCOPED_TRACE(name);
        m_dialogs->MessageBoxes.clear();
        Trigger(name);
        ASSERT_EQ(m_dialogs->MessageBoxes.size(), 1);
        EXPECT_TRUE(m_dialogs->MessageBoxes.first().message.contains(TVoro_Main::NotAvailableText()));
    }
}

TEST_F(MainWindowTest, LibraryCommandsOpenTheLibraryManagerOfTheirKind)
{
    ShowWindow();
    for (const auto& [name, caption] : {std::pair{"Action_OutsidWall", "外墙编辑"}, std::pair{"Action_RoomUsage", "房间用途编辑"},
                                        std::pair{"Action_StoryUsage", "楼层用途编辑"}}) {
        SCOPED_TRACE(name);
        QString shown;
        QTimer::singleShot(0, [&shown] {
            if (auto* form = qobject_cast<TTLibManageForm*>(QApplication::activeModalWidget())) {
                shown = form->windowTitle();
                form->CancelClick();
            }
        });
        Trigger(name);
        EXPECT_EQ(shown, QString::fromUtf8(caption));
    }
}

namespace {
// Programs on a made-up search path; starting one is only recorded.
class CFakeDesktopPrograms : public CDesktopProgramsBase
{
public:
    CFakeDesktopPrograms(QStringList installed, bool starts) : m_installed(std::move(installed)), m_starts(starts) {}
    QString Find(const QString& name) const override
    {
        return m_installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
    }
    bool Start(const QString& program, const QString& workingFolder) override
    {
        Started << program + QLatin1Char('@') + workingFolder;
        return m_starts;
    }
    QStringList Started;

private:
    QStringList m_installed;
    bool m_starts;
};
} // namespace

TEST_F(MainWindowTest, AccessoriesStartTheDesktopsProgramOrNameTheMissingOne)
{
    ShowWindow();
    const QString folder = CProgramFolder::Path();
    const struct
    {
        const char* action;
        QStringList installed;
        bool starts;
        QString started; // program@working folder; empty: nothing started
        const char* message; // the start of the notice; empty: none
    } cases[] = {
        {"Action_NotePad", {"kate", "mousepad"}, true, "/usr/bin/mousepad@", ""},
        {"Action_Caculate", {"xcalc", "galculator"}, true, "/usr/bin/galculator@", ""},
        // The area calculator's place is taken by the calculator, started in the program folder.
        {"Action_EasyCaculate", {"xcalc"}, true, "/usr/bin/xcalc@" + folder, ""},
        {"Action_NotePad", {}, true, "", "没有找到文本编辑器。请安装以下程序之一：gnome-text-editor、gedit"},
        {"Action_EasyCaculate", {}, true, "", "没有找到计算器。请安装以下程序之一：gnome-calculator"},
        {"Action_Caculate", {"kcalc"}, false, "/usr/bin/kcalc@", "无法启动计算器“/usr/bin/kcalc”。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        auto programs = std::make_unique<CFakeDesktopPrograms>(c.installed, c.starts);
        CFakeDesktopPrograms& fake = *programs;
        m_window->SetDesktopPrograms(std::move(programs));
        m_dialogs->MessageBoxes.clear();
        Trigger(c.action);
        EXPECT_EQ(fake.Started, c.started.isEmpty() ? QStringList() : QStringList{c.started});
        if (*c.message) {
            ASSERT_EQ(m_dialogs->MessageBoxes.size(), 1);
            EXPECT_TRUE(m_dialogs->MessageBoxes.first().message.startsWith(QString::fromUtf8(c.message)))
                << m_dialogs->MessageBoxes.first().message.toStdString();
        } else {
            EXPECT_TRUE(m_dialogs->MessageBoxes.isEmpty());
        }
    }
}

TEST_F(MainWindowTest, ClosingTheProjectReturnsToTheStateWithoutProject)
{
    OpenSmallProject();
    Select(Item(3, QStringLiteral("房间1")));
    Trigger("Action_CloseProject");
    EXPECT_FALSE(CSystemGlobalData::Current().IsProjectOpen());
    EXPECT_EQ(m_window->TreeWidget()->topLevelItemCount(), 0);
    EXPECT_EQ(m_window->OpenPage(), nullptr);
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("DID-IVOV V4.0"));
    EXPECT_TRUE(m_window->StatusText(2).isEmpty());
    EXPECT_FALSE(m_window->Action(QStringLiteral("Action_Copy"))->isEnabled());
    EXPECT_TRUE(m_dialogs->MessageBoxes.isEmpty());
}
