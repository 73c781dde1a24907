// The custom tools of CustomTool/Param.ini.
#include "app/CDynamicToolMenu.h"
#include "platform/core/CProgramFolder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include "tests/app/TestApplication.h"

#include <gtest/gtest.h>

namespace {
void Touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}
} // namespace

TEST(DynamicToolMenuTest, SectionsWithANameAndAnExistingProgramBecomeEntriesInOrder)
{
    EnsureTestApplication();
    QTemporaryDir dir;
    CProgramFolder::SetPath(dir.path());
    const QString tools = dir.path() + QStringLiteral("/CustomTool");
    Touch(tools + QStringLiteral("/calc/tool.sh"));
    Touch(tools + QStringLiteral("/x") + tools + QStringLiteral("/y.sh"));
    QFile ini(tools + QStringLiteral("/Param.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Tools]\nCount=5\n"
              "[1]\nName=计算\nEXEPATH=[TOOLPATH]/calc/tool.sh\n"
              "[3]\nName=Twice\nEXEPATH=[TOOLPATH]/x[TOOLPATH]/y.sh\n"
              "[4]\nName=\nEXEPATH=[TOOLPATH]/calc/tool.sh\n"
              "[5]\nName=Lower\nEXEPATH=[toolpath]/calc/tool.sh\n");
    ini.close();

    const QList<CDynamicToolMenu::STool> found = CDynamicToolMenu::ReadTools();
    // [2] is missing, [4] has no name, [5]'s placeholder is in the wrong case.
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found[0].Name, QStringLiteral("计算"));
    EXPECT_EQ(found[0].Path, tools + QStringLiteral("/calc/tool.sh"));
    EXPECT_EQ(found[1].Path, tools + QStringLiteral("/x") + tools + QStringLiteral("/y.sh"));

    QMenu menu;
    CDynamicToolMenu build(&menu);
    ASSERT_EQ(menu.actions().size(), 2);
    EXPECT_EQ(menu.actions()[0]->text(), QStringLiteral("计算"));
    EXPECT_EQ(menu.actions()[0]->statusTip(), found[0].Path);
    CProgramFolder::SetPath(QString());
}

TEST(DynamicToolMenuTest, AMissingFileAddsNothing)
{
    QTemporaryDir dir;
    CProgramFolder::SetPath(dir.path());
    EXPECT_TRUE(CDynamicToolMenu::ReadTools().isEmpty());
    CProgramFolder::SetPath(QString());
}
