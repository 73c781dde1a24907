#include "upgrade/ProjectBackup.h"

#include "platform/core/Exception.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// 5 March 2024, 09:07:03: month, day, hour and minute below 10.
const QDateTime Now(QDate(2024, 3, 5), QTime(9, 7, 3));
const QString NewCopy = QStringLiteral("20240305090703.vlz");

class ProjectBackupTest : public ::testing::Test
{
protected:
    ProjectBackupTest()
    {
        EXPECT_TRUE(m_dir.isValid());
        WriteFile(ProjectPath(), "current project");
    }

    QString ProjectPath() const { return m_dir.filePath(QStringLiteral("Office.VLZ")); }
    QString BackupPath(const QString& relative = QString()) const
    {
        return m_dir.filePath(QStringLiteral("Backup/") + relative);
    }
    QStringList BackupEntries(const QString& relative = QString()) const
    {
        return QDir(BackupPath(relative)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }
    static void WriteFile(const QString& path, const QByteArray& content)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(content);
    }
    static QByteArray ReadFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};
} // namespace

// Copies of today and of the two most recent earlier days with copies remain. Files that are not
// time-stamped copies, and copies dated after today, are never thinned out.
TEST_F(ProjectBackupTest, RollingBackupKeepsTodayAndTwoEarlierDays)
{
    struct SCase
    {
        const char* name;
        QStringList present;
        QStringList remaining; // besides the new copy
    };
    const QList<SCase> cases{
        {"first backup of the project", {}, {}},
        {"only today",
         {"20240305010000.vlz", "20240305020000.vlz", "20240305030000.vlz"},
         {"20240305010000.vlz", "20240305020000.vlz", "20240305030000.vlz"}},
        {"four earlier days",
         {"20240301080000.vlz", "20240302080000.vlz", "20240302235959.vlz", "20240303080000.vlz",
          "20240304080000.vlz", "20240305080000.vlz", "20240305083000.vlz"},
         {"20240303080000.vlz", "20240304080000.vlz", "20240305080000.vlz", "20240305083000.vlz"}},
        {"earlier days across a month and a year",
         {"20231231120000.vlz", "20240101120000.vlz", "20240229120000.vlz"},
         {"20240101120000.vlz", "20240229120000.vlz"}},
        {"files placed by hand and a copy dated after today",
         {"other.vlz", "Other2.vlz", "notes.txt", "20240401000000.vlz", "20240228230000.vlz",
          "20240301080000.VLZ", "20240304080000.vlz"},
         {"20240301080000.VLZ", "20240304080000.vlz", "20240401000000.vlz", "Other2.vlz", "notes.txt",
          "other.vlz"}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(BackupPath()).removeRecursively();
        if (!c.present.isEmpty())
            QDir().mkpath(BackupPath());
        for (const QString& name : c.present)
            WriteFile(BackupPath(name), "older copy");

        BackupProjectFile(ProjectPath(), QString(), Now);

        QStringList expected = c.remaining;
        expected << NewCopy;
        expected.sort();
        QStringList entries = BackupEntries();
        entries.sort();
        EXPECT_EQ(entries, expected);
        EXPECT_EQ(ReadFile(BackupPath(NewCopy)), "current project");
    }
}

// A second copy within the same second replaces the first.
TEST_F(ProjectBackupTest, RollingBackupOfTheSameSecondReplacesTheCopy)
{
    BackupProjectFile(ProjectPath(), QString(), Now);
    WriteFile(ProjectPath(), "changed project");
    BackupProjectFile(ProjectPath(), QString(), Now);
    EXPECT_EQ(BackupEntries(), QStringList{NewCopy});
    EXPECT_EQ(ReadFile(BackupPath(NewCopy)), "changed project");
}

// The full backup goes to Backup/Full under its name, replacing a copy of that name; nothing is
// thinned out, neither there nor among the rolling copies.
TEST_F(ProjectBackupTest, FullBackupGoesToFullFolderAndThinsNothing)
{
    QDir().mkpath(BackupPath(QStringLiteral("Full")));
    WriteFile(BackupPath(QStringLiteral("20200101000000.vlz")), "old rolling copy");
    WriteFile(BackupPath(QStringLiteral("20200102000000.vlz")), "old rolling copy");
    WriteFile(BackupPath(QStringLiteral("20200103000000.vlz")), "old rolling copy");
    WriteFile(BackupPath(QStringLiteral("Full/Office3.7.vlz")), "earlier full backup");
    WriteFile(BackupPath(QStringLiteral("Full/Office4.0.vlz")), "other full backup");

    BackupProjectFile(ProjectPath(), QStringLiteral("Office3.7.vlz"), Now);

    EXPECT_EQ(BackupEntries(),
              (QStringList{"20200101000000.vlz", "20200102000000.vlz", "20200103000000.vlz", "Full"}));
    EXPECT_EQ(BackupEntries(QStringLiteral("Full")), (QStringList{"Office3.7.vlz", "Office4.0.vlz"}));
    EXPECT_EQ(ReadFile(BackupPath(QStringLiteral("Full/Office3.7.vlz"))), "current project");
    EXPECT_EQ(ReadFile(BackupPath(QStringLiteral("Full/Office4.0.vlz"))), "other full backup");
}

TEST_F(ProjectBackupTest, FirstFullBackupCreatesBothFolders)
{
    BackupProjectFile(ProjectPath(), QStringLiteral("Office4.0.vlz"), Now);
    EXPECT_EQ(BackupEntries(), QStringList{"Full"});
    EXPECT_EQ(ReadFile(BackupPath(QStringLiteral("Full/Office4.0.vlz"))), "current project");
}

// A copy that cannot be made is reported, and then no older copy is deleted either.
TEST_F(ProjectBackupTest, FailedCopyIsReportedAndDeletesNothing)
{
    struct SCase
    {
        const char* name;
        QString blocked; // a folder or file standing where the copy must go
        bool blockWithFolder;
        QString fileName;
    };
    const QList<SCase> cases{
        {"no Backup folder can be made", "Backup", false, QString()},
        {"no Full folder can be made", "Backup/Full", false, QStringLiteral("Office3.7.vlz")},
        {"the rolling copy's name is taken by a folder", "Backup/" + NewCopy, true, QString()},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(BackupPath()).removeRecursively();
        QFile::remove(BackupPath().chopped(1));
        const QString blocked = m_dir.filePath(c.blocked);
        QStringList older;
        if (c.blockWithFolder) {
            QDir().mkpath(blocked);
            older = QStringList{"20240201000000.vlz", "20240202000000.vlz", "20240203000000.vlz"};
            for (const QString& name : older)
                WriteFile(BackupPath(name), "older copy");
        } else {
            QDir().mkpath(QFileInfo(blocked).path());
            WriteFile(blocked, "in the way");
        }

        try {
            BackupProjectFile(ProjectPath(), c.fileName, Now);
            ADD_FAILURE() << "the failed copy was not reported";
        } catch (const Exception& e) {
            EXPECT_TRUE(e.Message().startsWith(QStringLiteral("备份工程文件失败，工程未作任何修改。\n")))
                << e.Message().toStdString();
        }
        for (const QString& name : older)
            EXPECT_TRUE(QFile::exists(BackupPath(name))) << name.toStdString();
    }
    QFile::remove(BackupPath().chopped(1));
}
