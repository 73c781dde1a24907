// The heating-load book of the office demonstration from the main window: its project total
// against the "最大负荷" heating total of the same project, the dialog's ticks written back, and no
// book under another design type.
#include "app/CProgramStart.h"
#include "app/TVoro_Main.h"
#include "app/controls/CSysOutputManage.h"
#include "app/controls/TCheckTreeView.h"
#include "app/controls/TViewMaxLoadForm.h"
#include "model/CNodeData.h"
#include "model/CTreeItem.h"
#include "model/CTreeView2DB.h"
#include "model/TDM_Project.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "project/CSystemGlobalData.h"
#include "report/CHLDReport.h"
#include "report/engine/CQORReport.h"
#include "report/engine/CReportPreviewBase.h"
#include "report/forms/THLReport_SetForm.h"
#include "tests/app/TestApplication.h"
#include "tests/support/CFakeToolDialogs.h"
#include "tests/support/CTestProgramFolder.h"
#include "tools/CDemoProject.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QTreeWidgetItem>
#include <gtest/gtest.h>

namespace {
constexpr int kHeatingDetailed = 6;
constexpr int kProjectTotal = 83; // Toal总

// Keeps the cells of every previewed report.
class RecordingPreview : public CReportPreviewBase
{
public:
    void ShowPreview(CQORReport& report) override
    {
        QList<QStringList> rows;
        for (int row = 0; row < report.RecordCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < report.FieldCount(); ++column)
                cells << report.Cell(row, column);
            rows << cells;
        }
        Reports << rows;
    }
    QList<QList<QStringList>> Reports;
};

class HeatingBookRoadTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        ASSERT_TRUE(m_folder.AddLibrary(QStringLiteral("librozadizo.so")));
        m_projectPath = m_folder.File(QStringLiteral("User/office.VLZ"));
        CDemoProject::WriteOffice(m_projectPath, kHeatingDetailed, std::make_unique<CFakeToolDialogs>());
        auto dialogs = std::make_unique<CFakeToolDialogs>();
        m_start = std::make_unique<CProgramStart>(std::move(dialogs));
        m_window = std::make_unique<TVoro_Main>();
        ASSERT_TRUE(m_start->Start());
        m_window->SetCommandLine({m_projectPath});
        m_window->show();
        ASSERT_TRUE(CSystemGlobalData::Current().IsProjectOpen());
        m_preview = std::make_unique<RecordingPreview>();
    }
    void TearDown() override
    {
        m_preview.reset();
        m_window.reset();
        m_start.reset();
    }

    // The "最大负荷" total of the project node, read from the load tab.
    double MaximumLoadTotal(const QString& label)
    {
        m_window->MainTreeView()->Select(m_window->MainTreeView()->TopItem(0));
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (auto* list = qobject_cast<TViewMaxLoadForm*>(QApplication::activeModalWidget()))
                list->reject();
        });
        closer.start(1);
        m_window->Action(QStringLiteral("ToolButton1"))->trigger();
        for (const QString& line : CSysOutputManage::Instance().Lines(SysOutputLoad))
            if (line.startsWith(label))
                return line.section(QLatin1Char(':'), 1).trimmed().section(QLatin1Char(' '), 0, 0).toDouble();
        ADD_FAILURE() << "no line " << label.toStdString();
        return 0;
    }

    CTestProgramFolder m_folder;
    QString m_projectPath;
    std::unique_ptr<CProgramStart> m_start;
    std::unique_ptr<TVoro_Main> m_window;
    std::unique_ptr<RecordingPreview> m_preview;
};

TEST_F(HeatingBookRoadTest, ProjectTotalEqualsTheMaximumLoadTotal)
{
    const double total = MaximumLoadTotal(QStringLiteral("总采暖负荷"));
    EXPECT_LT(total, -1000.0);

    THLReport_SetForm dialog;
    dialog.show();
    dialog.FlatButton2Click();
    ASSERT_EQ(m_preview->Reports.size(), 1);
    const QList<QStringList>& rows = m_preview->Reports[0];
    ASSERT_GT(rows.size(), 10);
    const QStringList& last = rows.back();
    EXPECT_EQ(last[76], QStringLiteral("大楼汇总"));
    EXPECT_NEAR(last[kProjectTotal].toDouble(), total, 0.011);
    // Every row names a room; directions follow the walls.
    EXPECT_TRUE(rows[0][3].contains(QStringLiteral("\n["))) << rows[0][3].toStdString();
}

TEST_F(HeatingBookRoadTest, TicksAreWrittenBackAndOtherDesignTypesGiveNoBook)
{
    THLReport_SetForm dialog;
    dialog.show();
    TCheckTreeView& tree = *dialog.CheckTreeView1;
    QTreeWidgetItem* project = tree.topLevelItem(0);
    ASSERT_NE(project, nullptr);
    EXPECT_EQ(dialog.ItemOf(project), nullptr);
    QTreeWidgetItem* building = project->child(0);
    ASSERT_NE(dialog.ItemOf(building), nullptr);
    QTreeWidgetItem* storey = building->child(0);
    ASSERT_GE(building->childCount(), 2);
    // Unticking one storey leaves the building partly ticked; the building stores 2.
    tree.SetCheck(storey, true);
    EXPECT_EQ(TCheckTreeView::State(building), 2);
    EXPECT_GE(dialog.StoreChanges(), 3);
    CDbQuery query(TDM_Project::Current().ProjectCon);
    OpenQueryGuarded(query, CSQLStatement(QStringLiteral("select bOutputHL from Building")));
    EXPECT_EQ(query.FieldByName(QStringLiteral("bOutputHL")).toInt(), 2);
    // Stored: a second store writes nothing.
    EXPECT_EQ(dialog.StoreChanges(), 0);

    dialog.FlatButton2Click();
    ASSERT_EQ(m_preview->Reports.size(), 1);
    const QString storeyCaption = storey->text(0);
    for (const QStringList& row : m_preview->Reports[0])
        EXPECT_FALSE(row[1].startsWith(storeyCaption + QLatin1Char('/'))) << row[1].toStdString();

    m_window->Action(QStringLiteral("Action_ACLoadDetailedCalculation"))->trigger();
    dialog.FlatButton2Click();
    EXPECT_EQ(m_preview->Reports.size(), 1) << "no book under the detailed cooling type";
}

} // namespace
