#include "tests/support/CTestProgramFolder.h"

#include <QDirIterator>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// An installed program folder is shared by users who may not write it; they start the program
// only when they can read everything the build put there, the demonstration project included.
TEST(ShippedFiles, EveryFileAndFolderOfTheProgramFolderIsReadableByAll)
{
    const QString bin = GeneratedProgramFolder();
    ASSERT_TRUE(QFileInfo(bin + QStringLiteral("/User/示例工程/示例工程.VLZ")).isFile());
    const QFile::Permissions file = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const QFile::Permissions folder = file | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    QStringList closed;
    QDirIterator it(bin, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        const QFile::Permissions needed = entry.isDir() ? folder : file;
        if ((entry.permissions() & needed) != needed)
            closed << QStringLiteral("%1 (%2)").arg(entry.filePath()).arg(int(entry.permissions()), 0, 16);
    }
    EXPECT_TRUE(closed.isEmpty()) << closed.join(QLatin1Char('\n')).toStdString();
}

} // namespace
