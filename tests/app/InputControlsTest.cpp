#include "app/controls/TControlEdit.h"
#include "app/controls/TControlStringGrid.h"
#include "tests/app/TestApplication.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

class InputControls : public ::testing::Test
{
protected:
    InputControls() { EnsureTestApplication(); }
};

void Press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

// Types every character of the text as its own keystroke; "\b" is backspace.
void Type(QWidget* target, const QString& keys)
{
    for (const QChar ch : keys) {
        if (ch == QLatin1Char('\b'))
            Press(target, Qt::Key_Backspace);
        else
            Press(target, ch.toUpper().unicode(), Qt::NoModifier, QString(ch));
    }
}

bool ShownRed(const TControlEdit& edit)
{
    return edit.palette().color(QPalette::Text) == QColor(255, 0, 0);
}

} // namespace

// A number is committed only while its text converts and lies within the bounds; otherwise the
// box shows red and reads as the last committed value (0 moved into the bounds when none).
TEST_F(InputControls, ReadingKeepsTheLastValidValue)
{
    struct Case
    {
        EControlMode mode;
        QString min, max;
        QStringList texts; // set by code in this order
        double asDouble;
        int asInt;
        bool red;
    };
    const Case cases[] = {
        {MFLOAT, "", "", {"abc"}, 0, 0, true},
        {MFLOAT, "5", "", {"abc"}, 5, 5, true},
        {MFLOAT, "5", "", {"3"}, 5, 5, true},
        {MFLOAT, "5", "", {"8", "3"}, 8, 8, true},
        {MFLOAT, "", "45", {"7.5", "46"}, 7.5, 7, true},
        {MFLOAT, "", "45", {"45"}, 45, 45, false},
        {MFLOAT, "", "", {"2.5e1"}, 25, 25, false},
        {MFLOAT, "", "", {"-0.5"}, -0.5, 0, false},
        {MFLOAT, "", "", {"1", " 5"}, 1, 1, true},
        {MFLOAT, "", "", {"1", "inf"}, 1, 1, true},
        {MINTEGER, "", "", {"12", ""}, 12, 12, false},
        {MINTEGER, "", "", {"12", "-"}, 12, 12, false},
        {MINTEGER, "-10", "-2", {""}, -2, -2, false},
        {MSTRING, "5", "45", {"3"}, 5, 5, false},
        {MSTRING, "", "45", {"46"}, 46, 46, false},
        {MSTRING, "", "", {"名称"}, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("mode %1 min '%2' max '%3' texts %4")
                         .arg(c.mode)
                         .arg(c.min, c.max, c.texts.join('|'))
                         .toStdString());
        TControlEdit edit;
        edit.SetControlMode(c.mode);
        edit.SetMinValue(c.min);
        edit.SetMaxValue(c.max);
        for (const QString& text : c.texts)
            edit.setText(text);
        EXPECT_DOUBLE_EQ(edit.AsDouble(), c.asDouble);
        EXPECT_FLOAT_EQ(edit.AsFloat(), static_cast<float>(c.asDouble));
        EXPECT_EQ(edit.AsInt(), c.asInt);
        EXPECT_EQ(ShownRed(edit), c.red);
        EXPECT_EQ(edit.ShowsError(), c.red);
        EXPECT_EQ(edit.text(), c.texts.last()); // what was typed stays visible
    }
}

TEST_F(InputControls, FigureModeColoursCharactersOutsideTheList)
{
    TControlEdit edit;
    edit.SetControlMode(MFIGURE);
    edit.SetCanInputCharacter("-,");
    const std::pair<QString, bool> cases[] = {
        {"12-3,4", false}, {"12a", true}, {"123", false}, {"a1-", true}};
    for (const auto& [text, red] : cases) {
        edit.setText(text);
        EXPECT_EQ(ShownRed(edit), red) << text.toStdString();
    }
}

TEST_F(InputControls, TypingIsCheckedAsAWholeText)
{
    struct Case
    {
        EControlMode mode;
        QString start;
        int selectionStart, selectionLength; // selectionLength 0: caret at selectionStart
        QString keys;
        QString text;
        int caret;
    };
    const Case cases[] = {
        {MFLOAT, "12.5", 1, 2, "a", "12.5", 3}, // refused: text, caret and selection stay
        {MFLOAT, "12.5", 4, 0, "a", "12.5", 4},
        {MFLOAT, "", 0, 0, "-5", "-5", 2},    // a number starts with its sign
        {MINTEGER, "", 0, 0, "-a3", "-3", 2}, // the digit after the sign is checked with it
        {MINTEGER, "", 0, 0, "1.5", "15", 2},
        {MFLOAT, "1e5", 3, 0, "\b", "1e5", 3}, // a deletion that leaves "1e" is undone
        {MFLOAT, "12", 2, 0, "\b", "1", 1},
        {MFLOAT, "5", 0, 0, "-", "-5", 1},
        {MFIGURE, "", 0, 0, "1a-", "1a-", 3}, // nothing refused, only coloured
        {MSTRING, "", 0, 0, "ab-.", "ab-.", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(
            QStringLiteral("mode %1 start '%2' keys '%3'").arg(c.mode).arg(c.start, c.keys).toStdString());
        TControlEdit edit;
        edit.SetControlMode(c.mode);
        edit.setText(c.start);
        if (c.selectionLength > 0)
            edit.setSelection(c.selectionStart, c.selectionLength);
        else
            edit.setCursorPosition(c.selectionStart);
        Type(&edit, c.keys);
        EXPECT_EQ(edit.text(), c.text);
        EXPECT_EQ(edit.cursorPosition(), c.caret);
        if (c.selectionLength > 0 && edit.text() == c.start) {
            EXPECT_EQ(edit.selectionStart(), c.selectionStart);
            EXPECT_EQ(edit.selectedText().length(), c.selectionLength);
        }
    }
}

TEST_F(InputControls, ValueAboveTheMaximumShowsRedAndIsNotCommitted)
{
    TControlEdit edit;
    edit.SetControlMode(MFLOAT);
    edit.SetMaxValue("45");
    Type(&edit, "46");
    EXPECT_TRUE(ShownRed(edit));
    EXPECT_FALSE(edit.CheckMax());
    EXPECT_DOUBLE_EQ(edit.AsDouble(), 4); // the last valid text, "4"
    Type(&edit, "\b");
    EXPECT_FALSE(ShownRed(edit));
    EXPECT_DOUBLE_EQ(edit.AsDouble(), 4);
}

TEST_F(InputControls, PasteIsCheckedAloneAndThenAsTheWholeText)
{
    struct Case
    {
        EControlMode mode;
        QString start, clipboard, text;
    };
    const Case cases[] = {
        {MINTEGER, "", "1.5", ""},     {MFLOAT, "", "1.5", "1.5"},
        {MFLOAT, "1.5", "1.5", "1.5"}, // "1.51.5" does not convert
        {MINTEGER, "1", "2", "12"},    {MINTEGER, "5", "x", "5"},
        {MFIGURE, "1", "2-3", "12-3"}, {MFIGURE, "1", "2a", "1"},
        {MSTRING, "a", "b c", "ab c"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("mode %1 paste '%2'").arg(c.mode).arg(c.clipboard).toStdString());
        TControlEdit edit;
        edit.SetControlMode(c.mode);
        edit.SetCanInputCharacter("-");
        edit.setText(c.start);
        QApplication::clipboard()->setText(c.clipboard);
        Press(&edit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(edit.text(), c.text);
    }
}

TEST_F(InputControls, EnterAndArrowsMoveTheFocusInAForm)
{
    // Where the box sits in its window.
    enum Place { OnForm, InGroupBox, OnTabPage, InViewCell };
    struct Case
    {
        Place place;
        int key;
        int caret;
        bool moves;
    };
    const Case cases[] = {
        {OnForm, Qt::Key_Return, 0, true},   {OnForm, Qt::Key_Enter, 1, true},  {OnForm, Qt::Key_Right, 2, true},
        {OnForm, Qt::Key_Right, 1, false},   {OnForm, Qt::Key_Down, 2, true},   {OnForm, Qt::Key_Down, 0, false},
        {InGroupBox, Qt::Key_Return, 2, true}, {InGroupBox, Qt::Key_Right, 2, true},
        {InGroupBox, Qt::Key_Right, 1, false}, {OnTabPage, Qt::Key_Return, 0, true},
        {OnTabPage, Qt::Key_Down, 2, true},  {InViewCell, Qt::Key_Return, 2, false},
        {InViewCell, Qt::Key_Right, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(
            QStringLiteral("place %1 key %2 caret %3").arg(c.place).arg(c.key).arg(c.caret).toStdString());
        QWidget form;
        auto* layout = new QVBoxLayout(&form);
        QWidget* owner = &form;
        switch (c.place) {
        case OnForm:
            break;
        case InGroupBox: {
            auto* box = new QGroupBox(QStringLiteral("参数"));
            owner = new QWidget;
            (new QVBoxLayout(box))->addWidget(owner);
            layout->addWidget(box);
            break;
        }
        case OnTabPage: {
            auto* tabs = new QTabWidget;
            owner = new QWidget;
            tabs->addTab(owner, QStringLiteral("页1"));
            layout->addWidget(tabs);
            break;
        }
        case InViewCell: {
            auto* view = new QTreeWidget;
            layout->addWidget(view);
            owner = view->viewport();
            break;
        }
        }
        auto* edit = new TControlEdit(owner);
        edit->SetControlMode(MFLOAT);
        edit->setText("12");
        auto* next = new QLineEdit(&form);
        layout->addWidget(next);
        if (c.place == OnForm)
            layout->insertWidget(0, edit);
        form.show();
        edit->setFocus();
        edit->setCursorPosition(c.caret);
        ASSERT_EQ(form.focusWidget(), edit);
        Press(edit, c.key);
        EXPECT_EQ(form.focusWidget(), c.moves ? static_cast<QWidget*>(next) : edit);
        EXPECT_EQ(edit->text(), "12");
    }
}

TEST_F(InputControls, GridCellsAreCheckedWhenEdited)
{
    struct Case
    {
        EControlMode mode;
        QString text;
        bool error;
        QString stored;
    };
    const Case cases[] = {
        {MINTEGER, "1a0", true, "10"},  {MFLOAT, "9.5.1x", true, "9.51"}, {MINTEGER, "-12", false, "-12"},
        {MINTEGER, "2.5", true, "25"},  {MFLOAT, "2.5", false, "2.5"},    {MSTRING, "abc", false, "abc"},
        {MFIGURE, "x-1", false, "x-1"}, {MINTEGER, "", false, ""}, // a cell can be cleared
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("mode %1 text '%2'").arg(c.mode).arg(c.text).toStdString());
        TControlStringGrid grid(2, 2);
        grid.SetControlMode(c.mode);
        grid.SetEditText(1, 0, "7");
        int errors = 0;
        QObject::connect(&grid, &TControlStringGrid::OnInputError, [&] { ++errors; });
        grid.SetEditText(1, 0, c.text);
        EXPECT_EQ(errors, c.error ? 1 : 0);
        EXPECT_EQ(grid.Cell(1, 0), c.stored);
    }
}

TEST_F(InputControls, GridEditorCommitsThroughTheCheckWithoutAMessage)
{
    TControlStringGrid grid(2, 2);
    grid.show();
    int errors = 0;
    QObject::connect(&grid, &TControlStringGrid::OnInputError, [&] { ++errors; });
    grid.setItem(1, 0, new QTableWidgetItem("7"));
    const std::pair<QString, QString> edits[] = {{"1a0", "10"}, {"", ""}};
    for (const auto& [typed, stored] : edits) {
        grid.setCurrentCell(1, 0);
        grid.editItem(grid.item(1, 0));
        auto* editor = grid.viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->setText(typed);
        Press(editor, Qt::Key_Return);
        QApplication::processEvents(); // the editor commits and closes through queued calls
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(grid.Cell(0, 1), stored);
    }
    EXPECT_EQ(errors, 1);

    // A paste sent to the grid itself opens no message box.
    QWidget* modal = nullptr;
    QTimer::singleShot(0, [&] {
        modal = QApplication::activeModalWidget();
        if (modal)
            modal->close();
    });
    Press(&grid, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(modal, nullptr);
}
