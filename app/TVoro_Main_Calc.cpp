#include "app/CMainCalcHost.h"
#include "app/TVoro_Main.h"
#include "app/controls/CSysOutputManage.h"
#include "app/controls/ModalResult.h"
#include "app/controls/TLoadTypeChooseForm.h"
#include "app/controls/TSysOutputPanel.h"
#include "app/controls/TViewMaxLoadForm.h"
#include "calc/CCalMsgOutput.h"
#include "calc/CCalResultBuffer.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CNodeDataBuffer.h"
#include "calc/forms/TLoadCalculationForm.h"
#include "model/CMaterialParamNameList.h"
#include "model/CProjectData.h"
#include "model/CTreeItem.h"
#include "platform/core/CGbkCodec.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CTool.h"
#include "platform/core/CWaitCursor.h"
#include "platform/core/Exception.h"
#include "plugin/CPlugManage.h"
#include "project/CSystemGlobalData.h"
#include "report/COutputParams.h"
#include "report/forms/CLoadCurveDisplay.h"
#include "report/forms/THLReport_SetForm.h"
#include "report/forms/TOutputParamSet.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QListView>
#include <QProcess>
#include <QSettings>

namespace {
constexpr int kDailyACDesignType = 5;

int GlobalDesignType()
{
    return CSystemGlobalData::Exists() ? CSystemGlobalData::Current().DesignType : -1;
}

// The first line of the load category: the unit system the totals are printed in.
QString LoadHeader()
{
    const bool engineering = CProjectData::Current().Unit != 0;
    return QStringLiteral("====================%1====================")
        .arg(engineering ? QStringLiteral("工程单位制[kcal/h]") : QStringLiteral("国际单位制[W]"));
}

// The folder of the condition-analysis program, as its installer records it: the user's settings
// first, then the machine's. Empty when neither names one.
QString ConditionAnalysisFolder()
{
    for (QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope}) {
        QSettings settings(QSettings::NativeFormat, scope, QStringLiteral("QOR"), QStringLiteral("Path"));
        settings.setFallbacksEnabled(false);
        const QString folder = settings.value(QStringLiteral("DOVOVoravoPath")).toString();
        if (!folder.isEmpty())
            return folder;
    }
    return QString();
}
} // namespace

void TVoro_Main::Aa(QAction* sender)
{
    if (sender && CSystemGlobalData::Exists()) {
        const int designType = sender->data().toInt();
        if (designType != CSystemGlobalData::Current().DesignType) {
            sender->setChecked(true);
            CSystemGlobalData::Current().SetDesignType(designType);
        }
    }
    if (QAction* schemes = Action(QStringLiteral("act_LoadCalculation")))
        schemes->setEnabled(GlobalDesignType() == kDailyACDesignType);
}

void TVoro_Main::ToolButton1Click()
{
    CommitCurrentEditor();
    CNodeDataBuffer nodeBuffer;
    CCalResultBuffer resultBuffer;
    CCalMsgOutput progress(QStringLiteral("正在计算最大负荷"), this);
    CSysOutputManage& output = CSysOutputManage::Instance();
    output.ClearOutput(SysOutputAll);
    CTreeItem* item = SelectedItem();
    if (!item)
        return;

    CCalculate_Manager manager;
    output.ClearOutput(SysOutputLoad);
    output.SetSubject(item->Text());
    output.AddOutputLine(SysOutputLoad, LoadHeader());
    {
        CSysOutputManage::UpdateScope suspended(output);
        manager.OutputLoadSummary(item);
    }
    if (output.Count(SysOutputWarning) > 0)
        CTool::Current().ShowMessage(
            QStringLiteral("负荷计算过程中有警告信息，\n请查看软件下方给出的具体信息，确保负荷准确性。"));
    m_messagePanel->ShowCategory(SysOutputLoad);
    QListView* list = m_messagePanel->SysOutputInfoListBox;
    if (list->model() && list->model()->rowCount() > 0)
        list->setCurrentIndex(list->model()->index(0, 0));
    progress.SetCalcMessage(QStringLiteral("准备输出"));
    if (!progress.IsStopped()) {
        TViewMaxLoadForm form;
        form.SetLines(output.Lines(output.ShownCategory()));
        form.exec();
    } else {
        output.ClearOutput(SysOutputLoad);
    }
    ShowElementEditor(item);
}

void TVoro_Main::ToolButton2Click()
{
    CommitCurrentEditor();
    CTreeItem* item = SelectedItem();
    {
        CNodeDataBuffer nodeBuffer;
        CCalResultBuffer resultBuffer;
        CCalMsgOutput progress(QStringLiteral("正在计算负荷"), this);
        if (item) {
            CCalculate_Manager manager;
            CSysOutputManage::Instance().ClearOutput(SysOutputLoad);
            // Owned by the application: the progress window disables the main window meanwhile.
            CLoadCurveDisplay display(nullptr);
            manager.ShowLoadCurves(item);
            m_messagePanel->ShowCategory(SysOutputLoad);
        }
    }
    ShowElementEditor(item);
}

void TVoro_Main::ToolButton3Click()
{
    CommitCurrentEditor();
    if (CTreeItem* item = SelectedItem()) {
        CWaitCursor wait;
        CCalculate_Manager manager;
        CSysOutputManage::Instance().ClearOutput(SysOutputThermalCheck);
        manager.CheckMinThermalResistance(item);
        m_messagePanel->ShowCategory(SysOutputWarning);
    }
    // Switching away and back refills the list also when the check tab was shown already.
    m_messagePanel->ShowCategory(SysOutputThermalCheck);
    ShowElementEditor(SelectedItem());
}

void TVoro_Main::testoutputClick()
{
    CommitCurrentEditor();
    CNodeDataBuffer nodeBuffer;
    CCalResultBuffer resultBuffer;
    CTreeItem* item = SelectedItem();
    if (!item)
        return;

    CCalMsgOutput progress(QStringLiteral("正在计算负荷"), this);
    const QString path = CProgramFolder::Path() + QStringLiteral("out~.csv");
    CCalculate_Manager manager;
    CSysOutputManage& output = CSysOutputManage::Instance();
    output.SetSubject(item->Text());
    {
        CSysOutputManage::UpdateScope suspended(output);
        QStringList lines;
        manager.WriteHourlyResultTable(item, lines);
        CGbkCodec::WriteLines(path, lines);
        OpenWithShell(path);
    }
    ShowElementEditor(item);
}

void TVoro_Main::act_LoadCalculationExecuteExecute()
{
    if (GlobalDesignType() != kDailyACDesignType)
        return;
    CommitCurrentEditor();
    // The scheme mode lasts exactly as long as the dialog, also when an exception leaves it.
    struct SSchemeMode
    {
        SSchemeMode() { CSystemGlobalData::Current().CurRunSolInfo.Mode = 1; }
        ~SSchemeMode() { CSystemGlobalData::Current().CurRunSolInfo.Mode = 0; }
    } schemeMode;
    TLoadCalculationForm form(this);
    form.exec();
}

void TVoro_Main::act_HeatReportExecute()
{
    CommitCurrentEditor();
    {
        THLReport_SetForm form;
        form.exec();
    }
    ShowElementEditor(SelectedItem());
}

void TVoro_Main::Action_OutputAndSetExecute()
{
    if (CMaterialParamNameList::Exists())
        CMaterialParamNameList::Current().ClearAll();
    CommitCurrentEditor();
    {
        // Plug-ins ask through GetPlugPath whether they run for the dialog.
        PlugManage().OutputDialogFlag = 1;
        TOutputParamSet OutputParamSet(this);
        OutputParamSet.exec();
        PlugManage().OutputDialogFlag = 0;
    }
    ShowElementEditor(SelectedItem());
}

void TVoro_Main::LoadOutputParams()
{
    if (COutputParams::Exists())
        COutputParams::Current().LoadOutputParams();
}

void TVoro_Main::Action_RetailDesign_AirCaseExecute()
{
    CommitCurrentEditor();
    TLoadTypeChooseForm chooser;
    if (chooser.exec() != mrOk)
        return;
    const int loadType = chooser.ComboBox1->currentIndex();

    CNodeDataBuffer nodeBuffer;
    CCalResultBuffer resultBuffer;
    CCalMsgOutput progress(QStringLiteral("正在计算负荷"), this);
    const QString projectFolder =
        QFileInfo(CSystemGlobalData::Current().ProjectFilePath()).absolutePath() + '/';
    const QString inputFile = projectFolder + QStringLiteral("system_id.txt");
    const QString answerFile = projectFolder + QStringLiteral("return_id.txt");

    const QString programFolder = ConditionAnalysisFolder();
    if (programFolder.isEmpty()) {
        CTool::Current().ShowMessageBox(QStringLiteral("错误"), QStringLiteral("本机没有安装相关软件"), 6, 1);
        return;
    }

    CTreeItem* projectItem = m_treeView.TopItem(0);
    if (!projectItem)
        return;
    CCalculate_Manager manager;
    manager.SetConditionLoadType(loadType);
    manager.BuildCalcStructureFrom(projectItem);
    if (progress.IsStopped())
        return;
    if (!manager.ExportConditionAnalysisFile(inputFile)) {
        if (!progress.IsStopped())
            CTool::Current().ShowMessageBox(
                QStringLiteral("信息"), QStringLiteral("您还没有完整地划分系统或者无法创建系统文件! "), 6, 0);
        return;
    }
    if (progress.IsStopped())
        return;

    const QString program = QDir(programFolder).filePath(QStringLiteral("DOVOVoravo.exe"));
    if (!QFileInfo::exists(program)) {
        CTool::Current().ShowMessageBox(QStringLiteral("错误"),
                                        QStringLiteral("对不起，您的机器上没有安装此项功能!"), 6, 1);
        return;
    }
    QProcess::startDetached(program,
                            {QStringLiteral("/m"), QDir::toNativeSeparators(inputFile), QStringLiteral("/r"),
                             QDir::toNativeSeparators(answerFile)},
                            programFolder);
}

void TVoro_Main::CreateCalculateHost()
{
    m_calcHost = std::make_unique<CMainCalcHost>(CSysOutputManage::Instance(), this);
}
