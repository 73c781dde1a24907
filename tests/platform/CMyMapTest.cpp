#include "platform/core/CMyMap.h"

#include <gtest/gtest.h>

#include <QStringList>

TEST(CMyMap, AbsentKeyGivesTheDefaultOfTheValueType)
{
    CMyMap<QString, QString> texts;
    CMyMap<QString, int*> pointers;
    CMyMap<QString, int> numbers;
    EXPECT_EQ(texts.Get(QStringLiteral("缺省")), QStringLiteral("0"));
    EXPECT_EQ(pointers.Get(QStringLiteral("x")), nullptr);
    EXPECT_EQ(numbers.Get(QStringLiteral("x")), 0);
    // Asking inserts nothing.
    EXPECT_EQ(texts.Count(), 0);
    EXPECT_FALSE(texts.Contains(QStringLiteral("缺省")));
}

TEST(CMyMap, SetOverwritesAnExistingKey)
{
    CMyMap<QString, QString> map;
    map.Set(QStringLiteral("WallDefault"), QStringLiteral("3"));
    map.Set(QStringLiteral("WallDefault"), QStringLiteral("7"));
    EXPECT_EQ(map.Count(), 1);
    EXPECT_EQ(map.Get(QStringLiteral("WallDefault")), QStringLiteral("7"));
    // Keys are case-sensitive.
    EXPECT_EQ(map.Get(QStringLiteral("walldefault")), QStringLiteral("0"));
}

TEST(CMyMap, IteratesInCharacterCodeOrder)
{
    CMyMap<QString, QString> map;
    map.First();
    EXPECT_TRUE(map.Eof());

    map.Set(QStringLiteral("a"), QStringLiteral("lower"));
    map.Set(QStringLiteral("B"), QStringLiteral("upper"));
    QStringList keys;
    QStringList values;
    for (map.First(); !map.Eof(); map.Next()) {
        QString key;
        QString value;
        map.GetCurrent(key, value);
        keys << key;
        values << value;
    }
    EXPECT_EQ(keys, QStringList({"B", "a"}));
    EXPECT_EQ(values, QStringList({"upper", "lower"}));

    map.Clear();
    EXPECT_EQ(map.Count(), 0);
    EXPECT_TRUE(map.Eof());
}
