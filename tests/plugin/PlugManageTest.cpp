// Plug-ins found, flagged and run: test plug-ins copied into a plug-in folder under the names the
// scan rules are about.
#include "platform/core/CGbkCodec.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CTool.h"
#include "plugin/CPlug.h"
#include "plugin/CPlugHostFunctions.h"
#include "plugin/CPlugManage.h"
#include "plugin/CPlugRunner.h"
#include "tests/support/CFakeToolDialogs.h"

#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
class PlugManageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        CProgramFolder::SetPath(m_dir.path());
        auto dialogs = std::make_unique<CFakeToolDialogs>();
        m_dialogs = dialogs.get();
        m_tool = std::make_unique<CTool>(std::move(dialogs));
    }
    void TearDown() override { CProgramFolder::SetPath(QString()); }

    QString Folder() const { return m_dir.path() + QStringLiteral("/PlugIn/"); }
    void Place(const char* plugIn, const QString& relative)
    {
        const QString target = Folder() + relative;
        ASSERT_TRUE(QDir().mkpath(QFileInfo(target).path()));
        ASSERT_TRUE(QFile::copy(QString::fromUtf8(plugIn), target)) << target.toStdString();
    }
    void WriteFile(const QString& path, const QStringList& lines) { CGbkCodec::WriteLines(path, lines); }
    static QString Log(const CPlug& plug)
    {
        QLibrary library(plug.Path());
        auto log = reinterpret_cast<const char* (*)()>(library.resolve("TestCallLog"));
        return log ? QString::fromUtf8(log()) : QStringLiteral("<no log>");
    }
    static void SetConfigResult(const CPlug& plug, bool result)
    {
        QLibrary library(plug.Path());
        auto set = reinterpret_cast<void (*)(bool)>(library.resolve("TestSetConfigResult"));
        ASSERT_NE(set, nullptr);
        set(result);
    }

    QTemporaryDir m_dir;
    CFakeToolDialogs* m_dialogs = nullptr;
    std::unique_ptr<CTool> m_tool;
};
} // namespace

TEST_F(PlugManageTest, ScanTakesNamesHoldingPlgOrSoInSubFoldersAndRefusesPlugInsWithoutAVersion)
{
    Place(TEST_PLUG_FULL, QStringLiteral("a/tool.so.old"));   // the substring rule, in a sub-folder
    Place(TEST_PLUG_BARE, QStringLiteral("tool.SO"));         // letter case counts: not a plug-in
    Place(TEST_PLUG_BARE, QStringLiteral("z.plg"));
    Place(TEST_PLUG_BARE, QStringLiteral("readme.txt"));
    Place(TEST_PLUG_BARE, QStringLiteral(".hidden/x.so"));    // hidden folders are not entered
    Place(TEST_PLUG_NOVERSION, QStringLiteral("bad.so"));

    CPlugManage plugs(Folder());
    ASSERT_EQ(plugs.Count(), 2);
    EXPECT_TRUE(plugs.Get(0)->Path().endsWith(QStringLiteral("a/tool.so.old")));
    EXPECT_EQ(plugs.Get(0)->Name(), QStringLiteral("FullPlug"));
    EXPECT_EQ(plugs.Get(0)->Version(), 7);
    EXPECT_EQ(plugs.Get(0)->CalculateType(), 3);
    EXPECT_TRUE(plugs.Get(1)->Path().endsWith(QStringLiteral("z.plg")));
    EXPECT_EQ(plugs.Get(1)->Name(), QStringLiteral("BarePlug"));
    EXPECT_EQ(plugs.Get(2), nullptr);
    EXPECT_EQ(plugs.Get(-1), nullptr);
    // The full plug-in learnt its ID; the one without a version was named once.
    EXPECT_TRUE(Log(*plugs.Get(0)).contains(QStringLiteral("SetPlugID(0)")));
    ASSERT_EQ(m_dialogs->MessageBoxes.size(), 1);
    EXPECT_EQ(m_dialogs->MessageBoxes[0].caption, QStringLiteral("异常"));
    EXPECT_EQ(m_dialogs->MessageBoxes[0].message, QStringLiteral("错误，该插件接口不符合要求"));
    // Without PlugConfig.data every plug-in stays off.
    EXPECT_FALSE(plugs.Get(0)->Enabled);
    EXPECT_FALSE(plugs.Get(1)->Enabled);
}

TEST_F(PlugManageTest, EnabledAndOutputFlagsComeFromTheNameFilesIgnoringLetterCase)
{
    Place(TEST_PLUG_FULL, QStringLiteral("full.so"));
    Place(TEST_PLUG_BARE, QStringLiteral("bare.so"));
    WriteFile(CPlugManage::PlugConfigFile(), {QStringLiteral("fullplug"), QStringLiteral("Other")});
    CPlugManage plugs(Folder());
    ASSERT_EQ(plugs.Count(), 2);
    EXPECT_FALSE(plugs.Get(0)->Enabled); // bare.so comes first
    EXPECT_TRUE(plugs.Get(1)->Enabled);

    const QString project = m_dir.path() + QStringLiteral("/project/");
    QDir().mkpath(project);
    plugs.Get(0)->Output = true;
    plugs.LoadOutputConfig(project); // no file: flags stay
    EXPECT_TRUE(plugs.Get(0)->Output);
    plugs.SaveOutputConfig(project);
    QString text;
    ASSERT_TRUE(CGbkCodec::ReadTextFile(project + QStringLiteral("OutPutConfig.data"), text));
    EXPECT_EQ(text, QStringLiteral("BarePlug\r\n"));

    WriteFile(project + QStringLiteral("OutPutConfig.data"), {QStringLiteral("FULLPLUG")});
    plugs.LoadOutputConfig(project);
    EXPECT_FALSE(plugs.Get(0)->Output);
    EXPECT_TRUE(plugs.Get(1)->Output);
}

TEST_F(PlugManageTest, ARunCallsTheExportsInOrderAndConfigFalseCancelsIt)
{
    Place(TEST_PLUG_FULL, QStringLiteral("full.so"));
    CPlugManage plugs(Folder());
    ASSERT_EQ(plugs.Count(), 1);
    CPlug& plug = *plugs.Get(0);
    int previews = 0;
    const auto preview = [&previews](CQORReport&) { ++previews; };
    // Without a project the settings file has no folder.
    const QString paths = QStringLiteral("SetWorkPath(%1,FullPlug.config);").arg(CPlug::MiddleDllPath());
    const QString before = Log(plug);

    SetConfigResult(plug, false);
    EXPECT_FALSE(CPlugRunner::Run(plug, nullptr, preview));
    EXPECT_EQ(Log(plug).mid(before.size()), QStringLiteral("OutPutOrMainForm(1);") + paths + QStringLiteral("Config;"));

    const QString second = Log(plug);
    SetConfigResult(plug, true);
    EXPECT_TRUE(CPlugRunner::Run(plug, nullptr, preview));
    EXPECT_EQ(Log(plug).mid(second.size()), QStringLiteral("OutPutOrMainForm(1);") + paths + QStringLiteral("Config;") +
                                                paths + QStringLiteral("GetReport(%1);").arg(plug.PlugFolder()));
    // A null report is not previewed; Exe is for plug-ins without a report.
    EXPECT_EQ(previews, 0);
}

TEST_F(PlugManageTest, APlugInWithoutOptionalExportsStillRuns)
{
    Place(TEST_PLUG_BARE, QStringLiteral("bare.so"));
    CPlugManage plugs(Folder());
    ASSERT_EQ(plugs.Count(), 1);
    EXPECT_FALSE(plugs.Get(0)->PlugHasConfig());
    EXPECT_FALSE(plugs.Get(0)->PlugHasReport());
    EXPECT_TRUE(CPlugRunner::Run(*plugs.Get(0), nullptr, [](CQORReport&) { FAIL(); }));
}

TEST_F(PlugManageTest, AHostFunctionThatFailsReturnsNothingAndSaysWhy)
{
    // No project data module: the query raises inside, and the plug-in gets false.
    char names[DIDIVOV_SLOT_BYTES * 4] = {};
    char values[DIDIVOV_SLOT_BYTES * 4] = {};
    EXPECT_FALSE(CPlugHostFunctions::GetProjectParameters(names, values));
    ASSERT_FALSE(m_dialogs->Messages.isEmpty());
    EXPECT_TRUE(m_dialogs->Messages.last().startsWith(QStringLiteral("插件数据接口GetProjectParameters失败")));
    // Functions without a tree or selection answer their "nothing" values.
    EXPECT_EQ(CPlugHostFunctions::GetCurrentNodeId(), -1);
    EXPECT_STREQ(CPlugHostFunctions::GetNodeCaption(5), "");
    EXPECT_STREQ(CPlugHostFunctions::GetPlugPath(0, 0), "");
    EXPECT_TRUE(CPlugHostFunctions::GetRunTimeFlag(0, 0)); // no scheme selection: every hour runs
}

TEST(PlugHostTextTest, TextsAreCutBeforeTheSlotEndAtACharacterBoundary)
{
    const struct
    {
        QString text;
        int capacity;
        int bytes;
    } cases[] = {
        {QStringLiteral("ab"), 255, 2},
        {QString(200, QChar(0x623F)), 255, 254}, // 房 × 200: 127 whole characters
        {QStringLiteral("a房"), 3, 1},           // the character would end past the terminator's place
        {QStringLiteral("a房"), 4, 3},
        {QStringLiteral("abc"), 1, 0},
    };
    for (const auto& c : cases) {
        char buffer[300];
        std::memset(buffer, 'x', sizeof buffer);
        CPlugHostFunctions::CopyText(c.text, buffer, c.capacity);
        EXPECT_EQ(static_cast<int>(std::strlen(buffer)), c.bytes) << c.text.toStdString();
        EXPECT_EQ(buffer[c.capacity], 'x') << "nothing written past the slot";
        EXPECT_EQ(CGbkCodec::FromGbk(QByteArray(buffer)), c.text.left(CGbkCodec::FromGbk(QByteArray(buffer)).size()));
    }
}
