#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Result_IsACLoadIntelligentEstimation.h"
#include "calc/CCalculate_Result_IsACLoadItemizedEstimation.h"
#include "calc/CCalculate_Result_IsACLoadSimpleEstimation.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CCalculate_Result_IsHeatingLoadStepCalculation.h"
#include "model/COutsideWall.h"
#include "model/COutsideWindow.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {
constexpr float kKcal = 0.8598452f;

template <typename Record> void Fill(Record& record, float value)
{
    for (auto& array : record.Hourly)
        for (float& v : array)
            v = value;
}

// One array of a record class, by meaning, and whether it is a load in W.
struct UnitCase
{
    const char* meaning;
    int array;
    bool load;
};

template <typename Record> void ExpectConvertedLoadsOnly(const std::vector<UnitCase>& cases)
{
    auto record = std::make_unique<Record>();
    Fill(*record, 1000);
    record->ConvertToKcal(1);
    for (const UnitCase& c : cases)
        for (int h : {0, 23})
            EXPECT_FLOAT_EQ(record->Hourly[c.array][h], c.load ? 1000 * kKcal : 1000) << c.meaning;
}
} // namespace

TEST(ResultRecords, KcalConversionScalesLoadsButNotMoistureAirflowOrIndexes)
{
    ExpectConvertedLoadsOnly<CCalculate_Result_IsACLoadIntelligentEstimation>({
        {"total cooling", 0, true},
        {"summer indoor moisture g/h", 4, false},
        {"summer outdoor air m3/h", 5, false},
        {"total cooling index W/m2", 8, false},
        {"winter outdoor air m3/h", 14, false},
        {"people moisture g/h", 20, false},
        {"envelope heating", 49, true},
    });
    ExpectConvertedLoadsOnly<CCalculate_Result_IsACLoadCalculation>({
        {"total cooling", 0, true},
        {"summer total moisture g/h", 4, false},
        {"summer outdoor air m3/h", 5, false},
        {"total cooling index W/m2", 8, false},
        {"winter total moisture g/h", 18, false},
        {"winter outdoor air m3/h", 19, false},
        {"infiltration moisture g/h", 49, false},
        {"pump and pipe load", 106, true},
        {"chemical reaction moisture g/h", 110, false},
        {"chemical reaction latent load", 114, true},
        {"envelope moisture g/h", 117, false},
        {"envelope latent load", 119, true},
    });
    ExpectConvertedLoadsOnly<CCalculate_Result_IsACLoadStepCalculation>({
        {"total cooling", 0, true},
        {"indoor moisture g/h", 16, false},
        {"food moisture g/h", 27, false},
        {"outdoor airflow m3/h", 51, false},
        {"glass curtain wall", 54, true},
    });
    ExpectConvertedLoadsOnly<CCalculate_Result_IsHeatingLoadStepCalculation>({
        {"total heating", 0, true},
        {"heating equipment capacity", 24, true},
        {"exchanged through floors", 32, true},
    });
}

TEST(ResultRecords, EstimateRecordsConvertAndAddTheirLoadsOnly)
{
    CCalculate_Result_IsACLoadSimpleEstimation simple, other;
    for (int i = 0; i < 4; ++i) {
        simple.Value[i] = 100;
        other.Value[i] = 10;
    }
    simple.Add(other);
    EXPECT_EQ(std::vector<float>(simple.Value, simple.Value + 4), (std::vector<float>{110, 100, 100, 110}));
    simple.ConvertToKcal(0);
    EXPECT_EQ(simple.Value[0], 110);
    simple.ConvertToKcal(1);
    EXPECT_FLOAT_EQ(simple.Value[3], 110 * kKcal);
    EXPECT_EQ(simple.Value[1], 100) << "the cooling index is per m2";

    CCalculate_Result_IsACLoadItemizedEstimation itemized, part;
    for (int i = 0; i < 22; ++i)
        part.Value[i] = 1;
    itemized.Add(part);
    itemized.ConvertToKcal(1);
    const std::vector<int> loads{0, 3, 4, 5, 8, 9, 10, 11, 14, 15, 18, 19};
    for (int i = 0; i < 22; ++i) {
        const bool load = std::find(loads.begin(), loads.end(), i) != loads.end();
        EXPECT_FLOAT_EQ(itemized.Value[i], load ? kKcal : 0) << i;
    }
}

TEST(ResultRecords, ConvertingTwiceScalesTwice)
{
    auto record = std::make_unique<CCalculate_Result_IsHeatingLoadStepCalculation>();
    record->Hourly[0][5] = -1000;
    record->ConvertToKcal(1);
    record->ConvertToKcal(1);
    EXPECT_FLOAT_EQ(record->Hourly[0][5], -1000 * kKcal * kKcal);
}

TEST(ResultRecords, DetailedAddSkipsIndexArraysUnlessAllHourlyValuesAreAsked)
{
    auto total = std::make_unique<CCalculate_Result_IsACLoadCalculation>();
    auto room = std::make_unique<CCalculate_Result_IsACLoadCalculation>();
    Fill(*total, 1);
    Fill(*room, 2);
    total->Add(*room);
    EXPECT_EQ(total->Hourly[0][0], 3);
    EXPECT_EQ(total->Hourly[5][0], 3) << "airflow adds";
    EXPECT_EQ(total->Hourly[8][0], 1);
    EXPECT_EQ(total->Hourly[17][0], 1);
    EXPECT_EQ(total->Totals, nullptr);
    total->AddHourlyValues(*room);
    EXPECT_EQ(total->Hourly[8][0], 3);
    EXPECT_EQ(total->Hourly[119][23], 5);
}

TEST(ResultRecords, DetailedTotalsMapArraysToTheirFields)
{
    auto record = std::make_unique<CCalculate_Result_IsACLoadCalculation>();
    record->Hourly[0][14] = 5000;
    record->Hourly[12][3] = -700; // winter indoor heating, sensible -> field 13
    record->Hourly[13][0] = -50;  // winter indoor cooling: heating hours take no part
    record->Hourly[13][10] = 20;  // -> field 12
    record->Hourly[56][12] = 321; // window conduction -> field 108
    record->Hourly[102][1] = -44; // ground -> field 90
    record->ComputeTotals();
    ASSERT_NE(record->Totals, nullptr);
    EXPECT_EQ(record->Totals->Value[0], 5000);
    EXPECT_EQ(record->Totals->Value[13], -700);
    EXPECT_EQ(record->Totals->Value[12], 20);
    EXPECT_EQ(record->Totals->Value[108], 321);
    EXPECT_EQ(record->Totals->Value[90], -44);
}

TEST(ResultRecords, DetailedAddTotalsSumsPeaksButNotIndexFieldsOrPerAreaFields)
{
    auto total = std::make_unique<CCalculate_Result_IsACLoadCalculation>();
    auto room = std::make_unique<CCalculate_Result_IsACLoadCalculation>();
    total->ComputeTotals();
    total->Totals->Value[8] = 11;
    total->Totals->Value[19] = 22;
    total->Totals->Value[120] = 33;
    room->Hourly[0][15] = 900;
    room->Hourly[8][15] = 60;
    room->Hourly[17][2] = -40;
    total->Hourly[0][15] = 7;
    total->AddTotals(*room);
    ASSERT_NE(room->Totals, nullptr) << "the member's peaks are computed first";
    EXPECT_EQ(total->Totals->Value[0], 900);
    EXPECT_EQ(total->Totals->Value[8], 11);
    EXPECT_EQ(total->Totals->Value[19], 22);
    EXPECT_EQ(total->Totals->Value[120], 33);
    EXPECT_EQ(total->Hourly[0][15], 7) << "hourly arrays untouched";
}

TEST(ResultRecords, IntelligentTotalsKeepPeakHours)
{
    auto room = std::make_unique<CCalculate_Result_IsACLoadIntelligentEstimation>();
    room->Hourly[0][0] = -500; // a heating hour does not make the cooling peak
    room->Hourly[0][3] = 400;
    room->Hourly[0][15] = 400;
    room->Hourly[9][6] = -800;
    room->Hourly[5][20] = 1200;
    room->ComputeTotals();
    EXPECT_EQ(room->Totals->Value[0], 400);
    EXPECT_EQ(room->Totals->PeakHour[0], 3) << "the earlier of two equal peaks";
    EXPECT_EQ(room->Totals->Value[9], -800);
    EXPECT_EQ(room->Totals->PeakHour[1], 6);
    EXPECT_EQ(room->Totals->PeakHour[6], 20) << "field 56 is the hour of array 5";
    EXPECT_EQ(room->Totals->PeakHour[3], 0) << "a flat array peaks at its first hour";

    auto total = std::make_unique<CCalculate_Result_IsACLoadIntelligentEstimation>();
    total->ComputeTotals();
    total->Totals->PeakHour[4] = 17;
    total->Totals->Value[8] = 3;
    room->Totals->Value[8] = 100;
    total->AddTotals(*room);
    EXPECT_EQ(total->Totals->Value[0], 400);
    EXPECT_EQ(total->Totals->Value[8], 3) << "index peaks are not summed";
    EXPECT_EQ(total->Totals->PeakHour[0], -1);
    EXPECT_EQ(total->Totals->PeakHour[1], -1);
    EXPECT_EQ(total->Totals->PeakHour[4], 17);

    total->Reset();
    ASSERT_NE(total->Totals, nullptr) << "reset keeps the totals record";
    EXPECT_EQ(total->Totals->Value[0], 0);
    EXPECT_EQ(total->Totals->PeakHour[0], 0);
    EXPECT_EQ(total->Totals->PeakHour[4], 0);
}

TEST(ResultRecords, StepTotalsPlaceTheIndoorAndOutdoorAirPeaks)
{
    auto day = std::make_unique<CCalculate_Result_IsACLoadStepCalculation>();
    for (int k = 12; k <= 16; ++k)
        day->Hourly[k][10] = static_cast<float>(k);
    day->Hourly[51][0] = 3000;
    day->ComputeTotals();
    const float expected[] = {14, 15, 16, 12, 13};
    for (int field = 12; field <= 16; ++field)
        EXPECT_EQ(day->Totals->Value[field], expected[field - 12]) << field;
    EXPECT_EQ(day->Totals->Value[51], 3000);
}

TEST(ResultRecords, DetailRowsCarryCaptionAndExtremes)
{
    auto record = std::make_unique<CCalculate_Result_IsACLoadCalculation>();
    COutsideWall wall;
    wall.Name = QStringLiteral("外墙1");
    wall.Direction = 1;
    wall.Direction_Angle = 30;
    COutsideWindow window;
    window.Name = QStringLiteral("外窗2");

    float rising[24] = {};
    for (int h = 8; h < 24; ++h)
        rising[h] = h <= 14 ? static_cast<float>(h * 30) : 500;
    rising[14] = 500;
    rising[3] = -20;
    record->NameWallDetailByOrientation(0, wall, wall, true, rising, QString());
    wall.Direction_Angle = 22.5;
    wall.Direction = 0;
    record->NameWallDetailByOrientation(2, wall, window, false, rising, QStringLiteral("k"));
    wall.Direction_Angle = 0;
    record->NameWallDetailByOrientation(1, wall, wall, true, rising, QString());
    record->NameWallDetailByOrientation(3, wall, wall, true, rising, QString());
    record->AddWallDetail(false, QStringLiteral("外墙1热负荷(南)"), rising, QString());

    ASSERT_EQ(record->DetailList[6].Count(), 1);
    const OutSideWall_Detail_Data* row = record->DetailList[6].Get(0);
    EXPECT_EQ(row->Caption, "外墙1冷负荷(南30度)");
    EXPECT_EQ(row->MaxHour, 14);
    EXPECT_EQ(row->MaxValue, 500);
    EXPECT_EQ(row->MinHour, 3);
    EXPECT_EQ(row->MinValue, -20);
    EXPECT_EQ(row->Value[10], 300);
    ASSERT_EQ(record->DetailList[5].Count(), 1);
    EXPECT_EQ(record->DetailList[5].Get(0)->Caption, "外窗2辐射热负荷(水平22.5度)");
    EXPECT_EQ(record->DetailList[5].Get(0)->Key, "k");
    ASSERT_EQ(record->DetailList[2].Count(), 1);
    EXPECT_EQ(record->DetailList[2].Get(0)->Caption, "外墙1传热冷负荷(水平)");
    ASSERT_EQ(record->DetailList[1].Count(), 1);
    EXPECT_EQ(record->DetailList[1].Get(0)->Caption, "外墙1热负荷(南)");
    int rows = 0;
    for (const auto& list : record->DetailList)
        rows += list.Count();
    EXPECT_EQ(rows, 4) << "part 3 adds no row";

    const float flat[24] = {7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7};
    record->AddWallDetail(true, QStringLiteral("x"), flat, QString());
    EXPECT_EQ(record->DetailList[0].Get(0)->MaxHour, 0);
    EXPECT_EQ(record->DetailList[0].Get(0)->MinHour, 0);
}

TEST(ResultRecords, ResetOfADetailedRecordDropsTheRowsOfItsLastHolder)
{
    auto record = std::make_unique<CCalculate_Result_IsACLoadCalculation>();
    const float values[24] = {1};
    record->AddWallDetail(true, QStringLiteral("上一个房间的外墙"), values, QString());
    record->AddWallDetail(false, QStringLiteral("上一个房间的外墙"), values, QString());
    record->Hourly[3][3] = 9;
    record->ComputeTotals();
    record->Reset();
    for (const auto& list : record->DetailList)
        EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(record->Hourly[3][3], 0);
    ASSERT_NE(record->Totals, nullptr);
    EXPECT_EQ(record->Totals->Value[3], 0);
}
