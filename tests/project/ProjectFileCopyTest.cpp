#include "project/CProjectFileCopy.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void Write(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(ProjectFileCopy, TheCadModelAndSchemesGoWithTheDatabaseAndStaleOnesGo)
{
    QTemporaryDir dir;
    const QString a = dir.filePath("A.VLZ");
    Write(a, "db A");
    Write(dir.filePath("A.qcd"), "cad A");
    // B was a project of its own: its schemes must not become the copy's.
    Write(dir.filePath("B.VLZ"), "db B");
    Write(dir.filePath("B.run"), "run B");
    Write(dir.filePath("B.qcd"), "cad B");

    QString message;
    ASSERT_TRUE(CProjectFileCopy::Copy(a, dir.filePath("B.VLZ"), message)) << message.toStdString();
    EXPECT_EQ(Read(dir.filePath("B.VLZ")), "db A");
    EXPECT_EQ(Read(dir.filePath("B.qcd")), "cad A");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("B.run")));

    Write(dir.filePath("A.run"), "run A");
    ASSERT_TRUE(CProjectFileCopy::Copy(a, dir.filePath("C.VLZ"), message));
    EXPECT_EQ(Read(dir.filePath("C.run")), "run A");
    EXPECT_EQ(Read(dir.filePath("A.VLZ")), "db A");
}

TEST(ProjectFileCopy, ACopyThatFailsLeavesTheFilesOfTheTargetWholeAndNoPartBehind)
{
    QTemporaryDir dir;
    const QString a = dir.filePath("A.VLZ");
    Write(a, "db A");
    Write(dir.filePath("A.qcd"), "cad A");
    // The schemes of A cannot be read, and they come last.
    ASSERT_TRUE(QDir(dir.path()).mkdir("A.run"));
    Write(dir.filePath("B.VLZ"), "db B");
    Write(dir.filePath("B.qcd"), "cad B");
    Write(dir.filePath("B.run"), "run B");

    QString message;
    EXPECT_FALSE(CProjectFileCopy::Copy(a, dir.filePath("B.VLZ"), message));
    EXPECT_TRUE(message.contains(QStringLiteral("A.run"))) << message.toStdString();
    EXPECT_EQ(Read(dir.filePath("B.VLZ")), "db B");
    EXPECT_EQ(Read(dir.filePath("B.qcd")), "cad B");
    EXPECT_EQ(Read(dir.filePath("B.run")), "run B");
    EXPECT_EQ(
        QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase),
        (QStringList{"A.qcd", "A.run", "A.VLZ", "B.qcd", "B.run", "B.VLZ"}));
}

TEST(ProjectFileCopy, IntoAnotherFolderThePluginSettingsAndDrawingsGoWithoutReplacingThatFoldersOwn)
{
    QTemporaryDir dir;
    const QString a = dir.filePath("src/A.VLZ");
    Write(a, "db A");
    Write(dir.filePath("src/OutPutConfig.data"), "plug A");
    Write(dir.filePath("src/Shade.config"), "shade A");
    Write(dir.filePath("src/CAD/floor1.dxf"), "drawing 1");
    Write(dir.filePath("src/CAD/floor2.dxf"), "drawing 2");
    Write(dir.filePath("dst/CAD/floor2.dxf"), "their drawing 2");
    Write(dir.filePath("dst/Shade.config"), "shade theirs");

    QString message;
    ASSERT_TRUE(CProjectFileCopy::Copy(a, dir.filePath("dst/B.VLZ"), message)) << message.toStdString();
    EXPECT_EQ(Read(dir.filePath("dst/OutPutConfig.data")), "plug A");
    EXPECT_EQ(Read(dir.filePath("dst/Shade.config")), "shade theirs");
    EXPECT_EQ(Read(dir.filePath("dst/CAD/floor1.dxf")), "drawing 1");
    EXPECT_EQ(Read(dir.filePath("dst/CAD/floor2.dxf")), "their drawing 2");
}

TEST(ProjectFileCopy, RefusesToCopyAProjectOntoItselfOrFromNothing)
{
    QTemporaryDir dir;
    const QString a = dir.filePath("A.VLZ");
    Write(a, "db A");
    QString message;
    EXPECT_FALSE(CProjectFileCopy::Copy(a, dir.path() + "/./A.VLZ", message));
    EXPECT_FALSE(message.isEmpty());
    EXPECT_EQ(Read(a), "db A");
    EXPECT_FALSE(CProjectFileCopy::Copy(dir.filePath("none.VLZ"), dir.filePath("B.VLZ"), message));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("B.VLZ")));
}

} // namespace
