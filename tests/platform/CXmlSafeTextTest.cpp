#include "platform/core/CXmlSafeText.h"

#include <gtest/gtest.h>

TEST(XmlSafeText, NamesAreEncodedReversibly)
{
    const struct
    {
        const char* name;
        const char* encoded;
    } cases[] = {
        {"paramkey", "paramkey"},     {"名称_1", "名称_1"}, {"2nd key", "_x0032_nd_x0020_key"},
        {"a:b", "a_x003A_b"},         {"-a", "_x002D_a"},   {"a-b.c", "a-b.c"},
        {"_x0041_", "_x005F_x0041_"}, {"_xyz", "_xyz"},     {"", "_"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CXmlSafeText::EncodeName(QString::fromUtf8(c.name)), QString::fromUtf8(c.encoded))
            << c.name;
        EXPECT_TRUE(CXmlSafeText::IsValidName(CXmlSafeText::EncodeName(QString::fromUtf8(c.name)))) << c.name;
    }
    EXPECT_EQ(CXmlSafeText::EncodeName(QString::fromUcs4(U"\U000F0000")), "_x000F0000_");
    EXPECT_FALSE(CXmlSafeText::IsValidName(QStringLiteral("a b")));
    EXPECT_TRUE(CXmlSafeText::IsValidName(QStringLiteral("RIZARIR_WeatherData")));
}

TEST(XmlSafeText, ValuesLoseOnlyWhatXmlCannotCarry)
{
    EXPECT_EQ(CXmlSafeText::CleanValue(QStringLiteral("a\tb\r\nc 中")), QStringLiteral("a\tb\r\nc 中"));
    EXPECT_EQ(CXmlSafeText::CleanValue(QString::fromUtf8("a\x01"
                                                         "b\x1f")),
              QString::fromUtf8("a\uFFFDb\uFFFD"));
    EXPECT_EQ(CXmlSafeText::CleanValue(QString(QChar(0xD800)) + "x"), QString::fromUtf8("\uFFFDx"));
}
