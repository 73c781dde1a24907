// "合并工程" without the merge library and with merges that fail or succeed.
#include "model/CTreeView2DB.h"
#include "project/CProjectMerge.h"
#include "project/CSystemGlobalData.h"
#include "tests/app/MainWindowFixture.h"

#include <QDir>
#include <QFile>

namespace {
QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class ProjectMergeTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        OpenSmallProject();
    }
    QString Backup() const { return CProjectMerge::BackupPath(m_projectPath); }
    int Rooms() const
    {
        QList<CNodeData*> nodes;
        CTreeView2DB::Current().Root().CollectDescendants(nodes);
        return static_cast<int>(std::count_if(nodes.begin(), nodes.end(), [](CNodeData* n) { return n->Type() == 3; }));
    }
};
} // namespace

TEST(ProjectMergeNameTest, TheBackupReplacesTheTextAfterTheLastDot)
{
    EXPECT_EQ(CProjectMerge::BackupPath(QStringLiteral("/p/a.b/A.VLZ")), QStringLiteral("/p/a.b/A.temp"));
    EXPECT_EQ(CProjectMerge::BackupPath(QStringLiteral("/p/A")), QStringLiteral("/temp"));
}

TEST_F(ProjectMergeTest, WithoutTheMergeLibraryTheProjectIsRestoredAndOpenAgain)
{
    Trigger("Action_MergePrj");
    EXPECT_EQ(m_dialogs->Messages.value(m_dialogs->Messages.size() - 1), QStringLiteral("工程合并失败!!!"));
    EXPECT_FALSE(QFile::exists(Backup()));
    EXPECT_TRUE(CSystemGlobalData::Current().IsProjectOpen());
    EXPECT_EQ(Rooms(), 2);
    EXPECT_NE(Item(3, QStringLiteral("房间1")), nullptr) << "the tree view is filled again";
}

TEST_F(ProjectMergeTest, AFailedMergeLeavesTheFileByteForByteAsItWasAndAStaleBackupIsNotUsed)
{
    QFile stale(Backup());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("an old backup");
    stale.close();
    QByteArray before;
    QByteArray backup;
    const bool merged = CProjectMerge::Run([&](const QString& path) {
        before = Read(path);
        backup = Read(Backup());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("half-merged");
        return false;
    });
    EXPECT_FALSE(merged);
    EXPECT_EQ(backup, before);
    EXPECT_EQ(Read(m_projectPath), before);
    EXPECT_FALSE(QFile::exists(Backup()));
    EXPECT_EQ(Rooms(), 2);
}

TEST_F(ProjectMergeTest, ASuccessfulMergeKeepsTheMergedFileAndLeavesNoBackup)
{
    const QString other = NewProject(QStringLiteral("另一个.VLZ"));
    const bool merged = CProjectMerge::Run([&](const QString& path) {
        // The merge library's stand-in: the merged project is the blank one.
        QFile::remove(path);
        return QFile::copy(other, path);
    });
    EXPECT_TRUE(merged);
    EXPECT_FALSE(QFile::exists(Backup()));
    EXPECT_TRUE(m_dialogs->Messages.filter(QStringLiteral("工程合并失败")).isEmpty());
    EXPECT_EQ(Rooms(), 0);
}

TEST_F(ProjectMergeTest, WithoutABackupTheMergeIsNotAttempted)
{
    ASSERT_TRUE(QDir().mkpath(Backup())); // a folder in the backup's place cannot be replaced
    const QByteArray before = Read(m_projectPath);
    bool called = false;
    EXPECT_FALSE(CProjectMerge::Run([&](const QString&) { return called = true; }));
    EXPECT_FALSE(called);
    EXPECT_EQ(Read(m_projectPath).size(), before.size());
    EXPECT_EQ(m_dialogs->Messages.value(m_dialogs->Messages.size() - 1), QStringLiteral("工程合并失败!!!"));
    EXPECT_EQ(Rooms(), 2);
    QDir().rmdir(Backup());
}
