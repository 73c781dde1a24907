#include "platform/core/CIniFile.h"
#include "platform/core/CGbkCodec.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {
// Written with Windows line ends, as the shipped files come.
const QString IniText = QStringLiteral("; 报表设置\r\n"
                                       "[General]\r\n"
                                       "Language = 中文 \r\n"
                                       "Data=System\\SysData.dat\r\n"
                                       "[报表]\r\n"
                                       ";Title=注释\r\n"
                                       "Title=负荷计算书\r\n"
                                       "Formula=a=b+c\r\n");

class CIniFileTest : public ::testing::TestWithParam<bool>
{
protected:
    // The file in UTF-8, or in GBK when the parameter is set.
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(GetParam() ? CGbkCodec::ToGbk(IniText) : IniText.toUtf8());
    }
    QString Path() const { return m_dir.filePath("config.ini"); }

    QTemporaryDir m_dir;
};
} // namespace

TEST_P(CIniFileTest, MatchesSectionAndKeyWhateverTheirCase)
{
    const CIniFile ini(Path());
    EXPECT_EQ(ini.ReadString("general", "LANGUAGE"), QStringLiteral("中文"));
    EXPECT_EQ(ini.ReadString("GENERAL", "data"), QStringLiteral("System\\SysData.dat"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("报表"), "title"), QStringLiteral("负荷计算书"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("报表"), "Formula"), QStringLiteral("a=b+c"));
}

TEST_P(CIniFileTest, GivesTheDefaultForAMissingSectionOrKey)
{
    const CIniFile ini(Path());
    EXPECT_EQ(ini.ReadString("Other", "Language", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("General", "Title", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("General", "Missing", "dflt"), "dflt");
    EXPECT_EQ(CIniFile(m_dir.filePath("absent.ini")).ReadString("General", "Language", "dflt"), "dflt");
}

INSTANTIATE_TEST_SUITE_P(Encodings, CIniFileTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "Gbk" : "Utf8";
                         });

TEST_P(CIniFileTest, ListsTheSectionsInFileOrder)
{
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("[GENERAL]\r\nOther=1\r\n[setting]\r\n");
    file.close();
    EXPECT_EQ(CIniFile(Path()).SectionNames(), (QStringList{"General", QStringLiteral("报表"), "setting"}));
    EXPECT_TRUE(CIniFile(m_dir.filePath("absent.ini")).SectionNames().isEmpty());
}

TEST_P(CIniFileTest, WritesOneValueAndKeepsEveryOtherLineAndTheEncoding)
{
    QFile before(Path());
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray original = before.readAll();
    before.close();

    const CIniFile ini(Path());
    ASSERT_TRUE(ini.WriteString("GENERAL", "language", QStringLiteral("英文")));
    ASSERT_TRUE(ini.WriteString(QStringLiteral("报表"), "Footer", QStringLiteral("页脚")));
    ASSERT_TRUE(ini.WriteString("setting", "default", "en"));

    QFile after(Path());
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    const QByteArray bytes = after.readAll();
    const QString expected = QStringLiteral("; 报表设置\r\n"
                                            "[General]\r\n"
                                            "Language=英文\r\n"
                                            "Data=System\\SysData.dat\r\n"
                                            "[报表]\r\n"
                                            ";Title=注释\r\n"
                                            "Title=负荷计算书\r\n"
                                            "Formula=a=b+c\r\n"
                                            "Footer=页脚\r\n"
                                            "[setting]\r\n"
                                            "default=en\r\n");
    EXPECT_EQ(bytes, GetParam() ? CGbkCodec::ToGbk(expected) : expected.toUtf8());
    EXPECT_NE(bytes, original);
    EXPECT_EQ(ini.ReadString("General", "Language"), QStringLiteral("英文"));
}

TEST(CIniFileWrite, CreatesAMissingFileAndRefusesAnUnwritableFolder)
{
    QTemporaryDir dir;
    const CIniFile ini(dir.filePath("new.ini"));
    ASSERT_TRUE(ini.WriteString("setting", "default", "cn"));
    QFile file(ini.Path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[setting]\ndefault=cn\n"));
    EXPECT_FALSE(CIniFile(dir.filePath("missing/folder/new.ini")).WriteString("setting", "default", "cn"));
}
