#include "app/controls/CWaitNoteWindow.h"
#include "app/controls/ModalResult.h"
#include "app/controls/TAbout.h"
#include "app/controls/TChangeNameForm.h"
#include "app/controls/TLoadApplication.h"
#include "app/controls/TLoadTypeChooseForm.h"
#include "app/controls/TViewMaxLoadForm.h"
#include "app/controls/TWaitProgres.h"
#include "platform/core/CCutomProgres.h"
#include "platform/core/CTool.h"
#include "tests/app/TestApplication.h"
#include "tests/support/CFakeToolDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs the dialog modally; the steps act on it once its modal loop runs.
int RunModal(QDialog& dialog, const std::function<void()>& steps)
{
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
        steps();
        if (dialog.isVisible()) // a step that failed must not leave the test waiting
            QTimer::singleShot(0, [&] { dialog.done(-1); });
    });
    return dialog.exec();
}

class SharedDialogs : public ::testing::Test
{
protected:
    SharedDialogs() : m_tool(std::make_unique<CFakeToolDialogs>()) { EnsureTestApplication(); }
    CFakeToolDialogs& Dialogs() { return static_cast<CFakeToolDialogs&>(m_tool.Dialogs()); }

    CTool m_tool;
};

} // namespace

TEST_F(SharedDialogs, RenameRefusesOnlyAnExactlyEmptyName)
{
    TChangeNameForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("更名"));
    form.NewName->setText(QString());
    const int result = RunModal(form, [&] {
        form.BMPButton2->click();
        EXPECT_TRUE(form.isVisible());
        form.BMPButton1->click();
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(Dialogs().Messages, QStringList({"信息栏不能为空!!!"}));

    form.NewName->setText(QStringLiteral("  "));
    EXPECT_EQ(RunModal(form, [&] { form.BMPButton2->click(); }), mrOk);
    EXPECT_EQ(form.NewName->text(), QStringLiteral("  "));
    EXPECT_EQ(Dialogs().Messages.size(), 1);

    EXPECT_EQ(RunModal(form, [&] { form.close(); }), mrCancel);
}

TEST_F(SharedDialogs, LoadKindChoiceAnswersOkWithTheKindOrCancel)
{
    TLoadTypeChooseForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("负荷类型选择"));
    ASSERT_EQ(form.ComboBox1->count(), 3);
    EXPECT_EQ(form.ComboBox1->itemText(2), QStringLiteral("潜热"));
    EXPECT_EQ(form.ComboBox1->currentIndex(), 0);
    // The title bar's close button must not start the analysis.
    EXPECT_EQ(RunModal(form, [&] { form.close(); }), mrCancel);
    EXPECT_EQ(RunModal(form, [&] { form.Button2->click(); }), mrCancel);
    EXPECT_EQ(RunModal(form,
                       [&] {
                           form.ComboBox1->setCurrentIndex(1);
                           form.Button1->click();
                       }),
              mrOk);
    EXPECT_EQ(form.ComboBox1->currentIndex(), 1);
}

TEST_F(SharedDialogs, LoadListShowsTheGivenLinesAndItsMemoGrowsWithTheWindow)
{
    TViewMaxLoadForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("负荷数据显示"));
    EXPECT_TRUE(form.Memo1->isReadOnly());
    form.SetLines({QStringLiteral("====================国际单位制[W]===================="),
                   QStringLiteral("房间1 1200")});
    EXPECT_EQ(form.Lines(),
              QStringList({"====================国际单位制[W]====================", "房间1 1200"}));
    form.SetLines({});
    EXPECT_TRUE(form.Lines().isEmpty());

    form.show();
    const QSize before = form.Memo1->size();
    form.resize(1000, 800);
    QApplication::processEvents();
    EXPECT_GT(form.Memo1->width(), before.width());
    EXPECT_GT(form.Memo1->height(), before.height());
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    form.hide();
    EXPECT_EQ(RunModal(form, [&] { form.Button1->click(); }), mrOk);
}

TEST_F(SharedDialogs, AboutBoxClosesWithOk)
{
    TAbout about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("关于DID-IVOV"));
    EXPECT_TRUE(TAbout::MailLink().startsWith(QStringLiteral("mailto:") + about.Label8->text()));
    EXPECT_EQ(RunModal(about, [&] { about.BMPButton1->click(); }), mrOk);
}

TEST_F(SharedDialogs, SplashShowsAtOnceAndTakesNoInput)
{
    TLoadApplication splash;
    EXPECT_TRUE(splash.isVisible());
    EXPECT_FALSE(splash.isEnabled());
    EXPECT_EQ(splash.Image1->pixmap().size(), QSize(522, 366));
}

TEST_F(SharedDialogs, NestedWaitNotesStackAndTheWindowIsReused)
{
    CWaitNoteWindow display;
    const auto shown = [&]() -> QString {
        TWaitProgres* window = display.Window();
        return window && window->isVisible() ? window->Label1->text() : QStringLiteral("<hidden>");
    };
    {
        CCutomProgres outer(QStringLiteral("A"), 7);
        EXPECT_EQ(outer.Tag(), 7);
        EXPECT_EQ(shown(), QStringLiteral("A"));
        {
            CCutomProgres inner(QStringLiteral("B"));
            EXPECT_EQ(shown(), QStringLiteral("B"));
            {
                CCutomProgres empty{QString()};
                EXPECT_EQ(shown(), QStringLiteral("B"));
                EXPECT_EQ(CCutomProgres::Notes(), QStringList({"A", "B", ""}));
            }
            EXPECT_EQ(shown(), QStringLiteral("B"));
        }
        EXPECT_EQ(shown(), QStringLiteral("A"));
    }
    EXPECT_EQ(shown(), QStringLiteral("<hidden>"));
    TWaitProgres* first = display.Window();
    ASSERT_NE(first, nullptr);

    // Unwinding through an exception ends the note as well.
    try {
        CCutomProgres note(QStringLiteral("C"));
        EXPECT_EQ(shown(), QStringLiteral("C"));
        throw std::runtime_error("fail");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(shown(), QStringLiteral("<hidden>"));
    EXPECT_EQ(display.Window(), first);
    EXPECT_TRUE(CCutomProgres::Notes().isEmpty());
}
