#include "model/NameTables.h"
#include "platform/core/Exception.h"

#include <gtest/gtest.h>

TEST(NameTables, FormatFloatTrimmedDropsTrailingZeros)
{
    struct Case
    {
        const char* pattern;
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {"0.000", 2.5, "2.5"}, {"0.00", 3, "3"},       {"0.00", 0.001, "0"}, {"0.00", 12.25, "12.25"},
        {"0.", 3.6, "4"},      {"0.0", -0.04, "0"},    {"0.00", 100, "100"}, {"0.0000", 1.23456, "1.2346"},
        {"0.0", 2.25, "2.3"},  {"0.0", -2.25, "-2.3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFloatTrimmed(c.pattern, c.value), QString(c.expected)) << c.pattern << " " << c.value;
}

TEST(NameTables, KindAndTypeTablesAgree)
{
    EXPECT_EQ(LibraryShape(19), 0);
    EXPECT_EQ(LibraryShape(18), 1);
    EXPECT_EQ(LibraryShape(20), 3);
    EXPECT_EQ(EnvelopeElementType(16), 29);
    EXPECT_EQ(EnvelopeKindName(0), QStringLiteral("外墙"));
    // Every construction kind names the element table that bears its record name.
    for (int kind = 0; kind < LibraryKindCount; ++kind) {
        const int type = LibraryElementType(kind);
        if (type >= 0) {
            EXPECT_EQ(ElementTableName(type), LibraryRecordName(kind)) << kind;
        }
        EXPECT_TRUE(LibraryTableName(kind).startsWith(LibraryRecordName(kind))) << kind;
    }
    EXPECT_EQ(DesignTypeName(3), QStringLiteral("空调负荷详细计算"));
    EXPECT_EQ(ElementTypeName(30), QStringLiteral("子树"));
    EXPECT_THROW(ElementTypeName(31), Exception);
    EXPECT_THROW(LibraryName(-1), Exception);
}

TEST(NameTables, CalendarAndNumerals)
{
    int day = 0;
    for (int month = 0; month < 12; ++month) {
        EXPECT_EQ(MonthFirstDay(month), day);
        day += DaysOfMonth(month);
    }
    EXPECT_EQ(day, 365);
    EXPECT_EQ(ChineseNumeral(1), QStringLiteral("一"));
    EXPECT_EQ(ChineseNumeral(10), QStringLiteral("十"));
    EXPECT_EQ(ChineseNumeral(11), QStringLiteral("十一"));
    EXPECT_EQ(ChineseNumeral(20), QStringLiteral("二十"));
    EXPECT_EQ(ChineseNumeral(31), QStringLiteral("三十一"));
    EXPECT_EQ(DecimalFormat(0), QStringLiteral("0."));
    EXPECT_EQ(DecimalFormat(4), QStringLiteral("0.0000"));
}
