#include "tests/app/MainWindowFixture.h"

#include "app/TOpenProject.h"
#include "app/TProjectInfoFields.h"
#include "app/TProjectSurveyForm.h"
#include "app/controls/ModalResult.h"
#include "cad/model/CADStoreyInfo.h"
#include "cad/model/CCADInfo.h"
#include "model/CNodeData.h"
#include "model/CProjectData.h"
#include "model/CSysRegistry.h"
#include "model/CTreeView2DB.h"
#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "project/CSystemGlobalData.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Write(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Every caption of the project tree, depth first, indented by level.
QStringList TreeCaptions()
{
    QStringList captions;
    std::function<void(const CNodeData&, int)> walk = [&](const CNodeData& node, int level) {
        for (int i = 0; i < node.ChildCount(); ++i) {
            captions << QString(level * 2, QLatin1Char(' ')) + node.Child(i)->Caption();
            walk(*node.Child(i), level + 1);
        }
    };
    walk(CTreeView2DB::Current().Root(), 0);
    return captions;
}

// Records what loading the project parameters does to the program around them.
class RecordingDataHost : public CProjectDataHost
{
public:
    QString ProjectFilePath() const override { return m_path; }
    void ShowCoordinateMode(bool) override { Calls << QStringLiteral("coordinates"); }
    void ClearRunSchemes() override { Calls << QStringLiteral("clear schemes"); }
    void LoadRunSchemeFile(const QString&) override { Calls << QStringLiteral("load schemes"); }
    void SaveRunSchemeFile(const QString&) override { Calls << QStringLiteral("save schemes"); }

    QString m_path;
    QStringList Calls;
};

class ProjectCommandsTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ShowWindow();
        ASSERT_TRUE(m_temp.isValid());
    }
    // A blank project of that name in its own folder under the temporary folder.
    QString BlankProject(const QString& name)
    {
        QDir(m_temp.path()).mkpath(name);
        const QString path = m_temp.filePath(name + '/' + name + ".VLZ");
        EXPECT_TRUE(QFile::copy(m_folder.File(QStringLiteral("Project/ProjectModule.dat")), path));
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }
    // Runs the action while the test script answers the modal dialog it shows.
    template <typename Dialog, typename Script> void TriggerWithDialog(const char* action, Script script)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen = true;
            script(*dialog);
            if (dialog->isVisible())
                dialog->done(mrCancel);
        });
        Trigger(action);
        EXPECT_TRUE(seen) << action;
    }
    CSystemGlobalData& Global() { return CSystemGlobalData::Current(); }

    QTemporaryDir m_temp;
};

TEST_F(ProjectCommandsTest, SaveAsCopiesTheWholeProjectAndTheCopyReopensAsSaved)
{
    const QString original = BlankProject(QStringLiteral("原工程"));
    const QString folder = QFileInfo(original).absolutePath();
    Write(CProjectData::RunFileName(original), "运行方案1\n1 2 3\n");
    Write(folder + "/OutPutConfig.data", "插件A\n");
    Global().OpenProject(original);
    ASSERT_TRUE(Global().IsProjectOpen());

    CNodeData& root = CTreeView2DB::Current().Root();
    m_window->AddElementUnderNode(root.TreeItem(), 1);
    ASSERT_EQ(root.ChildCount(), 1);
    CNodeData* building = root.Child(0);
    m_window->AddElementUnderNode(building->TreeItem(), 2);
    ASSERT_EQ(building->ChildCount(), 1);
    CNodeData* storey = building->Child(0);
    m_window->AddElementUnderNode(storey->TreeItem(), 3);
    m_window->AddElementUnderNode(storey->TreeItem(), 3);
    const QStringList tree = TreeCaptions();
    ASSERT_GE(tree.size(), 5);
    const int storeyId = storey->GetElementId();
    auto* cadStorey = new CADStoreyInfo;
    cadStorey->storeyId = storeyId;
    CCADInfo::Global().Add(cadStorey);

    // Typed without extension, into another folder.
    QDir(m_temp.path()).mkpath(QStringLiteral("副本"));
    const QString copy = m_temp.filePath(QStringLiteral("副本/副本.VLZ"));
    m_dialogs->FileAnswers << m_temp.filePath(QStringLiteral("副本/副本"));
    Trigger("Action_SaveAs");
    EXPECT_EQ(Global().ProjectFilePath(), copy);
    EXPECT_EQ(Read(CSystemGlobalData::CadFileName(copy)), Read(CSystemGlobalData::CadFileName(original)));
    EXPECT_EQ(Read(CProjectData::RunFileName(copy)), "运行方案1\n1 2 3\n");
    EXPECT_EQ(Read(m_temp.filePath(QStringLiteral("副本/OutPutConfig.data"))), "插件A\n");

    Trigger("Action_CloseProject");
    EXPECT_FALSE(Global().IsProjectOpen());
    EXPECT_EQ(CCADInfo::Global().Count(), 0);
    EXPECT_TRUE(TreeCaptions().isEmpty());
    EXPECT_FALSE(m_window->Action(QStringLiteral("N31"))->isEnabled());

    // Reopened through the open dialog's browse button.
    m_dialogs->FileAnswers << copy;
    TriggerWithDialog<TOpenProject>("Action_OpenProject", [](TOpenProject& dialog) {
        dialog.FlatButton1->click();
        dialog.FlatButton2->click();
    });
    ASSERT_EQ(Global().ProjectFilePath(), copy);
    EXPECT_EQ(TreeCaptions(), tree);
    ASSERT_EQ(CCADInfo::Global().Count(), 1);
    EXPECT_NE(CCADInfo::Global().FindStorey(storeyId), nullptr);
    EXPECT_TRUE(m_window->Action(QStringLiteral("N31"))->isEnabled());

    // Saving the copy keeps its operating schemes although nothing here edits them.
    Trigger("Action_Save");
    EXPECT_EQ(Read(CProjectData::RunFileName(copy)), "运行方案1\n1 2 3\n");
    // The recent list now offers the copy.
    QStringList recent;
    CSysRegistry().ReadValues(QStringLiteral("ProjectFileName"), recent);
    EXPECT_EQ(recent, QStringList{copy});
}

TEST_F(ProjectCommandsTest, SaveAsThatStopsLeavesFilesAndTheOpenProjectAlone)
{
    const QString original = BlankProject(QStringLiteral("甲"));
    const QString other = BlankProject(QStringLiteral("乙"));
    Write(other, "乙的数据");
    Global().OpenProject(original);
    const struct
    {
        QString answer;
        int overwrite; // answer to "是否覆盖?"; 0 when it must not be asked
    } cases[] = {
        {original, 0},                                     // the open project's own name
        {QFileInfo(original).absolutePath() + "/./甲", 0}, // the same file, spelt otherwise
        {other, 2},                                        // an existing file, not replaced
        {QString(), 0},                                    // cancelled
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        m_dialogs->MessageBoxes.clear();
        m_dialogs->FileAnswers << c.answer;
        if (c.overwrite)
            m_dialogs->MessageBoxAnswers << c.overwrite;
        Trigger("Action_SaveAs");
        EXPECT_EQ(Global().ProjectFilePath(), original);
        EXPECT_TRUE(QFileInfo(original).size() > 0);
        EXPECT_EQ(Read(other), "乙的数据");
        EXPECT_EQ(m_dialogs->MessageBoxes.size(), c.overwrite ? 1 : 0);
        if (c.overwrite) {
            EXPECT_EQ(m_dialogs->MessageBoxes[0].message, QStringLiteral("是否覆盖?"));
        }
    }
}

TEST_F(ProjectCommandsTest, OpenDialogPreviewLeavesTheOpenProjectAlone)
{
    const QString openPath = BlankProject(QStringLiteral("打开的"));
    const QString otherPath = BlankProject(QStringLiteral("别的"));
    {
        CDbConnection connection(QStringLiteral("prepare"));
        connection.Open(otherPath);
        CDbQuery query(connection);
        for (const char* sql :
             {"update ProjectParameter set ProjectName = '别的工程', Unit = 1, Coordinate = 1",
              "insert into tbl_registry (f_key, f_value) values ('maxtime', '8')"}) {
            query.SetSQL(CSQLStatement(sql));
            query.ExecSQL();
        }
    }
    Global().OpenProject(openPath);
    CProjectData& data = Global().ProjectData();
    data.ProjectName = QStringLiteral("尚未保存的名称");
    const int maxTime = CProjectData::MaxTime();
    CSysRegistry().WriteValues(QStringLiteral("ProjectFileName"),
                               {otherPath, m_temp.filePath("已删除.VLZ"), openPath});
    CSysRegistry().WriteValue(QStringLiteral("ActiveProjectName"), otherPath);

    CProjectDataHost* programHost = CProjectData::Host();
    RecordingDataHost recorder;
    recorder.m_path = openPath;
    CProjectData::SetHost(&recorder);
    {
        TOpenProject dialog(m_window.get());
        dialog.show();
        EXPECT_EQ(dialog.ComboBox1->count(), 2); // the deleted file is dropped
        EXPECT_EQ(dialog.ComboBox1->currentText(), otherPath);
        EXPECT_EQ(dialog.Fields->Edits[0]->text(), QStringLiteral("别的工程"));
        EXPECT_EQ(dialog.Fields->UnitIndex(), 1);
        dialog.ComboBox1->setCurrentIndex(dialog.ComboBox1->findText(openPath));
        EXPECT_NE(dialog.Fields->Edits[0]->text(), QStringLiteral("别的工程"));
        dialog.done(mrCancel);
    }
    CProjectData::SetHost(programHost);
    EXPECT_TRUE(recorder.Calls.isEmpty()) << recorder.Calls.join(", ").toStdString();
    EXPECT_EQ(CProjectData::MaxTime(), maxTime);
    EXPECT_EQ(data.ProjectName, QStringLiteral("尚未保存的名称"));
    EXPECT_EQ(Global().ProjectFilePath(), openPath);
    QStringList recent;
    CSysRegistry().ReadValues(QStringLiteral("ProjectFileName"), recent);
    EXPECT_EQ(recent.size(), 2);
    EXPECT_FALSE(recent.contains(m_temp.filePath("已删除.VLZ")));
}

TEST_F(ProjectCommandsTest, OpenDialogTellsThatOldFormatsCannotBeConverted)
{
    m_dialogs->FileAnswers << m_temp.filePath(QStringLiteral("旧工程.QOR"));
    int entries = -1;
    TriggerWithDialog<TOpenProject>("Action_OpenProject", [&](TOpenProject& dialog) {
        dialog.FlatButton1->click();
        entries = dialog.ComboBox1->count();
    });
    EXPECT_EQ(entries, 0);
    ASSERT_EQ(m_dialogs->MessageBoxes.size(), 1);
    EXPECT_TRUE(m_dialogs->MessageBoxes[0].message.contains(QStringLiteral("VoroConvert.exe")));
    EXPECT_FALSE(Global().IsProjectOpen());
}

// The stored no-date day shows as an empty date, and a date left empty is stored as that day.
TEST_F(ProjectCommandsTest, ADateNeverSetShowsEmptyAndStaysUnset)
{
    TProjectInfoFields fields;
    const struct
    {
        QDate stored;
        const char* shown;
        QDate saved;
    } cases[] = {
        {CProjectData::NoDate(), "", CProjectData::NoDate()},
        {QDate(2024, 5, 6), "2024年5月6日", QDate(2024, 5, 6)},
        {QDate(), "", CProjectData::NoDate()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        CProjectData data;
        data.DesignDate = c.stored;
        fields.LoadFromData(data);
        EXPECT_EQ(fields.DateTimePicker1->text().trimmed(), QString::fromUtf8(c.shown));
        data.DesignDate = QDate(2000, 1, 1);
        fields.SaveToData(data);
        EXPECT_EQ(data.DesignDate, c.saved);
    }
}

TEST_F(ProjectCommandsTest, ProjectSummaryWritesTheRowOnOkOnly)
{
    const QString path = BlankProject(QStringLiteral("概况"));
    {
        CDbConnection connection(QStringLiteral("prepare"));
        connection.Open(path);
        CDbQuery query(connection);
        query.SetSQL(CSQLStatement("update ProjectParameter set Unit = 5, ProjectName = '旧名称'"));
        query.ExecSQL();
    }
    Global().OpenProject(path);
    const struct
    {
        int result;
        const char* name;
        int unit;
    } cases[] = {{mrCancel, "旧名称", 5}, {mrOk, "Bob's 工程", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TriggerWithDialog<TProjectSurveyForm>("Action_ProjectSummary", [&](TProjectSurveyForm& form) {
            // A stored unit other than 0 and 1 shows as the last item.
            EXPECT_TRUE(form.Fields->Units[1]->isChecked());
            form.Fields->Edits[0]->setText(QStringLiteral("Bob's 工程"));
            form.done(c.result);
        });
        Global().OpenProject(QString());
        Global().OpenProject(path);
        EXPECT_EQ(Global().ProjectData().ProjectName, QString::fromUtf8(c.name));
        EXPECT_EQ(Global().ProjectData().Unit, c.unit);
    }
}

// The exchange file is written beside the open project, and the user is told where to find it.
TEST_F(ProjectCommandsTest, ExchangeFileIsWrittenIntoTheProjectFolder)
{
    const QString path = BlankProject(QStringLiteral("交换"));
    Global().OpenProject(path);
    CNodeData& root = CTreeView2DB::Current().Root();
    m_window->AddElementUnderNode(root.TreeItem(), 1);
    ASSERT_EQ(root.ChildCount(), 1);
    Trigger("Action_XML");
    EXPECT_EQ(m_dialogs->Messages, QStringList{QStringLiteral("成功导出vlzx文件，可到工程目录查看。")});
    const QByteArray file = Read(m_temp.filePath(QStringLiteral("交换/交换.vlzx")));
    EXPECT_TRUE(file.startsWith("<?xml version=\"1.0\"?>\n<VLZXML>")) << file.left(100).toStdString();
    EXPECT_TRUE(file.contains(QStringLiteral("<Building key=\"Building%1\" Name=\"%2\"")
                                  .arg(root.Child(0)->GetElementId())
                                  .arg(root.Child(0)->Caption())
                                  .toUtf8()));
}

} // namespace
