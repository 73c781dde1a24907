#include "app/controls/TWorkTime.h"
#include "tests/app/TestApplication.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

class WorkTime : public ::testing::Test
{
protected:
    WorkTime() { EnsureTestApplication(); }
};

void Click(TWorkTime& editor, QPoint at)
{
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), editor.mapToGlobal(QPointF(at)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&editor, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), editor.mapToGlobal(QPointF(at)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&editor, &release);
}

// The large editor of the schedule form.
void MakeEditor(TWorkTime& editor)
{
    editor.resize(319, 221);
    editor.SetActiving(true);
    editor.SetStatus(true);
    editor.MyPaint();
}

} // namespace

TEST_F(WorkTime, LayoutFollowsTheMode)
{
    struct Case
    {
        QSize size;
        bool editing;
        int columnWidth;
        QRect area, scale, hours;
    };
    // Rectangles as left, top, width, height: the editor's area runs (0, 0)-(264, 187).
    const Case cases[] = {
        {{319, 221}, true, 11, {0, 0, 264, 187}, {264, 0, 55, 221}, {0, 187, 319, 34}},
        {{161, 69}, false, 6, {8, 7, 144, 62}, {}, {}},
        {{161, 70}, false, 6, {8, 7, 144, 63}, {}, {}},
        {{240, 100}, true, 9, {0, 0, 216, 85}, {216, 0, 24, 100}, {0, 85, 240, 15}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.size.width() << "x" << c.size.height() << " editing " << c.editing);
        TWorkTime editor;
        editor.resize(c.size);
        editor.SetStatus(c.editing);
        EXPECT_EQ(editor.ColumnWidth(), c.columnWidth);
        EXPECT_EQ(editor.ValueArea(), c.area);
        if (c.editing) {
            EXPECT_EQ(editor.ScaleStrip(), c.scale);
            EXPECT_EQ(editor.HourStrip(), c.hours);
        }
    }
}

TEST_F(WorkTime, ClickSetsTheHourToTheClickedHeight)
{
    struct Case
    {
        QPoint at;
        int hour; // -1: nothing changes
        float value;
    };
    const Case cases[] = {
        {{5, 186}, 0, 100.0f / 187}, // lowest row of the area: not 0
        {{5, 0}, 0, 100.0f},         // top row
        {{263, 93}, 23, 94 * 100.0f / 187},
        {{11, 100}, 1, 87 * 100.0f / 187},
        {{264, 50}, -1, 0}, // scale strip
        {{50, 187}, -1, 0}, // hour strip
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.at.x() << "," << c.at.y());
        TWorkTime editor;
        MakeEditor(editor);
        int changes = 0;
        QObject::connect(&editor, &TWorkTime::OnValueChange, [&] { ++changes; });
        Click(editor, c.at);
        if (c.hour < 0) {
            EXPECT_EQ(changes, 0);
            EXPECT_EQ(editor.ActiveColume(), -1);
            for (const float value : editor.Values)
                EXPECT_EQ(value, 0.0f);
            continue;
        }
        EXPECT_EQ(editor.ActiveColume(), c.hour);
        EXPECT_FLOAT_EQ(editor.Values[c.hour], c.value);
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(editor.toolTip(), QString::number(c.value, 'f', 2) + "%");
    }
}

TEST_F(WorkTime, DisplayModeIgnoresClicks)
{
    TWorkTime preview;
    preview.resize(161, 69);
    preview.MyPaint();
    int changes = 0;
    QObject::connect(&preview, &TWorkTime::OnValueChange, [&] { ++changes; });
    Click(preview, {20, 40});
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(preview.ActiveColume(), -1);
    EXPECT_EQ(preview.Values[2], 0.0f);
}

TEST_F(WorkTime, ClickingTheSelectedHourAgainDoesNotChangeTheSelection)
{
    TWorkTime editor;
    MakeEditor(editor);
    QStringList events;
    QObject::connect(&editor, &TWorkTime::OnActiveChange,
                     [&](int hour, float) { events << QStringLiteral("active %1").arg(hour); });
    QObject::connect(&editor, &TWorkTime::OnWindowValueChange,
                     [&](int hour, float) { events << QStringLiteral("window %1").arg(hour); });
    QObject::connect(&editor, &TWorkTime::OnValueChange,
                     [&](int hour, float) { events << QStringLiteral("value %1").arg(hour); });
    Click(editor, {35, 100});
    Click(editor, {40, 50});
    EXPECT_EQ(events, QStringList({"active 3", "window 3", "value 3", "window 3", "value 3"}));
    EXPECT_FLOAT_EQ(editor.Values[3], 137 * 100.0f / 187);
}

TEST_F(WorkTime, ChangeValueStaysWithinTheRange)
{
    struct Case
    {
        float start;
        int selected;
        int delta;
        float result;
        int changes;
    };
    const Case cases[] = {
        {95, 4, 10, 100, 1}, {5, 4, -10, 0, 1}, {50, 4, 10, 60, 1}, {50, -1, 10, 50, 0}, {120, 4, 0, 100, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << " selected " << c.selected << " delta " << c.delta);
        TWorkTime editor;
        MakeEditor(editor);
        editor.Values[4] = c.start;
        editor.SetColume(c.selected);
        int changes = 0;
        QObject::connect(&editor, &TWorkTime::OnValueChange, [&] { ++changes; });
        editor.ChangeValue(c.delta);
        EXPECT_FLOAT_EQ(editor.Values[4], c.result);
        EXPECT_EQ(changes, c.changes);
    }
}

TEST_F(WorkTime, CodeValuesAreStoredAsGivenAndOnlyForRealHours)
{
    TWorkTime editor;
    MakeEditor(editor);
    QList<int> hours;
    QObject::connect(&editor, &TWorkTime::OnValueChange, [&](int hour, float) { hours << hour; });
    editor.SetTimeValue(0, 150);
    editor.SetTimeValue(23, -5);
    editor.SetTimeValue(24, 10);
    editor.SetTimeValue(-1, 10);
    EXPECT_EQ(hours, QList<int>({0, 23}));
    EXPECT_EQ(editor.Values[0], 150.0f);
    EXPECT_EQ(editor.Values[23], -5.0f);
}

TEST_F(WorkTime, BarsAreDrawnToTheirHeight)
{
    TWorkTime editor;
    MakeEditor(editor);
    editor.Values[0] = 50;
    editor.Values[1] = 50;
    editor.SetColume(1);
    editor.MyPaint();
    const QImage& picture = editor.Picture();
    // Column 0 is x 0..10; its bar fills from y 93 (187 - 93.5, truncated) down.
    EXPECT_EQ(picture.pixelColor(5, 100), QColor(65, 97, 237));
    EXPECT_EQ(picture.pixelColor(5, 80), QColor(229, 243, 110));
    EXPECT_EQ(picture.pixelColor(16, 100), QColor(255, 255, 0)); // the selected hour
    EXPECT_EQ(picture.pixelColor(300, 5), QColor(211, 217, 197));

    TWorkTime preview;
    preview.resize(161, 69);
    preview.Values[0] = 100;
    preview.MyPaint();
    EXPECT_EQ(preview.Picture().pixelColor(10, 40), QColor(255, 0, 0));
    EXPECT_EQ(preview.Picture().pixelColor(20, 40), QColor(65, 97, 237));
    EXPECT_EQ(preview.Picture().pixelColor(20, 3), QColor(100, 100, 100));
}
