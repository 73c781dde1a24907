#include "tools/shots/CFormShots.h"

#include "app/TVoro_Main.h"
#include "library/CMaterialNode.h"
#include "library/forms/TMaterialSelectForm.h"
#include "library/forms/TPictureReview.h"
#include "library/forms/TTLibManageForm.h"
#include "library/forms/TTMaterialTreeFrame.h"

#include <QTreeWidget>

namespace {
// The first record of a root's first category (or the root itself).
CMaterialNode* FirstRecord(CMaterialNode* node)
{
    if (!node)
        return nullptr;
    if (node->NodeKind == CMaterialNode::KindRecord)
        return node;
    for (const auto& child : node->Children)
        if (CMaterialNode* record = FirstRecord(child.get()))
            return record;
    return nullptr;
}

// The manager of the kind with the first record of the project (else of the system library) shown.
SFormShot Manager(const QString& name, int kind)
{
    return {name, [kind](TVoro_Main& window) {
                auto form = std::make_unique<TTLibManageForm>(&window);
                form->SetLibraryKind(kind);
                TTMaterialTreeFrame* tree = form->TMaterialTreeFrame1;
                CMaterialNode* record = FirstRecord(tree->GetProjectRoot());
                if (!record)
                    record = FirstRecord(tree->GetSystemRoot());
                tree->SelectNode(record);
                return std::unique_ptr<QWidget>(std::move(form));
            }};
}

// A construction field to open the picker under; the shot only shows it.
class CShotTarget : public CMaterialSelectTargetBase
{
public:
    void SetValue(int, const QString&, const QString&) override {}
};
} // namespace

void AddLibraryManagerFormShots(FormShotList& shots)
{
    shots.push_back(Manager(QStringLiteral("TTLibManageForm"), 0));
    shots.push_back(Manager(QStringLiteral("TTLibManageForm-window"), 6));
    shots.push_back(Manager(QStringLiteral("TTLibManageForm-ground"), 13));
    shots.push_back(Manager(QStringLiteral("TTMaterial_RoomOccupation"), 16));
    shots.push_back(Manager(QStringLiteral("TTStoreyOccupation"), 18));
    shots.push_back({QStringLiteral("TMaterialSelectForm"), [](TVoro_Main& window) {
                         static CShotTarget target;
                         auto form = std::make_unique<TMaterialSelectForm>(&window);
                         form->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
                         form->Open(&target, 0, -1, QPoint(0, 0));
                         form->hide();
                         form->TMaterialTreeFrame1->TreeView1->expandAll();
                         return std::unique_ptr<QWidget>(std::move(form));
                     }});
    shots.push_back({QStringLiteral("TPictureReview"), [](TVoro_Main& window) {
                         return std::unique_ptr<QWidget>(std::make_unique<TPictureReview>(&window));
                     }});
}
