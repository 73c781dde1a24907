// The curves of the command "负荷曲线": which captions each design type and node kind gives, which
// array and block each curve's values come from, and the runs that show nothing.
#include "tests/calc/CalcFixture.h"

#include "calc/CCalResultBuffer.h"
#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Result_IsACLoadIntelligentEstimation.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CCalculate_Result_IsHeatingLoadStepCalculation.h"
#include "calc/CLoadCurveDisplayBase.h"
#include "calc/CLoadCurveList.h"
#include "calc/CNodeDataBuffer.h"
#include "calc/ResultByType.h"
#include "platform/core/Exception.h"

#include <memory>

namespace {

// Every value of a record: 1000 * step + array, so each curve shows where it came from.
template <typename Record> void Mark(void* result, int steps)
{
    auto* records = static_cast<Record*>(result);
    for (int step = 0; step < steps; ++step)
        for (int array = 0; array < Record::ArrayCount; ++array)
            for (float& value : records[step].Hourly[array])
                value = static_cast<float>(1000 * step + array);
}

class MarkingRoomEngine : public CRoomLoadEngineBase
{
public:
    bool CalculateRoomLoads(CCalculate_Manager&, CCalculate_Room& room, const CElementDetailCallback&) override
    {
        CCalResultBuffer::Current().AcquireResult(room.Result);
        const int type = CurrentDesignType();
        const int steps = ResultStepCount(type);
        switch (type) {
        case 2: Mark<CCalculate_Result_IsACLoadIntelligentEstimation>(room.Result, steps); break;
        case 3: Mark<CCalculate_Result_IsACLoadCalculation>(room.Result, steps); break;
        case 4:
        case 5: Mark<CCalculate_Result_IsACLoadStepCalculation>(room.Result, steps); break;
        default: Mark<CCalculate_Result_IsHeatingLoadStepCalculation>(room.Result, steps); break;
        }
        if (Stop) {
            CCalMsgOutput::Current().Stop();
            return false;
        }
        return true;
    }
    void CalculatePumpAndPipeLoad(CCalculate_Manager&, CCalculate_Building&) override {}
    bool Stop = false;
};

class FakeCurveDisplay : public CLoadCurveDisplayBase
{
public:
    void ShowLoadCurves(const CLoadCurveList& curves) override { Shown << QStringLiteral("curves:%1").arg(curves.Count()); }
    void ShowAnnualChart(const CLoadCurveList& curves) override { Shown << QStringLiteral("annual:%1").arg(curves.Count()); }
    QStringList Shown;
};

class LoadCurvesTest : public CalcFixture
{
protected:
    std::unique_ptr<CLoadCurveList> Curves(CNodeData* node)
    {
        CNodeDataBuffer nodes;
        CCalResultBuffer pool;
        CCalMsgOutput progress(QStringLiteral("正在计算负荷"), nullptr);
        CCalculate_Manager manager;
        manager.SetRoomEngine(&m_engine);
        return manager.BuildLoadCurves(Item(node));
    }
    static QStringList Names(const CLoadCurveList& curves)
    {
        QStringList names;
        for (int i = 0; i < curves.Count(); ++i)
            names << curves.Curve(i).Name;
        return names;
    }
    CNodeData* R1Child(int kind) const
    {
        for (int i = 0; i < R1->ChildCount(); ++i)
            if (R1->Child(i)->Type() == kind)
                return R1->Child(i);
        return nullptr;
    }

    MarkingRoomEngine m_engine;
};

TEST(LoadCurveListTest, SameNameFillsBlocksOfOneCurveAndLetterCaseMakesAnother)
{
    CLoadCurveList curves(7);
    EXPECT_EQ(curves.ValueCount(), 288);
    float a[24], b[24];
    std::fill(a, a + 24, 1.0f);
    std::fill(b, b + 24, 2.0f);
    curves.AddCurve(QStringLiteral("Load"), a, 0);
    curves.AddCurve(QStringLiteral("Load"), b, 11);
    curves.AddCurve(QStringLiteral("load"), b, 3);
    ASSERT_EQ(curves.Count(), 2);
    EXPECT_EQ(curves.Curve(0).Values[23], 1.0f);
    EXPECT_EQ(curves.Curve(0).Values[11 * 24], 2.0f);
    EXPECT_THROW(curves.AddCurve(QStringLiteral("Load"), a, 12), Exception);
    EXPECT_EQ(CLoadCurveList::ValueCountOf(5), 8760);
    EXPECT_EQ(CLoadCurveList::ValueCountOf(3), 24);
    EXPECT_EQ(CLoadCurveList::ValueCountOf(1), 0);
}

TEST_F(LoadCurvesTest, CaptionsFollowTheNodeKind)
{
    SetDesignType(3);
    const QStringList building = Names(*Curves(B1));
    ASSERT_GE(building.size(), 3);
    EXPECT_EQ(building[0], QStringLiteral("夏季水泵温升和水管温升冷负荷"));
    EXPECT_EQ(building[1], QStringLiteral("冬季水泵温升和水管温升冷负荷"));
    EXPECT_EQ(building[2], QStringLiteral("总冷负荷(全热)"));
    const QStringList room = Names(*Curves(R1));
    EXPECT_FALSE(room.contains(QStringLiteral("夏季水泵温升和水管温升冷负荷")));
    EXPECT_EQ(room.size(), building.size() - 2);
    EXPECT_EQ(Names(*Curves(Window1)), QStringList({QStringLiteral("外窗冷负荷"), QStringLiteral("外窗热负荷")}));

    SetDesignType(2);
    EXPECT_TRUE(Curves(Wall1)->Count() == 0);

    SetDesignType(7);
    EXPECT_EQ(Names(*Curves(Window1)),
              QStringList({QStringLiteral("外窗采暖负荷"), QStringLiteral("门窗空气渗透采暖负荷")}));
    const QStringList heatingRoom = Names(*Curves(R1));
    EXPECT_EQ(heatingRoom.count(QStringLiteral("门窗空气渗透采暖负荷")), 1);
    EXPECT_EQ(heatingRoom.size(), 24); // 26 rows, two of them repeating a caption
}

TEST_F(LoadCurvesTest, ValuesComeFromTheirArrayAndStep)
{
    SetDesignType(4);
    const auto months = Curves(S1);
    const int total = months->Find(QStringLiteral("总负荷(全热)"));
    ASSERT_GE(total, 0);
    // S1 holds R1, R2 and R3: three rooms summed, array 10, month m in block m.
    EXPECT_FLOAT_EQ(months->Curve(total).Values[0], 3 * 10.0f);
    EXPECT_FLOAT_EQ(months->Curve(total).Values[11 * 24 + 23], 3 * (11000.0f + 10));

    SetDesignType(8);
    const auto days = Curves(R1Child(17));
    ASSERT_EQ(Names(*days), QStringList({QStringLiteral("屋顶采暖负荷"), QStringLiteral("屋顶采暖负荷(含天窗)")}));
    ASSERT_EQ(days->Curve(1).Values.size(), 8760u);
    EXPECT_FLOAT_EQ(days->Curve(1).Values[364 * 24 + 5], 364018.0f);

    SetDesignType(2);
    const auto estimate = Curves(R1);
    EXPECT_FLOAT_EQ(estimate->Curve(estimate->Find(QStringLiteral("围护热负荷"))).Values[0], 49.0f);
}

TEST_F(LoadCurvesTest, NothingIsShownForEstimatesOrAStoppedRun)
{
    FakeCurveDisplay display;
    for (int type : {0, 1}) {
        SetDesignType(type);
        EXPECT_EQ(Curves(R1), nullptr);
    }
    SetDesignType(6);
    m_engine.Stop = true;
    EXPECT_EQ(Curves(R1), nullptr);
    m_engine.Stop = false;

    // The daily cooling type goes to the annual chart, the others to the curve window.
    for (int type : {5, 6}) {
        SetDesignType(type);
        CNodeDataBuffer nodes;
        CCalResultBuffer pool;
        CCalMsgOutput progress(QStringLiteral("正在计算负荷"), nullptr);
        CCalculate_Manager manager;
        manager.SetRoomEngine(&m_engine);
        manager.ShowLoadCurves(Item(R1Child(9)));
    }
    EXPECT_EQ(display.Shown, QStringList({QStringLiteral("annual:2"), QStringLiteral("curves:2")}));
}

} // namespace
