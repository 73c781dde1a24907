#include "app/TNewModuleForm.h"
#include "app/TNewProject.h"
#include "app/controls/TControlEdit.h"
#include "model/CNodeData.h"
#include "model/COutsideWall.h"
#include "model/CProjectData.h"
#include "model/CSysRegistry.h"
#include "model/CTreeView2DB.h"
#include "model/TDM_Project.h"
#include "model/TDM_SysParam.h"
#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CSQLStatement.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "project/CNewProjectMaker.h"
#include "project/CProjectTemplates.h"
#include "project/CSystemGlobalData.h"
#include "tests/app/MainWindowFixture.h"
#include "tools/CDemoProject.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

// Answers the modal dialogs the commands open: each handler gets its dialog type; any other modal
// dialog (the weather dialog, say) is cancelled.
class CModalDriver
{
public:
    CModalDriver()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start();
    }

    std::function<void(TNewProject&)> OnNewProject;
    std::function<void(TNewModuleForm&)> OnNewModule;
    int NewProjectDialogs = 0;
    int NewModuleDialogs = 0;

private:
    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* dialog = qobject_cast<TNewProject*>(modal)) {
            ++NewProjectDialogs;
            if (OnNewProject)
                OnNewProject(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        } else if (auto* form = qobject_cast<TNewModuleForm*>(modal)) {
            ++NewModuleDialogs;
            if (OnNewModule)
                OnNewModule(*form);
            if (form->isVisible())
                form->reject();
        } else if (auto* other = qobject_cast<QDialog*>(modal)) {
            other->reject();
        }
    }

    QTimer m_timer;
};

int CountIn(const QString& databaseFile, const QString& sql, const QVariantList& values = {})
{
    CDbConnection connection(QStringLiteral("NewProjectTestRead"));
    connection.Open(databaseFile);
    CDbQuery query(connection);
    OpenQueryGuarded(query, CSQLStatement(sql, values));
    const int count = query.Field(0).toInt();
    query.Close();
    connection.Close();
    return count;
}

class NewProjectTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp(); // makes the application the driver's timer needs
        m_modal = std::make_unique<CModalDriver>();
        ASSERT_TRUE(m_location.isValid());
    }

    // Runs New, filling the dialog with the name under m_location (blank project unless a
    // template is named) and pressing OK.
    void RunNew(const QString& name, const QString& templateName = QString())
    {
        Driver().OnNewProject = [&](TNewProject& dialog) {
            dialog.SaveLocation = m_location.path();
            dialog.Edit1->setText(name);
            dialog.ControlEdit2->setText(QStringLiteral(" 办公楼工程 "));
            dialog.ControlEdit5->setText(QStringLiteral("张工"));
            if (!templateName.isEmpty()) {
                dialog.ComboBox1->setCurrentText(templateName);
                dialog.SetRadioGroup2Index(1);
            }
            dialog.FlatButton2->click();
        };
        Trigger("Action_NewProject");
    }

    QString FileOf(const QString& name) const
    {
        return m_location.path() + '/' + name + '/' + name + QStringLiteral(".VLZ");
    }

    QTemporaryDir m_location;
    std::unique_ptr<CModalDriver> m_modal;
    CModalDriver& Driver() { return *m_modal; }
};

TEST_F(NewProjectTest, BlankProjectTakesTheSystemDefaultsAndTheTypedParameters)
{
    ShowWindow();
    RunNew(QStringLiteral("新工程"));

    const QString file = FileOf(QStringLiteral("新工程"));
    CSystemGlobalData& global = CSystemGlobalData::Current();
    ASSERT_TRUE(global.IsProjectOpen());
    EXPECT_EQ(QFileInfo(global.ProjectFilePath()).absoluteFilePath(), QFileInfo(file).absoluteFilePath());
    EXPECT_EQ(global.ProjectData().ProjectName, QStringLiteral(" 办公楼工程 ")) << "kept as typed";
    EXPECT_EQ(global.ProjectData().Designer, QStringLiteral("张工"));
    EXPECT_TRUE(m_window->Action(QStringLiteral("N31"))->isEnabled());

    const QString sysData = TDM_SysParam::Current().SysDataPath();
    int count = 0;
    const CNewProjectMaker::LibraryDefault* libraries = CNewProjectMaker::LibraryDefaults(count);
    for (int i = 0; i < count; ++i) {
        const QString table = QString::fromLatin1(libraries[i].Table);
        const QString id = TDM_Project::Current().QueryString(
            CSQLStatement("select I_Value from Initialization where I_Name = ?",
                          {QString::fromLatin1(libraries[i].DefaultName)}));
        SCOPED_TRACE(table.toStdString());
        EXPECT_EQ(TDM_Project::Current().QueryInt(
                      CSQLStatement(QStringLiteral("select count(*) from %1 where ID = ?").arg(table), {id})),
                  1)
            << "the default names a record of the new project";
        if (libraries[i].Envelope) {
            EXPECT_EQ(TDM_Project::Current().QueryInt(
                          CSQLStatement(QStringLiteral("select count(*) from %1").arg(table))),
                      1)
                << "only the default record";
        }
    }
    EXPECT_EQ(TDM_Project::Current().QueryInt(CSQLStatement("select count(*) from Initialization")),
              CountIn(sysData, QStringLiteral("select count(*) from Initialization")));
    EXPECT_EQ(TDM_Project::Current().QueryInt(CSQLStatement("select count(*) from Schedule")),
              CountIn(sysData, QStringLiteral("select count(*) from Schedule")));
    QStringList recent;
    CSysRegistry().ReadValues(QStringLiteral("ProjectFileName"), recent);
    EXPECT_TRUE(recent.contains(file));

    // A building added with the tree commands is kept in the new file.
    CNodeData* building = CTreeView2DB::Current().Root().CreateChild(1, QString(), nullptr, 0);
    ASSERT_NE(building, nullptr);
    const QString caption = building->Caption();
    global.OpenProject(QString());
    global.OpenProject(file);
    EXPECT_NE(CTreeView2DB::Current().Root().FindNodeByCaption(1, caption), nullptr);
    EXPECT_EQ(global.ProjectData().ProjectName, QStringLiteral(" 办公楼工程 "));
}

TEST_F(NewProjectTest, RefusalsLeaveEverythingAsItWas)
{
    ShowWindow();
    RunNew(QStringLiteral("甲"));
    const QString file = FileOf(QStringLiteral("甲"));
    ASSERT_EQ(CSystemGlobalData::Current().ProjectFilePath(), file);

    // The open project's own name: told, and it stays open.
    m_dialogs->MessageBoxes.clear();
    RunNew(QStringLiteral("甲"));
    ASSERT_FALSE(m_dialogs->MessageBoxes.isEmpty());
    EXPECT_EQ(m_dialogs->MessageBoxes.first().caption, QStringLiteral("工程正在使用"));
    EXPECT_EQ(CSystemGlobalData::Current().ProjectFilePath(), file);

    // A folder two levels down is not made.
    m_dialogs->MessageBoxes.clear();
    Driver().OnNewProject = [&](TNewProject& dialog) {
        dialog.SaveLocation = m_location.path() + QStringLiteral("/无");
        dialog.Edit1->setText(QStringLiteral("乙"));
        dialog.FlatButton2->click();
    };
    Trigger("Action_NewProject");
    ASSERT_FALSE(m_dialogs->MessageBoxes.isEmpty());
    EXPECT_EQ(m_dialogs->MessageBoxes.first().message, QStringLiteral("无法创建文件夹"));
    EXPECT_EQ(CSystemGlobalData::Current().ProjectFilePath(), file);

    // Cancelled dialog.
    Driver().OnNewProject = [](TNewProject& dialog) { dialog.FlatButton3->click(); };
    Trigger("Action_NewProject");
    EXPECT_EQ(Driver().NewProjectDialogs, 4);
    EXPECT_EQ(CSystemGlobalData::Current().ProjectFilePath(), file);
}

TEST_F(NewProjectTest, OverwriteAsksAndReplacesTheOldProjectFiles)
{
    ShowWindow();
    RunNew(QStringLiteral("丙"));
    const QString file = FileOf(QStringLiteral("丙"));
    const QString folder = QFileInfo(file).path();
    CTreeView2DB::Current().Root().CreateChild(1, QString(), nullptr, 0);
    CSystemGlobalData::Current().OpenProject(QString());
    ASSERT_TRUE(QDir(folder).mkpath(QStringLiteral("temp")));
    for (const char* name : {"temp/x.txt", "丙.dat", "丙.rst", "丙.qcd", "丙.run"}) {
        QFile stray(folder + '/' + QString::fromUtf8(name));
        ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    }

    // Declined: the old project is untouched.
    m_dialogs->MessageBoxAnswers = {2};
    RunNew(QStringLiteral("丙"));
    EXPECT_EQ(m_dialogs->MessageBoxes.last().caption, QStringLiteral("工程已经存在"));
    EXPECT_FALSE(CSystemGlobalData::Current().IsProjectOpen());
    EXPECT_EQ(CountIn(file, QStringLiteral("select count(*) from Building")), 1);
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/丙.dat")));

    // Accepted: a fresh project, without the old files, and no second recent-project row.
    m_dialogs->MessageBoxAnswers = {6};
    RunNew(QStringLiteral("丙"));
    ASSERT_EQ(CSystemGlobalData::Current().ProjectFilePath(), file);
    EXPECT_EQ(CTreeView2DB::Current().Root().FindNodeByCaption(1, QString()), nullptr);
    EXPECT_EQ(TDM_Project::Current().QueryInt(CSQLStatement("select count(*) from Building")), 0);
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/temp")));
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/丙.dat")));
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/丙.rst")));
    // The old CAD model and operating schemes would otherwise become the blank project's own.
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/丙.qcd")));
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/丙.run")));
    EXPECT_TRUE(m_dialogs->Messages.isEmpty()) << m_dialogs->Messages.join('\n').toStdString();
    QStringList recent;
    CSysRegistry().ReadValues(QStringLiteral("ProjectFileName"), recent);
    EXPECT_EQ(recent.count(file), 1);
}

// Lowers the size of file this process may write, so that a copy fails part way as on a full disk.
class CFileSizeLimit
{
public:
    explicit CFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~CFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    CFileSizeLimit(const CFileSizeLimit&) = delete;
    CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_handler)(int) = SIG_DFL;
};

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(NewProjectTest, ReplacingAProjectKeepsItWhenTheNewOneCannotBeWrittenAndDatesTheNewOne)
{
    ShowWindow();
    RunNew(QStringLiteral("己"));
    const QString file = FileOf(QStringLiteral("己"));
    const QString folder = QFileInfo(file).path();
    CTreeView2DB::Current().Root().CreateChild(1, QString(), nullptr, 0);
    CSystemGlobalData::Current().OpenProject(QString());
    const QByteArray before = Bytes(file);
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    CNewProjectRequest request;
    request.FileName = QStringLiteral("己");
    request.Folder = folder;
    m_dialogs->MessageBoxAnswers = {6};
    {
        CFileSizeLimit limit(16 * 1024); // the blank project is far larger
        EXPECT_THROW(CNewProjectMaker::Create(request, nullptr), Exception);
    }
    EXPECT_EQ(Bytes(file), before);
    EXPECT_EQ(CountIn(file, QStringLiteral("select count(*) from Building")), 1);
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entries) << "no part left";

    // Made without a dialog to date it, a new project carries the day it was made.
    m_dialogs->MessageBoxAnswers = {6};
    ASSERT_EQ(CNewProjectMaker::Create(request, nullptr), CNewProjectMaker::Result::Blank);
    EXPECT_EQ(CSystemGlobalData::Current().ProjectData().DesignDate, QDate::currentDate());
    EXPECT_EQ(TDM_Project::Current().QueryString(CSQLStatement("select DesignDate from ProjectParameter")),
              QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
}

// A template name becomes a file name in the template folder; one that is not a plain file name
// would reach files elsewhere, such as the blank project itself.
TEST_F(NewProjectTest, TemplateNamesThatAreNotPlainFileNamesReachNoFile)
{
    ShowWindow();
    for (const QString& name :
         {QStringLiteral("a/b"), QStringLiteral("../Project/ProjectModule"), QStringLiteral(".."),
          QStringLiteral("."), QStringLiteral("a\\b"), QStringLiteral(" "), QStringLiteral("行一\n行二"),
          QString(300, QLatin1Char('x'))}) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(CProjectTemplates::NameProblem(name).isEmpty());
        EXPECT_TRUE(CProjectTemplates::FileOf(name).isEmpty());
    }
    for (const QString& name : {QStringLiteral("Bob's"), QStringLiteral("a..b"), QStringLiteral("办公楼 v2")})
        EXPECT_TRUE(CProjectTemplates::NameProblem(name).isEmpty()) << name.toStdString();

    QString message;
    EXPECT_FALSE(CProjectTemplates::Make(
        QStringLiteral("../外面"), m_folder.File(QStringLiteral("Project/ProjectModule.dat")), message));
    EXPECT_TRUE(message.contains(QStringLiteral("不能用作文件名"))) << message.toStdString();
    EXPECT_FALSE(QFile::exists(m_folder.File(QStringLiteral("外面.MDU"))));
    EXPECT_FALSE(CProjectTemplates::Exists(QStringLiteral("../外面")));

    // A stored row that names the blank project is neither offered nor used.
    const QString outside = QStringLiteral("../Project/ProjectModule");
    ExecQueryGuarded(TDM_SysParam::Current().Module,
                     CSQLStatement("insert into ModuleData (Name, Date) values (?, '')", {outside}));
    EXPECT_FALSE(CProjectTemplates::List().contains(outside));
    CNewProjectRequest request;
    request.FileName = QStringLiteral("庚");
    request.Folder = m_location.filePath(QStringLiteral("庚"));
    request.FromTemplate = true;
    request.TemplateName = outside;
    EXPECT_EQ(CNewProjectMaker::Create(request, nullptr), CNewProjectMaker::Result::Refused);
    ASSERT_FALSE(m_dialogs->MessageBoxes.isEmpty());
    EXPECT_TRUE(m_dialogs->MessageBoxes.last().message.contains(QStringLiteral("不能用作文件名")));
    EXPECT_FALSE(QFile::exists(CNewProjectMaker::ProjectFile(request.Folder, request.FileName)));
}

TEST_F(NewProjectTest, MissingDefaultLibraryRecordStopsBeforeAnythingIsMade)
{
    ShowWindow();
    {
        CDbConnection connection(QStringLiteral("NewProjectTestBreak"));
        connection.Open(TDM_SysParam::Current().SysDataPath());
        CDbQuery query(connection);
        ExecQueryGuarded(query,
                         CSQLStatement("delete from Roof_Lib where ID = (select cast(I_Value as integer) "
                                       "from Initialization where I_Name = 'RoofName')"));
        query.Close();
        connection.Close();
    }
    RunNew(QStringLiteral("丁"));
    ASSERT_FALSE(m_dialogs->MessageBoxes.isEmpty());
    EXPECT_TRUE(m_dialogs->MessageBoxes.last().message.contains(QStringLiteral("Roof_Lib")))
        << m_dialogs->MessageBoxes.last().message.toStdString();
    EXPECT_FALSE(CSystemGlobalData::Current().IsProjectOpen());
    EXPECT_FALSE(QFile::exists(FileOf(QStringLiteral("丁"))));
}

TEST_F(NewProjectTest, TemplatesAreMadeListedAndUsed)
{
    OpenSmallProject();
    const QString source = m_projectPath;

    // An empty name is refused in the dialog; a taken name asks again; quotes are kept.
    QStringList typed = {QString(), QStringLiteral("Bob's")};
    Driver().OnNewModule = [&](TNewModuleForm& form) {
        while (!typed.isEmpty() && form.isVisible()) {
            form.Edit1->setText(typed.takeFirst());
            form.Button1->click();
        }
    };
    Trigger("Action_MakeCurrentProjectToModule");
    EXPECT_TRUE(m_dialogs->Messages.contains(QStringLiteral("请输入模板名称!!!")));
    EXPECT_EQ(m_dialogs->MessageBoxes.last().caption, QStringLiteral("成功"));
    EXPECT_TRUE(CProjectTemplates::Exists(QStringLiteral("Bob's")));
    EXPECT_TRUE(QFile::exists(CProjectTemplates::FileOf(QStringLiteral("Bob's"))));

    m_dialogs->Messages.clear();
    typed = {QStringLiteral("bob's")}; // the table compares names without case
    Trigger("Action_MakeCurrentProjectToModule");
    EXPECT_TRUE(m_dialogs->Messages.contains(QStringLiteral("重名，请重新输入!!!")));
    EXPECT_EQ(Driver().NewModuleDialogs, 3) << "the dialog comes back after the duplicate, then is closed";

    // A row whose file is gone, and a second row of the same name.
    ExecQueryGuarded(
        TDM_SysParam::Current().Module,
        CSQLStatement("insert into ModuleData (Name, Date) values ('已删除', ''), ('Bob''s', '')"));
    TNewProject dialog;
    dialog.FormShow();
    ASSERT_EQ(dialog.ComboBox1->count(), 1);
    EXPECT_EQ(dialog.ComboBox1->itemText(0), QStringLiteral("Bob's"));
    EXPECT_TRUE(dialog.RadioGroup2->isEnabled());
    EXPECT_FALSE(CProjectTemplates::Exists(QStringLiteral("已删除"))) << "the stale row is gone for good";

    // A project from the template keeps the template's tree and tables.
    RunNew(QStringLiteral("戊"), QStringLiteral("Bob's"));
    ASSERT_EQ(CSystemGlobalData::Current().ProjectFilePath(), FileOf(QStringLiteral("戊")));
    EXPECT_NE(Node(3, QStringLiteral("房间1")), nullptr);
    EXPECT_EQ(TDM_Project::Current().QueryInt(CSQLStatement("select count(*) from OutsideWall_Lib")),
              CountIn(source, QStringLiteral("select count(*) from OutsideWall_Lib")));
}

TEST_F(NewProjectTest, DialogFormsTheFolderAndHandsOverWhatWasTyped)
{
    ShowWindow();
    TNewProject dialog;
    dialog.FormShow();
    EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("UnNominate"));
    EXPECT_FALSE(dialog.RadioGroup2->isEnabled()) << "no template installed";
    EXPECT_FALSE(dialog.ComboBox1->isEnabled());
    EXPECT_EQ(dialog.RadioGroup2Index(), 0);

    const struct
    {
        const char* location;
        const char* folder;
    } cases[] = {{"D:\\", "D:\\A"}, {"/", "/A"}, {"/work", "/work/A"}};
    for (const auto& c : cases) {
        dialog.SaveLocation = QString::fromLatin1(c.location);
        dialog.Edit1->clear(); // typed anew: the folder follows every change of the name
        dialog.Edit1->setText(QStringLiteral("A"));
        EXPECT_EQ(dialog.Edit2->text(), QString::fromLatin1(c.folder)) << c.location;
    }

    // A cancelled browser leaves the location at the folder shown before.
    dialog.BrowseFolder = [](const QString&) { return QString(); };
    dialog.FlatButton1Click();
    dialog.Edit1->setText(QStringLiteral("B"));
    EXPECT_EQ(dialog.Edit2->text(), QStringLiteral("/work/A/B"));
    dialog.BrowseFolder = [](const QString&) { return QStringLiteral("/data"); };
    dialog.FlatButton1Click();
    EXPECT_EQ(dialog.Edit2->text(), QStringLiteral("/data/B"));

    // OK with blanks only does nothing.
    dialog.open();
    dialog.Edit1->setText(QStringLiteral("   "));
    dialog.FlatButton2Click();
    EXPECT_TRUE(dialog.isVisible());
    dialog.FlatButton3->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 2);

    dialog.ControlEdit3->setText(QStringLiteral(" 001 "));
    dialog.DateTimePicker1->setDate(QDate(2024, 5, 6));
    dialog.RadioGroup1->findChildren<QRadioButton*>().at(1)->setChecked(true);
    CProjectData data;
    dialog.GetProjectData(data);
    EXPECT_EQ(data.ProjectNumber, QStringLiteral(" 001 "));
    EXPECT_EQ(data.DesignDate, QDate(2024, 5, 6));
    EXPECT_EQ(data.Unit, 1);
}

} // namespace

namespace {

using DemoProjectTest = MainWindowFixture;

TEST_F(DemoProjectTest, OfficeDemonstrationOpensInTheMainWindow)
{
    const QString path = m_folder.File(QStringLiteral("User/示例工程.VLZ"));
    // The writer brings its own program objects: it runs before the program starts, as at build time.
    m_start.reset();
    CDemoProject::WriteOffice(path, 3, std::make_unique<CFakeToolDialogs>());
    auto dialogs = std::make_unique<CFakeToolDialogs>();
    m_dialogs = dialogs.get();
    m_start = std::make_unique<CProgramStart>(std::move(dialogs));
    ShowWindow({path});
    ASSERT_EQ(CSystemGlobalData::Current().ProjectFilePath(), path);
    CNodeData* building = Node(1, CDemoProject::OfficeCaption());
    ASSERT_NE(building, nullptr);
    ASSERT_EQ(building->ChildCount(), 2) << "two storeys";
    QList<int> directions;
    int rooms = 0;
    for (CNodeData* storey : {building->Child(0), building->Child(1)})
        for (int i = 0; i < storey->ChildCount(); ++i, ++rooms)
            for (int j = 0; j < storey->Child(i)->ChildCount(); ++j)
                if (auto* wall = dynamic_cast<COutsideWall*>(storey->Child(i)->Child(j)->LoadElement()))
                    directions << wall->Direction;
    EXPECT_EQ(rooms, 8);
    for (int direction : {1, 3, 5, 7})
        EXPECT_TRUE(directions.contains(direction)) << direction;
    EXPECT_EQ(TDM_Project::Current().QueryString(CSQLStatement("select City from WeatherParameter")),
              QStringLiteral("北京"));
    EXPECT_TRUE(m_dialogs->MessageBoxes.isEmpty() && m_dialogs->Messages.isEmpty());
}

// Office equipment heats the rooms, windows leak air in winter and the demonstration is dated.
TEST_F(DemoProjectTest, OfficeDemonstrationIsABelievableOffice)
{
    const QString path = m_folder.File(QStringLiteral("User/示例工程.VLZ"));
    m_start.reset();
    CDemoProject::WriteOffice(path, 3, std::make_unique<CFakeToolDialogs>());
    m_start = std::make_unique<CProgramStart>(std::make_unique<CFakeToolDialogs>());
    ShowWindow({path});
    ASSERT_EQ(CSystemGlobalData::Current().ProjectFilePath(), path);
    TDM_Project& project = TDM_Project::Current();
    const auto count = [&](const char* sql) { return project.QueryInt(CSQLStatement(sql)); };
    // GB 50189: 15 W/m² of electronic equipment in office buildings, as office equipment.
    EXPECT_EQ(count("select count(*) from ElectronicEquipment"), 8) << "one per room";
    EXPECT_EQ(count("select count(*) from ElectronicEquipment where EleCatMethod = 3 and PowerDensity = 15"), 8);
    EXPECT_EQ(count("select count(*) from ElectricEquipment"), 0) << "no motors in the offices";
    // Windows of 1.5 m x 1.8 m opening by one sash of 0.75 m x 1.8 m: 2 x (0.75 + 1.8) = 5.1 m.
    EXPECT_GT(count("select count(*) from OutsideWindow"), 0);
    EXPECT_EQ(count("select count(*) from OutsideWindow where abs(ApertureLength - 5.1) > 1e-9"), 0);
    EXPECT_EQ(CProjectData::Current().DesignDate, QDate::currentDate());
}

} // namespace
