// The example plug-in's report in the demonstration project's book written by didivov_book.
#include "tests/support/CTestProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PlugInBookTest, TheDemoBookEndsWithTheRoomAreaReportOfItsDesignTypeOnly)
{
    QTemporaryDir dir;
    const QDir demo(GeneratedProgramFolder() + QStringLiteral("/User/示例工程"));
    for (const char* name : {"示例工程.VLZ", "OutPutConfig.data"}) {
        const QString target = dir.filePath(QString::fromUtf8(name));
        ASSERT_TRUE(QFile::copy(demo.filePath(QString::fromUtf8(name)), target)) << name;
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    const auto book = [&](const QString& type) {
        const QString out = dir.filePath(QStringLiteral("book%1.txt").arg(type));
        QProcess process;
        process.start(QStringLiteral(BOOK_TOOL), {dir.filePath(QStringLiteral("示例工程.VLZ")), out,
                                                   QStringLiteral("--type"), type});
        EXPECT_TRUE(process.waitForFinished(180000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        QFile file(out);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    const QString detailed = book(QStringLiteral("3"));
    const qsizetype report = detailed.lastIndexOf(QStringLiteral("房间面积表"));
    ASSERT_GE(report, 0);
    EXPECT_GT(detailed.indexOf(QStringLiteral("合计"), report), report);
    EXPECT_GT(detailed.indexOf(QStringLiteral("办公室"), report), report);
    // The plug-in serves the detailed cooling type only.
    EXPECT_FALSE(book(QStringLiteral("0")).contains(QStringLiteral("房间面积表")));
}
