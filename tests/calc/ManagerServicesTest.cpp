#include "calc/ArraySums.h"
#include "calc/CCalculate_Manager.h"
#include "calc/FixedWidthText.h"

#include <gtest/gtest.h>

TEST(ManagerServices, TextPagesHoldOneHundredAndOneLines)
{
    CCalculate_Manager manager;
    manager.AddBlankLines(0);
    EXPECT_TRUE(manager.TextPages().isEmpty());
    manager.AddTextLine(QStringLiteral("第一行"));
    manager.AddBlankLines(100);
    ASSERT_EQ(manager.TextPages().size(), 1);
    EXPECT_EQ(manager.TextPages()[0].size(), 101);
    EXPECT_EQ(manager.TextPages()[0][1], QStringLiteral(" "));
    manager.AddTextLine(QStringLiteral("第102行"));
    ASSERT_EQ(manager.TextPages().size(), 2);
    EXPECT_EQ(manager.TextPages()[1], QStringList{QStringLiteral("第102行")});
    manager.ClearTextPages();
    manager.AddTextLine(QStringLiteral("x"));
    EXPECT_EQ(manager.TextPages().size(), 1);
}

TEST(ManagerServices, AreaSelection)
{
    struct SCase
    {
        int mode;
        double calc;   // CalcArea(mode, 3, 4, 20)
        double select; // SelectArea(mode, 3, 4, 20, 50)
    };
    for (const SCase& c : {SCase{0, 12, 12}, SCase{1, 20, 20}, SCase{2, 12, 50}, SCase{7, 12, 20}}) {
        EXPECT_DOUBLE_EQ(CCalculate_Manager::CalcArea(c.mode, 3, 4, 20), c.calc) << c.mode;
        EXPECT_DOUBLE_EQ(CCalculate_Manager::SelectArea(c.mode, 3, 4, 20, 50), c.select) << c.mode;
    }
}

TEST(ManagerServices, FixedWidthText)
{
    struct SCase
    {
        int width;
        const char* text;
        int alignment;
        const char* expected;
    };
    const SCase cases[] = {
        {7, "abc", 0, "  abc  "},
        {6, "abc", 0, " abc  "},
        {6, "abc", -1, "abc   "},
        {6, "abc", 1, "   abc"},
        {3, "abc", 0, " abc "},
        {4, "abc", 5, "    "},
        // Chinese characters count two bytes each.
        {6, "负荷", 0, " 负荷 "},
    };
    for (const SCase& c : cases)
        EXPECT_EQ(PadTextFixedWidth(c.width, QString::fromUtf8(c.text), c.alignment),
                  QString::fromUtf8(c.expected))
            << c.width << " " << c.text << " " << c.alignment;

    EXPECT_EQ(FormatFloatFixedWidth(4, 2.5f, 1, 0), QStringLiteral("  3."));
    EXPECT_EQ(FormatFloatFixedWidth(8, 12.345f, -1, 2), QStringLiteral("12.35   "));
    EXPECT_EQ(FormatFloatFixedWidth(2, -0.001f, 0, 1), QStringLiteral(" 0.0 "));
}

TEST(ManagerServices, ArraySumsAddInSourceOrder)
{
    float sources[17][24];
    for (int k = 0; k < 17; ++k)
        for (int h = 0; h < 24; ++h)
            sources[k][h] = static_cast<float>(k + 1);
    float destination[24];
    std::fill(destination, destination + 24, 100.0f);
    const float* s = &sources[0][0];
    AddArrays17(destination, s, s + 24, s + 48, s + 72, s + 96, s + 120, s + 144, s + 168, s + 192, s + 216,
                s + 240, s + 264, s + 288, s + 312, s + 336, s + 360, s + 384, 24, false);
    EXPECT_FLOAT_EQ(destination[23], 100 + 153); // 1 + 2 + ... + 17
    AddArrays3(destination, s, s + 24, s + 48, 12, true);
    EXPECT_FLOAT_EQ(destination[0], 6);
    EXPECT_FLOAT_EQ(destination[11], 6);
    EXPECT_FLOAT_EQ(destination[12], 253) << "beyond n nothing changes";
}
