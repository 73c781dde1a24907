// The host data functions over an open project in the main window, the result block maps, and the
// example plug-in's report read through them.
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/ResultByType.h"
#include "model/CNodeData.h"
#include "model/CTreeItem.h"
#include "model/CTreeView2DB.h"
#include "platform/core/CGbkCodec.h"
#include "plugin/CNodeResultBlocks.h"
#include "plugin/CPlug.h"
#include "plugin/CPlugHostFunctions.h"
#include "plugin/CPlugManage.h"
#include "plugin/CPlugRunner.h"
#include "project/CSystemGlobalData.h"
#include "app/controls/TCheckTreeView.h"
#include "report/engine/CQORReport.h"
#include "report/forms/TOutputParamSet.h"
#include "tests/app/MainWindowFixture.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <vector>

TEST(NodeResultBlocksTest, BlocksTakeTheirArraysAsTheMapsSay)
{
    // Block 7 of the detailed type is the cooling index (array 8); array 7 is left out.
    EXPECT_EQ(CNodeResultBlocks::SourceArray(3, 7), 8);
    EXPECT_EQ(CNodeResultBlocks::SourceArray(3, 12), 18);
    EXPECT_EQ(CNodeResultBlocks::SourceArray(3, 89), 105);
    EXPECT_EQ(CNodeResultBlocks::SourceArray(2, 7), 8);
    EXPECT_EQ(CNodeResultBlocks::SourceArray(4, 5), 12);
    EXPECT_EQ(CNodeResultBlocks::SourceArray(4, 44), 0);
    EXPECT_EQ(CNodeResultBlocks::SourceArray(8, 23), 23);
    EXPECT_EQ(CNodeResultBlocks::SourceArray(8, 24), -1);
    // The caller's array sizes of the interface.
    const int required[9] = {26281, 183961, 420480, 788400, 473040, 473040, 210240, 210240, 210240};
    for (int type = 0; type < 9; ++type)
        EXPECT_EQ(CNodeResultBlocks::RequiredValues(type), required[type]) << type;
    EXPECT_EQ(CNodeResultBlocks::RequiredValues(9), 0);
}

TEST(NodeResultBlocksTest, MonthlyRecordsFillTheFirst288HoursOfEachBlockOnly)
{
    void* result = nullptr;
    AllocResultByType(result, 4);
    auto* months = static_cast<CCalculate_Result_IsACLoadStepCalculation*>(result);
    for (int m = 0; m < 12; ++m)
        for (int a = 0; a < 55; ++a)
            for (int h = 0; h < 24; ++h)
                months[m].Hourly[a][h] = static_cast<float>(a * 1000 + m * 24 + h);
    std::vector<float> out(static_cast<size_t>(CNodeResultBlocks::RequiredValues(4)), -7.0f);
    CNodeResultBlocks::Write(4, result, out.data());
    FreeResultByType(result);
    for (int b = 0; b < 54; ++b) {
        const int array = CNodeResultBlocks::SourceArray(4, b);
        const size_t start = static_cast<size_t>(b) * 8760;
        EXPECT_EQ(out[start], array * 1000.0f) << b;
        EXPECT_EQ(out[start + 287], array * 1000.0f + 287) << b; // December, hour 23
        EXPECT_EQ(out[start + 288], -7.0f) << b;
        EXPECT_EQ(out[start + 8759], -7.0f) << b;
    }
}

namespace {
class PlugHostWindowTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        CGbkCodec::WriteLines(m_folder.File(QStringLiteral("PlugConfig.data")), {QStringLiteral("房间面积表")});
        OpenSmallProject();
    }
    int NodeId(int type, const QString& caption) const { return Node(type, caption)->NodeId(); }
    static QStringList Slots(const char* list, int count)
    {
        QStringList texts;
        for (int i = 0; i < count; ++i)
            texts << CGbkCodec::FromGbk(QByteArray(list + i * DIDIVOV_SLOT_BYTES));
        return texts;
    }
};
} // namespace

TEST_F(PlugHostWindowTest, TreeFunctionsFollowTheProjectTree)
{
    CNodeData& root = CTreeView2DB::Current().Root();
    int ids[4] = {-5, -5, -5, -5};
    std::vector<char> captions(4 * DIDIVOV_SLOT_BYTES, 'x');
    EXPECT_EQ(CPlugHostFunctions::GetChildNodes(-1, ids, captions.data(), 4), 1);
    EXPECT_EQ(ids[0], root.NodeId());
    EXPECT_EQ(Slots(captions.data(), 1).value(0), root.TreeItem()->Text());

    // Two rooms, room for one: the count tells the caller, nothing is written past the capacity.
    const int storey = NodeId(2, QStringLiteral("楼层1"));
    ids[1] = -5;
    EXPECT_EQ(CPlugHostFunctions::GetChildNodes(storey, ids, captions.data(), 1), 2);
    EXPECT_EQ(ids[1], -5);
    EXPECT_EQ(captions[DIDIVOV_SLOT_BYTES], 'x');

    const int room = NodeId(3, QStringLiteral("房间1"));
    EXPECT_EQ(CPlugHostFunctions::GetParentNodeId(room), storey);
    EXPECT_EQ(CPlugHostFunctions::GetParentNodeId(-99), -1);
    EXPECT_EQ(CPlugHostFunctions::GetNodeElementId(room), Node(3, QStringLiteral("房间1"))->GetElementId());
    EXPECT_EQ(CPlugHostFunctions::GetNodeElementId(-99), -1);
    EXPECT_EQ(CPlugHostFunctions::GetNodeImageIndex(room), 3);
    EXPECT_EQ(CPlugHostFunctions::GetNodeImageIndex(-99), -1);
    EXPECT_STREQ(CPlugHostFunctions::GetNodeCaption(room), CGbkCodec::ToGbk(QStringLiteral("房间1")).constData());
    Select(Item(3, QStringLiteral("房间2")));
    EXPECT_EQ(CPlugHostFunctions::GetCurrentNodeId(), NodeId(3, QStringLiteral("房间2")));
    // The path below the project.
    EXPECT_STREQ(CPlugHostFunctions::GetRunPlanCaption(room),
                 CGbkCodec::ToGbk(QStringLiteral("大楼1/楼层1/房间1")).constData());

    // In the scheme mode the project stands for the selection and every caption names the scheme.
    CCurRunSolInfo& scheme = CSystemGlobalData::Current().CurRunSolInfo;
    scheme.Mode = 1;
    scheme.SchemeName = QStringLiteral("夏季");
    EXPECT_EQ(CPlugHostFunctions::GetCurrentNodeId(), root.NodeId());
    EXPECT_STREQ(CPlugHostFunctions::GetRunPlanCaption(room), CGbkCodec::ToGbk(QStringLiteral("运行方案：夏季")).constData());
    EXPECT_FALSE(CPlugHostFunctions::IsInRunTimeSystem(room)); // no scheme of that name
    scheme.Mode = 0;
    EXPECT_TRUE(CPlugHostFunctions::IsInRunTimeSystem(room));

    // A node that is not there.
    EXPECT_FALSE(CPlugHostFunctions::GetNodeResults(-99, nullptr));
    EXPECT_EQ(m_dialogs->Messages.value(m_dialogs->Messages.size() - 1), QStringLiteral("该节点不存在"));
}

TEST_F(PlugHostWindowTest, RecordListsEndWithAnEmptySlot)
{
    std::vector<char> names(300 * DIDIVOV_SLOT_BYTES, 'x'), values(300 * DIDIVOV_SLOT_BYTES, 'x');
    ASSERT_TRUE(CPlugHostFunctions::GetProjectParameters(names.data(), values.data()));
    int columns = 0;
    while (names[static_cast<size_t>(columns) * DIDIVOV_SLOT_BYTES] != '\0')
        ++columns;
    ASSERT_GT(columns, 5);
    EXPECT_EQ(values[static_cast<size_t>(columns) * DIDIVOV_SLOT_BYTES], '\0');
    EXPECT_EQ(names[static_cast<size_t>(columns + 1) * DIDIVOV_SLOT_BYTES], 'x') << "nothing after the end slot";
    EXPECT_TRUE(Slots(names.data(), columns).contains(QStringLiteral("DesignType"), Qt::CaseInsensitive));

    const int roomId = Node(3, QStringLiteral("房间1"))->GetElementId();
    ASSERT_TRUE(CPlugHostFunctions::GetElementRecord(3, roomId, names.data(), values.data()));
    EXPECT_FALSE(CPlugHostFunctions::GetElementRecord(3, -1, names.data(), values.data()));
    // Basement walls and loads have no library records.
    EXPECT_FALSE(CPlugHostFunctions::GetLibraryRecord(1, 29, names.data(), values.data()));
    EXPECT_EQ(CPlugHostFunctions::GetElementMaterialId(1, 3), 0);
}

TEST_F(PlugHostWindowTest, TheExamplePlugInIsListedForItsDesignTypeAndReportsTheRooms)
{
    CPlugManage& plugs = m_window->PlugManage();
    int index = -1;
    for (int i = 0; i < plugs.Count(); ++i)
        if (plugs.Get(i)->Name() == QStringLiteral("房间面积表"))
            index = i;
    ASSERT_GE(index, 0);
    ASSERT_TRUE(plugs.Get(index)->Enabled);
    ASSERT_EQ(m_window->OutputPlugActions().size(), plugs.Count());
    QAction* action = m_window->OutputPlugActions()[index];
    auto* output = m_window->findChild<QMenu*>(QStringLiteral("OutputMenu"));
    ASSERT_NE(output, nullptr);
    EXPECT_TRUE(output->actions().contains(action));

    CSystemGlobalData::Current().SetDesignType(3);
    EXPECT_TRUE(action->isEnabled());
    CSystemGlobalData::Current().SetDesignType(0);
    EXPECT_FALSE(action->isEnabled());
    m_window->act_extendtoolExecute();
    ASSERT_EQ(m_window->PlugInPopup()->actions().size(), 1);
    EXPECT_FALSE(m_window->PlugInPopup()->actions()[0]->isEnabled());
    m_window->PlugInPopup()->close();
    CSystemGlobalData::Current().SetDesignType(3);

    // Its kind-2 path says whether the output dialog is open.
    EXPECT_STREQ(CPlugHostFunctions::GetPlugPath(index, 2), "0");
    EXPECT_EQ(QString::fromLocal8Bit(CPlugHostFunctions::GetPlugPath(index, 0)), plugs.Get(index)->PlugFolder());

    QStringList rows;
    ASSERT_TRUE(CPlugRunner::Run(*plugs.Get(index), nullptr, [&rows](CQORReport& report) {
        for (int r = 0; r < report.RecordCount(); ++r)
            rows << report.Cell(r, 1) + QLatin1Char('|') + report.Cell(r, 2);
    }));
    EXPECT_EQ(rows, QStringList({QStringLiteral("房间1|0.00"), QStringLiteral("房间2|0.00"),
                                 QStringLiteral("合计|0.00")}));
}

TEST_F(PlugHostWindowTest, TheOutputDialogOffersThePlugInAndItsOkStoresTheChoice)
{
    CSystemGlobalData::Current().SetDesignType(3);
    const QString config = CSystemGlobalData::Current().ProjectFolder() + QStringLiteral("OutPutConfig.data");
    QFile::remove(config);
    {
        TOutputParamSet dialog(m_window.get());
        dialog.BuildOptionTree();
        ASSERT_EQ(dialog.PlugNodes.size(), 1u);
        EXPECT_EQ(dialog.PlugNodes[0]->text(0), QStringLiteral("房间面积表"));
        EXPECT_EQ(TCheckTreeView::State(dialog.PlugNodes[0]), 0);
        dialog.CheckTreeView1->SetState(dialog.PlugNodes[0], 1);
        dialog.FlatButton2Click();
    }
    QString text;
    ASSERT_TRUE(CGbkCodec::ReadTextFile(config, text));
    EXPECT_EQ(text, QStringLiteral("房间面积表\r\n"));
    // Another design type offers none.
    CSystemGlobalData::Current().SetDesignType(0);
    TOutputParamSet other(m_window.get());
    other.BuildOptionTree();
    EXPECT_TRUE(other.PlugNodes.empty());
}

TEST_F(PlugHostWindowTest, NodeResultsOfAQuickEstimateFillTheFourValuesOnly)
{
    CSystemGlobalData::Current().SetDesignType(0);
    std::vector<float> out(static_cast<size_t>(CNodeResultBlocks::RequiredValues(0)) + 1, -7.0f);
    ASSERT_TRUE(CPlugHostFunctions::GetNodeResults(Node(3, QStringLiteral("房间1"))->NodeId(), out.data()));
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_NE(out[k * 8760], -7.0f) << k;
        EXPECT_EQ(out[k * 8760 + 1], -7.0f) << k;
    }
    EXPECT_EQ(out.back(), -7.0f);
}
