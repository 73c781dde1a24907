#include "app/CProgramStart.h"
#include "app/TVoro_Main.h"
#include "tests/support/CFakeToolDialogs.h"
#include "tests/support/CTestProgramFolder.h"

#include "tests/app/TestApplication.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(Startup, StartsWithTheGeneratedProgramFolderAndShowsTheMainWindow)
{
    EnsureTestApplication();
    CTestProgramFolder folder;
    auto dialogs = std::make_unique<CFakeToolDialogs>();
    CFakeToolDialogs& fake = *dialogs;
    CProgramStart start(std::move(dialogs));
    TVoro_Main window;
    ASSERT_TRUE(start.Start());
    window.show();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("DID-IVOV V4.0"));
    EXPECT_TRUE(fake.MessageBoxes.isEmpty());
    window.close();
}

TEST(Startup, MissingSystemDataEndsStartUpWithTheFatalMessage)
{
    EnsureTestApplication();
    CTestProgramFolder folder;
    ASSERT_TRUE(QFile::remove(folder.File("System/SysData.dat")));
    auto dialogs = std::make_unique<CFakeToolDialogs>();
    CFakeToolDialogs& fake = *dialogs;
    CProgramStart start(std::move(dialogs));
    EXPECT_FALSE(start.Start());
    ASSERT_EQ(fake.MessageBoxes.size(), 1);
    EXPECT_EQ(fake.MessageBoxes.first().caption, QStringLiteral("严重错误"));
    EXPECT_TRUE(fake.MessageBoxes.first().message.startsWith(QStringLiteral("系统找不到配置文件\n")));
}
