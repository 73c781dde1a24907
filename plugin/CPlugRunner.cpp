#include "plugin/CPlugRunner.h"

#include "calc/CCalMsgOutput.h"
#include "calc/CCalResultBuffer.h"
#include "calc/CNodeDataBuffer.h"
#include "plugin/CPlug.h"

bool CPlugRunner::Run(CPlug& plug, QObject* owner, const std::function<void(CQORReport&)>& preview)
{
    // Destroyed in reverse order: progress window, result pool, node buffer.
    CNodeDataBuffer nodes;
    CCalResultBuffer results;
    CCalMsgOutput progress(QStringLiteral("负荷计算"), owner);
    plug.PlugOutPutOrMainForm(1);
    if (!plug.PlugRunConfig())
        return false;
    progress.DisableCancel();
    if (progress.IsStopped())
        return true;
    if (plug.PlugHasReport()) {
        if (CQORReport* report = plug.PlugGetReport(); report && preview)
            preview(*report);
    } else {
        plug.PlugRunExe();
    }
    return true;
}
