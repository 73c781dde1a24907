#include "tests/calc/OfficeRoomFixture.h"

#include "calc/CCalMsgOutput.h"
#include "calc/CCalResultBuffer.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CHourlyResultTable.h"

#include <gtest/gtest.h>

namespace {

TEST(HourlyResultTable, HeaderRowOrderAndNumberFormat)
{
    auto result = std::make_unique<CCalculate_Result_IsACLoadCalculation>();
    result->Hourly[0][0] = -1234.5f;
    result->Hourly[0][1] = 1234567.25f;
    result->Hourly[101][23] = 0.125f;
    QStringList lines;
    FormatHourlyResultTable(*result, lines);

    ASSERT_EQ(lines.size(), 121);
    EXPECT_EQ(lines[0],
              QStringLiteral("项目,0:00,1:00,2:00,3:00,4:00,5:00,6:00,7:00,8:00,9:00,10:00,11:00,12:00,"
                             "13:00,14:00,15:00,16:00,17:00,18:00,19:00,20:00,21:00,22:00,23:00"));

    const QStringList first = lines[1].split(QLatin1Char(','));
    ASSERT_EQ(first.size(), 26);
    EXPECT_EQ(first[0], QStringLiteral("总冷负荷(全热)"));
    EXPECT_EQ(first[1], QStringLiteral("-1234.500000"));
    EXPECT_EQ(first[2], QStringLiteral("1234567.250000")) << "no grouping separators";
    EXPECT_EQ(first[3], QStringLiteral("0.000000"));
    EXPECT_EQ(first[25], QString()) << "every data line ends with a comma";

    // Row order: 0..55, 60..69, 74..97, 102..105, 108..119, 106, 107, 56..59, 70..73, 98..101.
    const struct
    {
        int line;
        const char* caption;
    } rows[] = {{56, "外窗热负荷"},
                {57, "外门冷负荷"},
                {67, "楼板冷负荷"},
                {91, "地面冷负荷"},
                {95, "夏季风机温升和风管温升冷负荷"},
                {107, "夏季水泵温升和水管温升冷负荷"},
                {109, "外窗传热冷负荷"},
                {113, "天窗传热冷负荷"},
                {117, "玻璃屋顶传热冷负荷"},
                {120, "玻璃屋顶辐射热负荷"}};
    for (const auto& row : rows)
        EXPECT_EQ(lines[row.line].section(QLatin1Char(','), 0, 0), QString::fromUtf8(row.caption))
            << row.line;
    EXPECT_TRUE(lines[120].endsWith(QStringLiteral(",0.125000,")));
}

class HourlyTableRunTest : public OfficeRoomFixture
{
protected:
    QStringList Write()
    {
        CCalResultBuffer pool;
        CCalMsgOutput progress(QStringLiteral("正在计算负荷"), nullptr);
        CCalculate_Manager manager;
        manager.SetCalcLibrary(&CDizedozevLibrary::Instance());
        QStringList lines;
        manager.WriteHourlyResultTable(Item(m_room), lines);
        return lines;
    }
};

TEST_F(HourlyTableRunTest, DetailedTypeTabulatesTheCalculatedRoom)
{
    SwitchDesignType(3);
    ASSERT_EQ(RunReal(), 3);
    const auto& total = Total<CCalculate_Result_IsACLoadCalculation>();

    const QStringList lines = Write();
    ASSERT_EQ(lines.size(), 121);
    const QStringList cooling = lines[1].split(QLatin1Char(','));
    ASSERT_EQ(cooling.size(), 26);
    double peak = 0;
    for (int hour = 0; hour < 24; ++hour) {
        EXPECT_NEAR(cooling[hour + 1].toDouble(), total.Hourly[0][hour],
                    1e-5 + 1e-6 * std::abs(total.Hourly[0][hour]))
            << hour;
        peak = std::max(peak, cooling[hour + 1].toDouble());
    }
    EXPECT_GT(peak, 100.0) << "the office room has a real cooling load";
}

TEST_F(HourlyTableRunTest, OtherDesignTypesWriteNothing)
{
    SwitchDesignType(4);
    EXPECT_TRUE(Write().isEmpty());
}

} // namespace
