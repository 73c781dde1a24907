#include "platform/ui/TToolDialogs.h"
#include "tests/app/TestApplication.h"

#include <QApplication>
#include <QInputDialog>
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
    EXPECT_EQ(dialogs.ShowInfor("工程已经存在", "是否覆盖?", 9, 2, "确定", "取消"), 6);
    PressWhenShown(QStringLiteral("取消"));
    EXPECT_NE(dialogs.ShowInfor("工程已经存在", "是否覆盖?", 9, 2, "确定", "取消"), 6);
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
