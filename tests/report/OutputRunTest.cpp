// The calculate-and-output run: the output file and its questions, the Word document, a stop, the
// warning box and the output plug-ins.
#include "calc/CCalMsgOutput.h"
#include "model/CStorey.h"
#include "report/CCalculateAndOutput.h"
#include "report/COutputPlugInBase.h"
#include "report/COutputRunHostBase.h"
#include "report/engine/CQORReport.h"
#include "report/engine/CReportPreviewBase.h"
#include "tests/report/BookFixture.h"
#include "tests/report/ReportTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
class FakeRunHost : public COutputRunHostBase
{
public:
    void ClearOutput() override { ++Clears; }
    int WarningCount() const override { return Warnings; }
    void OpenWithShell(const QString& path) override { Opened << path; }
    std::vector<COutputPlugInBase*> PlugIns() override { return Plugs; }
    void SaveOutputConfig() override { ++ConfigSaves; }

    int Clears = 0;
    int Warnings = 0;
    int ConfigSaves = 0;
    QStringList Opened;
    std::vector<COutputPlugInBase*> Plugs;
};

class FakePlugIn : public COutputPlugInBase
{
public:
    FakePlugIn(bool ticked, CQORReport* report) : Ticked(ticked), Report(report) {}
    QString ItemName() const override { return QStringLiteral("插件"); }
    bool IsTicked() const override { return Ticked; }
    void SetOutputFlag(bool flag) override { Flag = flag; }
    void OutPutOrMainForm(int mode) override { Modes << mode; }
    CQORReport* GetReport() override { return Report; }

    bool Ticked;
    CQORReport* Report;
    int Flag = -1;
    QList<int> Modes;
};

class FakePreview : public CReportPreviewBase
{
public:
    void ShowPreview(CQORReport& report) override { Sections << report.SubReportCount(); }
    QList<int> Sections;
};

class OutputRunTest : public BookFixture
{
protected:
    void SetUp() override
    {
        EnsureGuiApplication();
        BookFixture::SetUp();
        Make(Make(&Root(), 1), 2);
        OnlySections({10, 19});
        Show();
    }
    CCalculateAndOutput::Outcome Run(int mode)
    {
        CCalculateAndOutput run(m_runHost, nullptr);
        run.Run(mode);
        m_target = run.TargetPath();
        return run.LastOutcome();
    }
    QString ProjectFolder() const { return QFileInfo(m_project.ProjectCon.FileName()).absolutePath() + '/'; }
    static QByteArray Head(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.read(5) : QByteArray();
    }

    FakeRunHost m_runHost;
    FakePreview m_preview;
    QString m_target;
};
} // namespace

TEST(OutputRunFiles, TheChosenFormatGivesTheExtensionAndTheExport)
{
    struct SCase
    {
        const char* name;
        int filter;
        const char* target;
        int exportType;
    };
    const SCase cases[] = {{"/p/示例工程.VLZ", 1, "/p/示例工程.VLZ.pdf", 5}, {"/p/book.pdf", 1, "/p/book.pdf", 5},
                           {"/p/book.PDF", 1, "/p/book.PDF", 5},         {"/p/book", 2, "/p/book.xlsx", 1},
                           {"/p/book", 3, "/p/book.txt", 2},             {"/p/book", 4, "/p/book.csv", 6},
                           {"/p/book", 5, "/p/book.rtf", 4},             {"/p/book", 0, "/p/book", 0}};
    for (const SCase& c : cases) {
        EXPECT_EQ(CCalculateAndOutput::DataFilePath(QString::fromUtf8(c.name), c.filter), QString::fromUtf8(c.target));
        EXPECT_EQ(CCalculateAndOutput::DataFileExportType(c.filter), c.exportType) << c.filter;
    }
}

TEST_F(OutputRunTest, ADataFileIsWrittenUnderTheProjectFileNameWithTheFormatsExtension)
{
    Dialogs().FileAnswers << m_project.ProjectCon.FileName();
    Dialogs().FilterAnswers << 1;
    EXPECT_EQ(Run(CCalculateAndOutput::DataFile), CCalculateAndOutput::Outcome::Written);
    ASSERT_EQ(Dialogs().FileDialogs.size(), 1);
    EXPECT_EQ(Dialogs().FileDialogs[0].proposed, m_project.ProjectCon.FileName());
    EXPECT_EQ(m_target, m_project.ProjectCon.FileName() + QStringLiteral(".pdf"));
    EXPECT_EQ(Head(m_target), QByteArray("%PDF-"));
    EXPECT_EQ(m_runHost.Clears, 1);
    EXPECT_EQ(m_runHost.ConfigSaves, 1);
    EXPECT_TRUE(m_form.Closed);
    EXPECT_FALSE(m_form.CancelEnabled);
}

TEST_F(OutputRunTest, AnExistingFileIsReplacedOnlyAfterAYes)
{
    const QString target = ProjectFolder() + QStringLiteral("book.txt");
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old");
    file.close();
    Dialogs().FileAnswers << target;
    Dialogs().FilterAnswers << 3;
    Dialogs().MessageBoxAnswers << 7;
    EXPECT_EQ(Run(CCalculateAndOutput::DataFile), CCalculateAndOutput::Outcome::Cancelled);
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
    EXPECT_EQ(Dialogs().MessageBoxes[0].caption, QStringLiteral("文件已存在"));
    EXPECT_EQ(Dialogs().MessageBoxes[0].message, QStringLiteral("文件已经存在，是否覆盖?"));
    EXPECT_EQ(Dialogs().MessageBoxes[0].defaultButton, 2);
    EXPECT_EQ(Head(target), QByteArray("old"));
    // The message panel was emptied all the same; nothing was laid out.
    EXPECT_EQ(m_runHost.Clears, 1);
    EXPECT_TRUE(m_form.MainLine.isEmpty());

    Dialogs().FileAnswers << target;
    Dialogs().FilterAnswers << 3;
    EXPECT_EQ(Run(CCalculateAndOutput::DataFile), CCalculateAndOutput::Outcome::Written);
    EXPECT_NE(Head(target), QByteArray("old"));
}

TEST_F(OutputRunTest, TheWordDocumentGoesIntoTheProjectFolderAndIsOpened)
{
    EXPECT_EQ(Run(CCalculateAndOutput::WordDocument), CCalculateAndOutput::Outcome::Written);
    EXPECT_EQ(m_target, ProjectFolder() + QStringLiteral("UnName.doc"));
    EXPECT_EQ(m_runHost.Opened, QStringList{m_target});
    EXPECT_EQ(Head(m_target), QByteArray("<html"));

    // A document that cannot be deleted (here a folder of that name) gives way to a numbered one,
    // in the project folder too.
    ASSERT_TRUE(QFile::remove(m_target));
    ASSERT_TRUE(QDir().mkpath(m_target + QStringLiteral("/held")));
    EXPECT_EQ(Run(CCalculateAndOutput::WordDocument), CCalculateAndOutput::Outcome::Written);
    EXPECT_EQ(m_target, ProjectFolder() + QStringLiteral("UnName-1.doc"));
    EXPECT_EQ(Dialogs().MessageBoxes.size(), 1);
}

TEST_F(OutputRunTest, AWordDocumentThatCannotBeWrittenIsReportedAndNotOpened)
{
    // The name leads into a folder that does not exist.
    ASSERT_TRUE(QFile::link(QStringLiteral("/nonexistent-folder/UnName.doc"), ProjectFolder() + QStringLiteral("UnName.doc")));
    EXPECT_EQ(Run(CCalculateAndOutput::WordDocument), CCalculateAndOutput::Outcome::Failed);
    EXPECT_TRUE(m_runHost.Opened.isEmpty());
    ASSERT_FALSE(Dialogs().MessageBoxes.isEmpty());
    EXPECT_TRUE(Dialogs().MessageBoxes.last().message.startsWith(QStringLiteral("无法写入文件")));
}

TEST_F(OutputRunTest, AStopDuringTheLayoutGivesNoOutput)
{
    CCalMsgOutput::SetFormFactory([this](QObject*) -> std::unique_ptr<CMsgOutputFormBase> {
        return std::make_unique<StopAtLine>(m_form, QStringLiteral("正在处理气象信息"));
    });
    m_runHost.Warnings = 1;
    EXPECT_EQ(Run(CCalculateAndOutput::Preview), CCalculateAndOutput::Outcome::Stopped);
    EXPECT_TRUE(m_preview.Sections.isEmpty());
    EXPECT_EQ(m_runHost.ConfigSaves, 0);
    EXPECT_TRUE(Dialogs().Messages.isEmpty());
}

TEST_F(OutputRunTest, WarningsAreToldOnceBeforeThePreview)
{
    m_runHost.Warnings = 2;
    EXPECT_EQ(Run(CCalculateAndOutput::Preview), CCalculateAndOutput::Outcome::Previewed);
    EXPECT_EQ(Dialogs().Messages,
              QStringList{QStringLiteral("负荷计算过程中有警告信息，\n请查看软件下方给出的具体信息，确保负荷准确性。")});
    EXPECT_EQ(m_preview.Sections, QList<int>{3});
}

TEST_F(OutputRunTest, TickedPlugInsAddTheirReportsAndEveryPlugInsChoiceIsKept)
{
    CQORReport plugInReport;
    FakePlugIn withReport(true, &plugInReport);
    FakePlugIn withoutReport(true, nullptr);
    FakePlugIn unticked(false, &plugInReport);
    m_runHost.Plugs = {&withReport, &withoutReport, &unticked};
    EXPECT_EQ(Run(CCalculateAndOutput::Preview), CCalculateAndOutput::Outcome::Previewed);
    EXPECT_EQ(m_preview.Sections, QList<int>{4});
    EXPECT_EQ(withReport.Flag, 1);
    EXPECT_EQ(withoutReport.Flag, 1);
    EXPECT_EQ(withoutReport.Modes, QList<int>{0});
    EXPECT_EQ(unticked.Flag, 0);
    EXPECT_TRUE(unticked.Modes.isEmpty());
    EXPECT_EQ(m_runHost.ConfigSaves, 1);
}
