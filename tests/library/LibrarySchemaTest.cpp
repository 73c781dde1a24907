// The schema header of the exchange files: kinds and library indices meet by name, the column
// lookups are exact, and the libraries without a column set answer as empty.
#include "library/LibrarySchema.h"

#include <gtest/gtest.h>

TEST(LibrarySchema, KindsAndIndicesMeetByName)
{
    // kind code -> library index, from the schema's table
    const int expected[21] = {1, 2, 10, 5, 16, 12, 14, 15, 3, 4, 19, 13, 20, 6, 18, 9, 8, -1, 21, 7, 0};
    for (int kind = 0; kind < 21; ++kind) {
        EXPECT_EQ(LibIndexOfKind(kind), expected[kind]) << kind;
        if (expected[kind] >= 0)
            EXPECT_EQ(LibKindOfIndex(expected[kind]), kind) << kind;
    }
    EXPECT_EQ(LibKindOfIndex(11), -1);
    EXPECT_EQ(LibKindOfIndex(17), -1);
    EXPECT_EQ(LibKindOfIndex(22), -1);
}

TEST(LibrarySchema, ColumnSetsAndLookups)
{
    struct SCase
    {
        int index;
        int count;
    };
    for (const SCase c : {SCase{0, 45}, {1, 16}, {3, 10}, {4, 8}, {6, 7}, {7, 8}, {8, 24}, {11, 0}, {13, 7},
                          {14, 18}, {15, 18}, {17, 0}, {19, 7}, {20, 8}, {21, 24}, {-1, 0}, {22, 0}})
        EXPECT_EQ(LibColumnCount(c.index), c.count) << c.index;

    EXPECT_EQ(LibColumnCaption(20, "Name").Text, QStringLiteral("外窗结构名称"));
    EXPECT_EQ(LibColumnKey(20, QStringLiteral("外窗结构名称")).Position, 1);
    EXPECT_EQ(LibColumnKey(4, QStringLiteral("外窗结构名称")).Position, -1);
    EXPECT_EQ(LibColumnCaption(1, "name").Position, -1);
    for (int index = 0; index < LibIndexCount; ++index) {
        EXPECT_EQ(LibColumnCaption(index, "ID").Position, -1);
        EXPECT_EQ(LibColumnCaption(index, "BMP").Position, -1);
    }
    EXPECT_EQ(LibColumnKeyAt(0, 44), QStringLiteral("WinterLowestDesignDrybulbTemperature"));
    EXPECT_EQ(LibFileExt(15), LibFileExt(17));
    EXPECT_EQ(LibIndexTable(0), LibWeatherTable(1));
}
