#include "calc/CCalMsgOutput.h"
#include "calc/forms/TMsgOutputForm.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "test_calc";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv);
}

TMsgOutputForm* OpenForm()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form = dynamic_cast<TMsgOutputForm*>(widget); form && form->isVisible())
            return form;
    return nullptr;
}
} // namespace

TEST(MsgOutputForm, StopButtonTakesEffectWhileTheRunSteps)
{
    EnsureApplication();
    TMsgOutputForm::Install();
    QWidget owner;
    owner.show();
    {
        CCalMsgOutput progress(QStringLiteral("正在计算负荷"), &owner);
        TMsgOutputForm* form = OpenForm();
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->windowTitle(), QStringLiteral("正在计算负荷"));
        EXPECT_EQ(form->size(), QSize(482, 112));
        EXPECT_EQ(form->Button1->text(), QStringLiteral("终止"));
        EXPECT_FALSE(form->ProgressBar1->isVisible());
        EXPECT_FALSE(owner.isEnabled());

        progress.SetProgressMax(5);
        // A press of "终止" waits in the queue while the calculation runs.
        QPushButton* button = form->Button1;
        QMetaObject::invokeMethod(
            button, [button] { button->click(); }, Qt::QueuedConnection);
        EXPECT_FALSE(progress.IsStopped());
        progress.StepProgress(QStringLiteral("正在计算[房间1]"));
        EXPECT_TRUE(progress.IsStopped());
        EXPECT_EQ(form->Label2->text(), QStringLiteral("正在计算[房间1]"));
        EXPECT_TRUE(form->ProgressBar1->isVisible());
        EXPECT_EQ(form->ProgressBar1->value(), 1);
    }
    EXPECT_EQ(OpenForm(), nullptr);
    EXPECT_TRUE(owner.isEnabled());
    CCalMsgOutput::SetFormFactory(nullptr);
}
