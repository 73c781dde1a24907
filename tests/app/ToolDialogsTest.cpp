#include "platform/ui/TToolDialogs.h"
#include "tests/app/TestApplication.h"

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Presses the button with the given text on the modal dialog that opens next.
void PressWhenShown(const QString& text)
{
    QTimer::singleShot(0, [text] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        for (QPushButton* button : modal->findChildren<QPushButton*>())
            if (button->text() == text) {
                button->click();
                return;
            }
        FAIL() << "no button " << text.toStdString();
    });
}
} // namespace

TEST(TToolDialogs, MessageBoxAnswersSixForTheFirstButtonOnly)
{
    EnsureTestApplication();
    TToolDialogs dialogs;
    PressWhenShown(QStringLiteral("确定"));
    EXPECT_EQ(dialogs.ShowInfor("工程已经存在", "是否覆盖?", 9, 2, "确定", "取消", 1), 6);
    PressWhenShown(QStringLiteral("取消"));
    EXPECT_NE(dialogs.ShowInfor("工程已经存在", "是否覆盖?", 9, 2, "确定", "取消", 1), 6);
}

TEST(TToolDialogs, QuestionWithTheSecondButtonAsDefaultAnswersNoToEnter)
{
    EnsureTestApplication();
    TToolDialogs dialogs;
    const struct
    {
        int icon;
        int defaultButton;
        QMessageBox::Icon shownIcon;
        const char* shownDefault;
        bool enterAnswersYes;
    } cases[] = {
        {3, 2, QMessageBox::Question, "否", false},
        {3, 1, QMessageBox::Question, "是", true},
        {0, 1, QMessageBox::Warning, "是", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shownDefault);
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString defaultText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            icon = box->icon();
            defaultText = box->defaultButton() ? box->defaultButton()->text() : QString();
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(box, &enter);
        });
        const int answer = dialogs.ShowInfor("工程异常", "是否需要系统自动清理？", 9, c.icon, "是", "否", c.defaultButton);
        EXPECT_EQ(icon, c.shownIcon);
        EXPECT_EQ(defaultText, QString::fromUtf8(c.shownDefault));
        EXPECT_EQ(answer == 6, c.enterAnswersYes);
    }
}

TEST(TToolDialogs, CancelledInputKeepsTheValue)
{
    EnsureTestApplication();
    TToolDialogs dialogs;
    QString value = QStringLiteral("旧名称");
    PressWhenShown(QStringLiteral("取消"));
    EXPECT_EQ(dialogs.Input("请输入新名称", value, 2, "请输入..."), 2);
    EXPECT_EQ(value, QStringLiteral("旧名称"));
}
