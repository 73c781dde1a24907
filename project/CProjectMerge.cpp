#include "project/CProjectMerge.h"

#include "model/CProjectTreeHostBase.h"
#include "model/CTreeView2DB.h"
#include "model/TDM_Project.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CGbkCodec.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CTool.h"
#include "project/CSystemGlobalData.h"

#include <QFile>
#include <QLibrary>

namespace {
using TMergePrj = int (*)(const char** projectPath);
} // namespace

QString CProjectMerge::BackupPath(const QString& projectPath)
{
    const int dot = projectPath.lastIndexOf(QLatin1Char('.'));
    return (dot < 0 ? projectPath.left(1) : projectPath.left(dot + 1)) + QStringLiteral("temp");
}

bool CProjectMerge::MergeWithLibrary(const QString& projectPath)
{
    QLibrary library(CProgramFolder::Path() + QStringLiteral("libMergerPrj.so"));
    if (!library.load()) {
        library.setFileName(QStringLiteral("MergerPrj"));
        if (!library.load())
            return false;
    }
    const auto merge = reinterpret_cast<TMergePrj>(library.resolve("MergePrj"));
    const QByteArray path = CGbkCodec::ToGbk(projectPath);
    const char* text = path.constData();
    const bool merged = merge && merge(&text) != 0;
    library.unload();
    return merged;
}

bool CProjectMerge::Run(const Merger& merger)
{
    CSystemGlobalData& global = CSystemGlobalData::Current();
    const QString path = global.ProjectFilePath();
    const QString backup = BackupPath(path);
    QFile::remove(backup);
    // Without a backup a failed merge could not be taken back: the merge is not attempted.
    const bool backedUp = QFile::copy(path, backup);
    TDM_Project& dm = TDM_Project::Current();
    dm.ProjectCon.Close();

    bool merged = backedUp && merger && merger(path);
    if (!merged) {
        if (backedUp) {
            QFile::remove(path);
            QFile::copy(backup, path);
        }
        CTool::Current().ShowMessage(QStringLiteral("工程合并失败!!!"));
    }
    QFile::remove(backup);

    dm.ProjectCon.Open(path);
    TInitalizationManage::Current().Load(dm.Initialization);
    global.ProjectData().LoadProjectData();
    CTreeView2DB& tree = CTreeView2DB::Current();
    tree.LoadTree();
    if (CProjectTreeHostBase* host = tree.Host())
        host->ReloadTreeView();
    return merged;
}
