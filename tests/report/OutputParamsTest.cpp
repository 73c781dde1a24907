// The output option tree: lookups, the current design type's flags, loading and writing back.
#include "report/COutputParams.h"
#include "tests/report/BookFixture.h"

namespace {
class OutputParamsTest : public BookFixture
{
protected:
    // Replaces the table by rows "ID:FatherID:flag of design type 3".
    void Rows(const QStringList& rows)
    {
        m_project.ExecSQL(CSQLStatement("delete from OutputOption"));
        for (const QString& row : rows) {
            const QStringList parts = row.split(QLatin1Char(':'));
            m_project.ExecSQL(CSQLStatement(
                "insert into OutputOption (ID, OutputOptionName, FatherID, IsACLoadCalculation_Output, "
                "IsHeatingLoadCalculation_Output) values (?, ?, ?, ?, 0)",
                {parts[0].toInt(), QStringLiteral("项%1").arg(parts[0]), parts[1].toInt(), parts[2].toInt()}));
        }
        m_calcHost.OutputLines.clear();
        m_options.LoadOutputParams();
    }
    QString Flags(int id)
    {
        return m_project.QueryString(CSQLStatement(
            "select IsACLoadCalculation_Output || '/' || IsHeatingLoadCalculation_Output || '/' || "
            "OutputOptionName || '/' || FatherID from OutputOption where ID = ?",
            {id}));
    }
    static QString Missing(int id) { return QStringLiteral("1:系统异常，找不到输出项%1,请与我们联系!!!").arg(id); }
};
} // namespace

TEST_F(OutputParamsTest, AnEmptyTableHoldsOnlyTheRootAndEveryAskCostsAnErrorLine)
{
    Rows({});
    EXPECT_EQ(m_options.Count(), 0);
    EXPECT_TRUE(m_options.Root().Children.empty());
    EXPECT_FALSE(m_options.IsOutput(10));
    EXPECT_FALSE(m_options.IsOutput(10));
    EXPECT_EQ(m_calcHost.OutputLines, (QStringList{Missing(10), Missing(10)}));
}

TEST_F(OutputParamsTest, FlagsAboveZeroAreOnForTheCurrentDesignTypeWhereverTheOptionSits)
{
    // The lowest ID sits at position 0: it answers by its flag like every other option.
    Rows({"1:0:1", "2:1:2", "3:1:0", "4:1:-1", "7:0:1", "5:0:1"});
    EXPECT_TRUE(m_options.IsOutput(1));
    EXPECT_TRUE(m_options.IsOutput(2)); // partly on
    EXPECT_FALSE(m_options.IsOutput(3));
    EXPECT_FALSE(m_options.IsOutput(4)); // not offered
    // Gaps and rows out of the expected position are still found.
    EXPECT_TRUE(m_options.IsOutput(5));
    EXPECT_TRUE(m_options.IsOutput(7));
    EXPECT_EQ(m_options.GetOutputName(7), QStringLiteral("项7"));
    EXPECT_FALSE(m_options.IsOutput(1, 6));
    EXPECT_TRUE(m_calcHost.OutputLines.isEmpty());

    m_options.FindOutputParam(7);
    const int position = m_options.CurrentIndex;
    EXPECT_EQ(m_options.FindOutputParam(0), &m_options.Root());
    EXPECT_EQ(m_options.CurrentIndex, position);
}

TEST_F(OutputParamsTest, ChildrenFollowAscendingIdAndAnOrphanStaysOutOfTheTreeButAnswers)
{
    Rows({"1:0:1", "2:1:1", "3:1:1", "4:9:1", "5:0:0", "6:5:1"});
    EXPECT_EQ(m_calcHost.OutputLines, QStringList{Missing(9)});
    ASSERT_EQ(m_options.Root().Children.size(), 2u);
    EXPECT_EQ(m_options.Root().Children[0]->ID, 1);
    EXPECT_EQ(m_options.Root().Children[1]->ID, 5);
    const COutputParam* first = m_options.FindOutputParam(1);
    ASSERT_EQ(first->Children.size(), 2u);
    EXPECT_EQ(first->Children[0]->ID, 2);
    EXPECT_EQ(first->Children[1]->ID, 3);
    EXPECT_TRUE(m_options.IsOutput(4));
}

TEST_F(OutputParamsTest, SavingWritesTheFlagsOfTheChangedOptionsByTheirId)
{
    Rows({"1:0:1", "2:0:1", "3:0:1", "4:0:1"});
    // The table changed behind the tree: pairing rows with options by position would write
    // option 3's flags into row 4.
    m_project.ExecSQL(CSQLStatement("delete from OutputOption where ID = 2"));
    m_project.ExecSQL(CSQLStatement("update OutputOption set OutputOptionName = '改名' where ID = 3"));
    m_options.SetOutputFlag(*m_options.FindOutputParam(3), 3, 0);
    m_options.SetOutputFlag(*m_options.FindOutputParam(3), 6, 2);
    EXPECT_TRUE(m_options.Modified);
    m_options.SaveOutputParams();
    EXPECT_EQ(Flags(3), QStringLiteral("0/2/改名/0"));
    EXPECT_EQ(Flags(4), QStringLiteral("1/0/项4/0"));
    EXPECT_FALSE(m_options.FindOutputParam(3)->Changed);

    // Nothing changed since: a second save writes nothing.
    m_project.ExecSQL(CSQLStatement("update OutputOption set IsACLoadCalculation_Output = 1 where ID = 3"));
    m_options.SaveOutputParams();
    EXPECT_EQ(Flags(3), QStringLiteral("1/2/改名/0"));
}
