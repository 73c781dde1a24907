#include "calc/ResultAccumulation.h"
#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Result_IsACLoadItemizedEstimation.h"
#include "calc/CCalculate_Result_IsACLoadSimpleEstimation.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CCalculate_Result_IsHeatingLoadStepCalculation.h"
#include "calc/CRunTimeSchemeSourceBase.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
// A result pointer of a design type that frees itself.
class Result
{
public:
    explicit Result(int designType) { AllocResultByType(m_result, designType); }
    ~Result() { FreeResultByType(m_result); }
    Result(const Result&) = delete;
    Result& operator=(const Result&) = delete;
    void* Get() const { return m_result; }
    template <typename Record> Record* As() const { return static_cast<Record*>(m_result); }

private:
    void* m_result = nullptr;
};

// Scheme manager stand-in: one scheme holding room 42.
class FakeSchemes : public CRunTimeSchemeSourceBase
{
public:
    const unsigned char* SchemeFlagsOfRoom(int roomNodeId) const override
    {
        return roomNodeId == 42 ? Flags.data() : nullptr;
    }
    std::vector<unsigned char> Flags = std::vector<unsigned char>(Days * Hours, 0);
};
} // namespace

TEST(ResultByType, AllocationShapes)
{
    const std::pair<int, int> steps[] = {{0, 1}, {1, 1},  {2, 1},   {3, 1}, {4, 12}, {5, 365},
                                         {6, 1}, {7, 12}, {8, 365}, {9, 0}, {-1, 0}};
    for (const auto& [type, count] : steps)
        EXPECT_EQ(ResultStepCount(type), count) << type;

    Result daily(5);
    auto* days = daily.As<CCalculate_Result_IsACLoadStepCalculation>();
    for (int d : {0, 180, 364}) {
        EXPECT_EQ(days[d].Hourly[54][23], 0);
        EXPECT_EQ(days[d].Totals, nullptr);
    }
    days[364].Hourly[0][0] = 5;
    days[364].ComputeTotals();
    ResetResultByType(daily.Get());
    EXPECT_EQ(days[364].Hourly[0][0], 0);
    EXPECT_EQ(days[364].Totals->Value[0], 0);

    void* none = nullptr;
    AllocResultByType(none, 9);
    EXPECT_EQ(none, nullptr);
    FreeResultByType(nullptr);
    EXPECT_EQ(ResultDesignType(nullptr), -1);
}

TEST(ResultAccumulation, EstimatesAddLoadsWhateverThePeakMode)
{
    for (int peakMode : {0, 1}) {
        Result total(0), room(0);
        room.As<CCalculate_Result_IsACLoadSimpleEstimation>()->Value[0] = 1000;
        room.As<CCalculate_Result_IsACLoadSimpleEstimation>()->Value[1] = 50;
        AddResultToTotal(total.Get(), room.Get(), peakMode, 0);
        AddResultToTotal(total.Get(), room.Get(), peakMode, 0);
        EXPECT_EQ(total.As<CCalculate_Result_IsACLoadSimpleEstimation>()->Value[0], 2000);
        EXPECT_EQ(total.As<CCalculate_Result_IsACLoadSimpleEstimation>()->Value[1], 0);
        ComputeResultTotals(total.Get(), 0);

        Result itemized(1), part(1);
        part.As<CCalculate_Result_IsACLoadItemizedEstimation>()->Value[14] = 300;
        AddResultToTotal(itemized.Get(), part.Get(), peakMode, 1);
        EXPECT_EQ(itemized.As<CCalculate_Result_IsACLoadItemizedEstimation>()->Value[14], 300);
    }
}

TEST(ResultAccumulation, PeakModeSumsPeaksAndLeavesHourlyArrays)
{
    Result total(3), a(3), b(3);
    a.As<CCalculate_Result_IsACLoadCalculation>()->Hourly[0][10] = 1000;
    b.As<CCalculate_Result_IsACLoadCalculation>()->Hourly[0][16] = 800;

    AddResultToTotal(total.Get(), a.Get(), 1, 3);
    AddResultToTotal(total.Get(), b.Get(), 1, 3);
    auto* sum = total.As<CCalculate_Result_IsACLoadCalculation>();
    EXPECT_EQ(sum->Totals->Value[0], 1800);
    EXPECT_EQ(sum->Hourly[0][10], 0);

    Result hourly(3);
    AddResultToTotal(hourly.Get(), a.Get(), 0, 3);
    AddResultToTotal(hourly.Get(), b.Get(), 0, 3);
    ComputeResultTotals(hourly.Get(), 3);
    EXPECT_EQ(hourly.As<CCalculate_Result_IsACLoadCalculation>()->Totals->Value[0], 1000)
        << "the peak of the summed hours";
}

TEST(ResultAccumulation, StepIMeetsStepI)
{
    Result total(5), room1(5), room2(5);
    room1.As<CCalculate_Result_IsACLoadStepCalculation>()[200].Hourly[10][12] = 5;
    room2.As<CCalculate_Result_IsACLoadStepCalculation>()[200].Hourly[10][12] = 7;
    room2.As<CCalculate_Result_IsACLoadStepCalculation>()[0].Hourly[10][0] = 1;
    AddResultToTotal(total.Get(), room1.Get(), 0, 5);
    AddResultToTotal(total.Get(), room2.Get(), 0, 5);
    auto* days = total.As<CCalculate_Result_IsACLoadStepCalculation>();
    EXPECT_EQ(days[200].Hourly[10][12], 12);
    EXPECT_EQ(days[0].Hourly[10][0], 1);
    EXPECT_EQ(days[199].Hourly[10][12], 0);
    EXPECT_EQ(days[201].Hourly[10][12], 0);

    ComputeResultTotals(total.Get(), 5);
    EXPECT_EQ(days[200].Totals->Value[10], 12);
    EXPECT_EQ(days[364].Totals->Value[10], 0);

    Result monthly(7), month(7);
    month.As<CCalculate_Result_IsHeatingLoadStepCalculation>()[11].Hourly[0][3] = -900;
    AddResultToTotal(monthly.Get(), month.Get(), 1, 7);
    EXPECT_EQ(monthly.As<CCalculate_Result_IsHeatingLoadStepCalculation>()[11].Totals->Value[0], -900);
    EXPECT_EQ(monthly.As<CCalculate_Result_IsHeatingLoadStepCalculation>()[11].Hourly[0][3], 0);
}

TEST(ResultAccumulation, HeatingTotalsLeaveOutHeatExchangedWithAdjacentRooms)
{
    Result room(6);
    auto* r = room.As<CCalculate_Result_IsHeatingLoadStepCalculation>();
    // An inside wall loses 200 W to a heated neighbour; the floor 50 W.
    r->Hourly[0][2] = -1000;
    r->Hourly[5][2] = -200;
    r->Hourly[17][2] = -200;
    r->Hourly[13][2] = -50;
    r->Hourly[25][2] = -250;
    r->Hourly[27][2] = -200;
    r->Hourly[28][2] = -200;
    r->Hourly[32][2] = -50;

    Result building(6), storey(6);
    AddHeatingResultToTotal(building.Get(), room.Get(), 0, 0, 6);
    AddHeatingResultToTotal(storey.Get(), room.Get(), 0, 1, 6);
    auto* b = building.As<CCalculate_Result_IsHeatingLoadStepCalculation>();
    auto* s = storey.As<CCalculate_Result_IsHeatingLoadStepCalculation>();
    EXPECT_EQ(b->Hourly[0][2], -750);
    EXPECT_EQ(b->Hourly[5][2], 0);
    EXPECT_EQ(b->Hourly[17][2], 0);
    EXPECT_EQ(b->Hourly[13][2], -50) << "building level keeps the floor";
    EXPECT_EQ(s->Hourly[0][2], -750);
    EXPECT_EQ(s->Hourly[13][2], 0) << "storey level takes the floor out";

    Result cooling(3), member(3);
    member.As<CCalculate_Result_IsACLoadCalculation>()->Hourly[0][0] = 5;
    AddHeatingResultToTotal(cooling.Get(), member.Get(), 0, 0, 3);
    EXPECT_EQ(cooling.As<CCalculate_Result_IsACLoadCalculation>()->Hourly[0][0], 0) << "not a heating type";
}

TEST(ResultAccumulation, OperatingSchemeSwitchesHoursOfItsRoomsOnly)
{
    Result daily(5), other(5);
    for (int d = 0; d < 365; ++d)
        for (auto& array : daily.As<CCalculate_Result_IsACLoadStepCalculation>()[d].Hourly)
            for (float& v : array)
                v = 1;
    other.As<CCalculate_Result_IsACLoadStepCalculation>()[0].Hourly[0][3] = 1;

    ApplyRunTimeScheme(42, daily.Get(), 5);
    EXPECT_EQ(daily.As<CCalculate_Result_IsACLoadStepCalculation>()[0].Hourly[0][3], 1)
        << "no scheme manager";

    FakeSchemes schemes;
    for (int d = 0; d < 365; ++d)
        for (int h = 8; h <= 18; ++h)
            schemes.Flags[static_cast<size_t>(d * 24 + h)] = 1;
    ApplyRunTimeScheme(42, daily.Get(), 4);
    EXPECT_EQ(daily.As<CCalculate_Result_IsACLoadStepCalculation>()[0].Hourly[0][3], 1) << "daily type only";
    ApplyRunTimeScheme(7, other.Get(), 5);
    EXPECT_EQ(other.As<CCalculate_Result_IsACLoadStepCalculation>()[0].Hourly[0][3], 1)
        << "room in no scheme";

    ApplyRunTimeScheme(42, daily.Get(), 5);
    auto* days = daily.As<CCalculate_Result_IsACLoadStepCalculation>();
    for (int d : {0, 364})
        for (int h = 0; h < 24; ++h) {
            const float expected = h >= 8 && h <= 18 ? 1.0f : 0.0f;
            EXPECT_EQ(days[d].Hourly[51][h], expected) << d << " " << h;
            EXPECT_EQ(days[d].Hourly[16][h], expected) << d << " " << h;
        }
}
