#include "tests/model/ModelFixture.h"

#include "platform/core/Exception.h"

#include <QDir>
#include <QFile>

namespace {
// The system data module on a private program folder, without opening it in SetUp.
class SysParamStart : public ::testing::Test
{
protected:
    SysParamStart() : m_tool(std::make_unique<CFakeToolDialogs>()) {}
    CFakeToolDialogs& Dialogs() { return static_cast<CFakeToolDialogs&>(m_tool.Dialogs()); }

    CTestProgramFolder m_folder;
    CTool m_tool;
    TDM_SysParam m_sysParam;
};

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}
} // namespace

TEST_F(SysParamStart, OpensBothSystemDatabases)
{
    ASSERT_TRUE(m_sysParam.DataModuleCreate());
    EXPECT_TRUE(m_sysParam.ADOConnection1.IsOpen());
    EXPECT_TRUE(m_sysParam.ADOConnection2.IsOpen());
    EXPECT_TRUE(Dialogs().MessageBoxes.isEmpty());
}

TEST_F(SysParamStart, MissingSysDataStopsWithItsPathBeforeLookingAtSysParam)
{
    ASSERT_TRUE(QFile::remove(m_folder.File("System/SysData.dat")));
    ASSERT_TRUE(QFile::remove(m_folder.File("System/SysParam.dat")));
    EXPECT_FALSE(m_sysParam.DataModuleCreate());
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
    const auto& box = Dialogs().MessageBoxes.first();
    EXPECT_EQ(box.caption, QStringLiteral("严重错误"));
    EXPECT_EQ(box.message, QStringLiteral("系统找不到配置文件\n") +
                               QDir::toNativeSeparators(m_folder.File("System/SysData.dat")));
    EXPECT_EQ(box.style, 6);
    EXPECT_EQ(box.icon, 1);
}

TEST_F(SysParamStart, MissingSysParamStopsWithItsPath)
{
    ASSERT_TRUE(QFile::remove(m_folder.File("System/SysParam.dat")));
    EXPECT_FALSE(m_sysParam.DataModuleCreate());
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
    EXPECT_TRUE(Dialogs().MessageBoxes.first().message.endsWith(QStringLiteral("SysParam.dat")));
    EXPECT_FALSE(m_sysParam.ADOConnection2.IsOpen());
}

// A damaged system database must stop start-up rather than let the program run without its
// element types and libraries.
TEST_F(SysParamStart, DamagedSysDataStopsStartUp)
{
    WriteFile(m_folder.File("System/SysData.dat"), QByteArray(4096, 'x'));
    EXPECT_FALSE(m_sysParam.DataModuleCreate());
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
    EXPECT_EQ(Dialogs().MessageBoxes.first().caption, QStringLiteral("严重错误"));
    EXPECT_FALSE(m_sysParam.ADOConnection1.IsOpen());
    EXPECT_FALSE(m_sysParam.ADOConnection2.IsOpen());
}

using ProjectModule = ModelFixture;

TEST_F(ProjectModule, QueriesWithoutRecordsGiveZeroOrEmpty)
{
    EXPECT_EQ(m_project.QueryInt("select f_value from tbl_registry where f_key = 'none'"), 0);
    EXPECT_EQ(m_project.QueryDouble("select f_value from tbl_registry where f_key = 'none'"), 0.0);
    EXPECT_EQ(m_project.QueryString("select f_value from tbl_registry where f_key = 'none'"), QString());
    EXPECT_EQ(
        m_project.QueryInt(CSQLStatement("select f_value from tbl_registry where f_key = ?", {"prjversion"})),
        57);
}

TEST_F(ProjectModule, FailuresCarryTheStatement)
{
    try {
        m_project.ExecSQL("delete from NoSuchTable");
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("执行数据发生异常:\n")));
        EXPECT_TRUE(e.Message().endsWith(QStringLiteral("执行的语句:delete from NoSuchTable")));
    }
    try {
        m_project.QueryString("select x from NoSuchTable");
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("查询SQL发生异常:\n")));
        EXPECT_TRUE(e.Message().endsWith(QStringLiteral("执行的语句:select x from NoSuchTable")));
    }
    EXPECT_EQ(
        m_project.ExecSQL(CSQLStatement("update tbl_registry set f_value = ? where f_key = ?", {"58", "x"})),
        0);
}
