#include "app/controls/ModalResult.h"
#include "app/controls/TBMPButton.h"
#include "app/controls/TChangeNameForm.h"
#include "tests/app/TestApplication.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

class BMPButton : public ::testing::Test
{
protected:
    BMPButton() { EnsureTestApplication(); }
};

void Mouse(QWidget* target, QEvent::Type type, QPoint at)
{
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

bool SendKey(QWidget* target, QEvent::Type type, int key)
{
    QKeyEvent event(type, key, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
    return event.isAccepted();
}

} // namespace

TEST_F(BMPButton, ClicksOnlyWhenReleasedOverItself)
{
    const std::pair<QPoint, bool> releases[] = {
        {{10, 10}, true},  {{75, 22}, true},  {{76, 10}, false},
        {{-1, 10}, false}, {{10, -3}, false}, {{10, 40}, false},
    };
    for (const auto& [at, clicks] : releases) {
        SCOPED_TRACE(testing::Message() << at.x() << "," << at.y());
        QWidget form;
        auto* button = new TBMPButton(QStringLiteral("确定"), &form);
        auto* other = new QLineEdit(&form);
        other->move(0, 40);
        form.show();
        form.activateWindow();
        QApplication::processEvents();
        int clicked = 0;
        QObject::connect(button, &TBMPButton::OnClick, [&] { ++clicked; });
        Mouse(button, QEvent::MouseButtonPress, {10, 10});
        EXPECT_EQ(form.focusWidget(), button);
        Mouse(button, QEvent::MouseButtonRelease, at);
        EXPECT_EQ(clicked, clicks ? 1 : 0);
        EXPECT_EQ(button->ButtonState(), clicks ? 0 : 1); // still looks pressed
        other->setFocus();
        EXPECT_EQ(button->ButtonState(), 0);
    }
}

TEST_F(BMPButton, ModalResultEndsTheDialogAfterTheHandler)
{
    QDialog dialog;
    auto* button = new TBMPButton(QStringLiteral("确定"), &dialog);
    button->SetModalResult(1);
    bool visibleInHandler = false;
    QObject::connect(button, &TBMPButton::OnClick, [&] { visibleInHandler = dialog.isVisible(); });
    QTimer::singleShot(0, [&] {
        Mouse(button, QEvent::MouseButtonPress, {5, 5});
        Mouse(button, QEvent::MouseButtonRelease, {5, 5});
        if (dialog.isVisible())
            dialog.done(-1);
    });
    EXPECT_EQ(dialog.exec(), 1);
    EXPECT_TRUE(visibleInHandler);
}

TEST_F(BMPButton, DefaultAndCancelTakeEnterAndEscapeOfTheWindow)
{
    struct Case
    {
        bool isDefault, isCancel;
        int key;
        int clicks;
    };
    const Case cases[] = {
        {true, false, Qt::Key_Return, 1},  {true, false, Qt::Key_Enter, 1},  {false, true, Qt::Key_Escape, 1},
        {false, false, Qt::Key_Return, 0}, {true, false, Qt::Key_Escape, 0}, {false, true, Qt::Key_Return, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.isDefault << c.isCancel << " key " << c.key);
        QWidget form;
        auto* layout = new QVBoxLayout(&form);
        auto* edit = new QLineEdit(&form);
        auto* button = new TBMPButton(QStringLiteral("确定"), &form);
        layout->addWidget(edit);
        layout->addWidget(button);
        button->SetDefault(c.isDefault);
        button->SetCancel(c.isCancel);
        form.show();
        edit->setFocus();
        int clicked = 0;
        QObject::connect(button, &TBMPButton::OnClick, [&] { ++clicked; });
        const bool handled = SendKey(edit, QEvent::KeyPress, c.key);
        EXPECT_EQ(clicked, c.clicks);
        if (c.clicks > 0) {
            EXPECT_TRUE(handled);
        }
        EXPECT_EQ(button->ButtonState(), 0);
    }
}

TEST_F(BMPButton, EnterOnTheFocusedButtonClicksOnRelease)
{
    QWidget form;
    auto* edit = new QLineEdit(&form);
    auto* button = new TBMPButton(QStringLiteral("确定"), &form);
    button->move(0, 30);
    auto* last = new TBMPButton(QStringLiteral("取消"), &form);
    last->move(80, 30);
    last->SetTabOrder(-5); // the button's own field: the focus order stays as built
    form.show();
    EXPECT_EQ(edit->nextInFocusChain(), button);
    EXPECT_EQ(button->nextInFocusChain(), last);
    int clicked = 0;
    QObject::connect(button, &TBMPButton::OnClick, [&] { ++clicked; });
    button->setFocus();
    SendKey(button, QEvent::KeyPress, Qt::Key_Return);
    EXPECT_EQ(button->ButtonState(), 1);
    EXPECT_EQ(clicked, 0);
    SendKey(button, QEvent::KeyRelease, Qt::Key_Return);
    EXPECT_EQ(clicked, 1);
    // The release of an Enter pressed elsewhere (which moved the focus here) does not click.
    SendKey(button, QEvent::KeyRelease, Qt::Key_Return);
    EXPECT_EQ(clicked, 1);
}

TEST_F(BMPButton, DisabledButtonDrawsItsCaptionInTheWindowColourAndIgnoresTheMouse)
{
    TBMPButton button(QStringLiteral("确定"));
    button.resize(75, 22);
    const QColor window = button.palette().color(QPalette::Active, QPalette::Base);
    const auto countPixels = [&](const QColor& colour) {
        const QImage picture = button.grab().toImage();
        int count = 0;
        for (int y = 3; y < picture.height() - 3; ++y)
            for (int x = 3; x < picture.width() - 3; ++x)
                count += picture.pixelColor(x, y) == colour ? 1 : 0;
        return count;
    };
    EXPECT_GT(countPixels(Qt::black), 0);
    EXPECT_EQ(countPixels(window), 0);
    button.setEnabled(false);
    EXPECT_GT(countPixels(window), 0);
    EXPECT_EQ(countPixels(Qt::black), 0);

    int clicked = 0;
    QObject::connect(&button, &TBMPButton::OnClick, [&] { ++clicked; });
    Mouse(&button, QEvent::MouseButtonPress, {5, 5});
    Mouse(&button, QEvent::MouseButtonRelease, {5, 5});
    EXPECT_EQ(clicked, 0);
    EXPECT_EQ(button.ButtonState(), 0);
}

TEST_F(BMPButton, RenameDialogTakesEnterAndEscapeThroughItsButtons)
{
    const std::pair<int, int> keys[] = {{Qt::Key_Return, mrOk}, {Qt::Key_Escape, mrCancel}};
    for (const auto& [key, result] : keys) {
        TChangeNameForm form;
        form.NewName->setText(QStringLiteral("房间1"));
        QTimer::singleShot(0, [&] {
            form.NewName->setFocus();
            SendKey(form.NewName, QEvent::KeyPress, key);
            if (form.isVisible())
                form.done(-1);
        });
        EXPECT_EQ(form.exec(), result) << key;
    }
}
