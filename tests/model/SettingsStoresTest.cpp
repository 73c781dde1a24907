#include "tests/model/ModelFixture.h"

#include "model/CQORConfig.h"
#include "model/CRegistry.h"
#include "model/CSysRegistry.h"

#include <QFile>

using SettingsStores = ModelFixture;

TEST_F(SettingsStores, RegistryKeysJoinSectionAndName)
{
    EXPECT_EQ(CRegistry::MakeRegistryKey("Output", "Head_Winter"), QStringLiteral("Output_Head_Winter"));
    EXPECT_EQ(CRegistry::MakeRegistryKey("", "maxtime"), QStringLiteral("maxtime"));
}

TEST_F(SettingsStores, RegistryReadsBooleansAndIntegersAsStored)
{
    CRegistry writer;
    writer.WriteRegistryString("Output", "Head_Winter", "TRUE");
    writer.WriteRegistryString("Output", "Lower", "true");
    writer.WriteRegistryString("Output", "Count", "12ab");
    writer.WriteRegistryString("Output", "Word", "abc");
    writer.WriteRegistryString("Landscape", "Head_Winter", "FALSE");

    CRegistry registry;
    registry.LoadRegistrySection("Output");
    EXPECT_TRUE(registry.ReadRegistryBool("Head_Winter", false));
    EXPECT_FALSE(registry.ReadRegistryBool("Lower", true));
    EXPECT_TRUE(registry.ReadRegistryBool("Absent", true));
    EXPECT_FALSE(registry.ReadRegistryBool("Absent", false));
    EXPECT_EQ(registry.ReadRegistryInt("Count"), 12);
    EXPECT_EQ(registry.ReadRegistryInt("Word"), 0);
    EXPECT_EQ(registry.ReadRegistryInt("Absent"), -1);
    // Only the section's keys are loaded.
    EXPECT_EQ(registry.ReadRegistryKey("Landscape", "Head_Winter"), QString());
}

TEST_F(SettingsStores, RegistryWritesOneRowPerKey)
{
    CRegistry registry;
    registry.LoadRegistrySection("Output");
    registry.WriteRegistryValue("Path", "C:\\it's here");
    registry.WriteRegistryBool("Flag", true);
    registry.WriteRegistryBool("Flag", false);
    EXPECT_EQ(ProjectColumn("select f_value from tbl_registry where f_key = 'Output_Flag'"),
              QStringList{"FALSE"});
    EXPECT_EQ(ProjectColumn("select f_value from tbl_registry where f_key = 'Output_Path'"),
              QStringList{"C:\\it's here"});
}

TEST_F(SettingsStores, LoadingEveryKeyKeepsTheSection)
{
    CRegistry registry;
    registry.LoadRegistrySection("Output");
    registry.WriteRegistryValue("A", "1");
    registry.LoadRegistrySection("");
    EXPECT_EQ(registry.Section(), QStringLiteral("Output"));
    EXPECT_EQ(registry.ReadRegistryKey("", "prjversion"), QStringLiteral("57"));
    EXPECT_EQ(registry.ReadRegistryString("A"), QStringLiteral("1"));
}

TEST_F(SettingsStores, SystemRegistryReplacesTheRecentList)
{
    CSysRegistry registry;
    QStringList values;
    EXPECT_EQ(registry.ReadValues("ProjectFileName", values), 0);

    ASSERT_TRUE(registry.WriteValues("ProjectFileName", {"/a/One.VLZ", "/b/Two's.VLZ", "/c/Three.VLZ"}));
    ASSERT_TRUE(registry.WriteValues("ProjectFileName", {"/x/A.VLZ", "/y/B's.VLZ", "/z/C.VLZ"}));
    EXPECT_EQ(registry.Select("ProjectFileName", 2), 3);
    EXPECT_EQ(registry.ReadValues("ProjectFileName", values), 1);
    EXPECT_EQ(values, (QStringList{"/x/A.VLZ", "/y/B's.VLZ", "/z/C.VLZ"}));

    EXPECT_EQ(registry.WriteValue("ActiveProjectName", "/p/First.VLZ"), 1);
    EXPECT_EQ(registry.WriteValue("ActiveProjectName", "/p/Second.VLZ"), 1);
    QString active;
    EXPECT_EQ(registry.ReadValue("ActiveProjectName", active), 1);
    EXPECT_EQ(active, QStringLiteral("/p/Second.VLZ"));
    EXPECT_EQ(registry.Select("ActiveProjectName", 2), 1);

    EXPECT_EQ(registry.InsertValue("ProjectFileName", "/w/D.VLZ"), 1);
    EXPECT_EQ(registry.Select("ProjectFileName", 2), 4);
    EXPECT_TRUE(Dialogs().Messages.isEmpty());
}

TEST_F(SettingsStores, ConfigModeChoosesThePicker)
{
    const auto writeConfig = [this](const QByteArray& text) {
        QFile file(m_folder.File("lib/config.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    };
    CQORConfig config;
    writeConfig("[lib]\nmode=new\n");
    EXPECT_TRUE(config.UsesNewPicker());
    writeConfig("[LIB]\nMode = New\n");
    EXPECT_FALSE(config.UsesNewPicker());
    EXPECT_EQ(config.ReadConfigString("lib", "mode"), QStringLiteral("New"));
    QFile::remove(m_folder.File("lib/config.ini"));
    EXPECT_EQ(config.ReadConfigString("lib", "mode"), QString());
    EXPECT_FALSE(config.UsesNewPicker());
}
