// didivov_book: the book of the demonstration project written without a window.
#include "tests/report/ReportTestSupport.h"
#include "tests/support/CTestProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
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
    int Run(const QStringList& arguments, QString* errors = nullptr, QString* output = nullptr)
    {
        QProcess process;
        process.start(QStringLiteral(BOOK_TOOL), arguments);
        EXPECT_TRUE(process.waitForFinished(120000));
        if (errors)
            *errors = QString::fromUtf8(process.readAllStandardError());
        if (output)
            *output = QString::fromUtf8(process.readAllStandardOutput());
        return process.exitCode();
    }
    void Sql(const QString& statement) { RunTool(QStringLiteral("sqlite3"), {m_project, statement}); }

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

TEST_F(BookToolTest, EveryOptionTickedWritesABookOfEveryDesignTypeWhoseStatisticsMatchTheLoadSummary)
{
    // Every option of every design type, every node printing all it can, statistics by storey.
    for (const char* column : {"IsACLoadSimpleEstimation_Output", "IsACLoadItemsEstimation_Output",
                               "IsACLoadIntelligentEstimation_Output", "IsACLoadCalculation_Output",
                               "IsACLoadMonthlyCalculation_Output", "IsACLoadDailyCalculation_Output",
                               "IsHeatingLoadCalculation_Output", "IsHeatingLoadMonthlyCalculation_Output",
                               "IsHeatingLoadDailyCalculation_Output"})
        Sql(QStringLiteral("update OutputOption set %1 = 1 where %1 >= 0").arg(QString::fromLatin1(column)));
    for (const char* table : {"Building", "Storey", "Room"})
        Sql(QStringLiteral("update %1 set IsOutputLoadStatisticsData = 1, IsOutputLoadHourlyData = 1, "
                           "HIsOutputLoadStatisticsData = 1, HIsOutputLoadHourlyData = 1")
                .arg(QString::fromLatin1(table)));
    Sql(QStringLiteral("update Room set IsOutputLoadCalculationParameter = 1"));
    Sql(QStringLiteral("update ProjectParameter set StatisticsType = 1"));
    static const QRegularExpression firstNumber(QStringLiteral("(-?[0-9]+\\.[0-9]+)"));
    for (int type = 0; type <= 8; ++type) {
        const QString name = m_dir.filePath(QStringLiteral("all%1").arg(type));
        QString errors;
        ASSERT_EQ(Run({m_project, name + QStringLiteral(".pdf"), QStringLiteral("--type"), QString::number(type)},
                      &errors),
                  0)
            << type << errors.toStdString();
        EXPECT_GT(PdfPageCount(name + QStringLiteral(".pdf")), 1) << type;
        QString summary;
        ASSERT_EQ(Run({m_project, name + QStringLiteral(".xlsx"), QStringLiteral("--type"), QString::number(type),
                       QStringLiteral("--summary")},
                      &errors, &summary),
                  0)
            << type << errors.toStdString();
        // The building's peak in the statistics is the project's peak in the load summary (the
        // one building of the demonstration project); the step types print a row per month or day.
        if (type == 4 || type == 5 || type == 7 || type == 8)
            continue;
        const SWorkbook book = ReadWorkbook(name + QStringLiteral(".xlsx"));
        const qsizetype sheet = book.sheets.indexOf(
            type == 6 ? QStringLiteral("采暖负荷统计")
                      : type == 2 ? QStringLiteral("智能估算负荷统计")
                                  : type == 3 ? QStringLiteral("空调负荷统计") : QStringLiteral("估算负荷统计"));
        ASSERT_GE(sheet, 0) << type << book.sheets.join(QLatin1Char(' ')).toStdString();
        const QMap<QString, QString>& cells = book.cells.at(sheet);
        QString peak;
        for (int row = 1; row < 200 && peak.isEmpty(); ++row)
            if (cells.value(QStringLiteral("A%1").arg(row)) == QStringLiteral("示例办公楼"))
                peak = cells.value(QStringLiteral("B%1").arg(row));
        const QRegularExpressionMatch expected = firstNumber.match(summary);
        ASSERT_TRUE(expected.hasMatch()) << type << summary.toStdString();
        EXPECT_NEAR(peak.toDouble(), expected.captured(1).toDouble(), 0.005) << type << summary.toStdString();
    }
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
