#include "platform/core/CGbkCodec.h"

#include <gtest/gtest.h>

TEST(CGbkCodec, RoundTripsChineseThroughGbkBytes)
{
    const QString text = QStringLiteral("严重错误");
    const QByteArray gbk = CGbkCodec::ToGbk(text);
    EXPECT_EQ(gbk, QByteArray("\xD1\xCF\xD6\xD8\xB4\xED\xCE\xF3"));
    EXPECT_EQ(CGbkCodec::FromGbk(gbk), text);
}

TEST(CGbkCodec, DecodesUtf8FirstAndFallsBackToGbk)
{
    const QString text = QStringLiteral("外墙=1");
    EXPECT_EQ(CGbkCodec::DecodeUtf8OrGbk(text.toUtf8()), text);
    EXPECT_EQ(CGbkCodec::DecodeUtf8OrGbk("\xEF\xBB\xBF" + text.toUtf8()), text);
    EXPECT_EQ(CGbkCodec::DecodeUtf8OrGbk(CGbkCodec::ToGbk(text)), text);
}
