// "运行方案" in the main window and the operating schemes saved with the project.
#include "tests/app/MainWindowFixture.h"

#include "calc/CRunTimeMgr.h"
#include "calc/forms/TLoadCalculationForm.h"
#include "model/CNodeData.h"
#include "model/CProjectData.h"
#include "project/CSystemGlobalData.h"
#include "tests/climate/forms/CModalSteps.h"

#include <QComboBox>
#include <QFile>

namespace {
QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class RunSchemeCommandTest : public MainWindowFixture
{
protected:
    CRunTimeMgr& Schemes() { return CRunTimeMgr::Current(); }
    CSystemGlobalData& Global() { return CSystemGlobalData::Current(); }
};

TEST_F(RunSchemeCommandTest, TheDialogRunsInSchemeModeUnderTheDailyType)
{
    OpenSmallProject();
    Trigger("Action_ACLoadDailyCalculation");
    auto scheme = std::make_unique<RunTimeSys>();
    scheme->Name = QStringLiteral("白天");
    ASSERT_TRUE(Schemes().AddScheme(scheme->Name, scheme));

    int seen = 0;
    {
        CModalSteps steps;
        steps.On<TLoadCalculationForm>([&](TLoadCalculationForm& form) {
            ++seen;
            EXPECT_EQ(Global().CurRunSolInfo.Mode, 1);
            EXPECT_EQ(form.windowTitle(), QStringLiteral("运行方案管理"));
            EXPECT_EQ(form.cbbModelName->currentText(), QStringLiteral("白天"));
            form.reject();
        });
        Trigger("act_LoadCalculation");
    }
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(Global().CurRunSolInfo.Mode, 0);
}

TEST_F(RunSchemeCommandTest, SchemesTravelWithTheProjectAndADamagedFileIsKept)
{
    OpenSmallProject();
    const int room = Node(3, QStringLiteral("房间2"))->NodeId();
    auto scheme = std::make_unique<RunTimeSys>();
    scheme->Name = QStringLiteral("夜间");
    scheme->RoomIds = {room};
    ASSERT_TRUE(Schemes().AddScheme(scheme->Name, scheme));
    Trigger("Action_Save");
    const QString runFile = CProjectData::RunFileName(m_projectPath);

    Global().OpenProject(m_projectPath);
    ASSERT_EQ(Schemes().Count(), 1);
    EXPECT_EQ(Schemes().SchemeAt(0)->RoomIds, QList<int>{room});
    EXPECT_TRUE(Global().CurRunSolInfo.ContainsId(room) == false) << "no scheme is current";
    Global().CurRunSolInfo.SchemeName = QStringLiteral("夜间");
    EXPECT_TRUE(Global().CurRunSolInfo.ContainsId(room));

    // Cut short: refused with the reader's message, no scheme, and saving leaves the file alone.
    const QByteArray damaged = Read(runFile).left(5000);
    Global().OpenProject(QString());
    {
        QFile file(runFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged);
    }
    const int boxes = m_dialogs->MessageBoxes.size();
    Global().OpenProject(m_projectPath);
    ASSERT_TRUE(Global().IsProjectOpen());
    ASSERT_EQ(m_dialogs->MessageBoxes.size(), boxes + 1);
    EXPECT_EQ(m_dialogs->MessageBoxes.last().message, QStringLiteral("运行模式读取错误"));
    EXPECT_EQ(Schemes().Count(), 0);
    Trigger("Action_Save");
    EXPECT_EQ(Read(runFile), damaged);
}
