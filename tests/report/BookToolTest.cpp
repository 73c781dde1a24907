// didivov_book: the book of the demonstration project written without a window.
#include "tests/report/ReportTestSupport.h"
#include "tests/support/CTestProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
class BookToolTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        EnsureGuiApplication();
        ASSERT_TRUE(m_dir.isValid());
        m_project = m_dir.filePath(QStringLiteral("示例工程.VLZ"));
        ASSERT_TRUE(QFile::copy(QDir(GeneratedProgramFolder()).filePath(QStringLiteral("User/示例工程/示例工程.VLZ")), m_project));
        QFile(m_project).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    int Run(const QStringList& arguments, QString* errors = nullptr)
    {
        QProcess process;
        process.start(QStringLiteral(BOOK_TOOL), arguments);
        EXPECT_TRUE(process.waitForFinished(120000));
        if (errors)
            *errors = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }

    QTemporaryDir m_dir;
    QString m_project;
};
} // namespace

TEST_F(BookToolTest, TheDemoBookHoldsItsSectionsInOrderForCoolingAndHeating)
{
    const struct
    {
        const char* type;
        const char* typeName;
    } cases[] = {{"3", "空调负荷详细计算"}, {"6", "采暖负荷详细计算"}};
    for (const auto& c : cases) {
        const QString pdf = m_dir.filePath(QStringLiteral("book%1.pdf").arg(QString::fromLatin1(c.type)));
        QString errors;
        ASSERT_EQ(Run({m_project, pdf, QStringLiteral("--type"), QString::fromLatin1(c.type)}, &errors), 0)
            << errors.toStdString();
        const QString text = PdfText(pdf);
        const QStringList order = {QStringLiteral("暖通空调负荷计算书"), QString::fromUtf8(c.typeName),
                                   QStringLiteral("工程名称:"),     QStringLiteral("一、建筑概况"),
                                   QStringLiteral("示例办公楼"),     QStringLiteral("二、室外气象参数"),
                                   QStringLiteral("北京"),           QStringLiteral("三、室内设计参数"),
                                   QStringLiteral("办公室"),         QStringLiteral("四、围护结构参数"),
                                   QStringLiteral("外墙(冬季)"),     QStringLiteral("五、负荷计算方法及公式")};
        qsizetype at = 0;
        for (const QString& part : order) {
            const qsizetype found = text.indexOf(part, at);
            EXPECT_GE(found, 0) << c.type << ": " << part.toStdString() << " after position " << at;
            if (found >= 0)
                at = found + part.size();
        }
    }
    // The project keeps its own design type.
    EXPECT_TRUE(RunTool(QStringLiteral("sqlite3"), {m_project, QStringLiteral("select DesignType from ProjectParameter")})
                    .startsWith("3"));
}

TEST_F(BookToolTest, FailuresEndWithTheReasonAndANonZeroStatus)
{
    QString errors;
    EXPECT_EQ(Run({m_dir.filePath(QStringLiteral("缺少.VLZ")), m_dir.filePath(QStringLiteral("a.pdf"))}, &errors), 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("工程文件不存在"))) << errors.toStdString();
    EXPECT_EQ(Run({m_project, m_dir.filePath(QStringLiteral("a.doc"))}, &errors), 2);
    EXPECT_TRUE(errors.contains(QStringLiteral("不支持的输出格式"))) << errors.toStdString();
    // A file that cannot be written.
    EXPECT_EQ(Run({m_project, QStringLiteral("/nonexistent-folder/a.txt")}, &errors), 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("计算书未能写入"))) << errors.toStdString();
}
