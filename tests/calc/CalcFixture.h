#pragma once
#include "calc/CCalMsgOutput.h"
#include "calc/CCalResultBuffer.h"
#include "calc/CCalculateHostBase.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CMsgOutputFormBase.h"
#include "calc/CRoomLoadEngineBase.h"
#include "model/CProjectData.h"
#include "tests/model/ProjectTreeFixture.h"

#include <QList>
#include <QStringList>
#include <functional>

// The program above the calculation: operating-scheme selection, elevations and messages.
class FakeCalcHost : public CCalculateHostBase
{
public:
    bool IsSchemeMode() const override { return SchemeMode; }
    bool SchemeContainsId(int nodeId) const override { return SchemeRooms.contains(nodeId); }
    // A value that names the storey: its node id + 0.5.
    double GetElevation(const CNodeData& storeyNode) const override;
    void AddMessage(const QString& text) override { Messages << text; }
    void AddOutputLine(int category, const QString& text) override
    {
        OutputLines << QString::number(category) + QLatin1Char(':') + text;
    }

    bool SchemeMode = false;
    QList<int> SchemeRooms;
    QStringList Messages;
    QStringList OutputLines;
};

// What the progress window was told, kept by the fixture across the window's life.
struct SFormRecord
{
    QString Caption;
    QString MainLine;
    QString StepLine;
    QString RemainingLine;
    bool GaugeVisible = false;
    int Position = 0;
    int Maximum = 0;
    bool CancelEnabled = true;
    bool Shown = false;
    bool Closed = false;
    bool OwnerEnabled = true;
    int OwnerRaised = 0;
    int EventPasses = 0;
    bool Destroyed = false;
    // Runs while the window lets input through, as a press of "终止" would.
    std::function<void()> OnEvents;
    // Makes every window operation raise, as a broken window layer would.
    bool Fail = false;
};

class FakeMsgOutputForm : public CMsgOutputFormBase
{
public:
    explicit FakeMsgOutputForm(SFormRecord& record) : m_record(record) {}
    ~FakeMsgOutputForm() override { m_record.Destroyed = true; }

    void SetCaption(const QString& caption) override { Check().Caption = caption; }
    void SetMainLine(const QString& text) override { Check().MainLine = text; }
    void SetStepLine(const QString& text) override { Check().StepLine = text; }
    void SetRemainingLine(const QString& text) override { Check().RemainingLine = text; }
    void SetGaugeVisible(bool visible) override { Check().GaugeVisible = visible; }
    void SetGauge(int position, int maximum) override
    {
        Check().Position = position;
        m_record.Maximum = maximum;
    }
    void SetCancelEnabled(bool enabled) override { Check().CancelEnabled = enabled; }
    void ShowWindow() override { Check().Shown = true; }
    void CloseWindow() override { Check().Closed = true; }
    void SetOwnerEnabled(bool enabled) override { Check().OwnerEnabled = enabled; }
    void BringOwnerToFront() override { ++Check().OwnerRaised; }
    void Repaint() override { Check(); }
    void ProcessEvents() override
    {
        ++Check().EventPasses;
        if (m_record.OnEvents)
            m_record.OnEvents();
    }

private:
    SFormRecord& Check();
    SFormRecord& m_record;
};

// Stands in for the room engine: records the rooms and buildings it is given and fills each
// room's result with the room's area as its cooling load, stepping the progress window as the
// room calculation does. It can fail a chosen room.
class RecordingRoomEngine : public CRoomLoadEngineBase
{
public:
    bool CalculateRoomLoads(CCalculate_Manager& manager, CCalculate_Room& room,
                            const CElementDetailCallback& detail) override;
    void CalculatePumpAndPipeLoad(CCalculate_Manager& manager, CCalculate_Building& building) override;

    QStringList Rooms;     // captions, in calculation order
    QStringList Buildings; // buildings given a pump and pipe load
    QStringList Cursor;    // "building/storey" of the cursor at each room
    int FailAt = 0;        // 1-based room that fails; 0 none
    float PumpLoad = 1000;
};

// The load of design type 0, 3 or 5 that a result holds in its first value (for type 5 in every
// day); the fake engine writes it, the tests read totals with it.
void SetLoad(void* result, float load);
float LoadOf(const void* result);

// A blank project with the calculation's fakes installed: the project parameters (design type 0),
// the calculation host and the progress window's factory. The tree:
//   B1/S1: R1 (area 10, every element kind), R2 (20, a disabled outside wall with a window),
//          folder F1 with R3 (30)
//   B1/S2: R4 (40)
//   B2/S3: R5 (50), R6 (60, disabled)
class CalcFixture : public ProjectTreeFixture
{
protected:
    void SetUp() override;
    void TearDown() override;

    void BuildTree();
    // A room with its area entered.
    CNodeData* MakeRoom(CNodeData* storey, double area);
    void SetDesignType(int designType) { m_parameters.DesignType = designType; }
    void SetDefault(const QString& name, const QString& value) { m_defaults.SetValue(name, value); }
    CTreeItem* Item(const CNodeData* node) const { return node ? node->TreeItem() : nullptr; }

    CProjectData m_parameters;
    FakeCalcHost m_calcHost;
    SFormRecord m_form;

    CNodeData* B1 = nullptr;
    CNodeData* B2 = nullptr;
    CNodeData* S1 = nullptr;
    CNodeData* S2 = nullptr;
    CNodeData* S3 = nullptr;
    CNodeData* R1 = nullptr;
    CNodeData* R2 = nullptr;
    CNodeData* R3 = nullptr;
    CNodeData* R4 = nullptr;
    CNodeData* R5 = nullptr;
    CNodeData* R6 = nullptr;
    CNodeData* F1 = nullptr;
    CNodeData* Wall1 = nullptr;    // R1's outside wall
    CNodeData* Window1 = nullptr;  // on Wall1
    CNodeData* IdleWall = nullptr; // R2's disabled outside wall
};
