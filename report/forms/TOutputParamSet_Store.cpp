// The output options dialog: storing the settings, the defaults, the output run and the day grids.
#include "report/forms/TOutputParamSet.h"

#include "app/controls/CSysOutputManage.h"
#include "app/controls/TCheckPopupTree.h"
#include "app/controls/TControlEdit.h"
#include "app/controls/TRadioGroup.h"
#include "calc/ResultByType.h"
#include "model/CEleAttrs.h"
#include "model/CElementBase.h"
#include "model/CNodeData.h"
#include "model/CProjectData.h"
#include "model/CProjectTreeHostBase.h"
#include "model/CTreeView2DB.h"
#include "model/NameTables.h"
#include "model/TDM_Project.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CTool.h"
#include "platform/core/CWaitCursor.h"
#include "project/CRestoreDataFromDBToDB.h"
#include "report/CCalculateAndOutput.h"
#include "report/COutputParams.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QTreeWidgetItemIterator>
#include <algorithm>

namespace {
constexpr int kDayColumns = 7;
constexpr int kDayRows = 5;
constexpr int kHourColumns = 24;

bool HeatingDesignType()
{
    const int designType = CurrentDesignType();
    return designType >= 6 && designType <= 8;
}
} // namespace

void TOutputParamSet::StoreSettings()
{
    CWaitCursor wait;
    OutputRegistry.WriteRegistryBool(QStringLiteral("Head_Winter"), CheckBox5->isChecked());
    OutputRegistry.WriteRegistryBool(QStringLiteral("Head_RoomDetail"), CheckBox6->isChecked());
    CProjectData::SetMaxTime(kHourColumns);
    StoreRegistry(QStringLiteral("maxtime"), kHourColumns);

    CProjectData& project = CProjectData::Current();
    const int designType = CurrentDesignType();
    if (designType == 4 || designType == 7)
        for (int m = 0; m < 12; ++m) {
            project.MonthCheck[static_cast<size_t>(m)] = CheckListBox2->item(m)->checkState() == Qt::Checked ? 1 : 0;
            project.MonthCheck_Total[static_cast<size_t>(m)] =
                CheckListBox3->item(m)->checkState() == Qt::Checked ? 1 : 0;
        }
    StoreRegistry(QStringLiteral("ShowZeroRow"), std::max(0, RadioGroup6->ItemIndex()));
    StoreRegistry(QStringLiteral("DetailedPrintStype"), 1);
    StoreRegistry(QStringLiteral("PrintAllBuilding"), std::max(0, RadioGroup8->ItemIndex()));

    project.InRoomDesignParamType = std::max(0, RadioGroup2->ItemIndex());
    project.StatisticsType = std::max(0, RadioGroup3->ItemIndex());
    project.StatisticalStyle = std::max(0, RadioGroup4->ItemIndex());
    project.TimePeriodType = RadioButton6->isChecked() ? 1 : 0;
    project.TimeBeginning = std::max(0, ComboBox1->currentIndex());
    project.TimeEnd = std::max(0, ComboBox2->currentIndex());
    project.HourfromMaximumLoad = ControlEdit1->AsInt();
    project.HourInterval = std::max(1, ControlEdit2->AsInt());

    if (COutputParams::Exists() && COutputParams::Current().Modified)
        COutputParams::Current().SaveOutputParams();
    StoreElementFlags();
}

// A key the project does not hold yet is added: its value must not be lost.
void TOutputParamSet::StoreRegistry(const QString& key, int value)
{
    CRegistry registry;
    registry.WriteRegistryString(QString(), key, QString::number(value));
}

void TOutputParamSet::StoreElementFlags()
{
    if (!PopupTree)
        return;
    const bool heating = HeatingDesignType();
    const char* const names[] = {"IsOutputIndoorParameter", "IsOutputLoadCalculationParameter",
                                 heating ? "HIsOutputLoadStatisticsData" : "IsOutputLoadStatisticsData",
                                 heating ? "HIsOutputLoadHourlyData" : "IsOutputLoadHourlyData"};
    CNodeData& root = CTreeView2DB::Current().Root();
    for (QTreeWidgetItemIterator it(PopupTree); *it; ++it) {
        CCheckPopData* record = PopupTree->RecordOf(*it);
        if (!record || !record->Modified || record->CurrentFlags == record->StoredFlags)
            continue;
        CNodeData* node = root.FindNodeById(TCheckPopupTree::NodeIdOf(*it));
        CElementBase* element = node ? node->LoadElement() : nullptr;
        if (!element)
            continue;
        record->StoredFlags = record->CurrentFlags;
        CEleAttrs attrs;
        for (int k = 0; k < 4; ++k)
            attrs.SetAttrString(QString::fromLatin1(names[k]), QString::number(record->CurrentFlags[static_cast<size_t>(k)]));
        attrs.mode = CEleAttrs::WriteBack;
        element->ExchangeAttrs(attrs);
        element->UpdateRecord();
    }
}

void TOutputParamSet::Button1Click()
{
    if (CTool::Current().ShowMessageBox(QStringLiteral("信息"), QStringLiteral("是否需要恢复缺省值..."), 9, 2) != 6)
        return;
    CRestoreDataFromDBToDB copier;
    copier.SourcePath = CProgramFolder::Resolve(QStringLiteral("System/SysData.dat"));
    copier.DestinationPath = TDM_Project::Current().ProjectCon.FileName();
    copier.TableName = QStringLiteral("OutputOption");
    copier.KeyField = QStringLiteral("ID");
    copier.ProgressTitle = QStringLiteral("正在恢复缺省值...");
    copier.OpenConnections();
    copier.CopyTable();
    COutputParams::Current().LoadOutputParams();
    BuildOptionTree();
    if (CheckTreeView1->topLevelItemCount() > 0)
        CheckTreeView1->setCurrentItem(CheckTreeView1->topLevelItem(0));
}

void TOutputParamSet::Button2Click()
{
    StoreSettings();
    CCalculateAndOutput run(*this, this);
    run.Run(std::max(0, RadioGroup1->ItemIndex()));
}

void TOutputParamSet::FlatButton2Click()
{
    SaveOutputConfig();
    accept();
}

void TOutputParamSet::ClearOutput()
{
    CSysOutputManage::Instance().ClearOutput(SysOutputAll);
}

int TOutputParamSet::WarningCount() const
{
    return CSysOutputManage::Instance().Count(SysOutputWarning);
}

void TOutputParamSet::OpenWithShell(const QString& path)
{
    if (CProjectTreeHostBase* host = CTreeView2DB::Current().Host())
        host->OpenWithShell(path);
}

std::array<int, 365>& TOutputParamSet::DayFlags(const QTableWidget* grid) const
{
    CProjectData& project = CProjectData::Current();
    return grid == StringGrid1 ? project.DayCheck : project.DayCheck_Total;
}

QComboBox* TOutputParamSet::MonthBox(const QTableWidget* grid) const
{
    return grid == StringGrid1 ? ComboBox3 : ComboBox4;
}

void TOutputParamSet::RefreshDayGrid(QTableWidget* grid)
{
    const int month = std::max(0, MonthBox(grid)->currentIndex());
    const std::array<int, 365>& flags = DayFlags(grid);
    for (int row = 0; row < kDayRows; ++row)
        for (int column = 0; column < kDayColumns; ++column) {
            const int day = kDayColumns * row + column;
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignCenter);
            if (day < DaysOfMonth(month)) {
                cell->setText(QString::number(day + 1));
                const bool output = flags[static_cast<size_t>(MonthFirstDay(month) + day)] != 0;
                cell->setForeground(output ? Qt::blue : Qt::red);
            } else {
                cell->setFlags(Qt::NoItemFlags);
            }
            grid->setItem(row, column, cell);
        }
}

void TOutputParamSet::SetSelectedDays(QTableWidget* grid, bool output)
{
    const int month = std::max(0, MonthBox(grid)->currentIndex());
    std::array<int, 365>& flags = DayFlags(grid);
    for (const QTableWidgetSelectionRange& range : grid->selectedRanges())
        for (int row = range.topRow(); row <= range.bottomRow(); ++row)
            for (int column = range.leftColumn(); column <= range.rightColumn(); ++column) {
                const int day = kDayColumns * row + column;
                if (day < DaysOfMonth(month))
                    flags[static_cast<size_t>(MonthFirstDay(month) + day)] = output ? 1 : 0;
            }
    RefreshDayGrid(grid);
}

void TOutputParamSet::ApplyToOtherMonths(QTableWidget* grid)
{
    const int chosen = std::max(0, MonthBox(grid)->currentIndex());
    std::array<int, 365>& flags = DayFlags(grid);
    const int chosenDays = DaysOfMonth(chosen);
    std::array<int, 31> pattern{};
    for (int day = 0; day < chosenDays; ++day)
        pattern[static_cast<size_t>(day)] = flags[static_cast<size_t>(MonthFirstDay(chosen) + day)];
    for (int month = 0; month < 12; ++month)
        for (int day = 0; day < DaysOfMonth(month); ++day)
            flags[static_cast<size_t>(MonthFirstDay(month) + day)] =
                day < chosenDays ? pattern[static_cast<size_t>(day)] : 0;
    RefreshDayGrid(grid);
}

void TOutputParamSet::ToggleDay(QTableWidget* grid, int row, int column)
{
    const int month = std::max(0, MonthBox(grid)->currentIndex());
    const int day = kDayColumns * row + column;
    if (day >= DaysOfMonth(month))
        return;
    int& flag = DayFlags(grid)[static_cast<size_t>(MonthFirstDay(month) + day)];
    flag = flag ? 0 : 1;
    RefreshDayGrid(grid);
}
