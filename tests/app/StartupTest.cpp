#include "app/CProgramStart.h"
#include "app/TVoro_Main.h"
#include "tests/support/CFakeToolDialogs.h"
#include "tests/support/CTestProgramFolder.h"

#include "platform/ui/TApplication.h"
#include "tests/app/TestApplication.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
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

TEST(Startup, QtsOwnDialogsSpeakChinese)
{
    EnsureTestApplication();
    CProgramStart::PrepareApplication();
    // The buttons Qt names itself, as its file and print dialogs show them.
    QDialogButtonBox buttons(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
    EXPECT_TRUE(buttons.button(QDialogButtonBox::Open)->text().startsWith(QStringLiteral("打开")))
        << buttons.button(QDialogButtonBox::Open)->text().toStdString();
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* lookIn = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    ASSERT_NE(lookIn, nullptr);
    EXPECT_NE(lookIn->text(), QStringLiteral("Look in:"));
}

TEST(Startup, TheWindowTitleNamesTheProgramOnce)
{
    EnsureTestApplication();
    CProgramStart::PrepareApplication();
    const QString product = QStringLiteral("DID-IVOV V4.0");
    // The X11 platform shows a window title with Qt's display name appended after a dash unless
    // the title already ends with it; a display name left unset reads as the application name.
    const QString displayName = QGuiApplication::applicationDisplayName();
    const bool appended = displayName != QCoreApplication::applicationName();
    TVoro_Main window;
    for (const QString& title : {product, product + QStringLiteral(" 工程文件:/tmp/a.VLZ")}) {
        window.SetCaption(title);
        QString shown = window.windowTitle();
        if (appended && !shown.endsWith(displayName))
            shown += QStringLiteral(" \u2014 ") + displayName;
        EXPECT_EQ(shown.count(product), 1) << shown.toStdString();
    }
    // The plain message boxes carry the program's title.
    EXPECT_EQ(TApplication::Title(), product);
}
