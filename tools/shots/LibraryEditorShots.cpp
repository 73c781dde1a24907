#include "tools/shots/CFormShots.h"

#include "app/TVoro_Main.h"
#include "library/forms/TExportMaterials.h"
#include "library/forms/TGuideMaterials.h"
#include "library/forms/TMetrailTree.h"
#include "model/TDM_Project.h"
#include "model/TDM_SysParam.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTreeWidget>

namespace {
// The editor tree of the kind with the first category of the project library open, else the
// system library's.
std::unique_ptr<QWidget> EditorTree(TVoro_Main& window, const QString& kindWord, bool flat)
{
    auto tree = std::make_unique<TMetrailTree>(&window);
    tree->setWindowFlags(Qt::Window);
    tree->FlatLibrary = flat;
    tree->LoadTree(&TDM_SysParam::Current().ADOConnection2, &TDM_Project::Current().ProjectCon, kindWord);
    QTreeWidgetItem* root = tree->RootItem(1)->childCount() ? tree->RootItem(1) : tree->RootItem(0);
    root->setExpanded(true);
    if (QTreeWidgetItem* first = root->child(0)) {
        first->setExpanded(true);
        tree->TreeView1->setCurrentItem(first->childCount() ? first->child(0) : first);
    }
    return tree;
}
} // namespace

void AddLibraryEditorFormShots(FormShotList& shots)
{
    shots.push_back({QStringLiteral("TMetrailTree"), [](TVoro_Main& window) {
                         return EditorTree(window, QStringLiteral("OutsideWall"), false);
                     }});
    shots.push_back({QStringLiteral("TMetrailTree-roomuse"), [](TVoro_Main& window) {
                         return EditorTree(window, QStringLiteral("RoomOccupation"), true);
                     }});
    shots.push_back({QStringLiteral("TExportMaterials"), [](TVoro_Main& window) {
                         auto dialog = std::make_unique<TExportMaterials>(&window);
                         dialog->SetLibraryKind(0);
                         return std::unique_ptr<QWidget>(std::move(dialog));
                     }});
    // The import dialog on a file of the system library's outside walls written for the shot.
    shots.push_back({QStringLiteral("TGuideMaterials"), [](TVoro_Main& window) {
                         TExportMaterials exporter;
                         exporter.SetLibraryKind(0);
                         const QString path = QDir::temp().filePath(QStringLiteral("didivov_shot_walls.wq"));
                         exporter.Export(path);
                         auto dialog = std::make_unique<TGuideMaterials>(&window);
                         dialog->SetLibraryKind(0);
                         dialog->LoadFile(path);
                         QFile::remove(path);
                         if (dialog->CheckListBox1->count() > 1)
                             dialog->CheckListBox1->item(1)->setCheckState(Qt::Unchecked);
                         return std::unique_ptr<QWidget>(std::move(dialog));
                     }});
}
