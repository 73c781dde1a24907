#include "tests/calc/CalcFixture.h"

#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Result_IsACLoadSimpleEstimation.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/ResultByType.h"
#include "model/CRoom.h"
#include "platform/core/Exception.h"

double FakeCalcHost::GetElevation(const CNodeData& storeyNode) const
{
    return storeyNode.NodeId() + 0.5;
}

SFormRecord& FakeMsgOutputForm::Check()
{
    if (m_record.Fail)
        throw Exception(QStringLiteral("窗口失效"));
    return m_record;
}

void SetLoad(void* result, float load)
{
    switch (CurrentDesignType()) {
    case 0:
        static_cast<CCalculate_Result_IsACLoadSimpleEstimation*>(result)->Value[0] = load;
        return;
    case 3:
        static_cast<CCalculate_Result_IsACLoadCalculation*>(result)->Hourly[0][12] = load;
        return;
    case 5:
        for (int day = 0; day < 365; ++day)
            static_cast<CCalculate_Result_IsACLoadStepCalculation*>(result)[day].Hourly[0][12] = load;
        return;
    default:
        FAIL() << "design type " << CurrentDesignType();
    }
}

float LoadOf(const void* result)
{
    switch (CurrentDesignType()) {
    case 0:
        return static_cast<const CCalculate_Result_IsACLoadSimpleEstimation*>(result)->Value[0];
    case 3:
        return static_cast<const CCalculate_Result_IsACLoadCalculation*>(result)->Hourly[0][12];
    case 5:
        return static_cast<const CCalculate_Result_IsACLoadStepCalculation*>(result)[364].Hourly[0][12];
    default:
        ADD_FAILURE() << "design type " << CurrentDesignType();
        return 0;
    }
}

bool RecordingRoomEngine::CalculateRoomLoads(CCalculate_Manager& manager, CCalculate_Room& room,
                                             const CElementDetailCallback&)
{
    if (CCalMsgOutput::IsCurrentStopped())
        return false;
    Rooms << room.Entry.Caption;
    Cursor << manager.CurrentBuilding()->Entry.Caption + QLatin1Char('/') +
                  manager.CurrentStorey()->Entry.Caption;
    EXPECT_DOUBLE_EQ(manager.StoreyElevation(), manager.CurrentStorey()->Entry.Node->NodeId() + 0.5);
    EXPECT_EQ(manager.CurrentRoom(), &room);
    CCalResultBuffer::Current().AcquireResult(room.Result);
    const auto* element = dynamic_cast<const CRoom*>(room.Entry.GetElement());
    SetLoad(room.Result, element ? static_cast<float>(element->Area) : -1.0f);
    if (CCalMsgOutput* progress = CCalMsgOutput::GetCurrent())
        progress->StepProgress(QStringLiteral("正在计算[%1]").arg(room.Entry.Caption));
    if (Rooms.size() == FailAt) {
        if (CCalMsgOutput* progress = CCalMsgOutput::GetCurrent())
            progress->Stop();
        return false;
    }
    return true;
}

void RecordingRoomEngine::CalculatePumpAndPipeLoad(CCalculate_Manager&, CCalculate_Building& building)
{
    Buildings << building.Entry.Caption;
    SetLoad(building.Result, PumpLoad);
}

void CalcFixture::SetUp()
{
    CProjectData::SetCurrent(&m_parameters);
    m_parameters.DesignType = 0;
    ProjectTreeFixture::SetUp();
    CCalMsgOutput::SetFormFactory([this](QObject*) -> std::unique_ptr<CMsgOutputFormBase> {
        return std::make_unique<FakeMsgOutputForm>(m_form);
    });
    BuildTree();
}

void CalcFixture::TearDown()
{
    CCalMsgOutput::SetFormFactory(nullptr);
    ProjectTreeFixture::TearDown();
}

CNodeData* CalcFixture::MakeRoom(CNodeData* storey, double area)
{
    CNodeData* node = Make(storey, 3);
    auto* room = dynamic_cast<CRoom*>(node->LoadElement());
    room->IsLWInputArea = 1;
    room->Area = area;
    EXPECT_EQ(room->UpdateRecord(), 1);
    return node;
}

void CalcFixture::BuildTree()
{
    B1 = Make(&Root(), 1);
    S1 = Make(B1, 2);
    R1 = MakeRoom(S1, 10);
    Make(R1, 4);
    Make(R1, 4);
    Make(R1, 5);
    Wall1 = Make(R1, 9);
    Window1 = Make(Wall1, 10);
    Make(Wall1, 11);
    CNodeData* insideWall = Make(R1, 13);
    Make(insideWall, 14);
    Make(insideWall, 15);
    Make(Make(R1, 17), 18);
    for (int kind : CCalculate_Room::ElementListKinds)
        Make(R1, kind);
    R2 = MakeRoom(S1, 20);
    IdleWall = Make(R2, 9);
    Make(IdleWall, 10);
    IdleWall->SetNodeStatus(false);
    F1 = Make(S1, 30);
    R3 = MakeRoom(F1, 30);
    S2 = Make(B1, 2);
    R4 = MakeRoom(S2, 40);
    B2 = Make(&Root(), 1);
    S3 = Make(B2, 2);
    R5 = MakeRoom(S3, 50);
    R6 = MakeRoom(S3, 60);
    R6->SetNodeStatus(false);
    Show();
}
