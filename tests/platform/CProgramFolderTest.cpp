#include "platform/core/CProgramFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
class CProgramFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir(m_dir.path()).mkpath("lib/Report"));
        Touch("lib/reportA.fr3");
        Touch("lib/Report/main.grf");
    }
    void TearDown() override { CProgramFolder::SetPath(QString()); }

    void Touch(const QString& relative)
    {
        QFile file(Root() + relative);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString Root() const { return m_dir.path() + '/'; }

    QTemporaryDir m_dir;
};
} // namespace

TEST_F(CProgramFolderTest, MatchesExistingComponentsWhateverTheirCase)
{
    struct Case
    {
        const char* path;
        const char* expected;
    };
    const Case cases[] = {
        {"Lib\\reportA.fr3", "lib/reportA.fr3"},
        {"lib\\Report\\main.grf", "lib/Report/main.grf"},
        {"LIB\\report\\MAIN.GRF", "lib/Report/main.grf"},
        {"lib/REPORT/", "lib/Report"},
        {"\\lib\\\\report\\main.grf", "lib/Report/main.grf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const QString resolved = CProgramFolder::ResolveIn(m_dir.path(), c.path);
        EXPECT_EQ(resolved, Root() + c.expected);
        EXPECT_TRUE(QFile::exists(resolved));
    }
}

TEST_F(CProgramFolderTest, KeepsComponentsAfterAMissingOneAsWritten)
{
    EXPECT_EQ(CProgramFolder::ResolveIn(m_dir.path(), "LIB\\Img\\Report\\MAIN.grf"),
              Root() + "lib/Img/Report/MAIN.grf");
    EXPECT_EQ(CProgramFolder::ResolveIn(m_dir.path(), "Lib\\Report\\New.grf"), Root() + "lib/Report/New.grf");
    EXPECT_EQ(CProgramFolder::ResolveIn(Root() + "absent", "Lib\\Report"), Root() + "absent/Lib/Report");
}

TEST_F(CProgramFolderTest, ResolveWorksBelowTheInstalledProgramFolder)
{
    CProgramFolder::SetPath(m_dir.path());
    EXPECT_EQ(CProgramFolder::Path(), Root());
    EXPECT_EQ(CProgramFolder::Resolve("LIB\\Report\\Main.grf"), Root() + "lib/Report/main.grf");
}
