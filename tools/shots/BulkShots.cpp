#include "tools/shots/CFormShots.h"

#include "app/TVoro_Main.h"
#include "bulk/TMirrorForm.h"
#include "bulk/TStorey_Room_Form.h"
#include "bulk/TTChangeUseForm.h"
#include "model/CNodeData.h"
#include "model/CRoom.h"
#include "model/CTreeView2DB.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace {
// The first node of the type in the demonstration project.
CNodeData* First(int type)
{
    return CTreeView2DB::Current().Root().FindNodeByCaption(type, QString());
}

SFormShot Series(const QString& name, int type, const QString& kind)
{
    return {name, [type, kind](TVoro_Main& window) {
                auto form = std::make_unique<TStorey_Room_Form>(&window, First(type), kind);
                form->Storey_Count->setText(QStringLiteral("5"));
                form->Low_Count->setText(QStringLiteral("1"));
                form->Room_Count->setText(QStringLiteral("12"));
                return std::unique_ptr<QWidget>(std::move(form));
            }};
}
} // namespace

void AddBulkFormShots(FormShotList& shots)
{
    shots.push_back(Series(QStringLiteral("TStorey_Room_Form"), 1, QStringLiteral("Storey")));
    shots.push_back(Series(QStringLiteral("TStorey_Room_Form-room"), 2, QStringLiteral("Room")));
    shots.push_back({QStringLiteral("TTChangeUseForm"), [](TVoro_Main& window) {
                         auto form = std::make_unique<TTChangeUseForm>(&window);
                         if (const auto* room = dynamic_cast<const CRoom*>(First(3)->LoadElement()))
                             form->PresetUseId = room->RoomUse;
                         form->RadioButton2->setChecked(true);
                         form->CheckListBox2->item(0)->setCheckState(Qt::Checked);
                         form->CheckListBox2->item(1)->setCheckState(Qt::Checked);
                         return std::unique_ptr<QWidget>(std::move(form));
                     }});
    shots.push_back({QStringLiteral("TMirrorForm"), [](TVoro_Main& window) {
                         auto form = std::make_unique<TMirrorForm>(&window);
                         form->SetTarget(First(3));
                         return std::unique_ptr<QWidget>(std::move(form));
                     }});
}
