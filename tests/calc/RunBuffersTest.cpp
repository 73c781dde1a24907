#include "calc/CCalResultBuffer.h"
#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CEleObjBuffer.h"
#include "calc/CIndexArea.h"
#include "calc/CNodeDataBuffer.h"
#include "calc/ResultAccumulation.h"
#include "model/CElementBase.h"
#include "model/CRoom.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/Exception.h"
#include "tests/model/ModelFixture.h"
#include "tests/model/ProjectTreeFixture.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

TEST(ResultPool, HolderWithARecordKeepsItAndTheSpareStays)
{
    CCalResultBuffer pool(3);
    EXPECT_EQ(CCalResultBuffer::GetCurrent(), &pool);
    void* spare = nullptr;
    pool.AcquireResult(spare);
    pool.ReleaseResult(spare);

    void* held = nullptr;
    AllocResultByType(held, 3);
    static_cast<CCalculate_Result_IsACLoadCalculation*>(held)->Hourly[0][0] = 5;
    void* before = held;
    pool.AcquireResult(held);
    EXPECT_EQ(held, before);
    EXPECT_EQ(static_cast<CCalculate_Result_IsACLoadCalculation*>(held)->Hourly[0][0], 0);
    EXPECT_EQ(pool.SpareCount(), 1);

    pool.ReleaseResult(held);
    pool.ReleaseResult(held);
    pool.ReleaseResult(nullptr);
    EXPECT_EQ(pool.SpareCount(), 2) << "a record given back twice is pooled once";

    void* first = nullptr;
    pool.AcquireResult(first);
    EXPECT_EQ(first, spare) << "the spare given back longest ago comes first";
    pool.ReleaseResult(first);
}

TEST(ResultPool, RecordsOfAnotherDesignTypeAreFreedAsWhatTheyAre)
{
    // A holder keeps its daily record while the user switches to detailed cooling: the pool of
    // the new run must neither reset nor pool it as a detailed record.
    CCalResultBuffer pool(3);
    void* held = nullptr;
    AllocResultByType(held, 5);
    EXPECT_EQ(ResultDesignType(held), 5);
    pool.AcquireResult(held);
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(ResultDesignType(held), 3);

    void* stale = nullptr;
    AllocResultByType(stale, 8);
    pool.ReleaseResult(stale);
    EXPECT_EQ(pool.SpareCount(), 0);
    pool.ReleaseResult(held);
    EXPECT_EQ(pool.SpareCount(), 1);
}

TEST(ResultPool, KeepsAtMostOneHundredSpares)
{
    CCalResultBuffer pool(8);
    std::vector<void*> held(101, nullptr);
    for (void*& result : held)
        pool.AcquireResult(result);
    EXPECT_EQ(std::set<void*>(held.begin(), held.end()).size(), 101u);
    for (void* result : held)
        pool.ReleaseResult(result);
    EXPECT_EQ(pool.SpareCount(), CCalResultBuffer::MaxSpare);
}

TEST(ResultPool, AThousandRoomsReuseOneRecordAndCarryNoRowsOfEarlierRooms)
{
    CCalResultBuffer pool(3);
    void* total = nullptr;
    pool.AcquireResult(total);
    const float values[24] = {100};
    std::set<void*> used;
    for (int room = 0; room < 1000; ++room) {
        void* result = nullptr;
        pool.AcquireResult(result);
        used.insert(result);
        auto* record = static_cast<CCalculate_Result_IsACLoadCalculation*>(result);
        for (const auto& list : record->DetailList)
            ASSERT_EQ(list.Count(), 0) << "room " << room;
        record->Hourly[0][0] = 1;
        record->AddWallDetail(true, QStringLiteral("外墙%1").arg(room), values, QString());
        record->AddWallDetail(false, QStringLiteral("外墙%1").arg(room), values, QString());
        AddResultToTotal(total, result, 0, pool.DesignType());
        pool.ReleaseResult(result);
        ASSERT_LE(pool.SpareCount(), 1);
    }
    EXPECT_EQ(used.size(), 1u);
    EXPECT_EQ(static_cast<CCalculate_Result_IsACLoadCalculation*>(total)->Hourly[0][0], 1000);
    pool.ReleaseResult(total);
}

TEST(ResultPool, DestroyingThePoolClearsTheCurrentSlot)
{
    {
        CCalResultBuffer pool(5);
        void* days = nullptr;
        pool.AcquireResult(days);
        static_cast<CCalculate_Result_IsACLoadStepCalculation*>(days)[364].Hourly[0][0] = 1;
        pool.ReleaseResult(days);
    }
    EXPECT_EQ(CCalResultBuffer::GetCurrent(), nullptr);
}

TEST(ElementPool, FactoryCoversEveryElementType)
{
    for (int type = 0; type < 31; ++type) {
        std::unique_ptr<CElementBase> element = CreateElementObject(type);
        ASSERT_NE(element, nullptr) << type;
        EXPECT_EQ(element->Type(), type);
    }
    EXPECT_EQ(CreateElementObject(31), nullptr);
    EXPECT_EQ(CreateElementObject(-1), nullptr);
}

namespace {
class StubNode : public CElementNode
{
public:
    int ParentElementId() const override { return -1; }
    QString NodePath() const override { return {}; }
    CElementBase* AncestorElement(int) const override { return nullptr; }
};
} // namespace

TEST(ElementPool, SparesAreReusedUnboundAndBounded)
{
    CEleObjBuffer pool;
    std::vector<std::unique_ptr<CElementBase>> rooms;
    for (int i = 0; i < 101; ++i)
        rooms.push_back(pool.AcquireElement(CRoom::TypeCode));
    StubNode node;
    rooms[0]->Name = QStringLiteral("房间1");
    rooms[0]->Node = &node;
    CElementBase* first = rooms[0].get();
    for (auto& room : rooms)
        pool.ReleaseElement(std::move(room));
    EXPECT_EQ(pool.SpareCount(CRoom::TypeCode), CEleObjBuffer::MaxSpare);
    EXPECT_EQ(pool.SpareCount(4), 0);

    std::unique_ptr<CElementBase> again = pool.AcquireElement(CRoom::TypeCode);
    EXPECT_EQ(again.get(), first);
    EXPECT_EQ(again->Name, "房间1") << "values of the last use stay until the row is loaded";
    EXPECT_EQ(again->Node, nullptr) << "a spare is bound to no tree node";
    EXPECT_EQ(pool.AcquireElement(31), nullptr);
    pool.ReleaseElement(nullptr);
    EXPECT_EQ(&CEleObjBuffer::Instance(), &CEleObjBuffer::Instance());
}

class RunBuffersDb : public ModelFixture
{
protected:
    void Exec(const QString& sql) { m_project.ExecSQL(CSQLStatement(sql)); }
};

TEST_F(RunBuffersDb, NodeDataBufferReadsEachTableOnce)
{
    Exec("insert into Building (ID, Name) values (7, 'A楼')");
    Exec("insert into Building (ID, Name) values (9, 'B楼')");
    CNodeDataBuffer buffer;
    EXPECT_EQ(CNodeDataBuffer::GetCurrent(), &buffer);

    CDbQuery* found = buffer.LocateRecord(1, 9);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->AsString("Name"), "B楼");
    EXPECT_EQ(buffer.LocateRecord(1, 8), nullptr);
    // Rows added after the first read are not seen: the table was read once.
    Exec("insert into Building (ID, Name) values (8, 'C楼')");
    EXPECT_EQ(buffer.LocateRecord(1, 8), nullptr);
    CDbQuery* again = buffer.LocateRecord(1, 7);
    EXPECT_EQ(again, found) << "one query per table";
    EXPECT_EQ(again->AsString("Name"), "A楼");
    EXPECT_EQ(buffer.LocateRecord(31, 7), nullptr);
    EXPECT_EQ(buffer.LocateRecord(-1, 7), nullptr);
}

class NodeDataBufferLoading : public ProjectTreeFixture
{
protected:
    void SetHeight(const CNodeData* room, double height)
    {
        m_project.ExecSQL(
            {QStringLiteral("update Room set Height=? where ID=?"), {height, room->GetElementId()}});
    }
    static double LoadedHeight(CNodeData* room)
    {
        room->ReleaseElements(false, true);
        const auto* element = dynamic_cast<const CRoom*>(room->LoadElement());
        return element ? element->Height : -1;
    }
};

TEST_F(NodeDataBufferLoading, ElementsOfARunComeFromTheRowsTheBufferRead)
{
    CNodeData* storey = Make(Make(&Root(), 1), 2);
    CNodeData* room = Make(storey, CRoom::TypeCode);
    SetHeight(room, 3);
    {
        CNodeDataBuffer buffer;
        EXPECT_DOUBLE_EQ(LoadedHeight(room), 3);
        // The table was read once, for the whole run.
        SetHeight(room, 4);
        EXPECT_DOUBLE_EQ(LoadedHeight(room), 3);
        // A row written after that read is read by its own statement.
        CNodeData* later = Make(storey, CRoom::TypeCode);
        SetHeight(later, 5);
        EXPECT_DOUBLE_EQ(LoadedHeight(later), 5);
    }
    EXPECT_DOUBLE_EQ(LoadedHeight(room), 4) << "without a buffer every load reads the row";
}

TEST_F(RunBuffersDb, NodeDataBufferReportsATableThatCannotBeRead)
{
    Exec("drop table GapWall");
    CNodeDataBuffer buffer;
    try {
        buffer.LocateRecord(24, 1);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().startsWith("查询SQL发生异常:\n")) << e.Message().toStdString();
        EXPECT_TRUE(e.Message().contains("执行的语句:select * from GapWall")) << e.Message().toStdString();
    }
}

TEST_F(RunBuffersDb, IndexAreaFollowsTheAreaTypeSetting)
{
    TInitalizationManage defaults;
    defaults.Load(m_project.Initialization);

    defaults.SetValue("AreaTypeForCalIndex", "0");
    CIndexArea::Reset();
    CIndexArea::AddRoomArea(1200, -800, 30);
    CIndexArea::AddRoomArea(0, 0, 50);
    CIndexArea::AddRoomArea(-5, 3, 70);
    EXPECT_EQ(CIndexArea::CoolingArea(), 30);
    EXPECT_EQ(CIndexArea::HeatingArea(), 30);
    CIndexArea::SetBuildingArea(500);
    EXPECT_EQ(CIndexArea::CoolingArea(), 30);

    defaults.SetValue("AreaTypeForCalIndex", "1");
    CIndexArea::SetBuildingArea(500);
    EXPECT_EQ(CIndexArea::CoolingArea(), 500);
    EXPECT_EQ(CIndexArea::HeatingArea(), 500);

    defaults.SetValue("AreaTypeForCalIndex", "建筑面积");
    EXPECT_THROW(CIndexArea::SetBuildingArea(10), Exception);
    CIndexArea::Reset();
    EXPECT_EQ(CIndexArea::CoolingArea(), 0);
    EXPECT_EQ(CIndexArea::HeatingArea(), 0);
}
