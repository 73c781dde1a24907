#include "lang/CLgFormRegistryBase.h"
#include "lang/CMultiLanguage.h"
#include "lang/CMultiLgGroup.h"
#include "platform/core/CGbkCodec.h"
#include "tests/lang/LanguageFolder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {
const QString Config = QStringLiteral("; languages\r\n"
                                      "[setting]\r\n"
                                      "default=en\r\n"
                                      "[cn]\r\n"
                                      "filename=cn.xml\r\n"
                                      "font-name=\r\n"
                                      "[en]\r\n"
                                      "filename=en.xml\r\n"
                                      "font-name=Arial\r\n"
                                      "dissize=2\r\n"
                                      "charset=1\r\n");

class CountingRegistry : public CLgFormRegistryBase
{
public:
    void ReattachAll() override { ++Count; }
    int Count = 0;
};

class MultiLanguage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder.Write("config.ini", Config);
        m_folder.Write("cn.xml", LanguageFolder::LanguageFile(
                                     R"(<group name="form_Main"><item name="Button1_Caption" value="确定"/></group>)"));
        m_folder.Write("en.xml", LanguageFolder::LanguageFile(
                                     R"(<group name="form_Main"><item name="Button1_Caption" value="OK"/></group>)"
                                     R"(<group name="form_Other"><item name="Label1_Caption" value="Name"/></group>)"));
        m_manager.SetFormRegistry(&m_registry);
    }
    QString Text(const QString& group, const QString& key) const
    {
        return TranslateText(*m_manager.GetGroup(group), key, QStringLiteral("默认"));
    }

    LanguageFolder m_folder;
    CountingRegistry m_registry;
    CMultiLanguage m_manager;
};
} // namespace

TEST_F(MultiLanguage, TheDefaultLanguageIsSelectedAndItsFileLoadedWithoutAnyWrite)
{
    const QByteArray config = m_folder.Read("config.ini");
    m_manager.ReadLanguageConfig(m_folder.Path());
    // The manager needs no application object.
    EXPECT_EQ(QCoreApplication::instance(), nullptr);
    EXPECT_EQ(m_manager.CurrentLanguage(), "en");
    ASSERT_NE(m_manager.GetCurrentParam(), nullptr);
    EXPECT_EQ(m_manager.GetCurrentParam()->FileName, "en.xml");
    EXPECT_EQ(m_manager.GetCurrentParam()->FontName, "Arial");
    EXPECT_EQ(m_manager.GetCurrentParam()->DisSize, 2);
    EXPECT_EQ(m_manager.GetCurrentParam()->Charset, 1);
    EXPECT_EQ(Text("form_Main", "Button1_Caption"), "OK");
    EXPECT_EQ(Text("form_Other", "Label1_Caption"), "Name");
    EXPECT_EQ(Text("form_Other", "label1_caption"), QStringLiteral("默认")); // keys match exactly
    EXPECT_EQ(m_registry.Count, 1);
    EXPECT_EQ(m_folder.Read("config.ini"), config);
    EXPECT_TRUE(m_manager.TakeProblems().isEmpty());
}

TEST_F(MultiLanguage, LanguagesKeepTheirFileOrderAndTheirDefaults)
{
    m_folder.Write("config.ini", QStringLiteral("[SETTING]\ndefault=cn\n[Setting]\n[cn]\nfilename=cn.xml\n[fr]\n"));
    m_manager.ReadLanguageConfig(m_folder.Path());
    ASSERT_EQ(m_manager.Languages().size(), 2u); // "setting" in any letter case is no language
    EXPECT_EQ(m_manager.Languages()[0].Section, "cn");
    EXPECT_EQ(m_manager.Languages()[0].FileName, "cn.xml");
    const CLgParam& fr = m_manager.Languages()[1];
    EXPECT_EQ(fr.Section, "fr");
    EXPECT_EQ(fr.FileName, "");
    EXPECT_EQ(fr.FontName, QStringLiteral("宋体"));
    EXPECT_EQ(fr.Charset, 0);
    EXPECT_EQ(fr.DisSize, 0);
    EXPECT_EQ(Text("form_Main", "Button1_Caption"), QStringLiteral("确定"));
}

TEST_F(MultiLanguage, ADefaultInOtherLetterCaseSelectsNothingAndIsNotWrittenAgain)
{
    m_folder.Write("config.ini", QString(Config).replace("default=en", "default=EN"));
    const QByteArray config = m_folder.Read("config.ini");
    m_manager.ReadLanguageConfig(m_folder.Path());
    EXPECT_EQ(m_manager.CurrentLanguage(), "EN");
    EXPECT_EQ(m_manager.GetCurrentParam(), nullptr);
    EXPECT_EQ(m_manager.GroupCount(), 0);
    EXPECT_EQ(m_registry.Count, 0);
    EXPECT_EQ(Text("form_Main", "Button1_Caption"), QStringLiteral("默认"));
    EXPECT_EQ(m_folder.Read("config.ini"), config);
    EXPECT_EQ(m_manager.TakeProblems(),
              QStringList{QStringLiteral("语言配置文件中没有语言“EN”，界面使用程序自带的文字。")});
}

TEST_F(MultiLanguage, OnlyARealChangeOfLanguageIsWritten)
{
    m_manager.ReadLanguageConfig(m_folder.Path());
    // Someone else stores another default meanwhile: selecting the current language again
    // neither loads nor writes anything.
    m_folder.Write("config.ini", QString(Config).replace("default=en", "default=cn"));
    m_manager.SelectLanguage("en", true);
    EXPECT_EQ(m_registry.Count, 1);
    EXPECT_TRUE(m_folder.Read("config.ini").contains("default=cn"));

    m_manager.SelectLanguage("cn", true);
    EXPECT_EQ(m_registry.Count, 2);
    EXPECT_EQ(Text("form_Main", "Button1_Caption"), QStringLiteral("确定"));
    EXPECT_EQ(m_folder.Read("config.ini"), QString(Config).replace("default=en", "default=cn").toUtf8());

    // Without reload nothing is loaded, but the choice is kept.
    m_manager.SelectLanguage("en", false);
    EXPECT_EQ(m_registry.Count, 2);
    EXPECT_EQ(Text("form_Main", "Button1_Caption"), QStringLiteral("确定"));
    EXPECT_EQ(m_folder.Read("config.ini"), Config.toUtf8());
}

TEST_F(MultiLanguage, AMissingSettingIsAddedWhenTheLanguageIsChosen)
{
    m_folder.Write("config.ini", QStringLiteral("[cn]\nfilename=cn.xml\n"));
    m_manager.ReadLanguageConfig(m_folder.Path());
    EXPECT_EQ(m_manager.CurrentLanguage(), "cn");
    EXPECT_EQ(m_folder.Read("config.ini"), QByteArray("[cn]\nfilename=cn.xml\n[setting]\ndefault=cn\n"));
}

class ChineseKeys : public MultiLanguage, public ::testing::WithParamInterface<bool>
{
};

TEST_P(ChineseKeys, AreFoundInUtf8AndGbkFiles)
{
    const QString file = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>\n"
                                         "<root><trans><group name=\"form_CAD\">"
                                         "<item name=\"墙体-%d\" value=\"Wall-%d\"/></group></trans></root>\n")
                             .arg(GetParam() ? "GBK" : "UTF-8");
    m_folder.Write("en.xml", GetParam() ? CGbkCodec::ToGbk(file) : file.toUtf8());
    m_manager.ReadLanguageConfig(m_folder.Path());
    EXPECT_EQ(Text("form_CAD", QStringLiteral("墙体-%d")), "Wall-%d");
}

INSTANTIATE_TEST_SUITE_P(Encodings, ChineseKeys, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Gbk" : "Utf8"; });

TEST_F(MultiLanguage, ElementNamesAreNotCheckedAndLaterEntriesWin)
{
    m_folder.Write("en.xml", QStringLiteral(R"(<?xml version="1.0"?>
<language>
  <!-- a comment is neither group nor item -->
  <other><g name="form_Main"><i name="Button1_Caption" value="Wrong"/></g></other>
  <trans>
    <anything name="form_Main">
      <entry name="Button1_Caption" value="First"/>
      <!-- comment -->
      <entry name="Button1_Caption" value="OK"/>
      <entry name="Button2_Caption" value=""/>
      <entry value="No key"/>
    </anything>
    <group name="form_Other"><item name="Label1_Caption" value="Old"/></group>
    <group name="form_Other"><item name="Label2_Caption" value="New"/></group>
  </trans>
  <trans><group name="form_Third"><item name="A" value="B"/></group></trans>
</language>
)"));
    m_manager.ReadLanguageConfig(m_folder.Path());
    EXPECT_EQ(Text("form_Main", "Button1_Caption"), "OK");
    EXPECT_EQ(Text("form_Main", "Button2_Caption"), QStringLiteral("默认")); // an empty text never blanks a caption
    EXPECT_EQ(m_manager.GetGroup("form_Main")->Count(), 1);
    EXPECT_EQ(Text("form_Other", "Label1_Caption"), QStringLiteral("默认"));
    EXPECT_EQ(Text("form_Other", "Label2_Caption"), "New");
    EXPECT_EQ(Text("form_Third", "A"), QStringLiteral("默认")); // only the first "trans" counts
    EXPECT_EQ(m_manager.GroupCount(), 2);
}

TEST_F(MultiLanguage, AMissingOrDamagedFileLeavesEveryTextAtItsDefaultWithALine)
{
    struct SCase
    {
        const char* name;
        QByteArray bytes; // empty: no file
        QString problem;
    };
    const SCase cases[] = {
        {"missing", {}, QStringLiteral("语言文件%1不存在，界面使用程序自带的文字。")},
        {"truncated", "<root><trans><group name=\"form_Main\"><item name=\"Button1_Caption\" value=\"OK\"/>",
         QStringLiteral("语言文件%1无法读取或不是有效的XML文件，界面使用程序自带的文字。")},
        {"binary", QByteArray("\x00\x01\x02\xff", 4),
         QStringLiteral("语言文件%1无法读取或不是有效的XML文件，界面使用程序自带的文字。")},
        {"no trans", "<root><group name=\"form_Main\"/></root>",
         QStringLiteral("语言文件%1中没有trans节点，界面使用程序自带的文字。")},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(m_folder.File("en.xml"));
        if (!c.bytes.isEmpty())
            m_folder.Write("en.xml", c.bytes);
        CMultiLanguage manager;
        manager.ReadLanguageConfig(m_folder.Path());
        EXPECT_EQ(manager.CurrentLanguage(), "en");
        EXPECT_EQ(manager.GroupCount(), 0);
        EXPECT_EQ(TranslateText(*manager.GetGroup("form_Main"), "Button1_Caption", "确定"), QStringLiteral("确定"));
        EXPECT_EQ(manager.TakeProblems(), QStringList{c.problem.arg(QDir::toNativeSeparators(m_folder.File("en.xml")))});
    }
}

TEST_F(MultiLanguage, NoConfigurationMeansNoLanguageAndEmptyGroups)
{
    QFile::remove(m_folder.File("config.ini"));
    m_manager.ReadLanguageConfig(m_folder.Path());
    EXPECT_EQ(m_manager.CurrentLanguage(), "");
    EXPECT_TRUE(m_manager.Languages().empty());
    EXPECT_EQ(m_manager.GetCurrentParam(), nullptr);
    EXPECT_EQ(m_registry.Count, 0);
    EXPECT_FALSE(QFile::exists(m_folder.File("config.ini")));
    EXPECT_EQ(m_manager.TakeProblems().size(), 1);
    EXPECT_TRUE(m_manager.TakeProblems().isEmpty());

    // A missing group is an empty group of its own, each time.
    const auto first = m_manager.GetGroup("form_Main");
    EXPECT_EQ(first->Name(), "form_Main");
    EXPECT_EQ(first->Count(), 0);
    EXPECT_NE(first, m_manager.GetGroup("form_Main"));
    EXPECT_EQ(TranslateText(*first, "", "x"), "x");
}
