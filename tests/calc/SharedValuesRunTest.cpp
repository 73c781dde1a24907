// The calculation library reuses over a run what rooms share (SetSharedValues). The benchmark's
// office building, room by room, gives the same hourly arrays with the shared values as with every
// library call computed from its own arguments, under the detailed cooling (3), daily cooling (5)
// and daily heating (8) design types.
#include "bench/CBenchProject.h"
#include "calc/CCalMsgOutput.h"
#include "calc/CCalResultBuffer.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CNodeDataBuffer.h"
#include "calc/ResultByType.h"
#include "calc/ResultDispatch.h"
#include "calclib/dizedozev.h"
#include "model/CNodeData.h"
#include "model/CRoom.h"
#include "model/CTreeItem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kHours = 24;
// A storey of 20 rooms facing the four ways on the ground and one of 4 under the roof: every
// orientation, slab and roof of the generated building.
constexpr int kRooms = 24;

std::vector<CTreeItem*> RoomItems(CTreeItem* building)
{
    std::vector<CTreeItem*> rooms, open{building};
    while (!open.empty()) {
        CTreeItem* item = open.back();
        open.pop_back();
        if (item->Type() == CRoom::TypeCode)
            rooms.push_back(item);
        for (int i = 0; i < item->Count(); ++i)
            open.push_back(item->Item(i));
    }
    std::sort(rooms.begin(), rooms.end(),
              [](CTreeItem* a, CTreeItem* b) { return a->Node()->NodeId() < b->Node()->NodeId(); });
    return rooms;
}

// Every hourly array of every record of each room, each room calculated on its own, in order.
std::vector<std::vector<float>> RoomArrays(CBenchProject& project, int designType)
{
    std::vector<std::vector<float>> rooms;
    for (CTreeItem* room : RoomItems(project.BuildingItem())) {
        CNodeDataBuffer nodeBuffer;
        CCalResultBuffer pool;
        CCalMsgOutput progress(QStringLiteral("正在计算最大负荷"), nullptr);
        void* total = nullptr;
        AllocResultByType(total, designType);
        {
            CCalculate_Manager manager;
            EXPECT_EQ(manager.Calculate(room, total), 3);
        }
        std::vector<float> values;
        VisitResultType(designType, [&](auto* tag, int steps) {
            using Record = ResultRecordOf<decltype(tag)>;
            if constexpr (requires(const Record& r) { r.Hourly; }) {
                const auto* records = static_cast<const Record*>(total);
                values.reserve(static_cast<size_t>(steps) * Record::ArrayCount * kHours);
                for (int s = 0; s < steps; ++s)
                    values.insert(values.end(), &records[s].Hourly[0][0],
                                  &records[s].Hourly[0][0] + Record::ArrayCount * kHours);
            }
        });
        FreeResultByType(total);
        rooms.push_back(std::move(values));
    }
    return rooms;
}

class SharedValuesRunTest : public ::testing::TestWithParam<int>
{
protected:
    void TearDown() override { SetSharedValues(1); }
};

TEST_P(SharedValuesRunTest, EveryHourlyArrayOfEveryRoomAgreesWithCallsComputedAlone)
{
    const int designType = GetParam();
    CBenchProject project(designType);
    project.BuildOfficeBuilding(kRooms);

    SetSharedValues(0);
    const auto alone = RoomArrays(project, designType);
    SetSharedValues(1);
    const auto shared = RoomArrays(project, designType);

    ASSERT_EQ(alone.size(), static_cast<size_t>(kRooms));
    ASSERT_EQ(shared.size(), alone.size());
    int arrays = 0, loaded = 0;
    for (size_t r = 0; r < alone.size(); ++r) {
        ASSERT_EQ(shared[r].size(), alone[r].size());
        // Relative to the array's largest value, so that an hour near zero is not held to more
        // digits than the loads it is the sum of.
        for (size_t first = 0; first < alone[r].size(); first += kHours) {
            const float* a = &alone[r][first];
            const float* b = &shared[r][first];
            float peak = 0;
            for (int h = 0; h < kHours; ++h)
                peak = std::max({peak, std::fabs(a[h]), std::fabs(b[h])});
            for (int h = 0; h < kHours; ++h)
                ASSERT_LE(std::fabs(a[h] - b[h]), 1e-6 * peak)
                    << "room " << r << ", array " << first / kHours << ", hour " << h;
            ++arrays;
            loaded += peak > 0 ? 1 : 0;
        }
    }
    EXPECT_GT(loaded, arrays / 4) << "most arrays of the rooms carry loads";
}

INSTANTIATE_TEST_SUITE_P(AnnualAndDesignDay, SharedValuesRunTest, ::testing::Values(3, 5, 8),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "DesignType" + std::to_string(info.param);
                         });

} // namespace
