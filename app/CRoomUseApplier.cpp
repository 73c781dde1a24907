#include "app/CRoomUseApplier.h"

#include "bulk/TTChangeUseForm.h"

#include <QListWidget>

void CRoomUseApplier::Run(int useId, const QStringList& tickedFields)
{
    TTChangeUseForm form;
    form.PresetUseId = useId;
    for (int i = 0; i < TTChangeUseForm::FieldCount && i < form.CheckListBox2->count(); ++i)
        if (tickedFields.contains(TTChangeUseForm::FieldName(i)))
            form.CheckListBox2->item(i)->setCheckState(Qt::Checked);
    form.exec();
}
